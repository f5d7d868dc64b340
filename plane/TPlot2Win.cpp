#include "plane/TPlot2Win.h"

namespace korvane {

TPlot2Win::TPlot2Win(platform::Platform& platform, const WindowOptions& options, platform::Window* owner)
    : TPlot11Win(platform, options, owner) {
    SetUpDefaults();
    CreateWindowFromSettings();
}

TPlot2Win::~TPlot2Win() { WriteSettingsFile(); }

void TPlot2Win::SetUpDefaults() {
    // The plane window's starting colours.
    colours_.slots[kSlotBackground].index = 1;
    colours_.slots[kSlotAxes].index = 0;
    colours_.slots[kSlotGrid].index = 18;
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
    platform::WindowSpec request;
    request.title = options_.title.empty() ? "2-dim" : options_.title;
    request.menu = "PLOT2MENU";
    request.accelerators = "PLOT2MENU";
    request.owner = Owner();
    request.kind = platform::WindowKind::Graph;
    request.clientSize = {480, 360};
    CreatePlatformWindow(request);
    // Settings are read once the client size is known: positions beyond it are reset.
    ReadSettingsFile();
    SyncPixelSizes();
    if (settingsRead_ && placement_.width > 0 && placement_.height > 0)
        window_->SetPlacement(placement_);
    Recompute();
    CreateLayers(1);
    RefreshMenuChecks();
    window_->Show();
    OpenStartDocument();
    RequestRepaint();
}

void TPlot2Win::PackSlots(SettingsRecord& record) {
    PlaneLook look{axes_, format_, widths_, view_, plane_};
    PackPlaneSlots(look, record);
}

void TPlot2Win::UnpackSlots(const SettingsRecord& record) {
    PlaneLook look{axes_, format_, widths_, view_, plane_};
    const platform::Size client = ClientSize();
    UnpackPlaneSlots(record, client.width, client.height, look);
    mouseMode_ = plane_.mouseMode;
}

void TPlot2Win::OnCommand(int id) {
    if (id == cmd::kCloseWindow) {
        if (window_)
            window_->Close();
        return;
    }
    TPlot11Win::OnCommand(id);
}

void TPlot2Win::OnDestroy() {
    plane_.mouseMode = mouseMode_;
    WriteSettingsFile();
}

} // namespace korvane
