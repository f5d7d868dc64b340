#pragma once
// The game's draws from the program's generator of non-negative 31-bit integers R: each
// call is a fresh draw, in the order the recipes write them.
#include "expr/RandomGenerator.h"

#include <string>

namespace korvane {

class GuessDraws {
public:
    explicit GuessDraws(RandomGenerator& random) : random_(random) {}

    // R mod n.
    int Mod(int n) { return static_cast<int>(random_.Next() % static_cast<std::uint32_t>(n)); }
    // v, negated when (R mod 2) = 0.
    int Signed(int v) { return Mod(2) == 0 ? -v : v; }
    // R mod n, then a random sign.
    int SignedMod(int n) { return Signed(Mod(n)); }
    // A real in [0, 1).
    long double Unit() { return random_.Uniform(0.0L, 1.0L); }

    RandomGenerator& Generator() { return random_; }

private:
    RandomGenerator& random_;
};

// Integers are written as "%d" writes them.
inline std::string Int(long long v) { return std::to_string(v); }

} // namespace korvane
