#include "graph/AxesPainter.h"

#include "graph/View.h"
#include "platform/memory/RasterSurface.h"
#include "platform/memory/RecordingSurface.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace korvane {
namespace {

using platform::Primitive;
using platform::RecordingSurface;

View Window400x300() {
    View v;
    v.SetClientSize(400, 300);
    v.Recompute();
    return v;
}

AxisSettings LabelledAxes() {
    AxisSettings s;
    s.axesShown = true;
    s.scaleBits = ScaleLabelsX;
    s.decimalsX = 0;
    s.gridBits = 0;
    return s;
}

std::vector<std::string> Draw(const View& v, AxisSettings& s) {
    RecordingSurface surface({400, 300});
    AxesStyle style;
    AxesPainter(surface, v, s, style).Draw();
    return surface.Texts();
}

std::vector<Primitive> Drawn(const View& v, AxisSettings& s, Primitive::Kind kind) {
    RecordingSurface surface({400, 300});
    AxesStyle style;
    AxesPainter(surface, v, s, style).Draw();
    return surface.OfKind(kind);
}

// Labels every n-th tick counted from the origin; none where the axes cross; the label
// style (pi multiples, the custom minus) is the window's.
TEST(AxesPainter, LabelFrequencyAndTheOrigin) {
    struct Row {
        const char* what;
        int freq, kind;
        bool pi, minus;
        std::vector<std::string> texts;
        int decimals = 0;
        long double tick = 1;
    } rows[] = {
        {"every tick; the edge would cut -5 and 5", 1, AxesBoth, false, false, {"-4", "-3", "-2", "-1", "1", "2", "3", "4"}},
        {"every second from the origin", 2, AxesBoth, false, false, {"-4", "-2", "2", "4"}},
        {"origin labelled without a y axis", 2, AxesXOnly, false, false, {"-4", "-2", "0", "2", "4"}},
        {"the long dash", 2, AxesBoth, false, true, {"\u2013" "4", "\u2013" "2", "2", "4"}},
        {"multiples of pi; the edge would cut 3pi/2", 1, AxesBoth, true, false, {"-\u03c0", "-\u03c0/2", "\u03c0/2", "\u03c0"}},
        // ticks 10 pixels apart, labels like "-4.75" 35 wide: every 5th tick, not every 2nd
        {"crowded ticks of 0.25", 1, AxesBoth, false, false,
         {"-3.75", "-2.50", "-1.25", "1.25", "2.50", "3.75"}, 2, 0.25L},
    };
    const View v = Window400x300();
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        AxisSettings s = LabelledAxes();
        s.freqX = r.freq;
        s.axesKind = r.kind;
        s.minusCustom = r.minus;
        s.piX = r.pi;
        s.tickX = r.pi ? 3.141592653589793238L / 2 : r.tick;
        s.decimalsX = r.decimals;
        EXPECT_EQ(Draw(v, s), r.texts);
    }
}

// Labels hide what is under them only when the window asks and the output allows it.
TEST(AxesPainter, OpaqueLabelsWhenAskedAndAllowed) {
    for (const bool asked : {false, true})
        for (const bool forbidden : {false, true}) {
            AxisSettings s = LabelledAxes();
            s.textBackground = asked ? TextOpaque : TextTransparent;
            AxesStyle style;
            style.transparentTexts = forbidden;
            RecordingSurface surface({400, 300});
            AxesPainter(surface, Window400x300(), s, style).Draw();
            for (const Primitive& p : surface.OfKind(Primitive::TextOut))
                EXPECT_EQ(p.backgroundMode, asked && !forbidden ? platform::BackgroundMode::Opaque
                                                                : platform::BackgroundMode::Transparent);
        }
}

TEST(AxesPainter, AxisLinesFollowTheMapping) {
    const View v = Window400x300();
    AxisSettings s;
    s.axesShown = true;
    s.gridBits = 0;
    const auto lines = Drawn(v, s, Primitive::Line);
    const int y0 = v.ToPixelYInt(0), x0 = v.ToPixelXInt(0);
    const bool hasX = std::any_of(lines.begin(), lines.end(), [&](const Primitive& p) {
        return p.points[0].y == y0 && p.points[1].y == y0 && p.points[1].x - p.points[0].x > 390;
    });
    const bool hasY = std::any_of(lines.begin(), lines.end(), [&](const Primitive& p) {
        return p.points[0].x == x0 && p.points[1].x == x0 && p.points[0].y - p.points[1].y > 290;
    });
    EXPECT_TRUE(hasX);
    EXPECT_TRUE(hasY);
    // Ticks every unit, each a stroke of the tick length across the x axis.
    const auto tick = std::count_if(lines.begin(), lines.end(), [&](const Primitive& p) {
        return p.points[0].x == v.ToPixelXInt(2) && p.points[0].y == y0 - 5 && p.points[1].y == y0 + 5;
    });
    EXPECT_EQ(tick, 1);
}

TEST(AxesPainter, ArrowsStrokedAndSolid) {
    const View v = Window400x300();
    for (bool solid : {false, true}) {
        SCOPED_TRACE(solid ? "solid" : "stroked");
        AxisSettings s;
        s.axesShown = true;
        s.arrows = true;
        s.solidArrows = solid;
        s.ticks = false;
        s.gridBits = 0;
        EXPECT_EQ(Drawn(v, s, Primitive::Polygon).size(), solid ? 2u : 0u);
        EXPECT_EQ(Drawn(v, s, Primitive::Line).size(), solid ? 2u : 6u);
    }
}

TEST(AxesPainter, RectangularGridByQuadrants) {
    const View v = Window400x300();
    struct Row {
        const char* what;
        int bits;
        platform::Point on, off;
    } rows[] = {
        {"quadrant I", GridRectangular | GridQuadrant1, {240, 100}, {160, 100}},
        {"quadrant III", GridRectangular | GridQuadrant3, {160, 200}, {240, 200}},
        {"all four", GridRectangular | GridQuadrants, {160, 100}, {0, 0}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        AxisSettings s;
        s.gridBits = r.bits;
        platform::RasterSurface surface({400, 300});
        AxesStyle style;
        style.gridPen.colour = {255, 0, 0};
        AxesPainter(surface, v, s, style).Draw();
        // The vertical grid line at x = +-1 runs through the quadrant's half.
        EXPECT_EQ(*surface.GetPixel({r.on.x, r.on.y}), (platform::Rgb{255, 0, 0}));
        if (r.off.x) {
            EXPECT_NE(*surface.GetPixel({r.off.x, r.off.y}), (platform::Rgb{255, 0, 0}));
        }
    }
}

TEST(AxesPainter, PolarGridSectorsAndCircles) {
    const View v = Window400x300();
    AxisSettings s;
    s.gridBits = GridPolar | GridQuadrants;
    s.polarSectors = 4;
    EXPECT_EQ(Drawn(v, s, Primitive::Line).size(), 4u);
    // Circles of radius 1 .. 6 reach the farthest corner (6.25 away).
    EXPECT_EQ(Drawn(v, s, Primitive::Ellipse).size(), 6u);
    s.gridBits = GridPolar | GridQuadrant1;
    EXPECT_EQ(Drawn(v, s, Primitive::Arc).size(), 6u);
    EXPECT_EQ(Drawn(v, s, Primitive::Line).size(), 1u);
}

TEST(AxesPainter, DotsAtTickCrossings) {
    const View v = Window400x300();
    AxisSettings s;
    s.dots = true;
    s.gridBits = 0;
    EXPECT_EQ(Drawn(v, s, Primitive::SetPixel).size(), 11u * 7u);
}

TEST(AxesPainter, FarWindowSwitchesTicksOff) {
    View v;
    v.SetClientSize(400, 300);
    v.SetCorners(1e12L, 1e12L + 1, -1, 1);
    AxisSettings s = LabelledAxes();
    EXPECT_TRUE(Draw(v, s).empty());
    EXPECT_FALSE(s.ticks);
}

} // namespace
} // namespace korvane
