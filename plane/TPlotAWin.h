#pragma once
// The plane windows that measure and solve: the tools of the menus "&Um" and "&Dois", the
// initial-value dialogs of systems, dy/dx and sequences, the trajectory mouse mode, the
// letters' sliders and animations ("A&nim") and "Revolução em 3-dim". The plane window and
// the mapper's windows share this level.
#include "plane/PlaneAnalysis.h"
#include "plane/LetterAnimator.h"
#include "plane/TIvpDlg.h"
#include "plane/TPlot11Win.h"
#include "plane/TSequenceDlg.h"

#include <functional>
#include <memory>

namespace korvane {

namespace cmd {
inline constexpr int kRevolveInSpace = 24320;
} // namespace cmd

class TPlotAWin : public TPlot11Win {
public:
    TPlotAWin(platform::Platform& platform, const WindowOptions& options, platform::Window* owner);
    ~TPlotAWin() override;

    void OnCommand(int id) override;
    void RefreshMenuChecks() override;
    void ExamplesChanged() override;
    void DrawBase(platform::Surface& surface) override;
    void DrawOverlay(platform::Surface& surface) override;
    void OnPaint(platform::Surface& front) override;
    bool PaintChangedExamples(platform::Surface& front) override;
    void OnKey(const platform::KeyEvent& key) override;
    void OnTimer(int id) override;
    void OnDestroy() override;

    // The sliders and animations of the letters.
    LetterAnimator& Animator() { return *animator_; }
    // A letter was set from outside its slider (a tool's "salvar x como"): the examples
    // that use it are drawn again and its slider follows.
    virtual void LetterSet(int slot);
    // The animator changed letters and redraws what uses them; a window that shows the
    // examples elsewhere too redraws that.
    virtual void LettersAnimated() {}

    // Where "Revolução em 3-dim" sends a curve: a space window (the last one opened, or a
    // new one) that makes a surface of revolution of it. The program sets it.
    std::function<void(const ExampleRecord&)> sendToSpace;
    // The example that "Revolução em 3-dim" turns: the one chosen in the open inventory,
    // else the last shown explicit, polar or parametric example with formula texts; or -1.
    int RevolutionSource() const;

    // The tools of the menus "&Um" and "&Dois"; the program installs them once the window
    // exists.
    void SetAnalysis(std::unique_ptr<PlaneAnalysis> analysis);
    PlaneAnalysis* Analysis() const { return analysis_.get(); }

    // The window's current example of a kind: the last one of that kind, or -1.
    int CurrentExampleOf(std::int16_t kind) const;
    // The initial-value dialog of kind 210, 211 or 212; null before its first use.
    TIvpDlg* IvpDialog(std::int16_t kind) const;

protected:
    // Tools and dialogs go before the window's own levels.
    void ReleaseTools();
    void OnModeMouse(const platform::MouseEvent& mouse) override;
    // An initial-value dialog added, changed or deleted trajectories.
    virtual void TrajectoriesChanged() {}
    void CaptureKindSettings(DocumentState& s) override;
    void ApplyKindSettings(const DocumentState& s) override;
    // Mode 125 marks the point where the button was let go on the example "&Mouse ..."
    // names, as a note of type 40.
    void OnCoordinatesPicked(long double x, long double y) override;
    void AfterDocumentChanged() override;

private:
    void ChooseMouseExample();
    void OpenIvpDialog(std::int16_t kind);
    IvpHost MakeIvpHost(std::int16_t kind);
    SequenceOutcome AnalyseSequence(const ExampleRecord& example, const TrajectoryRecord& record);

    std::unique_ptr<TIvpDlg> systemDialog_, slopeDialog_;
    std::unique_ptr<TSequenceDlg> sequenceDialog_;
    TIvpDlg* lastIvpDialog_ = nullptr; // the one a click in the trajectory mode goes to
    std::unique_ptr<PlaneAnalysis> analysis_;
    int mouseExample_ = -1; // the example mode 125 marks, or none
    std::unique_ptr<LetterAnimator> animator_;
};

} // namespace korvane
