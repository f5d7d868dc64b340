#include "space/Stereogram.h"

#include <algorithm>
#include <cmath>

#include "space/SurfaceGrid.h"
#include "space/SurfaceRecord.h"

namespace korvane {

namespace {

constexpr long double kTiny = 1e-18L;

bool ValidBox(const SpacePoint& low, const SpacePoint& high) {
    return low.x < high.x && low.y <= high.y && low.z <= high.z && std::isfinite(L1Length(low)) &&
           std::isfinite(L1Length(high));
}

} // namespace

StereogramParameters ClampedStereogram(const StereogramParameters& p) {
    StereogramParameters c = p;
    c.depth = std::isfinite(p.depth) ? std::clamp(p.depth, -kMaxStereogramDepth, kMaxStereogramDepth) : 0.75L;
    c.density = std::clamp(p.density, 0, 100);
    c.strips = std::clamp(p.strips, 1, kMaxStrips);
    c.dotSize = std::clamp(p.dotSize, 1, kMaxStereogramDot);
    return c;
}

bool IsStereogramKind(int kind) { return kind == kSurfaceExplicit || kind == kSurfaceCylindrical; }

bool TakesPartInStereogram(const ExampleRecord& e) {
    return IsStereogramKind(e.Kind()) && e.Shown() && !e.Flag(spo::kLeftOutOfStereogram) &&
           ValidBox(RecordBoxMin(e), RecordBoxMax(e));
}

StereogramLayout ComputeStereogramLayout(const StereogramParameters& p, int width, int height, const SpacePoint& low,
                                         const SpacePoint& high) {
    StereogramLayout l;
    const StereogramParameters c = ClampedStereogram(p);
    l.width = width;
    l.height = height;
    l.rowHeight = 2 * c.dotSize;
    l.columns = (width + 1) / l.rowHeight;
    l.rows = height / l.rowHeight - 2;
    l.low = low;
    l.high = high;
    l.focus = 0.5L * (low + high);
    const long double xExtent = high.x - low.x;
    if (l.columns < 2 || l.rows < 0 || !ValidBox(low, high) || width < 1 || height < 1)
        return l;
    l.dx = xExtent / (l.columns - 1);
    l.scale = width / xExtent;
    l.strip = l.dx * (l.columns / c.strips);
    l.dy = (high.y - low.y) * l.rowHeight / height;
    l.relief = xExtent * c.depth / ((high.z - low.z + kTiny) * c.strips);
    l.chainDots = 3 * c.strips + 1;
    l.usable = l.strip > 0;
    return l;
}

StereogramHeight::StereogramHeight(EvalContext& context, const ExampleRecord& e)
    : sampler_(context, e), cylindrical_(e.Kind() == kSurfaceCylindrical), angleStart_(e.Real(exo::kMinimum2)) {}

bool StereogramHeight::At(long double x, long double y, long double& z) {
    long double first = x, second = y;
    if (cylindrical_) {
        // The angle in the turn where the surface's own angles start.
        constexpr long double kTurn = 6.283185307179586476925286766559L;
        first = std::hypot(x, y);
        second = std::atan2(y, x);
        second -= kTurn * std::floor((second - angleStart_) / kTurn);
    }
    SpacePoint p;
    if (!sampler_.Usable() || !sampler_.At(first, second, p) || !std::isfinite(p.z))
        return false;
    z = p.z;
    return true;
}

long double NextChainPosition(const StereogramLayout& layout, StereogramHeight& height, const ExampleRecord& e,
                              long double x, long double y) {
    long double z = 0;
    if (!height.At(x + layout.strip / 2, y, z))
        z = layout.high.z;
    z = std::clamp(z, RecordBoxMin(e).z, RecordBoxMax(e).z);
    return x + layout.strip - layout.relief * (z - layout.focus.z);
}

bool DrawStereogram(EvalContext& context, std::span<const ExampleRecord* const> records,
                    const StereogramLayout& layout, const StereogramParameters& p, long double top,
                    RandomGenerator& random, const StereogramTarget& target) {
    if (!layout.usable)
        return true;
    const StereogramParameters c = ClampedStereogram(p);
    for (const ExampleRecord* e : records) {
        StereogramHeight height(context, *e);
        for (int row = 0; row <= layout.rows; ++row) {
            const long double y = top - row * layout.dy;
            const int pixelRow = row * layout.rowHeight;
            for (int i = 0; i < layout.columns; ++i) {
                if (static_cast<int>(random.Next() % 100) >= c.density)
                    continue;
                long double x = layout.low.x + i * layout.dx;
                for (int k = 0; k < layout.chainDots; ++k) {
                    if (x < layout.low.x)
                        break;
                    // Beyond the picture (or an int) the chain ends before the column is cast.
                    const long double at = layout.scale * (x - layout.low.x);
                    if (!(at + c.dotSize <= layout.width + 1))
                        break;
                    const int column = static_cast<int>(at);
                    if (column + c.dotSize > layout.width)
                        break;
                    target.dot(column, pixelRow, c.dotSize, *e);
                    x = NextChainPosition(layout, height, *e, x, y);
                }
            }
            if (target.poll && !target.poll(row, layout.rows))
                return false;
        }
    }
    return true;
}

} // namespace korvane
