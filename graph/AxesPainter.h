#pragma once
// Draws the grid, the dots, the axes with their arrows, ticks and labels, and the axis
// names of a graph window onto a surface.
#include "graph/AxisSettings.h"
#include "graph/TickLayout.h"
#include "platform/DrawingTools.h"
#include "platform/Surface.h"

namespace korvane {

class View;

struct AxesStyle {
    platform::Pen axesPen;
    platform::Pen gridPen;
    platform::FontSpec labelFont;
    platform::Rgb textColour = platform::kBlack;
    platform::Rgb background = platform::kWhite;
    bool transparentTexts = false; // whatever the settings say
};

class AxesPainter {
public:
    AxesPainter(platform::Surface& surface, const View& view, AxisSettings& settings, const AxesStyle& style)
        : surface_(surface), view_(view), settings_(settings), style_(style) {}

    // The whole axes layer, in its order; nothing when there is nothing to show.
    void Draw();

    void DrawRectangularGrid();
    void DrawPolarGrid();
    void DrawDots();
    void DrawXAxis();
    void DrawYAxis();
    void DrawAxisNames();

    bool XAxisVisible() const;
    bool YAxisVisible() const;

private:
    void Line(long double x0, long double y0, long double x1, long double y1);
    void ArrowHead(platform::Point tip, int dx, int dy);
    void Label(const std::string& text, platform::Point at, int align);
    // The tick count between two labels of an axis: its label frequency, widened so that
    // its labels do not run into each other.
    std::int64_t LabelStride(bool xAxis, const TickRange& range, const LabelStyle& style);
    bool QuadrantOn(int quadrant) const;
    void GridLineX(long double x);
    void GridLineY(long double y);
    void PolarRays();
    void PolarCircles();

    platform::Surface& surface_;
    const View& view_;
    AxisSettings& settings_;
    const AxesStyle& style_;
    TickLayout ticks_;
};

} // namespace korvane
