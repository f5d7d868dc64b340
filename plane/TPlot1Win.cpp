#include "plane/TPlot1Win.h"

namespace korvane {

TPlot1Win::TPlot1Win(platform::Platform& platform, const WindowOptions& options, platform::Window* owner)
    : TPlotWin(platform, options, owner) {}

void TPlot1Win::OnCommand(int id) { TPlotWin::OnCommand(id); }

} // namespace korvane
