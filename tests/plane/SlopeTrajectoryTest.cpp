// Solutions of dy/dx = F by the three methods against closed forms, their orders, the
// ends at the window's edges, at a vertical asymptote and at undefined values, and the
// direction field's lattice and marks.
#include "plane/SlopeTrajectory.h"

#include "tests/support/PlaneScene.h"
#include "tests/support/Tolerance.h"

#include <cmath>
#include <functional>

namespace korvane {
namespace {

using platform::Primitive;
using testing::Near;
using testing::PlaneScene;

// y = x - 1 + e^-x solves dy/dx = x - y through (0, 0); e^-1 to 30 digits (mpmath).
constexpr long double kExpMinusOne = 0.367879441171442321595523770161L;

TrajectoryRecord Problem(long double x0, long double y0, long double h, int method, long double steps = 1000) {
    TrajectoryRecord record;
    record.SetI16(tro::kKind, kSlopeField);
    record.SetReal(tro::kStartX, x0);
    record.SetReal(tro::kStartY, y0);
    record.SetReal(tro::kStepSize, h);
    record.SetI16(tro::kMethod, static_cast<std::int16_t>(method));
    record.SetReal(tro::kEndT, steps);
    record.SetI16(tro::kColour, 7);
    record.SetI16(tro::kWidth, 2);
    return record;
}

// The error at x = 1 of a solution of dy/dx = x - y from (0, 0) in n steps.
long double ErrorAtOne(int method, int n) {
    PlaneScene scene;
    ExampleRecord& example = scene.Add(kSlopeField, {{2, "x-y"}});
    TrajectoryRecord record = Problem(0, 0, 1.0L / n, method, n);
    PlaneDrawContext context = scene.Context();
    const SlopeTrajectoryResult result = TraceSlopeTrajectory(context, example, record, true);
    EXPECT_EQ(result.steps, n);
    EXPECT_EQ(result.end, SlopeEnd::StepLimit);
    EXPECT_NEAR(static_cast<double>(result.x), 1.0, 1e-15);
    return std::fabs(result.y - kExpMinusOne);
}

// Halving the step divides the error against the closed form by about 2, 4 and 16.
TEST(SlopeTrajectory, HalvingTheStepShowsEachMethodsOrder) {
    struct Row {
        int method;
        double ratio;
    } rows[] = {{kEulerMethod, 2}, {kModifiedEulerMethod, 4}, {kRungeKuttaMethod, 16}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.method);
        for (int n : {10, 20, 40}) {
            const double coarse = static_cast<double>(ErrorAtOne(row.method, n));
            const double fine = static_cast<double>(ErrorAtOne(row.method, 2 * n));
            SCOPED_TRACE("steps " + std::to_string(n));
            EXPECT_NEAR(coarse / fine, row.ratio, 0.12 * row.ratio) << coarse << " / " << fine;
        }
    }
}

// How a solution ends and where, drawing segments only inside the window in the record's
// pen; the record's number of steps becomes the number made.
// - With "limite da tela" off the solution goes on above the window and stops only when x
//   leaves; with it on it stops where y leaves (y = x - 1 + e^-x passes 0.5 at 1.1983, mpmath).
// - A negative step runs to the left: from (0, 0) the solution leaves at x = -5.
// - dy/dx = 1/x from x0 < 0: with "Inclinação infinita" the solution stops before 0, on
//   y = ln|x| - ln 2.005 (Euler's sum of h/x falls well short of it near 0); without it
//   the step across 0 is taken.
// - An undefined slope ends the solution quietly; what was drawn stays.
// - S ends it after the step at which it was read; with "olhar" every step shows the
//   picture and pauses for the window's delay.
// - A start outside in x makes no step; a step too small to move x ends at once.
TEST(SlopeTrajectory, HowASolutionEnds) {
    using E = SlopeEnd;
    using Fn = std::function<long double(long double)>;
    const Fn closedForm = [](long double x) { return x - 1 + std::exp(-x); };
    const Fn logarithm = [](long double x) { return std::log(-x) - std::log(2.005L); };
    struct Row {
        const char* name;
        const char* f = "x-y";
        long double x0 = 0, h = 0.01L;
        int method = kEulerMethod;
        bool small = false; // the window [-1, 3] x [-1, 0.5]
        bool screenLimit = true, infiniteSlope = false, stop = false, watch = false;
        E end;
        int steps = -1;                          // -1: not counted
        long double above = -1e9L, below = 1e9L; // x ends strictly between
        Fn y = nullptr;                          // y at the end, of x
        long double tolerance = 0;
        int lines = -1; // -1: not counted; -2: one per step; -3: fewer than the steps
    };
    const int rk = kRungeKuttaMethod;
    const Row rows[] = {
        {.name = "sem limite", .method = rk, .small = true, .screenLimit = false,
         .end = E::LeftWindow, .above = 3, .below = 3.011L, .y = closedForm, .tolerance = 1e-9L,
         .lines = -3},
        {.name = "limite da tela", .method = rk, .small = true, .end = E::LeftWindow,
         .above = 1.1985L, .below = 1.4L, .y = closedForm, .tolerance = 1e-9L, .lines = -3},
        {.name = "negative step", .f = "0.1", .h = -0.25L, .end = E::LeftWindow, .steps = 21,
         .above = -5.25L - 1e-15L, .below = -5.25L + 1e-15L,
         .y = [](long double x) { return 0.1L * x; }, .tolerance = 1e-15L, .lines = 20},
        {.name = "infinite, Euler", .f = "1/x", .x0 = -2.005L, .screenLimit = false,
         .infiniteSlope = true, .end = E::InfiniteSlope, .above = -0.011L, .below = 0,
         .y = logarithm, .tolerance = 0.15L},
        {.name = "infinite, mod Euler", .f = "1/x", .x0 = -2.005L, .method = kModifiedEulerMethod,
         .screenLimit = false, .infiniteSlope = true, .end = E::InfiniteSlope, .above = -0.011L,
         .below = 0, .y = logarithm, .tolerance = 0.05L},
        {.name = "infinite, Runge-Kutta", .f = "1/x", .x0 = -2.005L, .method = rk,
         .screenLimit = false, .infiniteSlope = true, .end = E::InfiniteSlope, .above = -0.011L,
         .below = 0, .y = logarithm, .tolerance = 0.05L},
        {.name = "infinite slope off", .f = "1/x", .x0 = -2.005L, .screenLimit = false,
         .end = E::LeftWindow, .above = 0},
        {.name = "undefined", .f = "sqrt(x)", .x0 = 1, .h = -0.1L, .end = E::Undefined,
         .above = -0.05L, .below = 0.15L, .lines = -2},
        {.name = "S", .stop = true, .end = E::Stopped, .steps = 3},
        {.name = "S, olhar", .stop = true, .watch = true, .end = E::Stopped, .steps = 3},
        {.name = "outside", .x0 = 7, .end = E::LeftWindow, .steps = 0, .lines = 0},
        {.name = "vanishing step", .x0 = 1, .h = 0, .end = E::NoProgress, .steps = 0, .lines = 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        PlaneScene scene;
        if (row.small)
            scene.SetCorners(-1, 3, -1, 0.5L);
        scene.settings.infiniteSlope = row.infiniteSlope;
        scene.settings.watchDelay = 7;
        if (row.stop)
            scene.keys = {0, 0, kStopKey};
        ExampleRecord& example = scene.Add(kSlopeField, {{2, row.f}});
        example.SetFlag(exo::kScreenLimit, row.screenLimit);
        example.SetFlag(exo::kFlag57, row.watch);
        TrajectoryRecord record = Problem(row.x0, 0, row.h, row.method);
        PlaneDrawContext context = scene.Context();
        const SlopeTrajectoryResult result = TraceSlopeTrajectory(context, example, record);
        EXPECT_EQ(result.end, row.end);
        if (row.steps >= 0) {
            EXPECT_EQ(result.steps, row.steps);
        }
        EXPECT_GT(result.x, row.above);
        EXPECT_LT(result.x, row.below);
        if (row.y) {
            EXPECT_TRUE(Near(result.y, row.y(result.x), row.tolerance)) << double(result.y);
        }
        EXPECT_EQ(record.Real(tro::kEndT), result.steps);
        EXPECT_EQ(result.key, row.stop ? kStopKey : 0);
        EXPECT_EQ(scene.pauseCosines, row.watch ? 700L * result.steps : 0);
        EXPECT_EQ(scene.shown, row.watch ? result.steps : 0);
        const auto lines = scene.surface.OfKind(Primitive::Line);
        const std::size_t steps = static_cast<std::size_t>(result.steps);
        if (row.lines >= 0) {
            EXPECT_EQ(lines.size(), static_cast<std::size_t>(row.lines));
        } else if (row.lines == -2) {
            EXPECT_EQ(lines.size(), steps);
        } else if (row.lines == -3) {
            EXPECT_FALSE(lines.empty());
            EXPECT_LT(lines.size(), steps);
        }
        const int top = scene.view.ToPixelYInt(scene.view.ymax);
        for (const Primitive& line : lines) {
            SCOPED_TRACE(platform::Describe(line));
            EXPECT_GE(line.points[1].y, top);
            EXPECT_EQ(line.pen.colour, testing::ColourOfIndex(7));
            EXPECT_EQ(line.pen.width, 2);
        }
    }
}

// The lattice: with 20 columns on [-5, 5] the rows lie 0.5 apart, centred on the view,
// 19 x 19 marks; slopes are one segment, vectors three; field pen from byte 24.
TEST(SlopeTrajectory, DirectionFieldLatticeAndMarks) {
    struct Row {
        int mode;
        std::size_t lines;
    } rows[] = {{0, 0}, {1, 361}, {2, 3 * 361}};
    for (const Row& row : rows) {
        SCOPED_TRACE("mode " + std::to_string(row.mode));
        PlaneScene scene;
        ExampleRecord& example = scene.Add(kSlopeField, {{2, "x-y"}});
        example.SetI16(exo::kRadio, static_cast<std::int16_t>(row.mode));
        example.SetI16(exo::kPen24, 9);
        PlaneDrawContext context = scene.Context();
        DrawSlopeField(context, example);
        const auto lines = scene.surface.OfKind(Primitive::Line);
        EXPECT_EQ(lines.size(), row.lines);
        if (row.mode == 0)
            continue;
        EXPECT_EQ(lines.front().pen.colour, testing::ColourOfIndex(9));
        // 15 tenths of a percent of the 500-pixel width, in world units.
        EXPECT_TRUE(Near(example.Real(exo::kFieldMarkWorld), 7.5L * 0.02L, 1e-15L));
        // Polled once per column pair.
        EXPECT_EQ(scene.polls, 10);
    }
}

// A slope mark is centred on its point along (1, F); a vector starts at its point.
TEST(SlopeTrajectory, MarksFollowTheField) {
    PlaneScene scene;
    ExampleRecord& example = scene.Add(kSlopeField, {{2, "x-y"}});
    PlaneDrawContext context = scene.Context();
    DrawSlopeField(context, example);
    const auto lines = scene.surface.OfKind(Primitive::Line);
    ASSERT_FALSE(lines.empty());
    // The first mark is at the centre, where F = 0: horizontal, 7.5 pixels long.
    EXPECT_EQ(lines[0].points[0].y, 250);
    EXPECT_EQ(lines[0].points[1].y, 250);
    EXPECT_EQ(lines[0].points[0].x + lines[0].points[1].x, 500);
    EXPECT_NEAR(lines[0].points[1].x - lines[0].points[0].x, 7.5, 0.6);
    // (cx, cy - 0.5): F = 0.5, pixel direction (1, -0.5).
    const Primitive& below = lines[1];
    EXPECT_EQ(below.points[0].x + below.points[1].x, 500);
    EXPECT_NEAR(below.points[1].y - below.points[0].y, -7.5 * 0.5 / std::sqrt(1.25), 1.0); // two roundings

    PlaneScene vectors;
    ExampleRecord& system = vectors.Add(kSystem, {{0, "-y"}, {1, "x"}});
    system.SetI16(exo::kRadio, 2);
    PlaneDrawContext vectorContext = vectors.Context();
    DrawSystem(vectorContext, system);
    const auto arrows = vectors.surface.OfKind(Primitive::Line);
    ASSERT_GE(arrows.size(), 4u);
    // At the centre the field vanishes: a single pixel instead of an arrow.
    EXPECT_EQ(vectors.surface.OfKind(Primitive::SetPixel).size(), 1u);
    // (0, -0.5): the field (0.5, 0) points right from the lattice point.
    EXPECT_EQ(arrows[0].points[0].x, 250);
    EXPECT_EQ(arrows[0].points[0].y, 275);
    EXPECT_NEAR(arrows[0].points[1].x - 250, 7.5, 0.6);
    EXPECT_EQ(arrows[0].points[1].y, 275);

    // Marks are as long in world units whatever their direction: with a pixel twice as
    // tall (in world units) as it is wide, a slope of 1 spans twice as many pixels across
    // as up: 7.5 pixels of x, 0.15 world units, along (1, 1), 0.106 each way.
    PlaneScene tall;
    tall.view.independent = true;
    tall.SetCorners(-5, 5, -2.5L, 2.5L); // unitX 0.02, unitY 0.01
    ExampleRecord& one = tall.Add(kSlopeField, {{2, "1"}});
    one.SetI16(exo::kRadio, 1);
    PlaneDrawContext tallContext = tall.Context();
    DrawSlopeField(tallContext, one);
    const auto marks = tall.surface.OfKind(Primitive::Line);
    ASSERT_FALSE(marks.empty());
    EXPECT_NEAR(marks[0].points[1].x - marks[0].points[0].x, 0.15 / std::sqrt(2.0) / 0.02, 1.0);
    EXPECT_NEAR(marks[0].points[0].y - marks[0].points[1].y, 0.15 / std::sqrt(2.0) / 0.01, 1.0);
}

// The example draws every problem, and then its field.
TEST(SlopeTrajectory, ExampleDrawsItsProblemsThenTheField) {
    PlaneScene scene;
    ExampleRecord& example = scene.Add(kSlopeField, {{2, "x-y"}});
    example.SetI16(exo::kRadio, 1);
    example.trajectories.push_back(Problem(0, 0, 0.05L, kRungeKuttaMethod));
    example.trajectories.push_back(Problem(0, -1, -0.05L, kRungeKuttaMethod)); // y = x - 1
    example.trajectories.push_back(Problem(-4, 0, 0.05L, kEulerMethod, 5));    // "passos" 5
    PlaneDrawContext context = scene.Context();
    DrawSlopeField(context, example);
    EXPECT_EQ(example.trajectories[2].Real(tro::kEndT), 5) << "the steps typed end the solution";
    const auto lines = scene.surface.OfKind(Primitive::Line);
    ASSERT_GT(lines.size(), 361u);
    EXPECT_EQ(lines.back().pen.colour, platform::kBlack); // a new example's field colour -1
    EXPECT_EQ(lines.front().pen.colour, testing::ColourOfIndex(7));
    EXPECT_GT(example.trajectories[0].Real(tro::kEndT), 50);
    EXPECT_GT(example.trajectories[1].Real(tro::kEndT), 50);
}

} // namespace
} // namespace korvane
