#include "space/SpaceView.h"

#include <gtest/gtest.h>

#include <cmath>

namespace korvane {
namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;

SpacePoint Cross(const SpacePoint& p, const SpacePoint& q) {
    return {p.y * q.z - p.z * q.y, p.z * q.x - p.x * q.z, p.x * q.y - p.y * q.x};
}

SpacePoint Unit(const SpacePoint& p) { return (1 / Length(p)) * p; }

// Where the ray from the eye through P meets the plane through the focus across the line
// of sight, in that plane's horizontal and upward unit vectors.
void RayPlane(const SpacePoint& eye, const SpacePoint& focus, const SpacePoint& p, long double& u, long double& v) {
    const SpacePoint n = eye - focus;
    const long double t = Dot(n, focus - eye) / Dot(n, p - eye);
    const SpacePoint hit = eye + t * (p - eye);
    const SpacePoint right = Unit(Cross({0, 0, 1}, n));
    const SpacePoint up = Cross(Unit(n), right);
    u = Dot(hit - focus, right);
    v = Dot(hit - focus, up);
}

void ExpectNear(long double actual, long double expected) {
    EXPECT_NEAR(static_cast<double>(actual), static_cast<double>(expected),
                1e-12 * std::max(1.0, std::fabs(static_cast<double>(expected))));
}

SpaceView ViewFrom(SpacePoint observer, SpacePoint focus, SpacePoint low, SpacePoint high, bool cube = false) {
    SpaceView view;
    view.boxMin = low;
    view.boxMax = high;
    view.focus = focus;
    view.observer = observer;
    view.cube = cube;
    view.RecomputeScale();
    view.ObserverChanged();
    return view;
}

// The projection is the meeting of the eye's ray with the picture plane, for observers
// on every side and points in front of and behind the plane; in cube mode the box is
// scaled to a unit cube about the focus first.
TEST(SpaceViewProjection, MeetsTheRayThroughThePoint) {
    struct Row {
        SpacePoint observer, focus, point;
        bool cube = false;
    } rows[] = {
        {{60, 80, 60}, {1, 1, 1}, {2, 0, 1.5L}},
        {{60, 80, 60}, {1, 1, 1}, {0, 2, 2}},
        {{-7, 3, -2}, {0.5L, 0, 1}, {1, 1, 1}},
        {{3, -40, 9}, {0, 0, 0}, {-1, 0.25L, 3}},
        {{0.1L, 0.2L, 50}, {0, 0, 0}, {1, -1, 0.5L}},
        {{1e5L, -2e5L, 3e4L}, {10, 20, 30}, {11, 19, 29}},
        {{20, 30, 40}, {0, 0.5L, 10}, {3, 1, 30}, true},
        {{20, 30, 40}, {0, 0.5L, 10}, {-3, 0, -10}, true},
        {{20, 30, 40}, {0, 0.5L, 10}, {1, 0.2L, 12}, true},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.observer << " " << r.point);
        const SpacePoint low = r.cube ? SpacePoint{-3, 0, -10} : SpacePoint{-1, -1, -1};
        const SpacePoint high = r.cube ? SpacePoint{3, 1, 30} : SpacePoint{2, 2, 2};
        const SpaceView view = ViewFrom(r.observer, r.focus, low, high, r.cube);
        auto scaled = [&](SpacePoint p) {
            const SpacePoint d = p - r.focus;
            return r.cube ? SpacePoint{d.x / 6, d.y / 1, d.z / 40} : p;
        };
        long double u = 0, v = 0, eu = 0, ev = 0;
        ASSERT_TRUE(view.Project(r.point, u, v));
        RayPlane(scaled(r.observer), scaled(r.focus), scaled(r.point), eu, ev);
        ExpectNear(u, eu);
        ExpectNear(v, ev);
    }
}

// Degenerate observers: on the focus nothing projects; straight above it the picture is
// still a proper one (the ray meets the horizontal plane through the focus).
TEST(SpaceViewProjection, ObserverOnOrAboveTheFocus) {
    SpaceView onFocus = ViewFrom({1, 1, 1}, {1, 1, 1}, {0, 0, 0}, {2, 2, 2});
    long double u = 0, v = 0;
    EXPECT_FALSE(onFocus.Project({0, 0, 0}, u, v));
    PictureWindow window;
    EXPECT_FALSE(onFocus.FitWindow(false, window));

    SpaceView above = ViewFrom({1, 1, 50}, {1, 1, 1}, {0, 0, 0}, {2, 2, 2});
    ASSERT_TRUE(above.Project({2, 1, 1}, u, v));
    EXPECT_NEAR((double)std::hypot(u, v), 1.0, 1e-6);
    ASSERT_TRUE(above.Project({1, 1, 1}, u, v));
    EXPECT_NEAR((double)std::hypot(u, v), 0.0, 1e-6);
}

// Approaching halves the way unless it would end above the box.
TEST(SpaceViewObserver, ApproachAndMoveAwayKeepTheirBounds) {
    SpaceView near;
    ASSERT_TRUE(near.Approach());
    EXPECT_EQ(near.observer, (SpacePoint{30.5L, 40.5L, 30.5L}));
    SpaceView above = ViewFrom({1.5L, 1.5L, 9}, {1, 1, 1}, {0, 0, 0}, {2, 2, 2});
    EXPECT_FALSE(above.Approach());
    EXPECT_EQ(above.observer, (SpacePoint{1.5L, 1.5L, 9}));
    struct Row {
        const char* rule;
        SpacePoint observer, expected;
    } rows[] = {
        {"the distance from the focus doubles", {60, 80, 60}, {119, 159, 119}},
        {"beyond 10000 box sizes the observer is halved", {30002, 1, 1}, {30001.5L, 0.5L, 0.5L}},
        {"above the box it is doubled until it leaves", {1.25L, 1.25L, 5}, {3, 3, 18}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.rule);
        SpaceView view = ViewFrom(r.observer, {1, 1, 1}, {0, 0, 0}, {2, 2, 2});
        view.MoveAway();
        EXPECT_EQ(view.observer, r.expected);
    }
    // A tiny box far from the origin can never meet the distance bound by halving; an
    // observer on the z axis above a box around the origin can never leave it by doubling.
    SpaceView far = ViewFrom({1e6L + 1, 1e6L, 1e6L}, {1e6L, 1e6L, 1e6L}, {1e6L, 1e6L, 1e6L},
                             {1e6L + 1e-9L, 1e6L + 1e-9L, 1e6L + 1e-9L});
    far.MoveAway();
    EXPECT_TRUE(std::isfinite(far.observer.x));
    SpaceView axis = ViewFrom({0, 0, 5}, {0, 0, 0}, {-1, -1, -1}, {1, 1, 1});
    axis.MoveAway();
    EXPECT_EQ(axis.observer.x, 0);
}

TEST(SpaceViewObserver, FarIsometricTurnedRaisedAndLowered) {
    SpaceView view;
    view.MoveVeryFar();
    EXPECT_NEAR((double)Length(view.observer - view.focus), 6000.0, 1e-9);
    const SpacePoint direction = view.observer - view.focus;
    EXPECT_NEAR((double)(direction.y / direction.x), 79.0 / 59.0, 1e-12);
    view.Isometric();
    EXPECT_EQ(view.observer, (SpacePoint{48000, 48000, 48000}));
    // Turning keeps height and distance about the chosen axis.
    SpaceView turned;
    turned.Turn(kPi / 2);
    EXPECT_NEAR((double)turned.observer.x, 1 - 79.0, 1e-12);
    EXPECT_NEAR((double)turned.observer.y, 1 + 59.0, 1e-12);
    EXPECT_EQ(turned.observer.z, 60);
    SpaceView origin;
    origin.rotateAboutOrigin = true;
    origin.Turn(-kPi / 2);
    EXPECT_NEAR((double)origin.observer.x, 80.0, 1e-12);
    EXPECT_NEAR((double)origin.observer.y, -60.0, 1e-12);
    // One step down undoes one step up for a non-negative elevation; above the focus
    // nothing moves.
    for (long double z : {1.0L, 60.0L, 300.0L}) {
        SpaceView raised = ViewFrom({60, 80, z}, {1, 1, 1}, {0, 0, 0}, {2, 2, 2});
        ASSERT_TRUE(raised.Raise());
        EXPECT_GT(raised.observer.z, z);
        ASSERT_TRUE(raised.Lower());
        EXPECT_NEAR((double)raised.observer.z, (double)z, 1e-12 * (double)z);
    }
    SpaceView vertical = ViewFrom({1, 1, 9}, {1, 1, 1}, {0, 0, 0}, {2, 2, 2});
    EXPECT_FALSE(vertical.Raise());
    EXPECT_EQ(vertical.observer.z, 9);
}

TEST(SpaceViewFit, AxesFollowTheBoxAndTheWindowHoldsItsCorners) {
    SpaceView view = ViewFrom({60, 80, 60}, {1, 1, 1}, {0.5L, -2, 0}, {3, -1, 4});
    view.FollowBox();
    EXPECT_EQ(view.axisMin, (SpacePoint{-1, 1.3L * -2, 0}));
    EXPECT_EQ(view.axisMax, (SpacePoint{1.3L * 3, 1, 1.3L * 4}));
    view.axisLocked = true;
    view.boxMax = {9, 9, 9};
    view.FollowBox();
    EXPECT_EQ(view.axisMax.x, 1.3L * 3);
    // The fitted window is centred on the projected corners, 10 % wider than they reach.
    view = SpaceView{};
    PictureWindow window;
    ASSERT_TRUE(view.FitWindow(false, window));
    long double umin = 1e18L, umax = -1e18L, vmin = 1e18L, vmax = -1e18L;
    for (int c = 0; c < 8; ++c) {
        long double u = 0, v = 0;
        RayPlane(view.observer, view.focus, {c & 1 ? 2.0L : 0, c & 2 ? 2.0L : 0, c & 4 ? 2.0L : 0}, u, v);
        umin = std::min(umin, u), umax = std::max(umax, u), vmin = std::min(vmin, v), vmax = std::max(vmax, v);
    }
    ExpectNear(window.cx, (umin + umax) / 2);
    ExpectNear(window.cy, (vmin + vmax) / 2);
    ExpectNear(window.rx, 0.55L * (umax - umin + 0.01L));
    ExpectNear(window.ry, 0.55L * (vmax - vmin + 0.01L));
}

} // namespace
} // namespace korvane
