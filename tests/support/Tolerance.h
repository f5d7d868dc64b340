#pragma once
// The one tolerance rule of the tests: a relative difference with an absolute floor near
// zero, on the complex modulus for complex values.
#include <cmath>
#include <cstdio>
#include <string>

#include "expr/ComplexValue.h"

namespace korvane::testing {

// Below this distance two values count as equal whatever their size: a tenth of the
// language's zero, so that a result meant to vanish may carry rounding noise.
inline constexpr long double kAbsoluteFloor = 1e-19L;

inline long double Distance(const ComplexValue& a, const ComplexValue& b) {
    return std::hypot(a.re - b.re, a.im - b.im);
}

inline bool Close(const ComplexValue& actual, const ComplexValue& expected, long double tolerance,
                  long double floor = kAbsoluteFloor) {
    const long double size = std::hypot(expected.re, expected.im);
    return Distance(actual, expected) <= std::fmax(tolerance * size, floor);
}

inline bool Close(long double actual, long double expected, long double tolerance,
                  long double floor = kAbsoluteFloor) {
    return std::fabs(actual - expected) <= std::fmax(tolerance * std::fabs(expected), floor);
}

// The same rule with the floor at the tolerance itself: relative above 1, absolute below.
inline bool Near(long double actual, long double expected, long double tolerance) {
    return Close(actual, expected, tolerance, tolerance);
}

inline std::string Show(const ComplexValue& v) {
    char text[96];
    std::snprintf(text, sizeof text, "(%.21Lg, %.21Lg)", v.re, v.im);
    return text;
}

} // namespace korvane::testing
