// "kv.ini": the 19 bytes, the placement check and its fallback, and which paths open what.
#include "app/DocumentKind.h"
#include "app/FrameSettings.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace korvane {
namespace {

using platform::Placement;

TEST(FrameSettings, BytesAreTheDocumentedLayoutBothWays) {
    const FrameSettings settings{{0x01020304, -2, 640, 480, true}, false, true};
    const std::vector<std::uint8_t> expected = {
        0x04, 0x03, 0x02, 0x01,  // x, little-endian
        0xFE, 0xFF, 0xFF, 0xFF,  // y = -2
        0x80, 0x02, 0x00, 0x00,  // width 640
        0xE0, 0x01, 0x00, 0x00,  // height 480
        1,                       // maximized
        0,                       // OpenLast
        1,                       // UseDefaults
    };
    EXPECT_EQ(EncodeFrameSettings(settings), expected);
    EXPECT_EQ(DecodeFrameSettings(expected), settings);
}

TEST(FrameSettings, ShortFileIsRefused) {
    auto bytes = EncodeFrameSettings({{10, 20, 200, 120, false}, true, false});
    for (std::size_t size : {0u, 1u, 16u, 17u, 18u}) {
        SCOPED_TRACE(size);
        EXPECT_FALSE(DecodeFrameSettings(std::span(bytes).first(size)).has_value());
    }
}

TEST(FrameSettings, AnyNonZeroByteIsTrueAndTheTogglesStayExclusive) {
    auto bytes = EncodeFrameSettings({{10, 20, 200, 120, false}, false, false});
    bytes[16] = 7;
    bytes[17] = 2;
    bytes[18] = 255;
    const auto read = DecodeFrameSettings(bytes);
    ASSERT_TRUE(read.has_value());
    EXPECT_TRUE(read->placement.maximized);
    EXPECT_TRUE(read->openLast);
    EXPECT_FALSE(read->useDefaults);
}

TEST(FrameSettings, FallbackIsSmallAndNearTheCorner) {
    EXPECT_EQ(FallbackPlacement(0, 0), (Placement{0, 0, 120, 72, false}));
    EXPECT_EQ(FallbackPlacement(59, 2147483647), (Placement{29, 2147483647 % 30, 120, 72, false}));
    EXPECT_EQ(FallbackPlacement(31, 2, {0, 28}), (Placement{1, 30, 120, 72, false})); // below a top panel
}

TEST(DocumentKind, ByTheFourCharactersFromTheLastDotOfTheFileName) {
    struct Row {
        const char* path;
        DocumentKind kind;
    };
    const Row rows[] = {
        {"a.kv2", DocumentKind::Plane},
        {"/home/u/graficos/seno.KV2", DocumentKind::Plane},
        {"a.Kv3", DocumentKind::Space},
        {"a.kv3", DocumentKind::Space},
        {"m.ma2", DocumentKind::Mapper},
        {"m.MAZ", DocumentKind::Mapper},
        {"m.mAz", DocumentKind::Mapper},
        // A dot in a folder's name does not count.
        {"dir.old/a.kv2", DocumentKind::Plane},
        {"/home/u/aulas.2026/parabola.kv2", DocumentKind::Plane},
        {"/home/u/.local/p.KV3", DocumentKind::Space},
        {"/tmp/x.kv2/semponto", DocumentKind::None},
        {"/tmp/a.b/c", DocumentKind::None},
        {"v1.2.kv2", DocumentKind::Plane},
        {"a.kv", DocumentKind::None},
        {"a.kv22", DocumentKind::None},
        {"a.txt", DocumentKind::None},
        {"a.kv2.bak", DocumentKind::None},
        {"kv2", DocumentKind::None},
        {".kv2", DocumentKind::Plane},
        {"", DocumentKind::None},
        {"a", DocumentKind::None},
        {"a.ma3", DocumentKind::None},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.path);
        EXPECT_EQ(KindOfDocument(row.path), row.kind);
    }
}

} // namespace
} // namespace korvane
