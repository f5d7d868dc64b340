#pragma once
// Tells cheaply where a curve's next point goes: to the pixel of the point before, to a
// pixel beside that one, or somewhere that must be worked out exactly. The exact mapping
// loads the view's bounds and scales as 80-bit values, and on some processors each such
// load costs several arithmetic steps. The tracker maps with double copies of them instead,
// against the pixel's range of offsets narrowed by a bound on the difference between the
// two mappings and cut at the window's far edges. So its answer is always that of the
// exact mapping and the window test, or else "unsure".
#include <algorithm>

#include "graph/View.h"

namespace korvane {

class PixelTracker {
public:
    explicit PixelTracker(const View& view);

    enum class Move { Same, Moved, Unsure };

    // Where (x, y) goes. Same: it lies in the world window and the unclamped mapping takes
    // it to the pixel followed. Moved: so it does for p, another pixel (one beside it, in
    // practice), which is followed from now on. Unsure: anything else, such as a point near
    // a pixel's border or the window's edge, farther away, or outside; p is then undefined
    // and the caller maps the point exactly.
    [[gnu::always_inline]] Move Track(const long double& x, const long double& y, PixelPoint& p) {
        const long double offsetX = (x - xmin_) * pixX_;
        const long double offsetY = (ymax_ - y) * pixY_;
        if (x_.Holds(offsetX) && y_.Holds(offsetY))
            return Move::Same;
        Range nextX = x_;
        Range nextY = y_;
        if (!Place(offsetX, limitX_, slackX_, edgeX_, nextX) || !Place(offsetY, limitY_, slackY_, edgeY_, nextY))
            return Move::Unsure;
        x_ = nextX;
        y_ = nextY;
        p = {nextX.k + offsetX_, nextY.k + offsetY_};
        return Move::Moved;
    }

    // From now on Same means p, a pixel that the unclamped mapping gave.
    void Follow(PixelPoint p) {
        if (!Narrow(p.x - offsetX_, limitX_, slackX_, edgeX_, x_) ||
            !Narrow(p.y - offsetY_, limitY_, slackY_, edgeY_, y_))
            Forget();
    }

    // No point is Same until a pixel is followed again.
    void Forget() { x_ = y_ = Range{}; }

private:
    struct Range {
        int k = -1;
        double above = 0, upTo = -1; // empty
        bool Holds(long double offset) const { return offset > above && offset <= upTo; }
    };

    // The offsets that the unclamped mapping takes to pixel k of an axis of `limit` pixels
    // are (k - 1/2, k + 1/2], but offset 0 is pixel 0 and `limit` the last one: they are
    // narrowed by the slack and cut below the window's far edge. False when nothing is left.
    static bool Narrow(int k, int limit, double slack, double edge, Range& range) {
        if (k < 0 || k > limit)
            return false;
        range.k = k;
        range.above = (k == 0 ? 0.0 : k - 0.5) + slack;
        range.upTo = std::min((k == limit ? limit : k + 0.5) - slack, edge);
        return range.above < range.upTo;
    }

    // Moves the range to the pixel beside it when that surely holds the offset: where a
    // curve goes next, most often.
    [[gnu::always_inline]] static bool Place(long double offset, int limit, double slack, double edge,
                                             Range& range) {
        if (range.Holds(offset))
            return true;
        const int k = offset > range.upTo ? range.k + 1 : range.k - 1;
        return Narrow(k, limit, slack, edge, range) && range.Holds(offset);
    }

    double xmin_, ymax_, pixX_, pixY_; // the view's, rounded to doubles
    double slackX_, slackY_;           // bounds on the offsets' differences, and rounding
    double edgeX_, edgeY_;             // below the exact offsets of xmax and ymin
    int offsetX_, offsetY_, limitX_, limitY_;
    Range x_, y_;
};

} // namespace korvane
