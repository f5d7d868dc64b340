#include "platform/BoundsSurface.h"

#include <algorithm>

namespace korvane::platform {

std::optional<Rect> BoundsSurface::Bounds() const {
    if (!any_)
        return std::nullopt;
    const Rect inside = bounds_.Intersected(Rect::FromSize({0, 0}, GetSize()));
    if (inside.Empty())
        return std::nullopt;
    return inside;
}

void BoundsSurface::Touch(Rect rect, int margin) {
    const Rect grown{rect.left - margin, rect.top - margin, rect.right + margin, rect.bottom + margin};
    if (!any_) {
        bounds_ = grown;
        any_ = true;
        return;
    }
    bounds_ = {std::min(bounds_.left, grown.left), std::min(bounds_.top, grown.top),
               std::max(bounds_.right, grown.right), std::max(bounds_.bottom, grown.bottom)};
}

void BoundsSurface::TouchPoints(std::span<const Point> points) {
    if (points.empty())
        return;
    Rect r{points[0].x, points[0].y, points[0].x + 1, points[0].y + 1};
    for (const Point& p : points) {
        r.left = std::min(r.left, p.x);
        r.top = std::min(r.top, p.y);
        r.right = std::max(r.right, p.x + 1);
        r.bottom = std::max(r.bottom, p.y + 1);
    }
    Touch(r, penMargin_);
}

void BoundsSurface::SetPen(const Pen& pen) {
    // Wide pens reach half their width beyond the path, square caps a little more.
    penMargin_ = std::max(1, pen.width) + 1;
    ForwardingSurface::SetPen(pen);
}

void BoundsSurface::Line(Point from, Point to) {
    const Point ends[] = {from, to};
    TouchPoints(ends);
    ForwardingSurface::Line(from, to);
}

void BoundsSurface::Polyline(std::span<const Point> points) {
    TouchPoints(points);
    ForwardingSurface::Polyline(points);
}

void BoundsSurface::Polygon(std::span<const Point> points) {
    TouchPoints(points);
    ForwardingSurface::Polygon(points);
}

void BoundsSurface::Rectangle(const Rect& rect) {
    Touch(rect, penMargin_);
    ForwardingSurface::Rectangle(rect);
}

void BoundsSurface::FillRect(const Rect& rect, Rgb colour) {
    Touch(rect, 0);
    ForwardingSurface::FillRect(rect, colour);
}

void BoundsSurface::Ellipse(const Rect& bounds) {
    Touch(bounds, penMargin_);
    ForwardingSurface::Ellipse(bounds);
}

void BoundsSurface::Arc(const Rect& bounds, Point start, Point end) {
    Touch(bounds, penMargin_);
    ForwardingSurface::Arc(bounds, start, end);
}

void BoundsSurface::SetPixel(Point p, Rgb colour) {
    Touch({p.x, p.y, p.x + 1, p.y + 1}, 0);
    ForwardingSurface::SetPixel(p, colour);
}

void BoundsSurface::InvertRect(const Rect& rect) {
    Touch(rect, 0);
    ForwardingSurface::InvertRect(rect);
}

void BoundsSurface::TextOut(Point at, std::string_view text) {
    // Whatever the alignment, the text lies within its extent of the reference point.
    const Size extent = ForwardingSurface::TextExtent(text);
    const int reach = std::max(extent.height, ForwardingSurface::GetFontMetrics().height) + 1;
    Touch({at.x - extent.width, at.y - reach, at.x + extent.width, at.y + reach}, 2);
    ForwardingSurface::TextOut(at, text);
}

void BoundsSurface::Blit(Point to, const Surface& source, const Rect& from, BlitOp op) {
    Touch(Rect::FromSize(to, {from.Width(), from.Height()}), 0);
    ForwardingSurface::Blit(to, source, from, op);
}

} // namespace korvane::platform
