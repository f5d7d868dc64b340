#include <cmath>

#include "expr/Arithmetic.h"
#include "expr/BuiltinFunctions.h"
#include "expr/ComplexFunctions.h"
#include "expr/EvalContext.h"

namespace korvane {

namespace {

// Coefficients of the continued fraction that corrects the Stirling term, K5 first.
constexpr long double kFraction[5] = {0.21542756221506607L, 2.9914210678640645L, 0.3310636497758604L,
                                      5.450392255494851L, 0.7125185551707076L};

long double StirlingCorrection(long double t) {
    long double c = 0.0L;
    for (long double k : kFraction)
        c = 1.0L / (c + t * k);
    return 1.0L / (1.0L + 1.0L / (c + 24.0L * t - 0.5L));
}

bool RealGamma(EvalContext& ctx, long double x, long double& result) {
    bool bad = false;
    const long double pi = Constants().pi;
    const long double n = RoundHalfDown(x);
    if (n < 1 && std::fabs(x - n) < ctx.tolerance)
        bad = true; // a pole
    if (std::fabs(x) < kZeroTolerance)
        bad = true;
    bool reflected = false;
    long double reflection = 0.0L;
    if (x < 0) {
        const long double s = std::sin(pi * x);
        if (std::fabs(s) <= kZeroTolerance)
            bad = true;
        else
            reflection = pi * (1.0L - x) / s;
        x = 2.0L - x;
        reflected = true;
    }
    const long double p = (x + 1.0L) * x * (x + 2.0L) * (x + 3.0L) * (x + 4.0L) * (x + 5.0L);
    const long double t = x + 5.5L;
    const long double l = t * std::log(t) - t;
    if (std::fabs(l) >= kExponentLimit)
        bad = true;
    if (bad) {
        ctx.nearBreak = true;
        result = 0.0L;
        return false;
    }
    result = Constants().sqrtTwoPi * (std::exp(l) / p) * StirlingCorrection(t);
    if (reflected)
        result = reflection / result;
    return true;
}

ComplexValue Mul(const ComplexValue& a, const ComplexValue& b) {
    return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re};
}

ComplexValue Add(const ComplexValue& a, const ComplexValue& b) { return {a.re + b.re, a.im + b.im}; }

ComplexValue Quotient(const ComplexValue& a, const ComplexValue& b) {
    const long double d = b.re * b.re + b.im * b.im;
    return {(a.re * b.re + a.im * b.im) / d, (a.im * b.re - a.re * b.im) / d};
}

ComplexValue Shift(const ComplexValue& z, long double k) { return {z.re + k, z.im}; }

bool ComplexGamma(ComplexValue z, ComplexValue& result) {
    result = kComplexZero;
    const long double pi = Constants().pi;
    const long double n = RoundHalfDown(z.re);
    if (n < 1 && std::fabs(z.re - n) + std::fabs(z.im) < kZeroTolerance)
        return false;
    bool reflected = false;
    ComplexValue reflection;
    if (z.re < 0) {
        ComplexValue w;
        if (!complexfn::Sin({pi * z.re, pi * z.im}, w) ||
            !Divide(true, {pi * (1.0L - z.re), -pi * z.im}, w, reflection))
            return false;
        z = {2.0L - z.re, -z.im};
        reflected = true;
    }
    ComplexValue p = Mul(Shift(z, 1.0L), z);
    for (long double k = 2.0L; k <= 5.0L; k += 1.0L)
        p = Mul(p, Shift(z, k));
    const ComplexValue t = Shift(z, 5.5L);
    ComplexValue lnT;
    ComplexValue power;
    if (!complexfn::Ln(t, lnT))
        return false;
    const ComplexValue tLnT = Mul(t, lnT);
    if (!complexfn::Exp({tLnT.re - t.re, tLnT.im - t.im}, power))
        return false;
    // Guarded only at the end: e^L and P are far beyond 1e18 long before their
    // quotient is, and guarding them would refuse gamma(14).
    ComplexValue c = kComplexZero;
    for (long double k : kFraction)
        c = Quotient(kComplexOne, Add(c, {t.re * k, t.im * k}));
    const ComplexValue tail = Add(kComplexOne, Quotient(kComplexOne, {c.re + 24.0L * t.re - 0.5L, c.im + 24.0L * t.im}));
    ComplexValue value = Quotient(power, p);
    const long double root = Constants().sqrtTwoPi;
    value = Quotient({root * value.re, root * value.im}, tail);
    if (reflected)
        return Divide(true, reflection, value, result);
    return Divide(true, value, kComplexOne, result);
}

} // namespace

bool Gamma(EvalContext& ctx, const ComplexValue& z, ComplexValue& result) {
    if (ctx.complexMode)
        return ComplexGamma(z, result);
    long double value = 0.0L;
    const bool defined = RealGamma(ctx, z.re, value);
    result = {value, 0.0L};
    return defined;
}

} // namespace korvane
