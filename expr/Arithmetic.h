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

// Rounds a value in [0, 2^31) half toward zero. Every curve sample passes here twice, so
// it stays clear of floor and of truncating conversions, which both switch the x87 control
// word: 2^63 has a unit last place, so adding and taking it away rounds to nearest in the
// current mode, and a tie that went up is taken back.
inline long double RoundNonNegative(long double a) {
    constexpr long double kUnitLastPlace = 0x1p63L;
    long double n = (a + kUnitLastPlace) - kUnitLastPlace;
    if (a - n == -0.5L)
        n -= 1;
    return n;
}

// Rounds half toward zero and saturates at +-2147483647; NaN stays NaN.
inline long double RoundHalfDown(long double x) {
    const bool negative = x < 0;
    const long double a = negative ? -x : x;
    if (!(a <= kIntegerRange))
        return a > kIntegerRange ? (negative ? -kIntegerRange : kIntegerRange) : x;
    const long double n = RoundNonNegative(a);
    return negative ? -n : n;
}
// True when v is the integer n = RoundHalfDown(Re v) within 1e-18, with Im v below 1e-18.
bool IsExactInteger(const ComplexValue& v, long double& n);
// Angle in (-pi, pi].
long double PointAngle(long double x, long double y);

} // namespace korvane
