#pragma once
// The function whose zeros are the intersections of two plane curves, for each pair of
// kinds the intersection dialog offers. One curve runs along its parameter s and g(s)
// measures how far its point lies from the other curve:
// - the other is a line or a segment a x + b y = c: g = a x(s) + b y(s) - c, and for a
//   segment the point must lie between its ends;
// - the other is explicit y = f(x): g = y(s) - f(x(s)), with x(s) inside f's interval;
// - both are parametrised (polar or parametric) and compared at the same value t of their
//   parameter: for two polar curves g = r1(t) - r2(t), the same direction at the same
//   angle; otherwise g = |a(t) - b(t)|, which touches zero where the two points meet.
// Two parametrised curves that may meet at different parameters have no such function:
// CurveCrossings.h finds where they meet.
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
    // Where g only touches zero: the largest |g| that counts as a zero (0: the default).
    long double touchLimit = 0;
};

// Both polar or parametric: their meeting points need a search on two parameters unless
// they are compared at the same parameter value.
bool BothParametrised(const PlaneCurve& a, const PlaneCurve& b);

CurveDifference MakeCurveDifference(const PlaneCurve& a, const PlaneCurve& b, bool sameParameter);

// The angle in degrees (0 to 90) between the two curves where the running one is at s.
bool IntersectionAngle(const CurveDifference& d, long double s, long double& degrees);
// The same where a is at s and b at t.
bool CrossingAngle(const PlaneCurve& a, long double s, const PlaneCurve& b, long double t,
                   long double& degrees);

} // namespace korvane
