#pragma once
// A surface that draws on another one and keeps the rectangle its drawing touched, so that
// the next picture need only put back that rectangle. The bounds are generous (pen widths,
// texts in every direction from their reference point), never too small.
#include "platform/ForwardingSurface.h"

#include <optional>

namespace korvane::platform {

class BoundsSurface final : public ForwardingSurface<Surface> {
public:
    using ForwardingSurface::ForwardingSurface;

    // What was drawn, within the target; empty when nothing was.
    std::optional<Rect> Bounds() const;

    void SetPen(const Pen& pen) override;

    void Line(Point from, Point to) override;
    void Polyline(std::span<const Point> points) override;
    void Polygon(std::span<const Point> points) override;
    void Rectangle(const Rect& rect) override;
    void FillRect(const Rect& rect, Rgb colour) override;
    void Ellipse(const Rect& bounds) override;
    void Arc(const Rect& bounds, Point start, Point end) override;
    void SetPixel(Point p, Rgb colour) override;
    void InvertRect(const Rect& rect) override;

    void TextOut(Point at, std::string_view text) override;

    void Blit(Point to, const Surface& source, const Rect& from, BlitOp op = BlitOp::Copy) override;

private:
    // Adds the rectangle grown by `margin` pixels on every side.
    void Touch(Rect rect, int margin);
    void TouchPoints(std::span<const Point> points);

    int penMargin_ = 1;
    bool any_ = false;
    Rect bounds_;
};

} // namespace korvane::platform
