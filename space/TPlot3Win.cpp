#include "space/TPlot3Win.h"

#include <algorithm>
#include <cmath>

#include "graph/PlaneSlotMap.h"
#include "platform/Dialog.h"
#include "platform/Platform.h"
#include "platform/Window.h"
#include "space/LevelCurves.h"
#include "space/SpaceCommands.h"
#include "space/SpaceSlots.h"
#include "space/SpaceSystems.h"
#include "space/SurfaceRecord.h"

namespace korvane {

namespace {

// The letters with their slider ranges: the stereogram's sliders run over the space window's.
void CopyLettersAndRanges(const EvalContext& from, EvalContext& to) {
    std::copy(std::begin(from.letterValues), std::end(from.letterValues), to.letterValues);
    std::copy(std::begin(from.letterLow), std::end(from.letterLow), to.letterLow);
    std::copy(std::begin(from.letterHigh), std::end(from.letterHigh), to.letterHigh);
}

} // namespace

TPlot3Win::TPlot3Win(platform::Platform& platform, const WindowOptions& options, platform::Window* owner)
    : TPlotRWin(platform, options, owner) {
    SetUpDefaults();
    CreateWindowFromSettings();
}

TPlot3Win::~TPlot3Win() {
    CloseLevels();
    WriteSettingsFile();
}

void TPlot3Win::CloseLevels() {
    for (auto& w : timeWindows_)
        w.reset();
    rdsDialog_.reset();
    rdsHandler_.reset();
    rdsWindow_.reset();
    levelsDialog_.reset();
    levelsHandler_.reset();
    levelWindow_.reset();
}

ExampleRecord* TPlot3Win::LevelRecord() {
    if (levelRecord_ < 0 || levelRecord_ >= examples_.Count() || examples_[levelRecord_].Kind() != levelKind_)
        return nullptr;
    return &examples_[levelRecord_];
}

LevelsHost TPlot3Win::MakeLevelsHost() {
    LevelsHost host;
    host.record = [this] { return LevelRecord(); };
    host.context = &context_;
    host.trace = [this](int axis, long double level, std::int16_t colour) {
        return levelWindow_ ? levelWindow_->TraceLevel(axis, level, colour) : std::vector<TrajectoryRecord>{};
    };
    host.stopped = [this] { return levelWindow_ && levelWindow_->LastTraceStopped(); };
    host.show = [this](const std::vector<TrajectoryRecord>& pieces, int axis) {
        if (!levelWindow_)
            return;
        if (axis != levelWindow_->Axis())
            if (const ExampleRecord* e = levelWindow_->surface())
                levelWindow_->ShowSlice(axis, RecordBoxMin(*e), RecordBoxMax(*e));
        levelWindow_->ShowPieces(pieces);
    };
    host.kept = [this] {
        SetModified();
        InvalidatePicture();
        Redraw(1);
    };
    host.evaluate = [this](const std::string& text, long double& value) { return EvaluateNumber(text, value); };
    host.showMessage = [this](int code) { ShowMessage(code); };
    return host;
}

bool TPlot3Win::ShowLevels() {
    levelRecord_ = -1;
    for (int i = examples_.Count() - 1; i >= 0 && levelRecord_ < 0; --i)
        if (examples_[i].Shown() && examples_[i].Kind() == kSurfaceImplicit && HasLevelFunction(examples_[i]))
            levelRecord_ = i;
    for (int i = examples_.Count() - 1; i >= 0 && levelRecord_ < 0; --i)
        if (examples_[i].Shown() && HasLevelFunction(examples_[i]))
            levelRecord_ = i;
    if (levelRecord_ < 0) {
        ShowMessage(9);
        return false;
    }
    levelKind_ = examples_[levelRecord_].Kind();
    if (!levelWindow_) {
        WindowOptions options;
        options.readSettings = options_.readSettings;
        levelWindow_ = std::make_unique<TLevelWin>(platform_, options, window_.get());
        levelWindow_->Output().besideDocument = [this] { return FileName(); };
        levelWindow_->surface = [this]() -> const ExampleRecord* { return LevelRecord(); };
        levelWindow_->copyLetters = [this](EvalContext& into) {
            std::copy(std::begin(context_.letterValues), std::end(context_.letterValues), into.letterValues);
        };
        PlaceBeside(*levelWindow_, levelWindow_->SettingsWereRead());
    }
    // A field typed in the level-curve window knows the user's functions as here.
    levelWindow_->Functions() = functions_;
    if (!levelsHandler_)
        levelsHandler_ = std::make_unique<TLevelsDlg>(MakeLevelsHost());
    if (!levelsDialog_)
        levelsDialog_ = platform_.CreateModeless("LEVELS", *levelsHandler_, window_.get());
    if (!levelsDialog_)
        return false;
    levelsHandler_->Begin(*levelsDialog_);
    const ExampleRecord& e = examples_[levelRecord_];
    if (levelWindow_->GetWindow())
        levelWindow_->GetWindow()->Show();
    levelWindow_->ShowSlice(levelsHandler_->Axis(), RecordBoxMin(e), RecordBoxMax(e));
    levelsDialog_->Show();
    return true;
}

std::int32_t TPlot3Win::SettingsIdentifier() const { return kSpaceIdentifier; }

void TPlot3Win::SetUpDefaults() {
    colours_.slots[kSlotBackground].index = 1;
    colours_.slots[kSlotAxes].index = 0;
    colours_.slots[4].index = 0;
    axes_.axesShown = false;
    currentLevel_ = 1;
}

void TPlot3Win::CreateWindowFromSettings() {
    OpenGraphWindow(options_.title.empty() ? "3-dim" : options_.title, "PLOT3MENU");
    RestorePlacement();
    Recompute();
    CreateLayers(1);
    space_.ObserverChanged();
    FitWindow();
    RefreshMenuChecks();
    window_->Show();
    OpenStartDocument();
    RequestRepaint();
}

std::vector<ExampleRecord*> TPlot3Win::StereogramCandidates() {
    std::vector<ExampleRecord*> out;
    for (int i = 0; i < examples_.Count(); ++i)
        if (IsStereogramKind(examples_[i].Kind()))
            out.push_back(&examples_[i]);
    return out;
}

TimeParent TPlot3Win::MakeTimeParent() {
    TimeParent parent;
    parent.dimension = 3;
    const SpacePoint low = space_.boxMin, high = space_.boxMax;
    const long double lows[3] = {low.x, low.y, low.z}, highs[3] = {high.x, high.y, high.z};
    std::copy(lows, lows + 3, parent.low);
    std::copy(highs, highs + 3, parent.high);
    parent.documentName = FileName();
    parent.walk = [this](const std::function<void(int)>& begin, const std::function<void(const TimePoint&)>& point) {
        ComplexValue letters[kLetterCount];
        std::copy(std::begin(context_.letterValues), std::end(context_.letterValues), letters);
        const auto poll = [this] { return window_ && PeekKey() == 'S'; };
        bool going = true;
        for (int i = 0; i < examples_.Count() && going; ++i) {
            const ExampleRecord& e = examples_[i];
            if (e.Kind() != kSpaceSystem || !e.Shown())
                continue;
            for (const TrajectoryRecord& r : e.trajectories) {
                begin(r.I16(tro::kColour));
                const SpaceTrajectoryOutcome out = FollowSpaceTrajectory(
                    context_, e, r, [&](const SpacePoint& p, long double t) { point({t, p.x, p.y, p.z}); }, poll);
                if (out.end == SpaceTrajectoryEnd::Stopped) {
                    going = false;
                    break;
                }
            }
        }
        std::copy(std::begin(letters), std::end(letters), context_.letterValues);
    };
    return parent;
}

TTimeWin* TPlot3Win::OpenTimeWindow(int k) {
    if (k < 0 || k > 3)
        return nullptr;
    auto& slot = timeWindows_[static_cast<std::size_t>(k)];
    if (!slot) {
        WindowOptions options;
        options.readSettings = options_.readSettings;
        slot = std::make_unique<TTimeWin>(platform_, options, window_.get(), k, MakeTimeParent());
    } else if (slot->GetWindow()) {
        slot->GetWindow()->Show();
        slot->ParentChanged(MakeTimeParent());
    }
    return slot.get();
}

void TPlot3Win::RefreshTimeWindows() {
    for (auto& w : timeWindows_)
        if (w)
            w->ParentChanged(MakeTimeParent());
}

void TPlot3Win::AfterDocumentChanged() {
    TPlotRWin::AfterDocumentChanged();
    RefreshTimeWindows();
}

void TPlot3Win::ExamplesChanged() {
    TPlotRWin::ExamplesChanged();
    RefreshTimeWindows();
    if (window_)
        window_->EnableMenuItem(cmd::kStereograms, !StereogramCandidates().empty());
    if (rdsHandler_ && rdsDialog_)
        rdsHandler_->Fill(*rdsDialog_);
}

bool TPlot3Win::ShowStereogramDialog() {
    if (StereogramCandidates().empty()) {
        ShowMessage(9);
        return false;
    }
    if (!rdsHandler_) {
        RdsHost host;
        host.candidates = [this] { return StereogramCandidates(); };
        host.parameters = &stereogram_;
        host.draw = [this] { DrawStereogramWindow(); };
        host.selectionChanged = [this] { SetModified(); };
        host.evaluate = [this](const std::string& text, long double& value) { return EvaluateNumber(text, value); };
        host.showMessage = [this](int code) { ShowMessage(code); };
        rdsHandler_ = std::make_unique<TRDSDlg>(std::move(host));
    }
    if (!rdsDialog_)
        rdsDialog_ = platform_.CreateModeless("RDS", *rdsHandler_, window_.get());
    if (!rdsDialog_)
        return false;
    rdsHandler_->Fill(*rdsDialog_);
    rdsDialog_->Show();
    return true;
}

void TPlot3Win::DrawStereogramWindow() {
    if (!rdsWindow_) {
        WindowOptions options;
        options.readSettings = options_.readSettings;
        rdsWindow_ = std::make_unique<TRDSWin>(platform_, options, window_.get());
        rdsWindow_->Output().besideDocument = [this] { return FileName(); };
        rdsWindow_->records = [this] {
            std::vector<const ExampleRecord*> out;
            for (const ExampleRecord* e : StereogramCandidates())
                if (TakesPartInStereogram(*e))
                    out.push_back(e);
            return out;
        };
        rdsWindow_->copyLetters = [this](EvalContext& into) { CopyLettersAndRanges(context_, into); };
        rdsWindow_->shareLetters = [this](const EvalContext& from) {
            CopyLettersAndRanges(from, context_);
            SetModified();
            RebuildScene();
            InvalidatePicture();
            Redraw(1);
        };
        rdsWindow_->parameters = [this] { return stereogram_; };
        PlaceBeside(*rdsWindow_, rdsWindow_->SettingsWereRead());
    }
    if (rdsWindow_->GetWindow())
        rdsWindow_->GetWindow()->Show();
    rdsWindow_->Refresh();
}

void TPlot3Win::PlaceBeside(TZalWin& other, bool hasPlace) {
    // A window that keeps no place of its own opens beside the space window.
    if (!window_ || !other.GetWindow() || hasPlace)
        return;
    platform::Placement beside = window_->GetPlacement();
    beside.x += beside.width + 8;
    beside.maximized = false;
    other.GetWindow()->SetPlacement(beside);
}

void TPlot3Win::PackSlots(SettingsRecord& record) {
    SpaceLook look{space_, axes_.axesShown, axisNames_, slideCount_, slidePause_, marchSteps_, planarity_, stereogram_};
    PackSpaceSlots(look, record);
}

void TPlot3Win::UnpackSlots(const SettingsRecord& record) {
    SpaceLook look{space_, axes_.axesShown, axisNames_, slideCount_, slidePause_, marchSteps_, planarity_, stereogram_};
    UnpackSpaceSlots(record, look);
}

void TPlot3Win::CaptureKindSettings(DocumentState& s) {
    SpaceDocumentLook look{space_, view_, axes_.axesShown, axisNames_};
    CaptureSpaceDocument(look, s);
}

void TPlot3Win::ApplyKindSettings(const DocumentState& s) {
    SpaceDocumentLook look{space_, view_, axes_.axesShown, axisNames_};
    ApplySpaceDocument(s, look);
}

void TPlot3Win::OnCommand(int id) {
    if (id == cmd::kCloseSpaceWindow) {
        if (window_)
            window_->Close();
        return;
    }
    if (id == cmd::kLevelCurves) {
        ShowLevels();
        return;
    }
    if (id == cmd::kStereograms) {
        ShowStereogramDialog();
        return;
    }
    if (id >= cmd::kTimeWindowX && id <= cmd::kTimeWindowXYZ) {
        OpenTimeWindow(id - cmd::kTimeWindowX);
        return;
    }
    TPlotRWin::OnCommand(id);
}

void TPlot3Win::OnDestroy() {
    CloseLevels();
    WriteSettingsFile();
}

} // namespace korvane
