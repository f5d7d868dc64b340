#include "windows/TDom2Win.h"

#include "plane/EquationLabel.h"
#include "plane/ExampleCompiler.h"
#include "plane/PlaneCommands.h"
#include "plane/PointNote.h"
#include "plane/TEditExmpDlg.h"
#include "platform/Platform.h"
#include "platform/Window.h"
#include "windows/MapJacobian.h"
#include "windows/TMapDlg.h"
#include "windows/TMapGridDlg.h"
#include "windows/TRan2Win.h"

#include <cmath>

namespace korvane {

namespace {

constexpr int kNoRoom = 4;
constexpr int kMapColour = 0;
constexpr long double kNarrowest = 1e-13L;
constexpr int kWindowGap = 8;

bool IsMapKind(int kind) { return kind == kMapComplex || kind == kMapPlane; }

} // namespace

TDom2Win::TDom2Win(platform::Platform& platform, const WindowOptions& options, platform::Window* owner)
    : TMap2Win(platform, options, owner) {
    CreateMapperWindow(options_.title.empty() ? "domínio" : options_.title, "DOM2MENU");
    window_->Show();
    OpenStartDocument();
    if (examples_.LastExample() < 0) {
        InstallGrid(DefaultMapGrid());
        ExamplesChanged();
    }
    RequestRepaint();
}

TDom2Win::~TDom2Win() {
    ReleaseTools();
    WriteSettingsFile();
}

std::string TDom2Win::DocumentFilter() const {
    return ComplexMode() ? "Arquivos MapZ (*.MAZ)|*.maz" : "Arquivos Map2 (*.MA2)|*.ma2";
}

TRan2Win* TDom2Win::Range() const { return static_cast<TRan2Win*>(partner_); }

void TDom2Win::AttachRange(TRan2Win& range) {
    Link(*this, range);
    // A range window that keeps no place of its own opens beside its domain.
    if (window_ && range.GetWindow() && !range.SettingsWereRead()) {
        platform::Placement beside = window_->GetPlacement();
        beside.x += beside.width + kWindowGap;
        beside.maximized = false;
        range.PlaceOnScreen(beside);
    }
    FitRange();
    RefreshRange();
}

const ExampleRecord* TDom2Win::ActiveMap() const {
    if (activeMap_ < 0 || activeMap_ > examples_.LastExample())
        return nullptr;
    const ExampleRecord& map = examples_[activeMap_];
    if (map.Kind() != (ComplexMode() ? kMapComplex : kMapPlane) || !map.Tree(0))
        return nullptr;
    return ComplexMode() || map.Tree(1) ? &map : nullptr;
}

// After a document was read or emptied: the last map record is the active one.
void TDom2Win::SetUpMapperState() {
    activeMap_ = -1;
    for (int i = 0; i <= examples_.LastExample(); ++i)
        if (IsMapKind(examples_[i].Kind()))
            activeMap_ = i;
    if (examples_.LastExample() < 0)
        InstallGrid(DefaultMapGrid());
}

void TDom2Win::InstallGrid(const MapGrid& grid) {
    WriteGridRecords(examples_, grid);
    for (int i = 0; i < kGridRecords; ++i)
        CompileExample(i, false);
    RecomputeLettersInUse();
}

void TDom2Win::AfterDocumentChanged() {
    TMap2Win::AfterDocumentChanged();
    SetUpMapperState();
    FitRange();
    RefreshRange();
}

void TDom2Win::NewMapperDocument(bool complex) {
    context_.SetComplexMode(complex);
    NewDocument();
}

void TDom2Win::ExamplesChanged() {
    TMap2Win::ExamplesChanged();
    if (activeMap_ > examples_.LastExample() || (activeMap_ >= 0 && !IsMapKind(examples_[activeMap_].Kind())))
        SetUpMapperState();
    RefreshRange();
}

int TDom2Win::EditExample(int index, bool isNew) {
    if (index < 0 || index > examples_.LastExample() || !IsMapKind(examples_[index].Kind()))
        return TMap2Win::EditExample(index, isNew);
    ExampleRecord& map = examples_[index];
    TMapDlg dialog(
        map, [this](const std::string& text) { return compiler_.CompileFormula(text); },
        [this](int code) { ShowMessage(code); });
    if (platform_.RunModal(TMapDlg::TemplateName(map), dialog, window_.get()) != platform::ResultOk) {
        if (isNew && index == examples_.LastExample())
            examples_.ReleaseLast();
        return -1;
    }
    CompileExample(index);
    RecomputeLettersInUse();
    activeMap_ = index;
    SetModified();
    FitRange();
    ExamplesChanged();
    Redraw(currentLevel_);
    return TEditExmpDlg::kFormulaChanged;
}

int TDom2Win::NewMap() {
    const bool complex = ComplexMode();
    const int index = examples_.Append(complex ? kMapComplex : kMapPlane, kMapColour);
    if (index < 0) {
        ShowMessage(kNoRoom);
        return -1;
    }
    ExampleRecord& map = examples_[index];
    map.texts[0] = complex ? "zz" : "2x-y";
    map.texts[1] = complex ? "" : "x+y";
    map.SetShown(true);
    return EditExample(index, true) < 0 ? -1 : index;
}

void TDom2Win::SetGrid(const MapGrid& grid) {
    InstallGrid(grid);
    SetModified();
    ExamplesChanged();
    Redraw(currentLevel_);
}

void TDom2Win::EditGrid() {
    // Records 0 and 1 of a file made elsewhere may be examples of the user's own.
    if (!HasGridRecords(examples_) && examples_.LastExample() >= 0) {
        ShowMessage(2);
        return;
    }
    MapGrid grid = Grid();
    TMapGridDlg dialog(
        grid, [this](const std::string& text, long double& value) { return EvaluateNumber(text, value); },
        [this](int code) { ShowMessage(code); });
    if (platform_.RunModal("MAPGRID", dialog, window_.get()) == platform::ResultOk)
        SetGrid(grid);
}

std::string TDom2Win::GridTableText() {
    const ExampleRecord* map = ActiveMap();
    std::string text = ComplexMode() ? "z ==> F(z)\n" : "(x,y) ==> (U,V)\n";
    for (WorldPoint p : GridNodes(Grid())) {
        WorldPoint image = p;
        const bool defined = !map || MapPointThrough(context_, *map, image.x, image.y);
        text += "(" + format_.Format(p.x) + " , " + format_.Format(p.y) + ")  ==>  ";
        text += defined ? "(" + format_.Format(image.x) + " , " + format_.Format(image.y) + ")\n" : "indefinido\n";
    }
    return text;
}

bool TDom2Win::FitRange() {
    TRan2Win* range = Range();
    const ImageBox box = GridImageBox(context_, ActiveMap(), Grid());
    if (!range || box.points == 0)
        return false;
    const long double cx = (box.xmin + box.xmax) / 2, cy = (box.ymin + box.ymax) / 2;
    long double rx = (box.xmax - box.xmin) / 2, ry = (box.ymax - box.ymin) / 2;
    // A map that sends the grid to a line or a point still gets a window around it.
    if (rx < kNarrowest)
        rx = std::max(1.0L, std::fabs(cx));
    if (ry < kNarrowest)
        ry = std::max(1.0L, std::fabs(cy));
    range->FitTo(cx, cy, rx, ry);
    return true;
}

PlaneDrawContext TDom2Win::MappedContext(platform::Surface& surface, const View& view, TPreWin& painter) {
    PlaneDrawContext context{surface, view, context_, examples_, drawSettings_, {}, {}, {}, {}};
    context.settings.pointMapExample = ActiveMap() ? activeMap_ : -1;
    // Points are computed where the domain shows them; only their images are the range's.
    if (context.Mapped())
        context.sourceView = &view_;
    context.penRgb = [&painter](int index) { return painter.PenRgb(index); };
    context.background = painter.BackgroundRgb();
    context.pollKey = [&painter] { return painter.PeekKey(); };
    return context;
}

int TDom2Win::DrawMapped(platform::Surface& surface, const View& view, TPreWin& painter) {
    PlaneDrawContext context = MappedContext(surface, view, painter);
    int key = 0;
    for (int i = 0; i <= examples_.LastExample() && key != kStopKey; ++i)
        key = DrawExample(context, i);
    if (key != kStopKey)
        DrawPointNotes(context, FontSpecOf(kFontNames), format_);
    DrawEquationLabels(context, FontSpecOf(kFontNames));
    return key;
}

void TDom2Win::DrawMappedOverlay(platform::Surface& surface, const View& view, TPreWin& painter) {
    if (!Analysis())
        return;
    PlaneDrawContext context = MappedContext(surface, view, painter);
    Analysis()->DrawOverlayThrough(context);
}

// What the tools show over the domain (the strips of a sum) shows in the range too.
void TDom2Win::DrawOverlay(platform::Surface& surface) {
    TMap2Win::DrawOverlay(surface);
    if (Range() && !Printing())
        Range()->Redraw(0);
}

std::string TDom2Win::RangeTitle() const { return "contradomínio [" + BaseTitle() + "]"; }

void TDom2Win::RefreshRange() {
    if (TRan2Win* range = Range()) {
        range->SetBaseTitle(RangeTitle());
        range->RemapFreehand();
        range->RedrawExamples();
    }
}

void TDom2Win::DrawBase(platform::Surface& surface) {
    TMap2Win::DrawBase(surface);
    // Every change of the domain's picture (views, letters, examples) shows in the range.
    if (&surface == layers_.Layer(1) && Range())
        Range()->RedrawExamples();
}

// A letter in motion moves the map's picture too (the map may use it).
void TDom2Win::LettersAnimated() {
    if (TRan2Win* range = Range()) {
        range->RemapFreehand();
        range->RedrawExamples();
    }
}

void TDom2Win::OnCommand(int id) {
    // Every command ends an animation first; those of the sliders start afresh.
    Animator().Stop();
    switch (id) {
    case cmd::kMapperClose:
        if (window_)
            window_->Close();
        return;
    case cmd::kMapperPlane:
    case cmd::kMapperComplex:
        if (ConfirmDiscard())
            NewMapperDocument(id == cmd::kMapperComplex);
        return;
    case cmd::kNewMap: NewMap(); return;
    case cmd::kMapGrid: EditGrid(); return;
    case cmd::kMapTable: ShowTable(); return;
    case cmd::kEraseDrawings:
        ClearFreehand();
        if (partner_)
            partner_->ClearFreehand();
        return;
    case cmd::kMouseJacobian:
    case cmd::kMouseFreehand:
        mouseMode_ = id;
        RefreshMenuChecks();
        return;
    default: break;
    }
    TMap2Win::OnCommand(id);
    if (id == cmd::kSave || id == cmd::kSaveAs)
        RefreshRange();
}

void TDom2Win::SendPoint(platform::Point at, bool end) {
    const WorldPoint p{view_.ToWorldX(at.x), view_.ToWorldY(at.y)};
    AddFreehand(p, end);
    if (TRan2Win* range = Range())
        range->AddImage(p.x, p.y, end);
}

void TDom2Win::FreehandMouse(const platform::MouseEvent& mouse) {
    if (mouse.action == platform::MouseAction::Down && mouse.button == platform::ButtonLeft) {
        tracking_ = true;
        if (window_)
            window_->CaptureMouse();
        SendPoint(mouse.position, false);
    } else if (tracking_ && mouse.action == platform::MouseAction::Move) {
        SendPoint(mouse.position, false);
    } else if (tracking_ && mouse.action == platform::MouseAction::Up && mouse.button == platform::ButtonLeft) {
        tracking_ = false;
        if (window_)
            window_->ReleaseMouse();
        SendPoint(mouse.position, true);
    }
}

void TDom2Win::CursorMouse(const platform::MouseEvent& mouse) {
    if (mouse.action == platform::MouseAction::Down && mouse.button == platform::ButtonRight) {
        ShowJacobian(mouse.position);
        return;
    }
    if (mouse.action == platform::MouseAction::Down && mouse.button == platform::ButtonLeft)
        tracking_ = true;
    else if (mouse.action == platform::MouseAction::Up && mouse.button == platform::ButtonLeft)
        tracking_ = false;
    else if (mouse.action != platform::MouseAction::Move || !tracking_)
        return;
    const WorldPoint p{view_.ToWorldX(mouse.position.x), view_.ToWorldY(mouse.position.y)};
    SetCursorPoint(p);
    if (TRan2Win* range = Range())
        range->ShowImageOf(p);
}

void TDom2Win::ShowJacobian(platform::Point at) {
    const ExampleRecord* map = ActiveMap();
    if (!map) {
        ShowMessage(2);
        return;
    }
    const MapJacobian j = EvaluateMapJacobian(context_, *map, view_.ToWorldX(at.x), view_.ToWorldY(at.y));
    if (!dataWindow_)
        dataWindow_ = std::make_unique<TDataWin>(platform_, window_.get(), "data", "jacobdata.txt");
    dataWindow_->SetText(MapJacobianText(j, format_));
    dataWindow_->ShowWindow();
}

void TDom2Win::ShowTable() {
    if (!tableWindow_)
        tableWindow_ = std::make_unique<TTableWin>(platform_, window_.get());
    tableWindow_->SetText(GridTableText());
    tableWindow_->ShowWindow();
}

// The range shows nothing of its own: it goes with its domain.
void TDom2Win::OnDestroy() {
    TMap2Win::OnDestroy();
    if (partner_ && partner_->GetWindow() && !partner_->GetWindow()->IsClosed())
        partner_->GetWindow()->Close();
}

void TDom2Win::OnModeMouse(const platform::MouseEvent& mouse) {
    if (mouseMode_ == cmd::kMouseFreehand)
        FreehandMouse(mouse);
    else if (mouseMode_ == cmd::kMouseJacobian)
        CursorMouse(mouse);
    else
        TMap2Win::OnModeMouse(mouse);
}

} // namespace korvane
