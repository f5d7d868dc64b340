// The system integrator: closed orbits, runs in time to the end parameter, the ends at a
// vanishing field, at the screen, at the restriction, at sharp angles, at undefined
// values and at the key S, the record's letter, pen, density and open end, and what it
// draws on screen and in export mode.
#include "plane/PlaneDrawing.h"
#include "plane/SystemTrajectory.h"

#include "tests/support/PlaneScene.h"
#include "platform/memory/RecordingSurface.h"

#include <gtest/gtest.h>

#include <cmath>

namespace korvane {
namespace {

using platform::Primitive;
using testing::PlaneScene;
using testing::ColourOfIndex;

// References to 30 digits (mpmath).
constexpr long double kCos10 = -0.839071529076452452258863947824L;
constexpr long double kSin10 = -0.544021110889369813404747661851L;
constexpr long double kTwoPi = 6.28318530717958647692528676656L;
constexpr long double kPixel = 0.02L; // world units per pixel of the 500 x 500 picture on -5..5

TrajectoryRecord Problem(long double x0, long double y0, long double t0, long double t1) {
    TrajectoryRecord record;
    record.SetI16(tro::kKind, kSystem);
    record.SetReal(tro::kStartX, x0);
    record.SetReal(tro::kStartY, y0);
    record.SetReal(tro::kStartT, t0);
    record.SetReal(tro::kEndT, t1);
    record.SetI16(tro::kDirectionX, 0);
    record.SetI16(tro::kDirectionY, 1);
    record.SetI16(tro::kColour, 7);
    record.SetI16(tro::kWidth, 1);
    return record;
}

SystemTrajectoryResult Trace(PlaneScene& picture, ExampleRecord& example, TrajectoryRecord& record,
                             const SystemTrajectoryOptions& options = {}) {
    PlaneDrawContext context = picture.Context();
    return TraceSystemTrajectory(context, example, record, options);
}

// A time-independent system goes round x' = -y, y' = x once and closes at its start.
TEST(SystemTrajectory, ClosedOrbitStopsAtTheLoopTest) {
    PlaneScene picture;
    ExampleRecord& example = picture.AddSystem("-y", "x", true);
    TrajectoryRecord record = Problem(1, 0, 0, 1e18L);
    const SystemTrajectoryResult r = Trace(picture, example, record);
    EXPECT_EQ(r.end, TrajectoryEnd::Closed);
    EXPECT_TRUE(r.closed);
    EXPECT_NEAR(static_cast<double>(r.travelled), static_cast<double>(kTwoPi), 2 * kPixel);
    EXPECT_NEAR(r.steps, static_cast<double>(kTwoPi / kPixel), 2);
    // Drawn at radius 50 pixels round the centre (250, 250).
    for (const platform::Point p : {platform::Point{300, 250}, {250, 200}, {200, 250}, {250, 300}}) {
        SCOPED_TRACE(::testing::Message() << p.x << "," << p.y);
        int near = 0;
        for (int d = -1; d <= 1; ++d)
            near += picture.raster.GetPixel({p.x + d, p.y}) != platform::kWhite ||
                    picture.raster.GetPixel({p.x, p.y + d}) != platform::kWhite;
        EXPECT_GT(near, 0);
    }
}

// "dependente do tempo": no loop test, the run ends exactly at the end parameter, on
// the circle at the angle it reached.
TEST(SystemTrajectory, TimeDependentRunsToTheEndParameter) {
    PlaneScene picture;
    ExampleRecord& example = picture.AddSystem("-y", "x", false);
    TrajectoryRecord record = Problem(1, 0, 0, 10);
    const SystemTrajectoryResult r = Trace(picture, example, record);
    EXPECT_EQ(r.end, TrajectoryEnd::Parameter);
    EXPECT_FALSE(r.closed);
    EXPECT_EQ(r.endParameter, 10.0L);
    EXPECT_NEAR(static_cast<double>(r.x), static_cast<double>(kCos10), 2e-3);
    EXPECT_NEAR(static_cast<double>(r.y), static_cast<double>(kSin10), 2e-3);
    // dt = h / (|V| + 1) = 0.01 on the unit circle.
    EXPECT_NEAR(r.steps, 1000, 1);
}

// A field that vanishes at the start ends a time-independent trajectory there.
TEST(SystemTrajectory, VanishingFieldEndsATimeIndependentSystem) {
    PlaneScene picture;
    ExampleRecord& example = picture.AddSystem("-x", "-y", true);
    TrajectoryRecord record = Problem(0, 0, 0, 1);
    const SystemTrajectoryResult r = Trace(picture, example, record);
    EXPECT_EQ(r.end, TrajectoryEnd::NullVector);
    EXPECT_EQ(r.steps, 0);
    EXPECT_EQ(r.x, 0.0L);
    EXPECT_EQ(r.y, 0.0L);
}

// A time-dependent system passes a vanishing field: x' = t from t = 0, the first step
// sees a null vector and does not move; the rest of the run follows x = t^2 / 2 (improved
// Euler is exact for a field linear in t).
TEST(SystemTrajectory, TimeDependentSystemPassesAVanishingField) {
    PlaneScene picture;
    ExampleRecord& example = picture.AddSystem("t", "0", false);
    TrajectoryRecord record = Problem(0, 0, 0, 2);
    const SystemTrajectoryResult r = Trace(picture, example, record);
    EXPECT_EQ(r.end, TrajectoryEnd::Parameter);
    EXPECT_NEAR(static_cast<double>(r.x), 2.0, 1e-3);
    EXPECT_LT(r.x, 2.0L);
}

// "fronteira" ends a path at the window's edge; without it the path goes on (clipped)
// to its end parameter, or to the safety end for steps outside.
TEST(SystemTrajectory, ScreenLimitAndPathsOutside) {
    struct Row {
        const char* name;
        bool screenLimit;
        long double end;
        long maxOutside;
        TrajectoryEnd expected;
        long double x;
    };
    const Row rows[] = {
        {"fronteira", true, 1e18L, 0, TrajectoryEnd::Screen, 5},
        {"runs on outside", false, 20, 0, TrajectoryEnd::Parameter, 20},
        {"ten steps outside", false, 1e18L, 10, TrajectoryEnd::Outside, 5 + 10 * kPixel},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        PlaneScene picture;
        ExampleRecord& example = picture.AddSystem("1", "0", true);
        example.SetFlag(exo::kScreenLimit, row.screenLimit);
        TrajectoryRecord record = Problem(0, 0, 0, row.end);
        SystemTrajectoryOptions options;
        options.maxStepsOutside = row.maxOutside;
        const SystemTrajectoryResult r = Trace(picture, example, record, options);
        EXPECT_EQ(r.end, row.expected);
        EXPECT_NEAR(static_cast<double>(r.x), static_cast<double>(row.x), 1.5 * kPixel);
        // One row of pixels, from the centre to the right edge, nothing else.
        EXPECT_EQ(picture.Drawn(), picture.raster.CountPixels(ColourOfIndex(7), {250, 250, 500, 251}));
        EXPECT_GE(picture.Drawn(), 245);
    }
}

// With the restriction flag, r(x, y, t) <= 0 ends the path; without the flag slot 3 is
// not looked at.
TEST(SystemTrajectory, RestrictionEndsWhereItTurnsNonPositive) {
    for (const bool active : {true, false}) {
        SCOPED_TRACE(active ? "restriction on" : "restriction off");
        PlaneScene picture;
        ExampleRecord& example = picture.AddSystem("1", "0", true);
        ASSERT_TRUE(picture.Compile(example, 3, "1-x"));
        example.SetFlag(exo::kFlag50, active);
        TrajectoryRecord record = Problem(0, 0, 0, 2);
        const SystemTrajectoryResult r = Trace(picture, example, record);
        if (active) {
            EXPECT_EQ(r.end, TrajectoryEnd::Restriction);
            EXPECT_GE(r.x, 1.0L);
            EXPECT_LE(r.x, 1.0L + kPixel + 1e-12L);
        } else {
            EXPECT_EQ(r.end, TrajectoryEnd::Parameter);
            EXPECT_NEAR(static_cast<double>(r.x), 2.0, 1e-9);
        }
    }
}

// A field that reverses across x = 0: with "Ângulos Abruptos" the path ends there, without
// it the averaged step stands still until the parameter is used up.
TEST(SystemTrajectory, SharpAngleSwitch) {
    for (const bool sharp : {true, false}) {
        SCOPED_TRACE(sharp ? "switch on" : "switch off");
        PlaneScene picture;
        picture.settings.sharpAngles = sharp;
        ExampleRecord& example = picture.AddSystem("-x/abs(x)", "0", true);
        TrajectoryRecord record = Problem(0.51L, 0, 0, 2);
        const SystemTrajectoryResult r = Trace(picture, example, record);
        EXPECT_EQ(r.end, sharp ? TrajectoryEnd::SharpAngle : TrajectoryEnd::Parameter);
        EXPECT_NEAR(static_cast<double>(r.x), 0.0, static_cast<double>(kPixel));
        EXPECT_NEAR(r.steps, sharp ? 25 : 100, 1);
    }
}

TEST(SystemTrajectory, UndefinedFieldEndsQuietly) {
    PlaneScene picture;
    ExampleRecord& example = picture.AddSystem("1", "sqrt(1-x)", false);
    TrajectoryRecord record = Problem(0, 0, 0, 10);
    const SystemTrajectoryResult r = Trace(picture, example, record);
    EXPECT_EQ(r.end, TrajectoryEnd::Undefined);
    EXPECT_LE(r.x, 1.0L);
    EXPECT_GT(r.x, 1.0L - 2 * kPixel);
    EXPECT_GT(picture.Drawn(), 0);
}

// The record's letter (an index or a letter code) holds its value during the run and
// gets the window's value back after it.
TEST(SystemTrajectory, RecordLetterIsSetAndRestored) {
    for (const int stored : {1, int{'A'}}) {
        SCOPED_TRACE(stored);
        PlaneScene picture;
        picture.eval.SetLetter(1, 7);
        ExampleRecord& example = picture.AddSystem("a", "0", false);
        TrajectoryRecord record = Problem(0, 0, 0, 1);
        record.SetI16(tro::kLetter, static_cast<std::int16_t>(stored));
        record.SetReal(tro::kLetterValue, 3);
        const SystemTrajectoryResult r = Trace(picture, example, record);
        EXPECT_NEAR(static_cast<double>(r.x), 3.0, 1e-9);
        EXPECT_EQ(picture.eval.GetLetter(1), 7.0L);
    }
}

// The step is the trajectory step in pixels times UnitX over the density; an end
// parameter below the start runs backwards.
TEST(SystemTrajectory, StepDensityAndDirection) {
    struct Row {
        int density;
        long double multiplier;
        long double end;
        int steps;
    };
    for (const Row& row : {Row{1, 1, 1, 50}, Row{2, 1, 1, 100}, Row{1, 2, 1, 25}, Row{1, 1, -1, 50}}) {
        SCOPED_TRACE(::testing::Message() << "density " << row.density << " step " << static_cast<double>(row.multiplier)
                                        << " end " << static_cast<double>(row.end));
        PlaneScene picture;
        picture.settings.trajectoryStep = row.multiplier;
        ExampleRecord& example = picture.AddSystem("1", "0", true);
        example.SetI16(exo::kDensity, static_cast<std::int16_t>(row.density));
        TrajectoryRecord record = Problem(0, 0, 0, row.end);
        const SystemTrajectoryResult r = Trace(picture, example, record);
        EXPECT_EQ(r.end, TrajectoryEnd::Parameter);
        EXPECT_EQ(r.endParameter, row.end);
        EXPECT_NEAR(static_cast<double>(r.x), static_cast<double>(row.end), 1e-9);
        EXPECT_NEAR(r.steps, row.steps, 1);
    }
}

// The open-end byte stores the parameter reached, and a second run of the same record
// stops at the same place.
TEST(SystemTrajectory, OpenEndStoresTheParameterReached) {
    PlaneScene picture;
    ExampleRecord& example = picture.AddSystem("1", "1", true);
    example.SetFlag(exo::kScreenLimit, true);
    TrajectoryRecord record = Problem(0, 0, 0, 1e18L);
    record.SetByte(tro::kOpenEnd, 1);
    const SystemTrajectoryResult first = Trace(picture, example, record);
    EXPECT_EQ(first.end, TrajectoryEnd::Screen);
    EXPECT_EQ(record.Byte(tro::kOpenEnd), 0);
    EXPECT_EQ(record.Real(tro::kEndT), first.endParameter);
    example.SetFlag(exo::kScreenLimit, false);
    const SystemTrajectoryResult replay = Trace(picture, example, record);
    EXPECT_EQ(replay.end, TrajectoryEnd::Parameter);
    EXPECT_EQ(replay.steps, first.steps);
    EXPECT_NEAR(static_cast<double>(replay.x), static_cast<double>(first.x), 1e-12);
    EXPECT_EQ(record.Real(tro::kEndT), first.endParameter);
}

// The record's pen: its colour index on every pixel, its width, and attribute 5 draws
// nothing.
TEST(SystemTrajectory, RecordPen) {
    struct Row {
        int colour, width, attribute;
        int minPixels, maxPixels;
    };
    for (const Row& row : {Row{7, 1, 0, 240, 260}, Row{12, 3, 0, 700, 800}, Row{7, 1, 5, 0, 0}}) {
        SCOPED_TRACE(::testing::Message() << "colour " << row.colour << " width " << row.width << " attribute "
                                        << row.attribute);
        PlaneScene picture;
        ExampleRecord& example = picture.AddSystem("1", "0", true);
        TrajectoryRecord record = Problem(0, 0, 0, 5);
        record.SetI16(tro::kColour, static_cast<std::int16_t>(row.colour));
        record.SetI16(tro::kWidth, static_cast<std::int16_t>(row.width));
        record.SetI16(tro::kPenAttribute, static_cast<std::int16_t>(row.attribute));
        Trace(picture, example, record);
        const int drawn = picture.Drawn();
        EXPECT_EQ(picture.raster.CountPixels(ColourOfIndex(row.colour)), drawn);
        EXPECT_GE(drawn, row.minPixels);
        EXPECT_LE(drawn, row.maxPixels);
    }
}

// A circle of radius 6 shows as four arcs in the window -5..5: four polylines in export
// mode, every point inside the window (its far edge maps to pixel 500); lines, clipped, on screen.
TEST(SystemTrajectory, ExportModeDrawsOnePolylinePerVisibleRun) {
    for (const bool exportMode : {true, false}) {
        SCOPED_TRACE(exportMode ? "export" : "screen");
        PlaneScene picture;
        picture.settings.exportMode = exportMode;
        ExampleRecord& example = picture.AddSystem("-y", "x", true);
        TrajectoryRecord record = Problem(6, 0, 0, 1e18L);
        platform::RecordingSurface recording(picture.raster);
        PlaneDrawContext context = picture.ContextOn(recording);
        const SystemTrajectoryResult r = TraceSystemTrajectory(context, example, record);
        EXPECT_EQ(r.end, TrajectoryEnd::Closed);
        const auto polylines = recording.OfKind(Primitive::Polyline);
        const auto lines = recording.OfKind(Primitive::Line);
        EXPECT_EQ(polylines.size(), exportMode ? 4u : 0u);
        EXPECT_EQ(lines.empty(), exportMode);
        for (const auto* list : {&polylines, &lines})
            for (const Primitive& p : *list)
                for (const platform::Point q : p.points) {
                    EXPECT_GE(q.x, 0);
                    EXPECT_LE(q.x, 500);
                    EXPECT_GE(q.y, 0);
                    EXPECT_LE(q.y, 500);
                }
    }
}

// S from the poll after a step ends the run at once; watch mode shows the picture after
// every step.
TEST(SystemTrajectory, KeyStopAndWatch) {
    PlaneScene picture;
    picture.stopAtPoll = 10;
    ExampleRecord& example = picture.AddSystem("-y", "x", true);
    TrajectoryRecord record = Problem(1, 0, 0, 1e18L);
    SystemTrajectoryOptions options;
    options.watch = true;
    const SystemTrajectoryResult r = Trace(picture, example, record, options);
    EXPECT_EQ(r.end, TrajectoryEnd::Stopped);
    EXPECT_EQ(r.key, kStopKey);
    EXPECT_EQ(r.steps, 10);
    EXPECT_EQ(picture.shown, 9);
}

// The example gives up on a path that runs off to infinity while its parameter creeps to
// a finite limit (x' = x^2 blows up at t = 1), and S in its first problem skips the rest.
TEST(SystemTrajectory, ExampleEndsRunawayPathsAndStopsAtS) {
    PlaneScene runaway;
    ExampleRecord& blowUp = runaway.AddSystem("x*x", "0", true);
    blowUp.trajectories.push_back(Problem(1, 0, 0, 10));
    PlaneDrawContext context = runaway.Context();
    EXPECT_EQ(DrawSystem(context, blowUp), 0);
    EXPECT_LT(runaway.polls, 1000000);

    PlaneScene stopped;
    stopped.stopAtPoll = 4;
    ExampleRecord& rotation = stopped.AddSystem("-y", "x", false);
    rotation.SetI16(exo::kRadio, 1);
    rotation.trajectories.push_back(Problem(1, 0, 0, 10));
    rotation.trajectories.push_back(Problem(2, 0, 0, 10));
    PlaneDrawContext stoppedContext = stopped.Context();
    EXPECT_EQ(DrawSystem(stoppedContext, rotation), kStopKey);
    EXPECT_EQ(stopped.polls, 4);
}

} // namespace
} // namespace korvane
