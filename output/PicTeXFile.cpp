#include "output/PicTeXFile.h"

#include "graph/NumberText.h"

namespace korvane {

namespace {

constexpr const char* kEnd = "\r\n";

bool Standalone(const TeXSettings& s) { return s.mode == TeXStandalone || s.mode == LaTeXStandalone; }

// The lines of the standalone modes before the box.
std::string Preamble(const TeXSettings& s) {
    if (!Standalone(s))
        return {};
    const bool latex = s.mode == LaTeXStandalone;
    std::string out = std::string("\\font\\fiverm = cmr5") + kEnd;
    if (latex)
        out += std::string("\\input prepictex") + kEnd;
    out += std::string("\\input pictex") + kEnd;
    if (latex)
        out += std::string("\\input postpictex") + kEnd;
    return out;
}

} // namespace

long double PicTeXUnitX(const TeXSettings& s, const View& v) { return s.width * 0.5L / v.rx; }

long double PicTeXUnitY(const TeXSettings& s, const View& v) {
    return s.width * v.clientH * 0.5L / (v.ry * v.clientW);
}

std::string PicTeXHeader(const TeXSettings& s, const View& v, const NumberFormat& format) {
    const auto number = [&format](long double value) {
        return FormatFixed(value, format.fieldWidth, format.decimals);
    };
    std::string out = Preamble(s);
    const auto line = [&out](const std::string& text) { out += text + kEnd; };
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

std::string PicTeXSideBySide(const TeXSettings& s, const std::string& left, const std::string& right) {
    const std::string pair = left + "\\hskip 5mm" + kEnd + right;
    if (!Standalone(s))
        return pair;
    return Preamble(s) + "\\setbox" + FormatInt(s.box) + "=\\hbox{%" + kEnd + pair + "}" + kEnd;
}

} // namespace korvane
