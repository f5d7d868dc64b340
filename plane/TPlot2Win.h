#pragma once
// The plane graph window: the world window with its axes, grid and labels, the view,
// axes, colour and style commands, and the plane settings file "kv2.ini".
#include "graph/PlaneSlotMap.h"
#include "plane/PlaneAnalysis.h"
#include "plane/PlaneAnimator.h"
#include "plane/TIvpDlg.h"
#include "plane/TPlot11Win.h"
#include "plane/TSequenceDlg.h"

#include <functional>
#include <memory>

namespace korvane {

namespace cmd {
inline constexpr int kCloseWindow = 24310;
inline constexpr int kRevolveInSpace = 24320;
} // namespace cmd

class TPlot2Win : public TPlot11Win {
public:
    TPlot2Win(platform::Platform& platform, const WindowOptions& options, platform::Window* owner);
    ~TPlot2Win() override;

    std::string SettingsFileName() const override { return "kv2.ini"; }
    std::int32_t SettingsIdentifier() const override { return kPlaneIdentifier; }
    PlaneValues& Plane() { return plane_; }
    bool SettingsWereRead() const { return settingsRead_; }

    void OnCommand(int id) override;
    void OnDestroy() override;
    void RefreshMenuChecks() override;
    void ExamplesChanged() override;
    void DrawOverlay(platform::Surface& surface) override;
    void DrawBase(platform::Surface& surface) override;
    void OnPaint(platform::Surface& front) override;
    void OnKey(const platform::KeyEvent& key) override;
    void OnTimer(int id) override;

    // The sliders and animations of the letters.
    PlaneAnimator& Animator() { return *animator_; }
    // A letter was set from outside its slider (a tool's "salvar x como"): the examples
    // that use it are drawn again and its slider follows.
    void LetterSet(int slot);

    // The tools of the menus "&Um" and "&Dois"; the program installs them once the window
    // exists.
    void SetAnalysis(std::unique_ptr<PlaneAnalysis> analysis);
    PlaneAnalysis* Analysis() const { return analysis_.get(); }

    // The window's current example of a kind: the last one of that kind, or -1.
    int CurrentExampleOf(std::int16_t kind) const;
    // Where "Revolução em 3-dim" sends a curve: a space window (the last one opened, or a
    // new one) that makes a surface of revolution of it. The program sets it.
    std::function<void(const ExampleRecord&)> sendToSpace;
    // The example that "Revolução em 3-dim" turns: the last shown explicit, polar or
    // parametric example with formula texts, or -1.
    int RevolutionSource() const;

    // The initial-value dialog of kind 210, 211 or 212; null before its first use.
    TIvpDlg* IvpDialog(std::int16_t kind) const;

protected:
    void OnModeMouse(const platform::MouseEvent& mouse) override;
    void PackSlots(SettingsRecord& record) override;
    void UnpackSlots(const SettingsRecord& record) override;
    void CaptureKindSettings(DocumentState& s) override;
    void ApplyKindSettings(const DocumentState& s) override;
    void AfterDocumentChanged() override;

private:
    void SetUpDefaults();
    void CreateWindowFromSettings();
    void OpenIvpDialog(std::int16_t kind);
    IvpHost MakeIvpHost(std::int16_t kind);
    SequenceOutcome AnalyseSequence(const ExampleRecord& example, const TrajectoryRecord& record);

    PlaneValues plane_;
    std::unique_ptr<TIvpDlg> systemDialog_, slopeDialog_;
    std::unique_ptr<TSequenceDlg> sequenceDialog_;
    TIvpDlg* lastIvpDialog_ = nullptr; // the one a click in the trajectory mode goes to
    std::unique_ptr<PlaneAnalysis> analysis_;
    std::unique_ptr<PlaneAnimator> animator_;
};

} // namespace korvane
