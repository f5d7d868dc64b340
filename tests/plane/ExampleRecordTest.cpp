// The bytes of a freshly initialised example, read straight from the stored record so
// that an accessor at a wrong offset cannot hide itself.
#include "plane/ExampleRecord.h"

#include "platform/Real80.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>

namespace korvane {
namespace {

// A field of a new record: offset, width in bytes and its value in an explicit example
// (kind 201) and a system (kind 210). The caller asks for colour 7; a direction field
// takes colour 4 instead. Every byte outside these fields is zero.
struct Field {
    int offset, width;
    long double explicitValue, systemValue;
};

constexpr Field kFields[] = {
    {0, 2, 201, 210},   {4, 2, -1, -1},       {6, 2, -1, -1},   {12, 2, 1, 1},
    {14, 2, 20, 20},    {16, 2, 1, 1},        {18, 2, 15, 15},  {22, 2, 22, 22},
    {28, 2, 50, 0},     {34, 2, 10, 0},       {40, 2, 1, 1},    {42, 2, 20, 20},
    {44, 2, 50, 50},    {48, 1, 1, 1},        {52, 1, 1, 1},    {53, 1, 1, 1},
    {54, 1, 1, 1},      {61, 10, 0.2L, 0.2L}, {81, 10, 1, 1},   {91, 10, -5, -5},
    {101, 10, 5, 5},    {111, 2, 24, 24},     {113, 2, 24, 24}, {115, 2, 24, 24},
    {117, 2, 150, 150}, {119, 2, 150, 150},   {141, 10, 1, 1},  {151, 10, 1, 1},
    {461, 2, 7, 4},     {463, 2, 1, 1},
};

TEST(ExampleRecordLayout, FreshRecordOfAnExplicitExampleAndASystem) {
    for (const std::int16_t kind : {kExplicit, kSystem}) {
        SCOPED_TRACE(kind);
        ExampleRecord e;
        e.SetReal(exo::kCycloidRadius, 9); // stale values that the initialisation must clear
        e.texts[1] = "old";
        e.Initialise(kind, 7);
        EXPECT_TRUE(e.texts[1].empty());
        const ExampleRecord::Bytes b = e.Store();
        std::array<bool, kExampleRecordSize> inField{};
        for (const Field& f : kFields) {
            SCOPED_TRACE(f.offset);
            const auto at = static_cast<std::size_t>(f.offset);
            const long double stored = f.width == 10 ? LoadReal80(b.data() + at)
                                       : f.width == 2
                                           ? static_cast<std::int16_t>(b[at] | b[at + 1] << 8)
                                           : b[at];
            EXPECT_EQ(stored, kind == kExplicit ? f.explicitValue : f.systemValue);
            std::fill_n(inField.begin() + f.offset, f.width, true);
        }
        for (std::size_t at = 0; at < b.size(); ++at)
            EXPECT_TRUE(inField[at] || b[at] == 0) << "byte " << at;
    }
}

} // namespace
} // namespace korvane
