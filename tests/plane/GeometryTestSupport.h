#pragma once
// A plane picture for the tests of lines, segments, points and cycloids: a 200 x 200
// window on [-5, 5] x [-5, 5] (one pixel is 0.05) on a light background.
#include "tests/support/PlaneScene.h"

namespace korvane::geometrytest {

using testing::ColourOfIndex;
inline constexpr platform::Rgb kTestBackground{250, 250, 240};

class GeometryScene : public testing::PlaneScene {
public:
    explicit GeometryScene(int width = 200, int height = 200) : PlaneScene(width, height, {200, 200}) {
        background = kTestBackground;
    }

    // A family over letter A from `first` to `last` in `steps` steps.
    static void MakeFamily(ExampleRecord& e, int steps, long double first, long double last) {
        e.SetFlag(exo::kIsFamily, true);
        e.SetI16(exo::kFamilyLetter, 1);
        e.SetI16(exo::kFamilySteps, static_cast<std::int16_t>(steps));
        e.SetReal(exo::kFamilyFirst, first);
        e.SetReal(exo::kFamilyLast, last);
    }

    std::vector<platform::Primitive> Marks() const { return Of(platform::Primitive::Ellipse); }
};

} // namespace korvane::geometrytest
