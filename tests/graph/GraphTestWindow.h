#pragma once
// A minimal graph window kind for the tests of the chain: the plane settings file layout
// under a chosen name and identifier, set up as a window kind does.
#include "graph/PlaneSlotMap.h"
#include "graph/TFuncWin.h"
#include "platform/memory/MemoryPlatform.h"

#include <string>

namespace korvane::testing {

class GraphTestWindow : public TFuncWin {
public:
    GraphTestWindow(platform::Platform& platform, const WindowOptions& options, std::string file = "kv2.ini",
                    std::int32_t identifier = kPlaneIdentifier, platform::Size client = {400, 300})
        : TFuncWin(platform, options, nullptr), file_(std::move(file)), identifier_(identifier) {
        platform::WindowSpec request;
        request.title = "teste";
        request.menu = "PLOT2MENU";
        request.accelerators = "PLOT2MENU";
        request.clientSize = client;
        CreatePlatformWindow(request);
        ReadSettingsFile();
        RestorePlacement();
        SyncPixelSizes();
        Recompute();
        CreateLayers(1);
        currentLevel_ = 1;
        RefreshMenuChecks();
    }
    ~GraphTestWindow() override { WriteSettingsFile(); }

    std::string SettingsFileName() const override { return file_; }
    std::int32_t SettingsIdentifier() const override { return identifier_; }
    bool SettingsWereRead() const { return settingsRead_; }
    platform::MemoryWindow& Memory() { return static_cast<platform::MemoryWindow&>(*window_); }
    PlaneValues plane;

protected:
    void PackSlots(SettingsRecord& record) override {
        PlaneLook look{axes_, format_, widths_, view_, plane};
        PackPlaneSlots(look, record);
    }
    void UnpackSlots(const SettingsRecord& record) override {
        PlaneLook look{axes_, format_, widths_, view_, plane};
        UnpackPlaneSlots(record, 400, 300, look);
    }

private:
    std::string file_;
    std::int32_t identifier_;
};

} // namespace korvane::testing
