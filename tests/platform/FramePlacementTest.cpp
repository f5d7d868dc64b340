#include "platform/Geometry.h"

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

} // namespace
} // namespace korvane::platform
