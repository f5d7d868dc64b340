#include "graph/ColourSlots.h"
#include "graph/ColourTable.h"
#include "graph/GraphStyle.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

// Indices outside the table are black, never a read past it.
TEST(ColourTable, OutOfRangeIsBlack) {
    EXPECT_EQ(ColourRGB(24), (Rgb{191, 0, 63}));
    for (int index : {25, 26, -1, 1000})
        EXPECT_EQ(ColourRGB(index), (Rgb{0, 0, 0})) << index;
}

// Nothing is drawn in the background's own colour; paper is black unless in colour.
TEST(PenColour, BackgroundAvoidanceAndPrinting) {
    struct Row {
        int index, background;
        bool printing, colour;
        int expected;
    } rows[] = {
        {6, 19, false, false, 6}, {19, 19, false, false, 0}, {0, 0, false, false, 1},
        {6, 19, true, false, 0},  {6, 19, true, true, 6},    {19, 19, true, true, 19},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(::testing::Message() << r.index << " on " << r.background << (r.printing ? " printing" : ""));
        EXPECT_EQ(PenColour(r.index, r.background, r.printing, r.colour), r.expected);
    }
}

// Width at least decimals + 2, exactly that without a width field, + 9 in scientific form.
TEST(NumberFormat, DialogRules) {
    struct Row {
        int decimals, width;
        bool scientific, hasWidth, hasScientific;
        int code, expectedWidth;
    } rows[] = {
        {3, 10, false, true, false, 0, 10}, {3, 2, false, true, false, 0, 5},
        {3, 10, false, false, false, 0, 5}, {3, 5, true, true, true, 0, 12},
        {20, 5, false, true, false, 17, 7}, {-1, 5, false, true, false, 17, 7},
        // The field is at most 100 wide; a wider one is refused, the format kept.
        {3, 100, false, true, false, 0, 100}, {3, 101, false, true, false, 17, 7},
        {3, 2000000000, false, true, true, 17, 7},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(::testing::Message() << r.decimals << " decimals, width " << r.width);
        NumberFormat f;
        EXPECT_EQ(ApplyNumberFormat(f, r.decimals, r.width, r.scientific, false, r.hasWidth, r.hasScientific), r.code);
        EXPECT_EQ(f.fieldWidth, r.expectedWidth);
    }
    EXPECT_STREQ(NumberFormatDialogName(true, true), "FWDPSN");
    EXPECT_STREQ(NumberFormatDialogName(false, false), "DP");
}

} // namespace
} // namespace korvane
