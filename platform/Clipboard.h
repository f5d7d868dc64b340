#pragma once
// The system clipboard: text, pictures as pixels, and pictures as vector drawings (SVG
// bytes stand in for the metafiles of older systems).
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace korvane::platform {

class Surface;

class Clipboard {
public:
    virtual ~Clipboard() = default;

    virtual void SetText(const std::string& utf8) = 0;
    virtual std::optional<std::string> GetText() const = 0;

    // Copies the pixels of `picture`.
    virtual void SetImage(const Surface& picture) = 0;
    virtual bool HasImage() const = 0;
    // A new raster surface holding the clipboard's picture, or null.
    virtual std::unique_ptr<Surface> GetImage() const = 0;

    // Vector pictures. Sketched: the paste of pictures onto graphs will use these.
    virtual void SetSvg(const std::string& svgBytes) = 0;
    // A picture as a vector drawing and as pixels together, in one entry, so that every
    // program takes the form it can read.
    virtual void SetPicture(const std::string& svgBytes, const Surface& pixels) = 0;
    virtual std::optional<std::string> GetSvg() const = 0;
    // The picture to paste onto a graph: SVG bytes when there is a vector drawing, else
    // the pixels as PNG bytes; nothing without a picture.
    virtual std::optional<std::vector<std::uint8_t>> GetPictureData() const = 0;
};

} // namespace korvane::platform
