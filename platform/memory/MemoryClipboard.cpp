#include "platform/memory/MemoryClipboard.h"

namespace korvane::platform {

void MemoryClipboard::SetImage(const Surface& picture) {
    image_.emplace(picture.GetSize());
    image_->BlitAll(picture);
}

std::unique_ptr<Surface> MemoryClipboard::GetImage() const {
    if (!image_)
        return nullptr;
    return std::make_unique<RasterSurface>(*image_);
}

void MemoryClipboard::Clear() {
    text_.reset();
    image_.reset();
    svg_.reset();
}

} // namespace korvane::platform
