#include "platform/memory/RasterSurface.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace korvane::platform {
namespace {

constexpr double kPi = 3.14159265358979323846;

// Dash patterns as alternating on/off run lengths, in pixels.
std::span<const int> DashPattern(PenStyle style) {
    static constexpr int dotted[] = {1, 1};
    static constexpr int dashed[] = {6, 3};
    static constexpr int dashDot[] = {6, 2, 1, 2};
    static constexpr int solid[] = {1, 0};
    switch (style) {
    case PenStyle::Dotted: return dotted;
    case PenStyle::Dashed: return dashed;
    case PenStyle::DashDot: return dashDot;
    default: return solid;
    }
}

int CodePointCount(std::string_view text) {
    int count = 0;
    for (char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++count;
    return count;
}

// Whether the centre of pixel (x, y) lies inside the ellipse of `r`, shrunk by `inset`.
bool InsideEllipse(const Rect& r, int x, int y, double inset) {
    const double a = r.Width() / 2.0 - inset;
    const double b = r.Height() / 2.0 - inset;
    if (a <= 0 || b <= 0)
        return false;
    const double dx = (x + 0.5 - (r.left + r.right) / 2.0) / a;
    const double dy = (y + 0.5 - (r.top + r.bottom) / 2.0) / b;
    return dx * dx + dy * dy <= 1.0;
}

// Screen angle of `p` around the centre of `r`, counter-clockwise as seen, in [0, 2pi).
double AngleOf(const Rect& r, double x, double y) {
    double a = std::atan2(-(y - (r.top + r.bottom) / 2.0), x - (r.left + r.right) / 2.0);
    return a < 0 ? a + 2 * kPi : a;
}

} // namespace

RasterSurface::RasterSurface(Size size, Rgb fill)
    : size_{std::max(0, size.width), std::max(0, size.height)},
      pixels_(std::size_t(size_.width) * std::size_t(size_.height), Pack(fill)),
      clip_(Rect::FromSize({0, 0}, size_)) {}

void RasterSurface::SetClip(std::optional<Rect> clip) {
    const Rect whole = Rect::FromSize({0, 0}, size_);
    clip_ = clip ? clip->Intersected(whole) : whole;
}

bool RasterSurface::Inside(int x, int y) const {
    return x >= clip_.left && x < clip_.right && y >= clip_.top && y < clip_.bottom;
}

void RasterSurface::Plot(int x, int y, std::uint32_t colour, DrawMode mode) {
    if (!Inside(x, y))
        return;
    std::uint32_t& p = pixels_[std::size_t(y) * std::size_t(size_.width) + std::size_t(x)];
    switch (mode) {
    case DrawMode::Copy: p = colour; break;
    case DrawMode::Xor: p ^= colour; break;
    case DrawMode::NotXor: p = ~(p ^ colour) & 0xFFFFFF; break;
    case DrawMode::Invert: p = ~p & 0xFFFFFF; break;
    }
}

bool RasterSurface::PatternOn() {
    const std::span<const int> pattern = DashPattern(pen_.style);
    int period = 0;
    for (int run : pattern)
        period += run;
    int step = patternStep_++ % period;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (step < pattern[i])
            return i % 2 == 0;
        step -= pattern[i];
    }
    return true;
}

// One position along a pen's path: the pen's square when the dash is on, the background
// (in opaque mode) when it is off.
void RasterSurface::PenDot(int x, int y, bool on) {
    if (pen_.style == PenStyle::None)
        return;
    if (!on && backgroundMode_ != BackgroundMode::Opaque)
        return;
    const std::uint32_t colour = Pack(on ? pen_.colour : backgroundColour_);
    const DrawMode mode = on ? drawMode_ : DrawMode::Copy;
    const int w = std::max(1, pen_.width);
    const int from = -(w - 1) / 2;
    for (int dy = from; dy < from + w; ++dy)
        for (int dx = from; dx < from + w; ++dx)
            Plot(x + dx, y + dy, colour, mode);
}

void RasterSurface::PenSegment(Point from, Point to, bool lastPoint) {
    // Most curves have a thin solid pen: every position is then one pixel of its colour,
    // with no dash step to count.
    const bool thinSolid = pen_.style == PenStyle::Solid && pen_.width <= 1;
    const std::uint32_t colour = Pack(pen_.colour);
    int x = from.x, y = from.y;
    const int dx = std::abs(to.x - x), sx = x < to.x ? 1 : -1;
    const int dy = -std::abs(to.y - y), sy = y < to.y ? 1 : -1;
    int error = dx + dy;
    while (true) {
        const bool atEnd = x == to.x && y == to.y;
        if (atEnd && !lastPoint)
            return;
        if (thinSolid)
            Plot(x, y, colour, drawMode_);
        else
            PenDot(x, y, PatternOn());
        if (atEnd)
            return;
        const int e2 = 2 * error;
        if (e2 >= dy) { error += dy; x += sx; }
        if (e2 <= dx) { error += dx; y += sy; }
    }
}

void RasterSurface::Line(Point from, Point to) {
    patternStep_ = 0;
    PenSegment(from, to, true);
}

void RasterSurface::Polyline(std::span<const Point> points) {
    patternStep_ = 0;
    if (points.size() == 1)
        PenSegment(points[0], points[0], true);
    for (std::size_t i = 1; i < points.size(); ++i) {
        const bool last = i + 1 == points.size();
        // A closed outline must not set its first pixel twice.
        const bool closes = last && points.size() > 2 && points[i] == points[0];
        PenSegment(points[i - 1], points[i], last && !closes);
    }
}

bool RasterSurface::BrushPixel(int x, int y, std::uint32_t& colour) const {
    bool on = true;
    switch (brush_.style) {
    case BrushStyle::Hollow: return false;
    case BrushStyle::Solid: break;
    case BrushStyle::HatchHorizontal: on = y % 8 == 0; break;
    case BrushStyle::HatchVertical: on = x % 8 == 0; break;
    case BrushStyle::HatchCross: on = x % 8 == 0 || y % 8 == 0; break;
    case BrushStyle::HatchDiagonal: on = (x + y) % 8 == 0; break;
    }
    if (!on && backgroundMode_ != BackgroundMode::Opaque)
        return false;
    colour = Pack(on ? brush_.colour : backgroundColour_);
    return true;
}

void RasterSurface::FillSpan(int y, int x0, int x1) {
    for (int x = x0; x < x1; ++x) {
        std::uint32_t colour;
        if (BrushPixel(x, y, colour))
            Plot(x, y, colour, drawMode_);
    }
}

void RasterSurface::Polygon(std::span<const Point> points) {
    if (points.empty())
        return;
    if (brush_.style != BrushStyle::Hollow && points.size() >= 3) {
        int top = points[0].y, bottom = points[0].y;
        for (const Point& p : points) {
            top = std::min(top, p.y);
            bottom = std::max(bottom, p.y);
        }
        top = std::max(top, clip_.top);
        bottom = std::min(bottom, clip_.bottom - 1);
        // Even-odd rule at pixel centres.
        std::vector<double> crossings;
        for (int y = top; y <= bottom; ++y) {
            crossings.clear();
            const double cy = y + 0.5;
            for (std::size_t i = 0; i < points.size(); ++i) {
                const Point a = points[i], b = points[(i + 1) % points.size()];
                if ((a.y + 0.5 <= cy) != (b.y + 0.5 <= cy))
                    crossings.push_back(a.x + (cy - a.y - 0.5) * (b.x - a.x) / double(b.y - a.y));
            }
            std::sort(crossings.begin(), crossings.end());
            for (std::size_t i = 0; i + 1 < crossings.size(); i += 2)
                FillSpan(y, int(std::ceil(crossings[i] - 0.5)), int(std::ceil(crossings[i + 1] - 0.5)));
        }
    }
    std::vector<Point> closed(points.begin(), points.end());
    closed.push_back(points[0]);
    Polyline(closed);
}

void RasterSurface::Rectangle(const Rect& rect) {
    if (rect.Empty())
        return;
    for (int y = rect.top + 1; y < rect.bottom - 1; ++y)
        FillSpan(y, rect.left + 1, rect.right - 1);
    const Point corners[] = {{rect.left, rect.top}, {rect.right - 1, rect.top}, {rect.right - 1, rect.bottom - 1},
                             {rect.left, rect.bottom - 1}, {rect.left, rect.top}};
    if (rect.Width() == 1 || rect.Height() == 1)
        Line(corners[0], corners[2]);
    else
        Polyline(corners);
}

void RasterSurface::FillRect(const Rect& rect, Rgb colour) {
    const Rect r = rect.Intersected(clip_);
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            Plot(x, y, Pack(colour), DrawMode::Copy);
}

void RasterSurface::PenOutline(const std::vector<Point>& pixels) {
    patternStep_ = 0;
    for (const Point& p : pixels)
        PenDot(p.x, p.y, PatternOn());
}

void RasterSurface::Ellipse(const Rect& bounds) {
    if (bounds.Empty())
        return;
    const double width = std::max(1, pen_.width);
    std::vector<Point> outline;
    for (int y = bounds.top; y < bounds.bottom; ++y) {
        for (int x = bounds.left; x < bounds.right; ++x) {
            if (!InsideEllipse(bounds, x, y, 0))
                continue;
            // The outline is the ring of pixels with a neighbour outside; the rest is fill.
            const bool edge = !InsideEllipse(bounds, x - 1, y, 0) || !InsideEllipse(bounds, x + 1, y, 0) ||
                              !InsideEllipse(bounds, x, y - 1, 0) || !InsideEllipse(bounds, x, y + 1, 0) ||
                              !InsideEllipse(bounds, x, y, width - 1);
            if (edge) {
                outline.push_back({x, y});
            } else {
                std::uint32_t colour;
                if (BrushPixel(x, y, colour))
                    Plot(x, y, colour, drawMode_);
            }
        }
    }
    // The outline is drawn one pixel at a time, so a wide pen is already in the ring.
    const int savedWidth = pen_.width;
    pen_.width = 1;
    PenOutline(outline);
    pen_.width = savedWidth;
}

void RasterSurface::Arc(const Rect& bounds, Point start, Point end) {
    if (bounds.Empty())
        return;
    const double from = AngleOf(bounds, start.x, start.y);
    double sweep = AngleOf(bounds, end.x, end.y) - from;
    if (sweep <= 0)
        sweep += 2 * kPi;
    std::vector<Point> outline;
    for (int y = bounds.top; y < bounds.bottom; ++y)
        for (int x = bounds.left; x < bounds.right; ++x) {
            if (!InsideEllipse(bounds, x, y, 0))
                continue;
            const bool edge = !InsideEllipse(bounds, x - 1, y, 0) || !InsideEllipse(bounds, x + 1, y, 0) ||
                              !InsideEllipse(bounds, x, y - 1, 0) || !InsideEllipse(bounds, x, y + 1, 0);
            if (!edge)
                continue;
            double offset = AngleOf(bounds, x + 0.5, y + 0.5) - from;
            if (offset < 0)
                offset += 2 * kPi;
            if (offset <= sweep)
                outline.push_back({x, y});
        }
    PenOutline(outline);
}

void RasterSurface::SetPixel(Point p, Rgb colour) {
    Plot(p.x, p.y, Pack(colour), DrawMode::Copy);
}

std::optional<Rgb> RasterSurface::GetPixel(Point p) const {
    if (p.x < 0 || p.y < 0 || p.x >= size_.width || p.y >= size_.height)
        return std::nullopt;
    return Unpack(pixels_[std::size_t(p.y) * std::size_t(size_.width) + std::size_t(p.x)]);
}

void RasterSurface::InvertRect(const Rect& rect) {
    const Rect r = rect.Intersected(clip_);
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            Plot(x, y, 0, DrawMode::Invert);
}

FontMetrics RasterSurface::GetFontMetrics() const {
    return FixedPitchMetrics(font_);
}

FontMetrics RasterSurface::FixedPitchMetrics(const FontSpec& font) {
    FontMetrics m;
    m.height = std::max(1, std::abs(font.height));
    m.ascent = (m.height * 4 + 2) / 5;
    m.descent = m.height - m.ascent;
    m.averageWidth = std::max(1, (m.height + 1) / 2);
    return m;
}

Size RasterSurface::TextExtent(std::string_view text) const {
    const FontMetrics m = GetFontMetrics();
    return {CodePointCount(text) * m.averageWidth, m.height};
}

Rect RasterSurface::TextBox(Point at, std::string_view text) const {
    const FontMetrics m = GetFontMetrics();
    const Size extent = TextExtent(text);
    int x = at.x, y = at.y;
    if (align_ & AlignRight)
        x -= extent.width;
    else if (align_ & AlignCenter)
        x -= extent.width / 2;
    if (align_ & AlignBottom)
        y -= extent.height;
    else if (align_ & AlignBaseline)
        y -= m.ascent;
    return Rect::FromSize({x, y}, extent);
}

void RasterSurface::TextOut(Point at, std::string_view text) {
    const FontMetrics m = GetFontMetrics();
    const Rect box = TextBox(at, text);
    if (backgroundMode_ == BackgroundMode::Opaque)
        FillRect(box, backgroundColour_);
    int cell = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if ((c & 0xC0) == 0x80)
            continue;
        const int left = box.left + cell * m.averageWidth;
        ++cell;
        if (c == ' ')
            continue;
        // The glyph block leaves a one-pixel gap so that neighbouring letters stay apart.
        for (int y = box.top + 1; y < box.top + m.ascent; ++y)
            for (int x = left; x < left + std::max(1, m.averageWidth - 1); ++x)
                Plot(x, y, Pack(textColour_), drawMode_);
    }
}

void RasterSurface::Blit(Point to, const Surface& source, const Rect& from, BlitOp op) {
    if (op == BlitOp::InvertDest) {
        InvertRect(Rect::FromSize(to, {from.Width(), from.Height()}));
        return;
    }
    const int w = std::max(0, from.Width()), h = std::max(0, from.Height());
    // A plain copy from another raster, row by row: what every repaint and every frame of
    // an animation does.
    if (const auto* other = dynamic_cast<const RasterSurface*>(&source); other && other != this && op == BlitOp::Copy) {
        for (int y = 0; y < h; ++y) {
            const int sy = from.top + y, ty = to.y + y;
            if (sy < 0 || sy >= other->size_.height || ty < clip_.top || ty >= clip_.bottom)
                continue;
            const int x0 = std::max({0, -from.left, clip_.left - to.x});
            const int x1 = std::min({w, other->size_.width - from.left, clip_.right - to.x});
            if (x1 > x0)
                std::copy_n(other->pixels_.begin() + (std::ptrdiff_t(sy) * other->size_.width + from.left + x0), x1 - x0,
                            pixels_.begin() + (std::ptrdiff_t(ty) * size_.width + to.x + x0));
        }
        return;
    }
    // Read the source first: it may be this surface, overlapping the destination.
    std::vector<std::optional<Rgb>> copy(std::size_t(w) * std::size_t(h));
    const auto* raster = dynamic_cast<const RasterSurface*>(&source);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const Point p{from.left + x, from.top + y};
            std::optional<Rgb>& slot = copy[std::size_t(y) * std::size_t(w) + std::size_t(x)];
            if (!raster)
                slot = source.GetPixel(p);
            else if (p.x >= 0 && p.y >= 0 && p.x < raster->size_.width && p.y < raster->size_.height)
                slot = Unpack(raster->pixels_[std::size_t(p.y) * std::size_t(raster->size_.width) + std::size_t(p.x)]);
        }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const std::optional<Rgb> s = copy[std::size_t(y) * std::size_t(w) + std::size_t(x)];
            const int tx = to.x + x, ty = to.y + y;
            if (!s || !Inside(tx, ty))
                continue;
            std::uint32_t& d = pixels_[std::size_t(ty) * std::size_t(size_.width) + std::size_t(tx)];
            const std::uint32_t v = Pack(*s);
            switch (op) {
            case BlitOp::Copy: d = v; break;
            case BlitOp::Xor: d ^= v; break;
            case BlitOp::And: d &= v; break;
            case BlitOp::Or: d |= v; break;
            case BlitOp::InvertDest: break;
            }
        }
}

void RasterSurface::Fill(Rgb colour) {
    std::fill(pixels_.begin(), pixels_.end(), Pack(colour));
}

int RasterSurface::CountPixels(Rgb colour) const {
    return CountPixels(colour, Rect::FromSize({0, 0}, size_));
}

int RasterSurface::CountPixels(Rgb colour, const Rect& area) const {
    const Rect r = area.Intersected(Rect::FromSize({0, 0}, size_));
    int count = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            count += pixels_[std::size_t(y) * std::size_t(size_.width) + std::size_t(x)] == Pack(colour);
    return count;
}

} // namespace korvane::platform
