#pragma once
// Everything a graph window knows about its axes, ticks, labels and grid.
#include <array>
#include <cstdint>
#include <string>

namespace korvane {

enum AxesKind : int { AxesNone = 0, AxesXOnly = 1, AxesYOnly = 2, AxesBoth = 3, AxesPolar = 4 };

enum ScaleBit : int { ScaleLabelsX = 1, ScaleLabelsY = 2, ScaleOnFrame = 4 };

enum GridBit : int {
    GridQuadrant1 = 1, GridQuadrant2 = 2, GridQuadrant3 = 4, GridQuadrant4 = 8,
    GridQuadrants = 15, GridRectangular = 16, GridPolar = 32, GridDotted = 64,
};

enum TextBackgroundMode : int { TextTransparent = 1, TextOpaque = 2 };

struct AxisSettings {
    bool axesShown = false;
    int axesKind = AxesBoth;
    bool ticks = true;
    bool arrows = false;
    bool solidArrows = false;
    bool dots = false;
    bool labels = false;
    int scaleBits = 0;
    long double tickX = 1, tickY = 1;
    long double originX = 0, originY = 0;
    int decimalsX = 1, decimalsY = 1;
    int freqX = 1, freqY = 1;
    bool piX = false, piY = false;
    int piChar = 112;
    bool minusCustom = false;
    int minusChar = 150;
    int gridBits = GridQuadrants;
    int polarSectors = 12;
    int tickLen = 10;
    int arrowLen = 7;
    int markSize = 5;
    std::array<std::string, 3> axisNames{"x", "y", "z"};
    int textBackground = TextOpaque;
    bool dottedLines = false;
    int dottedColour = 20;
    bool texOutput = false;
    int intervalState = 0;

    bool XAxisKind() const { return axesKind == AxesXOnly || axesKind == AxesBoth || axesKind == AxesPolar; }
    bool YAxisKind() const { return axesKind == AxesYOnly || axesKind == AxesBoth; }
    bool AnyGrid() const { return (gridBits & (GridRectangular | GridPolar)) != 0; }
    void SetTickLen(int pixels) {
        tickLen = pixels;
        arrowLen = pixels * 7 / 10;
    }
};

} // namespace korvane
