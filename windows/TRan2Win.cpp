#include "windows/TRan2Win.h"

#include "platform/Window.h"
#include "windows/TDom2Win.h"

#include <cmath>

namespace korvane {

namespace {

constexpr long double kEnlarge = 1.02L;

} // namespace

TRan2Win::TRan2Win(platform::Platform& platform, const WindowOptions& options, platform::Window* owner)
    : TMap2Win(platform, options, owner) {
    CreateMapperWindow(options_.title.empty() ? "contradomínio" : options_.title, "RAN2MENU");
    window_->Show();
    RequestRepaint();
}

TRan2Win::~TRan2Win() { WriteSettingsFile(); }

TDom2Win* TRan2Win::Domain() const { return static_cast<TDom2Win*>(partner_); }

void TRan2Win::FitTo(long double cx, long double cy, long double rx, long double ry) {
    SetView(cx, cy, rx * kEnlarge, ry * kEnlarge, true);
    RedrawExamples();
}

bool TRan2Win::Image(long double& x, long double& y) {
    TDom2Win* domain = Domain();
    const ExampleRecord* map = domain ? domain->ActiveMap() : nullptr;
    if (map && !MapPointThrough(domain->Context(), *map, x, y))
        return false;
    return std::isfinite(x) && std::isfinite(y);
}

void TRan2Win::AddImage(long double x, long double y, bool end) {
    if (!Image(x, y)) {
        MarkFreehandBreak();
        return;
    }
    AddFreehand({x, y}, end);
}

void TRan2Win::RemapFreehand() {
    ClearFreehand();
    if (TDom2Win* domain = Domain())
        for (const FreehandPoint& p : domain->Freehand())
            AddImage(p.at.x, p.at.y, p.end);
}

void TRan2Win::ShowImageOf(WorldPoint p) {
    if (Image(p.x, p.y))
        SetCursorPoint(p);
    else
        SetCursorPoint(std::nullopt);
}

void TRan2Win::DrawBase(platform::Surface& surface) {
    // The range has no examples of its own: the plane levels' picture is the domain's.
    TFuncWin::DrawBase(surface);
    if (TDom2Win* domain = Domain())
        domain->DrawMapped(surface, view_, *this);
    EndDrawingStatus();
}

void TRan2Win::DrawOverlay(platform::Surface& surface) {
    if (TDom2Win* domain = Domain())
        domain->DrawMappedOverlay(surface, view_, *this);
    TMap2Win::DrawOverlay(surface);
}

void TRan2Win::OnCommand(int id) {
    switch (id) {
    case cmd::kMapperClose:
        if (window_)
            window_->Close();
        return;
    case cmd::kFitRange:
        if (TDom2Win* domain = Domain())
            domain->FitRange();
        return;
    default: TMap2Win::OnCommand(id); return;
    }
}

} // namespace korvane
