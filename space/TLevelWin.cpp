#include "space/TLevelWin.h"

#include <algorithm>
#include <cmath>

#include "expr/Opcodes.h"
#include "graph/ColourSlots.h"
#include "graph/ColourTable.h"
#include "plane/ImplicitCurve.h"
#include "platform/Platform.h"
#include "platform/Surface.h"
#include "platform/Window.h"
#include "space/LevelCurves.h"
#include "space/FieldText.h"
#include "space/SurfaceRecord.h"

namespace korvane {

namespace {

const char* const kAxisNames[3] = {"x", "y", "z"};

long double Component(const SpacePoint& p, int k) { return k == 0 ? p.x : k == 1 ? p.y : p.z; }

} // namespace

TLevelWin::TLevelWin(platform::Platform& platform, const WindowOptions& options, platform::Window* owner)
    : TPlot11Win(platform, options, owner) {
    SetUpDefaults();
    OpenGraphWindow(options_.title.empty() ? "curvas de nível" : options_.title, "LEVELMENU");
    SyncPixelSizes();
    RestorePlacement();
    Recompute();
    CreateLayers(1);
    RefreshMenuChecks();
    EnableOutputCommands();
    window_->Show();
    RequestRepaint();
}

TLevelWin::~TLevelWin() { WriteSettingsFile(); }

void TLevelWin::SetUpDefaults() {
    colours_.slots[kSlotBackground].index = 1;
    colours_.slots[kSlotAxes].index = 0;
    colours_.slots[kSlotGrid].index = 18;
    axes_.axesShown = true;
    axes_.scaleBits = ScaleLabelsX | ScaleLabelsY;
    axes_.gridBits = 0;
    axes_.arrows = true;
    axes_.labels = true;
    currentLevel_ = 1;
}

void TLevelWin::PackSlots(SettingsRecord& record) { PackPlaneLook(plane_, record); }

void TLevelWin::UnpackSlots(const SettingsRecord& record) { UnpackPlaneLook(plane_, record); }

void TLevelWin::ShowSlice(int axis, const SpacePoint& low, const SpacePoint& high) {
    axis_ = std::clamp(axis, 0, kLevelAxes - 1);
    int h = 0, v = 0;
    SliceAxes(axis_, h, v);
    axes_.axisNames[0] = kAxisNames[h];
    axes_.axisNames[1] = kAxisNames[v];
    const long double cx = (Component(low, h) + Component(high, h)) / 2;
    const long double cy = (Component(low, v) + Component(high, v)) / 2;
    const long double rx = std::max((Component(high, h) - Component(low, h)) / 2, 1e-9L);
    const long double ry = std::max((Component(high, v) - Component(low, v)) / 2, 1e-9L);
    examples_.Clear();
    shown_.clear();
    SetView(cx, cy, rx, ry, false);
    SetBaseTitle(std::string("curvas de nível: ") + kAxisNames[axis_] + " constante");
    EnableOutputCommands();
    InvalidatePicture();
    Redraw(1);
}

std::vector<TrajectoryRecord> TLevelWin::TraceLevel(int axis, long double level, std::int16_t colour) {
    std::vector<TrajectoryRecord> found;
    const ExampleRecord* source = surface ? surface() : nullptr;
    if (!source)
        return found;
    if (axis != axis_)
        ShowSlice(axis, RecordBoxMin(*source), RecordBoxMax(*source));
    if (copyLetters)
        copyLetters(context_);
    examples_.Clear();
    const int index = examples_.Append(kImplicit, colour);
    ExampleRecord& slice = examples_[index];
    if (!MakeSliceRecord(context_, *source, axis_, slice)) {
        examples_.Clear();
        return found;
    }
    slice.SetI16(exo::kColour, colour);
    context_.SetLetter(kSlotZ, level);
    shown_.clear();
    // The search draws onto the base picture, which the screen shows once it is done.
    platform::Surface* layer = layers_.Layer(1);
    std::unique_ptr<platform::Surface> scratch;
    if (!layer) {
        scratch = platform_.CreateSurface(ClientSize());
        layer = scratch.get();
    }
    ClearToBackground(*layer);
    DrawGrid(*layer);
    if (window_)
        window_->SetTitle(std::string("buscando ") + kAxisNames[axis_] + " = " + FieldText(level) + "; " +
                          StatusText(1, 0, 0));
    PlaneDrawContext draw = MakeDrawContext(*layer);
    stopped_ = DrawImplicitCounted(draw, slice).key == kStopKey;
    EndDrawingStatus();
    ClearStatus();
    const long double step = drawSettings_.trajectoryStep * view_.unitX;
    for (const TrajectoryRecord& piece : slice.trajectories) {
        TrajectoryRecord r = LevelPiece(axis_, level, piece, step);
        r.SetI16(tro::kColour, colour);
        found.push_back(r);
    }
    if (window_) {
        BlitLayer(1, window_->FrontSurface());
        window_->Present();
    }
    EnableOutputCommands();
    InvalidatePicture();
    Redraw(1);
    return found;
}

void TLevelWin::ShowPieces(std::vector<TrajectoryRecord> pieces) {
    shown_ = std::move(pieces);
    examples_.Clear();
    EnableOutputCommands();
    InvalidatePicture();
    Redraw(1);
}

void TLevelWin::DrawShownPieces(platform::Surface& out) {
    const ExampleRecord* source = surface ? surface() : nullptr;
    if (!source || shown_.empty())
        return;
    if (copyLetters)
        copyLetters(context_);
    LevelField field(context_, *source);
    int h = 0, v = 0;
    SliceAxes(axis_, h, v);
    for (const TrajectoryRecord& r : shown_) {
        if (LevelAxisOf(r) != axis_)
            continue;
        const int colour = r.I16(tro::kColour);
        out.SetPen({PenRgb(colour >= 0 && colour < kColourCount ? colour : 0), 1, platform::PenStyle::Solid});
        bool previous = false;
        platform::Point last;
        FollowLevelPiece(field, r, [&](const SpacePoint& p) {
            const long double px = view_.ToPixelX(Component(p, h)), py = view_.ToPixelY(Component(p, v));
            const bool usable = std::fabs(px) < 1e6L && std::fabs(py) < 1e6L;
            const platform::Point at{static_cast<int>(std::lround(usable ? px : 0)),
                                     static_cast<int>(std::lround(usable ? py : 0))};
            if (usable && previous)
                out.Line(last, at);
            previous = usable;
            last = at;
            return true;
        });
    }
}

void TLevelWin::DrawBase(platform::Surface& out) {
    TPlot11Win::DrawBase(out);
    DrawShownPieces(out);
}

void TLevelWin::OnCommand(int id) {
    switch (id) {
    case cmd::kLevelClose: OnClose(); return;
    case cmd::kLevelStep: AskTolerance("passo", drawSettings_.trajectoryStep); return;
    default: TPlot11Win::OnCommand(id); return;
    }
}

bool TLevelWin::OnClose() {
    if (window_)
        window_->Hide();
    return false;
}

void TLevelWin::OnDestroy() { WriteSettingsFile(); }

} // namespace korvane
