#include "graph/PastedPicture.h"

#include "platform/BinaryReader.h"
#include "platform/BinaryWriter.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace korvane {

namespace {

constexpr std::uint8_t kPngSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr long double kMaxCoordinate = 1e300L;
// An SVG file names its root element early; comments and a DOCTYPE come before it.
constexpr std::size_t kSvgLookAhead = 4096;

bool Usable(long double v) { return std::isfinite(v) && std::fabs(v) <= kMaxCoordinate; }

} // namespace

std::optional<PictureFormat> SniffPictureFormat(std::span<const std::uint8_t> data) {
    if (data.size() > sizeof kPngSignature && std::equal(std::begin(kPngSignature), std::end(kPngSignature), data.begin()))
        return PictureFormat::Png;
    const std::string_view head(reinterpret_cast<const char*>(data.data()), std::min(data.size(), kSvgLookAhead));
    if (head.find("<svg") != std::string_view::npos)
        return PictureFormat::Svg;
    return std::nullopt;
}

PicturePlacement StorePicturePlacement(const PastedPicture& p) {
    BinaryWriter w;
    w.Real80(p.x);
    w.Real80(p.y);
    w.Real80(p.width);
    w.Real80(p.height);
    PicturePlacement placement{};
    const auto out = w.Take();
    std::copy_n(out.begin(), placement.size(), placement.begin());
    return placement;
}

std::optional<PastedPicture> LoadPastedPicture(const PicturePlacement& placement, std::uint8_t format,
                                               std::span<const std::uint8_t> data) {
    BinaryReader r(placement);
    PastedPicture p;
    p.x = r.Real80();
    p.y = r.Real80();
    p.width = r.Real80();
    p.height = r.Real80();
    const auto sniffed = SniffPictureFormat(data);
    if (!Usable(p.x) || !Usable(p.y) || !Usable(p.width) || !Usable(p.height) || !(p.width > 0) ||
        !(p.height > 0) || !sniffed || static_cast<std::uint8_t>(*sniffed) != format)
        return std::nullopt;
    p.format = *sniffed;
    p.data.assign(data.begin(), data.end());
    return p;
}

} // namespace korvane
