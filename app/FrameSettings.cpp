#include "app/FrameSettings.h"

#include "platform/BinaryReader.h"
#include "platform/BinaryWriter.h"

namespace korvane {

namespace {

constexpr int kMinWidth = 120;
constexpr int kMinHeight = 72;

} // namespace

std::vector<std::uint8_t> EncodeFrameSettings(const FrameSettings& settings) {
    BinaryWriter out;
    const platform::Placement& p = settings.placement;
    out.I32(p.x);
    out.I32(p.y);
    out.I32(p.width);
    out.I32(p.height);
    out.U8(p.maximized ? 1 : 0);
    out.U8(settings.openLast ? 1 : 0);
    out.U8(settings.useDefaults ? 1 : 0);
    return out.Take();
}

std::optional<FrameSettings> DecodeFrameSettings(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kFrameSettingsSize)
        return std::nullopt;
    BinaryReader in(bytes);
    FrameSettings settings;
    settings.placement.x = in.I32();
    settings.placement.y = in.I32();
    settings.placement.width = in.I32();
    settings.placement.height = in.I32();
    settings.placement.maximized = in.U8() != 0;
    settings.openLast = in.U8() != 0;
    settings.useDefaults = in.U8() != 0 && !settings.openLast;
    if (!in.Ok())
        return std::nullopt;
    return settings;
}

bool PlacementFits(const platform::Placement& p, platform::Size screen) {
    // 64-bit sums: a damaged file may hold values near INT32_MAX.
    const auto right = std::int64_t(p.x) + p.width;
    const auto bottom = std::int64_t(p.y) + p.height;
    return p.x >= 0 && p.y >= 0 && p.height >= kMinHeight && p.width >= kMinWidth &&
           right <= screen.width && bottom <= screen.height;
}

platform::Placement FallbackPlacement(std::uint32_t r, std::uint32_t rPrime) {
    return {int(r % 30), int(rPrime % 30), kMinWidth, kMinHeight, false};
}

} // namespace korvane
