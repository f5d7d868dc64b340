#include "graph/TickLayout.h"

#include "graph/NumberText.h"
#include "graph/View.h"
#include "platform/Cp1252.h"
#include "platform/SymbolCharset.h"

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
        text += platform::SymbolCharToUtf8(style.piChar);
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

std::string Cp1252CharToUtf8(int code) {
    if (code < 0 || code > 0xFF)
        return "\uFFFD";
    return platform::Cp1252ToUtf8(std::string(1, static_cast<char>(code)));
}

} // namespace korvane
