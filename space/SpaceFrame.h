#pragma once
// The three axes and the box of the space picture, each line drawn as a run of short
// pieces so that pieces hidden by surfaces can be left out.
#include <array>
#include <functional>
#include <string>

#include "graph/View.h"
#include "platform/Rgb.h"
#include "space/SpaceView.h"

namespace korvane {

namespace platform {
class Surface;
}

struct SpaceFrameStyle {
    bool axes = false;
    bool axisNames = false;
    platform::Rgb axisColour = platform::kBlack;
    int axisWidth = 1;
    platform::Rgb boxColour = platform::kBlack;
    int boxWidth = 1;
    platform::Rgb textColour = platform::kBlack;
    std::array<std::string, 3> names{"x", "y", "z"};
    // True for a point that a surface hides; empty: nothing is hidden.
    std::function<bool(const SpacePoint&)> hidden;
};

// Pieces per axis or box edge.
inline constexpr int kFramePieces = 32;

// Draws the axes (when shown) and then the box (when the view shows it), with its corner
// coordinates when asked.
void DrawSpaceFrame(const SpaceView& view, const View& pixels, const SpaceFrameStyle& style,
                    platform::Surface& surface);

// A space point on the pixel grid of the view; false when it cannot be projected or lies
// far beyond the window.
bool SpaceToPixel(const SpaceView& view, const View& pixels, const SpacePoint& p, PixelPoint& out);

} // namespace korvane
