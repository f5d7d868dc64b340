#include "graph/TickLayout.h"

#include "graph/NumberText.h"
#include "graph/View.h"
#include "platform/Cp1252.h"

#include <cmath>
#include <numeric>

namespace korvane {

namespace {

constexpr long double kPi = 3.141592653589793238462643383279502884L;
constexpr long double kMaxTicks = 50;

bool WidenInterval(long double& interval, long double extent, bool ticksOn) {
    bool changed = false;
    // A non-positive or absurd interval could loop for ever.
    if (!(interval > 0) || !std::isfinite(interval) || !std::isfinite(extent))
        return false;
    while (extent / interval > kMaxTicks && std::isfinite(interval * 10)) {
        interval *= 10;
        changed = true;
    }
    if (ticksOn && extent < interval) {
        interval *= 0.1L;
        changed = true;
    }
    return changed;
}

} // namespace

bool AdjustTickIntervals(AxisSettings& settings, long double width, long double height) {
    const bool changedX = WidenInterval(settings.tickX, width, settings.ticks);
    const bool changedY = WidenInterval(settings.tickY, height, settings.ticks);
    if (!changedX && !changedY)
        return false;
    if (settings.intervalState == 3)
        settings.intervalState = 0;
    else if (settings.intervalState > 0)
        settings.intervalState = 1;
    return true;
}

bool CountTicks(long double origin, long double interval, long double low, long double high,
                TickRange& out) {
    const long double first = (low - origin) / interval;
    const long double last = (high - origin) / interval;
    if (!(std::fabs(first) < 2147483647.0L) || !(std::fabs(last) < 2147483647.0L))
        return false;
    out.first = static_cast<std::int32_t>(std::trunc(first));
    out.last = static_cast<std::int32_t>(std::trunc(last));
    return true;
}

TickLayout LayOutTicks(AxisSettings& settings, const View& view) {
    AdjustTickIntervals(settings, 2 * view.rx, 2 * view.ry);
    TickLayout layout;
    if (!CountTicks(settings.originX, settings.tickX, view.xmin, view.xmax, layout.x) ||
        !CountTicks(settings.originY, settings.tickY, view.ymin, view.ymax, layout.y)) {
        settings.ticks = false;
        layout.countable = false;
        layout.x = layout.y = {};
    }
    return layout;
}

namespace {

std::string PiMultiple(long double value, const LabelStyle& style, bool& found) {
    const long double t = std::fabs(value * (1 / kPi));
    for (int q = 1; q <= 100; ++q) {
        const std::int32_t p = RoundToInt(t * q);
        if (std::fabs(t * q - p) >= 0.005L)
            continue;
        const int divisor = std::gcd(p, q);
        const int num = (value < 0 ? -p : p) / divisor;
        const int den = q / divisor;
        std::string text = num == 1 ? "" : num == -1 ? "-" : FormatInt(num);
        text += SymbolCharToUtf8(style.piChar);
        if (den > 1)
            text += "/" + FormatInt(den);
        found = true;
        return text;
    }
    found = false;
    return {};
}

std::string PlainNumber(long double value, int decimals) {
    if (decimals == 0) {
        const long double whole = std::trunc(value);
        if (std::fabs(whole) < 9.2e18L)
            return FormatInt(static_cast<long long>(whole));
        return FormatFixed(whole, 0, 0);
    }
    return FormatFixed(value, decimals + 2, decimals);
}

} // namespace

std::string TickLabel(long double value, const LabelStyle& style) {
    std::string text;
    bool found = false;
    if (style.pi)
        text = PiMultiple(value, style, found);
    // A value that is no simple multiple of pi keeps its decimal form.
    if (!found)
        text = PlainNumber(value, style.decimals);
    if (!style.minusCustom)
        return text;
    const std::string minus = Cp1252CharToUtf8(style.minusChar);
    std::string out;
    for (char c : text) {
        if (c == '-')
            out += minus;
        else
            out += c;
    }
    return out;
}

namespace {

// Adobe Symbol encoding from 0x20; 0 marks codes without a character.
constexpr char16_t kSymbolLow[95] = {
    0x20,   0x21,   0x2200, 0x23,   0x2203, 0x25,   0x26,   0x220B, 0x28,   0x29,   0x2217, 0x2B,
    0x2C,   0x2212, 0x2E,   0x2F,   0x30,   0x31,   0x32,   0x33,   0x34,   0x35,   0x36,   0x37,
    0x38,   0x39,   0x3A,   0x3B,   0x3C,   0x3D,   0x3E,   0x3F,   0x2245, 0x391,  0x392,  0x3A7,
    0x394,  0x395,  0x3A6,  0x393,  0x397,  0x399,  0x3D1,  0x39A,  0x39B,  0x39C,  0x39D,  0x39F,
    0x3A0,  0x398,  0x3A1,  0x3A3,  0x3A4,  0x3A5,  0x3C2,  0x3A9,  0x39E,  0x3A8,  0x396,  0x5B,
    0x2234, 0x5D,   0x22A5, 0x5F,   0x203E, 0x3B1,  0x3B2,  0x3C7,  0x3B4,  0x3B5,  0x3C6,  0x3B3,
    0x3B7,  0x3B9,  0x3D5,  0x3BA,  0x3BB,  0x3BC,  0x3BD,  0x3BF,  0x3C0,  0x3B8,  0x3C1,  0x3C3,
    0x3C4,  0x3C5,  0x3D6,  0x3C9,  0x3BE,  0x3C8,  0x3B6,  0x7B,   0x7C,   0x7D,   0x223C,
};
constexpr char16_t kSymbolHigh[96] = {
    0x20AC, 0x3D2,  0x2032, 0x2264, 0x2044, 0x221E, 0x192,  0x2663, 0x2666, 0x2665, 0x2660, 0x2194,
    0x2190, 0x2191, 0x2192, 0x2193, 0xB0,   0xB1,   0x2033, 0x2265, 0xD7,   0x221D, 0x2202, 0x2022,
    0xF7,   0x2260, 0x2261, 0x2248, 0x2026, 0x23D0, 0x23AF, 0x21B5, 0x2135, 0x2111, 0x211C, 0x2118,
    0x2297, 0x2295, 0x2205, 0x2229, 0x222A, 0x2283, 0x2287, 0x2284, 0x2282, 0x2286, 0x2208, 0x2209,
    0x2220, 0x2207, 0xAE,   0xA9,   0x2122, 0x220F, 0x221A, 0x22C5, 0xAC,   0x2227, 0x2228, 0x21D4,
    0x21D0, 0x21D1, 0x21D2, 0x21D3, 0x25CA, 0x2329, 0xAE,   0xA9,   0x2122, 0x2211, 0x239B, 0x239C,
    0x239D, 0x23A1, 0x23A2, 0x23A3, 0x23A7, 0x23A8, 0x23A9, 0x23AA, 0,      0x232A, 0x222B, 0x2320,
    0x23AE, 0x2321, 0x239E, 0x239F, 0x23A0, 0x23A4, 0x23A5, 0x23A6, 0x23AB, 0x23AC, 0x23AD, 0,
};

std::string FromCode(char32_t code) {
    std::string out;
    AppendUtf8(out, code ? code : U'\uFFFD');
    return out;
}

} // namespace

std::string SymbolCharToUtf8(int code) {
    if (code >= 0x20 && code < 0x7F)
        return FromCode(kSymbolLow[code - 0x20]);
    if (code >= 0xA0 && code <= 0xFF)
        return FromCode(kSymbolHigh[code - 0xA0]);
    return FromCode(0);
}

std::string Cp1252CharToUtf8(int code) {
    if (code < 0 || code > 0xFF)
        return FromCode(0);
    return platform::Cp1252ToUtf8(std::string(1, static_cast<char>(code)));
}

} // namespace korvane
