// The system integrator: how and where a trajectory ends, the record's letter, pen,
// density and open end, and what it draws on screen and in export mode.
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

// x' = -y, y' = x from (1, 0): time-independent it goes round once and closes at its
// start; "dependente do tempo" has no loop test and ends exactly at the end parameter, on
// the circle at the angle it reached (dt = h / (|V| + 1) = 0.01: 1000 steps).
TEST(SystemTrajectory, RotationClosesOnlyWhenTimeIndependent) {
    for (const bool independent : {true, false}) {
        SCOPED_TRACE(independent);
        PlaneScene picture;
        ExampleRecord& example = picture.AddSystem("-y", "x", independent);
        TrajectoryRecord record = Problem(1, 0, 0, independent ? 1e18L : 10);
        const SystemTrajectoryResult r = Trace(picture, example, record);
        EXPECT_EQ(r.closed, independent);
        if (!independent) {
            EXPECT_EQ(r.end, TrajectoryEnd::Parameter);
            EXPECT_EQ(r.endParameter, 10.0L);
            EXPECT_NEAR(static_cast<double>(r.x), static_cast<double>(kCos10), 2e-3);
            EXPECT_NEAR(static_cast<double>(r.y), static_cast<double>(kSin10), 2e-3);
            EXPECT_NEAR(r.steps, 1000, 1);
            continue;
        }
        EXPECT_EQ(r.end, TrajectoryEnd::Closed);
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
}

// A field vanishing at the start ends a time-independent path there; a time-dependent
// one passes it (x' = t: the first step does not move, the rest follows x = t^2 / 2,
// exact for improved Euler); an undefined field ends quietly, keeping what it drew.
TEST(SystemTrajectory, VanishingAndUndefinedFields) {
    const struct {
        const char *f, *g;
        bool independent;
        long double end;
        TrajectoryEnd expected;
        long double above, atMost; // where x ends
    } rows[] = {
        {"-x", "-y", true, 1, TrajectoryEnd::NullVector, -1e-30L, 0},
        {"t", "0", false, 2, TrajectoryEnd::Parameter, 2 - 1e-3L, std::nextafter(2.0L, 0.0L)},
        {"1", "sqrt(1-x)", false, 10, TrajectoryEnd::Undefined, 1 - 2 * kPixel, 1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.g);
        PlaneScene picture;
        ExampleRecord& example = picture.AddSystem(row.f, row.g, row.independent);
        TrajectoryRecord record = Problem(0, 0, 0, row.end);
        const SystemTrajectoryResult r = Trace(picture, example, record);
        EXPECT_EQ(r.end, row.expected);
        EXPECT_GT(r.x, row.above);
        EXPECT_LE(r.x, row.atMost);
        EXPECT_EQ(r.steps == 0, row.independent);
        EXPECT_EQ(picture.Drawn() == 0, row.independent);
    }
}

// How a path of x' = f, y' = 0 from (x0, 0) ends. "fronteira" ends it at the window's
// edge; without it it goes on (clipped) to the end parameter, or to the safety end for
// steps outside. With the restriction flag r = 1 - x <= 0 ends it. A field reversing
// across 0 ends it with "Ângulos Abruptos"; without, the averaged step stands still
// until the parameter is used up. S from the poll after a step ends the run at once;
// watch mode shows the picture after every step. The step is the trajectory step in
// pixels times UnitX over the density; an end below the start runs backwards. The
// record's letter (an index or a letter code) holds its value during the run and gets
// the window's value back after it. The record's pen: its colour on every pixel, its
// width; attribute 5 draws nothing.
TEST(SystemTrajectory, EndsAndSteps) {
    struct Row {
        const char* name;
        const char* f = "1";
        long double x0 = 0, end = 2;
        bool screenLimit = false, restriction = false, sharp = false;
        int density = 1;
        long double step = 1;
        long maxOutside = 0;
        int letter = 0, colour = 7, width = 1, attribute = 0;
        TrajectoryEnd expected = TrajectoryEnd::Parameter;
        long double x = 0, tolerance = 1e-9L;
        int steps = -1; // -1: not counted
        int minPixels = 0, maxPixels = 1 << 20;
        bool oneRow = false; // draws one row of pixels from the centre to the right edge
        int stopAtPoll = 0;  // S from this poll on
        bool watch = false;  // the picture shown after every step
    };
    using E = TrajectoryEnd;
    const Row rows[] = {
        {.name = "fronteira", .end = 1e18L, .screenLimit = true, .expected = E::Screen, .x = 5,
         .tolerance = 1.5L * kPixel, .oneRow = true},
        {.name = "runs on outside", .end = 20, .x = 20, .tolerance = 1.5L * kPixel, .oneRow = true},
        {.name = "ten steps outside", .end = 1e18L, .maxOutside = 10, .expected = E::Outside,
         .x = 5 + 10 * kPixel, .tolerance = 1.5L * kPixel, .oneRow = true},
        {.name = "restriction", .restriction = true, .expected = E::Restriction,
         .x = 1 + kPixel / 2, .tolerance = kPixel / 2 + 1e-12L},
        {.name = "restriction off", .x = 2},
        {.name = "sharp", .f = "-x/abs(x)", .x0 = 0.51L, .sharp = true, .expected = E::SharpAngle,
         .tolerance = kPixel, .steps = 25},
        {.name = "not sharp", .f = "-x/abs(x)", .x0 = 0.51L, .tolerance = kPixel, .steps = 100},
        {.name = "density 1", .end = 1, .x = 1, .steps = 50},
        {.name = "density 2", .end = 1, .density = 2, .x = 1, .steps = 100},
        {.name = "step 2", .end = 1, .step = 2, .x = 1, .steps = 25},
        {.name = "backwards", .end = -1, .x = -1, .steps = 50},
        {.name = "letter 1", .f = "a", .end = 1, .letter = 1, .x = 3},
        {.name = "letter code A", .f = "a", .end = 1, .letter = 'A', .x = 3},
        {.name = "pen", .end = 5, .x = 5, .minPixels = 240, .maxPixels = 260},
        {.name = "pen 12, width 3", .end = 5, .colour = 12, .width = 3, .x = 5, .minPixels = 700,
         .maxPixels = 800},
        {.name = "attribute 5", .end = 5, .attribute = 5, .x = 5, .maxPixels = 0},
        {.name = "S after the tenth step, watched", .end = 2, .expected = E::Stopped,
         .x = 10 * kPixel, .stopAtPoll = 10, .watch = true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        PlaneScene picture;
        picture.settings.sharpAngles = row.sharp;
        picture.settings.trajectoryStep = row.step;
        picture.eval.SetLetter(1, 7);
        picture.stopAtPoll = row.stopAtPoll;
        ExampleRecord& example = picture.AddSystem(row.f, "0", true);
        example.SetFlag(exo::kScreenLimit, row.screenLimit);
        example.SetI16(exo::kDensity, static_cast<std::int16_t>(row.density));
        ASSERT_TRUE(picture.Compile(example, 3, "1-x"));
        example.SetFlag(exo::kFlag50, row.restriction);
        TrajectoryRecord record = Problem(row.x0, 0, 0, row.end);
        record.SetI16(tro::kLetter, static_cast<std::int16_t>(row.letter));
        record.SetReal(tro::kLetterValue, 3);
        record.SetI16(tro::kColour, static_cast<std::int16_t>(row.colour));
        record.SetI16(tro::kWidth, static_cast<std::int16_t>(row.width));
        record.SetI16(tro::kPenAttribute, static_cast<std::int16_t>(row.attribute));
        SystemTrajectoryOptions options;
        options.maxStepsOutside = row.maxOutside;
        options.watch = row.watch;
        const SystemTrajectoryResult r = Trace(picture, example, record, options);
        EXPECT_EQ(r.key, row.stopAtPoll > 0 ? kStopKey : 0);
        EXPECT_EQ(picture.shown, row.watch ? r.steps - 1 : 0);
        EXPECT_EQ(picture.eval.GetLetter(1), 7.0L);
        EXPECT_EQ(picture.raster.CountPixels(ColourOfIndex(row.colour)), picture.Drawn());
        EXPECT_GE(picture.Drawn(), row.minPixels);
        EXPECT_LE(picture.Drawn(), row.maxPixels);
        EXPECT_EQ(r.end, row.expected);
        EXPECT_NEAR(static_cast<double>(r.x), static_cast<double>(row.x),
                    static_cast<double>(row.tolerance));
        if (row.steps >= 0) {
            EXPECT_NEAR(r.steps, row.steps, 1);
        }
        if (row.expected == E::Parameter && row.end < 1e18L) {
            EXPECT_EQ(r.endParameter, row.end);
        }
        if (row.oneRow) {
            const platform::Rect centreToRight{250, 250, 500, 251};
            EXPECT_EQ(picture.Drawn(), picture.raster.CountPixels(ColourOfIndex(7), centreToRight));
            EXPECT_GE(picture.Drawn(), 245);
        }
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
