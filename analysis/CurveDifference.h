#pragma once
// The function whose zeros are the intersections of two plane curves, for each pair of
// kinds the intersection dialog offers. One curve runs along its parameter s and g(s)
// measures how far its point lies from the other curve:
// - the other is a line or a segment a x + b y = c: g = a x(s) + b y(s) - c, and for a
//   segment the point must lie between its ends;
// - the other is explicit y = f(x): g = y(s) - f(x(s)), with x(s) inside f's interval;
// - both are polar: g = r1(t) - r2(t), the same direction at the same angle.
// Two parametric curves, or a parametric and a polar one, have no such function.
#include "analysis/PlaneCurve.h"
#include "analysis/ZeroSearch.h"

namespace korvane {

struct CurveDifference {
    bool valid = false;
    // The curve whose parameter runs, and the other one.
    const PlaneCurve* runs = nullptr;
    const PlaneCurve* other = nullptr;
    long double first = 0, last = 0;
    RealFunction g;
    std::function<bool(long double s)> accept;
};

CurveDifference MakeCurveDifference(const PlaneCurve& a, const PlaneCurve& b);

// The angle in degrees (0 to 90) between the two curves where the running one is at s.
bool IntersectionAngle(const CurveDifference& d, long double s, long double& degrees);

} // namespace korvane
