// The program's random generator seeded from the clock. Its outputs and the uniform values
// built from them are checked against independent values in FunctionsReferenceTest.
#include <gtest/gtest.h>

#include <cstdint>
#include <ctime>

#include "expr/RandomGenerator.h"

namespace korvane {
namespace {

TEST(RandomGenerator, SeedFromTimeFillsTheLowWordOnly) {
    RandomGenerator generator(~std::uint64_t{0});
    const auto before = static_cast<std::uint64_t>(static_cast<std::uint32_t>(std::time(nullptr)));
    generator.SeedFromTime();
    const auto after = static_cast<std::uint64_t>(static_cast<std::uint32_t>(std::time(nullptr)));
    EXPECT_LE(generator.State() >> 32, 0u);
    EXPECT_GE(generator.State(), before);
    EXPECT_LE(generator.State(), after);
}

} // namespace
} // namespace korvane
