// The own sine, cosine and exponential against the runtime's long double routines over
// many arguments, and at the points where a table entry vanishes or the reach ends.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>

#include "expr/ExtendedMath.h"

namespace korvane {
namespace {

// Distance in units of the last place of the runtime's value (64-bit significand).
long double Ulps(long double actual, long double expected) {
    if (actual == expected)
        return 0.0L;
    const long double unit = std::ldexp(1.0L, std::ilogb(expected) - 63);
    return std::fabs(actual - expected) / unit;
}

// A fixed sequence of arguments uniform in (-range, range).
class Arguments {
public:
    long double Next(long double range) {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        const long double unit = static_cast<long double>(state_ >> 11) / 9007199254740992.0L;
        return (2.0L * unit - 1.0L) * range;
    }

private:
    std::uint64_t state_ = 20021;
};

// The runtime itself is within about half a unit; ours adds up to about one and a half
// where a table entry and the kernel cancel, so two units against the runtime.
constexpr long double kMaxUlps = 2.0L;
constexpr int kArgumentsPerRange = 250000;

struct Worst {
    long double ulps = 0.0L;
    long double at = 0.0L;
    void Note(long double u, long double x) {
        if (u > ulps) {
            ulps = u;
            at = x;
        }
    }
};

TEST(ExtendedMath, SineAndCosineWithinTwoUnitsOfTheRuntime) {
    const long double ranges[] = {1e-6L, 0.1L, 1.6L, 7.0L, 100.0L, 49999.0L};
    Arguments arguments;
    for (long double range : ranges) {
        SCOPED_TRACE(static_cast<double>(range));
        Worst sine, cosine;
        for (int i = 0; i < kArgumentsPerRange; ++i) {
            const long double x = arguments.Next(range);
            long double s = 0.0L, c = 0.0L;
            ExtendedSinCos(x, s, c);
            sine.Note(Ulps(ExtendedSin(x), std::sin(x)), x);
            cosine.Note(Ulps(ExtendedCos(x), std::cos(x)), x);
            ASSERT_EQ(s, ExtendedSin(x)) << "sincos and sin differ at " << static_cast<double>(x);
            ASSERT_EQ(c, ExtendedCos(x)) << "sincos and cos differ at " << static_cast<double>(x);
        }
        EXPECT_LE(sine.ulps, kMaxUlps) << "sin worst at " << static_cast<double>(sine.at);
        EXPECT_LE(cosine.ulps, kMaxUlps) << "cos worst at " << static_cast<double>(cosine.at);
    }
}

TEST(ExtendedMath, ExponentialWithinTwoUnitsOfTheRuntime) {
    const long double ranges[] = {1e-6L, 0.01L, 1.0L, 50.0L, 5000.0L, 10999.0L};
    Arguments arguments;
    for (long double range : ranges) {
        SCOPED_TRACE(static_cast<double>(range));
        Worst worst;
        for (int i = 0; i < kArgumentsPerRange; ++i) {
            const long double x = arguments.Next(range);
            worst.Note(Ulps(ExtendedExp(x), std::exp(x)), x);
        }
        EXPECT_LE(worst.ulps, kMaxUlps) << "exp worst at " << static_cast<double>(worst.at);
    }
}

// Near the zeros the result is the kernel alone, so it keeps its relative precision:
// sin(pi) in 80 bits is the rounding error of pi, about 5e-20, not a few units of 1e-19.
TEST(ExtendedMath, KeepsRelativePrecisionNearZerosAndAtTheReach) {
    const long double pi = 3.14159265358979323846264338327950288L;
    struct Row {
        const char* what;
        long double actual, expected;
    };
    const Row rows[] = {
        {"sin(pi)", ExtendedSin(pi), std::sin(pi)},
        {"sin(-pi)", ExtendedSin(-pi), std::sin(-pi)},
        {"sin(1000 pi)", ExtendedSin(1000 * pi), std::sin(1000 * pi)},
        {"cos(pi/2)", ExtendedCos(pi / 2), std::cos(pi / 2)},
        {"cos(-7 pi/2)", ExtendedCos(-7 * pi / 2), std::cos(-7 * pi / 2)},
        {"sin(1e-30)", ExtendedSin(1e-30L), 1e-30L},
        {"sin(0)", ExtendedSin(0.0L), 0.0L},
        {"cos(0)", ExtendedCos(0.0L), 1.0L},
        {"exp(0)", ExtendedExp(0.0L), 1.0L},
        {"exp(1)", ExtendedExp(1.0L), std::exp(1.0L)},
        {"exp(-10000)", ExtendedExp(-10000.0L), std::exp(-10000.0L)},
        {"sin at the reach", ExtendedSin(kExtendedTrigReach), std::sin(kExtendedTrigReach)},
        {"sin past the reach", ExtendedSin(1e10L), std::sin(1e10L)},
        {"exp past the reach", ExtendedExp(11300.0L), std::exp(11300.0L)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_LE(Ulps(row.actual, row.expected), kMaxUlps)
            << static_cast<double>(row.actual) << " vs " << static_cast<double>(row.expected);
    }
    EXPECT_TRUE(std::isnan(ExtendedSin(NAN)));
    EXPECT_TRUE(std::isnan(ExtendedExp(NAN)));
    EXPECT_EQ(ExtendedExp(-INFINITY), 0.0L);
}

} // namespace
} // namespace korvane
