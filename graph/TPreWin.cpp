#include "graph/TPreWin.h"

#include "graph/ColourTable.h"
#include "graph/NumberText.h"

namespace korvane {

TPreWin::TPreWin(platform::Platform& platform, const WindowOptions& options, platform::Window* owner)
    : TFontWin(platform, options, owner),
      layers_([&platform](platform::Size size) { return platform.CreateSurface(size); }) {}

TPreWin::~TPreWin() = default;

platform::Rgb TPreWin::BackgroundRgb() const { return ColourRGB(colours_.Background()); }

platform::Rgb TPreWin::PenRgb(int index) const {
    return ColourRGB(PenColour(index, colours_.Background(), printing_, printInColour_));
}

platform::Size TPreWin::ClientSize() const {
    if (!window_)
        return {1, 1};
    platform::Size size = window_->GetClientSize();
    if (size.width < 1)
        size.width = 1;
    if (size.height < 1)
        size.height = 1;
    return size;
}

void TPreWin::CreateLayers(int level) { layers_.CreateLayers(level, ClientSize(), BackgroundRgb()); }

void TPreWin::BlitLayer(int level, platform::Surface& surface) {
    if (level < 1 && window_)
        layers_.TakeFrontPicture(window_->FrontSurface(), PictureOffset(), ClientSize());
    layers_.BlitLayer(level, surface, PictureOffset(), ClientSize());
}

void TPreWin::ClearToBackground(platform::Surface& surface) {
    korvane::ClearToBackground(surface, surface.GetSize(), BackgroundRgb());
}

void TPreWin::RequestRepaint() {
    if (window_)
        window_->RequestRepaint();
}

void TPreWin::Redraw(int level) {
    InvalidateLayer(level);
    RequestRepaint();
}

int TPreWin::PeekKey() {
    if (!window_)
        return 0;
    if (!statusShown_) {
        SetStatus(1);
        drawingStatus_ = true;
    }
    return window_->PeekKey();
}

void TPreWin::EndDrawingStatus() {
    if (drawingStatus_)
        ClearStatus();
}

std::string TPreWin::StatusText(int code, int first, int second) {
    const std::string a = FormatInt(first), b = FormatInt(second);
    switch (code) {
    case 6: return StringOf(606) + a + "; " + StringOf(601);
    case 7: return StringOf(607) + a + "; " + StringOf(608);
    case 11: return StringOf(611) + a;
    case 12: return StringOf(607) + " " + a + "/" + b;
    case 14: return StringOf(607) + a + "; " + StringOf(614);
    default: return StringOf(600 + code);
    }
}

void TPreWin::SetStatus(int code, int first, int second) {
    statusShown_ = true;
    drawingStatus_ = false;
    if (window_)
        window_->SetTitle(StatusText(code, first, second));
}

void TPreWin::SetDrawingStatus(const std::string& text) {
    statusShown_ = drawingStatus_ = true;
    if (window_)
        window_->SetTitle(text);
}

void TPreWin::ClearStatus() {
    statusShown_ = drawingStatus_ = false;
    if (window_)
        window_->SetTitle(BaseTitle());
}

void TPreWin::OpenColourWindow(const std::string& title, int current, TColWin::Chooser chooser) {
    if (!colourWindow_)
        colourWindow_ = std::make_unique<TColWin>(platform_, window_.get());
    colourWindow_->Open(title, current, std::move(chooser));
}

void TPreWin::ChooseSlotColour(int slot) {
    if (slot < 0 || slot >= static_cast<int>(colours_.slots.size()))
        return;
    OpenColourWindow(colours_.slots[slot].name, colours_.slots[slot].index,
                     [this, slot](int index) { SetSlotColour(slot, index); });
}

void TPreWin::SetSlotColour(int slot, int index) {
    if (slot < 0 || slot >= static_cast<int>(colours_.slots.size()))
        return;
    ColourSlot& s = colours_.slots[slot];
    s.index = index;
    if (colourRepaints) {
        InvalidateLayer(s.level);
        // The background shows through every layer.
        if (slot == kSlotBackground)
            InvalidatePicture();
        RequestRepaint();
    }
    if (colourSetsModified)
        SetModified();
}

} // namespace korvane
