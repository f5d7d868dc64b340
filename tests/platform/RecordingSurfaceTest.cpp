#include "platform/memory/RasterSurface.h"
#include "platform/memory/RecordingSurface.h"

#include <gtest/gtest.h>

using namespace korvane::platform;

namespace {
constexpr Rgb kRed{255, 0, 0};
}

// Each primitive is kept with the state it was drawn in.
TEST(RecordingSurface, KeepsPrimitivesWithTheirState) {
    RecordingSurface s(Size{50, 50});
    const Pen dotted{kRed, 2, PenStyle::Dotted};
    s.SetPen(dotted);
    s.Line({1, 2}, {3, 4});
    s.SetDrawMode(DrawMode::NotXor);
    s.Rectangle({0, 0, 10, 10});
    s.SetFont({"Symbol", 12, false, false, false, true});
    s.SetTextColour(kRed);
    s.SetBackgroundMode(BackgroundMode::Transparent);
    s.TextOut({5, 6}, "p");
    s.FillRect({1, 1, 2, 2}, kRed);

    const std::vector<Primitive>& p = s.Primitives();
    ASSERT_EQ(p.size(), 4u);
    EXPECT_EQ(p[0].kind, Primitive::Line);
    EXPECT_EQ(p[0].points, (std::vector<Point>{{1, 2}, {3, 4}}));
    EXPECT_EQ(p[0].pen, dotted);
    EXPECT_EQ(p[0].drawMode, DrawMode::Copy);
    EXPECT_EQ(p[1].drawMode, DrawMode::NotXor);
    EXPECT_EQ(p[1].rect, (Rect{0, 0, 10, 10}));
    EXPECT_TRUE(p[2].font.symbol);
    EXPECT_EQ(p[2].textColour, kRed);
    EXPECT_EQ(p[2].backgroundMode, BackgroundMode::Transparent);
    EXPECT_EQ(s.Texts(), (std::vector<std::string>{"p"}));
    EXPECT_EQ(s.OfKind(Primitive::FillRect).size(), 1u);
    EXPECT_EQ(Describe(p[0]), "Line (1,2) (3,4) pen #ff0000 w2 Dotted");
    EXPECT_FALSE(s.GetPixel({1, 1}).has_value()) << "a bare recording keeps no pixels";
}

// On a raster surface every call also draws, so pixels can be read back.
TEST(RecordingSurface, SitsOnARasterSurface) {
    RasterSurface raster({20, 20});
    RecordingSurface s(raster);
    s.SetPen({kRed, 1, PenStyle::Solid});
    s.Line({0, 5}, {19, 5});
    EXPECT_EQ(*s.GetPixel({7, 5}), kRed);
    EXPECT_EQ(raster.CountPixels(kRed), 20);
    EXPECT_EQ(s.GetSize(), (Size{20, 20}));
    EXPECT_EQ(s.TextExtent("abc"), raster.TextExtent("abc"));

    RasterSurface other({20, 20}, kRed);
    s.Blit({0, 0}, other, {0, 0, 4, 4}, BlitOp::Copy);
    EXPECT_EQ(raster.CountPixels(kRed), 20 + 16);
    ASSERT_EQ(s.OfKind(Primitive::Blit).size(), 1u);
    EXPECT_EQ(s.OfKind(Primitive::Blit)[0].rect, (Rect{0, 0, 4, 4}));
}
