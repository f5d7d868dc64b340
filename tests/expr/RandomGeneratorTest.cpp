// The program's random generator: its seed, its output range and the uniform values
// built from it. The recurrence itself is checked against independent values in
// FunctionsReferenceTest.
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

// r takes bits 32..62 of the state: never above 2147483647.
TEST(RandomGenerator, OutputsStayBelowTwoToThe31) {
    for (std::uint64_t seed : {std::uint64_t{0}, std::uint64_t{0xFFFFFFFFFFFFFFFFu}, std::uint64_t{0x8000000000000000u}}) {
        SCOPED_TRACE(seed);
        RandomGenerator generator(seed);
        for (int i = 0; i < 1000; ++i)
            ASSERT_LE(generator.Next(), 2147483647u);
    }
}

// a + (r mod 1000000)(b - a) 1e-6 lies in [a, b).
TEST(RandomGenerator, UniformValuesLieInTheHalfOpenRange) {
    const struct {
        long double a, b;
    } rows[] = {{-5, 5}, {0, 1}, {2, 3}, {-1e-3L, 1e-3L}};
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::Message() << "[" << row.a << ", " << row.b << ")");
        RandomGenerator generator(99);
        for (int i = 0; i < 2000; ++i) {
            const long double v = generator.Uniform(row.a, row.b);
            ASSERT_GE(v, row.a);
            ASSERT_LT(v, row.b);
        }
    }
}

} // namespace
} // namespace korvane
