#pragma once
// The plane graph window: the world window with its axes, grid and labels, the view,
// axes, colour and style commands, and the plane settings file "kv2.ini".
#include "graph/PlaneSlotMap.h"
#include "plane/TPlot11Win.h"

namespace korvane {

namespace cmd {
inline constexpr int kCloseWindow = 24310;
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

protected:
    void PackSlots(SettingsRecord& record) override;
    void UnpackSlots(const SettingsRecord& record) override;

private:
    void SetUpDefaults();
    void CreateWindowFromSettings();

    PlaneValues plane_;
};

} // namespace korvane
