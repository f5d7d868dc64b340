#include "plane/PointKinds.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <string>

#include "expr/EvalContext.h"
#include "expr/Evaluator.h"
#include "plane/MappedPath.h"
#include "plane/StraightKinds.h"

namespace korvane {

namespace {

constexpr int kSlotX = 'X' - 64;
constexpr int kSlotY = 'Y' - 64;
constexpr int kSlotZ = 'Z' - 64;
constexpr long double kMarkFactor = 0.0016666666666666668; // the double nearest 1/600, a hair above it
// A width from a damaged file must not turn a point into a disc over the whole window.
constexpr int kMaxWidth = 30;

// The map formulas move X, Y and Z; the user's values come back afterwards.
class MapLetters {
public:
    explicit MapLetters(EvalContext& eval)
        : eval_(eval), x_(eval.letterValues[kSlotX]), y_(eval.letterValues[kSlotY]),
          z_(eval.letterValues[kSlotZ]) {}
    ~MapLetters() {
        eval_.letterValues[kSlotX] = x_;
        eval_.letterValues[kSlotY] = y_;
        eval_.letterValues[kSlotZ] = z_;
    }
    MapLetters(const MapLetters&) = delete;
    MapLetters& operator=(const MapLetters&) = delete;

private:
    EvalContext& eval_;
    ComplexValue x_, y_, z_;
};

// The dotted segments to the axes; under a map their images.
void DrawAnchors(PlaneDrawContext& context, const ExampleRecord& e, long double x, long double y) {
    context.surface.SetPen({context.PenColour(e.Colour()), 1, platform::PenStyle::Dotted});
    const long double ends[2][4] = {{x, y, x, 0}, {x, y, 0, y}};
    for (const auto& end : ends) {
        long double x0 = end[0], y0 = end[1], x1 = end[2], y1 = end[3];
        if (!context.SourceView().ClipSegment(x0, y0, x1, y1))
            continue;
        if (context.Mapped())
            MappedPath(context).Segment(x0, y0, x1, y1);
        else
            DrawWorldSegment(context, x0, y0, x1, y1);
    }
}

void DrawOnePoint(PlaneDrawContext& context, const ExampleRecord& e, long double x, long double y) {
    long double mx = x, my = y;
    if (!MapPoint(context, mx, my) || !context.view.Inside(mx, my))
        return;
    if (e.Flag(exo::kFlag59))
        DrawAnchors(context, e, x, y);
    DrawPointMark(context, mx, my, e.Colour(), e.Width(), e.PenAttribute() != 0);
}

int DrawPointMember(PlaneDrawContext& context, const ExampleRecord& e) {
    long double x, y;
    if (EvaluateReal(context.eval, e.Tree(0), x) && EvaluateReal(context.eval, e.Tree(1), y))
        DrawOnePoint(context, e, x, y);
    return 0;
}

int DrawListMember(PlaneDrawContext& context, const ExampleRecord& e,
                   const std::vector<WorldPoint>& points) {
    for (const WorldPoint& p : points)
        DrawOnePoint(context, e, p.x, p.y);
    return 0;
}

bool IsSeparator(char c) { return c == ',' || c == ';' || std::isspace(static_cast<unsigned char>(c)); }

void SkipSeparators(std::string_view text, std::size_t& at) {
    while (at < text.size() && IsSeparator(text[at]))
        ++at;
}

// One number at `at`; false when there is none. strtold needs a terminated copy, and a
// locale with a decimal comma must not change what a list means.
bool ReadNumber(std::string_view text, std::size_t& at, long double& value) {
    std::size_t end = at;
    while (end < text.size() && (std::isdigit(static_cast<unsigned char>(text[end])) || text[end] == '.' ||
                                 text[end] == '-' || text[end] == '+' || text[end] == 'e' ||
                                 text[end] == 'E'))
        ++end;
    if (end == at)
        return false;
    const std::string copy(text.substr(at, end - at));
    char* stop = nullptr;
    value = std::strtold(copy.c_str(), &stop);
    if (stop != copy.c_str() + copy.size() || !std::isfinite(value))
        return false;
    at = end;
    return true;
}

void SkipBlanks(std::string_view text, std::size_t& at) {
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at])))
        ++at;
}

// "(a, b)" or "[a, b]" at `at`, which is the opening bracket.
bool ReadPair(std::string_view text, std::size_t& at, WorldPoint& p) {
    const char close = text[at] == '(' ? ')' : ']';
    std::size_t i = at + 1;
    SkipBlanks(text, i);
    if (!ReadNumber(text, i, p.x))
        return false;
    SkipBlanks(text, i);
    if (i >= text.size() || (text[i] != ',' && text[i] != ';'))
        return false;
    ++i;
    SkipBlanks(text, i);
    if (!ReadNumber(text, i, p.y))
        return false;
    SkipBlanks(text, i);
    if (i >= text.size() || text[i] != close)
        return false;
    at = i + 1;
    return true;
}

} // namespace

int PointMarkRadius(const View& view, int width) {
    const int w = std::clamp(width, 1, kMaxWidth);
    return std::max(1, static_cast<int>(RoundToInt(w * view.clientW * kMarkFactor)));
}

void DrawPointMark(PlaneDrawContext& context, long double x, long double y, int colour, int width,
                   bool open) {
    const View& view = context.view;
    const int r = PointMarkRadius(view, width);
    const int px = view.ToPixelXInt(x), py = view.ToPixelYInt(y);
    const platform::Rgb rgb = context.PenColour(colour);
    context.surface.SetPen({rgb, 1, platform::PenStyle::Solid});
    context.surface.SetBrush({open ? context.background : rgb, platform::BrushStyle::Solid});
    // The rectangle excludes its right and bottom edges: +1 keeps the circle centred.
    context.surface.Ellipse({px - r, py - r, px + r + 1, py + r + 1});
}

bool MapPoint(PlaneDrawContext& context, long double& x, long double& y) {
    const int index = context.settings.pointMapExample;
    if (index < 0 || index > context.examples.LastExample())
        return true;
    const ExampleRecord& map = context.examples[index];
    if (!map.Tree(0) || (!context.eval.complexMode && !map.Tree(1)))
        return true;
    return MapPointThrough(context.eval, map, x, y);
}

bool MapPointThrough(EvalContext& eval, const ExampleRecord& map, long double& x, long double& y) {
    MapLetters guard(eval);
    if (eval.complexMode) {
        ComplexValue image;
        if (!EvaluateAtComplex(eval, map.Tree(0), kSlotZ, {x, y}, image))
            return false;
        x = image.re;
        y = image.im;
        return true;
    }
    eval.SetLetter(kSlotY, y);
    long double mx, my;
    if (!EvaluateAt(eval, map.Tree(0), kSlotX, x, mx) || !EvaluateAt(eval, map.Tree(1), kSlotX, x, my))
        return false;
    x = mx;
    y = my;
    return true;
}

int ParsePointList(std::string_view text, std::vector<WorldPoint>& points) {
    std::size_t at = 0;
    long double k = 1;
    for (SkipSeparators(text, at); at < text.size(); SkipSeparators(text, at), k += 1) {
        WorldPoint p;
        if (text[at] == '(' || text[at] == '[') {
            if (!ReadPair(text, at, p))
                return 1;
        } else {
            p.x = k;
            if (!ReadNumber(text, at, p.y))
                return 1;
        }
        points.push_back(p);
    }
    return 0;
}

int DrawPoints(PlaneDrawContext& context, ExampleRecord& example) {
    if (example.Kind() == kPointList) {
        std::vector<WorldPoint> points;
        ParsePointList(example.texts[3], points);
        example.SetI16(exo::kListCount, static_cast<std::int16_t>(std::min<std::size_t>(points.size(), 32767)));
        return ForEachFamilyMember(context, example,
                                   [&] { return DrawListMember(context, example, points); });
    }
    return ForEachFamilyMember(context, example, [&] { return DrawPointMember(context, example); });
}

} // namespace korvane
