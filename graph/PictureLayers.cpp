#include "graph/PictureLayers.h"

namespace korvane {

using platform::Point;
using platform::Rect;
using platform::Size;

void ClearToBackground(platform::Surface& surface, Size size, platform::Rgb background) {
    surface.FillRect(Rect::FromSize({0, 0}, size), background);
}

void PictureLayers::CreateLayers(int level, Size size, platform::Rgb background) {
    platform::Surface* last = nullptr;
    ++baseGeneration_;
    frontHolds_ = false;
    for (int k = 0; k <= level && k < 3; ++k) {
        bitmaps_[k] = factory_(size);
        valid_[k] = false;
        last = bitmaps_[k].get();
    }
    if (last)
        ClearToBackground(*last, size, background);
}

void PictureLayers::InvalidateLayer(int level) {
    if (level < 0)
        return;
    if (level >= 1)
        ++baseGeneration_;
    valid_[Index(level)] = false;
}

bool PictureLayers::EnsureLayer(int level, Size size, platform::Rgb background) {
    std::unique_ptr<platform::Surface>& bitmap = bitmaps_[Index(level)];
    if (bitmap && bitmap->GetSize() == size)
        return false;
    bitmap = factory_(size);
    valid_[Index(level)] = false;
    if (bitmap)
        ClearToBackground(*bitmap, size, background);
    return true;
}

void PictureLayers::BlitLayer(int level, platform::Surface& target, Point at, Size size) const {
    const platform::Surface* layer = bitmaps_[Index(level)].get();
    if (layer)
        target.Blit(at, *layer, Rect::FromSize({0, 0}, size));
}

void PictureLayers::ShownOnFront() {
    valid_[0] = valid_[1] = false;
    frontHolds_ = true;
}

void PictureLayers::TakeFrontPicture(const platform::Surface& front, Point at, Size size) {
    if (!frontHolds_ || !bitmaps_[0] || bitmaps_[0]->GetSize() != size)
        return;
    bitmaps_[0]->Blit({0, 0}, front, Rect::FromSize(at, size));
    valid_[0] = true;
    frontHolds_ = false;
}

void PictureLayers::ReleaseAll() {
    ++baseGeneration_;
    frontHolds_ = false;
    for (int k = 0; k < 3; ++k) {
        bitmaps_[k].reset();
        valid_[k] = false;
    }
}

void PictureLayers::EnsureLayers(Size size, platform::Rgb background) {
    // Layers follow the client size; a size change makes both shown layers new.
    for (int k = 0; k < 2; ++k) {
        if (!bitmaps_[k] || bitmaps_[k]->GetSize() != size) {
            CreateLayers(1, size, background);
            return;
        }
    }
}

bool PictureLayers::Paint(platform::Surface& front, const PaintRequest& request) {
    EnsureLayers(request.size, request.background);
    if (request.gridChanged || !request.pictureValid) {
        valid_[1] = false;
        ++baseGeneration_;
    }
    if (valid_[1] && valid_[0]) {
        BlitLayer(0, front, request.offset, request.size);
        return false;
    }
    const bool rebuild = !valid_[1];
    platform::Surface& base = *bitmaps_[1];
    platform::Surface& shown = *bitmaps_[0];
    if (rebuild) {
        ClearToBackground(base, request.size, request.background);
        base.SetBackgroundColour(request.background);
        if (request.drawBase)
            request.drawBase(base);
        valid_[1] = true;
    }
    shown.Blit({0, 0}, base, Rect::FromSize({0, 0}, request.size));
    frontHolds_ = false;
    if (request.drawOverlay)
        request.drawOverlay(shown);
    valid_[0] = true;
    BlitLayer(0, front, request.offset, request.size);
    return rebuild;
}

} // namespace korvane
