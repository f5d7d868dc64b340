#include "graph/TickLayout.h"

#include "graph/GraphStyle.h"
#include "graph/NumberText.h"
#include "graph/View.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

// At most 50 intervals fit the width; an interval wider than the window shrinks once.
TEST(TickLayout, IntervalAdjustment) {
    struct Row {
        long double width, interval;
        bool ticks;
        long double expected;
    } rows[] = {
        {1000, 1, true, 100}, {0.5L, 1, true, 0.1L}, {0.5L, 1, false, 1}, {50, 1, true, 1},
        {51, 1, true, 10}, {10, 1, true, 1},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(::testing::Message() << "width " << static_cast<double>(r.width));
        AxisSettings s;
        s.ticks = r.ticks;
        s.tickX = s.tickY = r.interval;
        AdjustTickIntervals(s, r.width, r.width);
        EXPECT_EQ(s.tickX, r.expected);
        EXPECT_EQ(s.tickY, r.expected);
    }
}

TEST(TickLayout, IntervalStateAfterAdjustment) {
    struct Row {
        int before, after;
    } rows[] = {{3, 0}, {2, 1}, {1, 1}, {0, 0}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.before);
        AxisSettings s;
        s.intervalState = r.before;
        EXPECT_TRUE(AdjustTickIntervals(s, 1000, 10));
        EXPECT_EQ(s.intervalState, r.after);
    }
}

TEST(TickLayout, RangesTruncateTowardZeroAndSwitchTicksOffWhenUncountable) {
    View v;
    v.SetClientSize(400, 300);
    v.Recompute();
    AxisSettings s;
    s.tickX = 0.3L;
    TickLayout t = LayOutTicks(s, v);
    EXPECT_EQ(t.x.first, -16);
    EXPECT_EQ(t.x.last, 16);
    EXPECT_EQ(t.y.first, -3);
    EXPECT_EQ(t.y.last, 3);

    v.SetCorners(1e12L, 1e12L + 1, 0, 1);
    AxisSettings far;
    t = LayOutTicks(far, v);
    EXPECT_FALSE(t.countable);
    EXPECT_FALSE(far.ticks);
}

struct LabelRow {
    const char* expected;
    long double value;
    int decimals;
    bool pi;
    bool minus;
    int line;
};

// Labels: decimals 0 truncate, pi multiples reduce, the custom minus replaces "-".
TEST(TickLabel, Texts) {
    const long double pi = 3.141592653589793238462643383279502884L;
    const LabelRow rows[] = {
        {"2", 2.7L, 0, false, false, __LINE__},
        {"-2", -2.7L, 0, false, false, __LINE__},
        {"2.7", 2.7L, 1, false, false, __LINE__},
        {"0.50", 0.5L, 2, false, false, __LINE__},
        {"-1.25", -1.25L, 2, false, false, __LINE__},
        {"\u2013" "1.25", -1.25L, 2, false, true, __LINE__},
        {"\u03c0/4", pi / 4, 1, true, false, __LINE__},
        {"\u03c0/2", pi / 2, 1, true, false, __LINE__},
        {"3\u03c0/4", 3 * pi / 4, 1, true, false, __LINE__},
        {"\u03c0", pi, 1, true, false, __LINE__},
        {"\u03c0/2", 1.5708L, 1, true, false, __LINE__},
        {"-3\u03c0/4", -2.3562L, 1, true, false, __LINE__},
        {"-\u03c0", -pi, 1, true, false, __LINE__},
        {"0\u03c0", 0, 1, true, false, __LINE__},
        {"\u2013" "2\u03c0", -2 * pi, 1, true, true, __LINE__},
    };
    for (const LabelRow& r : rows) {
        SCOPED_TRACE(::testing::Message() << "row at line " << r.line);
        LabelStyle style;
        style.decimals = r.decimals;
        style.pi = r.pi;
        style.minusCustom = r.minus;
        EXPECT_EQ(TickLabel(r.value, style), r.expected);
    }
}

// The custom minus is a code of code page 1252 (its table is in CharsetTest); codes
// beyond a byte show the replacement character.
TEST(TickLabel, MinusCharacterCodes) {
    EXPECT_EQ(Cp1252CharToUtf8(150), "\u2013");
    EXPECT_EQ(Cp1252CharToUtf8(300), "\ufffd");
    EXPECT_EQ(Cp1252CharToUtf8(-1), "\ufffd");
}

TEST(NumberText, Formats) {
    EXPECT_EQ(FormatFixed(1.5L, 8, 6), "1.500000");
    EXPECT_EQ(FormatFixed(1.5L, 10, 2), "      1.50");
    EXPECT_EQ(FormatFixed(-0.125L, 0, 2), "-0.12"); // ties to even, as printf does
    // Whatever width a settings file or document holds, padding stops at 100.
    EXPECT_EQ(FormatFixed(1.5L, 2000000000, 2), std::string(96, ' ') + "1.50");
    NumberFormat stored;
    stored.fieldWidth = 2000000000;
    EXPECT_EQ(stored.Format(2.0L).size(), 100u);
    EXPECT_EQ(FormatExponential(1234.5L, 3, false), "1.234E+03");
    EXPECT_EQ(FormatExponential(1234.5L, 3, true), "1.234*10^+03");
    EXPECT_EQ(FormatExponential(-0.00015L, 2, true), "-1.50*10^-04");
    EXPECT_EQ(FormatExponential(1, 0, false), "1E+00");
}

} // namespace
} // namespace korvane
