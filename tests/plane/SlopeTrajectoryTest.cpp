// Solutions of dy/dx = F by the three methods against closed forms, their orders, the
// ends at the window's edges, at a vertical asymptote and at undefined values, and the
// direction field's lattice and marks.
#include "plane/SlopeTrajectory.h"

#include "tests/support/PlaneScene.h"
#include "tests/support/Tolerance.h"

#include <cmath>

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

// With "limite da tela" off the solution goes on above the window and stops only when x
// leaves; with it on it stops where y leaves. Segments are drawn only inside.
TEST(SlopeTrajectory, ScreenLimitDecidesWhetherLeavingInYEnds) {
    for (bool limit : {false, true}) {
        SCOPED_TRACE(limit ? "limite da tela" : "sem limite");
        PlaneScene scene;
        scene.SetCorners(-1, 3, -1, 0.5L);
        ExampleRecord& example = scene.Add(kSlopeField, {{2, "x-y"}});
        example.SetFlag(exo::kScreenLimit, limit);
        TrajectoryRecord record = Problem(0, 0, 0.01L, kRungeKuttaMethod);
        PlaneDrawContext context = scene.Context();
        const SlopeTrajectoryResult result = TraceSlopeTrajectory(context, example, record);
        // y = x - 1 + e^-x passes 0.5 near x = 1.3.
        if (limit) {
            EXPECT_GT(result.y, 0.5L);
            EXPECT_LT(result.x, 1.4L);
        } else {
            EXPECT_GT(result.x, 3.0L);
            EXPECT_LT(result.x, 3.0L + 0.011L);
            EXPECT_TRUE(Near(result.y, result.x - 1 + std::exp(-result.x), 1e-9L));
        }
        EXPECT_EQ(result.end, SlopeEnd::LeftWindow);
        // The record's number of steps is now the number made.
        EXPECT_EQ(record.Real(tro::kEndT), result.steps);
        const auto lines = scene.surface.OfKind(Primitive::Line);
        ASSERT_FALSE(lines.empty());
        const int topPixel = scene.view.ToPixelYInt(0.5L);
        for (const Primitive& line : lines) {
            SCOPED_TRACE(platform::Describe(line));
            EXPECT_GE(line.points[1].y, topPixel);
            EXPECT_EQ(line.pen.colour, testing::ColourOfIndex(7));
            EXPECT_EQ(line.pen.width, 2);
        }
        EXPECT_LT(lines.size(), static_cast<std::size_t>(result.steps));
    }
}

// A negative step runs to the left: from (0, 0) the solution leaves at x = -5.
TEST(SlopeTrajectory, NegativeStepRunsToTheLeft) {
    PlaneScene scene;
    ExampleRecord& example = scene.Add(kSlopeField, {{2, "0.1"}});
    TrajectoryRecord record = Problem(0, 0, -0.25L, kEulerMethod);
    PlaneDrawContext context = scene.Context();
    const SlopeTrajectoryResult result = TraceSlopeTrajectory(context, example, record);
    EXPECT_EQ(result.steps, 21);
    EXPECT_TRUE(Near(result.x, -5.25L, 1e-15L));
    EXPECT_TRUE(Near(result.y, -0.525L, 1e-15L));
    EXPECT_EQ(scene.surface.OfKind(Primitive::Line).size(), 20u);
}

// dy/dx = 1/x from x0 < 0: with "Inclinação infinita" the solution stops before 0;
// without it the step across 0 is taken.
TEST(SlopeTrajectory, InfiniteSlopeStopsBeforeTheAsymptote) {
    // Near the asymptote Euler's sum of h/x falls well short of the logarithm.
    struct Row {
        bool infiniteSlope;
        int method;
        long double tolerance;
    } rows[] = {{true, kEulerMethod, 0.15L}, {true, kModifiedEulerMethod, 0.05L}, {true, kRungeKuttaMethod, 0.05L},
                {false, kEulerMethod, 0}};
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.method << " " << row.infiniteSlope);
        PlaneScene scene;
        scene.settings.infiniteSlope = row.infiniteSlope;
        ExampleRecord& example = scene.Add(kSlopeField, {{2, "1/x"}});
        example.SetFlag(exo::kScreenLimit, false);
        TrajectoryRecord record = Problem(-2.005L, 0, 0.01L, row.method);
        PlaneDrawContext context = scene.Context();
        const SlopeTrajectoryResult result = TraceSlopeTrajectory(context, example, record);
        if (row.infiniteSlope) {
            EXPECT_EQ(result.end, SlopeEnd::InfiniteSlope);
            EXPECT_LT(result.x, 0.0L);
            EXPECT_GT(result.x, -0.011L);
            // y = ln|x| - ln 2.005 along the way.
            EXPECT_TRUE(Near(result.y, std::log(-result.x) - std::log(2.005L), row.tolerance));
        } else {
            EXPECT_NE(result.end, SlopeEnd::InfiniteSlope);
            EXPECT_GT(result.x, 0.0L);
        }
    }
}

// An undefined slope ends the solution quietly; what was drawn stays.
TEST(SlopeTrajectory, UndefinedSlopeEndsTheSolution) {
    PlaneScene scene;
    ExampleRecord& example = scene.Add(kSlopeField, {{2, "sqrt(x)"}});
    TrajectoryRecord record = Problem(1, 0, -0.1L, kEulerMethod);
    PlaneDrawContext context = scene.Context();
    const SlopeTrajectoryResult result = TraceSlopeTrajectory(context, example, record);
    EXPECT_EQ(result.end, SlopeEnd::Undefined);
    EXPECT_GE(result.x, -0.05L);
    EXPECT_LT(result.x, 0.15L);
    EXPECT_EQ(scene.surface.OfKind(Primitive::Line).size(), static_cast<std::size_t>(result.steps));
}

// S ends the solution after the step at which it was read; a start outside in x draws
// nothing and makes no step; a step too small to move x ends at once. With "olhar" every
// step shows the picture and pauses for the window's delay.
TEST(SlopeTrajectory, StopKeyOutsideStartAndVanishingStep) {
    for (bool watch : {false, true}) {
        PlaneScene scene;
        scene.keys = {0, 0, kStopKey};
        scene.settings.watchDelay = 7;
        ExampleRecord& example = scene.Add(kSlopeField, {{2, "x-y"}});
        example.SetFlag(exo::kFlag57, watch);
        TrajectoryRecord record = Problem(0, 0, 0.01L, kEulerMethod);
        PlaneDrawContext context = scene.Context();
        const SlopeTrajectoryResult result = TraceSlopeTrajectory(context, example, record);
        EXPECT_EQ(result.end, SlopeEnd::Stopped);
        EXPECT_EQ(result.key, kStopKey);
        EXPECT_EQ(result.steps, 3);
        EXPECT_EQ(scene.pauseCosines, watch ? 3 * 700 : 0);
        EXPECT_EQ(scene.shown, watch ? 3 : 0);
    }
    for (const bool outside : {true, false}) {
        PlaneScene scene;
        ExampleRecord& example = scene.Add(kSlopeField, {{2, "x-y"}});
        TrajectoryRecord record = Problem(outside ? 7 : 1, 0, outside ? 0.01L : 0, kEulerMethod);
        PlaneDrawContext context = scene.Context();
        const SlopeTrajectoryResult result = TraceSlopeTrajectory(context, example, record);
        EXPECT_EQ(result.steps, 0);
        EXPECT_TRUE(scene.surface.OfKind(Primitive::Line).empty());
        if (!outside) {
            EXPECT_EQ(result.end, SlopeEnd::NoProgress);
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
}

// Marks are as long in world units whatever their direction: with a pixel twice as tall
// (in world units) as it is wide, a slope of 1 spans twice as many pixels across as up.
TEST(SlopeTrajectory, MarkLengthIsInWorldUnits) {
    PlaneScene scene;
    scene.view.independent = true;
    scene.SetCorners(-5, 5, -2.5L, 2.5L); // unitX 0.02, unitY 0.01
    ExampleRecord& example = scene.Add(kSlopeField, {{2, "1"}});
    example.SetI16(exo::kRadio, 1);
    PlaneDrawContext context = scene.Context();
    DrawSlopeField(context, example);
    const auto lines = scene.surface.OfKind(Primitive::Line);
    ASSERT_FALSE(lines.empty());
    // 7.5 pixels of x, 0.15 world units, along (1, 1): 0.106 each way.
    const double across = lines[0].points[1].x - lines[0].points[0].x;
    const double up = lines[0].points[0].y - lines[0].points[1].y;
    EXPECT_NEAR(across, 0.15 / std::sqrt(2.0) / 0.02, 1.0);
    EXPECT_NEAR(up, 0.15 / std::sqrt(2.0) / 0.01, 1.0);
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
