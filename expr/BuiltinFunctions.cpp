#include "expr/BuiltinFunctions.h"

#include <cmath>
#include <cstdint>

#include "expr/Arithmetic.h"
#include "expr/ComplexFunctions.h"
#include "expr/EvalContext.h"
#include "expr/ExtendedMath.h"
#include "expr/Opcodes.h"
#include "expr/RandomGenerator.h"

namespace korvane {

namespace {

constexpr long double kFactorialLimit = 32767.0L;
constexpr long double kGaussLimit = 10.0L;

inline bool Real(long double value, ComplexValue& result) {
    result = {value, 0.0L};
    return true;
}

inline bool Undefined(ComplexValue& result) {
    result = kComplexZero;
    return false;
}

inline void FlagIf(EvalContext& ctx, bool nearJump) {
    if (nearJump)
        ctx.nearBreak = true;
}

// --- powers -------------------------------------------------------------------------

bool RealPower(long double b, long double n, ComplexValue& result) {
    if (b < 0)
        return Undefined(result);
    long double l = -kExponentLimit;
    if (b >= kZeroTolerance)
        l = std::log(b);
    else if (n < 0)
        return Undefined(result); // nought to a negative power is a pole, not e^(5000|n|)
    const long double s = l * n;
    if (s < -kExponentLimit)
        return Real(0.0L, result);
    if (s > kExponentLimit)
        return Undefined(result);
    return Real(std::exp(s), result);
}

bool PowerOperator(bool complexMode, const ComplexValue& base, const ComplexValue& exponent,
                   ComplexValue& result) {
    long double n = 0.0L;
    if (IsExactInteger(exponent, n))
        return IntegerPower(complexMode, base, n, result);
    if (complexMode)
        return complexfn::Power(base, exponent, result);
    return RealPower(base.re, exponent.re, result);
}

bool Pow(bool complexMode, const ComplexValue& n, const ComplexValue& x, ComplexValue& result) {
    long double k = 0.0L;
    if (!IsExactInteger(n, k))
        return Undefined(result);
    return IntegerPower(complexMode, x, k, result);
}

bool RealRoot(long double n, long double x, ComplexValue& result) {
    if (x < 0 && std::fmod(n, 2.0L) == 0.0L)
        return Undefined(result);
    const long double a = std::fabs(x);
    if (a < kZeroTolerance)
        return n > 0 ? Real(0.0L, result) : Undefined(result);
    const long double sign = x < 0 ? -1.0L : 1.0L;
    return Real(sign * std::exp(std::log(a) / n), result);
}

bool Root(bool complexMode, const ComplexValue& n, const ComplexValue& x, ComplexValue& result) {
    long double k = 0.0L;
    if (!IsExactInteger(n, k) || k == 0.0L)
        return Undefined(result);
    if (complexMode)
        return complexfn::Root(k, x, result);
    return RealRoot(k, x.re, result);
}

bool RealSqrt(long double x, ComplexValue& result) {
    return x >= 0 ? Real(std::sqrt(x), result) : Undefined(result);
}

// --- exponential, logarithms --------------------------------------------------------

bool RealExp(long double x, ComplexValue& result) {
    if (std::fabs(x) >= kExponentLimit)
        return x > 0 ? Undefined(result) : Real(0.0L, result);
    return Real(ExtendedExp(x), result);
}

bool RealLn(long double x, ComplexValue& result) {
    return x >= kZeroTolerance ? Real(std::log(x), result) : Undefined(result);
}

bool ComplexLog(const ComplexValue& z, ComplexValue& result) {
    const long double ln10 = Constants().ln10;
    const bool defined = complexfn::Ln(z, result);
    result = {result.re / ln10, result.im / ln10};
    return defined;
}

bool LogBase(bool complexMode, const ComplexValue& b, const ComplexValue& x, ComplexValue& result) {
    ComplexValue lnX;
    ComplexValue lnB;
    const bool defined = complexMode ? complexfn::Ln(x, lnX) && complexfn::Ln(b, lnB)
                                     : RealLn(x.re, lnX) && RealLn(b.re, lnB);
    return defined ? Divide(complexMode, lnX, lnB, result) : Undefined(result);
}

// --- trigonometric, real mode -------------------------------------------------------

bool RealSin(long double x, ComplexValue& result) {
    return std::fabs(x) <= kTrigLimit ? Real(ExtendedSin(x), result) : Undefined(result);
}

bool RealCos(long double x, ComplexValue& result) {
    return std::fabs(x) <= kTrigLimit ? Real(ExtendedCos(x), result) : Undefined(result);
}

bool RealTan(long double x, ComplexValue& result) {
    if (std::fabs(x) > kTrigLimit)
        return Undefined(result);
    long double s = 0.0L;
    long double c = 0.0L;
    ExtendedSinCos(x, s, c);
    if (std::fabs(c) < kZeroTolerance)
        return Undefined(result);
    return Real(s / c, result);
}

bool RealReciprocal(bool defined, const ComplexValue& value, ComplexValue& result) {
    return defined ? Divide(false, kComplexOne, value, result) : Undefined(result);
}

bool RealArcsin(const ComplexValue& z, ComplexValue& result) {
    return (z.im == 0 && std::fabs(z.re) <= 1.0L) ? Real(std::asin(z.re), result) : Undefined(result);
}

bool RealArccos(const ComplexValue& z, ComplexValue& result) {
    return (z.im == 0 && std::fabs(z.re) <= 1.0L) ? Real(std::acos(z.re), result) : Undefined(result);
}

// --- hyperbolic, real mode ----------------------------------------------------------

bool RealSinh(long double x, ComplexValue& result) {
    return std::fabs(x) >= kExponentLimit ? Undefined(result) : Real(std::sinh(x), result);
}

bool RealCosh(long double x, ComplexValue& result) {
    return std::fabs(x) >= kExponentLimit ? Undefined(result) : Real(std::cosh(x), result);
}

bool RealTanh(long double x, ComplexValue& result) {
    if (x >= kExponentLimit)
        return Real(1.0L, result);
    if (x <= -kExponentLimit)
        return Real(-1.0L, result);
    return Real(std::tanh(x), result);
}

bool RealSech(long double x, ComplexValue& result) {
    return Real(std::fabs(x) >= kExponentLimit ? 0.0L : 1.0L / std::cosh(x), result);
}

// csch and coth: a pole at 0, flagged within the tolerance.
bool RealCsch(EvalContext& ctx, long double x, ComplexValue& result) {
    FlagIf(ctx, std::fabs(x) < ctx.tolerance);
    if (std::fabs(x) >= kExponentLimit)
        return Real(0.0L, result);
    if (std::fabs(x) <= kZeroTolerance)
        return Undefined(result);
    const long double s = std::sinh(x);
    if (std::fabs(s) <= kZeroTolerance)
        return Real(std::copysign(kInfinity, x), result);
    return Real(1.0L / s, result);
}

bool RealCoth(EvalContext& ctx, long double x, ComplexValue& result) {
    FlagIf(ctx, std::fabs(x) < ctx.tolerance);
    if (std::fabs(x) >= kExponentLimit)
        return Real(std::copysign(1.0L, x), result);
    if (std::fabs(x) <= kZeroTolerance)
        return Undefined(result);
    const long double t = std::tanh(x);
    if (std::fabs(t) <= kZeroTolerance)
        return Real(std::copysign(kInfinity, x), result);
    return Real(1.0L / t, result);
}

// The inverse hyperbolic functions by their logarithm formulas, written so that no
// digits cancel (x + sqrt(x^2 + 1) for negative x, (1 + x)/(1 - x) near 0).
bool RealArgsinh(const ComplexValue& z, ComplexValue& result) {
    return z.im == 0 ? Real(std::asinh(z.re), result) : Undefined(result);
}

bool RealArgcosh(const ComplexValue& z, ComplexValue& result) {
    return (z.im == 0 && z.re >= 1.0L) ? Real(std::acosh(z.re), result) : Undefined(result);
}

bool RealArgtanh(const ComplexValue& z, ComplexValue& result) {
    if (z.im != 0 || std::fabs(z.re) + kZeroTolerance > 1.0L)
        return Undefined(result);
    return Real(std::atanh(z.re), result);
}

bool RealArgcoth(const ComplexValue& z, ComplexValue& result) {
    const long double a = std::fabs(z.re);
    if (z.im != 0 || !(a >= 1.0L + kZeroTolerance))
        return Undefined(result);
    // 1/2 ln((a + 1)/(a - 1)) = 1/2 ln(1 + 2/(a - 1))
    return Real(std::copysign(0.5L * std::log1p(2.0L / (a - 1.0L)), z.re), result);
}

// --- piecewise constant ---------------------------------------------------------------

bool Mod(EvalContext& ctx, long double a, long double b, ComplexValue& result) {
    const long double m = std::fabs(b);
    if (m < Constants().eMinus5000)
        return Undefined(result);
    const long double r = a - m * std::floor(a / m);
    FlagIf(ctx, r < ctx.tolerance);
    return Real(r, result);
}

bool NearHalfInteger(long double x, long double tolerance) {
    return std::fabs(x - std::floor(x) - 0.5L) < tolerance;
}

bool Gcd(EvalContext& ctx, long double a, long double b, ComplexValue& result) {
    if (!(std::fabs(a) <= kIntegerRange && std::fabs(b) <= kIntegerRange))
        return Undefined(result);
    FlagIf(ctx, NearHalfInteger(a, ctx.tolerance) || NearHalfInteger(b, ctx.tolerance));
    if (std::fabs(a) < 0.5L || std::fabs(b) < 0.5L)
        return Real(0.0L, result);
    auto p = static_cast<std::int64_t>(std::fabs(RoundHalfDown(a)));
    auto q = static_cast<std::int64_t>(std::fabs(RoundHalfDown(b)));
    while (q != 0) {
        const std::int64_t t = p % q;
        p = q;
        q = t;
    }
    return Real(static_cast<long double>(p), result);
}

// Past this many factors the product is taken from log-gamma instead: a count of up to
// 2147483647 factors that never overflow (binom(0.5, 2e9)) would freeze the evaluation.
constexpr std::int64_t kBinomLoopLimit = 1000000;

bool BinomByLogGamma(long double n, long double k, ComplexValue& result) {
    const long double m = std::round(n);
    if (n >= 0.0L && m == n && n < k)
        return Real(0.0L, result); // a zero factor
    if (m == n && n < 0.0L) {
        // binom(n, k) = (-1)^k binom(k - n - 1, k) for a negative integer n
        const long double logValue = lgammal(k - n) - lgammal(k + 1.0L) - lgammal(-n);
        if (logValue > std::log(kInfinity))
            return Undefined(result);
        const long double value = std::round(std::exp(logValue));
        return Real(std::fmod(k, 2.0L) == 0.0L ? value : -value, result);
    }
    int signA = 1, signB = 1;
    const long double logValue = lgammal_r(n + 1.0L, &signA) - lgammal(k + 1.0L) -
                                 lgammal_r(n - k + 1.0L, &signB);
    if (logValue > std::log(kInfinity))
        return Undefined(result);
    return Real(static_cast<long double>(signA * signB) * std::exp(logValue), result);
}

bool Binom(const ComplexValue& n, const ComplexValue& r, ComplexValue& result) {
    long double k = 0.0L;
    if (!IsExactInteger(r, k))
        return Undefined(result);
    long double value = 1.0L;
    const auto count = static_cast<std::int64_t>(k);
    if (count > kBinomLoopLimit)
        return BinomByLogGamma(n.re, k, result);
    for (std::int64_t i = 0; i < count; ++i) {
        value = value * (n.re - static_cast<long double>(i)) / (k - static_cast<long double>(i));
        if (std::fabs(value) > kInfinity)
            return Undefined(result);
        if (value == 0.0L)
            break; // an integer n below r: every further factor keeps it 0
    }
    return Real(value, result);
}

bool Steps(EvalContext& ctx, int opcode, long double x, ComplexValue& result) {
    const long double tol = ctx.tolerance;
    switch (opcode) {
    case op::Int: {
        const long double i = std::trunc(x);
        FlagIf(ctx, std::fabs(x - i) < tol);
        return Real(i, result);
    }
    case op::Frac: {
        const long double f = x - std::trunc(x);
        FlagIf(ctx, std::fabs(f) < tol);
        return Real(f, result);
    }
    case op::Floor: {
        const long double f = std::floor(x);
        FlagIf(ctx, x - f < tol);
        return Real(f, result);
    }
    case op::Ceil: {
        const long double c = std::ceil(x);
        FlagIf(ctx, c - x < tol);
        return Real(c, result);
    }
    case op::Hvs:
        FlagIf(ctx, std::fabs(x) < tol);
        return Real(x >= 0 ? 1.0L : 0.0L, result);
    default: // op::Sgn in real mode
        FlagIf(ctx, std::fabs(x) < tol);
        return Real(x >= 0 ? 1.0L : -1.0L, result);
    }
}

// --- special functions, several arguments, the rest -------------------------------------

bool Factorial(EvalContext& ctx, const ComplexValue& z, ComplexValue& result) {
    if (std::fabs(z.re) > kFactorialLimit)
        return Undefined(result);
    return Gamma(ctx, {z.re + 1.0L, z.im}, result);
}

bool Gauss(long double x, ComplexValue& result) {
    if (std::fabs(x) > kGaussLimit)
        return Real(0.0L, result);
    return Real(ExtendedExp(-x * x / 2.0L) * Constants().invSqrtTwoPi, result);
}

bool Random(EvalContext& ctx, const ComplexValue& x, ComplexValue& result) {
    const long double factor = 2.0L * ctx.random->Uniform(0.0L, 1.0L) - 1.0L;
    result = {x.re * factor, x.im * factor};
    return true;
}

bool RealAbs(long double x, ComplexValue& result) {
    const long double a = std::fabs(x);
    return Real(a < kZeroTolerance ? 0.0L : a, result);
}

// Functions that read only real parts, or that are the same in both modes.
bool EvaluateCommon(EvalContext& ctx, int opcode, const ComplexValue& left, const ComplexValue& right,
                    ComplexValue& result, bool& handled) {
    handled = true;
    const long double x = right.re;
    switch (opcode) {
    case op::Power: return PowerOperator(ctx.complexMode, left, right, result);
    case op::Pow: return Pow(ctx.complexMode, left, right, result);
    case op::Root: return Root(ctx.complexMode, left, right, result);
    case op::Lg: return LogBase(ctx.complexMode, left, right, result);
    case op::Int: case op::Frac: case op::Floor: case op::Ceil: case op::Hvs:
        return Steps(ctx, opcode, x, result);
    case op::Mod: return Mod(ctx, left.re, right.re, result);
    case op::Gcd: return Gcd(ctx, left.re, right.re, result);
    case op::Binom: return Binom(left, right, result);
    case op::Max: return Real(left.re < right.re ? right.re : left.re, result);
    case op::Min: return Real(left.re < right.re ? left.re : right.re, result);
    case op::Gamma: return Gamma(ctx, right, result);
    case op::Fact: return Factorial(ctx, right, result);
    case op::Erf: return Real(ErrorFunction(x), result);
    case op::Gauss: return Gauss(x, result);
    case op::Rand: return Random(ctx, right, result);
    case op::Arg: return Real(PointAngle(right.re, right.im), result);
    case op::Arg2: return Real(PointAngle(left.re, right.re), result);
    case op::Re: return Real(right.re, result);
    case op::Im: return Real(right.im, result);
    case op::Conj: result = {right.re, -right.im}; return true;
    case op::Pi: return Real(Constants().pi, result);
    case op::Phi: return Real(Constants().phi, result);
    case op::Deg: return Real(Constants().pi / 180.0L, result);
    case op::Pinf: return Real(kInfinity, result);
    case op::Ninf: return Real(-kInfinity, result);
    default: handled = false; return false;
    }
}

bool EvaluateReal(EvalContext& ctx, int opcode, const ComplexValue& z, ComplexValue& result) {
    const long double x = z.re;
    ComplexValue inner;
    switch (opcode) {
    case op::Sqrt: return RealSqrt(x, result);
    case op::Exp: return RealExp(x, result);
    case op::Ln: return RealLn(x, result);
    case op::Log: return x >= kZeroTolerance ? Real(std::log10(x), result) : Undefined(result);
    case op::Cis: return Real(ExtendedCos(x), result); // real-mode callers see cos x only
    case op::Sin: return RealSin(x, result);
    case op::Cos: return RealCos(x, result);
    case op::Tan: return RealTan(x, result);
    case op::Sec: return RealReciprocal(RealCos(x, inner), inner, result);
    case op::Csc: return RealReciprocal(RealSin(x, inner), inner, result);
    case op::Cot: return RealReciprocal(RealTan(x, inner), inner, result);
    case op::Arctan: return Real(std::atan(x), result);
    case op::Arcsin: return RealArcsin(z, result);
    case op::Arccos: return RealArccos(z, result);
    case op::Arccot: return Real(Constants().pi / 2.0L - std::atan(x), result);
    case op::Sinh: return RealSinh(x, result);
    case op::Cosh: return RealCosh(x, result);
    case op::Tanh: return RealTanh(x, result);
    case op::Sech: return RealSech(x, result);
    case op::Csch: return RealCsch(ctx, x, result);
    case op::Coth: return RealCoth(ctx, x, result);
    case op::Argsinh: return RealArgsinh(z, result);
    case op::Argcosh: return RealArgcosh(z, result);
    case op::Argtanh: return RealArgtanh(z, result);
    case op::Argcoth: return RealArgcoth(z, result);
    case op::Sgn: return Steps(ctx, opcode, x, result);
    case op::Abs: return RealAbs(x, result);
    default: return Undefined(result);
    }
}

bool EvaluateComplex(int opcode, const ComplexValue& z, ComplexValue& result) {
    namespace c = complexfn;
    ComplexValue inner;
    switch (opcode) {
    case op::Sqrt: c::Sqrt(z, result); return true;
    case op::Exp: return c::Exp(z, result);
    case op::Ln: return c::Ln(z, result);
    case op::Log: return ComplexLog(z, result);
    case op::Cis: return c::Cis(z, result);
    case op::Sin: return c::Sin(z, result);
    case op::Cos: return c::Cos(z, result);
    case op::Tan: return c::Tan(z, result);
    case op::Sec: return c::Reciprocal(c::Cos(z, inner), inner, result);
    case op::Csc: return c::Reciprocal(c::Sin(z, inner), inner, result);
    case op::Cot: return c::Reciprocal(c::Tan(z, inner), inner, result);
    case op::Arctan: return c::Arctan(z, result);
    case op::Arcsin: return c::Arcsin(z, result);
    case op::Arccos: return c::Arccos(z, result);
    case op::Arccot: return c::Arccot(z, result);
    case op::Sinh: return c::Sinh(z, result);
    case op::Cosh: return c::Cosh(z, result);
    case op::Tanh: return c::Tanh(z, result);
    case op::Sech: return c::Reciprocal(c::Cosh(z, inner), inner, result);
    case op::Csch: return c::Reciprocal(c::Sinh(z, inner), inner, result);
    case op::Coth: return c::Reciprocal(c::Tanh(z, inner), inner, result);
    case op::Argsinh: return c::Argsinh(z, result);
    case op::Argcosh: return c::Argcosh(z, result);
    case op::Argtanh: return c::Argtanh(z, result);
    case op::Argcoth: return c::Argcoth(z, result);
    case op::Sgn: return c::Sgn(z, result);
    case op::Abs: return c::Abs(z, result);
    default: return Undefined(result);
    }
}

} // namespace

bool EvaluateFunction(EvalContext& ctx, int opcode, const ComplexValue& left, const ComplexValue& right,
                      ComplexValue& result) {
    bool handled = false;
    bool defined = EvaluateCommon(ctx, opcode, left, right, result, handled);
    if (!handled)
        defined = ctx.complexMode ? EvaluateComplex(opcode, right, result) : EvaluateReal(ctx, opcode, right, result);
    // The language has no infinities or NaNs of its own: whatever slipped through the
    // rules above (a NaN operand, an overflow inside the runtime) is undefined.
    if (defined && !(std::isfinite(result.re) && std::isfinite(result.im)))
        return Undefined(result);
    return defined;
}

bool IsLibraryFunction(int opcode) {
    switch (opcode) {
    case op::Power: case op::Pow: case op::Root: case op::Lg: case op::Int: case op::Frac:
    case op::Floor: case op::Ceil: case op::Hvs: case op::Mod: case op::Gcd: case op::Binom:
    case op::Max: case op::Min: case op::Gamma: case op::Fact: case op::Erf: case op::Gauss:
    case op::Rand: case op::Arg: case op::Arg2: case op::Re: case op::Im: case op::Conj:
    case op::Pi: case op::Phi: case op::Deg: case op::Pinf: case op::Ninf: case op::Sqrt:
    case op::Exp: case op::Ln: case op::Log: case op::Cis: case op::Sin: case op::Cos:
    case op::Tan: case op::Sec: case op::Csc: case op::Cot: case op::Arctan: case op::Arcsin:
    case op::Arccos: case op::Arccot: case op::Sinh: case op::Cosh: case op::Tanh: case op::Sech:
    case op::Csch: case op::Coth: case op::Argsinh: case op::Argcosh: case op::Argtanh:
    case op::Argcoth: case op::Sgn: case op::Abs:
        return true;
    default:
        return false;
    }
}

bool IntegerPower(bool complexMode, const ComplexValue& base, long double n, ComplexValue& result) {
    result = kComplexOne;
    if (!(std::fabs(n) <= kIntegerRange))
        return Undefined(result);
    ComplexValue b = base;
    if (n < 0 && !Divide(complexMode, kComplexOne, base, b))
        return Undefined(result);
    auto bits = static_cast<std::uint64_t>(std::fabs(n));
    while (bits != 0) {
        if ((bits & 1u) != 0 && !Multiply(complexMode, result, b, result))
            return Undefined(result);
        bits >>= 1;
        if (bits != 0 && !Multiply(complexMode, b, b, b))
            return Undefined(result);
    }
    return true;
}

} // namespace korvane
