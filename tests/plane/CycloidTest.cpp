// Cycloids and roulettes (kind 207), checked against the closed forms of the classic
// curves: the cycloid and trochoids on a line, hypocycloids and epicycloids on a circle.
#include "GeometryTestSupport.h"

#include "plane/Cycloid.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace korvane {
namespace {

using geometrytest::GeometryScene;
using platform::Primitive;

constexpr long double kPi = 3.14159265358979323846264338327950288L;

struct Roll {
    long double radius = 1, arm = 1, start = 0, minimum = 0, maximum = 4 * kPi;
    bool left = true;
};

ExampleRecord& AddCycloid(GeometryScene& scene, const Roll& roll,
                          std::initializer_list<std::pair<int, const char*>> base = {}) {
    ExampleRecord& e = scene.Add(kCycloid, base);
    e.SetReal(exo::kCycloidRadius, roll.radius);
    e.SetReal(exo::kCycloidArm, roll.arm);
    e.SetReal(exo::kCycloidStart, roll.start);
    e.SetReal(exo::kMinimum, roll.minimum);
    e.SetReal(exo::kMaximum, roll.maximum);
    e.SetI16(exo::kRadio, roll.left ? 0 : 1);
    return e;
}

struct Sampled {
    int code = 0;
    std::vector<CycloidSample> samples;
};

Sampled Sample(GeometryScene& scene, const ExampleRecord& e) {
    Sampled out;
    PlaneDrawContext context = scene.Context();
    out.code = SampleCycloid(context, e, [&](const CycloidSample& p) {
        out.samples.push_back(p);
        return true;
    });
    return out;
}

// The parameter of sample i: density 1 on a 200-pixel window gives 201 steps.
long double ParameterOf(const Roll& roll, std::size_t i, std::size_t steps) {
    if (i == steps)
        return roll.maximum;
    return roll.minimum + (roll.maximum - roll.minimum) / steps * static_cast<long double>(i);
}

using Reference = std::function<void(long double t, long double& x, long double& y)>;

void ExpectCurve(const Sampled& got, const Roll& roll, const Reference& reference, long double tolerance) {
    ASSERT_EQ(got.code, 0);
    const std::size_t steps = 201;
    ASSERT_EQ(got.samples.size(), steps + 1);
    for (std::size_t i = 0; i <= steps; ++i) {
        long double x, y;
        const long double t = ParameterOf(roll, i, steps);
        reference(t, x, y);
        SCOPED_TRACE("t = " + std::to_string(static_cast<double>(t)));
        ASSERT_TRUE(got.samples[i].defined);
        EXPECT_NEAR(got.samples[i].x, x, tolerance);
        EXPECT_NEAR(got.samples[i].y, y, tolerance);
    }
}

TEST(Cycloid, SidesArmsAndStart) {
    struct Row {
        const char* name;
        Roll roll;
    };
    // The classic cycloid is x = r (u - sin u), y = r (1 - cos u) with u = t / r.
    const Row rows[] = {
        {"classic", {1, 1, 0, 0, 4 * kPi, true}},
        {"classic, radius 1.5", {1.5L, 1.5L, 0, 0, 6 * kPi, true}},
        {"classic, radius 0.25", {0.25L, 0.25L, 0, 0, kPi, true}},
        {"right side", {1, 1, 0, 0, 4 * kPi, false}},
        {"long arm", {1, 2, 0, -2, 8, true}},
        {"short arm", {2, 0.5L, 0, 0, 10, true}},
        {"short arm on the right", {2, 0.5L, 0, 0, 10, false}},
        {"start at 1", {1, 1, 1, -3, 9, true}},
        {"start outside the range", {0.5L, 1, 20, 0, 5, false}},
        {"no arm", {1, 0, 0, -5, 5, true}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        GeometryScene scene;
        ExampleRecord& e = AddCycloid(scene, row.roll);
        const Roll roll = row.roll;
        const long double side = roll.left ? 1 : -1;
        ExpectCurve(Sample(scene, e), roll,
                    [&](long double t, long double& x, long double& y) {
                        const long double u = (t - roll.start) / roll.radius;
                        x = t - roll.arm * std::sin(u);
                        y = side * (roll.radius - roll.arm * std::cos(u));
                    },
                    1e-14L);
    }
}

// A base circle of radius 4 run anticlockwise: its left is the inside. A circle of
// radius 1 inside draws the astroid, outside an epicycloid of four cusps. The parameter
// letter gets its value back.
TEST(Cycloid, HypocycloidAndEpicycloidOnACircle) {
    for (const bool left : {true, false}) {
        SCOPED_TRACE(left ? "inside" : "outside");
        GeometryScene scene;
        scene.eval.SetLetter('T' - 64, 42);
        const Roll roll{1, 1, 0, 0, 2 * kPi, left};
        ExampleRecord& e = AddCycloid(scene, roll, {{0, "4cos(t)"}, {1, "4sin(t)"}});
        const long double big = 4, small = 1;
        ExpectCurve(Sample(scene, e), roll,
                    [&](long double t, long double& x, long double& y) {
                        if (left) {
                            const long double k = (big - small) / small;
                            x = (big - small) * std::cos(t) + small * std::cos(k * t);
                            y = (big - small) * std::sin(t) - small * std::sin(k * t);
                        } else {
                            const long double k = (big + small) / small;
                            x = (big + small) * std::cos(t) - small * std::cos(k * t);
                            y = (big + small) * std::sin(t) - small * std::sin(k * t);
                        }
                    },
                    1e-12L);
        EXPECT_EQ(scene.eval.letterValues['T' - 64].re, 42);
    }
}

// Along y = 1 - x/2 (an explicit source example, its own letter X) the arc length runs
// sqrt(5)/2 per unit of x. In the frame of the line (unit tangent T, left normal N, from
// the point at x = 0) the curve is the classic cycloid s - sin s along T, 1 - cos s along N.
TEST(Cycloid, RollsOnTheCurveOfItsSourceExample) {
    GeometryScene scene;
    scene.Add(kExplicit, {{1, "1-x/2"}});
    const Roll roll{1, 1, 0, -4, 4, true};
    ExampleRecord& e = AddCycloid(scene, roll);
    e.SetI16(exo::kSource1, 0);
    const long double speed = std::sqrt(5.0L) / 2;
    const long double tx = 1 / speed, ty = -0.5L / speed;
    const long double nx = -ty, ny = tx;
    ExpectCurve(Sample(scene, e), roll,
                [&](long double t, long double& x, long double& y) {
                    const long double s = t * speed;
                    x = (s - std::sin(s)) * tx + (1 - std::cos(s)) * nx;
                    y = 1 + (s - std::sin(s)) * ty + (1 - std::cos(s)) * ny;
                },
                1e-12L);
}

// A base whose tangent vanishes (t^3 at 0) ends the curve with code 114, after what it
// drew; a radius below the minimum draws nothing.
TEST(Cycloid, NullVectorOfTheBaseAndRadiusBelowTheMinimum) {
    const struct {
        const char* name;
        Roll roll;
        int code;
        bool drawsFirst;
    } rows[] = {
        {"at the first sample", {0.2L, 0.2L, 0, 0, 1, true}, kNullVectorCode, false},
        {"at the last sample", {0.2L, 0.2L, 0, -1, 0, true}, kNullVectorCode, true},
        {"radius 0", {0, 1, 0, 0, 1, true}, kNotPositiveCode, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        GeometryScene scene;
        ExampleRecord& e = AddCycloid(scene, row.roll, {{0, "t^3"}, {1, "0"}});
        EXPECT_EQ(Sample(scene, e).code, row.code);
        scene.surface.Clear();
        PlaneDrawContext context = scene.Context();
        EXPECT_EQ(TraceCycloid(context, e).code, row.code);
        EXPECT_EQ(scene.Lines().empty(), !row.drawsFirst);
        EXPECT_EQ(scene.surface.Primitives().size(), scene.Lines().size());
    }
}

TEST(Cycloid, UndefinedBaseLiftsThePen) {
    GeometryScene scene;
    ExampleRecord& e = AddCycloid(scene, {0.1L, 0.1L, 0, -1, 1, true}, {{0, "t"}, {1, "sqrt(t)"}});
    const Sampled sampled = Sample(scene, e);
    EXPECT_EQ(sampled.code, 0);
    std::size_t undefined = 0;
    for (const CycloidSample& p : sampled.samples)
        undefined += p.defined ? 0 : 1;
    // The 101 samples at t < 0 (201 steps never land on 0).
    EXPECT_EQ(undefined, 101u);
}

// The drawn polyline follows the classic cycloid pixel by pixel (to one pixel, for
// rounding at half pixels).
TEST(Cycloid, ExportModeDrawsTheCurveAsOnePolyline) {
    GeometryScene scene;
    scene.settings.exportMode = true;
    const long double r = 0.7L;
    ExampleRecord& e = AddCycloid(scene, {r, r, 0, 0, 2 * kPi * r, true});
    e.SetI16(exo::kColour, 9);
    e.SetI16(exo::kWidth, 2);
    scene.Draw(e);
    const auto polylines = scene.Of(Primitive::Polyline);
    ASSERT_EQ(polylines.size(), 1u);
    const auto& points = polylines[0].points;
    ASSERT_EQ(points.size(), 202u);
    EXPECT_EQ(polylines[0].pen, (platform::Pen{geometrytest::ColourOfIndex(9), 2, platform::PenStyle::Solid}));
    for (std::size_t i = 0; i < points.size(); ++i) {
        SCOPED_TRACE(i);
        const long double u = ParameterOf({r, r, 0, 0, 2 * kPi * r, true}, i, 201) / r;
        const long double x = r * (u - std::sin(u)), y = r * (1 - std::cos(u));
        EXPECT_NEAR(points[i].x, 20 * (x + 5), 1.0);
        EXPECT_NEAR(points[i].y, 20 * (5 - y), 1.0);
    }
}

// r = 1 on [0, 4 pi] leaves the window at x = 5: two pieces of lines, none joining the
// points on either side of the gap.
TEST(Cycloid, LeavingTheWindowBreaksTheCurve) {
    GeometryScene scene;
    ExampleRecord& e = AddCycloid(scene, {1, 1, 0, -4 * kPi, 4 * kPi, true});
    scene.Draw(e);
    const auto lines = scene.Lines();
    ASSERT_FALSE(lines.empty());
    std::size_t pieces = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_LE(std::abs(lines[i].points[0].x - lines[i].points[1].x), 6) << i;
        if (i == 0 || lines[i - 1].points[1] != lines[i].points[0])
            ++pieces;
    }
    EXPECT_EQ(pieces, 1u); // x stays within [-5, 5] only between -5 and 5
}

// The keyboard is polled every 1024 samples: S there ends the curve. 2001 samples on a
// 2000-pixel window, all inside.
TEST(Cycloid, StopKeyEndsTheDrawing) {
    GeometryScene scene;
    scene.view.SetClientSize(2000, 200);
    scene.view.Recompute();
    ExampleRecord& e = AddCycloid(scene, {0.05L, 0.05L, 0, 0, 2, true});
    PlaneDrawContext context = scene.Context();
    EXPECT_EQ(TraceCycloid(context, e).key, 0); // 2002 samples
    EXPECT_EQ(scene.Lines().size(), 2001u);
    scene.surface.Clear();
    context.pollKey = [] { return kStopKey; };
    EXPECT_EQ(TraceCycloid(context, e).key, kStopKey);
    EXPECT_EQ(scene.Lines().size(), 1023u);
}

} // namespace
} // namespace korvane
