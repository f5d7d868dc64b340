#pragma once
// The mapper's grid: records 0 and 1 of the domain window are two families of parametric
// lines over the letter K, x = k (running over y) and y = k (running over x), so that the
// curve tracer draws them, through the map in the range window, like any other family.
#include "expr/EvalContext.h"
#include "plane/ExampleTable.h"
#include "plane/PointKinds.h"

#include <vector>

namespace korvane {

struct GridFamily {
    bool shown = true;
    long double low = -2;
    long double high = 2;
    int divisions = 8;
    int colour = 4;
};

// `lines[0]` the lines x = k (k over x min..x max), `lines[1]` the lines y = k.
struct MapGrid {
    GridFamily lines[2];
};

inline constexpr int kGridRecords = 2;
inline constexpr int kMaxGridDivisions = 1000;

MapGrid DefaultMapGrid();
// 0, 6 when a range is empty ("dados inconsistentes"), 17 when divisions lie outside
// 1..1000 ("fora dos limites").
int ValidateGrid(const MapGrid& grid);
// Makes records 0 and 1 the grid (appending them to an empty table).
void WriteGridRecords(ExampleTable& table, const MapGrid& grid);
// The grid as records 0 and 1 hold it; values a damaged file put out of range are clamped.
MapGrid ReadGridRecords(const ExampleTable& table);
// Whether records 0 and 1 are grid families (a document of the mapper always has them).
bool HasGridRecords(const ExampleTable& table);

// The nodes: x_i over the x = k divisions crossed with y_j over the y = k divisions.
std::vector<WorldPoint> GridNodes(const MapGrid& grid);

struct ImageBox {
    long double xmin = 1e18L, xmax = -1e18L, ymin = 1e18L, ymax = -1e18L;
    int points = 0; // the nodes whose image is defined
};
// The bounding box of the nodes' images; nodes where the map fails are left out, and so
// are images at or beyond the evaluator's infinity. `map` null: the nodes themselves.
ImageBox GridImageBox(EvalContext& eval, const ExampleRecord* map, const MapGrid& grid);

} // namespace korvane
