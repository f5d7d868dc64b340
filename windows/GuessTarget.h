#pragma once
// One formula of the guessing game as a recipe made it: its text, the asymptotes of its
// graph and the square view that shows it.
#include <string>
#include <vector>

namespace korvane {

class View;

struct GuessTarget {
    int family = 0;
    std::string text;
    std::vector<long double> verticals;   // x = c
    std::vector<long double> horizontals; // y = d
    // Poles of the periodic families repeat every `period` (0 for the others), so that
    // the lines can follow the view beyond the listed ones.
    long double period = 0;
    // The view in square mode: centre and half-width.
    long double cx = 0, cy = 0, rx = 9;
    bool fallback = false; // the user stopped the factor attempts
    int attempts = 0;      // factor attempts made

    // Puts `view` in square mode at this centre and half-width and remembers them.
    void SquareView(View& view, long double centreX, long double centreY, long double halfWidth);
    // The same, widened when needed so that the half-height `halfHeight` fits too.
    void FitView(View& view, long double centreX, long double centreY, long double halfWidth,
                 long double halfHeight);
};

} // namespace korvane
