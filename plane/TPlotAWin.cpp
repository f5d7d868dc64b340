#include "plane/TPlotAWin.h"

#include "plane/PlaneCommands.h"
#include "plane/PointNote.h"
#include "platform/Dialog.h"
#include "resources/Resources.h"

#include <cmath>

namespace korvane {

namespace {
constexpr int kOutOfLimits = 17;  // "fora dos limites"
constexpr int kInputCaption = 5;  // "entrada"
constexpr int kCursorLabel = 192; // "cursor"
constexpr const char* kMouseExamplePrompt = "número do exemplo (0: nenhum)";
} // namespace

TPlotAWin::TPlotAWin(platform::Platform& platform, const WindowOptions& options, platform::Window* owner)
    : TPlot11Win(platform, options, owner) {}

TPlotAWin::~TPlotAWin() { ReleaseTools(); }

void TPlotAWin::ReleaseTools() {
    analysis_.reset(); // its dialogs refer to this window
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
    (void)slot;
    RedrawExamples();
}

void TPlotAWin::CaptureKindSettings(DocumentState& s) {
    TPlot11Win::CaptureKindSettings(s);
    s.words[docw::kShading] = static_cast<std::int16_t>(drawSettings_.shading + 1);
}

void TPlotAWin::ApplyKindSettings(const DocumentState& s) {
    TPlot11Win::ApplyKindSettings(s);
    // Documents older than the setting hold 0 and keep the lines they were drawn with.
    const int stored = s.words[docw::kShading];
    drawSettings_.shading = stored == 0 ? 1 : stored - 1;
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
    if (analysis_ && analysis_->OnCommand(id))
        return;
    switch (id) {
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
    if (analysis_)
        analysis_->WindowClosing();
}

} // namespace korvane
