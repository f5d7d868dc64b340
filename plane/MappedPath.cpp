#include "plane/MappedPath.h"

#include <algorithm>
#include <cmath>

#include "plane/PointKinds.h"

namespace korvane {

namespace {

constexpr std::size_t kPolylineChunk = 8192;

} // namespace

bool MappedPath::ImagePixel(PlaneDrawContext& context, long double x, long double y, platform::Point& pixel) {
    const View& view = context.view;
    if (!MapPoint(context, x, y) || !view.Inside(x, y))
        return false;
    pixel = {view.ToPixelXInt(x), view.ToPixelYInt(y)};
    return true;
}

void MappedPath::Put(long double x, long double y) {
    platform::Point p;
    if (!ImagePixel(context_, x, y, p)) {
        Lift();
        return;
    }
    if (piece_.size() >= kPolylineChunk) {
        const platform::Point last = piece_.back();
        Lift();
        piece_.push_back(last);
    }
    if (piece_.empty() || piece_.back() != p)
        piece_.push_back(p);
}

void MappedPath::Segment(long double x0, long double y0, long double x1, long double y1) {
    const View& source = context_.SourceView();
    const long double span = std::max(std::fabs(x1 - x0) / source.unitX, std::fabs(y1 - y0) / source.unitY);
    // A piece far longer than the window (a damaged file, a runaway path) is not sampled
    // finer than four times the window's perimeter.
    const long double most = 4.0L * (std::max(source.clientW, 1) + std::max(source.clientH, 1));
    const long double n = std::isfinite(span) ? std::clamp(std::ceil(span), 1.0L, most) : 1.0L;
    if (!atEnd_ || x0 != endX_ || y0 != endY_) {
        Lift();
        Put(x0, y0);
    }
    for (long double i = 1; i <= n; ++i)
        Put(x0 + (x1 - x0) * i / n, y0 + (y1 - y0) * i / n);
    atEnd_ = true;
    endX_ = x1;
    endY_ = y1;
}

void MappedPath::Lift() {
    if (piece_.size() >= 2)
        context_.surface.Polyline(piece_);
    piece_.clear();
    atEnd_ = false;
}

} // namespace korvane
