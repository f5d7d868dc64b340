#pragma once
// The frame's settings file "kv.ini": 19 bytes, no header. The placement record (x, y,
// width, height as little-endian int32, then the maximized byte), then the toggles
// "A&brir última" and "&Usar padrão", one byte each.
#include "platform/Geometry.h"
#include "platform/Window.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace korvane {

struct FrameSettings {
    platform::Placement placement;
    bool openLast = false;
    bool useDefaults = false;
    friend bool operator==(const FrameSettings&, const FrameSettings&) = default;
};

inline constexpr std::size_t kFrameSettingsSize = 19;

std::vector<std::uint8_t> EncodeFrameSettings(const FrameSettings& settings);
// Nothing for a file shorter than the record: a torn file must not place the frame at
// whatever its missing bytes would have said. Both toggles set (only a damaged file can
// say so) keeps "A&brir última" alone.
std::optional<FrameSettings> DecodeFrameSettings(std::span<const std::uint8_t> bytes);

// The small fallback near the top-left corner of the primary screen's area `origin`:
// x = r mod 30, y = r' mod 30 from there, 120 x 72.
platform::Placement FallbackPlacement(std::uint32_t r, std::uint32_t rPrime, platform::Point origin = {});

} // namespace korvane
