// The indefinite integral (kind 206): trapezoid passes from x0 to the right and then to
// the left, checked against closed forms computed with the C++ runtime.
#include "TraceTestSupport.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <string>

namespace korvane {
namespace {

using platform::Point;
using platform::Primitive;
using tracetest::TraceScene;

ExampleRecord& AddIntegral(TraceScene& scene, const char* f, long double x0) {
    ExampleRecord& example = scene.Add(kIndefiniteIntegral, {{1, f}});
    example.SetReal(exo::kCycloidStart, x0);
    return example;
}

// Every point drawn (line ends, polyline points, pixels).
std::vector<Point> DrawnPoints(const TraceScene& scene) {
    std::vector<Point> points;
    for (const Primitive& p : scene.surface.Primitives())
        if (p.kind == Primitive::Line || p.kind == Primitive::Polyline || p.kind == Primitive::SetPixel)
            points.insert(points.end(), p.points.begin(), p.points.end());
    return points;
}

std::string Where(const Point& p) { return "(" + std::to_string(p.x) + ", " + std::to_string(p.y) + ")"; }

TEST(IndefiniteIntegral, PointsLieOnTheClosedForm) {
    struct Row {
        const char* f;
        long double x0;
        std::function<long double(long double)> integral; // F(x), F(x0) = 0
        std::function<long double(long double)> slope;    // |f|, for the rounding allowance
    };
    const Row rows[] = {
        {"1", 0, [](long double x) { return x; }, [](long double) { return 1.0L; }},
        {"cos(x)", 0, [](long double x) { return std::sin(x); }, [](long double) { return 1.0L; }},
        {"cos(x)", 1, [](long double x) { return std::sin(x) - std::sin(1.0L); }, [](long double) { return 1.0L; }},
        {"x", 0, [](long double x) { return x * x / 2; }, [](long double x) { return std::fabs(x); }},
        {"exp(x)", -5, [](long double x) { return std::exp(x) - std::exp(-5.0L); },
         [](long double x) { return std::exp(x); }},
        // Undefined f counts 0: flat up to 0, then two thirds of x^1.5.
        {"sqrt(x)", -2, [](long double x) { return x < 0 ? 0 : 2 * std::pow(x, 1.5L) / 3; },
         [](long double x) { return x < 0 ? 0 : std::sqrt(x); }},
        {"sqrt(-1-x*x)", 0, [](long double) { return 0.0L; }, [](long double) { return 0.0L; }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.f) + " from " + std::to_string(static_cast<double>(row.x0)));
        TraceScene scene;
        AddIntegral(scene, row.f, row.x0);
        scene.Integral(scene.examples[0]);
        const std::vector<Point> points = DrawnPoints(scene);
        ASSERT_GT(points.size(), 100u);
        for (const Point& p : points) {
            SCOPED_TRACE(Where(p));
            const long double x = scene.view.ToWorldX(p.x);
            // Half a pixel of x rounding times the slope, and half a pixel of y rounding.
            const long double allowance = 0.6L + 0.6L * row.slope(x);
            EXPECT_NEAR(p.y, scene.view.ToPixelY(row.integral(x)), static_cast<double>(allowance));
        }
    }
}

// The step is half a pixel over the density: export polylines keep every step, also those
// that stay on one pixel, two passes of 5 / h. Without "conectar pontos" pixels instead;
// both in the example's colour.
TEST(IndefiniteIntegral, StepIsHalfAPixelOverTheDensity) {
    struct Row {
        int density;
        bool connect, exportMode;
        std::size_t lines; // h = (0.05 / 2) / density
    };
    const Row rows[] = {{1, true, true, 400}, {4, true, true, 1600}, {10, true, true, 4000},
                        {1, false, false, 0}};
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.density << " " << row.exportMode);
        TraceScene scene;
        scene.settings.connectPoints = row.connect;
        scene.settings.exportMode = row.exportMode;
        ExampleRecord& example = AddIntegral(scene, "1", 0);
        example.SetI16(exo::kDensity, static_cast<std::int16_t>(row.density));
        example.SetI16(exo::kColour, 11);
        scene.Integral(example);
        EXPECT_TRUE(scene.Lines().empty());
        if (!row.exportMode) {
            const auto pixels = scene.Pixels();
            EXPECT_GE(pixels.size(), 400u);
            for (const Primitive& pixel : pixels)
                EXPECT_EQ(pixel.colour, tracetest::ColourOfIndex(11));
            continue;
        }
        const auto polylines = scene.Polylines();
        ASSERT_EQ(polylines.size(), 2u);
        std::size_t lines = 0;
        for (const Primitive& polyline : polylines) {
            EXPECT_EQ(polyline.points.front(), (Point{100, 100}));
            EXPECT_EQ(polyline.pen.colour, tracetest::ColourOfIndex(11));
            lines += polyline.points.size() - 1;
        }
        EXPECT_GE(lines, row.lines - 2);
        EXPECT_LE(lines, row.lines);
    }
}

TEST(IndefiniteIntegral, PenLiftsOutsideTheIntervalAndTheWindow) {
    struct Row {
        const char* what;
        const char* f;
        long double x0, minimum, maximum;
        int leftPixel, rightPixel; // columns the drawing may reach
        std::size_t pieces;
    };
    const Row rows[] = {
        {"interval [-2, 3]", "1", 0, -2, 3, 60, 160, 2},
        {"start left of the interval", "0", -4, -2, 3, 60, 160, 1},
        {"start right of the window", "1", 8, -5, 5, 160, 200, 1}, // F = x - 8 leaves at x = 3
        // F = 8 sin(x) is inside while |F| <= 5: two pieces on each side of 0.
        {"8cos(x) leaves and comes back", "8cos(x)", 0, -5, 5, 24, 176, 4},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        TraceScene scene;
        ExampleRecord& example = AddIntegral(scene, row.f, row.x0);
        example.SetReal(exo::kMinimum, row.minimum);
        example.SetReal(exo::kMaximum, row.maximum);
        scene.Integral(example);
        const std::vector<Point> points = DrawnPoints(scene);
        ASSERT_FALSE(points.empty());
        int left = 1000;
        int right = -1000;
        for (const Point& p : points) {
            SCOPED_TRACE(Where(p));
            EXPECT_TRUE(p.y >= 0 && p.y <= 200);
            left = std::min(left, p.x);
            right = std::max(right, p.x);
        }
        EXPECT_NEAR(left, row.leftPixel, 1);
        EXPECT_NEAR(right, row.rightPixel, 1);
        EXPECT_EQ(scene.Pieces().size(), row.pieces);
        for (const Primitive& line : scene.Segments())
            EXPECT_LE(std::abs(line.points[1].x - line.points[0].x), 1) << Describe(line);
    }
}

// A family of F = a x: one poll per member, shown one at a time for negative steps; S
// stops after the first member. The letters get their values back.
TEST(IndefiniteIntegral, FamilyPollsOncePerMember) {
    struct Row {
        std::int16_t steps;
        std::size_t members;
        int shown;
        int key = 0;
    };
    const Row rows[] = {{3, 4, 0}, {-3, 4, 4}, {0, 1, 0}, {5, 1, 0, 'S'}};
    for (const Row& row : rows) {
        SCOPED_TRACE("steps " + std::to_string(row.steps));
        TraceScene scene;
        if (row.key != 0)
            scene.keys = {row.key};
        scene.eval.SetLetter(tracetest::kLetterX, 2.5L);
        scene.eval.SetLetter(1, -3);
        ExampleRecord& example = AddIntegral(scene, "a", 0);
        example.SetFlag(exo::kIsFamily, true);
        example.SetI16(exo::kFamilyLetter, 1);
        example.SetI16(exo::kFamilySteps, row.steps);
        example.SetReal(exo::kFamilyFirst, 0.1L);
        example.SetReal(exo::kFamilyLast, 0.7L);
        example.SetI16(exo::kPause, 0);
        EXPECT_EQ(scene.Integral(example), row.key);
        EXPECT_EQ(scene.log.size(), row.members);
        EXPECT_EQ(scene.shown, row.shown);
        EXPECT_EQ(scene.eval.letterValues[tracetest::kLetterX].re, 2.5L);
        EXPECT_EQ(scene.eval.letterValues[1].re, -3);
        const auto pieces = scene.Pieces();
        ASSERT_EQ(pieces.size(), 2 * row.members);
        for (std::size_t k = 0; k < row.members; ++k) {
            SCOPED_TRACE("member " + std::to_string(k));
            const long double a = row.members == 1 ? 0.1L : 0.1L + 0.6L * k / (row.members - 1);
            EXPECT_NEAR(pieces[2 * k].back().points[1].y, scene.view.ToPixelY(5 * a), 1);
            EXPECT_NEAR(pieces[2 * k + 1].back().points[1].y, scene.view.ToPixelY(-5 * a), 1);
        }
    }
}

TEST(IndefiniteIntegral, WithoutATreeDrawsNothing) {
    TraceScene scene;
    ExampleRecord& example = scene.Add(kIndefiniteIntegral, {});
    EXPECT_EQ(scene.Integral(example), 0);
    EXPECT_TRUE(scene.surface.Primitives().empty());
}

} // namespace
} // namespace korvane
