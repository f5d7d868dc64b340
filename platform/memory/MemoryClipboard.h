#pragma once
// The in-memory Clipboard: one text, one picture and one vector picture.
#include "platform/Clipboard.h"
#include "platform/memory/RasterSurface.h"

namespace korvane::platform {

class MemoryClipboard : public Clipboard {
public:
    void SetText(const std::string& utf8) override { text_ = utf8; }
    std::optional<std::string> GetText() const override { return text_; }
    void SetImage(const Surface& picture) override;
    bool HasImage() const override { return image_.has_value(); }
    std::unique_ptr<Surface> GetImage() const override;
    void SetSvg(const std::string& svgBytes) override { svg_ = svgBytes; }
    void SetPicture(const std::string& svgBytes, const Surface& pixels) override {
        SetImage(pixels);
        svg_ = svgBytes;
    }
    std::optional<std::string> GetSvg() const override { return svg_; }
    // The SVG, else what SetPictureData gave (this clipboard writes no PNG of its own).
    std::optional<std::vector<std::uint8_t>> GetPictureData() const override;
    void SetPictureData(std::vector<std::uint8_t> bytes) { pictureData_ = std::move(bytes); }

    void Clear();
    const RasterSurface* Image() const { return image_ ? &*image_ : nullptr; }

private:
    std::optional<std::string> text_;
    std::optional<RasterSurface> image_;
    std::optional<std::string> svg_;
    std::optional<std::vector<std::uint8_t>> pictureData_;
};

} // namespace korvane::platform
