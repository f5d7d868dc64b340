// The bytes of a freshly initialised example, read straight from the stored record so
// that an accessor at a wrong offset cannot hide itself.
#include "plane/ExampleRecord.h"

#include "platform/Real80.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace korvane {
namespace {

std::int16_t I16In(const ExampleRecord::Bytes& b, int at) {
    const auto i = static_cast<std::size_t>(at);
    return static_cast<std::int16_t>(b[i] | (b[i + 1] << 8));
}

long double RealIn(const ExampleRecord::Bytes& b, int at) { return LoadReal80(b.data() + at); }

struct WordRow {
    int offset;
    std::int16_t explicitValue; // kind 201
    std::int16_t systemValue;   // kind 210
};

// The caller asks for colour 7; a direction field takes colour 4 instead.
constexpr WordRow kWords[] = {
    {0, 201, 210}, {2, 0, 0},     {4, -1, -1},   {6, -1, -1},   {12, 1, 1},     {14, 20, 20},
    {16, 1, 1},    {18, 15, 15},  {22, 22, 22},  {28, 50, 0},   {34, 10, 0},    {40, 1, 1},
    {42, 20, 20},  {44, 50, 50},  {111, 24, 24}, {113, 24, 24}, {115, 24, 24},  {117, 150, 150},
    {119, 150, 150}, {461, 7, 4}, {463, 1, 1},   {465, 0, 0},
};

struct ByteRow {
    int offset;
    std::uint8_t value;
};

constexpr ByteRow kBytes[] = {
    {46, 0}, {47, 0}, {48, 1}, {49, 0}, {50, 0}, {51, 0}, {52, 1}, {53, 1}, {54, 1},
    {55, 0}, {56, 0}, {57, 0}, {58, 0}, {59, 0}, {60, 0},
};

struct RealRow {
    int offset;
    long double value;
};

constexpr RealRow kReals[] = {
    {61, 0.2L}, {71, 0}, {81, 1}, {91, -5}, {101, 5}, {121, 0}, {131, 0}, {141, 1}, {151, 1},
};

ExampleRecord Fresh(std::int16_t kind) {
    ExampleRecord e;
    e.SetReal(exo::kCycloidRadius, 9); // a stale value that the initialisation must clear
    e.texts[1] = "old";
    e.Initialise(kind, 7);
    return e;
}

TEST(ExampleRecordLayout, WordsOfExplicitAndSystem) {
    const ExampleRecord::Bytes explicitBytes = Fresh(kExplicit).Store();
    const ExampleRecord::Bytes systemBytes = Fresh(kSystem).Store();
    for (const WordRow& row : kWords) {
        SCOPED_TRACE("offset " + std::to_string(row.offset));
        EXPECT_EQ(I16In(explicitBytes, row.offset), row.explicitValue);
        EXPECT_EQ(I16In(systemBytes, row.offset), row.systemValue);
    }
}

TEST(ExampleRecordLayout, FlagBytes) {
    for (std::int16_t kind : {kExplicit, kSystem}) {
        const ExampleRecord::Bytes bytes = Fresh(kind).Store();
        for (const ByteRow& row : kBytes) {
            SCOPED_TRACE("kind " + std::to_string(kind) + " byte " + std::to_string(row.offset));
            EXPECT_EQ(bytes[static_cast<std::size_t>(row.offset)], row.value);
        }
    }
}

TEST(ExampleRecordLayout, RealsAndTheZeroBlock) {
    for (std::int16_t kind : {kExplicit, kSystem}) {
        const ExampleRecord e = Fresh(kind);
        const ExampleRecord::Bytes bytes = e.Store();
        for (const RealRow& row : kReals) {
            SCOPED_TRACE("kind " + std::to_string(kind) + " real " + std::to_string(row.offset));
            EXPECT_EQ(RealIn(bytes, row.offset), row.value);
        }
        for (int at = 281; at <= 460; ++at) {
            SCOPED_TRACE("kind " + std::to_string(kind) + " byte " + std::to_string(at));
            EXPECT_EQ(bytes[static_cast<std::size_t>(at)], 0);
        }
        EXPECT_TRUE(e.texts[1].empty());
    }
}

TEST(ExampleRecordLayout, UnlistedBytesAreZero) {
    // Offsets that no field of a new record sets.
    constexpr int kZero[] = {8, 9, 10, 11, 20, 21, 24, 25, 26, 27, 30, 31, 32, 33, 36, 37, 38, 39, 45};
    for (std::int16_t kind : {kExplicit, kSystem}) {
        const ExampleRecord::Bytes bytes = Fresh(kind).Store();
        for (int at : kZero) {
            SCOPED_TRACE("kind " + std::to_string(kind) + " byte " + std::to_string(at));
            EXPECT_EQ(bytes[static_cast<std::size_t>(at)], 0);
        }
    }
}

} // namespace
} // namespace korvane
