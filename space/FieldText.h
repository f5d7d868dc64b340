#pragma once
// The text of a real in a dialog field of the space window: twelve significant digits.
#include <cstdio>
#include <string>

namespace korvane {

inline std::string FieldText(long double value) {
    char text[48];
    std::snprintf(text, sizeof text, "%.12Lg", value);
    return text;
}

} // namespace korvane
