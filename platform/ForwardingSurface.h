#pragma once
// A surface of interface `Base` (Surface or one derived from it) that passes every
// drawing call to another surface; for surfaces that add something (a file to write) to
// one that draws.
#include "platform/Surface.h"

namespace korvane::platform {

template <class Base>
class ForwardingSurface : public Base {
public:
    explicit ForwardingSurface(Surface& target) : target_(target) {}

    Size GetSize() const override { return target_.GetSize(); }
    void SetPen(const Pen& pen) override { target_.SetPen(pen); }
    void SetBrush(const Brush& brush) override { target_.SetBrush(brush); }
    void SetFont(const FontSpec& font) override { target_.SetFont(font); }
    void SetTextColour(Rgb colour) override { target_.SetTextColour(colour); }
    void SetBackgroundColour(Rgb colour) override { target_.SetBackgroundColour(colour); }
    void SetBackgroundMode(BackgroundMode mode) override { target_.SetBackgroundMode(mode); }
    void SetTextAlign(int alignFlags) override { target_.SetTextAlign(alignFlags); }
    void SetDrawMode(DrawMode mode) override { target_.SetDrawMode(mode); }
    void SetClip(std::optional<Rect> clip) override { target_.SetClip(clip); }
    void Line(Point from, Point to) override { target_.Line(from, to); }
    void Polyline(std::span<const Point> points) override { target_.Polyline(points); }
    void Polygon(std::span<const Point> points) override { target_.Polygon(points); }
    void Rectangle(const Rect& rect) override { target_.Rectangle(rect); }
    void FillRect(const Rect& rect, Rgb colour) override { target_.FillRect(rect, colour); }
    void Ellipse(const Rect& bounds) override { target_.Ellipse(bounds); }
    void Arc(const Rect& bounds, Point start, Point end) override { target_.Arc(bounds, start, end); }
    void SetPixel(Point p, Rgb colour) override { target_.SetPixel(p, colour); }
    std::optional<Rgb> GetPixel(Point p) const override { return target_.GetPixel(p); }
    void InvertRect(const Rect& rect) override { target_.InvertRect(rect); }
    void TextOut(Point at, std::string_view text) override { target_.TextOut(at, text); }
    Size TextExtent(std::string_view text) const override { return target_.TextExtent(text); }
    FontMetrics GetFontMetrics() const override { return target_.GetFontMetrics(); }
    void Blit(Point to, const Surface& source, const Rect& from, BlitOp op = BlitOp::Copy) override {
        target_.Blit(to, source, from, op);
    }

private:
    Surface& target_;
};

} // namespace korvane::platform
