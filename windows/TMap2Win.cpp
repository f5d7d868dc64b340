#include "windows/TMap2Win.h"

#include "platform/Window.h"

#include <algorithm>
#include <cmath>

namespace korvane {

namespace {

// A stroke of a hand that never lets go must not eat the memory.
constexpr std::size_t kMaxFreehandPoints = 1000000;
constexpr int kCursorArm = 6;
// Pixels beyond this are no place to draw a stroke to.
constexpr long double kFarPixel = 1e6L;

} // namespace

TMap2Win::TMap2Win(platform::Platform& platform, const WindowOptions& options, platform::Window* owner)
    : TPlotAWin(platform, options, owner) {
    SetUpDefaults();
}

TMap2Win::~TMap2Win() {
    if (partner_)
        partner_->partner_ = nullptr;
}

void TMap2Win::Link(TMap2Win& domain, TMap2Win& range) {
    domain.partner_ = &range;
    range.partner_ = &domain;
}

void TMap2Win::SetUpDefaults() {
    colours_.slots[kSlotBackground].index = 1;
    colours_.slots[kSlotAxes].index = 0;
    colours_.slots[kSlotGrid].index = 18;
    // The strips of Riemann sums, as the plane window draws them.
    colours_.slots[kSlotStrips].index = 4;
    colours_.Name(kSlotStrips, 107, 0);
    axes_.axesShown = true;
    axes_.scaleBits = ScaleLabelsX | ScaleLabelsY;
    axes_.gridBits = 0;
    axes_.decimalsX = axes_.decimalsY = 0;
    axes_.arrows = true;
    axes_.labels = true;
    currentLevel_ = 1;
}

void TMap2Win::CreateMapperWindow(const std::string& title, const char* menu) {
    OpenGraphWindow(title, menu);
    SyncPixelSizes();
    RestorePlacement();
    Recompute();
    CreateLayers(1);
    RefreshMenuChecks();
    Output().RefreshMenu(); // the range opens no document that would mark it
}

void TMap2Win::PackSlots(SettingsRecord& record) { PackPlaneLook(plane_, record); }

void TMap2Win::UnpackSlots(const SettingsRecord& record) { UnpackPlaneLook(plane_, record); }

void TMap2Win::RefreshMenuChecks() {
    TPlotAWin::RefreshMenuChecks();
    if (!window_)
        return;
    window_->CheckMenuItem(cmd::kMouseJacobian, mouseMode_ == cmd::kMouseJacobian);
    window_->CheckMenuItem(cmd::kMouseFreehand, mouseMode_ == cmd::kMouseFreehand);
}

void TMap2Win::AddFreehand(WorldPoint at, bool end) {
    if (freehand_.size() >= kMaxFreehandPoints)
        return;
    freehand_.push_back({at, end});
    Redraw(0);
}

void TMap2Win::MarkFreehandBreak() {
    if (!freehand_.empty())
        freehand_.back().end = true;
    Redraw(0);
}

void TMap2Win::ClearFreehand() {
    freehand_.clear();
    Redraw(0);
}

void TMap2Win::SetCursorPoint(std::optional<WorldPoint> point) {
    cursor_ = point;
    Redraw(0);
}

void TMap2Win::DrawOverlay(platform::Surface& surface) {
    TPlotAWin::DrawOverlay(surface);
    DrawFreehand(surface);
    DrawCursor(surface);
}

// Strokes in the window's pen colour; an end flag starts a new stroke after its point, and
// so does a point the view cannot place.
void TMap2Win::DrawFreehand(platform::Surface& surface) {
    const int width = std::max(1, Printing() ? widths_.axesPrinter : 1);
    surface.SetPen({PenRgb(SlotColour(kSlotAxes)), width, platform::PenStyle::Solid});
    std::vector<platform::Point> stroke;
    const auto flush = [&] {
        if (stroke.size() >= 2)
            surface.Polyline(stroke);
        stroke.clear();
    };
    for (const FreehandPoint& p : freehand_) {
        const long double px = view_.ToPixelX(p.at.x), py = view_.ToPixelY(p.at.y);
        if (!(std::fabs(px) < kFarPixel) || !(std::fabs(py) < kFarPixel)) {
            flush();
            continue;
        }
        stroke.push_back({static_cast<int>(std::lround(px)), static_cast<int>(std::lround(py))});
        if (p.end)
            flush();
    }
    flush();
}

void TMap2Win::DrawCursor(platform::Surface& surface) {
    if (!cursor_ || !view_.Inside(cursor_->x, cursor_->y))
        return;
    const platform::Point c{view_.ToPixelXInt(cursor_->x), view_.ToPixelYInt(cursor_->y)};
    surface.SetPen({PenRgb(SlotColour(kSlotAxes)), 1, platform::PenStyle::Solid});
    surface.Line({c.x - kCursorArm, c.y}, {c.x + kCursorArm + 1, c.y});
    surface.Line({c.x, c.y - kCursorArm}, {c.x, c.y + kCursorArm + 1});
}

void TMap2Win::OnDestroy() {
    TPlotAWin::OnDestroy();
    WriteSettingsFile();
}

} // namespace korvane
