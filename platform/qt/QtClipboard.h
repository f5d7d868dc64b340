#pragma once
// The system clipboard through QClipboard; vector pictures travel as image/svg+xml.
#include "platform/Clipboard.h"

namespace korvane::platform {

class QtClipboard : public Clipboard {
public:
    void SetText(const std::string& utf8) override;
    std::optional<std::string> GetText() const override;
    void SetImage(const Surface& picture) override;
    bool HasImage() const override;
    std::unique_ptr<Surface> GetImage() const override;
    void SetSvg(const std::string& svgBytes) override;
    void SetPicture(const std::string& svgBytes, const Surface& pixels) override;
    std::optional<std::string> GetSvg() const override;
    std::optional<std::vector<std::uint8_t>> GetPictureData() const override;
};

} // namespace korvane::platform
