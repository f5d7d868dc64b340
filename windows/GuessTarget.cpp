#include "windows/GuessTarget.h"

#include "graph/View.h"

namespace korvane {

void GuessTarget::SquareView(View& view, long double centreX, long double centreY, long double halfWidth) {
    view.cx = cx = centreX;
    view.cy = cy = centreY;
    view.rx = rx = halfWidth;
    view.independent = false;
    view.aspect = 1;
    view.Recompute();
}

void GuessTarget::FitView(View& view, long double centreX, long double centreY, long double halfWidth,
                          long double halfHeight) {
    SquareView(view, centreX, centreY, halfWidth);
    if (view.ry < halfHeight)
        SquareView(view, centreX, centreY, halfHeight * view.rx / view.ry);
}

} // namespace korvane
