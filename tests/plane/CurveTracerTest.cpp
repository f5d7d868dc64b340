// The curve tracer of explicit, polar and parametric examples on a recording surface.
// Reference values come from the C++ runtime's functions, never from the evaluator.
#include "plane/CurveTracer.h"

#include "TraceTestSupport.h"
#include "plane/ExampleCompiler.h"
#include "platform/memory/RasterSurface.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <deque>
#include <set>
#include <string>

namespace korvane {
namespace {

using platform::Point;
using platform::Primitive;
using tracetest::TraceScene;

constexpr long double kPi = 3.141592653589793238462643383279502884L;

std::string Where(const Point& p) { return "(" + std::to_string(p.x) + ", " + std::to_string(p.y) + ")"; }

// Runs of consecutive samples that pass `inside`, counting only runs that draw a line.
template <class Inside>
int DrawnRuns(const std::vector<tracetest::PollRecord>& log, Inside inside) {
    int runs = 0;
    int length = 0;
    for (const tracetest::PollRecord& sample : log) {
        length = inside(sample) ? length + 1 : 0;
        if (length == 2)
            ++runs;
    }
    return runs;
}

// ---- Which letter receives the parameter ----

TEST(CurveTracer, PlotVariableByKindAndLetter) {
    struct Row {
        std::int16_t kind;
        std::int16_t letter; // byte 32
        int expected;
    };
    const Row rows[] = {
        {kExplicit, 0, 'X' - 64}, {kExplicit, 21, 'X' - 64}, {kPolar, 0, 'T' - 64},
        {kPolar, 21, 'T' - 64},   {kParametric, 0, 'T' - 64}, {kParametric, 21, 21},
        {kParametric, 1, 1},      {kParametric, 27, 'T' - 64}, {kParametric, -3, 'T' - 64},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("kind " + std::to_string(row.kind) + " letter " + std::to_string(row.letter));
        ExampleRecord example;
        example.Initialise(row.kind, 3);
        example.SetI16(exo::kParameterLetter, row.letter);
        EXPECT_EQ(PlotVariable(example), row.expected);
    }
}

// ---- Sample count and range ----

TEST(CurveTracer, SampleCountFollowsDensityWidthAndLockedInterval) {
    struct Row {
        const char* what;
        int density;
        bool locked;
        long double a, b;
        std::int64_t expected;
    };
    // 200 pixels, rx = 5: a full-width curve has density x 201 steps.
    const Row rows[] = {
        {"density 1", 1, false, -5, 5, 201},
        {"density 10", 10, false, -5, 5, 2010},
        {"unlocked ignores its interval", 1, false, 0, 1, 201},
        {"locked half width", 1, true, 0, 5, 100}, // 201 x 2.5 / 5 = 100.5, rounded toward zero
        {"locked tenth", 10, true, 0, 1, 201},     // 2010 x 0.5 / 5
        {"locked tiny keeps one step", 1, true, 0, 1e-9L, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        TraceScene scene;
        ExampleRecord& example = scene.Add(kExplicit, {{1, "x"}});
        example.SetI16(exo::kDensity, static_cast<std::int16_t>(row.density));
        example.SetFlag(exo::kLockInterval, row.locked);
        EXPECT_EQ(CurveSampleCount(scene.view, example, row.a, row.b), row.expected);
    }
}

// One poll per sample; the last sample is exactly the maximum.
TEST(CurveTracer, LockedIntervalIsClippedToTheWindow) {
    struct Row {
        const char* what;
        long double minimum, maximum;
        bool ignoreIntervals;
        std::size_t samples; // 0: nothing evaluated
        long double first, last;
    };
    const Row rows[] = {
        {"left of the window", -20, -5.5L, false, 0, 0, 0},
        {"right of the window", 5.5L, 20, false, 0, 0, 0},
        {"touching from the right", 5, 20, false, 0, 0, 0},
        {"overlapping the right edge", 3, 20, false, 41, 3, 5}, // 201 x 1 / 5 = 40.2
        {"covering the window", -20, 20, false, 202, -5, 5},
        {"ignored intervals: whole interval", 5.5L, 20, true, 292, 5.5L, 20}, // 201 x 7.25 / 5
        {"inside", -4.3L, 4.7L, false, 182, -4.3L, 4.7L},                      // 201 x 4.5 / 5
        {"inside, narrow", -1.1L, 3.3L, false, 89, -1.1L, 3.3L},               // 201 x 2.2 / 5
        {"inside, narrower", 0.1L, 0.7L, false, 13, 0.1L, 0.7L},               // 201 x 0.3 / 5
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        TraceScene scene;
        ExampleRecord& example = scene.Add(kExplicit, {{1, "x/10"}});
        example.SetFlag(exo::kLockInterval, true);
        example.SetReal(exo::kMinimum, row.minimum);
        example.SetReal(exo::kMaximum, row.maximum);
        scene.settings.ignoreExampleIntervals = row.ignoreIntervals;
        EXPECT_EQ(scene.Curve(example), 0);
        if (row.samples == 0) {
            EXPECT_TRUE(scene.log.empty());
            EXPECT_TRUE(scene.surface.Primitives().empty());
            continue;
        }
        ASSERT_EQ(scene.log.size(), row.samples);
        EXPECT_EQ(scene.log.front().x, row.first + 1e-18L);
        EXPECT_EQ(scene.log.back().x, row.last);
        const long double h = (row.last - row.first) / static_cast<long double>(row.samples - 1);
        EXPECT_NEAR(static_cast<double>(scene.log[row.samples - 2].x),
                    static_cast<double>(row.last - h), 1e-12);
    }
}

// ---- Undefined samples and excursions lift the pen ----

TEST(CurveTracer, SqrtStartsCleanlyAtTheFirstDefinedSample) {
    for (bool exportMode : {false, true}) {
        SCOPED_TRACE(exportMode ? "export" : "screen");
        TraceScene scene;
        scene.settings.exportMode = exportMode;
        ExampleRecord& example = scene.Add(kExplicit, {{1, "sqrt(x)"}});
        scene.Curve(example);
        const auto first = std::find_if(scene.log.begin(), scene.log.end(),
                                        [](const tracetest::PollRecord& s) { return s.x >= 0; });
        ASSERT_NE(first, scene.log.end());
        const auto polylines = scene.Polylines();
        ASSERT_EQ(polylines.size(), 1u);
        EXPECT_EQ(polylines[0].points.front(), scene.PixelOf(first->x, std::sqrt(first->x)));
        EXPECT_EQ(polylines[0].points.back(), scene.PixelOf(5, std::sqrt(5.0L)));
        EXPECT_TRUE(scene.Lines().empty());
    }
}

TEST(CurveTracer, CurveLeavingTheWindowIsBrokenAtItsEdges) {
    struct Row {
        const char* formula;
        long double (*reference)(long double);
    };
    const Row rows[] = {
        {"8sin(x)", [](long double x) { return 8 * std::sin(x); }},
        {"6cos(2x)", [](long double x) { return 6 * std::cos(2 * x); }},
        {"1/x", [](long double x) { return 1 / x; }},
    };
    for (const Row& row : rows) {
        for (bool exportMode : {false, true}) {
            SCOPED_TRACE(std::string(row.formula) + (exportMode ? ", export" : ", screen"));
            TraceScene scene;
            scene.settings.exportMode = exportMode;
            ExampleRecord& example = scene.Add(kExplicit, {{1, row.formula}});
            scene.Curve(example);
            const int runs = DrawnRuns(scene.log, [&](const tracetest::PollRecord& s) {
                return std::fabs(row.reference(s.x)) <= 5;
            });
            ASSERT_GE(runs, 2);
            EXPECT_EQ(scene.Polylines().size(), static_cast<std::size_t>(runs));
            // A line longer than the spacing allows would join points on both sides of a gap.
            for (const Primitive& line : scene.Segments())
                EXPECT_LE(std::abs(line.points[1].x - line.points[0].x), 2) << Describe(line);
            for (const Primitive& p : scene.surface.Primitives())
                for (const Point& point : p.points) {
                    SCOPED_TRACE(Where(point));
                    EXPECT_TRUE(point.y >= 0 && point.y <= 200);
                }
        }
    }
}

TEST(CurveTracer, FloorWithToleranceShowsSeparateSteps) {
    struct Row {
        long double stepTolerance; // pixels
        int expectedVertical;      // lines that join two steps
        std::size_t expectedPieces;
    };
    // floor on [-5, 5]: ten steps -5 .. 4, and the value 5 at the very end.
    const Row rows[] = {{1, 0, 10}, {3, 0, 10}, {0, 10, 1}};
    for (const Row& row : rows) {
        SCOPED_TRACE("tolerance " + std::to_string(static_cast<double>(row.stepTolerance)));
        TraceScene scene;
        scene.eval.tolerance = 0.125L;
        ExampleRecord& example = scene.Add(kExplicit, {{1, "floor(x)"}});
        example.SetReal(exo::kStepTolerance, row.stepTolerance);
        scene.Curve(example);
        int vertical = 0;
        for (const Primitive& line : scene.Segments())
            if (line.points[0].y != line.points[1].y)
                ++vertical;
        EXPECT_EQ(vertical, row.expectedVertical);
        EXPECT_EQ(scene.Pieces().size(), row.expectedPieces);
        EXPECT_EQ(scene.eval.tolerance, 0.125L); // the window's tolerance is put back
    }
}

// ---- Polar and parametric ----

TEST(CurveTracer, PolarWithPositiveROnlyOmitsEverySampleWithRAtMostZero) {
    // A limacon with an inner loop: r = 1 + 2cos(t) is negative for t in (2pi/3, 4pi/3).
    for (bool positiveOnly : {true, false}) {
        SCOPED_TRACE(positiveOnly ? "positive r only" : "every r");
        TraceScene scene;
        ExampleRecord& example =
            scene.Add(kPolar, {{0, "(1+2cos(t))cos(t)"}, {1, "(1+2cos(t))sin(t)"}, {2, "1+2cos(t)"}});
        example.SetReal(exo::kMinimum, 0);
        example.SetReal(exo::kMaximum, 2 * kPi);
        example.SetFlag(exo::kFlag50, positiveOnly);
        scene.Curve(example);
        // Pixels that only samples with r <= 0 reach, and only samples with r > 0.
        std::set<std::pair<int, int>> fromPositive, fromNegative;
        for (const tracetest::PollRecord& sample : scene.log) {
            const long double r = 1 + 2 * std::cos(sample.t);
            const Point p = scene.PixelOf(r * std::cos(sample.t), r * std::sin(sample.t));
            (r > 0 ? fromPositive : fromNegative).insert({p.x, p.y});
        }
        int negativeDrawn = 0;
        int positiveDrawn = 0;
        for (const Primitive& polyline : scene.Polylines())
            for (const Point& p : polyline.points) {
                negativeDrawn += !fromPositive.count({p.x, p.y}) && fromNegative.count({p.x, p.y});
                positiveDrawn += fromPositive.count({p.x, p.y}) && !fromNegative.count({p.x, p.y});
            }
        EXPECT_GT(positiveDrawn, 100);
        if (positiveOnly) {
            EXPECT_EQ(negativeDrawn, 0);
            EXPECT_EQ(scene.Pieces().size(), 2u); // the outer loop, before and after the inner one
        } else {
            EXPECT_GT(negativeDrawn, 10);
        }
    }
}

TEST(CurveTracer, ParametricArrowPointsAlongTheCurve) {
    struct Row {
        const char* what;
        const char* dx;
        const char* dy;
        long double at;
        bool drawn;
        int tipX, tipY;                     // pixel of the point
        int directionX, directionY;         // sign of the pixel direction from base to tip
    };
    // The unit circle, counter-clockwise: at t = 0 the point (1, 0) moving up (pixel y down).
    const Row rows[] = {
        {"at t = 0", "-sin(t)", "cos(t)", 0, true, 120, 100, 0, -1},
        {"at t = pi/2", "-sin(t)", "cos(t)", kPi / 2, true, 100, 80, -1, 0},
        {"zero direction", "0", "0", 0, false, 0, 0, 0, 0},
        {"undefined direction", "sqrt(-1-t*t)", "1", 0, false, 0, 0, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        TraceScene scene;
        ExampleRecord& example =
            scene.Add(kParametric, {{0, "cos(t)"}, {1, "sin(t)"}, {4, row.dx}, {5, row.dy}});
        example.SetReal(exo::kMinimum, 0);
        example.SetReal(exo::kMaximum, 2 * kPi);
        example.SetFlag(exo::kFlag58, true);
        example.SetI16(exo::kArrowSize, 6);
        example.SetReal(exo::kArrowPosition, row.at);
        scene.Curve(example);
        EXPECT_EQ(example.Real(exo::kArrowWorld), scene.view.unitX * 16);
        const auto polygons = scene.surface.OfKind(Primitive::Polygon);
        if (!row.drawn) {
            EXPECT_TRUE(polygons.empty());
            continue;
        }
        ASSERT_EQ(polygons.size(), 1u);
        const auto& head = polygons[0].points;
        ASSERT_EQ(head.size(), 3u);
        EXPECT_EQ(head[0], (Point{row.tipX, row.tipY}));
        EXPECT_EQ(polygons[0].brush.colour, tracetest::ColourOfIndex(3));
        const int baseX = (head[1].x + head[2].x) / 2;
        const int baseY = (head[1].y + head[2].y) / 2;
        // 16 pixels long, pointing the way the curve goes.
        EXPECT_NEAR(std::hypot(head[0].x - baseX, head[0].y - baseY), 16, 1.5);
        EXPECT_EQ((head[0].x - baseX > 2) - (head[0].x - baseX < -2), row.directionX);
        EXPECT_EQ((head[0].y - baseY > 2) - (head[0].y - baseY < -2), row.directionY);
    }
}

TEST(CurveTracer, CurveAndArrowOfTheCompileStepUseTheLetterOfByte32) {
    // The unit circle in u from pi/2, compiled as the window compiles it: it starts at (0, 1),
    // its arrow at u = 2 pi sits at (1, 0) and points up, as the curve goes.
    TraceScene scene;
    ExampleRecord& example = scene.Add(kParametric, {});
    example.texts[0] = "cos(u)";
    example.texts[1] = "sin(u)";
    example.SetI16(exo::kParameterLetter, 'U' - 64);
    ASSERT_EQ(CompileExample(scene.compiler, example, true), 0);
    example.SetReal(exo::kMinimum, kPi / 2);
    example.SetReal(exo::kMaximum, kPi / 2 + 2 * kPi);
    example.SetFlag(exo::kFlag58, true);
    example.SetI16(exo::kArrowSize, 6);
    example.SetReal(exo::kArrowPosition, 2 * kPi);
    scene.Curve(example);
    ASSERT_FALSE(scene.Pieces().empty());
    EXPECT_EQ(scene.Pieces().front().front().points[0], scene.PixelOf(0, 1));
    const auto polygons = scene.surface.OfKind(Primitive::Polygon);
    ASSERT_EQ(polygons.size(), 1u);
    const auto& head = polygons[0].points;
    EXPECT_EQ(head[0], scene.PixelOf(1, 0));
    EXPECT_LT(head[0].y, (head[1].y + head[2].y) / 2 - 10) << "the arrow points up";
}

// ---- Pens, pixels and families ----

TEST(CurveTracer, PenComesFromColourWidthAndAttribute) {
    struct Row {
        const char* what;
        std::int16_t colour, width, attribute;
        bool blackGraphs;
        platform::Pen expected;
    };
    const Row rows[] = {
        {"colour 7, width 3, dashed", 7, 3, 1, false, {tracetest::ColourOfIndex(7), 3, platform::PenStyle::Dashed}},
        {"dotted", 24, 1, 2, false, {tracetest::ColourOfIndex(24), 1, platform::PenStyle::Dotted}},
        {"index out of range gives 0", 25, 2, 0, false, {tracetest::ColourOfIndex(0), 2, platform::PenStyle::Solid}},
        {"black graphs", 7, 1, 0, true, {tracetest::ColourOfIndex(0), 1, platform::PenStyle::Solid}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        TraceScene scene;
        scene.settings.blackGraphs = row.blackGraphs;
        ExampleRecord& example = scene.Add(kExplicit, {{1, "x/3"}});
        example.SetI16(exo::kColour, row.colour);
        example.SetI16(exo::kWidth, row.width);
        example.SetI16(exo::kPenAttribute, row.attribute);
        scene.Curve(example);
        const auto polylines = scene.Polylines();
        ASSERT_FALSE(polylines.empty());
        for (const Primitive& polyline : polylines)
            EXPECT_EQ(polyline.pen, row.expected) << Describe(polyline);
    }
}

// Each piece is one polyline through the pixels of its samples, each pixel taken once, as
// the exact mapping gives them: also where the pen places samples without it, on views
// whose bounds are no doubles, and where the curve leaves the window and comes back.
TEST(CurveTracer, PieceIsOnePolylineThroughEachPixelOnce) {
    const long double third = 1.0L / 3;
    struct Row {
        const char* formula;
        long double (*y)(long double);
        int density;
        long double xmin, xmax, ymin, ymax;
    } rows[] = {
        {"x/3", [](long double x) { return x / 3; }, 10, -5, 5, -5, 5},
        {"x/3", [](long double x) { return x / 3; }, 2, -5, 5, -5, 5},
        {"xsin(x)", [](long double x) { return x * std::sin(x); }, 10, -10 * third, 28 * third, -3 * third, 4 * third},
        {"xsin(x)", [](long double x) { return x * std::sin(x); }, 3, -10 * third, 28 * third, -3 * third, 4 * third},
        {"x^2-3", [](long double x) { return x * x - 3; }, 7, -2 - third, 3 * third, -3, third},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(::testing::Message() << r.formula << " at density " << r.density);
        TraceScene scene;
        scene.SetCorners(r.xmin, r.xmax, r.ymin, r.ymax);
        ExampleRecord& example = scene.Add(kExplicit, {{1, r.formula}});
        example.SetI16(exo::kDensity, static_cast<std::int16_t>(r.density));
        scene.Curve(example);
        std::vector<std::vector<Point>> expected;
        std::vector<Point> piece;
        int samples = 0;
        const auto lift = [&] {
            if (samples >= 2)
                expected.push_back(piece);
            piece.clear();
            samples = 0;
        };
        for (const tracetest::PollRecord& sample : scene.log) {
            const long double y = r.y(sample.x);
            PixelPoint p;
            if (!scene.view.Inside(sample.x, y) || !scene.view.ToPixelPointUnclamped(sample.x, y, p)) {
                lift();
                continue;
            }
            if (piece.empty() || piece.back() != Point{p.x, p.y})
                piece.push_back({p.x, p.y});
            ++samples;
        }
        lift();
        const auto polylines = scene.Polylines();
        ASSERT_EQ(polylines.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i)
            EXPECT_EQ(polylines[i].points, expected[i]) << "piece " << i;
        EXPECT_TRUE(scene.Lines().empty());
    }
}

// Two samples on one pixel are a dot; the second on the pixel above the first is found
// without the exact mapping.
TEST(CurveTracer, TwoSamplesOnOneOrNeighbouringPixels) {
    struct Row {
        const char* formula;
        int density;
        long double maximum;
        std::vector<Point> points;
    };
    const Row rows[] = {{"x", 1, 1e-6L, {{100, 100}}}, {"2x", 2, 0.0249L, {{100, 100}, {100, 99}}}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.formula);
        TraceScene scene;
        ExampleRecord& example = scene.Add(kExplicit, {{1, row.formula}});
        example.SetI16(exo::kDensity, static_cast<std::int16_t>(row.density));
        example.SetFlag(exo::kLockInterval, true);
        example.SetReal(exo::kMinimum, 0);
        example.SetReal(exo::kMaximum, row.maximum);
        scene.Curve(example);
        ASSERT_EQ(scene.log.size(), 2u);
        const auto polylines = scene.Polylines();
        ASSERT_EQ(polylines.size(), 1u);
        EXPECT_EQ(polylines[0].points, row.points);
    }
}

// On a raster the dash pattern runs along the whole curve: with a line per sample step it
// would start again at every pixel, and a dashed curve would look solid.
TEST(CurveTracer, DashedCurveShowsItsDashesOnARaster) {
    auto colouredPixels = [](int attribute) {
        TraceScene scene;
        ExampleRecord& example = scene.Add(kExplicit, {{1, "x/3"}});
        example.SetI16(exo::kDensity, 10);
        example.SetI16(exo::kColour, 9);
        example.SetI16(exo::kPenAttribute, attribute);
        platform::RasterSurface raster{platform::Size{200, 200}};
        PlaneDrawContext context{raster, scene.view, scene.eval, scene.examples, scene.settings, {}, {}, {}, {}};
        context.penRgb = tracetest::ColourOfIndex;
        DrawCurve(context, example);
        return raster.CountPixels(tracetest::ColourOfIndex(9));
    };
    const int solid = colouredPixels(0);
    const int dashed = colouredPixels(1); // 6 pixels on, 3 off
    ASSERT_GT(solid, 190);
    EXPECT_NEAR(static_cast<double>(dashed) / solid, 6.0 / 9.0, 0.05);
}

TEST(CurveTracer, ConnectPointsOffDrawsOnePixelPerSample) {
    TraceScene scene;
    scene.settings.connectPoints = false;
    ExampleRecord& example = scene.Add(kExplicit, {{1, "x/2"}});
    example.SetI16(exo::kColour, 9);
    scene.Curve(example);
    EXPECT_TRUE(scene.Lines().empty());
    const auto pixels = scene.Pixels();
    ASSERT_EQ(pixels.size(), scene.log.size()); // every sample is inside
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(pixels[i].colour, tracetest::ColourOfIndex(9));
        EXPECT_EQ(pixels[i].points[0], scene.PixelOf(scene.log[i].x, scene.log[i].x / 2));
    }
}

TEST(CurveTracer, FamilyOfTwentyStepsDrawsTwentyOneCurves) {
    struct Row {
        std::int16_t steps;
        std::size_t curves;
        int shown; // members copied to the screen one by one
    };
    const Row rows[] = {{20, 21, 0}, {-20, 21, 21}, {0, 1, 0}, {3, 4, 0}};
    for (const Row& row : rows) {
        SCOPED_TRACE("steps " + std::to_string(row.steps));
        TraceScene scene;
        scene.eval.SetLetter(1, 7);
        ExampleRecord& example = scene.Add(kExplicit, {{1, "a"}});
        example.SetFlag(exo::kIsFamily, true);
        example.SetI16(exo::kFamilyLetter, 1);
        example.SetI16(exo::kFamilySteps, row.steps);
        example.SetReal(exo::kFamilyFirst, -4);
        example.SetReal(exo::kFamilyLast, 4);
        example.SetI16(exo::kPause, 0);
        scene.Curve(example);
        const auto pieces = scene.Pieces();
        ASSERT_EQ(pieces.size(), row.curves);
        for (std::size_t k = 0; k < pieces.size(); ++k) {
            SCOPED_TRACE("member " + std::to_string(k));
            const long double value = row.steps == 0 ? -4 : -4 + 8.0L * k / std::abs(row.steps);
            EXPECT_EQ(pieces[k].front().points[0].y, scene.PixelOf(0, value).y);
            EXPECT_EQ(pieces[k].front().points[0].x, 0);
            EXPECT_EQ(pieces[k].back().points[1].x, 200);
        }
        EXPECT_EQ(scene.shown, row.shown);
        EXPECT_EQ(scene.eval.letterValues[1].re, 7); // the family letter is put back
    }
}

// ---- Point map ----

// A sample whose image does not evaluate is undefined: sqrt(x) maps only x >= 0, from the
// first sample there, x = -5 + 101 x 10/201, to x = 5.
TEST(CurveTracer, PointMapMovesEverySample) {
    struct Row {
        const char* what;
        bool complexMode;
        const char* mapX;
        const char* mapY;
        Point from, to; // ends of the mapped curve y = 0 on [-5, 5]
    };
    const Row rows[] = {
        {"halve x, lift y", false, "x/2", "y+1", {50, 80}, {150, 80}},
        {"complex: times i", true, "i*z", "", {100, 200}, {100, 0}},
        {"a map that fails", false, "sqrt(x)", "y", {103, 100}, {145, 100}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        TraceScene scene;
        scene.eval.SetComplexMode(row.complexMode);
        ExampleRecord& map = scene.Add(kParametric, {{0, row.mapX}});
        if (*row.mapY)
            scene.Compile(map, 1, row.mapY);
        map.SetShown(false);
        scene.settings.pointMapExample = 0;
        ExampleRecord& curve = scene.Add(kExplicit, {{1, "0"}});
        scene.Curve(curve);
        const auto pieces = scene.Pieces();
        ASSERT_EQ(pieces.size(), 1u);
        EXPECT_EQ(pieces[0].front().points[0], row.from);
        EXPECT_EQ(pieces[0].back().points[1], row.to);
    }
}

// ---- Keyboard ----

// S stops after the sample it was read at, the family with it; other keys are returned
// but do not stop; without polling the keyboard is never read.
TEST(CurveTracer, KeysAtTheSamples) {
    struct Row {
        const char* what;
        std::deque<int> keys;
        bool noPoll;
        int returned;
        std::size_t samples, pieces;
    };
    const Row rows[] = {
        {"S", {'S'}, false, 'S', 1, 0},
        {"other keys", {'A', 0, 0, 'B'}, false, 'B', 202, 1},
        {"no polling", {'S'}, true, 0, 0, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        TraceScene scene;
        scene.settings.noPoll = row.noPoll;
        scene.keys = row.keys;
        ExampleRecord& example = scene.Add(kExplicit, {{1, "x"}});
        example.SetFlag(exo::kIsFamily, row.returned == 'S');
        example.SetI16(exo::kFamilySteps, 5);
        EXPECT_EQ(scene.Curve(example), row.returned);
        EXPECT_EQ(scene.log.size(), row.samples);
        EXPECT_EQ(scene.Pieces().size(), row.pieces);
    }
}

TEST(CurveTracer, DispatcherSkipsHiddenExamples) {
    TraceScene scene;
    ExampleRecord& example = scene.Add(kExplicit, {{1, "x"}});
    example.SetShown(false);
    scene.Draw(example);
    EXPECT_TRUE(scene.surface.Primitives().empty());
    example.SetShown(true);
    scene.Draw(example);
    EXPECT_EQ(scene.Pieces().size(), 1u);
}

} // namespace
} // namespace korvane
