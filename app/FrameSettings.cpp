#include "app/FrameSettings.h"

#include "platform/BinaryReader.h"
#include "platform/BinaryWriter.h"
#include "platform/ScreenPlacement.h"

namespace korvane {

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

platform::Placement FallbackPlacement(std::uint32_t r, std::uint32_t rPrime, platform::Point origin) {
    return {origin.x + int(r % 30), origin.y + int(rPrime % 30), platform::kMinPlacementWidth,
            platform::kMinPlacementHeight, false};
}

} // namespace korvane
