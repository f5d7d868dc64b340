#include "platform/Geometry.h"
#include "platform/ScreenPlacement.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace korvane::platform {
namespace {

// A placement stored as the framed (outer) size is a fixed point of start and close: the
// frame is unknown when the window is first sized (the last framed window's is used) and
// known once the window manager has decorated it, when it is sized again.
TEST(FramePlacement, StartAndCloseGiveBackTheStoredOuterSize) {
    struct Row {
        const char* what;
        FrameMargins last, frame;
    } rows[] = {
        {"first window: no frame known yet", {}, {2, 29, 2, 2}},
        {"a frame like the last one", {2, 29, 2, 2}, {2, 29, 2, 2}},
        {"a different frame", {4, 20, 4, 4}, {1, 31, 1, 1}},
        {"no frame at all", {}, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        Size stored{200, 120};
        for (int start = 0; start < 4; ++start) {
            Size inner = InnerSizeOf(stored, row.last); // before the window manager frames it
            inner = InnerSizeOf(stored, row.frame);     // framed: sized again
            const Size closed = OuterSizeOf(inner, row.frame);
            EXPECT_EQ(closed, stored) << "start " << start;
            stored = closed;
        }
    }
}

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
    for (const Row& row : rows) {
        const Placement& p = row.placement;
        SCOPED_TRACE(std::to_string(row.screens->size()) + " screens: " + std::to_string(p.x) + "," +
                     std::to_string(p.y) + " " + std::to_string(p.width) + "x" + std::to_string(p.height));
        EXPECT_EQ(PlacementFits(p, *row.screens), row.fits);
    }
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
