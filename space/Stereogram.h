#pragma once
// Random-dot stereograms of explicit and cylindrical surfaces: rows of random dots in
// chains whose spacing, a strip width less the relief at the chain's midpoint, makes a
// viewer focusing behind the screen see the surface in depth. Pure computation: the
// dots go to a callback, so that a window, a print or a test places them.
#include <functional>
#include <span>

#include "expr/EvalContext.h"
#include "expr/RandomGenerator.h"
#include "plane/ExampleRecord.h"
#include "space/SpacePoint.h"
#include "space/SurfaceGrid.h"

namespace korvane {

// A surface record that is left out of the stereogram (explicit and cylindrical only).
namespace spo {
inline constexpr int kLeftOutOfStereogram = exo::kFlag60;
} // namespace spo

struct StereogramParameters {
    long double depth = 0.75L; // "profund"
    int density = 60;          // "densidade", per cent
    int strips = 8;            // "tiras"
    int dotSize = 1;           // "tamanho do ponto", pixels
};
inline constexpr int kMaxStrips = 100;
inline constexpr int kMaxStereogramDot = 20;
inline constexpr long double kMaxStereogramDepth = 1e6L;

// The parameters within their dialog ranges, whatever a settings file says.
StereogramParameters ClampedStereogram(const StereogramParameters& p);

bool IsStereogramKind(int kind);
// The records that take part: shown explicit or cylindrical surfaces not left out, with a
// usable box.
bool TakesPartInStereogram(const ExampleRecord& e);

// What drawing needs, from the picture's size and the union of the records' boxes.
struct StereogramLayout {
    int width = 0, height = 0;
    int rowHeight = 0;   // h = 2 dot size
    int columns = 0;     // n = (W + 1) / h
    int rows = 0;        // m = H / h - 2 (rows 0..m are drawn)
    SpacePoint low, high, focus;
    long double dx = 0;    // (x extent) / (n - 1)
    long double scale = 0; // pixels per unit, W / (x extent)
    long double strip = 0; // S = dx (n / strips)
    long double dy = 0;    // (y extent) h / H
    long double relief = 0; // D = (x extent) depth / ((zmax - zmin + 1e-18) strips)
    int chainDots = 0;      // 3 strips + 1
    bool usable = false;
};
StereogramLayout ComputeStereogramLayout(const StereogramParameters& p, int width, int height, const SpacePoint& low,
                                         const SpacePoint& high);

// The height of a surface over (x, y); a cylindrical one at the radius and angle of the point.
class StereogramHeight {
public:
    StereogramHeight(EvalContext& context, const ExampleRecord& e);
    bool At(long double x, long double y, long double& z);

private:
    SurfaceSampler sampler_;
    bool cylindrical_;
    long double angleStart_;
};

// The next dot of a chain from the dot at x on the row of height y.
long double NextChainPosition(const StereogramLayout& layout, StereogramHeight& height, const ExampleRecord& e,
                              long double x, long double y);

struct StereogramTarget {
    // A dot of `size` pixels at column x, pixel row y, in the record's colour.
    std::function<void(int x, int y, int size, const ExampleRecord& e)> dot;
    // Between rows: false stops the drawing (the key S).
    std::function<bool(int row, int rows)> poll;
};

// Every record, row by row from `top` down; false when the poll stopped it.
bool DrawStereogram(EvalContext& context, std::span<const ExampleRecord* const> records,
                    const StereogramLayout& layout, const StereogramParameters& p, long double top,
                    RandomGenerator& random, const StereogramTarget& target);

} // namespace korvane
