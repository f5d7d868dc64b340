#pragma once
// Sine, cosine and exponential in 80-bit precision for the arguments a curve meets,
// several times faster than the runtime's long double routines: a table of 128 angles
// or 64 powers of two, a three-part reduction and a short polynomial, within about one
// unit in the last place. Arguments beyond the tables' reach go to the runtime. Inline,
// because an 80-bit argument passed to a call goes through memory and waits there.
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace korvane {

// Below these magnitudes the own routines answer; above them the runtime does.
inline constexpr long double kExtendedTrigReach = 50000.0L;
inline constexpr long double kExtendedExpReach = 11000.0L;

namespace extended {

// A value and the rest of its exact value, so that a table entry adds no rounding of its own.
struct Split {
    long double high;
    long double low;
};

// sin(j pi/64) for a whole turn; the cosine of j pi/64 is entry j + 32.
extern const std::array<Split, 128> kSines;
// 2^(i/64) for i = 0..63.
extern const Split kPowersOfTwo[64];

// Adding 1.5 * 2^63 leaves no bits below the unit, so the sum is rounded to an integer,
// and the integer sits in the low bits of the significand.
constexpr long double kRoundingShift = 0x1.8p63L;

// pi/64 and ln2/64 in three parts: the first two have 44 bits, so that k times them is
// exact for |k| < 2^20, and the third carries the next 64 bits.
constexpr long double kStep1 = 0xc90fdaa221600000p-68L;
constexpr long double kStep2 = 0x8c234c4c66200000p-112L;
constexpr long double kStep3 = 0x8b80dc1cd129024ep-156L;
constexpr long double kStepsPerRadian = 0xa2f9836e4e44152ap-59L; // 64/pi

constexpr long double kLog1 = 0xb17217f7d1c00000p-70L;
constexpr long double kLog2 = 0xf79abc9e3b300000p-114L;
constexpr long double kLog3 = 0x9803f2f6af40f343p-158L;
constexpr long double kLogsPerUnit = 0xb8aa3b295c17f0bcp-57L; // 64/ln2

struct Reduced {
    long double k;      // the nearest integer to x / step
    std::int64_t index; // the same integer
    long double r;      // x - k step, |r| <= step / 2
};

inline Reduced Reduce(long double x, long double perUnit, long double p1, long double p2,
                      long double p3) {
    const long double shifted = x * perUnit + kRoundingShift;
    const long double k = shifted - kRoundingShift;
    std::uint64_t significand = 0;
    std::memcpy(&significand, &shifted, sizeof significand);
    const auto index = static_cast<std::int64_t>(significand - (std::uint64_t{3} << 62));
    return {k, index, ((x - k * p1) - k * p2) - k * p3};
}

// sin r and cos r - 1 for |r| <= pi/128; the next terms are below 1e-25.
inline void Kernel(long double r, long double& sine, long double& cosineLessOne) {
    const long double z = r * r;
    sine = r + r * z *
                   (-1.0L / 6.0L +
                    z * (1.0L / 120.0L + z * (-1.0L / 5040.0L + z * (1.0L / 362880.0L))));
    cosineLessOne =
        z * (-0.5L + z * (1.0L / 24.0L + z * (-1.0L / 720.0L + z * (1.0L / 40320.0L))));
}

inline bool WithinTrigReach(long double x) { return std::fabs(x) < kExtendedTrigReach; }

// The table entries of the nearest multiple of pi/64 and the kernel of the rest.
struct AngleParts {
    Split sine, cosine;
    long double s, c;
};

inline AngleParts PartsOf(long double x) {
    const Reduced a = Reduce(x, kStepsPerRadian, kStep1, kStep2, kStep3);
    AngleParts p{kSines[a.index & 127], kSines[(a.index + 32) & 127], 0.0L, 0.0L};
    Kernel(a.r, p.s, p.c);
    return p;
}

// Near a zero of the sine the table entry is exactly 0 and the kernel's sine is all.
inline long double SineOf(const AngleParts& p) {
    return p.sine.high + (p.sine.low + p.sine.high * p.c + p.cosine.high * p.s);
}

inline long double CosineOf(const AngleParts& p) {
    return p.cosine.high + (p.cosine.low + p.cosine.high * p.c - p.sine.high * p.s);
}

// 2^(index / 64 rounded down) built from its bits: |x| < 11000 keeps it a normal number.
inline long double PowerOfTwo(std::int64_t index) {
    const std::int64_t exponent = (index >> 6) + 16383;
    const std::uint64_t significand = std::uint64_t{1} << 63;
    const auto signAndExponent = static_cast<std::uint16_t>(exponent);
    long double scale = 0.0L;
    std::memcpy(&scale, &significand, sizeof significand);
    std::memcpy(reinterpret_cast<char*>(&scale) + sizeof significand, &signAndExponent,
                sizeof signAndExponent);
    return scale;
}

} // namespace extended

inline long double ExtendedSin(long double x) {
    if (!extended::WithinTrigReach(x))
        return std::sin(x);
    return extended::SineOf(extended::PartsOf(x));
}

inline long double ExtendedCos(long double x) {
    if (!extended::WithinTrigReach(x))
        return std::cos(x);
    return extended::CosineOf(extended::PartsOf(x));
}

inline void ExtendedSinCos(long double x, long double& sine, long double& cosine) {
    if (!extended::WithinTrigReach(x)) {
        sine = std::sin(x);
        cosine = std::cos(x);
        return;
    }
    const extended::AngleParts p = extended::PartsOf(x);
    sine = extended::SineOf(p);
    cosine = extended::CosineOf(p);
}

inline long double ExtendedExp(long double x) {
    using namespace extended;
    if (!(std::fabs(x) < kExtendedExpReach))
        return std::exp(x);
    const Reduced a = Reduce(x, kLogsPerUnit, kLog1, kLog2, kLog3);
    const long double r = a.r;
    // e^r - 1 for |r| <= ln2/128; the next term is below 2e-23 of the result.
    const long double p =
        r + r * r *
                (0.5L + r * (1.0L / 6.0L +
                             r * (1.0L / 24.0L +
                                  r * (1.0L / 120.0L + r * (1.0L / 720.0L + r * (1.0L / 5040.0L))))));
    const Split t = kPowersOfTwo[a.index & 63];
    return (t.high + (t.low + t.high * p)) * PowerOfTwo(a.index);
}

} // namespace korvane
