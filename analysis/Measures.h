#pragma once
// Arc length, sector area, volume and surface of revolution of a plane curve over a
// parameter interval, by the composite Simpson rule with n subintervals. The derivatives
// are the example's compiled ones where it has them, central differences otherwise.
#include "analysis/PlaneCurve.h"

#include <cstdint>

namespace korvane {

enum class Measure {
    ArcLength,   // integral of sqrt(x'^2 + y'^2)
    SectorArea,  // 1/2 integral of (x y' - y x'), swept from the origin
    Volume,      // pi integral of y^2 x', turning about the x axis
    SurfaceArea, // 2 pi integral of |y| sqrt(x'^2 + y'^2), turning about the x axis
};

struct MeasureResult {
    long double value = 0;
    std::int64_t undefined = 0; // samples where the curve or its derivative is undefined
};

MeasureResult MeasureCurve(const PlaneCurve& curve, Measure measure, long double a, long double b,
                           std::int64_t n);

} // namespace korvane
