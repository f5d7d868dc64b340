#include "space/TPlotRWin.h"

#include <cmath>

#include "graph/ColourSlots.h"
#include "plane/DocumentText.h"
#include "platform/Platform.h"
#include "platform/Surface.h"
#include "resources/Resources.h"
#include "space/LevelCurves.h"
#include "space/SceneBox.h"
#include "space/SlowSurface.h"
#include "space/SpaceKinds.h"
#include "space/SpaceSystems.h"
#include "space/TSpaceIvpDlg.h"
#include "space/TSpaceObjectDlg.h"
#include "space/SpaceCommands.h"
#include "space/SpaceFrame.h"
#include "space/SurfaceRecord.h"
#include "space/TDeriveDlg.h"
#include "space/TSurfaceDlg.h"

namespace korvane {

namespace {

constexpr int kTableFull = 4;
constexpr int kOutOfRange = 17;
constexpr int kNothingToDo = 9;
// The colour slot of the box.
constexpr int kSlotBox = 4;

// The inventory's line of a derived record: the derivative and its source's formula.
std::string DerivedText(const ExampleRecord& derived, const std::string& source) {
    const std::int16_t v = derived.I16(kDerivedVariable);
    const std::string by = v == kSlotY ? "d/dy " : v == kSlotZ ? "d/dz " : "d/dx ";
    return FitToField(derived.Kind() == kSurfaceImplicit ? by + "(" + source + ")" : by + source, kMaxFormulaLength);
}

} // namespace

TPlotRWin::TPlotRWin(platform::Platform& platform, const WindowOptions& options, platform::Window* owner)
    : TPlotQWin(platform, options, owner) {}

void TPlotRWin::ComputeRecordGrid(int index) {
    if (grids_.size() < static_cast<std::size_t>(examples_.Count()))
        grids_.resize(static_cast<std::size_t>(examples_.Count()));
    SurfaceGrid& grid = grids_[static_cast<std::size_t>(index)];
    ExampleRecord& e = examples_[index];
    if (!IsGridSurface(e.Kind()) || !ComputeGrid(context_, e, grid))
        grid = SurfaceGrid{};
    ComputeSampledBox(context_, e, axes_.axesShown);
}

void TPlotRWin::SwitchCubeForTallBox(int index) {
    const ExampleRecord& e = examples_[index];
    const SpacePoint low = RecordBoxMin(e), high = RecordBoxMax(e);
    // A point's or a segment's box is no shape to flatten: a point high above the
    // floor would otherwise squeeze the whole scene into a cube.
    if (!(low.x <= high.x) || space_.cube || e.Kind() == kSpacePoint || e.Kind() == kSpaceSegment)
        return;
    const long double s = (high.x - low.x) + (high.y - low.y);
    if (!(low.z < -2 * s || high.z > 2 * s))
        return;
    space_.cube = true;
    if (IsGridSurface(e.Kind()) && !e.Flag(spo::kSlow))
        space_.observer.z = 20 * std::fabs(high.z);
    RefreshMenuChecks();
}

void TPlotRWin::AfterRecordEdited(int index) {
    ComputeRecordGrid(index);
    SwitchCubeForTallBox(index);
    ComputeSceneBox(examples_, space_);
    space_.ObserverChanged();
    FitWindow();
}

void TPlotRWin::RebuildScene() {
    grids_.assign(static_cast<std::size_t>(examples_.Count()), SurfaceGrid{});
    for (int i = 0; i < examples_.Count(); ++i)
        ComputeRecordGrid(i);
    if (!ComputeSceneBox(examples_, space_, false)) {
        const SpaceView initial;
        space_.boxMin = initial.boxMin;
        space_.boxMax = initial.boxMax;
        space_.focus = initial.focus;
        space_.RecomputeScale();
    }
    space_.FollowBox();
    space_.ObserverChanged();
}

void TPlotRWin::AfterDocumentChanged() {
    for (int i = 0; i < examples_.Count(); ++i) {
        ExampleRecord& e = examples_[i];
        if (!IsSpaceKind(e.Kind()))
            continue;
        if (e.IsDerived()) { // its trees come from its source, compiled before it
            RecompileDerived(i);
            continue;
        }
        // The texts that the compile step reads come from the record's own formula.
        if (IsGridSurface(e.Kind()))
            PrepareSurfaceTexts(e);
        CompileExample(i, false);
    }
    RebuildScene();
    InvalidatePicture();
    Redraw(1);
}

int TPlotRWin::NewSurface(std::int16_t kind) {
    if (examples_.Full()) {
        ShowMessage(kTableFull);
        return -1;
    }
    const int index = examples_.Append(kind, static_cast<std::int16_t>(NextCurveColour()));
    InitialiseSurface(examples_[index], kind, examples_[index].Colour());
    if (EditExample(index, true) < 0)
        return -1;
    return index;
}

int TPlotRWin::AddRevolution(const ExampleRecord& plane) {
    if (examples_.Full()) {
        ShowMessage(kTableFull);
        return -1;
    }
    if (window_)
        window_->BringToTop();
    const int index = examples_.Append(kSurfaceRevolution, static_cast<std::int16_t>(NextCurveColour()));
    if (!MakeRevolution(plane, 0, examples_[index].Colour(), examples_[index])) {
        examples_.ReleaseLast();
        ShowMessage(kNothingToDo);
        return -1;
    }
    return EditExample(index, true) < 0 ? -1 : index;
}

int TPlotRWin::AddTrajectory(std::int16_t kind) {
    int index = -1;
    for (int i = examples_.Count() - 1; i >= 0 && index < 0; --i)
        if (examples_[i].Kind() == kind && examples_[i].Shown())
            index = i;
    if (index < 0) {
        ShowMessage(kNothingToDo);
        return -1;
    }
    TSpaceIvpDlg dialog(
        kind == kSpaceRecursive, [this](const std::string& text, long double& value) { return EvaluateNumber(text, value); },
        [this](int code) { ShowMessage(code); });
    if (platform_.RunModal(TSpaceIvpDlg::TemplateName(kind == kSpaceRecursive), dialog, window_.get()) != 1)
        return -1;
    TrajectoryRecord trajectory = dialog.Result();
    trajectory.SetI16(tro::kColour, examples_[index].Colour());
    examples_[index].trajectories.push_back(trajectory);
    SetModified();
    ExamplesChanged();
    InvalidatePicture();
    Redraw(1);
    return index;
}

int TPlotRWin::NewSpaceObject(std::int16_t kind, int pointType) {
    if (examples_.Full()) {
        ShowMessage(kTableFull);
        return -1;
    }
    const int index = examples_.Append(kind, static_cast<std::int16_t>(NextCurveColour()));
    if (IsSpaceSystem(kind))
        InitialiseSpaceSystem(examples_[index], kind, examples_[index].Colour());
    else if (kind == kSurfaceImplicit)
        InitialiseImplicitSurface(examples_[index], examples_[index].Colour());
    else
        InitialiseSpaceObject(examples_[index], kind, examples_[index].Colour(), pointType);
    // The first point of a window shows where it stands against the axes.
    if (kind == kSpacePoint && examples_.Count() == 1 && !axes_.axesShown) {
        axes_.axesShown = true;
        RefreshMenuChecks();
    }
    if (EditExample(index, true) < 0)
        return -1;
    return index;
}

int TPlotRWin::CompileExample(int index, bool showFailure) {
    int code = TPlotQWin::CompileExample(index, showFailure);
    if (code == 0 && IsSpaceKind(examples_[index].Kind())) {
        code = FinishSpaceCompile(compiler_, examples_[index]);
        if (code != 0 && showFailure)
            ShowMessage(code);
    }
    return code;
}

bool TPlotRWin::CanDerive(const ExampleRecord& e) const {
    return IsSpaceKind(e.Kind()) ? CanDeriveSurface(e) : TPlotQWin::CanDerive(e);
}

int TPlotRWin::DeriveExample(int index) {
    if (index < 0 || index > examples_.LastExample() || !IsSpaceKind(examples_[index].Kind()))
        return TPlotQWin::DeriveExample(index);
    if (!CanDeriveSurface(examples_[index]))
        return -1;
    const std::int16_t kind = examples_[index].Kind();
    TDeriveDlg choice;
    if (platform_.RunModal(kind == kSurfaceImplicit ? "DERIV305" : "DERIV301", choice, window_.get()) != 1)
        return -1;
    if (examples_.Full()) {
        ShowMessage(kTableFull);
        return -1;
    }
    const std::int16_t colour = static_cast<std::int16_t>(NextCurveColour());
    ExampleRecord derived = examples_[index].CopyWithoutTrees();
    derived.SetI16(exo::kColour, colour);
    derived.SetI16(exo::kDerivation, kDerivativeCode);
    derived.SetI16(exo::kSource1, static_cast<std::int16_t>(index));
    derived.SetI16(kDerivedVariable, choice.Variable());
    derived.pointNotes.clear();
    derived.trajectories.clear(); // level curves of the source lie on another surface
    derived.texts[4] = DerivedText(derived, derived.texts[4]);
    if (const int code = CompileSurfaceDerivative(context_, examples_[index], derived); code != 0) {
        ShowMessage(code);
        return -1;
    }
    const int made = examples_.Append(kind, colour);
    examples_[made] = std::move(derived);
    RecomputeLettersInUse();
    grids_.resize(static_cast<std::size_t>(examples_.Count()));
    AfterRecordEdited(made);
    SetModified();
    ExamplesChanged();
    InvalidatePicture();
    Redraw(1);
    return made;
}

void TPlotRWin::RecompileDerived(int index) {
    ExampleRecord& e = examples_[index];
    if (!IsSpaceKind(e.Kind())) {
        TPlotQWin::RecompileDerived(index);
        return;
    }
    const int source = e.I16(exo::kSource1);
    if (e.Derivation() == kDerivativeCode && source >= 0 && source < index)
        CompileSurfaceDerivative(context_, examples_[source], e);
}

void TPlotRWin::DeleteExample(int index) {
    TPlotQWin::DeleteExample(index);
    RebuildScene();
    InvalidatePicture();
    Redraw(1);
}

int TPlotRWin::EditExample(int index, bool isNew) {
    ExampleRecord& e = examples_[index];
    if (!IsSpaceKind(e.Kind()))
        return TPlotQWin::EditExample(index, isNew);
    int mask = -1;
    if (IsBoxedFromSamples(e.Kind()) || IsSpaceSystem(e.Kind()) || e.Kind() == kSurfaceImplicit) {
        TSpaceObjectDlg dialog(MakeEquationEnvironment(), e);
        if (dialog.Run(platform_, window_.get()) == 1)
            mask = dialog.ChangeMask();
    } else {
        TSurfaceDlg dialog(MakeEquationEnvironment(), e);
        if (dialog.Run(platform_, window_.get()) == 1)
            mask = dialog.ChangeMask();
    }
    if (mask < 0) {
        if (isNew)
            examples_.ReleaseLast();
        return -1;
    }
    if (e.IsDerived())
        RecompileDerived(index);
    else
        CompileExample(index);
    RecomputeLettersInUse();
    AfterRecordEdited(index);
    // Derived records follow their source's new formula; an implicit one's level curves
    // lie on the old surface.
    for (int i = index + 1; i < examples_.Count(); ++i)
        if (examples_[i].IsDerived() && examples_[i].I16(exo::kSource1) == index) {
            ExampleRecord& derived = examples_[i];
            derived.texts[2] = e.texts[2];
            const std::string text = DerivedText(derived, e.texts[4]);
            if (derived.Kind() == kSurfaceImplicit && text != derived.texts[4])
                derived.trajectories.clear();
            derived.texts[4] = text;
            RecompileDerived(i);
            AfterRecordEdited(i);
        }
    SetModified();
    ExamplesChanged();
    return mask;
}

void TPlotRWin::SetAllSlow(bool slow) {
    for (int i = 0; i < examples_.Count(); ++i)
        if (IsGridSurface(examples_[i].Kind()))
            examples_[i].SetFlag(spo::kSlow, slow);
    SetModified();
    InvalidatePicture();
    Redraw(1);
}

bool TPlotRWin::HasParametricSurface() const {
    for (int i = 0; i < examples_.Count(); ++i)
        if (IsParametricSurface(examples_[i].Kind()))
            return true;
    return false;
}

void TPlotRWin::EditPlanarity() {
    const auto text = platform_.InputBox("entrada", "planaridade (por mil)", std::to_string(planarity_), window_.get(), 30);
    if (!text)
        return;
    long double value = 0;
    if (const int code = EvaluateNumber(*text, value); code != 0) {
        ShowMessage(code);
        return;
    }
    value = std::nearbyint(value);
    if (!(value >= 0 && value <= 1000)) {
        ShowMessage(kOutOfRange);
        return;
    }
    planarity_ = static_cast<int>(value);
    if (space_.hideParametric && HasParametricSurface()) {
        InvalidatePicture();
        Redraw(1);
    }
}

void TPlotRWin::OnCommand(int id) {
    switch (id) {
    case cmd::kNewSurfaceExplicit: NewSurface(kSurfaceExplicit); return;
    case cmd::kNewSurfaceCylindrical: NewSurface(kSurfaceCylindrical); return;
    case cmd::kNewSurfaceParametric: NewSurface(kSurfaceParametric); return;
    case cmd::kNewSurfaceSpherical: NewSurface(kSurfaceSpherical); return;
    case cmd::kNewTube: NewSurface(kSurfaceTube); return;
    case cmd::kNewPlane: NewSurface(kSurfacePlane); return;
    case cmd::kNewCurve: NewSpaceObject(kSpaceCurve); return;
    case cmd::kNewSurfaceImplicit: NewSpaceObject(kSurfaceImplicit); return;
    case cmd::kNewSegment: NewSpaceObject(kSpaceSegment); return;
    case cmd::kNewSystem: NewSpaceObject(kSpaceSystem); return;
    case cmd::kNewRecursive: NewSpaceObject(kSpaceRecursive); return;
    case cmd::kSystemTrajectory: AddTrajectory(kSpaceSystem); return;
    case cmd::kSpaceSequence: AddTrajectory(kSpaceRecursive); return;
    case cmd::kNewPoint: NewSpaceObject(kSpacePoint, 0); return;
    case cmd::kNewCylindricalPoint: NewSpaceObject(kSpacePoint, 1); return;
    case cmd::kNewSphericalPoint: NewSpaceObject(kSpacePoint, 2); return;
    case cmd::kAxes:
        TPlotQWin::OnCommand(id);
        // Points and curves reach to the origin while the axes are shown.
        for (int i = 0; i < examples_.Count(); ++i)
            ComputeSampledBox(context_, examples_[i], axes_.axesShown);
        ComputeSceneBox(examples_, space_);
        space_.ObserverChanged();
        FitWindow();
        return;
    case cmd::kAllFast: SetAllSlow(false); return;
    case cmd::kAllSlow: SetAllSlow(true); return;
    case cmd::kPlanarity: EditPlanarity(); return;
    case cmd::kHideParametric: ViewFlagChanged(space_.hideParametric, HasParametricSurface()); return;
    default: TPlotQWin::OnCommand(id); return;
    }
}

void TPlotRWin::DrawFrame(platform::Surface& surface, SurfaceOcclusion* occlusion) {
    space_.FollowBox();
    SpaceFrameStyle style;
    style.axes = axes_.axesShown;
    style.axisNames = axisNames_;
    style.axisColour = PenRgb(SlotColour(kSlotAxes));
    style.boxColour = PenRgb(SlotColour(kSlotBox));
    style.textColour = style.axisColour;
    style.axisWidth = Printing() ? widths_.axesPrinter : widths_.axesScreen;
    style.boxWidth = 1;
    for (std::size_t k = 0; k < 3; ++k)
        if (!axes_.axisNames[k].empty())
            style.names[k] = axes_.axisNames[k];
    if (space_.hideSegments && occlusion)
        style.hidden = [occlusion](const SpacePoint& p) { return occlusion->Hidden(p); };
    DrawSpaceFrame(space_, view_, style, surface);
}

int TPlotRWin::DrawRecords(CurveContext& c) {
    for (int i = 0; i < examples_.Count(); ++i) {
        const ExampleRecord& e = examples_[i];
        if (!e.Shown())
            continue;
        if (IsGridSurface(e.Kind())) {
            if (e.Flag(spo::kSlow) && !Dragging() && !DrawSlowSurface(context_, c, e))
                return kDrawingStopped;
            // Level curves z = constant of an explicit surface.
            if (!DrawLevelCurves(context_, c, e))
                return kDrawingStopped;
            continue;
        }
        if (const int code = DrawSpaceRecord(i, c); code != 0)
            return code;
    }
    return 0;
}

bool TPlotRWin::HasMarchingSurface() const {
    for (int i = 0; i < examples_.Count(); ++i)
        if (examples_[i].Shown() && IsGridSurface(examples_[i].Kind()) && !IsParametricSurface(examples_[i].Kind()))
            return true;
    return false;
}

int TPlotRWin::DrawSpaceRecord(int index, CurveContext& c) {
    const ExampleRecord& e = examples_[index];
    if (IsBoxedFromSamples(e.Kind()))
        DrawSpaceObject(context_, c, e, !HasMarchingSurface());
    else if (IsSpaceSystem(e.Kind()))
        DrawSpaceSystem(context_, c, e);
    else if (e.Kind() == kSurfaceImplicit && !DrawLevelCurves(context_, c, e))
        return kDrawingStopped;
    return 0;
}

int TPlotRWin::DrawAll(platform::Surface& surface) {
    std::vector<PaintedSurface> surfaces(static_cast<std::size_t>(examples_.Count()));
    for (int i = 0; i < examples_.Count() && static_cast<std::size_t>(i) < grids_.size(); ++i)
        surfaces[static_cast<std::size_t>(i)] = {&examples_[i], &grids_[static_cast<std::size_t>(i)]};
    ComplexValue letters[kLetterCount];
    std::copy(std::begin(context_.letterValues), std::end(context_.letterValues), letters);
    int code = 0;
    HiddenTestOptions options;
    options.hideParametric = space_.hideParametric;
    options.planarity = planarity_ / 1000.0L;
    options.marchSteps = marchSteps_;
    SurfaceOcclusion occlusion(context_, space_, view_, surfaces, options);
    if (examples_.Count() > 0) {
        PainterOptions paint;
        paint.zmin = space_.boxMin.z;
        paint.zmax = space_.boxMax.z;
        paint.greys = Printing() && !printInColour_;
        paint.slowToo = Dragging();
        code = painter_.Paint(space_, view_, surfaces, paint, surface);
        if (code == 0) {
            const bool poll = pollDuringDrawing_ && !Printing() && window_;
            int total = 0, done = 0;
            for (const PaintedSurface& s : surfaces)
                if (s.record && s.record->Shown() && IsGridSurface(s.record->Kind()) && s.record->Flag(spo::kSlow))
                    total += SlowCurveCount(*s.record);
            CurveContext c{space_, view_, occlusion, surface, [this, poll] { return poll && PeekKey() == 'S'; },
                           [&] {
                               if (poll)
                                   window_->SetTitle(std::to_string(++done) + "/" + std::to_string(total) + " " +
                                                     StringOf(601));
                           }};
            code = DrawRecords(c);
            if (code == kDrawingStopped)
                code = 0;
            if (poll)
                ClearStatus();
        }
    }
    DrawFrame(surface, &occlusion);
    std::copy(std::begin(letters), std::end(letters), context_.letterValues);
    return code;
}

void TPlotRWin::DrawBase(platform::Surface& surface) {
    if (const int code = DrawAll(surface); code != 0 && pendingMessage_ == 0)
        pendingMessage_ = code;
}

} // namespace korvane
