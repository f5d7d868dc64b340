// The PiCTeX back end byte for byte: the frame of each mode, and each primitive of the
// drawing path as PiCTeX in world units on a 400 x 300 window over [-5, 5] x [-3.75, 3.75]
// (one pixel is 0.025 units both ways).
#include "output/PicTeXFile.h"
#include "output/PicTeXSurface.h"
#include "output/TikZSurface.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace korvane {
namespace {

using platform::Point;

View WindowOf(int width, int height) {
    View view;
    view.SetClientSize(width, height);
    view.Recompute();
    return view;
}

const char* const kCorners = "\\setcoordinatesystem units <0.80000cm,0.80000cm>\r\n"
                             "\\put {\\phantom{.}} at -5.00000 -3.75000\r\n"
                             "\\put {\\phantom{.}} at -5.00000 3.75000\r\n"
                             "\\put {\\phantom{.}} at 5.00000 -3.75000\r\n"
                             "\\put {\\phantom{.}} at 5.00000 3.75000\r\n"
                             "\\setlinear\r\n";

TEST(PicTeXFile, EachModeWritesItsHeaderAndEndAndTheUnits) {
    const struct {
        int mode, box;
        std::string header, footer;
    } rows[] = {
        {TeXStandalone, 1,
         "\\font\\fiverm = cmr5\r\n\\input pictex\r\n\\setbox1=\\vbox{\r\n\\beginpicture\r\n", "\\endpicture}\r\n"},
        {LaTeXStandalone, 7,
         "\\font\\fiverm = cmr5\r\n\\input prepictex\r\n\\input pictex\r\n\\input postpictex\r\n"
         "\\setbox7=\\vbox{\r\n\\beginpicture\r\n",
         "\\endpicture}\r\n"},
        // The other two go into a document that loaded PiCTeX already.
        {TeXCompilable, 256, "\\beginpicture\r\n", "\\endpicture\r\n"},
        {TeXInsertable, 1, "\\beginpicture\r\n", "\\endpicture\r\n"},
    };
    View view = WindowOf(400, 300);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.mode);
        TeXSettings settings;
        settings.mode = row.mode;
        settings.box = row.box;
        EXPECT_EQ(PicTeXHeader(settings, view, NumberFormat{}), row.header + kCorners);
        EXPECT_EQ(PicTeXFooter(settings), row.footer);
    }
    // The units make the picture TeX width wide with the window's proportions.
    view.SetView(0, 0, 10, 2, true); // 20 x 4 units on 400 x 300 pixels
    TeXSettings settings;
    settings.width = 12;
    EXPECT_NEAR(static_cast<double>(PicTeXUnitX(settings, view)), 0.6, 1e-15);  // 12 cm over 20 units
    EXPECT_NEAR(static_cast<double>(PicTeXUnitY(settings, view)), 2.25, 1e-15); // 9 cm over 4 units
}

struct PrimitiveRow {
    const char* rule;
    std::function<void(platform::Surface&)> draw;
    std::string expected;
};

TEST(PicTeXSurface, EveryPrimitiveWritesItsLines) {
    const auto pen = [](platform::PenStyle style) { return platform::Pen{platform::kBlack, 1, style}; };
    const auto font = [](platform::Surface& s) { s.SetFont({"Sans", 14}); };
    const Point diagonal[] = {{100, 50}, {200, 150}, {300, 250}}, leaving[] = {{300, 250}, {200, 150}, {200, 450}};
    const auto styled = [&](platform::PenStyle style) {
        return [=](platform::Surface& s) { s.SetPen(pen(style)), s.Line({0, 0}, {4, 4}); };
    };
    const auto text = [&](int align, Point at, const char* t) {
        return [=](platform::Surface& s) { font(s), s.SetTextAlign(align), s.TextOut(at, t); };
    };
    const auto brush = [](platform::Rgb colour, platform::BrushStyle style) {
        return [=](platform::Surface& s) { s.SetBrush({colour, style}); };
    };
    const PrimitiveRow rows[] = {
        // Segments.
        {"an axis-parallel segment inside is a rule", [](auto& s) { s.Line({0, 150}, {400, 150}); },
         "\\putrule from -5.00000 0.00000 to 5.00000 0.00000\r\n"},
        {"an axis-parallel segment reaching outside is left out", [](auto& s) { s.Line({200, -1}, {200, 150}); }, ""},
        {"a diagonal is a plot", [](auto& s) { s.Line({100, 50}, {300, 250}); },
         "\\plot -2.50000 2.50000 2.50000 -2.50000 /\r\n"},
        {"a diagonal is clipped to the window", [](auto& s) { s.Line({-200, 0}, {200, 300}); },
         "\\plot -5.00000 0.00000 0.00000 -3.75000 /\r\n"},
        // Polylines.
        {"a polyline is one plot ended by a slash", [&](auto& s) { s.Polyline(diagonal); },
         "\\plot \r\n-2.50000 2.50000\r\n0.00000 0.00000\r\n2.50000 -2.50000\r\n/\r\n"},
        {"a polyline leaving the window ends at its edge", [&](auto& s) { s.Polyline(leaving); },
         "\\plot \r\n2.50000 -2.50000\r\n0.00000 0.00000\r\n0.00000 -3.75000\r\n/\r\n"},
        // Line styles, written before the first line of the style and reset at the end.
        {"dots", styled(platform::PenStyle::Dotted),
         "\\setdots<2pt>\r\n\\plot -5.00000 3.75000 -4.90000 3.65000 /\r\n\\setsolid\r\n"},
        {"dashes", styled(platform::PenStyle::Dashed),
         "\\setdashes\r\n\\plot -5.00000 3.75000 -4.90000 3.65000 /\r\n\\setsolid\r\n"},
        {"dash and dot",
         [&](auto& s) {
             styled(platform::PenStyle::DashDot)(s);
             s.SetPen(pen(platform::PenStyle::Solid)), s.Line({0, 0}, {0, 4});
         },
         "\\setdashpattern<10pt,2pt,3pt,2pt>\r\n\\plot -5.00000 3.75000 -4.90000 3.65000 /\r\n\\setsolid\r\n"
         "\\putrule from -5.00000 3.75000 to -5.00000 3.65000\r\n"},
        // Dots.
        {"a run of pixels is one multiput",
         [](auto& s) {
             for (Point p : {Point{100, 50}, Point{300, 250}, Point{401, 250}})
                 s.SetPixel(p, platform::kBlack);
         },
         "\\multiput {.} at\r\n-2.50000 2.50000\r\n2.50000 -2.50000\r\n/\r\n"},
        // Labels.
        {"numbers under an axis hang from their top, in math mode",
         text(platform::AlignCenter | platform::AlignTop, {100, 150}, "-2.5"),
         "\\put {$-2.5$} [t] at -2.50000 0.00000\r\n"},
        {"numbers left of an axis end at the point, their middle level with it",
         text(platform::AlignRight | platform::AlignTop, {195, 43}, "3π/4"),
         "\\put {$3\\pi /4$} [r] at -0.12500 2.50000\r\n"},
        {"other texts are escaped, with their accents",
         text(platform::AlignLeft | platform::AlignBottom, {100, 57}, "x_1 & ação ∫ ≈"),
         "\\put {x\\_1 \\& a{\\c c}{\\~a}o {$\\int$} {$\\approx$}} [l] at -2.50000 2.50000\r\n"},
        // Marks.
        {"a filled point mark is a bullet by its size",
         [&](auto& s) {
             brush(platform::kBlack, platform::BrushStyle::Solid)(s);
             s.Ellipse({97, 47, 104, 54}), s.Ellipse({99, 49, 102, 52}), s.Ellipse({100, 50, 101, 51});
         },
         "\\put {$\\bullet$} at -2.50000 2.50000\r\n\\put {$\\scriptscriptstyle\\bullet$} at -2.50000 2.50000\r\n"
         "\\put {\\fiverm .} at -2.50000 2.50000\r\n"},
        {"a point mark filled with the background is a circle",
         [&](auto& s) { brush(platform::kWhite, platform::BrushStyle::Solid)(s), s.Ellipse({98, 48, 103, 53}); },
         "\\put {$\\scriptstyle\\circ$} at -2.50000 2.50000\r\n"},
        {"an open square mark is a rectangle",
         [&](auto& s) { brush(platform::kWhite, platform::BrushStyle::Hollow)(s), s.Rectangle({97, 47, 104, 54}); },
         "\\putrectangle corners at -2.57500 2.57500 and -2.42500 2.42500\r\n"},
        {"a filled square mark is a thick rule",
         [&](auto& s) { brush(platform::kBlack, platform::BrushStyle::Solid)(s), s.Rectangle({97, 47, 104, 54}); },
         "\\linethickness = 0.12000cm\r\n\\putrule from -2.50000 2.42500 to -2.50000 2.57500\r\n"
         "\\linethickness = 0.4pt\r\n"},
        {"the background is the paper's", [](auto& s) { s.FillRect({0, 0, 400, 300}, platform::kWhite); }, ""},
    };
    const View view = WindowOf(400, 300);
    for (const PrimitiveRow& row : rows) {
        SCOPED_TRACE(row.rule);
        PicTeXSurface surface(view, NumberFormat{}, platform::kWhite, nullptr, 0.8L);
        row.draw(surface);
        surface.Finish();
        EXPECT_EQ(surface.Text(), row.expected);
    }
}

// The same picture as TikZ: the units and the clip of the window, colours named after the
// colour table as they are first used, anchors for the label positions.
TEST(TikZSurface, PrimitivesAndColoursAsTikZ) {
    const View view = WindowOf(400, 300);
    EXPECT_EQ(TikZHeader(TeXSettings{}, view, NumberFormat{}),
              "\\begin{tikzpicture}[x=0.80000cm,y=0.80000cm]\r\n"
              "\\clip (-5.00000,-3.75000) rectangle (5.00000,3.75000);\r\n");
    TikZSurface surface(view, NumberFormat{}, platform::kWhite, nullptr);
    surface.SetPen({{255, 0, 0}, 2, platform::PenStyle::Dashed});
    surface.Line({100, 50}, {300, 250});
    surface.SetTextColour({1, 2, 3});
    surface.SetTextAlign(platform::AlignCenter | platform::AlignTop);
    surface.TextOut({100, 150}, "-2.5");
    surface.SetPen({{0, 0, 255}, 1, platform::PenStyle::Solid});
    surface.SetBrush({{0, 0, 255}, platform::BrushStyle::Solid});
    surface.Ellipse({97, 47, 104, 54});
    surface.Finish();
    EXPECT_EQ(surface.ColourDefinitions(), "\\definecolor{kvvermelho}{RGB}{255,0,0}\r\n"
                                           "\\definecolor{kvcor1}{RGB}{1,2,3}\r\n"
                                           "\\definecolor{kvazulreal}{RGB}{0,0,255}\r\n");
    EXPECT_EQ(surface.Text(),
              "\\draw[kvvermelho, line width=0.8pt, dashed] (-2.50000,2.50000) -- (2.50000,-2.50000);\r\n"
              "\\node[anchor=north, inner sep=1pt, text=kvcor1] at (-2.50000,0.00000) {$-2.5$};\r\n"
              "\\filldraw[kvazulreal, fill=kvazulreal] (-2.50000,2.50000) circle[radius=1.2pt];\r\n");
}

} // namespace
} // namespace korvane
