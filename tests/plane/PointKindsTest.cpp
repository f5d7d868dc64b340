// Points (kind 209) and point lists (kind 215) on a 200 x 200 picture of [-5, 5] x [-5, 5].
#include "GeometryTestSupport.h"

#include "plane/PointKinds.h"

#include <gtest/gtest.h>

#include <string>

namespace korvane {
namespace {

using geometrytest::ColourOfIndex;
using geometrytest::GeometryScene;
using geometrytest::kTestBackground;
using platform::Primitive;
using platform::Rect;

ExampleRecord& AddPoint(GeometryScene& scene, const char* x, const char* y) {
    ExampleRecord& e = scene.Add(kPoint, {{0, x}, {1, y}});
    e.SetI16(exo::kRadio, 1);
    return e;
}

ExampleRecord& AddList(GeometryScene& scene, const char* list) {
    ExampleRecord& e = scene.Add(kPointList, {});
    e.texts[3] = list;
    return e;
}

// The radii were worked out by hand from width x ClientW x 0.0016666666666666668, which
// lies a little above 1/600, so a product of exactly half a pixel rounds up.
TEST(PointMark, RadiusFollowsWidthAndClientWidth) {
    struct Row {
        int clientW, width, radius;
    };
    const Row rows[] = {
        {200, 1, 1}, {200, 3, 1}, {200, 5, 2}, {200, 30, 10}, {600, 1, 1}, {900, 1, 2},
        {2100, 1, 4}, {450, 4, 3}, {1200, 2, 4}, {100, 2, 1}, {200, 0, 1}, {200, 500, 10},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("ClientW " + std::to_string(row.clientW) + " width " + std::to_string(row.width));
        View view;
        view.SetClientSize(row.clientW, 300);
        view.Recompute();
        EXPECT_EQ(PointMarkRadius(view, row.width), row.radius);
    }
}

// The mark is drawn in export mode too.
TEST(PointKind, FilledOrOpenMark) {
    struct Row {
        int attribute;
        platform::Rgb brush;
        bool exportMode = false;
    };
    const Row rows[] = {{0, ColourOfIndex(6)}, {1, kTestBackground}, {0, ColourOfIndex(6), true}};
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.attribute << " " << row.exportMode);
        GeometryScene scene;
        scene.settings.exportMode = row.exportMode;
        ExampleRecord& e = AddPoint(scene, "1", "2");
        e.SetI16(exo::kColour, 6);
        e.SetI16(exo::kWidth, 5);
        e.SetI16(exo::kPenAttribute, static_cast<std::int16_t>(row.attribute));
        scene.Draw(e);
        const auto marks = scene.Marks();
        ASSERT_EQ(marks.size(), 1u);
        // (1, 2) is pixel (120, 60); radius 2.
        EXPECT_EQ(marks[0].rect, (Rect{118, 58, 123, 63}));
        EXPECT_EQ(marks[0].brush.colour, row.brush);
        EXPECT_EQ(marks[0].brush.style, platform::BrushStyle::Solid);
        EXPECT_EQ(marks[0].pen, (platform::Pen{ColourOfIndex(6), 1, platform::PenStyle::Solid}));
    }
}

TEST(PointKind, OnlyInsideTheWindow) {
    struct Row {
        const char *x, *y;
        bool drawn;
    };
    const Row rows[] = {
        {"0", "0", true},     {"5", "5", true},     {"-5", "-5", true},  {"5.001", "0", false},
        {"0", "-5.001", false}, {"-7", "1", false}, {"1", "9", false},
        {"sqrt(-1)", "0", false}, {"0", "ln(0)", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.x) + " , " + row.y);
        GeometryScene scene;
        ExampleRecord& e = AddPoint(scene, row.x, row.y);
        scene.Draw(e);
        EXPECT_EQ(scene.Marks().size(), row.drawn ? 1u : 0u);
        if (!row.drawn) {
            EXPECT_TRUE(scene.surface.Primitives().empty());
        }
    }
}

// Dotted segments to the axes, clipped where an axis is outside the window ([5, 15]
// squared); the mark comes last, over its anchors.
TEST(PointKind, AnchorsAreDottedProjectionsOntoTheAxes) {
    using P = std::vector<platform::Point>;
    for (const bool inSight : {true, false}) {
        SCOPED_TRACE(inSight);
        GeometryScene scene;
        if (!inSight)
            scene.view.SetView(10, 10, 5, 5, true);
        ExampleRecord& e = AddPoint(scene, inSight ? "2" : "10", inSight ? "-3" : "10");
        e.SetFlag(exo::kFlag59, true);
        e.SetI16(exo::kColour, 4);
        scene.Draw(e);
        const auto lines = scene.Lines();
        ASSERT_EQ(lines.size(), 2u);
        const P toX = inSight ? P{{140, 160}, {140, 100}} : P{{100, 100}, {100, 199}};
        const P toY = inSight ? P{{140, 160}, {100, 160}} : P{{100, 100}, {1, 100}};
        EXPECT_EQ(lines[0].points, toX);
        EXPECT_EQ(lines[1].points, toY);
        for (const Primitive& line : lines) {
            EXPECT_EQ(line.pen.style, platform::PenStyle::Dotted);
            EXPECT_EQ(line.pen.colour, ColourOfIndex(4));
        }
        EXPECT_EQ(scene.surface.Primitives().back().kind, Primitive::Ellipse);
    }
}

// The point map moves the point first, and gives X its value back; where the map is
// undefined the point is skipped.
TEST(PointKind, PointMapMovesThePointFirst) {
    for (const bool defined : {true, false}) {
        SCOPED_TRACE(defined);
        GeometryScene scene;
        scene.Add(kParametric, {{0, defined ? "x+1" : "sqrt(x)"}, {1, "2y"}});
        scene.settings.pointMapExample = 0;
        scene.eval.SetLetter('X' - 64, 7);
        ExampleRecord& e = AddPoint(scene, defined ? "1" : "-1", "1");
        scene.Draw(e);
        const auto marks = scene.Marks();
        ASSERT_EQ(marks.size(), defined ? 1u : 0u);
        if (defined) {
            EXPECT_EQ(marks[0].rect.left + 1, 140); // (2, 2)
            EXPECT_EQ(marks[0].rect.top + 1, 60);
        }
        EXPECT_EQ(scene.eval.letterValues['X' - 64].re, 7);
    }
}

TEST(PointKind, FamilyMarksEveryMember) {
    GeometryScene scene;
    ExampleRecord& e = AddPoint(scene, "a", "0");
    GeometryScene::MakeFamily(e, -4, -4, 4);
    e.SetI16(exo::kPause, 0);
    scene.Draw(e);
    const auto marks = scene.Marks();
    ASSERT_EQ(marks.size(), 5u);
    for (std::size_t k = 0; k < marks.size(); ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(marks[k].rect.left + 1, 20 + 40 * static_cast<int>(k));
    }
    EXPECT_EQ(scene.shown, 5);
}

TEST(PointList, Parse) {
    struct Row {
        const char* text;
        int code;
        std::vector<WorldPoint> points;
    };
    const Row rows[] = {
        {"1, 2, 3, 4", 0, {{1, 1}, {2, 2}, {3, 3}, {4, 4}}},
        {"  -1.5 2e1;0.25 ", 0, {{1, -1.5L}, {2, 20}, {3, 0.25L}}},
        {"(1, 2) [3;4] (-0.5 , 1e-1)", 0, {{1, 2}, {3, 4}, {-0.5L, 0.1L}}},
        {"7, (1,1), 8", 0, {{1, 7}, {1, 1}, {3, 8}}},
        {"", 0, {}},
        {" , ;", 0, {}},
        {"1, x, 3", 1, {{1, 1}}},
        {"(1, 2", 1, {}},
        {"(1 2)", 1, {}},
        {"[1, 2)", 1, {}},
        {"1e9999", 1, {}},
        {"2,,5", 0, {{1, 2}, {2, 5}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string("\"") + row.text + "\"");
        std::vector<WorldPoint> points;
        EXPECT_EQ(ParsePointList(row.text, points), row.code);
        ASSERT_EQ(points.size(), row.points.size());
        for (std::size_t i = 0; i < points.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(points[i].x, row.points[i].x);
            EXPECT_NEAR(points[i].y, row.points[i].y, 1e-18L);
        }
    }
}

TEST(PointList, DrawsTheInsidePointsAndCountsTheEntries) {
    GeometryScene scene;
    ExampleRecord& e = AddList(scene, "1, 2, 9, (-1, -1)");
    scene.Draw(e);
    const auto marks = scene.Marks();
    ASSERT_EQ(marks.size(), 3u); // (3, 9) is outside
    EXPECT_EQ(marks[0].rect, (Rect{119, 79, 122, 82}));
    EXPECT_EQ(marks[1].rect, (Rect{139, 59, 142, 62}));
    EXPECT_EQ(marks[2].rect, (Rect{79, 119, 82, 122}));
    EXPECT_EQ(e.I16(exo::kListCount), 4);
}

} // namespace
} // namespace korvane
