#include "plane/TPlot2Win.h"

#include "plane/PlaneCommands.h"
#include "plane/SystemTrajectory.h"
#include "plane/TInventDlg.h"
#include "plane/TrajectoryRecord.h"
#include "platform/Dialog.h"

namespace korvane {

namespace {
constexpr int kNothingToDo = 9;
} // namespace

TPlot2Win::TPlot2Win(platform::Platform& platform, const WindowOptions& options, platform::Window* owner)
    : TPlotAWin(platform, options, owner), animator_(std::make_unique<PlaneAnimator>(*this)) {
    SetUpDefaults();
    CreateWindowFromSettings();
}

TPlot2Win::~TPlot2Win() {
    CloseTimeWindows();
    ReleaseTools();
    animator_.reset();
    WriteSettingsFile();
}

void TPlot2Win::DrawBase(platform::Surface& surface) {
    if (!animator_ || !animator_->DrawBase(surface))
        TPlotAWin::DrawBase(surface);
}

void TPlot2Win::OnPaint(platform::Surface& front) {
    if (animator_ && animator_->PaintSlide(front))
        return;
    TPlotAWin::OnPaint(front);
    if (animator_)
        animator_->Painted();
}

bool TPlot2Win::PaintChangedExamples(platform::Surface& front) {
    return animator_ && PictureValid() && !gridChanged_ && PictureOffset() == platform::Point{0, 0} &&
           animator_->PaintFrame(front);
}

void TPlot2Win::OnKey(const platform::KeyEvent& key) {
    if (!animator_ || !animator_->OnKey(key))
        TPlotAWin::OnKey(key);
}

void TPlot2Win::OnTimer(int id) {
    if (!animator_ || !animator_->OnTimer(id))
        TPlotAWin::OnTimer(id);
}

void TPlot2Win::LetterSet(int slot) {
    if (animator_)
        animator_->LetterChanged(slot);
    else
        TPlotAWin::LetterSet(slot);
}

void TPlot2Win::AfterDocumentChanged() {
    TPlotAWin::AfterDocumentChanged();
    RefreshTimeWindows();
    if (animator_)
        animator_->RefreshSliders();
}

void TPlot2Win::ExamplesChanged() {
    TPlotAWin::ExamplesChanged();
    RefreshTimeWindows();
}

void TPlot2Win::TrajectoriesChanged() { RefreshTimeWindows(); }

namespace {

// The letters animated together, one bit per slot, in two words of the document body
// that no other setting uses.
constexpr int kLinkedWordLow = 24;
constexpr int kLinkedWordHigh = 25;

} // namespace

void TPlot2Win::CaptureKindSettings(DocumentState& s) {
    TPlotAWin::CaptureKindSettings(s);
    const AnimationSettings& a = animator_->Settings();
    s.reals[docr::kShortSteps] = a.shortSteps;
    s.reals[docr::kMediumSteps] = a.mediumSteps;
    std::uint32_t bits = 0;
    for (int slot = 0; slot < kAnimatedLetters; ++slot)
        if (a.linked[static_cast<std::size_t>(slot)])
            bits |= std::uint32_t{1} << slot;
    s.words[kLinkedWordLow] = static_cast<std::int16_t>(bits & 0xFFF);
    s.words[kLinkedWordHigh] = static_cast<std::int16_t>(bits >> 12);
}

void TPlot2Win::ApplyKindSettings(const DocumentState& s) {
    TPlotAWin::ApplyKindSettings(s);
    AnimationSettings& a = animator_->Settings();
    // The reader has put both in range already.
    a.shortSteps = static_cast<int>(s.reals[docr::kShortSteps]);
    a.mediumSteps = static_cast<int>(s.reals[docr::kMediumSteps]);
    const std::uint32_t bits = (static_cast<std::uint32_t>(s.words[kLinkedWordLow]) & 0xFFF) |
                               ((static_cast<std::uint32_t>(s.words[kLinkedWordHigh]) & 0xFFF) << 12);
    for (int slot = 0; slot < kAnimatedLetters; ++slot)
        a.linked[static_cast<std::size_t>(slot)] = (bits >> slot) & 1;
}

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
    if (animator_ && animator_->OnCommand(id))
        return;
    // Any other command ends an animation first, as a key of the menu stops a drawing.
    if (animator_)
        animator_->Stop();
    switch (id) {
    case cmd::kCloseWindow:
        if (window_)
            window_->Close();
        return;
    case cmd::kTimeWindowX:
    case cmd::kTimeWindowY:
    case cmd::kTimeWindowZ: OpenTimeWindow(id - cmd::kTimeWindowX); return;
    case cmd::kRevolveInSpace:
        if (const int index = RevolutionSource(); index < 0 || !sendToSpace)
            ShowMessage(kNothingToDo);
        else
            sendToSpace(examples_[index]);
        return;
    default: TPlotAWin::OnCommand(id); return;
    }
}

int TPlot2Win::RevolutionSource() const {
    auto turnable = [this](int i) {
        const ExampleRecord& e = examples_[i];
        const bool texts = e.Kind() == kExplicit   ? !e.texts[1].empty() && !e.Flag(exo::kFlag59)
                           : e.Kind() == kPolar    ? !e.texts[2].empty()
                           : e.Kind() == kParametric ? !e.texts[0].empty() && !e.texts[1].empty()
                                                     : false;
        return texts && e.Shown() && !e.IsDerived();
    };
    // The example chosen in the open inventory; else the newest one that can be turned.
    const TInventDlg* inventory = Inventory();
    if (inventory && inventory->GetDialog() && inventory->GetDialog()->IsVisible())
        if (const int chosen = inventory->Selected(); chosen >= 0 && turnable(chosen))
            return chosen;
    for (int i = examples_.LastExample(); i >= 0; --i)
        if (turnable(i))
            return i;
    return -1;
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
    if (animator_)
        animator_->Stop();
    TPlotAWin::OnDestroy();
    WriteSettingsFile();
}

} // namespace korvane
