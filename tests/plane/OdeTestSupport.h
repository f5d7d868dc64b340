#pragma once
// A plane picture for the tests of solutions, fields and sequences: a 500 x 500 window
// on [-5, 5] x [-5, 5].
#include "PlaneTestScene.h"

#include <cmath>

namespace korvane::testing {

// Relative difference with an absolute floor near zero.
inline bool Near(long double actual, long double expected, long double tolerance) {
    const long double scale = std::fabs(expected) > 1 ? std::fabs(expected) : 1;
    return std::fabs(actual - expected) <= tolerance * scale;
}

class OdeScene : public planetest::PlaneScene {
public:
    OdeScene() : PlaneScene(500, 500, {500, 500}) {}
};

} // namespace korvane::testing
