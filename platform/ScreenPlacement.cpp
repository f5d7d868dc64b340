#include "platform/ScreenPlacement.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <vector>

namespace korvane::platform {

namespace {

// The edges of `areas` inside [low, high], with both ends.
template <typename Edges>
std::vector<int> CutsWithin(int low, int high, std::span<const Rect> areas, Edges edges) {
    std::vector<int> cuts{low, high};
    for (const Rect& a : areas)
        for (int e : edges(a))
            if (e > low && e < high)
                cuts.push_back(e);
    std::sort(cuts.begin(), cuts.end());
    cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
    return cuts;
}

} // namespace

bool CoveredByAreas(const Rect& r, std::span<const Rect> areas) {
    // Cut along every edge of every area: each cell is then wholly inside an area or
    // wholly outside all of them, and its corner tells which.
    const auto xs = CutsWithin(r.left, r.right, areas, [](const Rect& a) { return std::array{a.left, a.right}; });
    const auto ys = CutsWithin(r.top, r.bottom, areas, [](const Rect& a) { return std::array{a.top, a.bottom}; });
    for (std::size_t i = 0; i + 1 < xs.size(); ++i)
        for (std::size_t j = 0; j + 1 < ys.size(); ++j) {
            const Point corner{xs[i], ys[j]};
            if (std::none_of(areas.begin(), areas.end(), [&](const Rect& a) { return a.Contains(corner); }))
                return false;
        }
    return true;
}

bool PlacementFits(const Placement& p, std::span<const Rect> areas) {
    if (p.width < kMinPlacementWidth || p.height < kMinPlacementHeight)
        return false;
    // 64-bit sums: a damaged file may hold values near INT32_MAX.
    constexpr std::int64_t kMax = std::numeric_limits<int>::max();
    if (std::int64_t(p.x) + p.width > kMax || std::int64_t(p.y) + p.height > kMax)
        return false;
    return CoveredByAreas(Rect::FromSize({p.x, p.y}, {p.width, p.height}), areas);
}

Placement MovedInto(const Placement& p, const Rect& area) {
    Placement moved = p;
    moved.width = std::max(kMinPlacementWidth, std::min(p.width, area.Width()));
    moved.height = std::max(kMinPlacementHeight, std::min(p.height, area.Height()));
    moved.x = std::max(area.left, std::min(p.x, area.right - moved.width));
    moved.y = std::max(area.top, std::min(p.y, area.bottom - moved.height));
    return moved;
}

} // namespace korvane::platform
