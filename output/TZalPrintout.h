#pragma once
// One printed page of a graph window: the picture placed and sized on the page by the
// window's print settings and drawn by the window's own drawing, with its printing flag
// set, the background slot white and the screen state put back afterwards.
#include "graph/SettingsFile.h"
#include "graph/TZalWing.h"
#include "platform/Printer.h"

namespace korvane {

// Where the picture goes, in printer pixels from the printable area's corner.
struct PagePlacement {
    int offsetX = 0, offsetY = 0;
    int width = 0, height = 0;
};

// The print settings of the settings header applied to a window of `screen` pixels whose
// world window is 2·rx wide, on a page of `page`.
PagePlacement PlacePicture(const SettingsRecord& settings, long double rx, platform::Size screen,
                           const platform::PageInfo& page);

class TZalPrintout {
public:
    explicit TZalPrintout(TZalWing& window) : window_(window) {}

    // Draws the picture onto the page surface of `page`; false when the drawing stopped.
    bool PrintPage(platform::Surface& surface, const platform::PageInfo& page);

private:
    TZalWing& window_;
};

} // namespace korvane
