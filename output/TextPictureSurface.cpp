#include "output/TextPictureSurface.h"

#include "graph/NumberText.h"
#include "platform/SymbolCharset.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace korvane {

using platform::Point;

namespace {

// Ellipses up to this size in pixels are point marks, larger ones are curves.
constexpr int kMarkLimit = 16;
// Rectangles up to this size are square marks.
constexpr int kSquareLimit = 20;

} // namespace

TextPictureSurface::TextPictureSurface(const View& view, const NumberFormat& format, platform::Rgb background,
                                       platform::Surface* measure)
    : view_(view), format_(format), background_(background), measure_(measure) {
    if (measure_)
        measure_->SetFont(font_);
}

platform::Size TextPictureSurface::GetSize() const {
    return {view_.offsetX + view_.clientW, view_.offsetY + view_.clientH};
}

void TextPictureSurface::SetFont(const platform::FontSpec& font) {
    font_ = font;
    if (measure_)
        measure_->SetFont(font);
}

void TextPictureSurface::Write(const std::string& line) {
    text_ += line;
    text_ += "\r\n";
}

std::string TextPictureSurface::Number(long double value) const {
    // A pixel mapped back lands a rounding error away from round values: no "-0.00000".
    if (std::fabs(value) < 0.5L * std::pow(10.0L, -static_cast<long double>(format_.decimals)))
        value = 0;
    return FormatFixed(value, format_.fieldWidth, format_.decimals);
}

WorldPoint TextPictureSurface::ToWorld(long double px, long double py) const {
    return {view_.xmin + view_.unitX * (px - view_.offsetX), view_.ymax - view_.unitY * (py - view_.offsetY)};
}

bool TextPictureSurface::Inside(Point p) const {
    const int x = p.x - view_.offsetX, y = p.y - view_.offsetY;
    return x >= 0 && x <= view_.clientW && y >= 0 && y <= view_.clientH;
}

bool TextPictureSurface::Clip(long double& x0, long double& y0, long double& x1, long double& y1) const {
    return ClipToBox(x0, y0, x1, y1, view_.offsetX, view_.offsetX + view_.clientW, view_.offsetY,
                     view_.offsetY + view_.clientH);
}

bool TextPictureSurface::Drawing() {
    FlushRuns();
    if (pen_.style == platform::PenStyle::None || drawMode_ != platform::DrawMode::Copy)
        return false;
    if (pen_.style != written_) {
        written_ = pen_.style;
        LineStyle(written_);
    }
    return true;
}

void TextPictureSurface::FlushRuns() {
    if (!dots_.empty())
        Dots(dots_);
    dots_.clear();
    if (!bars_.empty())
        Bars(bars_, barColour_);
    bars_.clear();
}

void TextPictureSurface::Finish() {
    FlushRuns();
    if (written_ != platform::PenStyle::Solid) {
        written_ = platform::PenStyle::Solid;
        LineStyle(written_);
    }
}

void TextPictureSurface::Line(Point from, Point to) {
    if (!Drawing())
        return;
    if (from.x == to.x || from.y == to.y) {
        // Axis-parallel segments reaching beyond the window are left out, not cut.
        if (Inside(from) && Inside(to))
            Rule(ToWorld(from.x, from.y), ToWorld(to.x, to.y));
        return;
    }
    long double x0 = from.x, y0 = from.y, x1 = to.x, y1 = to.y;
    if (Clip(x0, y0, x1, y1))
        Segment(ToWorld(x0, y0), ToWorld(x1, y1));
}

void TextPictureSurface::Outline(const std::vector<Point>& points, bool closed, bool filled) {
    if (points.size() < 2 || !Drawing())
        return;
    const bool allInside = std::all_of(points.begin(), points.end(), [this](Point p) { return Inside(p); });
    if (allInside) {
        std::vector<WorldPoint> world;
        world.reserve(points.size() + 1);
        for (Point p : points)
            world.push_back(ToWorld(p.x, p.y));
        Path(world, closed, filled);
        return;
    }
    // Cut into the runs that stay inside.
    std::vector<Point> ring(points.begin(), points.end());
    if (closed)
        ring.push_back(points.front());
    std::vector<WorldPoint> run;
    for (std::size_t i = 0; i + 1 < ring.size(); ++i) {
        long double x0 = ring[i].x, y0 = ring[i].y, x1 = ring[i + 1].x, y1 = ring[i + 1].y;
        const bool startCut = !Inside(ring[i]);
        if (!Clip(x0, y0, x1, y1)) {
            if (run.size() >= 2)
                Path(run, false, false);
            run.clear();
            continue;
        }
        if (startCut || run.empty()) {
            if (run.size() >= 2)
                Path(run, false, false);
            run.assign(1, ToWorld(x0, y0));
        }
        run.push_back(ToWorld(x1, y1));
        if (!Inside(ring[i + 1])) {
            Path(run, false, false);
            run.clear();
        }
    }
    if (run.size() >= 2)
        Path(run, false, false);
}

void TextPictureSurface::Polyline(std::span<const Point> points) {
    Outline(std::vector<Point>(points.begin(), points.end()), false, false);
}

void TextPictureSurface::Polygon(std::span<const Point> points) {
    const bool filled = brush_.style == platform::BrushStyle::Solid;
    Outline(std::vector<Point>(points.begin(), points.end()), true, filled);
}

void TextPictureSurface::Rectangle(const platform::Rect& r) {
    const bool filled = brush_.style == platform::BrushStyle::Solid && !(brush_.colour == background_);
    if (r.Width() <= kSquareLimit && r.Height() <= kSquareLimit) {
        if (!Drawing() || !Inside({(r.left + r.right) / 2, (r.top + r.bottom) / 2}))
            return;
        const WorldPoint centre = ToWorld((r.left + r.right - 1) / 2.0L, (r.top + r.bottom - 1) / 2.0L);
        Square(centre, view_.unitX * (r.Width() - 1) / 2, filled);
        return;
    }
    Outline({{r.left, r.top}, {r.right - 1, r.top}, {r.right - 1, r.bottom - 1}, {r.left, r.bottom - 1}}, true,
            filled);
}

bool TextPictureSurface::FillsEverything(const platform::Rect& r) const {
    return r.left <= view_.offsetX && r.top <= view_.offsetY && r.right >= view_.offsetX + view_.clientW &&
           r.bottom >= view_.offsetY + view_.clientH;
}

void TextPictureSurface::FillRect(const platform::Rect& rect, platform::Rgb colour) {
    // The background is the paper's.
    if (colour == background_ || FillsEverything(rect) || rect.Empty())
        return;
    const int left = view_.offsetX, top = view_.offsetY;
    const platform::Rect r{std::max(rect.left, left), std::max(rect.top, top),
                           std::min(rect.right, left + view_.clientW), std::min(rect.bottom, top + view_.clientH)};
    if (r.Empty())
        return;
    if (!dots_.empty() || (!bars_.empty() && (!(colour == barColour_) || r.Height() != barHeight_)))
        FlushRuns();
    barColour_ = colour;
    barHeight_ = r.Height();
    bars_.emplace_back(ToWorld(r.left, r.top), ToWorld(r.right, r.bottom));
}

std::vector<Point> TextPictureSurface::EllipsePoints(const platform::Rect& b, double from, double sweep) const {
    const double cx = (b.left + b.right - 1) / 2.0, cy = (b.top + b.bottom - 1) / 2.0;
    const double a = (b.Width() - 1) / 2.0, c = (b.Height() - 1) / 2.0;
    const int steps = std::clamp(static_cast<int>(std::fabs(sweep) * std::max(a, c) / 2), 8, 720);
    std::vector<Point> points;
    points.reserve(static_cast<std::size_t>(steps) + 1);
    for (int i = 0; i <= steps; ++i) {
        const double t = from + sweep * i / steps;
        const Point p{static_cast<int>(std::lround(cx + a * std::cos(t))),
                      static_cast<int>(std::lround(cy - c * std::sin(t)))};
        if (points.empty() || !(points.back() == p))
            points.push_back(p);
    }
    return points;
}

void TextPictureSurface::Ellipse(const platform::Rect& b) {
    const bool solid = brush_.style == platform::BrushStyle::Solid;
    if (b.Width() <= kMarkLimit && b.Height() <= kMarkLimit && solid) {
        const Point centre{(b.left + b.right - 1) / 2, (b.top + b.bottom - 1) / 2};
        if (!Drawing() || !Inside(centre))
            return;
        Mark(ToWorld((b.left + b.right - 1) / 2.0L, (b.top + b.bottom - 1) / 2.0L), b.Width() - 1,
             !(brush_.colour == background_));
        return;
    }
    std::vector<Point> points = EllipsePoints(b, 0, 2 * std::numbers::pi);
    if (points.size() > 1)
        points.pop_back();
    Outline(points, true, solid && !(brush_.colour == background_));
}

void TextPictureSurface::Arc(const platform::Rect& b, Point start, Point end) {
    const double cx = (b.left + b.right - 1) / 2.0, cy = (b.top + b.bottom - 1) / 2.0;
    const double a = std::max(1.0, (b.Width() - 1) / 2.0), c = std::max(1.0, (b.Height() - 1) / 2.0);
    const double from = std::atan2(-(start.y - cy) / c, (start.x - cx) / a);
    double to = std::atan2(-(end.y - cy) / c, (end.x - cx) / a);
    while (to <= from)
        to += 2 * std::numbers::pi;
    Outline(EllipsePoints(b, from, to - from), false, false);
}

void TextPictureSurface::SetPixel(Point p, platform::Rgb) {
    if (!Inside(p))
        return;
    if (!bars_.empty())
        FlushRuns();
    if (dots_.empty() && written_ != platform::PenStyle::Solid && pen_.style == platform::PenStyle::Solid) {
        written_ = platform::PenStyle::Solid;
        LineStyle(written_);
    }
    dots_.push_back(ToWorld(p.x, p.y));
}

std::string TextPictureSurface::LabelText(std::string_view text, bool& math) const {
    const std::string utf8 = font_.symbol ? platform::SymbolToUtf8(text) : std::string(text);
    return TeXText(utf8, math);
}

void TextPictureSurface::TextOut(Point at, std::string_view text) {
    if (text.empty() || drawMode_ != platform::DrawMode::Copy)
        return;
    FlushRuns();
    const platform::Size extent = TextExtent(text);
    TextAnchor anchor;
    long double y = at.y;
    if (align_ & platform::AlignCenter) {
        // Centred texts keep their top, bottom or baseline: the numbers under an axis.
        anchor.along = (align_ & platform::AlignBottom) ? 'b' : (align_ & platform::AlignBaseline) ? 'B' : 't';
    } else {
        // Texts beside a point keep their vertical middle: the numbers left of an axis.
        anchor.across = (align_ & platform::AlignRight) ? 'r' : 'l';
        if (align_ & platform::AlignBottom)
            y -= extent.height / 2.0L;
        else if (align_ & platform::AlignBaseline)
            y += extent.height / 2.0L - GetFontMetrics().ascent;
        else
            y += extent.height / 2.0L;
    }
    if (!Inside({at.x, static_cast<int>(std::lround(static_cast<double>(y)))}))
        return;
    bool math = false;
    const std::string tex = LabelText(text, math);
    Label(tex, math, anchor, ToWorld(at.x, y));
}

platform::Size TextPictureSurface::TextExtent(std::string_view text) const {
    if (measure_)
        return measure_->TextExtent(text);
    return {static_cast<int>(text.size()) * std::max(1, font_.height / 2), font_.height};
}

platform::FontMetrics TextPictureSurface::GetFontMetrics() const {
    if (measure_)
        return measure_->GetFontMetrics();
    const int ascent = font_.height * 4 / 5;
    return {ascent, font_.height - ascent, font_.height, std::max(1, font_.height / 2)};
}

namespace {

struct Spelling {
    const char* utf8;
    const char* tex;
};

// Letters and signs outside ASCII that plain TeX spells with its own fonts.
constexpr Spelling kSpellings[] = {
    {"á", "\\'a"}, {"à", "\\`a"}, {"â", "\\^a"}, {"ã", "\\~a"}, {"ä", "\\\"a"}, {"é", "\\'e"}, {"è", "\\`e"},
    {"ê", "\\^e"}, {"ë", "\\\"e"}, {"í", "\\'\\i"}, {"ì", "\\`\\i"}, {"î", "\\^\\i"}, {"ó", "\\'o"}, {"ò", "\\`o"},
    {"ô", "\\^o"}, {"õ", "\\~o"}, {"ö", "\\\"o"}, {"ú", "\\'u"}, {"ù", "\\`u"}, {"û", "\\^u"}, {"ü", "\\\"u"},
    {"ç", "\\c c"}, {"ñ", "\\~n"}, {"Á", "\\'A"}, {"À", "\\`A"}, {"Â", "\\^A"}, {"Ã", "\\~A"}, {"É", "\\'E"},
    {"Ê", "\\^E"}, {"Í", "\\'I"}, {"Ó", "\\'O"}, {"Ô", "\\^O"}, {"Õ", "\\~O"}, {"Ú", "\\'U"}, {"Ç", "\\c C"},
    {"∫", "$\\int$"}, {"π", "$\\pi$"}, {"≈", "$\\approx$"}, {"≤", "$\\le$"}, {"≥", "$\\ge$"},
    {"∞", "$\\infty$"}, {"√", "$\\surd$"}, {"°", "$^\\circ$"}, {"·", "$\\cdot$"}, {"×", "$\\times$"},
    {"±", "$\\pm$"}, {"α", "$\\alpha$"}, {"β", "$\\beta$"}, {"θ", "$\\theta$"}, {"Δ", "$\\Delta$"},
};

constexpr std::string_view kPi = "π";
constexpr std::string_view kMinusSigns[] = {"−", "–", "—"};

bool StartsWith(std::string_view text, std::size_t at, std::string_view what) {
    return text.substr(at, what.size()) == what;
}

bool IsNumeric(std::string_view text) {
    bool figure = false;
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            figure = true;
            ++i;
        } else if (c == '.' || c == ',' || c == '-' || c == '+' || c == '/' || c == ' ') {
            ++i;
        } else if (StartsWith(text, i, kPi)) {
            figure = true;
            i += kPi.size();
        } else {
            std::size_t sign = 0;
            for (std::string_view minus : kMinusSigns)
                if (StartsWith(text, i, minus))
                    sign = minus.size();
            if (sign == 0)
                return false;
            i += sign;
        }
    }
    return figure;
}

} // namespace

std::string TeXText(std::string_view text, bool& math) {
    math = IsNumeric(text);
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        if (math) {
            if (StartsWith(text, i, kPi)) {
                out += "\\pi ";
                i += kPi.size();
                continue;
            }
            if (static_cast<unsigned char>(text[i]) >= 0x80) { // a long minus
                out += '-';
                ++i;
                while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80)
                    ++i;
                continue;
            }
            out += text[i++];
            continue;
        }
        const char c = text[i];
        if (std::string_view("#$%&_{}").find(c) != std::string_view::npos) {
            out += '\\';
            out += c;
            ++i;
            continue;
        }
        if (c == '\\' || c == '^' || c == '~') {
            out += "\\char" + std::to_string(static_cast<int>(c)) + " ";
            ++i;
            continue;
        }
        if (static_cast<unsigned char>(c) < 0x80) {
            out += c;
            ++i;
            continue;
        }
        bool known = false;
        for (const Spelling& a : kSpellings) {
            if (StartsWith(text, i, a.utf8)) {
                out += "{";
                out += a.tex;
                out += "}";
                i += std::string_view(a.utf8).size();
                known = true;
                break;
            }
        }
        if (known)
            continue;
        // Any other character has no plain-TeX spelling: a question mark stands for it.
        out += '?';
        ++i;
        while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80)
            ++i;
    }
    while (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}

} // namespace korvane
