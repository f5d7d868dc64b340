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
    pictureData_.reset();
}

std::optional<std::vector<std::uint8_t>> MemoryClipboard::GetPictureData() const {
    if (svg_)
        return std::vector<std::uint8_t>(svg_->begin(), svg_->end());
    return pictureData_;
}

} // namespace korvane::platform
