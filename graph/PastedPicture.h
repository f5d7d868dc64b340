#pragma once
// A picture pasted onto the graph: PNG or SVG bytes placed on a world rectangle, so that
// it scales with the view; and its 40-byte document placement.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace korvane {

enum class PictureFormat : std::uint8_t { Png = 1, Svg = 2 };

struct PastedPicture {
    long double x = 0, y = 0;          // world point of the top-left corner
    long double width = 0, height = 0; // world extents
    PictureFormat format = PictureFormat::Png;
    std::vector<std::uint8_t> data;
    friend bool operator==(const PastedPicture&, const PastedPicture&) = default;
};

// The placement, ours: the reals x, y, width, height at 0, 10, 20, 30.
inline constexpr std::size_t kPicturePlacementBytes = 40;
using PicturePlacement = std::array<std::uint8_t, kPicturePlacementBytes>;

// The format of picture bytes by their first bytes, or nothing.
std::optional<PictureFormat> SniffPictureFormat(std::span<const std::uint8_t> data);

PicturePlacement StorePicturePlacement(const PastedPicture& picture);
// Nothing for a damaged picture: a rectangle that is no finite, positive one, a format
// byte that does not name the format of the bytes.
std::optional<PastedPicture> LoadPastedPicture(const PicturePlacement& placement, std::uint8_t format,
                                               std::span<const std::uint8_t> data);

} // namespace korvane
