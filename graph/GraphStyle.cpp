#include "graph/GraphStyle.h"

#include "graph/NumberText.h"

#include <algorithm>

namespace korvane {

std::string NumberFormat::Format(long double value) const {
    if (scientific)
        return FormatExponential(value, decimals, false);
    return FormatFixed(value, fieldWidth, decimals);
}

const char* NumberFormatDialogName(bool hasFieldWidth, bool hasScientific) {
    if (hasFieldWidth)
        return hasScientific ? "FWDPSN" : "FWDP";
    return hasScientific ? "DPSN" : "DP";
}

int ApplyNumberFormat(NumberFormat& format, int decimals, int width, bool scientific, bool second,
                      bool hasFieldWidth, bool hasScientific) {
    if (decimals < 0 || decimals > 19 || (hasFieldWidth && width > kMaxFieldWidth))
        return 17;
    format.decimals = decimals;
    format.fieldWidth = hasFieldWidth ? std::max(width, decimals + 2) : decimals + 2;
    if (hasScientific) {
        format.scientific = scientific;
        if (scientific)
            format.fieldWidth = std::max(format.fieldWidth, decimals + 9);
    }
    format.secondOption = second;
    return 0;
}

} // namespace korvane
