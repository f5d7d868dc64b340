#include "space/TRDSWin.h"

#include <algorithm>
#include <cmath>

#include "graph/ColourSlots.h"
#include "platform/Surface.h"
#include "platform/Window.h"
#include "space/SurfaceRecord.h"

namespace korvane {

TRDSWin::TRDSWin(platform::Platform& platform, const WindowOptions& options, platform::Window* owner)
    : TPlot11Win(platform, options, owner) {
    colours_.slots[kSlotBackground].index = 1;
    colours_.slots[kSlotAxes].index = 0;
    axes_.axesShown = false;
    currentLevel_ = 1;
    OpenGraphWindow(options_.title.empty() ? "estereograma" : options_.title, "RDSMENU");
    SyncPixelSizes();
    RestorePlacement();
    Recompute();
    CreateLayers(1);
    RefreshMenuChecks();
    window_->Show();
}

TRDSWin::~TRDSWin() { WriteSettingsFile(); }

bool TRDSWin::Box(SpacePoint& low, SpacePoint& high) const {
    low = {1e18L, 1e18L, 1e18L};
    high = {-1e18L, -1e18L, -1e18L};
    bool any = false;
    for (const ExampleRecord* e : records ? records() : std::vector<const ExampleRecord*>{}) {
        const SpacePoint a = RecordBoxMin(*e), b = RecordBoxMax(*e);
        low = {std::min(low.x, a.x), std::min(low.y, a.y), std::min(low.z, a.z)};
        high = {std::max(high.x, b.x), std::max(high.y, b.y), std::max(high.z, b.z)};
        any = true;
    }
    return any;
}

// The view shows the box's x extent across the window, centred on the box.
void TRDSWin::Refresh() {
    SpacePoint low, high;
    if (Box(low, high)) {
        view_.aspect = 1;
        SetView((low.x + high.x) / 2, (low.y + high.y) / 2, (high.x - low.x) / 2, (high.y - low.y) / 2, false);
    }
    InvalidatePicture();
    Redraw(1);
}

void TRDSWin::DrawGuideDots(platform::Surface& surface, const StereogramLayout& layout) {
    // Two discs a strip apart on a clear band under the picture: fused, they show three.
    const int radius = std::max(3, layout.rowHeight);
    const int y = layout.height - 2 * radius;
    const int half = static_cast<int>(std::lround(layout.scale * layout.strip / 2));
    const platform::Rgb ink = PenRgb(SlotColour(kSlotAxes));
    surface.FillRect({0, y - 2 * radius, layout.width, layout.height}, BackgroundRgb());
    surface.SetPen({ink, 1, platform::PenStyle::Solid});
    surface.SetBrush({ink, platform::BrushStyle::Solid});
    for (int side : {-1, 1}) {
        const int x = layout.width / 2 + side * half;
        surface.Ellipse({x - radius, y - radius, x + radius + 1, y + radius + 1});
    }
}

void TRDSWin::DrawBase(platform::Surface& surface) {
    ClearToBackground(surface);
    rowsDrawn_ = 0;
    stopped_ = false;
    SpacePoint low, high;
    if (!Box(low, high) || !parameters)
        return;
    const StereogramParameters p = ClampedStereogram(parameters());
    const StereogramLayout layout = ComputeStereogramLayout(p, view_.clientW, view_.clientH, low, high);
    if (!layout.usable)
        return;
    if (copyLetters)
        copyLetters(context_);
    const std::vector<const ExampleRecord*> shown = records();
    const bool poll = !Printing() && window_;
    StereogramTarget target;
    const bool printing = Printing();
    target.dot = [&](int x, int y, int size, const ExampleRecord& e) {
        const platform::Rgb colour = PenRgb(e.Colour());
        if (size == 1 || printing) {
            for (int dy = 0; dy < size; ++dy)
                for (int dx = 0; dx < size; ++dx)
                    surface.SetPixel({x + dx, y + dy}, colour);
        } else {
            surface.FillRect({x, y, x + size, y + size}, colour);
        }
    };
    target.poll = [&](int row, int rows) {
        rowsDrawn_ = row + 1;
        if (!poll)
            return true;
        window_->SetTitle("estereograma: linha " + std::to_string(row + 1) + " de " + std::to_string(rows + 1) +
                          "; " + StatusText(1, 0, 0));
        return PeekKey() != 'S';
    };
    stopped_ = !DrawStereogram(context_, shown, layout, p, view_.ymax, RandomGenerator::Program(), target);
    if (poll)
        ClearStatus();
    if (!stopped_)
        DrawGuideDots(surface, layout);
}

void TRDSWin::OnCommand(int id) {
    if (id == cmd::kStereogramClose) {
        OnClose();
        return;
    }
    TPlot11Win::OnCommand(id);
}

bool TRDSWin::OnClose() {
    if (window_)
        window_->Hide();
    return false;
}

void TRDSWin::OnDestroy() { WriteSettingsFile(); }

} // namespace korvane
