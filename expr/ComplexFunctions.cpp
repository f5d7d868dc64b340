#include "expr/ComplexFunctions.h"

#include <cmath>
#include <complex>

#include "expr/Arithmetic.h"

namespace korvane::complexfn {

namespace {

using Std = std::complex<long double>;

inline ComplexValue Add(const ComplexValue& a, const ComplexValue& b) { return {a.re + b.re, a.im + b.im}; }
inline ComplexValue Sub(const ComplexValue& a, const ComplexValue& b) { return {a.re - b.re, a.im - b.im}; }
inline ComplexValue Mul(const ComplexValue& a, const ComplexValue& b) {
    return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re};
}
inline ComplexValue TimesI(const ComplexValue& z) { return {-z.im, z.re}; }
inline ComplexValue TimesMinusI(const ComplexValue& z) { return {z.im, -z.re}; }
inline long double Size(const ComplexValue& z) { return std::fabs(z.re) + std::fabs(z.im); }
inline long double Norm(const ComplexValue& z) { return z.re * z.re + z.im * z.im; }
inline ComplexValue FromStd(const Std& s) { return {s.real(), s.imag()}; }

// |z| below the language's zero counts as the origin (|z|^2 against 1e-36, so that the
// complex functions agree with the real ones down to 1e-18).
constexpr long double kZeroNorm = kZeroTolerance * kZeroTolerance;

long double Modulus(const ComplexValue& z) {
    const long double n = Norm(z);
    if (std::isfinite(n) && n > 1e-4000L)
        return std::sqrt(n);
    return std::hypot(z.re, z.im);
}

// ln|z| without losing the digits when |z| is close to 1.
long double LogModulus(const ComplexValue& z) {
    const long double n = Norm(z);
    if (n > 0.5L && n < 2.0L) {
        const bool reLarger = std::fabs(z.re) >= std::fabs(z.im);
        const long double big = reLarger ? z.re : z.im;
        const long double small = reLarger ? z.im : z.re;
        return 0.5L * std::log1p((big - 1.0L) * (big + 1.0L) + small * small);
    }
    if (std::isfinite(n) && n > 1e-4000L)
        return 0.5L * std::log(n);
    return std::log(std::hypot(z.re, z.im));
}

// e^(iz) and e^(-iz) of the trigonometric rules both exist. Both are taken by EXP, like
// e^z and e^(-z) of the hyperbolic ones: as a reciprocal by Divide, the smaller of the
// two would fail below 1e-18, so that cos(50i) failed while cos(-50i) did not.
bool ExpIzPairDefined(const ComplexValue& z) {
    return Size(z) <= kInfinity && std::fabs(z.im) < kExponentLimit;
}

// ARCTAN's ln((1 + iz)/(1 - iz)) exists.
bool ArctanDefined(const ComplexValue& z) {
    ComplexValue q;
    if (!Divide(true, {1.0L - z.im, z.re}, {1.0L + z.im, -z.re}, q))
        return false;
    return Norm(q) >= kZeroNorm;
}

// A zero imaginary part picks a side of a branch cut; the stated formulas take the
// side below the cut for x > 1 and above it for x < -1.
long double CutSideBelowForPositive(long double re, long double im) {
    if (im != 0.0L)
        return im;
    return re > 0 ? -0.0L : 0.0L;
}

} // namespace

bool Exp(const ComplexValue& z, ComplexValue& result) {
    result = kComplexZero;
    if (Size(z) > kInfinity)
        return false;
    if (std::fabs(z.re) >= kExponentLimit)
        return z.re < 0;
    const long double m = std::exp(z.re);
    result = {m * std::cos(z.im), m * std::sin(z.im)};
    return true;
}

bool Ln(const ComplexValue& z, ComplexValue& result) {
    result = kComplexZero;
    if (Norm(z) < kZeroNorm)
        return false;
    result = {LogModulus(z), PointAngle(z.re, z.im)};
    return true;
}

void Sqrt(const ComplexValue& z, ComplexValue& result) {
    if (Norm(z) < kZeroNorm) {
        result = kComplexZero;
        return;
    }
    // The principal root by halving the angle, without the trigonometric calls; the
    // negative real axis (either zero) maps to the positive imaginary axis, as arg does.
    const long double t = std::sqrt((Modulus(z) + std::fabs(z.re)) / 2.0L);
    if (z.re >= 0)
        result = {t, z.im / (2.0L * t)};
    else
        result = {std::fabs(z.im) / (2.0L * t), z.im >= 0 ? t : -t};
}

bool Root(long double n, const ComplexValue& z, ComplexValue& result) {
    result = kComplexZero;
    if (Norm(z) < kZeroNorm)
        return n > 0;
    const long double angle = PointAngle(z.re, z.im) / n;
    const long double m = std::exp(LogModulus(z) / n);
    result = {m * std::cos(angle), m * std::sin(angle)};
    return true;
}

bool Power(const ComplexValue& base, const ComplexValue& exponent, ComplexValue& result) {
    ComplexValue logBase;
    ComplexValue product;
    result = kComplexZero;
    return Ln(base, logBase) && Multiply(true, exponent, logBase, product) && Exp(product, result);
}

bool Cis(const ComplexValue& z, ComplexValue& result) {
    if (std::fabs(z.im) >= kZeroTolerance)
        return Exp({-z.im, z.re}, result);
    result = {std::cos(z.re), std::sin(z.re)};
    return true;
}

bool Abs(const ComplexValue& z, ComplexValue& result) {
    result = {Norm(z) < kZeroNorm ? 0.0L : Modulus(z), 0.0L};
    return true;
}

bool Sgn(const ComplexValue& z, ComplexValue& result) {
    const long double m = Modulus(z);
    if (m <= kZeroTolerance) {
        result = kComplexZero;
        return false;
    }
    result = {z.re / m, z.im / m};
    return true;
}

bool Sin(const ComplexValue& z, ComplexValue& result) {
    result = kComplexZero;
    if (!ExpIzPairDefined(z))
        return false;
    const long double c = std::cos(z.re);
    const long double s = std::sin(z.re);
    result = {s * std::cosh(z.im), c * std::sinh(z.im)};
    return true;
}

bool Cos(const ComplexValue& z, ComplexValue& result) {
    result = kComplexZero;
    if (!ExpIzPairDefined(z))
        return false;
    const long double c = std::cos(z.re);
    const long double s = std::sin(z.re);
    result = {c * std::cosh(z.im), -s * std::sinh(z.im)};
    return true;
}

bool Tan(const ComplexValue& z, ComplexValue& result) {
    ComplexValue t;
    const bool defined = Tanh(TimesI(z), t);
    result = TimesMinusI(t);
    return defined;
}

bool Sinh(const ComplexValue& z, ComplexValue& result) {
    result = kComplexZero;
    if (Size(z) > kInfinity || std::fabs(z.re) >= kExponentLimit)
        return false;
    result = {std::sinh(z.re) * std::cos(z.im), std::cosh(z.re) * std::sin(z.im)};
    return true;
}

bool Cosh(const ComplexValue& z, ComplexValue& result) {
    result = kComplexZero;
    if (Size(z) > kInfinity || std::fabs(z.re) >= kExponentLimit)
        return false;
    result = {std::cosh(z.re) * std::cos(z.im), std::sinh(z.re) * std::sin(z.im)};
    return true;
}

bool Tanh(const ComplexValue& z, ComplexValue& result) {
    result = kComplexZero;
    const long double a = std::fabs(z.re);
    if (2.0L * Size(z) > kInfinity)
        return false;
    const long double sb = std::sin(z.im);
    const long double cb = std::cos(z.im);
    if (a > 24.0L) { // tanh is 1 to the last digit; e^(-2a) keeps the imaginary part
        result = {std::copysign(1.0L, z.re), 4.0L * sb * cb * std::exp(-2.0L * a)};
        return true;
    }
    // (w - 1)/(w + 1) with w = e^(2z) overflows long before tanh does. With w = e^(-2z)
    // on the right half plane (e^(2z) on the left) it cannot; the poles are where 1 + w
    // vanishes. Everything comes from one expm1: sinh, cosh and |w| = e^(-2a).
    const long double em = std::expm1(a);
    const long double ea = em + 1.0L;
    const long double inverse = 1.0L / ea;
    const long double decay = inverse * inverse;
    const ComplexValue onePlusW = {em * (em + 2.0L) * decay + 2.0L * decay * cb * cb, 2.0L * decay * sb * cb};
    if (Size(onePlusW) < kZeroTolerance)
        return false;
    const long double sh = std::copysign((em + em * inverse) / 2.0L, z.re);
    const long double ch = (ea + inverse) / 2.0L;
    const long double den = sh * sh + cb * cb; // (cosh 2a + cos 2b)/2 without cancelling
    if (den == 0.0L)
        return false;
    result = {sh * ch / den, sb * cb / den};
    if (Size(result) > kInfinity)
        return false;
    if (Size(result) < kZeroTolerance)
        result = kComplexZero;
    return true;
}

bool Arctan(const ComplexValue& z, ComplexValue& result) {
    result = kComplexZero;
    if (!ArctanDefined(z))
        return false;
    // +0 on both axes puts the cut values where ln((1 + iz)/(1 - iz)) puts them.
    result = FromStd(std::atan(Std(z.re + 0.0L, z.im + 0.0L)));
    return true;
}

bool Arcsin(const ComplexValue& z, ComplexValue& result) {
    result = FromStd(std::asin(Std(z.re, CutSideBelowForPositive(z.re, z.im))));
    return true;
}

bool Arccos(const ComplexValue& z, ComplexValue& result) {
    // -i ln(z + sqrt(z^2 - 1)) as stated, but the two roots z + s and z - s are each
    // other's reciprocals: take the logarithm of the larger one, never of a difference
    // of nearly equal numbers.
    const ComplexValue zMinus = {z.re - 1.0L, z.im};
    const ComplexValue zPlus = {z.re + 1.0L, z.im};
    ComplexValue s;
    Sqrt(Mul(zMinus, zPlus), s);
    const ComplexValue u1 = Add(z, s);
    const ComplexValue u2 = Sub(z, s);
    ComplexValue logU;
    if (Norm(u1) >= Norm(u2)) {
        Ln(u1, logU);
    } else {
        Ln(u2, logU);
        const long double pi = Constants().pi;
        logU = {-logU.re, logU.im == pi ? pi : -logU.im};
    }
    result = TimesMinusI(logU);
    return true;
}

bool Arccot(const ComplexValue& z, ComplexValue& result) {
    ComplexValue t;
    const bool defined = Arctan(z, t);
    result = {Constants().pi / 2.0L - t.re, -t.im};
    return defined;
}

bool Argsinh(const ComplexValue& z, ComplexValue& result) {
    ComplexValue w;
    const bool defined = Arcsin(TimesI(z), w);
    result = TimesMinusI(w);
    return defined;
}

bool Argcosh(const ComplexValue& z, ComplexValue& result) {
    // The principal inverse, ln(z + sqrt(z + 1) sqrt(z - 1)): positive on x > 1 as in
    // real mode. Rotating arccos by -i would give its negative there.
    result = FromStd(std::acosh(Std(z.re + 0.0L, z.im + 0.0L)));
    return true;
}

bool Argtanh(const ComplexValue& z, ComplexValue& result) {
    result = kComplexZero;
    if (!ArctanDefined(TimesI(z)))
        return false;
    // -i arctan(iz) takes -pi/2 on both halves of the cut.
    result = FromStd(std::atanh(Std(z.re, z.im == 0.0L ? -0.0L : z.im)));
    return true;
}

bool Argcoth(const ComplexValue& z, ComplexValue& result) {
    // argtanh(1/z), the true inverse of coth (i arccot(z) is not one), written in three
    // ways so that no digits are lost near the poles at +-1.
    result = kComplexZero;
    if (Size(z) < kZeroTolerance)
        return false;
    const long double pi = Constants().pi;
    if (z.im == 0.0L) {
        const long double a = std::fabs(z.re);
        if (a == 1.0L)
            return false;
        if (a > 1.0L)
            result = {std::copysign(0.5L * std::log1p(2.0L / (a - 1.0L)), z.re), 0.0L};
        else
            result = {std::atanh(z.re), z.re > 0 ? -pi / 2.0L : pi / 2.0L};
        return true;
    }
    if (Modulus(z) > 2.0L) {
        ComplexValue w;
        if (!Divide(true, kComplexOne, z, w))
            return false;
        result = FromStd(std::atanh(Std(w.re, w.im)));
        return true;
    }
    // 1/2 ln((z + 1)/(z - 1)) on the right half plane, odd symmetry on the left.
    const long double sign = z.re >= 0 ? 1.0L : -1.0L;
    const ComplexValue u = {sign * z.re, sign * z.im};
    const ComplexValue below = {u.re - 1.0L, u.im};
    const long double d = Norm(below);
    const ComplexValue q = {((u.re + 1.0L) * below.re + u.im * below.im) / d,
                            (u.im * below.re - (u.re + 1.0L) * below.im) / d};
    ComplexValue logQ;
    if (!Ln(q, logQ))
        return false;
    result = {sign * logQ.re / 2.0L, sign * logQ.im / 2.0L};
    return true;
}

bool Reciprocal(bool defined, const ComplexValue& value, ComplexValue& result) {
    if (!defined) {
        result = kComplexZero;
        return false;
    }
    return Divide(true, kComplexOne, value, result);
}

} // namespace korvane::complexfn
