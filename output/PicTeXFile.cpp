#include "output/PicTeXFile.h"

#include "graph/NumberText.h"

namespace korvane {

namespace {

constexpr const char* kEnd = "\r\n";

bool Standalone(const TeXSettings& s) { return s.mode == TeXStandalone || s.mode == LaTeXStandalone; }

} // namespace

long double PicTeXUnitX(const TeXSettings& s, const View& v) { return s.width * 0.5L / v.rx; }

long double PicTeXUnitY(const TeXSettings& s, const View& v) {
    return s.width * v.clientH * 0.5L / (v.ry * v.clientW);
}

std::string PicTeXHeader(const TeXSettings& s, const View& v, const NumberFormat& format) {
    const auto number = [&format](long double value) {
        return FormatFixed(value, format.fieldWidth, format.decimals);
    };
    std::string out;
    const auto line = [&out](const std::string& text) { out += text + kEnd; };
    const bool latex = s.mode == LaTeXStandalone;
    if (Standalone(s))
        line("\\font\\fiverm = cmr5");
    if (latex)
        line("\\input prepictex");
    if (Standalone(s))
        line("\\input pictex");
    if (latex)
        line("\\input postpictex");
    if (Standalone(s))
        line("\\setbox" + FormatInt(s.box) + "=\\vbox{");
    line("\\beginpicture");
    line("\\setcoordinatesystem units <" + number(PicTeXUnitX(s, v)) + "cm," + number(PicTeXUnitY(s, v)) + "cm>");
    for (const auto& [x, y] : {std::pair{v.xmin, v.ymin}, {v.xmin, v.ymax}, {v.xmax, v.ymin}, {v.xmax, v.ymax}})
        line("\\put {\\phantom{.}} at " + number(x) + " " + number(y));
    line("\\setlinear");
    return out;
}

std::string PicTeXFooter(const TeXSettings& s) {
    return std::string("\\endpicture") + (Standalone(s) ? "}" : "") + kEnd;
}

} // namespace korvane
