// Lines ax + by = c (kind 208) and segments (kind 205) on a 200 x 200 picture of
// [-5, 5] x [-5, 5]: one pixel is 0.05, so the clipping window is [-4.95, 4.95] squared.
#include "GeometryTestSupport.h"

#include "plane/StraightKinds.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace korvane {
namespace {

using geometrytest::ColourOfIndex;
using geometrytest::GeometryScene;
using platform::Point;
using platform::Primitive;

constexpr long double kEdge = 4.95L;
constexpr long double kClose = 1e-12L;

ExampleRecord& AddLine(GeometryScene& scene, const char* a, const char* b, const char* c) {
    ExampleRecord& e = scene.Add(kLine, {{0, a}, {1, b}, {2, c}});
    e.SetI16(exo::kRadio, 0);
    return e;
}

ExampleRecord& AddSegment(GeometryScene& scene, const char* a, const char* b, const char* c, const char* d) {
    ExampleRecord& e = scene.Add(kSegment, {{0, a}, {1, b}, {2, c}, {3, d}});
    e.SetI16(exo::kRadio, 0);
    return e;
}

struct Ends {
    long double x0, y0, x1, y1;
};

Ends StoredLineEnds(const ExampleRecord& e) {
    return {e.Real(401), e.Real(411), e.Real(421), e.Real(431)};
}

// No coefficients, a line outside the window and an undefined coefficient draw nothing
// and leave the line marked not visible; a segment with an undefined coordinate draws
// nothing and keeps its extents.
TEST(LineKind, NothingToSeeDrawsNothing) {
    const char* rows[][4] = {
        {"0", "0", "1"},           {"1", "0", "10"},          {"1", "sqrt(-1)", "1"},
        {"sqrt(-1)", "0", "1", "1"}, {"0", "sqrt(-1)", "1", "1"}, {"0", "0", "sqrt(-1)", "1"},
        {"0", "0", "1", "sqrt(-1)"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::Message() << row[0] << " " << row[1] << " " << row[2]);
        GeometryScene scene;
        ExampleRecord& e = row[3] ? AddSegment(scene, row[0], row[1], row[2], row[3])
                                  : AddLine(scene, row[0], row[1], row[2]);
        e.SetFlag(exo::kFlag55, true);
        e.SetReal(exo::kMinimum, 123);
        scene.Draw(e);
        EXPECT_TRUE(scene.surface.Primitives().empty());
        EXPECT_EQ(e.Flag(exo::kFlag55), row[3] != nullptr);
        EXPECT_FALSE(e.Flag(exo::kFlag60));
        EXPECT_EQ(e.Real(exo::kMinimum), 123);
    }
}

// Where the clipped line ends, for lines that cross the window in different ways. The
// order of the ends follows the construction: from y = R to y = -R, or from x = R to
// x = -R for lines closer to horizontal.
TEST(LineKind, ClippedEndsAndExtents) {
    struct Case {
        const char *a, *b, *c;
        Ends ends;
        bool nonVertical;
    };
    const Case cases[] = {
        // 2y = 3: from the right edge to the left.
        {"0", "2", "3", {kEdge, 1.5L, -kEdge, 1.5L}, true},
        // x = 2: top to bottom.
        {"1", "0", "2", {2, kEdge, 2, -kEdge}, false},
        // x + y = 0: corner to corner.
        {"1", "1", "0", {-kEdge, kEdge, kEdge, -kEdge}, true},
        // x - y = 8: meets the bottom (y = -4.95 at x = 3.05) and the right edge (y = -3.05).
        {"1", "-1", "8", {kEdge, kEdge - 8, 8 - kEdge, -kEdge}, true},
        // x + 2y = 8: left edge at y = 6.475 is above the top: top (x = -1.9) and right (y = 1.525).
        {"1", "2", "8", {kEdge, (8 - kEdge) / 2, 8 - 2 * kEdge, kEdge}, true},
        // -2x + y = 8: top at x = -1.525, left at y = -1.9.
        {"-2", "1", "8", {-1.525L, kEdge, -kEdge, 8 - 2 * kEdge}, true},
        // |a| just above the threshold: meeting y = +-R would put the ends some 1e17 away
        // and lose every digit of the crossing.
        {"0.00000000000000001", "1", "1", {kEdge, 1, -kEdge, 1}, true},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(std::string(row.a) + "x + " + row.b + "y = " + row.c);
        GeometryScene scene;
        ExampleRecord& e = AddLine(scene, row.a, row.b, row.c);
        scene.Draw(e);
        ASSERT_EQ(scene.Lines().size(), 1u);
        const Ends got = StoredLineEnds(e);
        const long double a = std::stold(row.a), b = std::stold(row.b), c = std::stold(row.c);
        // Both ends lie on the line and on the shrunk border.
        for (const auto& [x, y] : {std::pair{got.x0, got.y0}, std::pair{got.x1, got.y1}}) {
            EXPECT_NEAR(a * x + b * y, c, 1e-12L);
            EXPECT_NEAR(std::max(std::fabs(x), std::fabs(y)), kEdge, 1e-12L);
        }
        const long double loX = std::min(row.ends.x0, row.ends.x1), hiX = std::max(row.ends.x0, row.ends.x1);
        const long double loY = std::min(row.ends.y0, row.ends.y1), hiY = std::max(row.ends.y0, row.ends.y1);
        EXPECT_NEAR(e.Real(exo::kMinimum), loX, 1e-12L);
        EXPECT_NEAR(e.Real(exo::kMaximum), hiX, 1e-12L);
        EXPECT_NEAR(e.Real(exo::kMinimum2), loY, 1e-12L);
        EXPECT_NEAR(e.Real(exo::kMaximum2), hiY, 1e-12L);
        EXPECT_TRUE(e.Flag(exo::kFlag55));
        EXPECT_EQ(e.Flag(exo::kFlag60), row.nonVertical);
    }
}

TEST(StraightPen, LineStyleColourAndWidth) {
    struct Row {
        int radio;
        platform::PenStyle style;
    };
    const Row rows[] = {
        {0, platform::PenStyle::Solid},
        {1, platform::PenStyle::Dotted},
        {2, platform::PenStyle::Dashed},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("radio " + std::to_string(row.radio));
        for (const std::int16_t kind : {kLine, kSegment}) {
            SCOPED_TRACE("kind " + std::to_string(kind));
            GeometryScene scene;
            ExampleRecord& e = kind == kLine ? AddLine(scene, "1", "1", "0") : AddSegment(scene, "0", "0", "1", "1");
            e.SetI16(exo::kRadio, static_cast<std::int16_t>(row.radio));
            e.SetI16(exo::kColour, 7);
            e.SetI16(exo::kWidth, 3);
            scene.Draw(e);
            const auto lines = scene.Lines();
            ASSERT_EQ(lines.size(), 1u);
            EXPECT_EQ(lines[0].pen.style, row.style);
            EXPECT_EQ(lines[0].pen.colour, ColourOfIndex(7));
            EXPECT_EQ(lines[0].pen.width, 3);
        }
    }
}

// y = 1.5 is pixel row 70; the ends one pixel inside the left and right borders, as a
// line on screen and a two-point polyline in export mode.
TEST(LineKind, EndsOnePixelInsideTheBorders) {
    for (const bool exportMode : {false, true}) {
        SCOPED_TRACE(exportMode ? "export" : "screen");
        GeometryScene scene;
        scene.settings.exportMode = exportMode;
        ExampleRecord& e = AddLine(scene, "0", "2", "3");
        scene.Draw(e);
        const auto drawn = scene.Of(exportMode ? Primitive::Polyline : Primitive::Line);
        ASSERT_EQ(drawn.size(), 1u);
        EXPECT_EQ(scene.surface.Primitives().size(), 1u);
        EXPECT_EQ(drawn[0].points, (std::vector<Point>{{199, 70}, {1, 70}}));
    }
}

// Negative steps show the members one at a time, with the explicit default pause: a
// line keeps no pause of its own.
TEST(LineKind, FamilyDrawsEveryMemberAndPollsAfterEach) {
    for (const int steps : {4, -4}) {
        SCOPED_TRACE(steps);
        GeometryScene scene;
        ExampleRecord& e = AddLine(scene, "0", "1", "a");
        GeometryScene::MakeFamily(e, steps, -2, 2);
        scene.eval.SetLetter(1, 0.25L);
        scene.Draw(e);
        const auto lines = scene.Lines();
        ASSERT_EQ(lines.size(), 5u);
        for (int k = 0; k < 5; ++k) {
            SCOPED_TRACE(k);
            EXPECT_EQ(lines[static_cast<std::size_t>(k)].points[0].y, 100 - 20 * (k - 2));
        }
        EXPECT_GE(scene.polls, 5);
        // The last member is what the example keeps.
        EXPECT_NEAR(e.Real(exo::kMinimum2), 2, kClose);
        EXPECT_EQ(scene.eval.letterValues[1].re, 0.25L);
        EXPECT_EQ(scene.shown, steps < 0 ? 5 : 0);
        EXPECT_EQ(scene.pauseCosines, steps < 0 ? 5 * 50 * 2000L : 0);
    }
}

TEST(LineKind, StopKeyEndsTheFamily) {
    GeometryScene scene;
    ExampleRecord& e = AddLine(scene, "0", "1", "a");
    GeometryScene::MakeFamily(e, 10, 0, 1);
    PlaneDrawContext context = scene.Context();
    context.pollKey = [] { return kStopKey; };
    EXPECT_EQ(DrawLine(context, e), kStopKey);
    EXPECT_EQ(scene.Lines().size(), 1u);
}

// A segment inside is drawn as it is; one from the centre out through an edge ends one
// pixel inside it; one outside draws nothing. The extents are those of the whole segment.
TEST(SegmentKind, ClippedAtEachEdgeWithTheExtentsOfTheWhole) {
    struct Row {
        const char* name;
        const char *a, *b, *c, *d;
        std::vector<Point> drawn;
        long double minX, maxX, minY, maxY;
    };
    const Row rows[] = {
        {"inside", "-1.5", "3.0", "3.5", "1.0", {{70, 40}, {170, 80}}, -1.5L, 3.5L, 1, 3},
        {"right", "0", "0", "8", "0", {{100, 100}, {199, 100}}, 0, 8, 0, 0},
        {"left", "0", "0", "-8", "0", {{100, 100}, {1, 100}}, -8, 0, 0, 0},
        {"top", "0", "0", "0", "8", {{100, 100}, {100, 1}}, 0, 0, 0, 8},
        {"bottom", "0", "0", "0", "-8", {{100, 100}, {100, 199}}, 0, 0, -8, 0},
        {"outside", "6", "6", "8", "7", {}, 6, 8, 6, 7},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        GeometryScene scene;
        ExampleRecord& e = AddSegment(scene, row.a, row.b, row.c, row.d);
        scene.Draw(e);
        const auto lines = scene.Lines();
        ASSERT_EQ(lines.size(), row.drawn.empty() ? 0u : 1u);
        EXPECT_EQ(scene.surface.Primitives().size(), lines.size());
        if (!lines.empty()) {
            EXPECT_EQ(lines[0].points, row.drawn);
        }
        EXPECT_EQ(e.Real(exo::kMinimum), row.minX);
        EXPECT_EQ(e.Real(exo::kMaximum), row.maxX);
        EXPECT_EQ(e.Real(exo::kMinimum2), row.minY);
        EXPECT_EQ(e.Real(exo::kMaximum2), row.maxY);
    }
}

TEST(SegmentKind, UndefinedMemberEndsTheFamily) {
    GeometryScene scene;
    // Members a = -1, 0, 1: the first is undefined, so nothing at all is drawn.
    ExampleRecord& e = AddSegment(scene, "0", "0", "1", "sqrt(a)");
    GeometryScene::MakeFamily(e, 2, -1, 1);
    scene.Draw(e);
    EXPECT_TRUE(scene.Lines().empty());
}

TEST(SegmentKind, PointsMarkTheEndsInsideTheWindow) {
    GeometryScene scene;
    ExampleRecord& e = AddSegment(scene, "-1", "1", "8", "1");
    e.SetFlag(exo::kFlag59, true);
    e.SetI16(exo::kColour, 5);
    scene.Draw(e);
    EXPECT_EQ(scene.Lines().size(), 1u);
    const auto marks = scene.Marks();
    ASSERT_EQ(marks.size(), 1u); // (8, 1) is outside
    EXPECT_EQ(marks[0].brush.colour, ColourOfIndex(5));
    EXPECT_EQ(marks[0].pen.style, platform::PenStyle::Solid);
    EXPECT_EQ(marks[0].rect, (platform::Rect{79, 79, 82, 82}));
}

} // namespace
} // namespace korvane
