#include "graph/GraphText.h"
#include "graph/PastedPicture.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace korvane {
namespace {

// 1.5 as an 80-bit real: significand 0xC000000000000000, exponent 0x3FFF.
constexpr std::uint8_t kOneAndAHalf[10] = {0, 0, 0, 0, 0, 0, 0, 0xC0, 0xFF, 0x3F};

std::vector<std::uint8_t> Png() {
    return {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R', 0, 0, 0, 20, 0, 0, 0, 10};
}

// The fields of a label record lie at their documented offsets, the text in Windows-1252.
TEST(GraphItemRecord, LabelFieldsAtTheirOffsets) {
    const GraphText label{1.5L, -2, "ação", 3, true};
    const GraphTextRecord r = StoreGraphText(label);
    EXPECT_TRUE(std::equal(std::begin(kOneAndAHalf), std::end(kOneAndAHalf), r.begin()));
    EXPECT_EQ(r[kGraphTextOffsetFont], 3);
    EXPECT_EQ(r[kGraphTextOffsetFont + 1], 0);
    EXPECT_EQ(r[kGraphTextOffsetFlags], 1);
    const std::uint8_t text[] = {'a', 0xE7, 0xE3, 'o', 0};
    EXPECT_TRUE(std::equal(std::begin(text), std::end(text), r.begin() + kGraphTextOffsetText));
    EXPECT_EQ(LoadGraphText(r), label);
    // A text longer than the record is cut, never left unterminated.
    const GraphTextRecord longText = StoreGraphText({0, 0, std::string(400, 'x'), 0, false});
    ASSERT_TRUE(LoadGraphText(longText).has_value());
    EXPECT_EQ(LoadGraphText(longText)->text, std::string(kGraphTextMaxBytes, 'x'));
}

// A damaged label record is refused, never drawn.
TEST(GraphItemRecord, DamagedLabelsAreRefused) {
    const GraphTextRecord good = StoreGraphText({1, 2, "a", 0, false});
    const auto damaged = [&good](std::size_t at, std::uint8_t value) {
        GraphTextRecord r = good;
        r[at] = value;
        return r;
    };
    GraphTextRecord unterminated = good;
    std::fill(unterminated.begin() + kGraphTextOffsetText, unterminated.end(), 'x');
    const GraphTextRecord rows[] = {
        StoreGraphText({std::numeric_limits<long double>::quiet_NaN(), 0, "a", 0, false}),
        StoreGraphText({0, std::numeric_limits<long double>::infinity(), "a", 0, false}),
        damaged(kGraphTextOffsetFont, 10),      // no such font slot
        damaged(kGraphTextOffsetFont + 1, 0x80), // negative slot
        damaged(kGraphTextOffsetFlags, 2),
        damaged(kGraphTextOffsetText, 0),        // empty text
        damaged(kGraphTextOffsetText + 5, 'y'),  // bytes after the terminator
        unterminated,
    };
    for (std::size_t i = 0; i < std::size(rows); ++i)
        EXPECT_FALSE(LoadGraphText(rows[i]).has_value()) << "row " << i;
}

// A picture keeps its world rectangle (reals at 0, 10, 20, 30) and its bytes; one whose
// rectangle is no positive one, or whose format byte misnames its bytes, is refused.
TEST(GraphItemRecord, PictureRectangleAndFormat) {
    const PastedPicture picture{-1, 2, 1.5L, 0.25L, PictureFormat::Png, Png()};
    const PicturePlacement placement = StorePicturePlacement(picture);
    EXPECT_TRUE(std::equal(std::begin(kOneAndAHalf), std::end(kOneAndAHalf), placement.begin() + 20));
    EXPECT_EQ(LoadPastedPicture(placement, 1, Png()), picture);
    const std::string svgText = "<?xml version=\"1.0\"?><svg width=\"4\" height=\"4\"/>";
    const std::vector<std::uint8_t> svg(svgText.begin(), svgText.end());
    EXPECT_TRUE(LoadPastedPicture(placement, 2, svg).has_value());
    struct Row {
        PastedPicture rect;
        std::uint8_t format;
        std::vector<std::uint8_t> data;
    } rows[] = {
        {{0, 0, 0, 1, PictureFormat::Png, {}}, 1, Png()},
        {{0, 0, 1, -1, PictureFormat::Png, {}}, 1, Png()},
        {{0, 0, std::numeric_limits<long double>::infinity(), 1, PictureFormat::Png, {}}, 1, Png()},
        {{0, 0, 1, 1, PictureFormat::Png, {}}, 2, Png()},
        {{0, 0, 1, 1, PictureFormat::Png, {}}, 1, svg},
        {{0, 0, 1, 1, PictureFormat::Png, {}}, 1, {}},
        {{0, 0, 1, 1, PictureFormat::Png, {}}, 1, {'G', 'I', 'F', '8', '9', 'a', 0, 0, 0}},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i)
        EXPECT_FALSE(LoadPastedPicture(StorePicturePlacement(rows[i].rect), rows[i].format, rows[i].data).has_value())
            << "row " << i;
}

} // namespace
} // namespace korvane
