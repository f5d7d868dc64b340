// Recursive sequences: term counts, how they end, the cycle test against fixed points and
// cycles known in closed form, and the picture of connected and separate terms.
#include "plane/RecursiveSequence.h"

#include "tests/support/PlaneScene.h"
#include "tests/support/Tolerance.h"

#include <cmath>
#include <string>
#include <vector>

namespace korvane {
namespace {

using platform::Primitive;
using testing::PlaneScene;

// References to 30 digits (mpmath): the root of cos x = x, and the 2-cycle of the
// logistic map x -> 3.2 x (1 - x), (r + 1 +- sqrt((r - 3)(r + 1))) / 2r.
constexpr long double kCosineFixedPoint = 0.739085133215160641655312087674L;
constexpr long double kLogisticHigh = 0.799455490467370000205876474804L;
constexpr long double kLogisticLow = 0.513044509532629999794123525196L;

TrajectoryRecord Start(long double x0, long double y0, long double terms, int markSize = 2) {
    TrajectoryRecord record;
    record.SetI16(tro::kKind, kRecursive);
    record.SetReal(tro::kStartX, x0);
    record.SetReal(tro::kStartY, y0);
    record.SetReal(tro::kEndT, terms);
    record.SetI16(tro::kSetting77, static_cast<std::int16_t>(markSize));
    record.SetI16(tro::kColour, 6);
    record.SetI16(tro::kWidth, 1);
    return record;
}

struct SequenceRun {
    SequenceOutcome outcome;
    std::vector<std::pair<long double, long double>> terms; // as visited, the start first
};

SequenceRun RunOf(PlaneScene& scene, const ExampleRecord& example, const TrajectoryRecord& record,
          const SequenceLimits& limits) {
    SequenceRun run;
    run.outcome = RunSequence(scene.eval, example, record, scene.view, limits,
                              [&run, &scene](int term, long double x, long double y, bool) {
                                  EXPECT_EQ(term, static_cast<int>(run.terms.size()));
                                  run.terms.emplace_back(x, y);
                                  return scene.keys.empty() ? 0 : (scene.keys.pop_front(), kStopKey);
                              });
    return run;
}

// How each sequence ends and after how many terms: N terms asked for means terms up to
// the (N + 1)th, as the counter ends once it exceeds N.
TEST(RecursiveSequence, EndsAndTermCounts) {
    struct Row {
        const char* name;
        const char* newX;
        long double x0;
        long double terms;
        bool screenLimit;
        SequenceEnd end;
        int made;
        long double lastX; // NAN: not checked
        long double cycleTolerance = 0;
    } rows[] = {
        {"x + 1 for 10 terms", "x+1", 0, 10, false, SequenceEnd::Completed, 11, 11},
        {"x + 1 rounds 9.6 terms", "x+1", 0, 9.6L, false, SequenceEnd::Completed, 11, 11},
        {"x + 1 with zero terms", "x+1", 0, 0, false, SequenceEnd::Completed, 1, 1},
        {"2x leaves the screen at 8", "2*x", 1, 50, true, SequenceEnd::LeftScreen, 3, 8},
        {"2x without the limit", "2*x", 1, 5, false, SequenceEnd::Completed, 6, 64},
        {"sqrt(x - 1) is undefined at the second", "sqrt(x-1)", 1.5L, 50, false, SequenceEnd::Undefined, 1,
         std::sqrt(0.5L)},
        {"1/x is undefined at once", "1/x", 0, 50, false, SequenceEnd::Undefined, 0, 0},
        // Without a tolerance there is no cycle test; a sequence that never settles is not
        // taken for a cycle.
        {"cos x, test off", "cos(x)", 0.3L, 500, false, SequenceEnd::Completed, 501, kCosineFixedPoint},
        {"x + 0.1", "x+0.1", 0.3L, 500, false, SequenceEnd::Completed, 501, NAN, 0.014L},
        {"logistic 4", "4*x*(1-x)", 0.3L, 500, false, SequenceEnd::Completed, 501, NAN, 1e-9L},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        PlaneScene scene;
        ExampleRecord& example = scene.Add(kRecursive, {{0, row.newX}, {1, "y"}});
        SequenceLimits limits;
        limits.screenLimit = row.screenLimit;
        limits.cycleTolerance = row.cycleTolerance;
        const SequenceRun run = RunOf(scene, example, Start(row.x0, 0, row.terms), limits);
        EXPECT_EQ(run.outcome.end, row.end);
        EXPECT_EQ(run.outcome.terms, row.made);
        EXPECT_EQ(static_cast<int>(run.terms.size()), row.made + 1);
        if (!std::isnan(row.lastX)) {
            EXPECT_TRUE(testing::Near(run.outcome.x, row.lastX, 1e-18L)) << double(run.outcome.x);
        }
    }
}

// The cycle test: a term back within the tolerance of the term p before it, together
// with the p - 1 terms before it, gives period p.
TEST(RecursiveSequence, CycleTestFindsFixedPointsAndCycles) {
    struct Row {
        const char* name;
        const char* newX;
        const char* newY;
        long double x0, y0;
        long double tolerance;
        int period;
        long double cycle[2]; // the x values of the cycle, newest last
        long double error;
    } rows[] = {
        {"cos x, pixel tolerance", "cos(x)", "0", 1, 0, 0.014L, 1, {0, kCosineFixedPoint}, 0.014L},
        {"cos x, fine tolerance", "cos(x)", "0", 1, 0, 1e-15L, 1, {0, kCosineFixedPoint}, 1e-15L},
        {"x / 2 from its fixed point", "x/2", "y", 0, 3, 0.014L, 1, {0, 0}, 0},
        {"mirror", "-x", "y", 1, 0.5L, 0.014L, 2, {-1, 1}, 0},
        // Closer than four tolerances the two points of a cycle are one.
        {"mirror near its axis", "-x", "y", 0.01L, 0.5L, 0.014L, 1, {0, -0.01L}, 0},
        {"logistic 3.2", "3.2*x*(1-x)", "0", 0.3L, 0, 1e-15L, 2, {kLogisticHigh, kLogisticLow}, 1e-14L},
        {"rotation by a third", "-x/2-y*sqrt(3)/2", "x*sqrt(3)/2-y/2", 1, 0, 1e-12L, 3, {0, 1}, 1e-15L},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        PlaneScene scene;
        ExampleRecord& example = scene.Add(kRecursive, {{0, row.newX}, {1, row.newY}});
        SequenceLimits limits;
        limits.cycleTolerance = row.tolerance;
        const SequenceRun run = RunOf(scene, example, Start(row.x0, row.y0, 100000), limits);
        ASSERT_EQ(run.outcome.end, SequenceEnd::Cycle);
        EXPECT_EQ(run.outcome.period, row.period);
        EXPECT_LT(run.outcome.terms, 100000);
        const long double newest = run.terms.back().first;
        const long double before = run.terms[run.terms.size() - 2].first;
        if (row.period == 1) {
            EXPECT_NEAR(static_cast<double>(newest), static_cast<double>(row.cycle[1]), static_cast<double>(row.error));
        } else if (row.period == 2) {
            // Either phase of the cycle may come last.
            const bool inOrder = std::fabs(newest - row.cycle[1]) <= std::fabs(newest - row.cycle[0]);
            EXPECT_NEAR(static_cast<double>(newest), static_cast<double>(row.cycle[inOrder ? 1 : 0]),
                        static_cast<double>(row.error));
            EXPECT_NEAR(static_cast<double>(before), static_cast<double>(row.cycle[inOrder ? 0 : 1]),
                        static_cast<double>(row.error));
        }
    }
}

TEST(RecursiveSequence, TextsReportTheEnd) {
    using E = SequenceEnd;
    const struct {
        SequenceOutcome outcome;
        const char* text;
    } rows[] = {
        {{.end = E::Cycle, .terms = 17, .period = 1, .x = 0.25L, .y = -2},
         "período da sequência é 1 (0.25, -2); sequência interrompida no termo 17"},
        {{.end = E::Undefined, .terms = 4}, "sequência interrompida no termo 4"},
        {{.end = E::Stopped, .terms = 9}, "sequência interrompida no termo 9"},
        {{}, ""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(DescribeSequenceEnd(row.outcome), row.text);
}

// The cycle test of a window works in pixels: 0.7 pixels of a 500-pixel window on
// [-5, 5] is 0.014.
TEST(RecursiveSequence, WindowToleranceIsInPixels) {
    PlaneScene scene;
    EXPECT_TRUE(testing::Near(SequenceCycleTolerance(scene.settings, scene.view), 0.014L, 1e-15L));
}

// The picture: a mark per term inside the window, joins only with "conectar pontos",
// clipped to the window, in picture export one polyline for the joins of a stretch
// inside; the open end becomes the terms drawn minus one; S stops.
TEST(RecursiveSequence, DrawingMarksJoinsAndOpenEnd) {
    struct Row {
        const char* name;
        bool connect;
        int markSize;
        std::size_t ellipses, pixels, lines;
        bool exportMode = false;
        std::size_t polylinePoints = 0;
    } rows[] = {
        {"marks", false, 2, 4, 0, 0},
        {"connected", true, 2, 4, 0, 4},
        {"dots", false, 0, 0, 4, 0},
        {"export", true, 2, 4, 0, 0, true, 5},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        PlaneScene scene;
        scene.settings.exportMode = row.exportMode;
        // From (0.5, 0): 1, 2, 4, then 8, 16 and 32 outside; the join to 8 is clipped.
        ExampleRecord& example = scene.Add(kRecursive, {{0, "2*x"}, {1, "0"}});
        example.SetFlag(exo::kFlag60, row.connect);
        example.SetFlag(exo::kScreenLimit, false);
        TrajectoryRecord record = Start(0.5L, 0, 5, row.markSize);
        record.SetByte(tro::kOpenEnd, 1);
        example.trajectories.push_back(record);
        PlaneDrawContext context = scene.Context();
        EXPECT_EQ(DrawRecursive(context, example), 0);
        EXPECT_EQ(scene.surface.OfKind(Primitive::Ellipse).size(), row.ellipses);
        EXPECT_EQ(scene.surface.OfKind(Primitive::SetPixel).size(), row.pixels);
        const auto lines = scene.surface.OfKind(Primitive::Line);
        ASSERT_EQ(lines.size(), row.lines);
        for (const Primitive& line : lines) {
            SCOPED_TRACE(platform::Describe(line));
            EXPECT_EQ(line.pen.colour, testing::ColourOfIndex(6));
            EXPECT_LE(line.points[1].x, 500);
        }
        const auto polylines = scene.surface.OfKind(Primitive::Polyline);
        ASSERT_EQ(polylines.size(), row.polylinePoints > 0 ? 1u : 0u);
        if (row.polylinePoints > 0) {
            EXPECT_EQ(polylines[0].points.size(), row.polylinePoints); // 0.5 .. 4, clipped to 5
        }
        EXPECT_EQ(example.trajectories[0].Real(tro::kEndT), 5.0L);
        EXPECT_EQ(example.trajectories[0].Byte(tro::kOpenEnd), 0);
        EXPECT_EQ(scene.polls, 7);
    }
    PlaneScene scene;
    scene.keys = {0, kStopKey};
    ExampleRecord& example = scene.Add(kRecursive, {{0, "x+0.1"}, {1, "y"}});
    example.trajectories.push_back(Start(0, 0, 100));
    example.trajectories.push_back(Start(0, 1, 100));
    PlaneDrawContext context = scene.Context();
    EXPECT_EQ(DrawRecursive(context, example), kStopKey);
    EXPECT_EQ(scene.surface.OfKind(Primitive::Ellipse).size(), 2u);
}

} // namespace
} // namespace korvane
