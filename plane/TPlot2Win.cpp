#include "plane/TPlot2Win.h"

#include "plane/PlaneCommands.h"
#include "platform/Dialog.h"

namespace korvane {

namespace {
constexpr int kNothingToDo = 9;
} // namespace

TPlot2Win::TPlot2Win(platform::Platform& platform, const WindowOptions& options, platform::Window* owner)
    : TPlot11Win(platform, options, owner), animator_(std::make_unique<PlaneAnimator>(*this)) {
    SetUpDefaults();
    CreateWindowFromSettings();
}

TPlot2Win::~TPlot2Win() {
    analysis_.reset(); // its dialogs refer to this window
    animator_.reset();
    WriteSettingsFile();
}

void TPlot2Win::SetAnalysis(std::unique_ptr<PlaneAnalysis> analysis) {
    analysis_ = std::move(analysis);
    RefreshMenuChecks();
}

void TPlot2Win::ExamplesChanged() {
    TPlot11Win::ExamplesChanged();
    if (analysis_) {
        analysis_->ExamplesChanged();
        analysis_->RefreshMenu();
    }
}

void TPlot2Win::DrawOverlay(platform::Surface& surface) {
    TPlot11Win::DrawOverlay(surface);
    if (analysis_)
        analysis_->DrawOverlay(surface);
}

void TPlot2Win::DrawBase(platform::Surface& surface) {
    if (!animator_ || !animator_->DrawBase(surface))
        TPlot11Win::DrawBase(surface);
}

void TPlot2Win::OnPaint(platform::Surface& front) {
    if (animator_ && animator_->PaintSlide(front))
        return;
    TPlot11Win::OnPaint(front);
    if (animator_)
        animator_->Painted();
}

void TPlot2Win::OnKey(const platform::KeyEvent& key) {
    if (!animator_ || !animator_->OnKey(key))
        TPlot11Win::OnKey(key);
}

void TPlot2Win::OnTimer(int id) {
    if (!animator_ || !animator_->OnTimer(id))
        TPlot11Win::OnTimer(id);
}

void TPlot2Win::LetterSet(int slot) {
    if (animator_)
        animator_->LetterChanged(slot);
    else
        RedrawExamples();
}

void TPlot2Win::AfterDocumentChanged() {
    TPlot11Win::AfterDocumentChanged();
    if (animator_)
        animator_->RefreshSliders();
}

namespace {

// The letters animated together, one bit per slot, in two words of the document body
// that no other setting uses.
constexpr int kLinkedWordLow = 24;
constexpr int kLinkedWordHigh = 25;

} // namespace

void TPlot2Win::CaptureKindSettings(DocumentState& s) {
    TPlot11Win::CaptureKindSettings(s);
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
    TPlot11Win::ApplyKindSettings(s);
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
    if (analysis_ && analysis_->OnCommand(id))
        return;
    switch (id) {
    case cmd::kCloseWindow:
        if (window_)
            window_->Close();
        return;
    case cmd::kTrajectoryDyDx: OpenIvpDialog(kSlopeField); return;
    case cmd::kTrajectoryDyDt: OpenIvpDialog(kSystem); return;
    case cmd::kSequences: OpenIvpDialog(kRecursive); return;
    case cmd::kRevolveInSpace:
        if (const int index = RevolutionSource(); index < 0 || !sendToSpace)
            ShowMessage(kNothingToDo);
        else
            sendToSpace(examples_[index]);
        return;
    case cmd::kTrajectoryMouse: TPlot11Win::OnCommand(cmd::kMouseTrajectory); return;
    default: TPlot11Win::OnCommand(id); return;
    }
}

void TPlot2Win::RefreshMenuChecks() {
    TPlot11Win::RefreshMenuChecks();
    if (window_)
        window_->CheckMenuItem(cmd::kTrajectoryMouse, mouseMode_ == cmd::kMouseTrajectory);
    if (analysis_)
        analysis_->RefreshMenu();
}

int TPlot2Win::RevolutionSource() const {
    for (int i = examples_.LastExample(); i >= 0; --i) {
        const ExampleRecord& e = examples_[i];
        const bool texts = e.Kind() == kExplicit   ? !e.texts[1].empty() && !e.Flag(exo::kFlag59)
                           : e.Kind() == kPolar    ? !e.texts[2].empty()
                           : e.Kind() == kParametric ? !e.texts[0].empty() && !e.texts[1].empty()
                                                     : false;
        if (texts && e.Shown() && !e.IsDerived())
            return i;
    }
    return -1;
}

int TPlot2Win::CurrentExampleOf(std::int16_t kind) const {
    for (int i = examples_.LastExample(); i >= 0; --i)
        if (examples_[i].Kind() == kind)
            return i;
    return -1;
}

TIvpDlg* TPlot2Win::IvpDialog(std::int16_t kind) const {
    if (kind == kSystem)
        return systemDialog_.get();
    if (kind == kSlopeField)
        return slopeDialog_.get();
    return kind == kRecursive ? sequenceDialog_.get() : nullptr;
}

IvpHost TPlot2Win::MakeIvpHost(std::int16_t kind) {
    IvpHost host;
    host.example = [this, kind]() -> ExampleRecord* {
        const int index = CurrentExampleOf(kind);
        return index < 0 ? nullptr : &examples_[index];
    };
    host.evaluate = [this](const std::string& text, long double& value) { return EvaluateNumber(text, value); };
    host.showMessage = [this](int code) { ShowMessage(code); };
    host.changed = [this] {
        RecomputeLettersInUse();
        SetModified();
        Redraw(currentLevel_);
    };
    return host;
}

SequenceOutcome TPlot2Win::AnalyseSequence(const ExampleRecord& example, const TrajectoryRecord& record) {
    SequenceLimits limits;
    limits.cycleTolerance = SequenceCycleTolerance(drawSettings_, view_);
    limits.screenLimit = example.Flag(exo::kScreenLimit);
    // Up to ten million terms: the keyboard is read and the title counts them, so that the
    // window answers and S ends the analysis.
    constexpr int kTermsPerPoll = 4096;
    const auto poll = [this](int term, long double, long double, bool) {
        if (term % kTermsPerPoll != 0 || term == 0)
            return 0;
        if (window_)
            window_->SetTitle("sequência: termo " + std::to_string(term) + "; " + StatusText(1, 0, 0));
        return PeekKey();
    };
    const SequenceOutcome outcome = RunSequence(context_, example, record, view_, limits, poll);
    ClearStatus();
    return outcome;
}

void TPlot2Win::OpenIvpDialog(std::int16_t kind) {
    if (CurrentExampleOf(kind) < 0) {
        ShowMessage(2);
        return;
    }
    if (!IvpDialog(kind)) {
        if (kind == kRecursive)
            sequenceDialog_ = std::make_unique<TSequenceDlg>(
                platform_, MakeIvpHost(kind),
                [this](const ExampleRecord& e, const TrajectoryRecord& r) { return AnalyseSequence(e, r); });
        else
            (kind == kSystem ? systemDialog_ : slopeDialog_) = std::make_unique<TIvpDlg>(platform_, kind, MakeIvpHost(kind));
    }
    lastIvpDialog_ = IvpDialog(kind);
    lastIvpDialog_->Show(window_.get());
}

void TPlot2Win::OnModeMouse(const platform::MouseEvent& mouse) {
    if (mouseMode_ != cmd::kMouseTrajectory || mouse.action != platform::MouseAction::Down ||
        mouse.button != platform::ButtonLeft)
        return;
    TIvpDlg* target = lastIvpDialog_ && lastIvpDialog_->IsOpen() ? lastIvpDialog_ : nullptr;
    for (std::int16_t kind : {kSlopeField, kSystem, kRecursive})
        if (!target && IvpDialog(kind) && IvpDialog(kind)->IsOpen())
            target = IvpDialog(kind);
    if (!target)
        return;
    const long double at[2] = {view_.ToWorldX(mouse.position.x), view_.ToWorldY(mouse.position.y)};
    target->Add(at);
}

void TPlot2Win::OnDestroy() {
    if (animator_)
        animator_->Stop();
    if (analysis_)
        analysis_->WindowClosing();
    WriteSettingsFile();
}

} // namespace korvane
