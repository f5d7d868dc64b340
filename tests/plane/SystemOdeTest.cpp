// Solutions of plane systems drawn by their example: the rotation x' = -y, y' = x from
// (1, 0) against (cos t, sin t), the loop test of orbits and its absence when the
// system depends on time, a vanishing field, letter values, the open end and the field.
#include "plane/SystemTrajectory.h"

#include "tests/support/PlaneScene.h"

#include <cmath>
#include <string>

namespace korvane {
namespace {

using platform::Primitive;
using testing::PlaneScene;

// 2 pi to 30 digits (mpmath).
constexpr long double kTwoPi = 6.28318530717958647692528676656L;

TrajectoryRecord Orbit(long double x0, long double y0, long double t0, long double t1) {
    TrajectoryRecord record;
    record.SetI16(tro::kKind, kSystem);
    record.SetReal(tro::kStartX, x0);
    record.SetReal(tro::kStartY, y0);
    record.SetReal(tro::kStartT, t0);
    record.SetReal(tro::kEndT, t1);
    record.SetI16(tro::kDirectionX, 0);
    record.SetI16(tro::kDirectionY, 1);
    record.SetI16(tro::kDirectionZ, -1);
    record.SetI16(tro::kColour, 5);
    record.SetI16(tro::kWidth, 1);
    return record;
}

ExampleRecord& Rotation(PlaneScene& scene, bool timeDependent) {
    ExampleRecord& example = scene.Add(kSystem, {{0, "-y"}, {1, "x"}});
    example.SetFlag(exo::kFlag53, !timeDependent);
    example.SetFlag(exo::kScreenLimit, false);
    return example;
}

// The distance at parameter t from the rotation's closed form (cos t, sin t).
long double RotationError(long double trajectoryStep, long double end) {
    PlaneScene scene;
    scene.settings.trajectoryStep = trajectoryStep;
    ExampleRecord& example = Rotation(scene, true);
    TrajectoryRecord record = Orbit(1, 0, 0, end);
    PlaneDrawContext context = scene.Context();
    const SystemTrajectoryResult result = TraceSystemTrajectory(context, example, record);
    EXPECT_EQ(result.end, TrajectoryEnd::Parameter);
    EXPECT_EQ(result.endParameter, end);
    return std::hypot(result.x - std::cos(end), result.y - std::sin(end));
}

// Time-dependent, the rotation runs to its end parameter and lands on (cos t, sin t);
// halving the step divides the improved-Euler error by about 4.
TEST(SystemOde, RotationMeetsItsClosedFormWithSecondOrder) {
    for (long double end : {1.0L, 3.0L, 10.0L}) {
        SCOPED_TRACE("t = " + std::to_string(static_cast<double>(end)));
        const double coarse = static_cast<double>(RotationError(1, end));
        const double fine = static_cast<double>(RotationError(0.5L, end));
        EXPECT_LT(coarse, 2e-4 * static_cast<double>(end));
        EXPECT_GT(fine, 0.0);
        EXPECT_NEAR(coarse / fine, 4.0, 0.5) << coarse << " / " << fine;
    }
}

// Time-independent, the orbit closes once it is back near its start, after one turn;
// time-dependent, the loop test is not made and it runs to the end parameter.
TEST(SystemOde, ClosedOrbitStopsAtTheLoopTestOnlyWithoutTime) {
    for (bool timeDependent : {false, true}) {
        SCOPED_TRACE(timeDependent ? "dependente do tempo" : "autônomo");
        PlaneScene scene;
        ExampleRecord& example = Rotation(scene, timeDependent);
        TrajectoryRecord record = Orbit(1, 0, 0, 20);
        PlaneDrawContext context = scene.Context();
        const SystemTrajectoryResult result = TraceSystemTrajectory(context, example, record);
        if (timeDependent) {
            EXPECT_EQ(result.end, TrajectoryEnd::Parameter);
            EXPECT_FALSE(result.closed);
            EXPECT_EQ(result.endParameter, 20.0L);
        } else {
            EXPECT_EQ(result.end, TrajectoryEnd::Closed);
            EXPECT_TRUE(result.closed);
            // Unit speed: the parameter is the length travelled, one turn within a step.
            EXPECT_NEAR(static_cast<double>(result.endParameter), static_cast<double>(kTwoPi), 0.03);
            EXPECT_NEAR(static_cast<double>(result.travelled), static_cast<double>(kTwoPi), 0.03);
        }
        EXPECT_NEAR(static_cast<double>(std::hypot(result.x, result.y)), 1.0, 1e-3);
    }
}

// A time-dependent field vanishing at t = 1 leaves the point still for that step and
// goes on: x' = t - 1 gives x(2) = 0. Without time the same start ends at once.
TEST(SystemOde, VanishingFieldStopsOnlyWithoutTime) {
    struct Row {
        const char* name;
        const char* f;
        bool timeDependent;
        TrajectoryEnd end;
    } rows[] = {
        {"x' = t - 1", "t-1", true, TrajectoryEnd::Parameter},
        {"x' = x", "x", false, TrajectoryEnd::NullVector},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        PlaneScene scene;
        ExampleRecord& example = scene.Add(kSystem, {{0, row.f}, {1, "0"}});
        example.SetFlag(exo::kFlag53, !row.timeDependent);
        TrajectoryRecord record = Orbit(0, 0, 0, 2);
        PlaneDrawContext context = scene.Context();
        const SystemTrajectoryResult result = TraceSystemTrajectory(context, example, record);
        EXPECT_EQ(result.end, row.end);
        if (row.timeDependent) {
            EXPECT_EQ(result.endParameter, 2.0L);
            EXPECT_NEAR(static_cast<double>(result.x), 0.0, 1e-4);
            EXPECT_GT(result.steps, 150);
        } else {
            EXPECT_EQ(result.steps, 0);
        }
    }
}

// The record's letter holds its value during the solution: x' = -a y, y' = a x with
// a = 2 reaches (cos 2t, sin 2t); the letter has its own value back afterwards.
TEST(SystemOde, LetterValueOfTheRecord) {
    PlaneScene scene;
    ExampleRecord& example = scene.Add(kSystem, {{0, "-a*y"}, {1, "a*x"}});
    example.SetFlag(exo::kFlag53, false);
    scene.eval.SetLetter(1, 7);
    TrajectoryRecord record = Orbit(1, 0, 0, 1);
    record.SetI16(tro::kLetter, 1);
    record.SetReal(tro::kLetterValue, 2);
    PlaneDrawContext context = scene.Context();
    const SystemTrajectoryResult result = TraceSystemTrajectory(context, example, record);
    EXPECT_NEAR(static_cast<double>(result.x), std::cos(2.0), 1e-3);
    EXPECT_NEAR(static_cast<double>(result.y), std::sin(2.0), 1e-3);
    EXPECT_EQ(scene.eval.letterValues[1].re, 7.0L);
}

// The example draws its problems with their pens, then the field with its own; an open
// end becomes the parameter reached (x' = 1 leaves the window at x = 5, t = 5).
TEST(SystemOde, ExampleDrawsProblemsThenFieldAndKeepsTheOpenEnd) {
    PlaneScene scene;
    ExampleRecord& example = scene.Add(kSystem, {{0, "1"}, {1, "0"}});
    example.SetFlag(exo::kFlag53, true);
    example.SetFlag(exo::kScreenLimit, true);
    example.SetI16(exo::kRadio, 2);
    example.SetI16(exo::kPen24, 11);
    TrajectoryRecord record = Orbit(0, 1, 0, 100);
    record.SetByte(tro::kOpenEnd, 1);
    example.trajectories.push_back(record);
    PlaneDrawContext context = scene.Context();
    EXPECT_EQ(DrawSystem(context, example), 0);
    const TrajectoryRecord& drawn = example.trajectories[0];
    EXPECT_EQ(drawn.Byte(tro::kOpenEnd), 0);
    EXPECT_NEAR(static_cast<double>(drawn.Real(tro::kEndT)), 5.0, 0.05);
    const auto lines = scene.surface.OfKind(Primitive::Line);
    ASSERT_GT(lines.size(), 3u * 361u);
    EXPECT_EQ(lines.front().pen.colour, testing::ColourOfIndex(5));
    EXPECT_EQ(lines.back().pen.colour, testing::ColourOfIndex(11));
    // A uniform field: every vector shaft is horizontal and points right.
    const Primitive& shaft = lines[lines.size() - 3];
    EXPECT_EQ(shaft.points[0].y, shaft.points[1].y);
    EXPECT_GT(shaft.points[1].x, shaft.points[0].x);
}

// A path that runs off to infinity before its end parameter (x' = x^2 blows up at t = 1
// while the orbit steps keep their length) ends after a long run outside the window
// instead of holding the window forever.
TEST(SystemOde, RunawayPathEndsOutsideTheWindow) {
    PlaneScene scene;
    ExampleRecord& example = scene.Add(kSystem, {{0, "x*x"}, {1, "0"}});
    example.SetFlag(exo::kFlag53, true);
    example.SetFlag(exo::kScreenLimit, false);
    example.trajectories.push_back(Orbit(1, 0, 0, 10));
    PlaneDrawContext context = scene.Context();
    EXPECT_EQ(DrawSystem(context, example), 0);
    EXPECT_LT(scene.polls, 1000000);
    EXPECT_GT(scene.polls, 1000);
}

// S during a solution stops the example before its field.
TEST(SystemOde, StopKeyEndsTheExample) {
    PlaneScene scene;
    scene.keys = {0, 0, 0, kStopKey};
    ExampleRecord& example = Rotation(scene, true);
    example.SetI16(exo::kRadio, 1);
    example.trajectories.push_back(Orbit(1, 0, 0, 10));
    example.trajectories.push_back(Orbit(2, 0, 0, 10));
    PlaneDrawContext context = scene.Context();
    EXPECT_EQ(DrawSystem(context, example), kStopKey);
    EXPECT_EQ(scene.polls, 4);
    EXPECT_EQ(scene.surface.OfKind(Primitive::Line).size(), 4u);
}

} // namespace
} // namespace korvane
