#include "plane/ExampleTable.h"

#include <gtest/gtest.h>

#include <cstring>

namespace korvane {
namespace {

// A derived example of `source` (derivation code 1, as a derivative would be).
int AppendDerived(ExampleTable& table, int source) {
    const int index = table.Append(kExplicit, 3);
    table[index].SetI16(exo::kDerivation, 1);
    table[index].SetI16(exo::kSource1, static_cast<std::int16_t>(source));
    return index;
}

TEST(ExampleTable, AppendFillsAll401SlotsAndThenRefuses) {
    ExampleTable table;
    EXPECT_EQ(table.LastExample(), -1);
    for (int i = 0; i < kExampleSlots; ++i)
        ASSERT_EQ(table.Append(kPoint, 2), i);
    EXPECT_TRUE(table.Full());
    EXPECT_EQ(table.Append(kPoint, 2), -1);
    EXPECT_EQ(table.LastExample(), 400);
}

TEST(ExampleTable, ReleaseLastGivesBackTheSlotAndItsTexts) {
    ExampleTable table;
    table.Append(kExplicit, 2);
    const int index = table.Append(kPolar, 2);
    table[index].texts[2] = "3cos(2t)";
    table.SetName(index, "rosa");
    table.ReleaseLast();
    EXPECT_EQ(table.LastExample(), 0);
    EXPECT_TRUE(table[index].texts[2].empty());
    EXPECT_TRUE(table.Name(index).empty());
}

TEST(ExampleTable, DeletingASourceDeletesItsDerivedExamplesAndRenumbersTheRest) {
    ExampleTable table;
    table.Append(kExplicit, 2);        // 0
    table.Append(kExplicit, 2);        // 1: the source
    table[1].texts[1] = "x^2";
    AppendDerived(table, 1);           // 2: derived from 1
    table.Append(kPolar, 2);           // 3
    table[3].texts[2] = "kept";
    AppendDerived(table, 2);           // 4: derived from the derived one
    AppendDerived(table, 3);           // 5: derived from 3, stays
    table.SetName(3, "polar");

    EXPECT_EQ(table.Delete(1), 3);
    ASSERT_EQ(table.LastExample(), 2);
    EXPECT_EQ(table[1].Kind(), kPolar);
    EXPECT_EQ(table[1].texts[2], "kept");
    EXPECT_EQ(table.Name(1), "polar");
    EXPECT_EQ(table[2].I16(exo::kSource1), 1) << "the surviving derived example follows its source";
    // Out of range changes nothing.
    EXPECT_EQ(table.Delete(3), 0);
    EXPECT_EQ(table.Delete(-1), 0);
    EXPECT_EQ(table.LastExample(), 2);
}

TEST(ExampleRecord, StoreZeroesPointerFieldsAndKeepsEveryOtherByte) {
    std::uint8_t in[kExampleRecordSize];
    for (int i = 0; i < kExampleRecordSize; ++i)
        in[i] = static_cast<std::uint8_t>(i * 7 + 1);
    ExampleRecord record;
    record.Load(in);
    const ExampleRecord::Bytes out = record.Store();
    for (int i = 0; i < kExampleRecordSize; ++i) {
        const bool pointer = (i >= exo::kTextPointers && i < exo::kAuxPointer + 4) ||
                             i >= exo::kTrajectoryPointer;
        SCOPED_TRACE(i);
        EXPECT_EQ(out[static_cast<std::size_t>(i)], pointer ? 0 : in[i]);
    }
}

TEST(TrajectoryRecord, NewRecordEndsAtOneAndStoresNoAddress) {
    TrajectoryRecord record;
    EXPECT_EQ(record.Real(tro::kEndT), 1.0L);
    std::uint8_t in[kTrajectoryRecordSize];
    std::memset(in, 0xAB, sizeof in);
    record.Load(in);
    const TrajectoryRecord::Bytes out = record.Store();
    for (int i = tro::kNextPointer; i < kTrajectoryRecordSize; ++i)
        EXPECT_EQ(out[static_cast<std::size_t>(i)], 0);
    EXPECT_EQ(out[0], 0xAB);
}

} // namespace
} // namespace korvane
