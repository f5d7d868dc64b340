#pragma once
// A Surface that keeps the list of what was drawn on it, with the drawing state of each
// primitive, for tests that check what a window drew rather than its pixels. It can sit
// on another surface (usually a RasterSurface), which then draws everything too, so
// reading pixels still works.
#include "platform/Surface.h"

#include <string>
#include <vector>

namespace korvane::platform {

struct Primitive {
    enum Kind { Line, Polyline, Polygon, Rectangle, FillRect, Ellipse, Arc, SetPixel, InvertRect, TextOut, Blit };
    Kind kind = Line;
    std::vector<Point> points; // Line: 2; Polyline, Polygon: all; Arc: start, end; SetPixel, TextOut, Blit: 1
    Rect rect;                 // Rectangle, FillRect, Ellipse, Arc, InvertRect; Blit: the source rectangle
    Rgb colour = kBlack;       // FillRect, SetPixel
    std::string text;          // TextOut
    BlitOp blitOp = BlitOp::Copy;
    // The state when it was drawn.
    Pen pen;
    Brush brush;
    FontSpec font;
    Rgb textColour = kBlack;
    Rgb backgroundColour = kWhite;
    BackgroundMode backgroundMode = BackgroundMode::Opaque;
    int align = AlignLeft | AlignTop;
    DrawMode drawMode = DrawMode::Copy;
};

// "Line (1,2)-(3,4) pen #ff0000 w1 Solid", for failure messages.
std::string Describe(const Primitive& p);

class RecordingSurface : public Surface {
public:
    explicit RecordingSurface(Size size); // keeps no pixels: GetPixel gives nothing
    explicit RecordingSurface(Surface& below);

    const std::vector<Primitive>& Primitives() const { return primitives_; }
    std::vector<Primitive> OfKind(Primitive::Kind kind) const;
    std::vector<std::string> Texts() const; // the TextOut texts in order
    void Clear() { primitives_.clear(); }

    Size GetSize() const override;
    void SetPen(const Pen& pen) override;
    void SetBrush(const Brush& brush) override;
    void SetFont(const FontSpec& font) override;
    void SetTextColour(Rgb colour) override;
    void SetBackgroundColour(Rgb colour) override;
    void SetBackgroundMode(BackgroundMode mode) override;
    void SetTextAlign(int alignFlags) override;
    void SetDrawMode(DrawMode mode) override;
    void SetClip(std::optional<Rect> clip) override;

    void Line(Point from, Point to) override;
    void Polyline(std::span<const Point> points) override;
    void Polygon(std::span<const Point> points) override;
    void Rectangle(const Rect& rect) override;
    void FillRect(const Rect& rect, Rgb colour) override;
    void Ellipse(const Rect& bounds) override;
    void Arc(const Rect& bounds, Point start, Point end) override;
    void SetPixel(Point p, Rgb colour) override;
    std::optional<Rgb> GetPixel(Point p) const override;
    void InvertRect(const Rect& rect) override;

    void TextOut(Point at, std::string_view text) override;
    Size TextExtent(std::string_view text) const override;
    FontMetrics GetFontMetrics() const override;

    void Blit(Point to, const Surface& source, const Rect& from, BlitOp op = BlitOp::Copy) override;

private:
    Primitive& Record(Primitive::Kind kind);

    Surface* below_ = nullptr;
    Size size_;
    std::vector<Primitive> primitives_;
    Primitive state_{}; // the current drawing state, copied into each record
    std::optional<Rect> clip_;
};

} // namespace korvane::platform
