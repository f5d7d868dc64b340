#include "expr/RandomGenerator.h"

#include <ctime>

namespace korvane {

void RandomGenerator::SeedFromTime() {
    state_ = static_cast<std::uint32_t>(std::time(nullptr));
}

std::uint32_t RandomGenerator::Next() {
    constexpr std::uint64_t kMultiplier = (std::uint64_t{346} << 32) + 20021;
    state_ = state_ * kMultiplier + 1;
    return static_cast<std::uint32_t>((state_ >> 32) & 0x7FFFFFFFu);
}

long double RandomGenerator::Uniform(long double a, long double b) {
    const std::uint32_t r = Next();
    return a + static_cast<long double>(r % 1000000u) * (b - a) * 1e-6L;
}

RandomGenerator& RandomGenerator::Program() {
    static RandomGenerator generator;
    return generator;
}

} // namespace korvane
