#pragma once
// The program-wide table of 25 named colours. The settings and document readers may
// overwrite its bytes, so it is one object that every window shares.
#include "platform/Rgb.h"

#include <cstdint>

namespace korvane {

using platform::Rgb;

inline constexpr int kColourCount = 25;

struct ColourTable {
    std::uint8_t red[kColourCount];
    std::uint8_t green[kColourCount];
    std::uint8_t blue[kColourCount];

    ColourTable();
    void Reset();
    Rgb At(int index) const;
};

// The shared table.
ColourTable& ProgramColours();
// Index 1..24 gives its row; anything else black.
Rgb ColourRGB(int index);
// Name of a colour index (strings 30..54), empty when out of range.
const char* ColourName(int index);

inline constexpr int kFrameBackgroundR = 64, kFrameBackgroundG = 128, kFrameBackgroundB = 128;

} // namespace korvane
