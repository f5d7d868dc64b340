#pragma once
// Line widths and the number format of a graph window.
#include <string>

namespace korvane {

struct LineWidths {
    int axesScreen = 1;
    int axesPrinter = 2;
    int gridScreen = 1;
    int gridPrinter = 2;
};

struct NumberFormat {
    int decimals = 5;
    int fieldWidth = 7;
    bool scientific = false;
    bool secondOption = false;

    // Text of a value as the window's dialogs show it.
    std::string Format(long double value) const;
};

// Which of "DP", "DPSN", "FWDP", "FWDPSN" a window uses.
const char* NumberFormatDialogName(bool hasFieldWidth, bool hasScientific);

// Applies what the number-format dialog read; 0, or 17 when decimals are outside 0..19
// or the field is wider than kMaxFieldWidth.
int ApplyNumberFormat(NumberFormat& format, int decimals, int width, bool scientific, bool second,
                      bool hasFieldWidth, bool hasScientific);

} // namespace korvane
