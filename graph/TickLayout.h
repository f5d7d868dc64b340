#pragma once
// Tick intervals and index ranges of the two axes, and the texts of their labels.
#include "graph/AxisSettings.h"

#include <cstdint>
#include <string>

namespace korvane {

class View;

struct TickRange {
    std::int32_t first = 0;
    std::int32_t last = -1;
};

struct TickLayout {
    TickRange x, y;
    bool countable = true; // false when a range does not fit 32 bits (ticks switched off)
};

// Widens intervals that would crowd more than 50 ticks and narrows one that does not fit
// once; returns whether anything changed (and then updates intervalState).
bool AdjustTickIntervals(AxisSettings& settings, long double width, long double height);

// Index range k with origin + k*interval inside [low, high] (truncated toward zero).
bool CountTicks(long double origin, long double interval, long double low, long double high,
                TickRange& out);

// Adjusts the intervals and counts both ranges; a range beyond 32 bits switches ticks off.
TickLayout LayOutTicks(AxisSettings& settings, const View& view);

struct LabelStyle {
    int decimals = 1;
    bool pi = false;
    int piChar = 112;
    bool minusCustom = false;
    int minusChar = 150;
};

// UTF-8 text of a tick label.
std::string TickLabel(long double value, const LabelStyle& style);

// The minus sign is a code of code page 1252 (the pi character one of the symbol set).
std::string Cp1252CharToUtf8(int code);

} // namespace korvane
