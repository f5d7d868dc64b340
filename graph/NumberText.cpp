#include "graph/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace korvane {

namespace {

std::string PadLeft(std::string text, int width) {
    width = std::min(width, kMaxFieldWidth);
    if (width > 0 && static_cast<int>(text.size()) < width)
        text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    return text;
}

std::string NonFinite(long double value) {
    if (std::isnan(value))
        return std::signbit(value) ? "-nan" : "nan";
    return value < 0 ? "-inf" : "inf";
}

int ClampDecimals(int decimals) { return decimals < 0 ? 0 : decimals > 60 ? 60 : decimals; }

} // namespace

std::string FormatFixed(long double value, int width, int decimals) {
    if (!std::isfinite(value))
        return PadLeft(NonFinite(value), width);
    char buffer[5000];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed,
                                      ClampDecimals(decimals));
    return PadLeft(std::string(buffer, result.ptr), width);
}

std::string FormatExponential(long double value, int decimals, bool readable) {
    decimals = ClampDecimals(decimals);
    std::string text;
    if (!std::isfinite(value)) {
        text = NonFinite(value);
    } else {
        char buffer[200];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                          std::chars_format::scientific, decimals);
        text.assign(buffer, result.ptr);
        for (char& c : text)
            if (c == 'e')
                c = 'E';
    }
    text = PadLeft(text, decimals + 3);
    if (readable) {
        const auto e = text.find('E');
        if (e != std::string::npos)
            text = text.substr(0, e) + "*10^" + text.substr(e + 1);
    }
    return text;
}

std::string FormatInt(long long value) { return std::to_string(value); }

} // namespace korvane
