#pragma once
// The text back end of the drawing path: a Surface that takes the pixel primitives of the
// ordinary drawing routines, maps them back to world coordinates through the View they
// were drawn with, clips them to the window and hands them to a picture language (PiCTeX,
// TikZ) as world-coordinate primitives. The routines never know which back end they feed.
#include "graph/GraphStyle.h"
#include "graph/View.h"
#include "platform/Surface.h"

#include <string>
#include <vector>

namespace korvane {

struct WorldPoint {
    long double x = 0;
    long double y = 0;
};

// How a text sits on its reference point: 'l', 'r' or 0 across, 't', 'b', 'B' or 0 along.
struct TextAnchor {
    char across = 0;
    char along = 0;
};

class TextPictureSurface : public platform::Surface {
public:
    // `measure` sizes texts in pixels (the drawing routines place labels by it); null
    // guesses from the font height.
    TextPictureSurface(const View& view, const NumberFormat& format, platform::Rgb background,
                       platform::Surface* measure);

    // Ends what is open (a run of dots, a line style); then Text() is the whole picture.
    void Finish();
    const std::string& Text() const { return text_; }

    platform::Size GetSize() const override;
    void SetPen(const platform::Pen& pen) override { pen_ = pen; }
    void SetBrush(const platform::Brush& brush) override { brush_ = brush; }
    void SetFont(const platform::FontSpec& font) override;
    void SetTextColour(platform::Rgb colour) override { textColour_ = colour; }
    void SetBackgroundColour(platform::Rgb) override {}
    void SetBackgroundMode(platform::BackgroundMode) override {}
    void SetTextAlign(int alignFlags) override { align_ = alignFlags; }
    void SetDrawMode(platform::DrawMode mode) override { drawMode_ = mode; }
    void SetClip(std::optional<platform::Rect>) override {}

    void Line(platform::Point from, platform::Point to) override;
    void Polyline(std::span<const platform::Point> points) override;
    void Polygon(std::span<const platform::Point> points) override;
    void Rectangle(const platform::Rect& rect) override;
    void FillRect(const platform::Rect& rect, platform::Rgb colour) override;
    void Ellipse(const platform::Rect& bounds) override;
    void Arc(const platform::Rect& bounds, platform::Point start, platform::Point end) override;
    void SetPixel(platform::Point p, platform::Rgb colour) override;
    std::optional<platform::Rgb> GetPixel(platform::Point) const override { return std::nullopt; }
    void InvertRect(const platform::Rect&) override {}
    void TextOut(platform::Point at, std::string_view text) override;
    platform::Size TextExtent(std::string_view text) const override;
    platform::FontMetrics GetFontMetrics() const override;
    void Blit(platform::Point, const platform::Surface&, const platform::Rect&, platform::BlitOp) override {}

protected:
    // The picture language. Points are world coordinates inside the window.
    virtual void LineStyle(platform::PenStyle style) = 0;
    // An axis-parallel segment with both ends inside the window.
    virtual void Rule(WorldPoint a, WorldPoint b) = 0;
    virtual void Segment(WorldPoint a, WorldPoint b) = 0;
    virtual void Path(const std::vector<WorldPoint>& points, bool closed, bool filled) = 0;
    virtual void Dots(const std::vector<WorldPoint>& points) = 0;
    virtual void Label(const std::string& text, bool math, TextAnchor anchor, WorldPoint at) = 0;
    // A round point mark of `size` pixels across.
    virtual void Mark(WorldPoint at, int size, bool filled) = 0;
    // A square mark of half-side `half` world units (of x).
    virtual void Square(WorldPoint centre, long double half, bool filled) = 0;
    // Filled boxes of one colour and height, each from its upper-left to its lower-right
    // corner: the areas a raster picture fills (the dots of a stereogram, in rows).
    virtual void Bars(const std::vector<std::pair<WorldPoint, WorldPoint>>& boxes, platform::Rgb colour) = 0;

    void Write(const std::string& line); // one line, CR LF after it
    std::string Number(long double value) const;
    std::string Pair(WorldPoint p) const { return Number(p.x) + " " + Number(p.y); }

    const platform::Pen& CurrentPen() const { return pen_; }
    const platform::Brush& CurrentBrush() const { return brush_; }
    platform::Rgb TextColour() const { return textColour_; }
    const View& GetView() const { return view_; }

private:
    WorldPoint ToWorld(long double px, long double py) const;
    bool Inside(platform::Point p) const;
    // Clips a pixel segment to the window; false when nothing is left.
    bool Clip(long double& x0, long double& y0, long double& x1, long double& y1) const;
    bool Drawing();      // false for pens that draw nothing; writes a style change
    // Writes the open run of dots or of boxes.
    void FlushRuns();
    // A closed or open pixel outline, clipped to the window in runs.
    void Outline(const std::vector<platform::Point>& points, bool closed, bool filled);
    std::vector<platform::Point> EllipsePoints(const platform::Rect& bounds, double from, double sweep) const;
    // The label text in the picture language's terms; `math` says whether it is numeric.
    std::string LabelText(std::string_view text, bool& math) const;
    bool FillsEverything(const platform::Rect& rect) const;

    View view_;
    NumberFormat format_;
    platform::Rgb background_;
    platform::Surface* measure_;
    std::string text_;
    platform::Pen pen_;
    platform::Brush brush_;
    platform::FontSpec font_;
    platform::Rgb textColour_ = platform::kBlack;
    int align_ = platform::AlignLeft | platform::AlignTop;
    platform::DrawMode drawMode_ = platform::DrawMode::Copy;
    platform::PenStyle written_ = platform::PenStyle::Solid;
    std::vector<WorldPoint> dots_;
    std::vector<std::pair<WorldPoint, WorldPoint>> bars_;
    platform::Rgb barColour_{};
    int barHeight_ = 0;
};

// A label text as TeX: special characters escaped, accented letters as accents; `math`
// tells whether the text is a number (digits, signs, a decimal point, pi and fractions),
// which then comes without escapes and with pi as \pi.
std::string TeXText(std::string_view utf8, bool& math);

} // namespace korvane
