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

void AppendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

} // namespace korvane
