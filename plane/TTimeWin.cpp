#include "plane/TTimeWin.h"

#include <algorithm>
#include <cmath>

#include "graph/ColourSlots.h"
#include "graph/ColourTable.h"
#include "platform/Platform.h"
#include "platform/Surface.h"
#include "platform/Window.h"

namespace korvane {

namespace {

constexpr long double kTimeRange = 11.5L;
const char* const kNames[3] = {"x", "y", "z"};

} // namespace

std::string TTimeWin::Title(int k, int dimension, const std::string& documentName) {
    const std::string head = k == dimension ? "janela de tempo" : std::string(kNames[std::clamp(k, 0, 2)]) + "-janela";
    return head + " para " + documentName;
}

TTimeWin::TTimeWin(platform::Platform& platform, const WindowOptions& options, platform::Window* owner, int k,
                   TimeParent parent)
    : TPlot1Win(platform, options, owner), k_(std::clamp(k, 0, parent.dimension)), parent_(std::move(parent)) {
    output_.besideDocument = [this] { return parent_.documentName; };
    colours_.slots[kSlotBackground].index = 1;
    colours_.slots[kSlotAxes].index = 0;
    colours_.slots[kSlotGrid].index = 18;
    axes_.scaleBits = ScaleLabelsX | ScaleLabelsY;
    axes_.arrows = true;
    axes_.labels = true;
    currentLevel_ = 1;
    OpenGraphWindow(Title(k_, parent_.dimension, parent_.documentName), "TXMENU");
    SyncPixelSizes();
    if (!settingsRead_)
        Place();
    RestorePlacement();
    Recompute();
    SetUpView();
    CreateLayers(1);
    RefreshMenuChecks();
    EnableOutputCommands();
    window_->Show();
    RequestRepaint();
}

TTimeWin::~TTimeWin() { WriteSettingsFile(); }

// Below the middle of the screen, each component a little further on.
void TTimeWin::Place() {
    const platform::Size screen = platform_.ScreenSize();
    platform::Placement p;
    p.x = 20 * (k_ + 1) + screen.width / 7;
    p.y = 20 * (k_ + 1) + 2 * screen.height / 7;
    p.width = 4 * screen.width / 7;
    p.height = 2 * screen.height / 7;
    window_->SetPlacement(p);
}

void TTimeWin::SetUpView() {
    // The axes: t across, the component up; the combined window's vertical axis has no name.
    axes_.axesShown = true;
    axes_.axisNames[0] = "t";
    axes_.axisNames[1] = Combined() ? "" : kNames[k_];
    long double low = 0, high = 0;
    if (Combined()) {
        low = *std::min_element(parent_.low, parent_.low + parent_.dimension);
        high = *std::max_element(parent_.high, parent_.high + parent_.dimension);
    } else {
        low = parent_.low[k_];
        high = parent_.high[k_];
    }
    if (!(high > low) || !std::isfinite(low) || !std::isfinite(high)) {
        low = -5;
        high = 5;
    }
    // Time across and the component up have scales of their own: the limits as corners.
    SetView(0, (low + high) / 2, kTimeRange, (high - low) / 2, true);
}

void TTimeWin::ParentChanged(TimeParent parent) {
    parent_ = std::move(parent);
    SetBaseTitle(Title(k_, parent_.dimension, parent_.documentName));
    InvalidatePicture();
    Redraw(1);
}

void TTimeWin::DrawBase(platform::Surface& surface) {
    DrawGrid(surface);
    if (!parent_.walk)
        return;
    // x when k = 0, y when k = 1, z when k >= 2 in space; every component when combined.
    const bool combined = Combined();
    const bool draws[3] = {k_ == 0 || combined, k_ == 1 || combined, parent_.dimension == 3 && k_ >= 2};
    TimePoint last;
    bool previous = false;
    const int width = Printing() ? widths_.axesPrinter : 1;
    parent_.walk(
        [&](int colour) {
            surface.SetPen({PenRgb(colour >= 0 && colour < kColourCount ? colour : 0), std::max(1, width),
                            platform::PenStyle::Solid});
            previous = false;
        },
        [&](const TimePoint& p) {
            if (previous) {
                const long double from[3] = {last.x, last.y, last.z}, to[3] = {p.x, p.y, p.z};
                for (int c = 0; c < 3; ++c)
                    if (draws[c])
                        DrawWorldLine(surface, last.t, from[c], p.t, to[c]);
            }
            last = p;
            previous = true;
        });
}

void TTimeWin::DrawWorldLine(platform::Surface& surface, long double t0, long double v0, long double t1,
                             long double v1) const {
    if (!view_.ClipSegment(t0, v0, t1, v1))
        return;
    surface.Line({view_.ToPixelXInt(t0), view_.ToPixelYInt(v0)}, {view_.ToPixelXInt(t1), view_.ToPixelYInt(v1)});
}

bool TTimeWin::OnClose() {
    if (window_)
        window_->Hide();
    return false;
}

void TTimeWin::OnCommand(int id) {
    if (id == cmd::kTimeWindowClose) {
        OnClose();
        return;
    }
    TPlot1Win::OnCommand(id);
}

} // namespace korvane
