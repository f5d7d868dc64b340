#include "plane/TPlot2Win.h"

#include "plane/PlaneCommands.h"
#include "plane/SystemTrajectory.h"
#include "plane/TrajectoryRecord.h"
#include "platform/Dialog.h"

namespace korvane {

TPlot2Win::TPlot2Win(platform::Platform& platform, const WindowOptions& options, platform::Window* owner)
    : TPlotAWin(platform, options, owner) {
    SetUpDefaults();
    CreateWindowFromSettings();
}

TPlot2Win::~TPlot2Win() {
    CloseTimeWindows();
    ReleaseTools();
    WriteSettingsFile();
}

void TPlot2Win::AfterDocumentChanged() {
    TPlotAWin::AfterDocumentChanged();
    RefreshTimeWindows();
}

void TPlot2Win::ExamplesChanged() {
    TPlotAWin::ExamplesChanged();
    RefreshTimeWindows();
}

void TPlot2Win::TrajectoriesChanged() { RefreshTimeWindows(); }

void TPlot2Win::SetUpDefaults() {
    // The plane window's starting colours.
    colours_.slots[kSlotBackground].index = 1;
    colours_.slots[kSlotAxes].index = 0;
    colours_.slots[kSlotGrid].index = 18;
    // The strips of Riemann sums, drawn over the picture.
    colours_.slots[kSlotStrips].index = 4;
    colours_.Name(kSlotStrips, 107, 0);
    // A plane window opens showing its axes with labelled ticks over a grid.
    axes_.axesShown = true;
    axes_.scaleBits = ScaleLabelsX | ScaleLabelsY;
    axes_.gridBits = GridQuadrants | GridRectangular;
    axes_.decimalsX = axes_.decimalsY = 0;
    axes_.arrows = true;
    axes_.labels = true;
    currentLevel_ = 1;
}

void TPlot2Win::CreateWindowFromSettings() {
    OpenGraphWindow(options_.title.empty() ? "2-dim" : options_.title, "PLOT2MENU");
    SyncPixelSizes();
    RestorePlacement();
    Recompute();
    CreateLayers(1);
    RefreshMenuChecks();
    window_->Show();
    OpenStartDocument();
    RequestRepaint();
}

void TPlot2Win::PackSlots(SettingsRecord& record) { PackPlaneLook(plane_, record); }

void TPlot2Win::UnpackSlots(const SettingsRecord& record) { UnpackPlaneLook(plane_, record); }

void TPlot2Win::OnCommand(int id) {
    switch (id) {
    case cmd::kCloseWindow:
        Animator().Stop();
        if (window_)
            window_->Close();
        return;
    case cmd::kTimeWindowX:
    case cmd::kTimeWindowY:
    case cmd::kTimeWindowZ:
        Animator().Stop();
        OpenTimeWindow(id - cmd::kTimeWindowX);
        return;
    default: TPlotAWin::OnCommand(id); return;
    }
}

namespace {

// Hears a plane trajectory's points with their times.
class TimeListener : public TrajectoryListener {
public:
    explicit TimeListener(const std::function<void(const TimePoint&)>& point) : point_(point) {}
    void Reached(long double x, long double y) override { point_({0, x, y, 0}); }
    void ReachedAt(long double x, long double y, long double t) override { point_({t, x, y, 0}); }

private:
    const std::function<void(const TimePoint&)>& point_;
};

} // namespace

TimeParent TPlot2Win::MakeTimeParent() {
    TimeParent parent;
    parent.dimension = 2;
    parent.low[0] = view_.xmin;
    parent.high[0] = view_.xmax;
    parent.low[1] = view_.ymin;
    parent.high[1] = view_.ymax;
    parent.documentName = FileName();
    parent.walk = [this](const std::function<void(int)>& begin, const std::function<void(const TimePoint&)>& point) {
        ComplexValue letters[kLetterCount];
        std::copy(std::begin(context_.letterValues), std::end(context_.letterValues), letters);
        // The paths as this window follows them; what they would draw goes nowhere.
        auto nowhere = platform_.CreateSurface({1, 1});
        PlaneDrawContext draw = MakeDrawContext(*nowhere);
        TimeListener listener(point);
        SystemTrajectoryOptions options = SystemDrawingOptions();
        options.listener = &listener;
        bool going = true;
        for (int i = 0; i <= examples_.LastExample() && going; ++i) {
            ExampleRecord& e = examples_[i];
            if (e.Kind() != kSystem || !e.Shown())
                continue;
            for (const TrajectoryRecord& stored : e.trajectories) {
                TrajectoryRecord copy = stored;
                begin(copy.I16(tro::kColour));
                if (TraceSystemTrajectory(draw, e, copy, options).key == kStopKey) {
                    going = false;
                    break;
                }
            }
        }
        std::copy(std::begin(letters), std::end(letters), context_.letterValues);
    };
    return parent;
}

TTimeWin* TPlot2Win::OpenTimeWindow(int k) {
    if (k < 0 || k > 2)
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

void TPlot2Win::RefreshTimeWindows() {
    for (auto& w : timeWindows_)
        if (w)
            w->ParentChanged(MakeTimeParent());
}

void TPlot2Win::CloseTimeWindows() {
    for (auto& w : timeWindows_)
        w.reset();
}

void TPlot2Win::OnDestroy() {
    CloseTimeWindows();
    TPlotAWin::OnDestroy();
    WriteSettingsFile();
}

} // namespace korvane
