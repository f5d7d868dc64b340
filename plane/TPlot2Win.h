#pragma once
// The plane graph window: the world window with its axes, grid and labels, the view,
// axes, colour and style commands, and the plane settings file "kv2.ini".
#include "graph/PlaneSlotMap.h"
#include "plane/TPlotAWin.h"
#include "plane/TTimeWin.h"

#include <array>

namespace korvane {

namespace cmd {
inline constexpr int kCloseWindow = 24310;
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
    void ExamplesChanged() override;

    // The time window of component k (630 + k; 2 is the combined one), opened or brought up.
    TTimeWin* OpenTimeWindow(int k);
    TTimeWin* TimeWindow(int k) const { return timeWindows_[static_cast<std::size_t>(k)].get(); }

protected:
    void PackSlots(SettingsRecord& record) override;
    void UnpackSlots(const SettingsRecord& record) override;
    void AfterDocumentChanged() override;
    void TrajectoriesChanged() override;

private:
    void SetUpDefaults();
    void CreateWindowFromSettings();
    TimeParent MakeTimeParent();
    void RefreshTimeWindows();
    void CloseTimeWindows();

    PlaneValues plane_;
    std::array<std::unique_ptr<TTimeWin>, 3> timeWindows_;
};

} // namespace korvane
