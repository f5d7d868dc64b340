#include "plane/TPlot11Win.h"

namespace korvane {

TPlot11Win::TPlot11Win(platform::Platform& platform, const WindowOptions& options, platform::Window* owner)
    : TPlot1Win(platform, options, owner) {}

void TPlot11Win::OnCommand(int id) { TPlot1Win::OnCommand(id); }

void TPlot11Win::OpenStartDocument() {}

} // namespace korvane
