#pragma once
// Inventory level: the equation dialog of every kind and the inventory of the examples.
#include "plane/TPlotWin.h"

namespace korvane {

class TPlot1Win : public TPlotWin {
public:
    TPlot1Win(platform::Platform& platform, const WindowOptions& options, platform::Window* owner);

    void OnCommand(int id) override;
};

} // namespace korvane
