#pragma once
// The one place that turns a long double into the 10 bytes of an 80-bit extended real
// (64-bit significand with explicit integer bit, then sign and 15-bit exponent) and back.
#include <cstdint>

namespace korvane {

void StoreReal80(long double value, std::uint8_t out[10]);
long double LoadReal80(const std::uint8_t in[10]);

} // namespace korvane
