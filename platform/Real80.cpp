#include "platform/Real80.h"

#include <cfloat>
#include <cstring>

namespace korvane {

static_assert(LDBL_MANT_DIG == 64, "long double must be the x86 80-bit extended format");

void StoreReal80(long double value, std::uint8_t out[10]) {
    std::uint8_t raw[sizeof(long double)] = {};
    std::memcpy(raw, &value, sizeof value);
    std::memcpy(out, raw, 10);
}

long double LoadReal80(const std::uint8_t in[10]) {
    std::uint8_t raw[sizeof(long double)] = {};
    std::memcpy(raw, in, 10);
    long double value;
    std::memcpy(&value, raw, sizeof value);
    return value;
}

} // namespace korvane
