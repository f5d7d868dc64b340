#include "platform/Geometry.h"
#include "platform/ScreenPlacement.h"

#include <vector>

#include <gtest/gtest.h>

namespace korvane::platform {
namespace {

// A placement fits when it is at least 120 x 72 and no pixel of it lies off every screen.
TEST(FramePlacement, FitsTheUnionOfTheScreens) {
    const std::vector<Rect> one{{0, 0, 1024, 768}};
    // A tall primary screen and a shorter one to its right: their union is no rectangle.
    const std::vector<Rect> two{{0, 0, 1280, 1024}, {1280, 0, 2304, 768}};
    struct Row {
        const std::vector<Rect>* screens;
        Placement placement;
        bool fits;
    };
    const Row rows[] = {
        {&one, {0, 0, 120, 72, false}, true},
        {&one, {904, 696, 120, 72, false}, true}, // touches the bottom-right corner
        {&one, {905, 696, 120, 72, false}, false},
        {&one, {904, 697, 120, 72, false}, false},
        {&one, {-1, 0, 200, 120, false}, false},
        {&one, {0, -1, 200, 120, false}, false},
        {&one, {10, 10, 119, 120, false}, false},
        {&one, {10, 10, 200, 71, false}, false},
        {&one, {2147483000, 0, 2000, 120, false}, false}, // x + width past INT32_MAX
        {&one, {0, 0, 1025, 200, false}, false},
        {&two, {1500, 100, 600, 400, false}, true},   // on the second screen
        {&two, {1000, 100, 600, 400, false}, true},   // across both
        {&two, {1000, 600, 600, 300, false}, false},  // hangs below the shorter screen
        {&two, {100, 800, 600, 224, false}, true},    // low on the tall one
        {&two, {2200, 100, 600, 400, false}, false},  // off the right edge
        {&two, {2400, 100, 600, 400, false}, false},  // on a screen that has gone
    };
    for (const Row& row : rows)
        EXPECT_EQ(PlacementFits(row.placement, *row.screens), row.fits) << "row " << &row - rows;
}

// What does not fit comes onto the primary screen's area by the shortest way.
TEST(FramePlacement, MovedIntoTheArea) {
    const Rect area{0, 28, 1280, 1024};
    EXPECT_EQ(MovedInto({2400, 100, 600, 400, true}, area), (Placement{680, 100, 600, 400, true}));
    EXPECT_EQ(MovedInto({-300, -50, 600, 400, false}, area), (Placement{0, 28, 600, 400, false}));
    EXPECT_EQ(MovedInto({10, 10, 3000, 40, false}, area), (Placement{0, 28, 1280, 72, false}));
}

} // namespace
} // namespace korvane::platform
