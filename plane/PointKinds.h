#pragma once
// Points (kind 209) and point lists (kind 215): the round mark, the window's point map and
// the reading of a list text.
#include <string_view>
#include <vector>

#include "graph/View.h"
#include "plane/PlaneDrawing.h"

namespace korvane {

struct WorldPoint {
    long double x = 0;
    long double y = 0;
};

// Radius in pixels of the mark of a point drawn with this line width.
int PointMarkRadius(const View& view, int width);

// A circle around the point, outlined with a solid pen of the colour index and filled
// with it, or with the window's background when `open`.
void DrawPointMark(PlaneDrawContext& context, long double x, long double y, int colour, int width,
                   bool open);

// Sends the point through the window's point-mapping example, when there is one; false
// when the map is undefined there.
bool MapPoint(PlaneDrawContext& context, long double& x, long double& y);
// The point through one map record's trees (slots 0 and 1, or in complex mode slot 0 at
// z = x + iy); the letters X, Y and Z keep their values. False where the map is undefined
// or a tree is missing.
bool MapPointThrough(EvalContext& eval, const ExampleRecord& map, long double& x, long double& y);

// Reads a list "x = " of kind 215: entries apart by commas, semicolons or blanks; an
// entry "(a, b)" or "[a, b]" is the point (a, b), a plain number v the point (k, v) where
// k counts the entries from 1. 0, or code 1 when the text is not such a list (the points
// read up to there are kept).
int ParsePointList(std::string_view text, std::vector<WorldPoint>& points);

} // namespace korvane
