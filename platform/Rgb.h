#pragma once
// A 24-bit colour. Settings files keep colours as 32-bit values with red in the low byte
// (0x00BBGGRR); FromColourRef/ToColourRef are the one place that knows that order.
#include <cstdint>

namespace korvane::platform {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    static constexpr Rgb FromColourRef(std::uint32_t v) {
        return {std::uint8_t(v & 0xFF), std::uint8_t((v >> 8) & 0xFF), std::uint8_t((v >> 16) & 0xFF)};
    }
    constexpr std::uint32_t ToColourRef() const {
        return std::uint32_t(r) | (std::uint32_t(g) << 8) | (std::uint32_t(b) << 16);
    }
    friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};

} // namespace korvane::platform
