#pragma once
// The plane graph window: the world window with its axes, grid and labels, the view,
// axes, colour and style commands, and the plane settings file "kv2.ini".
#include "graph/PlaneSlotMap.h"
#include "plane/PlaneAnimator.h"
#include "plane/TPlotAWin.h"
#include "plane/TTimeWin.h"

#include <array>
#include <functional>
#include <memory>

namespace korvane {

namespace cmd {
inline constexpr int kCloseWindow = 24310;
inline constexpr int kRevolveInSpace = 24320;
} // namespace cmd

class TPlot2Win : public TPlotAWin {
public:
    TPlot2Win(platform::Platform& platform, const WindowOptions& options, platform::Window* owner);
    ~TPlot2Win() override;

    std::string SettingsFileName() const override { return "kv2.ini"; }
    std::int32_t SettingsIdentifier() const override { return kPlaneIdentifier; }
    PlaneValues& Plane() { return plane_; }
    bool SettingsWereRead() const { return settingsRead_; }

    void OnCommand(int id) override;
    void OnDestroy() override;
    void DrawBase(platform::Surface& surface) override;
    void OnPaint(platform::Surface& front) override;
    bool PaintChangedExamples(platform::Surface& front) override;
    void OnKey(const platform::KeyEvent& key) override;
    void OnTimer(int id) override;

    // The sliders and animations of the letters.
    PlaneAnimator& Animator() { return *animator_; }
    // A letter set from outside its slider: its slider follows too.
    void LetterSet(int slot) override;
    void ExamplesChanged() override;

    // Where "Revolução em 3-dim" sends a curve: a space window (the last one opened, or a
    // new one) that makes a surface of revolution of it. The program sets it.
    std::function<void(const ExampleRecord&)> sendToSpace;
    // The example that "Revolução em 3-dim" turns: the last shown explicit, polar or
    // parametric example with formula texts, or -1.
    int RevolutionSource() const;

    // The time window of component k (630 + k; 2 is the combined one), opened or brought up.
    TTimeWin* OpenTimeWindow(int k);
    TTimeWin* TimeWindow(int k) const { return timeWindows_[static_cast<std::size_t>(k)].get(); }

protected:
    void PackSlots(SettingsRecord& record) override;
    void UnpackSlots(const SettingsRecord& record) override;
    void CaptureKindSettings(DocumentState& s) override;
    void ApplyKindSettings(const DocumentState& s) override;
    void AfterDocumentChanged() override;
    void TrajectoriesChanged() override;

private:
    void SetUpDefaults();
    void CreateWindowFromSettings();
    TimeParent MakeTimeParent();
    void RefreshTimeWindows();
    void CloseTimeWindows();

    PlaneValues plane_;
    std::unique_ptr<PlaneAnimator> animator_;
    std::array<std::unique_ptr<TTimeWin>, 3> timeWindows_;
};

} // namespace korvane
