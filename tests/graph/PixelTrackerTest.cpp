#include "graph/PixelTracker.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

namespace korvane {
namespace {

View SquareView(int width, int height, long double cx, long double cy, long double rx) {
    View v;
    v.SetClientSize(width, height);
    v.SetSquareView(cx, cy, rx);
    v.Recompute();
    return v;
}

View CornerView(int width, int height, long double xmin, long double xmax, long double ymin, long double ymax) {
    View v;
    v.SetClientSize(width, height);
    v.SetCorners(xmin, xmax, ymin, ymax);
    return v;
}

struct TrackerCase {
    const char* name;
    std::function<View()> make;
    bool mostlySure; // points away from the borders are placed without the exact mapping
};

// Bounds that are no doubles, so the tracker's copies differ from the view's.
const long double kThird = 1.0L / 3;

const TrackerCase kCases[] = {
    {"square", [] { return SquareView(1000, 600, 0, 0, 10); }, true},
    {"odd corners", [] { return CornerView(300, 200, -kThird, kThird / 7, 2 * kThird, 1 + kThird); }, true},
    {"client offsets",
     [] {
         View v = CornerView(40, 30, -kThird, 5 * kThird, -1, 2);
         v.offsetX = 3;
         v.offsetY = -2;
         return v;
     },
     true},
    // Far from the origin and zoomed in: the doubles miss the bounds by part of a pixel,
    // and by many.
    {"zoomed", [] { return SquareView(400, 300, 12345.678901L, -1000 * kThird, 6e-10L); }, false},
    {"deep zoom", [] { return SquareView(400, 300, 12345.678901L, -1000 * kThird, 1e-11L); }, false},
    // Bounds and scales beyond the range of a double.
    {"beyond doubles", [] { return CornerView(100, 80, 1e400L, 1e400L + 1e390L, -1e-30L, 1e-4000L); }, false},
    // A scale that does not span the window: the last pixel column reaches past xmax and
    // the first row past ymin.
    {"narrow scale",
     [] {
         View v = CornerView(10, 8, 0, 10, 0, 8);
         v.xmax = 9.7L;
         v.ymin = 0.3L;
         return v;
     },
     true},
};

// World values on one axis where the tracker can go wrong: around the borders of a few
// pixels (the first, the last and some between), a unit of the last place at a time, and
// around the window's edges; and the middles and quarters of those pixels.
std::vector<long double> Probes(long double origin, long double unit, int sign, int limit, long double low,
                                long double high) {
    std::vector<long double> probes;
    for (int k : {0, 1, 2, limit / 2, limit - 1, limit}) {
        for (long double at : {k - 0.25L, k + 0.0L, k + 0.25L})
            probes.push_back(origin + sign * unit * at);
        for (long double border : {k - 0.5L, k + 0.5L}) {
            long double v = origin + sign * unit * border;
            for (int i = 0; i < 4; ++i)
                v = std::nextafter(v, -INFINITY);
            for (int i = 0; i < 9; ++i, v = std::nextafter(v, INFINITY))
                probes.push_back(v);
        }
    }
    for (long double edge : {low, high}) {
        probes.push_back(std::nextafter(edge, -INFINITY));
        probes.push_back(edge);
        probes.push_back(std::nextafter(edge, INFINITY));
    }
    return probes;
}

// Every answer of the tracker is checked against the exact mapping and the window test:
// from the pixel the point maps to, from the one beside it, and with no pixel followed.
TEST(PixelTracker, AgreesWithTheExactMapping) {
    for (const TrackerCase& c : kCases) {
        SCOPED_TRACE(c.name);
        const View v = c.make();
        const auto xs = Probes(v.xmin, v.unitX, 1, v.clientW, v.xmin, v.xmax);
        const auto ys = Probes(v.ymax, v.unitY, -1, v.clientH, v.ymin, v.ymax);
        int placed = 0;
        int middles = 0;
        for (const long double x : xs)
            for (const long double y : ys) {
                PixelPoint exact;
                const bool drawn = v.ToPixelPointUnclamped(x, y, exact) && v.Inside(x, y);
                const auto expect = [&](PixelTracker::Move move, PixelPoint p, PixelPoint followed, bool following) {
                    if (move == PixelTracker::Move::Unsure)
                        return;
                    ++placed;
                    const PixelPoint claimed = move == PixelTracker::Move::Same ? followed : p;
                    ASSERT_TRUE(drawn) << static_cast<double>(x) << ", " << static_cast<double>(y);
                    ASSERT_TRUE(following || move == PixelTracker::Move::Moved);
                    ASSERT_EQ(claimed.x, exact.x) << static_cast<double>(x);
                    ASSERT_EQ(claimed.y, exact.y) << static_cast<double>(y);
                };
                for (const PixelPoint followed : {exact, PixelPoint{exact.x - 1, exact.y}, PixelPoint{exact.x, exact.y + 1},
                                                  PixelPoint{exact.x + 1, exact.y - 1}}) {
                    PixelTracker tracker(v);
                    tracker.Follow(followed);
                    PixelPoint p;
                    expect(tracker.Track(x, y, p), p, followed, true);
                }
                PixelTracker fresh(v);
                PixelPoint p;
                expect(fresh.Track(x, y, p), p, {}, false);
                PixelTracker forgot(v);
                forgot.Follow(exact);
                forgot.Forget();
                expect(forgot.Track(x, y, p), p, {}, false);
                const long double midX = v.xmin + v.unitX * (exact.x - v.offsetX);
                const long double midY = v.ymax - v.unitY * (exact.y - v.offsetY);
                if (drawn && x == midX && y == midY && exact.x > v.offsetX && exact.y > v.offsetY) {
                    PixelTracker tracker(v);
                    tracker.Follow(exact);
                    middles += tracker.Track(x, y, p) == PixelTracker::Move::Same;
                }
            }
        if (c.mostlySure) {
            EXPECT_GT(middles, 10) << "the middle of a pixel is always sure";
            EXPECT_GT(placed, 500);
        }
    }
}

// Along a steep line the tracker follows the pixels one by one as the exact mapping does.
TEST(PixelTracker, FollowsACurvePixelByPixel) {
    const View v = CornerView(200, 100, -kThird, 2 - kThird, -1, 1);
    PixelTracker tracker(v);
    int same = 0;
    int moved = 0;
    PixelPoint last{-100, -100};
    for (int i = 0; i <= 2000; ++i) {
        const long double x = v.xmin + (v.xmax - v.xmin) * i / 2000;
        const long double y = std::sin(3 * x) / 1.01L;
        PixelPoint exact;
        ASSERT_TRUE(v.ToPixelPointUnclamped(x, y, exact));
        PixelPoint p;
        switch (tracker.Track(x, y, p)) {
        case PixelTracker::Move::Same:
            ++same;
            ASSERT_EQ(exact.x, last.x);
            ASSERT_EQ(exact.y, last.y);
            break;
        case PixelTracker::Move::Moved:
            ++moved;
            ASSERT_EQ(p.x, exact.x);
            ASSERT_EQ(p.y, exact.y);
            break;
        case PixelTracker::Move::Unsure:
            tracker.Follow(exact);
            break;
        }
        last = exact;
    }
    EXPECT_GT(same, 1000);
    EXPECT_GT(moved, 200);
}

} // namespace
} // namespace korvane
