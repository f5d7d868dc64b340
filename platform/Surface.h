#pragma once
// The one drawing interface of the core: an off-screen picture (layer, window front,
// printer page, SVG file, recording) drawn with the current pen, brush and font. Texts
// are UTF-8. Coordinates are pixels, y downward; drawing outside the surface is clipped.
// A new surface has a black solid pen of width 1, a white solid brush, black text on an
// opaque white background, left/top alignment, DrawMode::Copy and no clip.
#include "platform/DrawingTools.h"
#include "platform/Geometry.h"

#include <optional>
#include <span>
#include <string_view>

namespace korvane::platform {

class Surface {
public:
    virtual ~Surface() = default;

    virtual Size GetSize() const = 0;

    // Drawing state. Shapes are outlined with the pen and filled with the brush.
    virtual void SetPen(const Pen& pen) = 0;
    virtual void SetBrush(const Brush& brush) = 0;
    virtual void SetFont(const FontSpec& font) = 0;
    virtual void SetTextColour(Rgb colour) = 0;
    virtual void SetBackgroundColour(Rgb colour) = 0; // behind opaque text and dotted gaps
    virtual void SetBackgroundMode(BackgroundMode mode) = 0;
    virtual void SetTextAlign(int alignFlags) = 0; // TextAlign flags
    virtual void SetDrawMode(DrawMode mode) = 0;
    // Limits drawing to a rectangle; an empty optional removes the limit.
    virtual void SetClip(std::optional<Rect> clip) = 0;

    // A line includes both end points; a polyline sets each of its pixels once, so shared
    // corners survive the inverting draw modes.
    virtual void Line(Point from, Point to) = 0;
    virtual void Polyline(std::span<const Point> points) = 0;
    virtual void Polygon(std::span<const Point> points) = 0; // closed, filled with the brush
    virtual void Rectangle(const Rect& rect) = 0;            // pen outline, brush inside
    virtual void FillRect(const Rect& rect, Rgb colour) = 0; // no outline, ignores the pen
    virtual void Ellipse(const Rect& bounds) = 0;            // pen outline, brush inside
    // Arc of the ellipse in `bounds`, counter-clockwise from the ray towards `start` to
    // the ray towards `end`.
    virtual void Arc(const Rect& bounds, Point start, Point end) = 0;
    virtual void SetPixel(Point p, Rgb colour) = 0;
    // The pixel's colour; empty outside the surface or when the surface keeps no pixels.
    virtual std::optional<Rgb> GetPixel(Point p) const = 0;
    // Inverts every pixel of the rectangle (the same as Blit with BlitOp::InvertDest).
    virtual void InvertRect(const Rect& rect) = 0;

    virtual void TextOut(Point at, std::string_view text) = 0;
    virtual Size TextExtent(std::string_view text) const = 0; // with the current font
    virtual FontMetrics GetFontMetrics() const = 0;

    // Copies `from` of `source` to `to` on this surface with the raster operation.
    virtual void Blit(Point to, const Surface& source, const Rect& from, BlitOp op = BlitOp::Copy) = 0;

    // Convenience: the whole of `source` to the origin.
    void BlitAll(const Surface& source) { Blit({0, 0}, source, Rect::FromSize({0, 0}, source.GetSize())); }
};

} // namespace korvane::platform
