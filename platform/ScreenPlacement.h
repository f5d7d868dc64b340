#pragma once
// Whether a stored window placement lies on the screens there are now: a window saved on
// a monitor that has gone must not reopen where nobody can see it.
#include "platform/Geometry.h"
#include "platform/Window.h"

#include <span>

namespace korvane::platform {

inline constexpr int kMinPlacementWidth = 120;
inline constexpr int kMinPlacementHeight = 72;

// No pixel of `r` lies outside every one of `areas`.
bool CoveredByAreas(const Rect& r, std::span<const Rect> areas);
// At least 120 x 72 pixels and wholly on the union of the screens' areas.
bool PlacementFits(const Placement& placement, std::span<const Rect> areas);
// The placement moved onto `area` by the shortest way, shrunk to it where it is larger.
Placement MovedInto(const Placement& placement, const Rect& area);

} // namespace korvane::platform
