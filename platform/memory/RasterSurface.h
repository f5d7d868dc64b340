#pragma once
// A Surface in plain C++: an RGB pixel buffer with lines, shapes, pixels, block copies and
// the raster modes. Text is drawn without glyphs, in a fixed-pitch metric: every
// character is a cell of FontMetrics::averageWidth, its glyph a filled block, so tests
// can see where text went and in which colour.
#include "platform/Surface.h"

#include <cstdint>
#include <vector>

namespace korvane::platform {

class RasterSurface : public Surface {
public:
    explicit RasterSurface(Size size, Rgb fill = kWhite);

    Size GetSize() const override { return size_; }

    void SetPen(const Pen& pen) override { pen_ = pen; }
    void SetBrush(const Brush& brush) override { brush_ = brush; }
    void SetFont(const FontSpec& font) override { font_ = font; }
    void SetTextColour(Rgb colour) override { textColour_ = colour; }
    void SetBackgroundColour(Rgb colour) override { backgroundColour_ = colour; }
    void SetBackgroundMode(BackgroundMode mode) override { backgroundMode_ = mode; }
    void SetTextAlign(int alignFlags) override { align_ = alignFlags; }
    void SetDrawMode(DrawMode mode) override { drawMode_ = mode; }
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

    // The fixed-pitch metric of `font`, shared with surfaces that keep no glyphs.
    static FontMetrics FixedPitchMetrics(const FontSpec& font);

    // Test helpers.
    void Fill(Rgb colour);
    int CountPixels(Rgb colour) const;
    int CountPixels(Rgb colour, const Rect& area) const;
    // The text box TextOut would draw at `at` with the current font and alignment.
    Rect TextBox(Point at, std::string_view text) const;

private:
    static std::uint32_t Pack(Rgb c) { return (std::uint32_t(c.r) << 16) | (std::uint32_t(c.g) << 8) | c.b; }
    static Rgb Unpack(std::uint32_t v) { return {std::uint8_t(v >> 16), std::uint8_t(v >> 8), std::uint8_t(v)}; }
    bool Inside(int x, int y) const;
    void Plot(int x, int y, std::uint32_t colour, DrawMode mode);
    void PenDot(int x, int y, bool on);
    void PenSegment(Point from, Point to, bool lastPoint);
    void PenOutline(const std::vector<Point>& pixels);
    bool PatternOn();
    void FillSpan(int y, int x0, int x1);
    bool BrushPixel(int x, int y, std::uint32_t& colour) const;

    Size size_;
    std::vector<std::uint32_t> pixels_;
    Rect clip_;
    Pen pen_;
    Brush brush_;
    FontSpec font_;
    Rgb textColour_ = kBlack;
    Rgb backgroundColour_ = kWhite;
    BackgroundMode backgroundMode_ = BackgroundMode::Opaque;
    int align_ = AlignLeft | AlignTop;
    DrawMode drawMode_ = DrawMode::Copy;
    int patternStep_ = 0; // position in the pen's dash pattern, carried along a polyline
};

} // namespace korvane::platform
