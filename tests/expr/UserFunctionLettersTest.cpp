// Letter parameters: their starting values and slider ranges, and the tables documents keep.
#include "expr/LetterParameters.h"

#include <gtest/gtest.h>

#include <cmath>

namespace korvane {
namespace {

constexpr int Slot(char letter) {
    return letter - 64;
}

// A new window starts every letter at 0 (E at e, I at i in complex mode) in -10..10, and
// reset goes back there.
TEST(LetterParameters, ResetGivesTheNewWindowsValuesAndRanges) {
    for (bool complexMode : {false, true}) {
        EvalContext ctx;
        ctx.SetComplexMode(complexMode);
        ctx.SetLetter(Slot('A'), 3.5L);
        ctx.SetLetter(Slot('I'), 2.0L);
        ASSERT_TRUE(SetLetterRange(ctx, Slot('A'), 0.0L, 4.0L));
        ResetLetterParameters(ctx);
        for (int i = 0; i < kLetterCount; ++i) {
            SCOPED_TRACE(::testing::Message() << "slot " << i << ", complex " << complexMode);
            EXPECT_EQ(ctx.letterValues[i].re, i == Slot('E') ? std::exp(1.0L) : 0.0L);
            EXPECT_EQ(ctx.letterValues[i].im, complexMode && i == Slot('I') ? 1.0L : 0.0L);
            EXPECT_EQ(ctx.letterLow[i].re, -10.0L);
            EXPECT_EQ(ctx.letterHigh[i].re, 10.0L);
        }
    }
}

TEST(LetterParameters, TablesCopyAndRestoreValuesAndRanges) {
    EvalContext ctx;
    ctx.SetLetter(Slot('A'), 3.5L);
    ASSERT_TRUE(SetLetterRange(ctx, Slot('A'), 0.0L, 4.0L));
    const LetterTables saved = CopyLetterTables(ctx);
    ResetLetterParameters(ctx);
    RestoreLetterTables(ctx, saved);
    EXPECT_EQ(ctx.letterValues[Slot('A')].re, 3.5L);
    EXPECT_EQ(ctx.letterLow[Slot('A')].re, 0.0L);
    EXPECT_EQ(ctx.letterHigh[Slot('A')].re, 4.0L);
}

TEST(LetterParameters, RangeNeedsLowBelowHigh) {
    struct Row {
        int slot;
        long double low, high;
        bool accepted;
    };
    const Row rows[] = {
        {Slot('B'), -1.0L, 1.0L, true}, {Slot('B'), 1.0L, 1.0L, false},
        {Slot('B'), 2.0L, 1.0L, false}, {0, -5.0L, 5.0L, true},  {27, 0.0L, 1.0L, false},
        {-1, 0.0L, 1.0L, false},        {Slot('B'), std::nanl(""), 1.0L, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message()
                     << row.slot << ": " << double(row.low) << ".." << double(row.high));
        EvalContext ctx;
        EXPECT_EQ(SetLetterRange(ctx, row.slot, row.low, row.high), row.accepted);
        if (row.accepted) {
            EXPECT_EQ(ctx.letterLow[row.slot].re, row.low);
            EXPECT_EQ(ctx.letterHigh[row.slot].re, row.high);
        } else if (row.slot >= 0 && row.slot < kLetterCount) {
            EXPECT_EQ(ctx.letterLow[row.slot].re, -10.0L);
            EXPECT_EQ(ctx.letterHigh[row.slot].re, 10.0L);
        }
    }
}

} // namespace
} // namespace korvane
