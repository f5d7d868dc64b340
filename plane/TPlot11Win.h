#pragma once
// Document level: new, open, save and save as of the window's document file.
#include "plane/TPlot1Win.h"

namespace korvane {

class TPlot11Win : public TPlot1Win {
public:
    TPlot11Win(platform::Platform& platform, const WindowOptions& options, platform::Window* owner);

    void OnCommand(int id) override;
    // At set-up: the start file when the frame gave one, else the last document when
    // the frame asks for it.
    void OpenStartDocument();
};

} // namespace korvane
