#include "expr/Arithmetic.h"

#include <cmath>

namespace korvane {

namespace {

long double Size(const ComplexValue& v) { return std::fabs(v.re) + std::fabs(v.im); }

SharedConstants ComputeConstants() {
    SharedConstants c{};
    c.pi = 3.14159265358979323846264338327950288L;
    c.sqrtPi = std::sqrt(c.pi);
    c.lnSqrtPi = std::log(c.sqrtPi);
    c.twoOverSqrtPi = 2.0L / c.sqrtPi;
    c.sqrtTwoPi = std::sqrt(2.0L * c.pi);
    c.invSqrtTwoPi = 1.0L / c.sqrtTwoPi;
    c.sqrt2 = std::sqrt(2.0L);
    c.sqrt3 = std::sqrt(3.0L);
    c.sqrt3Half = c.sqrt3 / 2.0L;
    c.phi = (std::sqrt(5.0L) + 1.0L) / 2.0L;
    c.ln10 = std::log(10.0L);
    c.e5000 = std::exp(kExponentLimit);
    c.eMinus5000 = std::exp(-kExponentLimit);
    return c;
}

// Flushes a quotient or product to zero, or reports overflow, by its |Re| + |Im|.
bool GuardResult(ComplexValue& result) {
    const long double s = Size(result);
    if (s > kInfinity || std::isnan(s))
        return false;
    if (s < kZeroTolerance)
        result = kComplexZero;
    return true;
}

bool MultiplyReal(int classA, int classB, const ComplexValue& a, const ComplexValue& b,
                  ComplexValue& result) {
    if ((classA < 4 && classB < 4) || (classA == 4 && classB == 3) || (classA == 3 && classB == 4)) {
        // NaN counts as normal; its product is still no number.
        result = {a.re * b.re, 0.0L};
        return !std::isnan(result.re);
    }
    const long double sign = ((a.re > 0) == (b.re > 0)) ? 1.0L : -1.0L;
    if ((classA == 2 && classB == 4) || (classA == 4 && classB == 2)) {
        // Tiny times huge: the logarithms keep the product from underflowing.
        const long double s = std::log(std::fabs(a.re)) + std::log(std::fabs(b.re));
        if (std::fabs(s) < 42.0L) {
            result = {sign * std::exp(s), 0.0L};
            return true;
        }
    }
    result = {sign * kInfinity, 0.0L};
    return false;
}

} // namespace

const SharedConstants& Constants() {
    static const SharedConstants constants = ComputeConstants();
    return constants;
}

int MagnitudeClass(const ComplexValue& v) {
    const long double s = Size(v);
    const SharedConstants& c = Constants();
    if (s <= c.eMinus5000)
        return 1;
    if (s <= kZeroTolerance)
        return 2;
    if (s < kInfinity || std::isnan(s))
        return 3;
    if (s < c.e5000)
        return 4;
    return 5;
}

bool Multiply(bool complexMode, const ComplexValue& a, const ComplexValue& b, ComplexValue& result) {
    const int classA = MagnitudeClass(a);
    const int classB = MagnitudeClass(b);
    if (!complexMode)
        return MultiplyReal(classA, classB, a, b, result);
    if (classA >= 4 || classB >= 4) {
        result = {kInfinity, kInfinity};
        return false;
    }
    result = {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re};
    return GuardResult(result);
}

bool Divide(bool complexMode, const ComplexValue& a, const ComplexValue& b, ComplexValue& result) {
    if (Size(a) > kInfinity || Size(b) < kZeroTolerance) {
        result = kComplexOne;
        return false;
    }
    if (!complexMode) {
        result = {a.re / b.re, 0.0L};
        return GuardResult(result);
    }
    // The true |b|^2: step 2 already refused divisors below 1e-18, and raising d to a
    // floor here would spoil every quotient by a divisor between 1e-18 and 1e-9.
    long double br = b.re;
    long double bi = b.im;
    long double scale = 1.0L;
    const long double largest = std::fmax(std::fabs(br), std::fabs(bi));
    if (largest > 1e2000L) { // |b|^2 would leave the range of the format
        scale = 1.0L / largest;
        br *= scale;
        bi *= scale;
    }
    const long double d = br * br + bi * bi;
    result = {(a.re * br + a.im * bi) / d * scale, (a.im * br - a.re * bi) / d * scale};
    return GuardResult(result);
}

bool IsExactInteger(const ComplexValue& v, long double& n) {
    n = RoundHalfDown(v.re);
    return std::fabs(n - v.re) < kZeroTolerance && std::fabs(v.im) < kZeroTolerance;
}

long double PointAngle(long double x, long double y) {
    const long double pi = Constants().pi;
    if (std::fabs(x) >= kZeroTolerance) {
        long double angle = std::atan(y / x);
        if (x < 0)
            angle += (y >= 0) ? pi : -pi;
        return angle;
    }
    return (y >= 0) ? pi / 2.0L : -pi / 2.0L;
}

} // namespace korvane
