#include "graph/SettingsFile.h"

#include "platform/Real80.h"

#include <gtest/gtest.h>

#include <cstring>

namespace korvane {
namespace {

std::int32_t Int32At(const std::vector<std::uint8_t>& b, std::size_t at) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | b.at(at + i);
    return static_cast<std::int32_t>(v);
}

SettingsRecord Sample() {
    SettingsRecord r;
    r.identifier = 841;
    r.format = 3;
    r.x = 11;
    r.y = -22;
    r.width = 640;
    r.height = 480;
    r.maximized = true;
    r.headerFlag = false;
    r.printValues[0] = 1.234L;
    r.printValues[1] = -2.005L;
    r.printValues[2] = 3;
    r.printValues[3] = 0.5L;
    r.printFlags[1] = true;
    for (int i = 0; i < kFontSlots; ++i) {
        r.fonts[i].pointSize = 8 + i;
        r.fonts[i].colour = 0x00102030u + i;
        r.fonts[i].font.SetHeight(-13 - i);
        r.fonts[i].font.SetFaceName("Arial");
    }
    for (int i = 0; i < kColourSlots; ++i)
        r.colourSlots[i] = static_cast<std::int16_t>(i + 1);
    for (int i = 0; i < kSlotCount; ++i) {
        r.intA[i] = i;
        r.intB[i] = 100 + i;
        r.intC[i] = -i;
        r.realA[i] = i / 3.0L;
        r.realB[i] = -i * 1e300L;
        r.realC[i] = 1e-4000L * i;
        r.byteA[i] = static_cast<std::uint8_t>(i);
        r.byteB[i] = static_cast<std::uint8_t>(200 + i);
        r.byteC[i] = 7;
    }
    r.lastPath = "/tmp/exemplo.kv2";
    return r;
}

TEST(SettingsFile, HeaderOffsets) {
    const auto bytes = WriteSettings(Sample());
    ASSERT_EQ(bytes.size(), 858u + 252 + 630 + 63 + 256);
    struct Row {
        std::size_t offset;
        std::int32_t value;
        const char* what;
    } rows[] = {
        {0, 841, "identifier"}, {4, 3, "format"}, {8, 11, "x"}, {12, -22, "y"}, {16, 640, "width"},
        {20, 480, "height"}, {24, 1, "maximized"}, {28, 0, "header flag"}, {32, 0, "n_rgb"},
        {36, 123, "P0"}, {40, -201, "P1 half away from zero"}, {44, 300, "P2"}, {48, 50, "P3"},
        {52, 0, "F0"}, {56, 1, "F1"}, {60, 10, "n_font"}, {64, 15, "n_slot"}, {68, 0, "reserved"},
        {76, 0, "reserved"}, {80, 8, "first point size"}, {116, 17, "last point size"},
        {120, -13, "first font height"}, {720, 0x00102030, "first font colour"},
        {756, 0x00102039, "last font colour"}, {760, 0, "placement records"},
        {858, 0, "A[0]"}, {858 + 4 * 21, 100, "B[0]"}, {858 + 4 * 42 + 4, -1, "C[1]"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(::testing::Message() << r.what << " at " << r.offset);
        EXPECT_EQ(Int32At(bytes, r.offset), r.value);
    }
    EXPECT_EQ(bytes[828], 1);
    EXPECT_EQ(bytes[856], 15);
    EXPECT_EQ(std::memcmp(&bytes[120 + 28], "Arial", 6), 0);
    std::uint8_t real[10];
    StoreReal80(-1e300L, real);
    EXPECT_EQ(std::memcmp(&bytes[858 + 252 + 210 + 10], real, 10), 0);
    const std::size_t path = 858 + 252 + 630 + 63;
    EXPECT_EQ(bytes[path - 63 + 21], 200); // B bytes follow A bytes
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[path])), "/tmp/exemplo.kv2");
}

// What is read writes the same bytes again: no field is lost or moved on the way.
TEST(SettingsFile, WriteThenReadGivesTheSameRecord) {
    const auto bytes = WriteSettings(Sample());
    SettingsRecord out;
    ASSERT_EQ(ReadSettings(bytes, 841, out), 0);
    EXPECT_EQ(out.printValues[0], 1.234L) << "exact, not in hundredths";
    EXPECT_TRUE(WriteSettings(out) == bytes);
}

TEST(SettingsFile, BadFilesAreRefusedAndLeaveTheRecord) {
    const auto good = WriteSettings(Sample());
    auto zeroFormat = good;
    zeroFormat[4] = 0;
    auto manyFonts = good;
    manyFonts[60] = 200;
    const std::vector<std::uint8_t> cut(good.begin(), good.begin() + 900);
    struct Row {
        const char* what;
        std::vector<std::uint8_t> bytes;
        std::int32_t identifier;
    } rows[] = {
        {"kv2 read as kv3", good, 961}, {"format 0", zeroFormat, 841},
        {"font count beyond 10", manyFonts, 841}, {"cut short", cut, 841}, {"empty", {}, 841},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        SettingsRecord out;
        out.x = 77;
        EXPECT_EQ(ReadSettings(r.bytes, r.identifier, out), kBadSettingsFile);
        EXPECT_EQ(out.x, 77);
    }
}

TEST(SettingsFile, PrintValuesComeBackExactAndWithinBounds) {
    constexpr long double kCm = 1 / 2.54L;
    const std::size_t exactUnit = 858 + 252; // real slot A[0]
    const struct {
        const char* rule;
        long double written[4];
        long double stray; // put into A[0] after writing, when not 0
        long double read[4];
    } rows[] = {
        {"1 cm per unit stays 1 cm", {kCm, -5, 1, 0.3L}, 0, {kCm, -5, 1, 0.3L}},
        {"another writer's slot: the header's hundredths", {kCm, -5, 1, 1}, 7, {0.39L, -5, 1, 1}},
        {"a stored zero unit is 1 cm per unit, off", {0, 2, 1, 1}, 0, {-kCm, 2, 1, 1}},
        {"beyond 1000 inches or left of the paper", {-2000, 1500, -1, 1001}, 0, {-kCm, 0, 0, 0}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.rule);
        SettingsRecord r = Sample(), out;
        std::copy(std::begin(row.written), std::end(row.written), r.printValues);
        auto bytes = WriteSettings(r);
        if (row.stray != 0)
            StoreReal80(row.stray, &bytes[exactUnit]);
        ASSERT_EQ(ReadSettings(bytes, 841, out), 0);
        for (int i = 0; i < 4; ++i)
            EXPECT_NEAR(static_cast<double>(out.printValues[i]), static_cast<double>(row.read[i]), 1e-18) << i;
    }
}

TEST(SettingsFile, ColourTableBytesAreReadWhenPresent) {
    auto bytes = WriteSettings(Sample());
    bytes[32] = 2; // two bytes in each of the red, green and blue arrays
    const std::uint8_t rgb[6] = {1, 2, 3, 4, 5, 6};
    bytes.insert(bytes.begin() + 858, rgb, rgb + 6);
    SettingsRecord out;
    ASSERT_EQ(ReadSettings(bytes, 841, out), 0);
    EXPECT_EQ(out.colourTableBytes, std::vector<std::uint8_t>(rgb, rgb + 6));
    EXPECT_EQ(out.intB[0], 100);
}

TEST(SettingsFile, FontHeightRule) {
    struct Row {
        int points, dpi, height;
    } rows[] = {{10, 96, -13}, {12, 96, -16}, {9, 96, -12}, {8, 72, -8}, {11, 120, -18}};
    for (const Row& r : rows) {
        SCOPED_TRACE(::testing::Message() << r.points << "pt at " << r.dpi);
        EXPECT_EQ(FontHeightFor(r.points, r.dpi), r.height);
    }
}

} // namespace
} // namespace korvane
