#include "graph/PixelTracker.h"

#include <cfloat>
#include <cmath>

namespace korvane {
namespace {

// A double at least v; +inf when there is none.
double AtLeast(long double v) {
    double d = static_cast<double>(v);
    if (static_cast<long double>(d) < v)
        d = std::nextafter(d, INFINITY);
    return d == d ? d : INFINITY;
}

// A double at most v; -inf when there is none.
double AtMost(long double v) {
    double d = static_cast<double>(v);
    if (static_cast<long double>(d) > v)
        d = std::nextafter(d, -INFINITY);
    return d == d ? d : -INFINITY;
}

bool UsableScale(double scale) { return scale >= DBL_MIN && scale <= DBL_MAX; }

// Twice a bound on |mapped with doubles - mapped exactly| for offsets up to limit + 2 pixels
// (the relative part allows for the rounding of each step, in double as well as in extended
// precision), plus the rounding of a range's ends; +inf when the doubles are no copy.
double Slack(long double exactOrigin, double origin, long double exactScale, double scale, int limit) {
    if (!std::isfinite(origin) || !UsableScale(scale))
        return INFINITY;
    const long double moved = std::fabs(exactOrigin - static_cast<long double>(origin));
    return AtLeast(2 * ((limit + 2) * 0x1p-48L + exactScale * moved));
}

} // namespace

PixelTracker::PixelTracker(const View& view)
    : xmin_(static_cast<double>(view.xmin)), ymax_(static_cast<double>(view.ymax)),
      pixX_(static_cast<double>(view.pixX)), pixY_(static_cast<double>(view.pixY)),
      slackX_(Slack(view.xmin, xmin_, view.pixX, pixX_, view.clientW)),
      slackY_(Slack(view.ymax, ymax_, view.pixY, pixY_, view.clientH)),
      // A point whose exact offset is below that of xmax lies left of xmax; so for ymin.
      edgeX_(AtMost(view.PixelOffsetX(view.xmax) - 2.0L * slackX_)),
      edgeY_(AtMost(view.PixelOffsetY(view.ymin) - 2.0L * slackY_)), offsetX_(view.offsetX),
      offsetY_(view.offsetY), limitX_(view.clientW), limitY_(view.clientH) {}

} // namespace korvane
