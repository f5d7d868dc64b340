#pragma once
// Every pixel of a surface, row by row, for comparing two drawings.
#include "platform/Surface.h"

#include <vector>

namespace korvane::planetest {

inline std::vector<platform::Rgb> PixelsOf(const platform::Surface& surface) {
    std::vector<platform::Rgb> out;
    const platform::Size size = surface.GetSize();
    for (int y = 0; y < size.height; ++y)
        for (int x = 0; x < size.width; ++x)
            out.push_back(*surface.GetPixel({x, y}));
    return out;
}

} // namespace korvane::planetest
