#pragma once
// A surface that draws on another one and keeps the rectangle its drawing touched, so that
// the next picture need only put back that rectangle. The bounds are generous (pen widths,
// texts in every direction from their reference point), never too small.
#include "platform/Surface.h"

#include <optional>

namespace korvane::platform {

class BoundsSurface final : public Surface {
public:
    explicit BoundsSurface(Surface& target) : target_(target) {}

    // What was drawn, within the target; empty when nothing was.
    std::optional<Rect> Bounds() const;

    Size GetSize() const override { return target_.GetSize(); }
    void SetPen(const Pen& pen) override;
    void SetBrush(const Brush& brush) override { target_.SetBrush(brush); }
    void SetFont(const FontSpec& font) override { target_.SetFont(font); }
    void SetTextColour(Rgb colour) override { target_.SetTextColour(colour); }
    void SetBackgroundColour(Rgb colour) override { target_.SetBackgroundColour(colour); }
    void SetBackgroundMode(BackgroundMode mode) override { target_.SetBackgroundMode(mode); }
    void SetTextAlign(int alignFlags) override { target_.SetTextAlign(alignFlags); }
    void SetDrawMode(DrawMode mode) override { target_.SetDrawMode(mode); }
    void SetClip(std::optional<Rect> clip) override { target_.SetClip(clip); }

    void Line(Point from, Point to) override;
    void Polyline(std::span<const Point> points) override;
    void Polygon(std::span<const Point> points) override;
    void Rectangle(const Rect& rect) override;
    void FillRect(const Rect& rect, Rgb colour) override;
    void Ellipse(const Rect& bounds) override;
    void Arc(const Rect& bounds, Point start, Point end) override;
    void SetPixel(Point p, Rgb colour) override;
    std::optional<Rgb> GetPixel(Point p) const override { return target_.GetPixel(p); }
    void InvertRect(const Rect& rect) override;

    void TextOut(Point at, std::string_view text) override;
    Size TextExtent(std::string_view text) const override { return target_.TextExtent(text); }
    FontMetrics GetFontMetrics() const override { return target_.GetFontMetrics(); }

    void Blit(Point to, const Surface& source, const Rect& from, BlitOp op = BlitOp::Copy) override;

private:
    // Adds the rectangle grown by `margin` pixels on every side.
    void Touch(Rect rect, int margin);
    void TouchPoints(std::span<const Point> points);

    Surface& target_;
    int penMargin_ = 1;
    bool any_ = false;
    Rect bounds_;
};

} // namespace korvane::platform
