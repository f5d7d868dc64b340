#include "output/PicTeXSurface.h"

#include "graph/NumberText.h"

namespace korvane {

void PicTeXSurface::LineStyle(platform::PenStyle style) {
    switch (style) {
    case platform::PenStyle::Dotted: Write("\\setdots<2pt>"); break;
    case platform::PenStyle::Dashed: Write("\\setdashes"); break;
    case platform::PenStyle::DashDot: Write("\\setdashpattern<10pt,2pt,3pt,2pt>"); break;
    default: Write("\\setsolid"); break;
    }
}

void PicTeXSurface::Rule(WorldPoint a, WorldPoint b) {
    Write("\\putrule from " + Pair(a) + " to " + Pair(b));
}

void PicTeXSurface::Segment(WorldPoint a, WorldPoint b) { Write("\\plot " + Pair(a) + " " + Pair(b) + " /"); }

// PiCTeX draws no areas: a filled shape keeps its outline.
void PicTeXSurface::Path(const std::vector<WorldPoint>& points, bool closed, bool) {
    Write("\\plot ");
    for (const WorldPoint& p : points)
        Write(Pair(p));
    if (closed)
        Write(Pair(points.front()));
    Write("/");
}

void PicTeXSurface::Dots(const std::vector<WorldPoint>& points) {
    Write("\\multiput {.} at");
    for (const WorldPoint& p : points)
        Write(Pair(p));
    Write("/");
}

void PicTeXSurface::Label(const std::string& text, bool math, TextAnchor anchor, WorldPoint at) {
    std::string position;
    if (anchor.across)
        position += anchor.across;
    if (anchor.along)
        position += anchor.along;
    const std::string body = math ? "$" + text + "$" : text;
    Write("\\put {" + body + "} " + (position.empty() ? "" : "[" + position + "] ") + "at " + Pair(at));
}

void PicTeXSurface::Mark(WorldPoint at, int size, bool filled) {
    std::string mark;
    if (size < 1)
        mark = "\\fiverm .";
    else
        mark = std::string("$") + (size < 3 ? "\\scriptscriptstyle" : size < 5 ? "\\scriptstyle" : "") +
               (filled ? "\\bullet$" : "\\circ$");
    Write("\\put {" + mark + "} at " + Pair(at));
}

void PicTeXSurface::Square(WorldPoint c, long double half, bool filled) {
    if (!filled) {
        Write("\\putrectangle corners at " + Pair({c.x - half, c.y + half}) + " and " + Pair({c.x + half, c.y - half}));
        return;
    }
    const long double halfY = half * GetView().unitY / GetView().unitX;
    Write("\\linethickness = " + FormatFixed(2 * half * cmPerUnit_, 1, 5) + "cm");
    Write("\\putrule from " + Pair({c.x, c.y - halfY}) + " to " + Pair({c.x, c.y + halfY}));
    Write("\\linethickness = 0.4pt");
}

// PiCTeX fills no areas: a box is a horizontal rule as thick as the box is high.
void PicTeXSurface::Bars(const std::vector<std::pair<WorldPoint, WorldPoint>>& boxes, platform::Rgb) {
    const auto& [top, bottom] = boxes.front();
    const long double height = (top.y - bottom.y) * GetView().unitX / GetView().unitY;
    Write("\\linethickness = " + FormatFixed(height * cmPerUnit_, 1, 5) + "cm");
    for (const auto& [a, b] : boxes) {
        const long double middle = (a.y + b.y) / 2;
        Write("\\putrule from " + Pair({a.x, middle}) + " to " + Pair({b.x, middle}));
    }
    Write("\\linethickness = 0.4pt");
}

} // namespace korvane
