// The guarded arithmetic: magnitude classes, Multiply and Divide with their 1e18 and
// 1e-18 rules, rounding, the exact-integer test, the angle of a point, integer powers.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "expr/Arithmetic.h"
#include "expr/BuiltinFunctions.h"
#include "tests/support/Tolerance.h"

namespace korvane {
namespace {

constexpr long double kPi = 3.14159265358979323846264338327950288L;
constexpr bool kReal = false;
constexpr bool kComplex = true;

// s = |Re| + |Im| decides: nought, tiny, normal (and NaN), huge, enormous.
TEST(Arithmetic, MagnitudeClassesByTheSumOfBothParts) {
    const long double e5000 = std::exp(5000.0L);
    struct Row {
        ComplexValue v;
        int expected;
    } rows[] = {
        {{0, 0}, 1}, {{1 / e5000, 0}, 1}, {{1e-300L, 0}, 2}, {{0, -1e-18L}, 2}, {{1.1e-18L, 0}, 3},
        {{6e-19L, 6e-19L}, 3}, {{-5, 7}, 3},
        {{std::numeric_limits<long double>::quiet_NaN(), 0}, 3}, {{9.9e17L, 0}, 3}, {{1e18L, 0}, 4},
        {{6e17L, -6e17L}, 4}, {{-1e2000L, 0}, 4}, {{e5000, 0}, 5}, {{0, 1e2200L}, 5},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Show(row.v));
        EXPECT_EQ(MagnitudeClass(row.v), row.expected);
    }
}

struct OperationRow {
    const char* text;
    bool complexMode;
    ComplexValue a, b;
    bool defined;
    ComplexValue expected;
};

void CheckOperation(bool (*operation)(bool, const ComplexValue&, const ComplexValue&, ComplexValue&),
                    const OperationRow& row) {
    SCOPED_TRACE(row.text);
    ComplexValue result;
    ASSERT_EQ(operation(row.complexMode, row.a, row.b, result), row.defined) << "got " << testing::Show(result);
    if (row.defined) {
        EXPECT_TRUE(testing::Close(result, row.expected, 1e-17L, 0))
            << "got " << testing::Show(result) << ", want " << testing::Show(row.expected);
    }
}

// The classes of the operands decide, not the size of the product; tiny times huge goes
// through logarithms.
TEST(Arithmetic, MultiplyFollowsTheMagnitudeClasses) {
    const OperationRow rows[] = {
        {"2 * 3 = 6", kReal, {2, 0}, {3, 0}, true, {6, 0}},
        {"1e17 * 100 = 1e19, huge times normal", kReal, {1e17L, 0}, {100, 0}, true, {1e19L, 0}},
        {"1e20 * 3 = 3e20, huge times normal", kReal, {1e20L, 0}, {3, 0}, true, {3e20L, 0}},
        {"3 * 1e20 = 3e20, normal times huge", kReal, {3, 0}, {1e20L, 0}, true, {3e20L, 0}},
        {"1e18 * 1e18 undefined", kReal, {1e18L, 0}, {1e18L, 0}, false, {}},
        {"1e-20 * 1e20 = 1 by logarithms", kReal, {1e-20L, 0}, {1e20L, 0}, true, {1, 0}},
        {"-1e-20 * 1e20 = -1", kReal, {-1e-20L, 0}, {1e20L, 0}, true, {-1, 0}},
        {"1e20 * -1e-30 = -1e-10", kReal, {1e20L, 0}, {-1e-30L, 0}, true, {-1e-10L, 0}},
        {"1e-100 * 1e19: logarithm sum beyond 42, undefined", kReal, {1e-100L, 0}, {1e19L, 0}, false, {}},
        {"0 * 1e20 undefined", kReal, {0, 0}, {1e20L, 0}, false, {}},
        {"1e-20 * 1e-20 = 1e-40, tiny times tiny", kReal, {1e-20L, 0}, {1e-20L, 0}, true, {1e-40L, 0}},
        {"0 * 5 = 0", kReal, {0, 0}, {5, 0}, true, {0, 0}},
        {"enormous * 1 undefined", kReal, {1e2200L, 0}, {1, 0}, false, {}},
        {"(1 + 2i)(3 - i) = 5 + 5i", kComplex, {1, 2}, {3, -1}, true, {5, 5}},
        {"complex 1e10 * 1e10 above 1e18 undefined", kComplex, {1e10L, 0}, {0, 1e10L}, false, {}},
        {"complex 1e-10 * 1e-10 flushed to 0", kComplex, {1e-10L, 0}, {1e-10L, 0}, true, {0, 0}},
        {"complex huge operand undefined", kComplex, {1e18L, 0}, {1e-5L, 0}, false, {}},
        {"a NaN operand gives no number: undefined", kReal, {std::numeric_limits<long double>::quiet_NaN(), 0}, {2, 0}, false, {}},
        {"a NaN operand gives no number: undefined (complex)", kComplex, {0, std::numeric_limits<long double>::quiet_NaN()}, {2, 0}, false, {}},
    };
    for (const OperationRow& row : rows)
        CheckOperation(Multiply, row);
}

TEST(Arithmetic, DivideRefusesHugeDividendsAndTinyDivisors) {
    const OperationRow rows[] = {
        {"1/0 undefined", kReal, {1, 0}, {0, 0}, false, {}},
        {"0/5 = 0", kReal, {0, 0}, {5, 0}, true, {0, 0}},
        {"7/2 = 3.5", kReal, {7, 0}, {2, 0}, true, {3.5L, 0}},
        {"2e18 / 4 undefined: dividend above 1e18", kReal, {2e18L, 0}, {4, 0}, false, {}},
        {"1 / 5e-19 undefined: divisor below 1e-18", kReal, {1, 0}, {5e-19L, 0}, false, {}},
        {"1e10 / 1e-9 undefined: quotient above 1e18", kReal, {1e10L, 0}, {1e-9L, 0}, false, {}},
        {"1e-10 / 1e10 flushed to 0", kReal, {1e-10L, 0}, {1e10L, 0}, true, {0, 0}},
        {"(5 + 5i)/(3 - i) = 1 + 2i", kComplex, {5, 5}, {3, -1}, true, {1, 2}},
        {"complex 1/1e-10 = 1e10, by the true |b|^2", kComplex, {1, 0}, {1e-10L, 0}, true, {1e10L, 0}},
        {"complex 1e-12/(1e-12 i) = -i", kComplex, {1e-12L, 0}, {0, 1e-12L}, true, {0, -1}},
        {"complex 1/(2e-18 + 0i) = 5e17", kComplex, {1, 0}, {2e-18L, 0}, true, {5e17L, 0}},
        {"complex divisor |Re| + |Im| below 1e-18 undefined", kComplex, {1, 0}, {4e-19L, 4e-19L}, false, {}},
        {"complex 1 / 1e2400 flushed to 0 without overflow", kComplex, {1, 0}, {1e2400L, 1e2400L}, true, {0, 0}},
        {"complex 1e17 / (1e-2 i) undefined", kComplex, {1e17L, 0}, {0, 1e-2L}, false, {}},
        {"a NaN divisor gives no number: undefined", kReal, {1, 0}, {std::numeric_limits<long double>::quiet_NaN(), 0}, false, {}},
    };
    for (const OperationRow& row : rows)
        CheckOperation(Divide, row);
}

// Halves round toward zero, whichever way the even neighbour lies; beyond the integer
// range the result is +-2147483647. Every pixel coordinate is rounded by this rule too.
TEST(Arithmetic, RoundHalfDown) {
    const struct {
        long double x, expected;
    } rows[] = {
        {2.5L, 2}, {-2.5L, -2}, {3.5L, 3}, {-3.5L, -3}, {0.5L, 0}, {1.5L, 1}, {2147483646.5L, 2147483646},
        {2.51L, 3}, {-2.51L, -3}, {0.49L, 0}, {-0.7L, -1}, {0, 0}, {7, 7}, {1e-4000L, 0},
        {std::nextafter(2.5L, 3.0L), 3}, {std::nextafter(3.5L, 3.0L), 3}, {std::nextafter(3.5L, 4.0L), 4},
        {-std::nextafter(3.5L, 4.0L), -4}, {2.9999999999999999999L, 3},
        {3e9L, 2147483647.0L}, {-3e9L, -2147483647.0L}, {2147483646.6L, 2147483647.0L},
        {HUGE_VALL, 2147483647.0L}, {-HUGE_VALL, -2147483647.0L},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::Message() << "x = " << row.x);
        EXPECT_EQ(RoundHalfDown(row.x), row.expected);
    }
    EXPECT_TRUE(std::isnan(RoundHalfDown(std::numeric_limits<long double>::quiet_NaN())));
}

TEST(Arithmetic, IsExactIntegerWithinTheZeroTolerance) {
    const struct {
        ComplexValue v;
        bool expected;
        long double n;
    } rows[] = {
        {{3, 0}, true, 3}, {{-4, 0}, true, -4}, {{3 + 1e-17L, 0}, false, 3},
        {{3, 1e-17L}, false, 3}, {{3, 5e-19L}, true, 3}, {{2.5L, 0}, false, 2},
        {{3e9L, 0}, false, 2147483647.0L}, {{2147483647.0L, 0}, true, 2147483647.0L},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Show(row.v));
        long double n = 0;
        EXPECT_EQ(IsExactInteger(row.v, n), row.expected);
        EXPECT_EQ(n, row.n);
    }
}

// Range (-pi, pi]; |x| below 1e-18 counts as the vertical axis.
TEST(Arithmetic, PointAngle) {
    const struct {
        long double x, y, expected;
    } rows[] = {
        {1, 0, 0}, {-1, 0, kPi}, {-1, -0.0L, kPi}, {-1, 1, 3 * kPi / 4}, {-1, -1, -3 * kPi / 4},
        {0, 0, kPi / 2}, {0, -2, -kPi / 2}, {1e-19L, -5, -kPi / 2}, {-1e-19L, 5, kPi / 2},
        {2, 2, kPi / 4},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::Message() << "(" << row.x << ", " << row.y << ")");
        EXPECT_NEAR(static_cast<double>(PointAngle(row.x, row.y)), static_cast<double>(row.expected), 1e-15);
    }
    EXPECT_LT(PointAngle(-1, -1e-30L), -3.14159L);
}

// Binary exponentiation with Multiply; a negative exponent takes the reciprocal first.
TEST(Arithmetic, IntegerPowerMultipliesWithTheGuards) {
    const struct {
        bool complexMode;
        ComplexValue base;
        long double n;
        bool defined;
        ComplexValue expected;
    } rows[] = {
        {kReal, {2, 0}, 10, true, {1024, 0}}, {kReal, {2, 0}, -2, true, {0.25L, 0}},
        {kReal, {-3, 0}, 3, true, {-27, 0}}, {kReal, {0, 0}, 0, true, {1, 0}},
        {kReal, {0, 0}, -1, false, {}}, {kReal, {1e5L, 0}, 4, true, {1e20L, 0}},
        {kReal, {1e5L, 0}, 8, false, {}}, {kReal, {1.0000001L, 0}, 2147483647.0L, false, {}},
        {kComplex, {1, 1}, 8, true, {16, 0}}, {kComplex, {0, 1}, -3, true, {0, 1}},
        {kComplex, {1e5L, 0}, 4, false, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::Message() << testing::Show(row.base) << "^" << row.n);
        ComplexValue result;
        ASSERT_EQ(IntegerPower(row.complexMode, row.base, row.n, result), row.defined) << testing::Show(result);
        if (row.defined) {
            EXPECT_TRUE(testing::Close(result, row.expected, 1e-17L, 0)) << testing::Show(result);
        }
    }
}

// Each constant to the last bits of the 80-bit format (references from mpmath); e^5000
// and e^-5000 come from exp, allowed a few units in the last place.
TEST(Arithmetic, SharedConstantsToFullPrecision) {
    const SharedConstants& c = Constants();
    const struct {
        const char* name;
        long double value, expected, tolerance;
    } rows[] = {
        {"sqrt(pi)", c.sqrtPi, 1.772453850905516027298167L, 2e-19L},
        {"ln sqrt(pi)", c.lnSqrtPi, 0.5723649429247000870717137L, 2e-19L},
        {"2/sqrt(pi)", c.twoOverSqrtPi, 1.128379167095512573896159L, 2e-19L},
        {"sqrt(2 pi)", c.sqrtTwoPi, 2.506628274631000502415765L, 2e-19L},
        {"1/sqrt(2 pi)", c.invSqrtTwoPi, 0.3989422804014326779399461L, 2e-19L},
        {"sqrt(2)", c.sqrt2, 1.414213562373095048801689L, 2e-19L},
        {"sqrt(3)", c.sqrt3, 1.732050807568877293527446L, 2e-19L},
        {"sqrt(3)/2", c.sqrt3Half, 0.8660254037844386467637232L, 2e-19L},
        {"phi", c.phi, 1.618033988749894848204587L, 2e-19L},
        {"ln 10", c.ln10, 2.302585092994045684017991L, 2e-19L},
        {"pi", c.pi, 3.141592653589793238462643L, 2e-19L},
        {"e^5000", c.e5000, 2.967628384023667068966297e+2171L, 1e-17L},
        {"e^-5000", c.eMinus5000, 3.369694148308917514450032e-2172L, 1e-17L},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_TRUE(testing::Close(row.value, row.expected, row.tolerance, 0))
            << "got " << testing::Show({row.value, 0}) << ", want " << testing::Show({row.expected, 0});
    }
}

} // namespace
} // namespace korvane
