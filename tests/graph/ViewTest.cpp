#include "graph/View.h"
#include "tests/support/Tolerance.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace korvane {
namespace {

View FreshView(int w = 400, int h = 300) {
    View v;
    v.SetClientSize(w, h);
    v.Recompute();
    return v;
}

// The language's rounding (its table is in ArithmeticTest) as a pixel; NaN gives 0.
TEST(RoundToInt, PixelOfTheLanguageRounding) {
    EXPECT_EQ(RoundToInt(3.5L), 3);
    EXPECT_EQ(RoundToInt(-3e9L), -2147483647);
    EXPECT_EQ(RoundToInt(std::numeric_limits<long double>::quiet_NaN()), 0);
}

TEST(View, CornersThenSquareThenRestore) {
    View v = FreshView();
    v.SetView(5, 0.5L, 5, 0.5L, true);
    EXPECT_TRUE(v.independent);
    EXPECT_EQ(v.xmin, 0);
    EXPECT_EQ(v.xmax, 10);
    EXPECT_EQ(v.ymin, 0);
    EXPECT_EQ(v.ymax, 1);
    ASSERT_TRUE(v.MakeSquare());
    EXPECT_FALSE(v.independent);
    EXPECT_EQ(v.cx, 5);
    EXPECT_EQ(v.cy, 0.5L);
    EXPECT_EQ(v.rx, 5);
    EXPECT_EQ(v.ry, 3.75L);
    EXPECT_FALSE(v.MakeSquare());
    // "restaurar" goes back to the first view and forgets the way there.
    v.SetCorners(0, 10, 0, 1);
    v.RestoreDefault();
    EXPECT_FALSE(v.HasPreviousView());
    EXPECT_FALSE(v.independent);
    EXPECT_EQ(v.rx, 5);
    EXPECT_EQ(v.ry, 3.75L);
}

TEST(View, ResizeKeepsRadiusInSquareModeAndCornersInCornerMode) {
    View square = FreshView();
    square.SetClientSize(200, 300);
    square.Recompute();
    EXPECT_EQ(square.rx, 5);
    EXPECT_EQ(square.cx, 0);
    EXPECT_EQ(square.ry, 7.5L);

    View corner = FreshView();
    corner.SetCorners(0, 10, 0, 1);
    corner.SetClientSize(200, 300);
    corner.Recompute();
    EXPECT_EQ(corner.xmin, 0);
    EXPECT_EQ(corner.xmax, 10);
    EXPECT_EQ(corner.ymin, 0);
    EXPECT_EQ(corner.ymax, 1);
    EXPECT_TRUE(testing::Close(corner.aspect, 1 / 15.0L, 1e-18L)); // 1/300 per pixel up, 10/200 across
}

// A step is a fraction of the full width or height.
TEST(View, ArrowStepsMoveByTenthOfRadius) {
    struct Row {
        const char* name;
        long double fx, fy, cx, cy;
    } rows[] = {
        {"left", -0.05L, 0, -0.5L, 0}, {"right", 0.05L, 0, 0.5L, 0},
        {"down", 0, -0.05L, 0, -0.375L}, {"up", 0, 0.05L, 0, 0.375L},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        View v = FreshView();
        v.Move(r.fx, r.fy);
        EXPECT_EQ(v.cx, r.cx);
        EXPECT_EQ(v.cy, r.cy);
        EXPECT_EQ(v.rx, 5);
    }
}

TEST(View, SquareRequestWidensToFitTheRectangle) {
    View v = FreshView();
    v.SetView(0, 0, 1, 3, false); // 2 x 6 cannot fit a 4:3 window without widening
    EXPECT_FALSE(v.independent);
    EXPECT_EQ(v.ry, 3);
    EXPECT_EQ(v.rx, 4);
}

// A fresh 400 x 300 window shows [-5, 5] x [-3.75, 3.75]; far points are clamped.
TEST(View, IntegerMappingsClampFarPoints) {
    View v = FreshView();
    struct Row {
        long double x, y;
        std::int32_t px, py;
        bool inside, unclamped;
    } rows[] = {
        {0, 0, 200, 150, true, true},
        {5, -3.75L, 400, 300, true, true},
        {1e30L, 0, 401, 150, false, false},
        {-1e30L, 1e30L, -1, -1, false, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(::testing::Message() << "(" << static_cast<double>(r.x) << ", " << static_cast<double>(r.y) << ")");
        PixelPoint p;
        EXPECT_EQ(v.ToPixelPoint(r.x, r.y, p), r.inside);
        EXPECT_EQ(p.x, r.px);
        EXPECT_EQ(p.y, r.py);
        EXPECT_EQ(v.ToPixelPointUnclamped(r.x, r.y, p), r.unclamped);
    }
}

TEST(View, OffsetsShiftEveryPixelAndBack) {
    View v = FreshView();
    v.offsetX = 10;
    v.offsetY = 20;
    EXPECT_EQ(v.ToPixelXInt(0), 210);
    EXPECT_EQ(v.ToPixelYInt(0), 170);
    EXPECT_EQ(v.ToWorldX(210), 0);
    EXPECT_EQ(v.ToWorldY(170), 0);
}

TEST(View, ClipSegmentAgainstWindowLessOnePixel) {
    View v = FreshView();
    long double x0 = -100, y0 = 0, x1 = 100, y1 = 0;
    ASSERT_TRUE(v.ClipSegment(x0, y0, x1, y1));
    EXPECT_NEAR(static_cast<double>(x0), static_cast<double>(-5 + v.unitX), 1e-15);
    EXPECT_NEAR(static_cast<double>(x1), static_cast<double>(5 - v.unitX), 1e-15);
    long double a = -100, b = 10, c = 100, d = 10;
    EXPECT_FALSE(v.ClipSegment(a, b, c, d));
    long double e = -1, f = -1, g = 1, h = 1;
    ASSERT_TRUE(v.ClipSegment(e, f, g, h));
    EXPECT_EQ(e, -1);
    EXPECT_EQ(h, 1);
}

TEST(View, ZeroClientSizeIsRaisedToOne) {
    View v = FreshView(0, 0);
    EXPECT_EQ(v.clientW, 1);
    EXPECT_EQ(v.clientH, 1);
    EXPECT_TRUE(std::isfinite(static_cast<double>(v.pixX)));
}

} // namespace
} // namespace korvane
