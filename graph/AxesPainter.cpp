#include "graph/AxesPainter.h"

#include "graph/View.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace korvane {

using platform::Point;

namespace {

constexpr long double kNearZero = 1e-13L;
constexpr long double kTwoPi = 6.283185307179586476925286766559005768L;
constexpr long kMaxGridCircles = 2000;
constexpr int kLabelGap = 4; // pixels between two labels of an axis

} // namespace

void AxesPainter::Draw() {
    if (!settings_.axesShown && !settings_.dots && settings_.gridBits == 0)
        return;
    const bool opaque = settings_.textBackground == TextOpaque && !style_.transparentTexts;
    surface_.SetBackgroundMode(opaque ? platform::BackgroundMode::Opaque : platform::BackgroundMode::Transparent);
    surface_.SetBackgroundColour(style_.background);
    ticks_ = LayOutTicks(settings_, view_);
    if (settings_.gridBits & GridRectangular)
        DrawRectangularGrid();
    if (settings_.gridBits & GridPolar)
        DrawPolarGrid();
    if (settings_.dots)
        DrawDots();
    DrawXAxis();
    DrawYAxis();
    DrawAxisNames();
}

void AxesPainter::Line(long double x0, long double y0, long double x1, long double y1) {
    if (!view_.ClipSegment(x0, y0, x1, y1))
        return;
    surface_.Line({view_.ToPixelXInt(x0), view_.ToPixelYInt(y0)}, {view_.ToPixelXInt(x1), view_.ToPixelYInt(y1)});
}

bool AxesPainter::QuadrantOn(int quadrant) const { return (settings_.gridBits & (1 << (quadrant - 1))) != 0; }

// A vertical grid line covers the quadrants on its side of the y axis.
void AxesPainter::GridLineX(long double x) {
    const bool right = x >= -kNearZero, left = x <= kNearZero;
    const bool upper = (right && QuadrantOn(1)) || (left && QuadrantOn(2));
    const bool lower = (right && QuadrantOn(4)) || (left && QuadrantOn(3));
    if (upper && lower)
        Line(x, view_.ymin, x, view_.ymax);
    else if (upper && view_.ymax > 0)
        Line(x, std::max(view_.ymin, 0.0L), x, view_.ymax);
    else if (lower && view_.ymin < 0)
        Line(x, view_.ymin, x, std::min(view_.ymax, 0.0L));
}

void AxesPainter::GridLineY(long double y) {
    const bool upper = y >= -kNearZero, lower = y <= kNearZero;
    const bool right = (upper && QuadrantOn(1)) || (lower && QuadrantOn(4));
    const bool left = (upper && QuadrantOn(2)) || (lower && QuadrantOn(3));
    if (right && left)
        Line(view_.xmin, y, view_.xmax, y);
    else if (right && view_.xmax > 0)
        Line(std::max(view_.xmin, 0.0L), y, view_.xmax, y);
    else if (left && view_.xmin < 0)
        Line(view_.xmin, y, std::min(view_.xmax, 0.0L), y);
}

void AxesPainter::DrawRectangularGrid() {
    if (!ticks_.countable)
        return;
    surface_.SetPen(style_.gridPen);
    for (std::int64_t k = ticks_.x.first; k <= ticks_.x.last; ++k)
        GridLineX(settings_.originX + k * settings_.tickX);
    for (std::int64_t k = ticks_.y.first; k <= ticks_.y.last; ++k)
        GridLineY(settings_.originY + k * settings_.tickY);
}

void AxesPainter::PolarRays() {
    const long double reach = std::hypot(std::max(std::fabs(view_.xmin), std::fabs(view_.xmax)),
                                         std::max(std::fabs(view_.ymin), std::fabs(view_.ymax)));
    const int sectors = std::clamp(settings_.polarSectors, 4, 100);
    for (int j = 0; j < sectors; ++j) {
        const long double angle = kTwoPi * j / sectors;
        const int quadrant = 1 + static_cast<int>(std::floor(angle / (kTwoPi / 4))) % 4;
        if (!QuadrantOn(quadrant))
            continue;
        Line(0, 0, reach * std::cos(angle), reach * std::sin(angle));
    }
}

void AxesPainter::PolarCircles() {
    const long double step = settings_.tickX;
    if (!(step > 0))
        return;
    const long double nearX = std::clamp(0.0L, view_.xmin, view_.xmax);
    const long double nearY = std::clamp(0.0L, view_.ymin, view_.ymax);
    const long double nearest = std::hypot(nearX, nearY);
    const long double farthest = std::hypot(std::max(std::fabs(view_.xmin), std::fabs(view_.xmax)),
                                            std::max(std::fabs(view_.ymin), std::fabs(view_.ymax)));
    const long double firstK = std::max(1.0L, std::ceil(nearest / step));
    const long double lastK = std::floor(farthest / step);
    if (lastK - firstK > kMaxGridCircles)
        return;
    const Point centre{view_.ToPixelXInt(0), view_.ToPixelYInt(0)};
    surface_.SetBrush({platform::kWhite, platform::BrushStyle::Hollow});
    for (long double k = firstK; k <= lastK; ++k) {
        const long double rx = k * step * view_.pixX, ry = k * step * view_.pixY;
        if (rx > 1e6L || ry > 1e6L)
            break;
        const int px = RoundToInt(rx), py = RoundToInt(ry);
        const platform::Rect box{centre.x - px, centre.y - py, centre.x + px, centre.y + py};
        // Quadrant arcs run counter-clockwise from one axis to the next.
        const Point ends[5] = {{centre.x + px, centre.y}, {centre.x, centre.y - py}, {centre.x - px, centre.y},
                               {centre.x, centre.y + py}, {centre.x + px, centre.y}};
        if ((settings_.gridBits & GridQuadrants) == GridQuadrants)
            surface_.Ellipse(box);
        else
            for (int q = 1; q <= 4; ++q)
                if (QuadrantOn(q))
                    surface_.Arc(box, ends[q - 1], ends[q]);
    }
}

void AxesPainter::DrawPolarGrid() {
    // Sectors need the origin of the pixel mapping to be representable.
    if (std::fabs(view_.ToPixelX(0)) > 1e8L || std::fabs(view_.ToPixelY(0)) > 1e8L)
        return;
    surface_.SetPen(style_.gridPen);
    PolarRays();
    PolarCircles();
}

void AxesPainter::DrawDots() {
    if (!ticks_.countable)
        return;
    for (std::int64_t i = ticks_.x.first; i <= ticks_.x.last; ++i) {
        const long double x = settings_.originX + i * settings_.tickX;
        for (std::int64_t j = ticks_.y.first; j <= ticks_.y.last; ++j) {
            PixelPoint p;
            if (view_.ToPixelPoint(x, settings_.originY + j * settings_.tickY, p))
                surface_.SetPixel({p.x, p.y}, style_.gridPen.colour);
        }
    }
}

bool AxesPainter::XAxisVisible() const {
    return settings_.axesShown && view_.ymin <= 0 && view_.ymax >= 0 && settings_.XAxisKind();
}

bool AxesPainter::YAxisVisible() const {
    return settings_.axesShown && view_.xmin <= 0 && view_.xmax >= 0 && settings_.YAxisKind();
}

void AxesPainter::ArrowHead(Point tip, int dx, int dy) {
    // dx, dy: the unit direction of the axis in pixels.
    const int length = settings_.arrowLen;
    const int half = std::max(1, length * 2 / 5);
    const Point back{tip.x - dx * length, tip.y - dy * length};
    const Point a{back.x + dy * half, back.y + dx * half};
    const Point b{back.x - dy * half, back.y - dx * half};
    if (settings_.solidArrows) {
        surface_.SetBrush({style_.axesPen.colour, platform::BrushStyle::Solid});
        const Point triangle[3] = {tip, a, b};
        surface_.Polygon(triangle);
    } else {
        surface_.Line(tip, a);
        surface_.Line(tip, b);
    }
}

void AxesPainter::Label(const std::string& text, Point at, int align) {
    surface_.SetFont(style_.labelFont);
    // A label the window's edge would cut in half is left out.
    const platform::Size extent = surface_.TextExtent(text);
    const int left = (align & platform::AlignRight)    ? at.x - extent.width
                     : (align & platform::AlignCenter) ? at.x - extent.width / 2
                                                       : at.x;
    if (left < view_.offsetX || left + extent.width > view_.offsetX + view_.clientW)
        return;
    if ((align & platform::AlignBottom) == 0 && at.y + extent.height / 2 > view_.offsetY + view_.clientH)
        return;
    if (at.y < view_.offsetY)
        return;
    surface_.SetTextColour(style_.textColour);
    surface_.SetTextAlign(align);
    surface_.TextOut(at, text);
}

std::int64_t AxesPainter::LabelStride(bool xAxis, const TickRange& range, const LabelStyle& style) {
    const int freq = xAxis ? settings_.freqX : settings_.freqY;
    const long double tick = xAxis ? settings_.tickX : settings_.tickY;
    const long double origin = xAxis ? settings_.originX : settings_.originY;
    const long double spacing = std::fabs(freq * tick * (xAxis ? view_.pixX : view_.pixY));
    surface_.SetFont(style_.labelFont);
    int room = 0;
    for (std::int64_t k = range.first; k <= range.last; ++k)
        if (k % freq == 0) {
            const platform::Size extent = surface_.TextExtent(TickLabel(origin + k * tick, style));
            room = std::max(room, xAxis ? extent.width : extent.height);
        }
    room += kLabelGap;
    // Only every m-th label is written, m the first of 1, 2, 5, 10, 20, ... that leaves room.
    for (std::int64_t decade = 1;; decade *= 10)
        for (const std::int64_t m : {decade, 2 * decade, 5 * decade})
            if (m * spacing >= room || m > range.last - range.first)
                return freq * m;
}

void AxesPainter::DrawXAxis() {
    const bool visible = XAxisVisible();
    const bool onFrame = (settings_.scaleBits & ScaleOnFrame) != 0;
    if (!visible && !(onFrame && (settings_.scaleBits & ScaleLabelsX)))
        return;
    surface_.SetPen(style_.axesPen);
    const bool startAtOrigin = settings_.axesKind == AxesPolar || (settings_.gridBits & 31) == 17;
    long double from = view_.xmin + 0.002L * view_.rx;
    const long double to = view_.xmax - 0.002L * view_.rx;
    if (startAtOrigin && from < 0)
        from = 0;
    const int py = view_.ToPixelYInt(0);
    if (visible) {
        surface_.Line({view_.ToPixelXInt(from), py}, {view_.ToPixelXInt(to), py});
        if (settings_.arrows)
            ArrowHead({view_.ToPixelXInt(to), py}, 1, 0);
    }
    if (!ticks_.countable)
        return;
    std::int64_t first = ticks_.x.first;
    if (first < 0 && (settings_.gridBits & 31) == 17)
        first = 0;
    if (first < 0 && settings_.axesKind == AxesPolar)
        first = 1;
    const int half = settings_.tickLen / 2;
    const LabelStyle style{settings_.decimalsX, settings_.piX, settings_.piChar, settings_.minusCustom,
                           settings_.minusChar};
    const bool yShown = YAxisVisible();
    const std::int64_t stride = LabelStride(true, ticks_.x, style);
    for (std::int64_t k = first; k <= ticks_.x.last; ++k) {
        const long double x = settings_.originX + k * settings_.tickX;
        const int px = view_.ToPixelXInt(x);
        const bool atZero = std::fabs(x) <= kNearZero;
        if (visible && settings_.ticks && (!atZero || settings_.axesKind == AxesXOnly || settings_.axesKind == AxesBoth))
            surface_.Line({px, py - half}, {px, py + half});
        const bool labelled = (settings_.scaleBits & ScaleLabelsX) && k % stride == 0 && (!atZero || !yShown);
        if (!labelled)
            continue;
        if (onFrame)
            Label(TickLabel(x, style), {px, view_.offsetY + view_.clientH - 2}, platform::AlignCenter | platform::AlignBottom);
        else
            Label(TickLabel(x, style), {px, py + half + 1}, platform::AlignCenter | platform::AlignTop);
    }
}

void AxesPainter::DrawYAxis() {
    const bool visible = YAxisVisible();
    const bool onFrame = (settings_.scaleBits & ScaleOnFrame) != 0;
    if (!visible && !(onFrame && (settings_.scaleBits & ScaleLabelsY)))
        return;
    surface_.SetPen(style_.axesPen);
    const bool startAtOrigin = (settings_.gridBits & 31) == 17;
    long double from = view_.ymin + 0.002L * view_.ry;
    const long double to = view_.ymax - 0.002L * view_.ry;
    if (startAtOrigin && from < 0)
        from = 0;
    const int px = view_.ToPixelXInt(0);
    if (visible) {
        surface_.Line({px, view_.ToPixelYInt(from)}, {px, view_.ToPixelYInt(to)});
        if (settings_.arrows)
            ArrowHead({px, view_.ToPixelYInt(to)}, 0, -1);
    }
    if (!ticks_.countable)
        return;
    std::int64_t first = ticks_.y.first;
    if (first < 0 && startAtOrigin)
        first = 0;
    const int half = settings_.tickLen / 2;
    const LabelStyle style{settings_.decimalsY, settings_.piY, settings_.piChar, settings_.minusCustom,
                           settings_.minusChar};
    const bool xShown = XAxisVisible();
    surface_.SetFont(style_.labelFont);
    const int textMiddle = surface_.GetFontMetrics().height / 2;
    const std::int64_t stride = LabelStride(false, ticks_.y, style);
    for (std::int64_t k = first; k <= ticks_.y.last; ++k) {
        const long double y = settings_.originY + k * settings_.tickY;
        const int py = view_.ToPixelYInt(y);
        const bool atZero = std::fabs(y) <= kNearZero;
        if (visible && settings_.ticks && (!atZero || settings_.axesKind == AxesYOnly || settings_.axesKind == AxesBoth))
            surface_.Line({px - half, py}, {px + half, py});
        const bool labelled = (settings_.scaleBits & ScaleLabelsY) && k % stride == 0 && (!atZero || !xShown);
        if (!labelled)
            continue;
        if (onFrame)
            Label(TickLabel(y, style), {view_.offsetX + 2, py - textMiddle}, platform::AlignLeft | platform::AlignTop);
        else
            Label(TickLabel(y, style), {px - half - 2, py - textMiddle}, platform::AlignRight | platform::AlignTop);
    }
}

void AxesPainter::DrawAxisNames() {
    if (!settings_.labels)
        return;
    const int half = settings_.tickLen / 2;
    if (XAxisVisible()) {
        const int py = view_.ToPixelYInt(0);
        const int right = view_.ToPixelXInt(view_.xmax - 0.002L * view_.rx);
        Label(settings_.axisNames[0], {right - 2, py - half - 2}, platform::AlignRight | platform::AlignBottom);
    }
    if (YAxisVisible()) {
        const int px = view_.ToPixelXInt(0);
        const int top = view_.ToPixelYInt(view_.ymax - 0.002L * view_.ry);
        Label(settings_.axisNames[1], {px + half + 4, top + 2}, platform::AlignLeft | platform::AlignTop);
    }
}

} // namespace korvane
