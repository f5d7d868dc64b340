#include "space/SpaceFrame.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "platform/Surface.h"

namespace korvane {

namespace {

// Points this many client sizes beyond the window are not drawn: their lines would be
// traced pixel by pixel far outside the picture.
constexpr long double kClientReach = 4;

// One line as pieces; a piece is left out when its middle is hidden or an end cannot be
// drawn.
void DrawPieces(const SpaceView& view, const View& pixels, const SpaceFrameStyle& style, const SpacePoint& from,
                const SpacePoint& to, platform::Surface& surface) {
    const SpacePoint step = (1.0L / kFramePieces) * (to - from);
    for (int k = 0; k < kFramePieces; ++k) {
        const SpacePoint a = from + static_cast<long double>(k) * step, b = a + step;
        if (style.hidden && style.hidden(a + 0.5L * step))
            continue;
        PixelPoint pa, pb;
        if (SpaceToPixel(view, pixels, a, pa) && SpaceToPixel(view, pixels, b, pb))
            surface.Line({pa.x, pa.y}, {pb.x, pb.y});
    }
}

std::string CornerText(const SpacePoint& p) {
    char text[96];
    std::snprintf(text, sizeof text, "(%.3Lg, %.3Lg, %.3Lg)", p.x, p.y, p.z);
    return text;
}

void DrawLabel(const SpaceView& view, const View& pixels, const SpacePoint& p, const std::string& text,
               platform::Surface& surface) {
    PixelPoint at;
    if (SpaceToPixel(view, pixels, p, at))
        surface.TextOut({at.x + 3, at.y + 2}, text);
}

void DrawAxes(const SpaceView& view, const View& pixels, const SpaceFrameStyle& style, platform::Surface& surface) {
    surface.SetPen({style.axisColour, style.axisWidth, platform::PenStyle::Solid});
    const SpacePoint& low = view.axisMin;
    const SpacePoint& high = view.axisMax;
    const SpacePoint ends[3][2] = {{{low.x, 0, 0}, {high.x, 0, 0}},
                                   {{0, low.y, 0}, {0, high.y, 0}},
                                   {{0, 0, low.z}, {0, 0, high.z}}};
    for (const auto& axis : ends)
        DrawPieces(view, pixels, style, axis[0], axis[1], surface);
    if (!style.axisNames)
        return;
    surface.SetTextColour(style.textColour);
    surface.SetBackgroundMode(platform::BackgroundMode::Transparent);
    for (std::size_t k = 0; k < 3; ++k)
        DrawLabel(view, pixels, ends[k][1], style.names[k], surface);
}

void DrawBox(const SpaceView& view, const View& pixels, const SpaceFrameStyle& style, platform::Surface& surface) {
    const bool dotted = view.boxDotted;
    surface.SetPen({style.boxColour, dotted ? 0 : style.boxWidth,
                    dotted ? platform::PenStyle::Dotted : platform::PenStyle::Solid});
    const SpacePoint& a = view.boxMin;
    const SpacePoint& b = view.boxMax;
    auto corner = [&](int c) {
        return SpacePoint{c & 1 ? b.x : a.x, c & 2 ? b.y : a.y, c & 4 ? b.z : a.z};
    };
    // The twelve edges join corners that differ in one coordinate bit.
    for (int c = 0; c < 8; ++c)
        for (int bit : {1, 2, 4})
            if (!(c & bit))
                DrawPieces(view, pixels, style, corner(c), corner(c | bit), surface);
    if (!view.boxCoordinates)
        return;
    surface.SetTextColour(style.textColour);
    surface.SetBackgroundMode(platform::BackgroundMode::Transparent);
    DrawLabel(view, pixels, a, CornerText(a), surface);
    DrawLabel(view, pixels, b, CornerText(b), surface);
}

} // namespace

bool SpaceToPixel(const SpaceView& view, const View& pixels, const SpacePoint& p, PixelPoint& out) {
    long double u = 0, v = 0;
    if (!view.Project(p, u, v))
        return false;
    const long double x = pixels.PixelOffsetX(u), y = pixels.PixelOffsetY(v);
    const long double reach = kClientReach * std::max(pixels.clientW, pixels.clientH);
    if (!(std::fabs(x) < reach) || !(std::fabs(y) < reach))
        return false;
    out = {RoundToInt(x) + pixels.offsetX, RoundToInt(y) + pixels.offsetY};
    return true;
}

void DrawSpaceFrame(const SpaceView& view, const View& pixels, const SpaceFrameStyle& style,
                    platform::Surface& surface) {
    if (style.axes)
        DrawAxes(view, pixels, style, surface);
    if (view.boxShown)
        DrawBox(view, pixels, style, surface);
}

} // namespace korvane
