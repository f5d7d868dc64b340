#pragma once
// The guarded arithmetic shared by the evaluator and the function library: magnitude
// classes, Multiply and Divide with their 1e18 / 1e-18 rules, rounding and angles.
#include "expr/ComplexValue.h"

namespace korvane {

inline constexpr long double kInfinity = 1e18L;      // "infinity" of the language
inline constexpr long double kZeroTolerance = 1e-18L;
inline constexpr long double kExponentLimit = 5000.0L;
inline constexpr long double kTrigLimit = 5e18L;
inline constexpr long double kIntegerRange = 2147483647.0L;
inline constexpr long double kIntegerTolerance = 1e-9L; // of sum/prod bounds

// Computed once, at first use (which is program start in practice).
struct SharedConstants {
    long double sqrtPi, lnSqrtPi, twoOverSqrtPi, sqrtTwoPi, invSqrtTwoPi;
    long double sqrt2, sqrt3, sqrt3Half;
    long double phi;
    long double ln10;
    long double e5000, eMinus5000;
    long double pi;
};
const SharedConstants& Constants();

// 1 nought, 2 tiny, 3 normal (also NaN), 4 huge, 5 enormous.
int MagnitudeClass(const ComplexValue& v);

// Return the defined flag; the result is written even when undefined.
bool Multiply(bool complexMode, const ComplexValue& a, const ComplexValue& b, ComplexValue& result);
bool Divide(bool complexMode, const ComplexValue& a, const ComplexValue& b, ComplexValue& result);

long double RoundHalfDown(long double x);
// True when v is the integer n = RoundHalfDown(Re v) within 1e-18, with Im v below 1e-18.
bool IsExactInteger(const ComplexValue& v, long double& n);
// Angle in (-pi, pi].
long double PointAngle(long double x, long double y);

} // namespace korvane
