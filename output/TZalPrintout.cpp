#include "output/TZalPrintout.h"

#include <algorithm>
#include <cmath>

namespace korvane {

namespace {

constexpr long double kMinimumInches = 0.25L;
constexpr int kWhite = 1;

} // namespace

PagePlacement PlacePicture(const SettingsRecord& s, long double rx, platform::Size screen,
                           const platform::PageInfo& page) {
    const long double unit = s.printValues[0], width = s.printValues[1];
    // With neither a width nor a unit chosen (a fresh window), a unit of |P0| per world
    // unit, one centimetre by default, rather than a quarter inch.
    long double inches = width > 0 ? width : std::fabs(unit) * 2 * rx;
    const long double left = std::max(s.printValues[2], kMinimumInches);
    const long double top = std::max(s.printValues[3], kMinimumInches);
    // Never beyond the paper's printable width.
    const long double room = (page.printable.width + page.physicalOffset.x) / static_cast<long double>(page.dpiX) - left;
    inches = std::clamp(inches, kMinimumInches, std::max(kMinimumInches, room));
    PagePlacement p;
    p.offsetX = RoundToInt(left * page.dpiX) - page.physicalOffset.x;
    p.offsetY = RoundToInt(top * page.dpiY) - page.physicalOffset.y;
    p.width = std::max(1, static_cast<int>(RoundToInt(inches * page.dpiX)));
    p.height = std::max(1, static_cast<int>(RoundToInt(inches * screen.height / screen.width * page.dpiY)));
    return p;
}

bool TZalPrintout::PrintPage(platform::Surface& surface, const platform::PageInfo& page) {
    View& view = window_.GetView();
    const View screen = view;
    const SettingsRecord& settings = window_.HeaderSettings();
    const PagePlacement p = PlacePicture(settings, view.rx, {view.clientW, view.clientH}, page);
    ColourSlot& background = window_.Colours().slots[kSlotBackground];
    const int screenBackground = background.index;
    background.index = kWhite;
    window_.SetPrinting(true, settings.printFlags[1]);
    view.SetClientSize(p.width, p.height);
    view.offsetX = static_cast<std::int16_t>(std::clamp(p.offsetX, -32768, 32767));
    view.offsetY = static_cast<std::int16_t>(std::clamp(p.offsetY, -32768, 32767));
    view.Recompute();
    // Nothing beyond the picture reaches the paper, as nothing beyond the client reaches the screen.
    surface.SetClip(platform::Rect::FromSize({view.offsetX, view.offsetY}, {p.width, p.height}));
    window_.DrawBase(surface);
    window_.DrawOverlay(surface);
    surface.SetClip(std::nullopt);
    if (settings.printFlags[0]) {
        surface.SetPen({platform::kBlack, 1, platform::PenStyle::Solid});
        const int l = view.offsetX, t = view.offsetY, r = l + p.width - 1, b = t + p.height - 1;
        surface.Line({l, t}, {r, t});
        surface.Line({r, t}, {r, b});
        surface.Line({r, b}, {l, b});
        surface.Line({l, b}, {l, t});
    }
    window_.SetPrinting(false, false);
    background.index = screenBackground;
    view = screen;
    return true;
}

} // namespace korvane
