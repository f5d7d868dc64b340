#pragma once
// The program's one random generator: a 64-bit linear congruential generator, seeded once
// at start-up from the time. Shared by the formulas (rnd), the optimiser and the windows.
#include <cstdint>

namespace korvane {

class RandomGenerator {
public:
    explicit RandomGenerator(std::uint64_t state = 0) : state_(state) {}

    // Low word = seconds, high word = 0.
    void SeedFromTime();
    void Seed(std::uint64_t state) { state_ = state; }
    std::uint64_t State() const { return state_; }

    // Next r in 0..2147483647 (bits 32..62 of the new state).
    std::uint32_t Next();
    // a + (r mod 1000000) * (b - a) * 1e-6, in [a, b).
    long double Uniform(long double a, long double b);

    // The program-wide instance.
    static RandomGenerator& Program();

private:
    std::uint64_t state_;
};

} // namespace korvane
