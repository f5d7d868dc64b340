#include "output/TikZSurface.h"

#include "graph/ColourTable.h"
#include "graph/NumberText.h"
#include "output/PicTeXFile.h"

#include <algorithm>

namespace korvane {

namespace {

// A colour name as a TeX name: its letters without accents or blanks.
std::string PlainName(const char* name) {
    std::string out = "kv";
    for (const char* c = name; *c; ++c) {
        const unsigned char u = static_cast<unsigned char>(*c);
        if ((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9'))
            out += *c;
    }
    return out;
}

std::string Points(int pixels) { return FormatFixed(0.4L * pixels, 1, 1) + "pt"; }

} // namespace

std::string TikZHeader(const TeXSettings& s, const View& v, const NumberFormat& format) {
    const auto number = [&format](long double value) {
        return FormatFixed(value, format.fieldWidth, format.decimals);
    };
    return "\\begin{tikzpicture}[x=" + number(PicTeXUnitX(s, v)) + "cm,y=" + number(PicTeXUnitY(s, v)) + "cm]\r\n" +
           "\\clip (" + number(v.xmin) + "," + number(v.ymin) + ") rectangle (" + number(v.xmax) + "," +
           number(v.ymax) + ");\r\n";
}

std::string TikZSurface::Point(WorldPoint p) const { return "(" + Number(p.x) + "," + Number(p.y) + ")"; }

std::string TikZSurface::ColourOf(platform::Rgb colour) {
    for (const auto& [rgb, name] : colours_)
        if (rgb == colour)
            return name;
    std::string name;
    for (int i = 0; i < kColourCount && name.empty(); ++i)
        if (ColourRGB(i) == colour)
            name = PlainName(ColourName(i));
    if (name.empty())
        name = "kvcor" + FormatInt(static_cast<long long>(colours_.size()));
    colours_.emplace_back(colour, name);
    return name;
}

std::string TikZSurface::ColourDefinitions() const {
    std::string out;
    for (const auto& [rgb, name] : colours_)
        out += "\\definecolor{" + name + "}{RGB}{" + FormatInt(rgb.r) + "," + FormatInt(rgb.g) + "," +
               FormatInt(rgb.b) + "}\r\n";
    return out;
}

std::string TikZSurface::PenOptions() {
    std::string options = ColourOf(CurrentPen().colour) + ", line width=" + Points(std::max(1, CurrentPen().width));
    switch (style_) {
    case platform::PenStyle::Dotted: options += ", dotted"; break;
    case platform::PenStyle::Dashed: options += ", dashed"; break;
    case platform::PenStyle::DashDot: options += ", dash dot"; break;
    default: break;
    }
    return options;
}

void TikZSurface::Segment(WorldPoint a, WorldPoint b) {
    Write("\\draw[" + PenOptions() + "] " + Point(a) + " -- " + Point(b) + ";");
}

void TikZSurface::Path(const std::vector<WorldPoint>& points, bool closed, bool filled) {
    const std::string fill = filled ? ", fill=" + ColourOf(CurrentBrush().colour) : "";
    Write("\\draw[" + PenOptions() + fill + "] " + Point(points.front()));
    for (std::size_t i = 1; i < points.size(); ++i)
        Write("  -- " + Point(points[i]));
    Write(closed ? "  -- cycle;" : "  ;");
}

void TikZSurface::Dots(const std::vector<WorldPoint>& points) {
    const std::string colour = ColourOf(CurrentPen().colour);
    for (const WorldPoint& p : points)
        Write("\\fill[" + colour + "] " + Point(p) + " circle[radius=0.3pt];");
}

void TikZSurface::Label(const std::string& text, bool math, TextAnchor anchor, WorldPoint at) {
    std::string where;
    if (anchor.along == 't')
        where = "north";
    else if (anchor.along == 'b')
        where = "south";
    else if (anchor.along == 'B')
        where = "base";
    if (anchor.across) {
        const char* side = anchor.across == 'l' ? "west" : "east";
        where = where.empty() ? side : where == "base" ? std::string("base ") + side : where + " " + side;
    }
    if (where.empty())
        where = "center";
    const std::string body = math ? "$" + text + "$" : text;
    Write("\\node[anchor=" + where + ", inner sep=1pt, text=" + ColourOf(TextColour()) + "] at " + Point(at) + " {" +
          body + "};");
}

void TikZSurface::Mark(WorldPoint at, int size, bool filled) {
    const std::string colour = ColourOf(CurrentPen().colour);
    const std::string fill = filled ? colour : ColourOf(platform::kWhite);
    Write("\\filldraw[" + colour + ", fill=" + fill + "] " + Point(at) + " circle[radius=" +
          FormatFixed(0.2L * std::max(1, size), 1, 1) + "pt];");
}

void TikZSurface::Square(WorldPoint c, long double half, bool filled) {
    const long double halfY = half * GetView().unitY / GetView().unitX;
    const std::string colour = ColourOf(CurrentPen().colour);
    const std::string fill = filled ? ", fill=" + colour : "";
    Write("\\draw[" + colour + fill + "] " + Point({c.x - half, c.y - halfY}) + " rectangle " +
          Point({c.x + half, c.y + halfY}) + ";");
}

void TikZSurface::Bars(const std::vector<std::pair<WorldPoint, WorldPoint>>& boxes, platform::Rgb colour) {
    Write("\\fill[" + ColourOf(colour) + "]");
    for (const auto& [a, b] : boxes)
        Write("  " + Point(a) + " rectangle " + Point(b));
    Write("  ;");
}

} // namespace korvane
