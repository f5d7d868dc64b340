// Zero tests of an 80-bit value by its bytes: an 80-bit load is slow on x87, and 0.0L is
// all zero bits, -0.0L only the sign bit.
#pragma once

#include <cstdint>
#include <cstring>

namespace korvane {

inline bool IsZeroBits(const long double& v) {
    std::uint64_t mantissa = 0;
    std::uint16_t signAndExponent = 0;
    std::memcpy(&mantissa, &v, sizeof mantissa);
    std::memcpy(&signAndExponent, reinterpret_cast<const char*>(&v) + sizeof mantissa,
                sizeof signAndExponent);
    return mantissa == 0 && (signAndExponent & 0x7fffu) == 0;
}

} // namespace korvane
