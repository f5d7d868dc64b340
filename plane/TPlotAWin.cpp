#include "plane/TPlotAWin.h"

#include "plane/PlaneCommands.h"
#include "plane/PointNote.h"
#include "plane/TInventDlg.h"
#include "platform/Dialog.h"
#include "resources/Resources.h"

#include <cmath>

namespace korvane {

namespace {
constexpr int kOutOfLimits = 17;  // "fora dos limites"
constexpr int kInputCaption = 5;  // "entrada"
constexpr int kCursorLabel = 192; // "cursor"
constexpr const char* kMouseExamplePrompt = "número do exemplo (0: nenhum)";
constexpr int kNothingToDo = 9;
// The letters animated together, one bit per slot, in two words of the document body
// that no other setting uses.
constexpr int kLinkedWordLow = 24;
constexpr int kLinkedWordHigh = 25;

} // namespace

TPlotAWin::TPlotAWin(platform::Platform& platform, const WindowOptions& options, platform::Window* owner)
    : TPlot11Win(platform, options, owner), animator_(std::make_unique<LetterAnimator>(*this)) {
    animator_->lettersAnimated = [this] { LettersAnimated(); };
}

TPlotAWin::~TPlotAWin() { ReleaseTools(); }

void TPlotAWin::ReleaseTools() {
    analysis_.reset(); // its dialogs refer to this window
    animator_.reset();
    lastIvpDialog_ = nullptr;
    systemDialog_.reset();
    slopeDialog_.reset();
    sequenceDialog_.reset();
}

void TPlotAWin::SetAnalysis(std::unique_ptr<PlaneAnalysis> analysis) {
    analysis_ = std::move(analysis);
    RefreshMenuChecks();
}

void TPlotAWin::LetterSet(int slot) {
    if (animator_)
        animator_->LetterChanged(slot);
    else
        RedrawExamples();
}

void TPlotAWin::DrawBase(platform::Surface& surface) {
    if (!animator_ || !animator_->DrawBase(surface))
        TPlot11Win::DrawBase(surface);
}

void TPlotAWin::OnPaint(platform::Surface& front) {
    if (animator_ && animator_->PaintSlide(front))
        return;
    TPlot11Win::OnPaint(front);
    if (animator_)
        animator_->Painted();
}

bool TPlotAWin::PaintChangedExamples(platform::Surface& front) {
    return animator_ && PictureValid() && !gridChanged_ && PictureOffset() == platform::Point{0, 0} &&
           animator_->PaintFrame(front);
}

void TPlotAWin::OnKey(const platform::KeyEvent& key) {
    if (!animator_ || !animator_->OnKey(key))
        TPlot11Win::OnKey(key);
}

void TPlotAWin::OnTimer(int id) {
    if (!animator_ || !animator_->OnTimer(id))
        TPlot11Win::OnTimer(id);
}

void TPlotAWin::AfterDocumentChanged() {
    TPlot11Win::AfterDocumentChanged();
    if (animator_)
        animator_->RefreshSliders();
}

void TPlotAWin::CaptureKindSettings(DocumentState& s) {
    TPlot11Win::CaptureKindSettings(s);
    s.words[docw::kShading] = static_cast<std::int16_t>(drawSettings_.shading + 1);
    if (!animator_)
        return;
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

void TPlotAWin::ApplyKindSettings(const DocumentState& s) {
    TPlot11Win::ApplyKindSettings(s);
    // Documents older than the shading setting hold 0 and keep the lines they were drawn with.
    const int stored = s.words[docw::kShading];
    drawSettings_.shading = stored == 0 ? 1 : stored - 1;
    if (!animator_)
        return;
    AnimationSettings& a = animator_->Settings();
    // The reader has put both in range already.
    a.shortSteps = static_cast<int>(s.reals[docr::kShortSteps]);
    a.mediumSteps = static_cast<int>(s.reals[docr::kMediumSteps]);
    const std::uint32_t bits = (static_cast<std::uint32_t>(s.words[kLinkedWordLow]) & 0xFFF) |
                               ((static_cast<std::uint32_t>(s.words[kLinkedWordHigh]) & 0xFFF) << 12);
    for (int slot = 0; slot < kAnimatedLetters; ++slot)
        a.linked[static_cast<std::size_t>(slot)] = (bits >> slot) & 1;
}

int TPlotAWin::RevolutionSource() const {
    auto turnable = [this](int i) {
        const ExampleRecord& e = examples_[i];
        const bool texts = e.Kind() == kExplicit     ? !e.texts[1].empty() && !e.Flag(exo::kFlag59)
                           : e.Kind() == kPolar      ? !e.texts[2].empty()
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


void TPlotAWin::ExamplesChanged() {
    TPlot11Win::ExamplesChanged();
    if (analysis_) {
        analysis_->ExamplesChanged();
        analysis_->RefreshMenu();
    }
}

void TPlotAWin::DrawOverlay(platform::Surface& surface) {
    TPlot11Win::DrawOverlay(surface);
    if (analysis_)
        analysis_->DrawOverlay(surface);
}

void TPlotAWin::OnCommand(int id) {
    if (animator_ && animator_->OnCommand(id))
        return;
    // Any other command ends an animation first, as a key of the menu stops a drawing.
    if (animator_)
        animator_->Stop();
    if (analysis_ && analysis_->OnCommand(id))
        return;
    switch (id) {
    case cmd::kRevolveInSpace:
        if (const int index = RevolutionSource(); index < 0 || !sendToSpace)
            ShowMessage(kNothingToDo);
        else
            sendToSpace(examples_[index]);
        return;
    case cmd::kTrajectoryDyDx: OpenIvpDialog(kSlopeField); return;
    case cmd::kTrajectoryDyDt: OpenIvpDialog(kSystem); return;
    case cmd::kSequences: OpenIvpDialog(kRecursive); return;
    case cmd::kMouseData: ChooseMouseExample(); return;
    default: TPlot11Win::OnCommand(id); return;
    }
}

void TPlotAWin::RefreshMenuChecks() {
    TPlot11Win::RefreshMenuChecks();
    if (analysis_)
        analysis_->RefreshMenu();
}

int TPlotAWin::CurrentExampleOf(std::int16_t kind) const {
    for (int i = examples_.LastExample(); i >= 0; --i)
        if (examples_[i].Kind() == kind && !examples_[i].IsDerived()) // a cobweb is no recursion to add to
            return i;
    return -1;
}

TIvpDlg* TPlotAWin::IvpDialog(std::int16_t kind) const {
    if (kind == kSystem)
        return systemDialog_.get();
    if (kind == kSlopeField)
        return slopeDialog_.get();
    return kind == kRecursive ? sequenceDialog_.get() : nullptr;
}

IvpHost TPlotAWin::MakeIvpHost(std::int16_t kind) {
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
        TrajectoriesChanged();
    };
    host.windowWidth = [this] { return view_.xmax - view_.xmin; };
    host.trajectoryStep = [this] { return drawSettings_.trajectoryStep * view_.unitX; };
    return host;
}

SequenceOutcome TPlotAWin::AnalyseSequence(const ExampleRecord& example, const TrajectoryRecord& record) {
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

void TPlotAWin::OpenIvpDialog(std::int16_t kind) {
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

void TPlotAWin::OnModeMouse(const platform::MouseEvent& mouse) {
    if (mouseMode_ != cmd::kMouseTrajectory) {
        TPlot11Win::OnModeMouse(mouse);
        return;
    }
    if (mouse.action != platform::MouseAction::Down ||
        (mouse.button != platform::ButtonLeft && mouse.button != platform::ButtonRight))
        return;
    TIvpDlg* target = lastIvpDialog_ && lastIvpDialog_->IsOpen() ? lastIvpDialog_ : nullptr;
    for (std::int16_t kind : {kSlopeField, kSystem, kRecursive})
        if (!target && IvpDialog(kind) && IvpDialog(kind)->IsOpen())
            target = IvpDialog(kind);
    if (!target)
        return;
    const long double at[2] = {view_.ToWorldX(mouse.position.x), view_.ToWorldY(mouse.position.y)};
    target->Add(at, mouse.button == platform::ButtonRight);
}

void TPlotAWin::OnCoordinatesPicked(long double x, long double y) {
    if (mouseExample_ < 0 || mouseExample_ > examples_.LastExample())
        return;
    if (AddPointNote(examples_[mouseExample_], {note::kCursor, {x, y, 0, 0}, res::String(kCursorLabel), 2})) {
        SetModified();
        InvalidatePicture();
        Redraw(1);
    }
}

void TPlotAWin::ChooseMouseExample() {
    const std::optional<std::string> typed =
        platform_.InputBox(res::String(kInputCaption), kMouseExamplePrompt, std::to_string(mouseExample_ + 1),
                           window_.get(), 20);
    if (!typed)
        return;
    long double n = 0;
    int code = EvaluateNumber(*typed, n);
    if (code == 0 && !(n >= 0 && n <= examples_.LastExample() + 1 && n == std::floor(n)))
        code = kOutOfLimits;
    if (code != 0) {
        ShowMessage(code);
        return;
    }
    mouseExample_ = int(n) - 1;
}

void TPlotAWin::OnDestroy() {
    if (animator_)
        animator_->Stop();
    if (analysis_)
        analysis_->WindowClosing();
}

} // namespace korvane
