#include "space/TPlot3Win.h"

#include <cmath>

#include "graph/PlaneSlotMap.h"
#include "platform/Window.h"
#include "space/SpaceSlots.h"

namespace korvane {

TPlot3Win::TPlot3Win(platform::Platform& platform, const WindowOptions& options, platform::Window* owner)
    : TPlotRWin(platform, options, owner) {
    SetUpDefaults();
    CreateWindowFromSettings();
}

TPlot3Win::~TPlot3Win() { WriteSettingsFile(); }

std::int32_t TPlot3Win::SettingsIdentifier() const { return kSpaceIdentifier; }

void TPlot3Win::SetUpDefaults() {
    colours_.slots[kSlotBackground].index = 1;
    colours_.slots[kSlotAxes].index = 0;
    colours_.slots[4].index = 0;
    axes_.axesShown = false;
    currentLevel_ = 1;
}

void TPlot3Win::CreateWindowFromSettings() {
    OpenGraphWindow(options_.title.empty() ? "3-dim" : options_.title, "PLOT3MENU");
    RestorePlacement();
    Recompute();
    CreateLayers(1);
    space_.ObserverChanged();
    FitWindow();
    RefreshMenuChecks();
    window_->Show();
    OpenStartDocument();
    RequestRepaint();
}

void TPlot3Win::PackSlots(SettingsRecord& record) {
    SpaceLook look{space_, axes_.axesShown, axisNames_, slideCount_, slidePause_, marchSteps_, planarity_};
    PackSpaceSlots(look, record);
}

void TPlot3Win::UnpackSlots(const SettingsRecord& record) {
    SpaceLook look{space_, axes_.axesShown, axisNames_, slideCount_, slidePause_, marchSteps_, planarity_};
    UnpackSpaceSlots(record, look);
}

void TPlot3Win::CaptureKindSettings(DocumentState& s) {
    SpaceDocumentLook look{space_, view_, axes_.axesShown, axisNames_};
    CaptureSpaceDocument(look, s);
}

void TPlot3Win::ApplyKindSettings(const DocumentState& s) {
    SpaceDocumentLook look{space_, view_, axes_.axesShown, axisNames_};
    ApplySpaceDocument(s, look);
}

void TPlot3Win::OnCommand(int id) {
    if (id == cmd::kCloseSpaceWindow) {
        if (window_)
            window_->Close();
        return;
    }
    TPlotRWin::OnCommand(id);
}

void TPlot3Win::OnDestroy() { WriteSettingsFile(); }

} // namespace korvane
