// The raster surface of layers and of the tests, and the recording surface that can sit on
// it: the surface contract shared with the Qt surface, Bresenham lines, shapes, text boxes.
#include "platform/memory/RasterSurface.h"
#include "platform/memory/RecordingSurface.h"
#include "tests/support/SurfaceContract.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

using namespace korvane::platform;

namespace {

constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kBlue{0, 0, 255};

using PixelSet = std::set<std::pair<int, int>>;

// The pixels that differ from white.
PixelSet Painted(const RasterSurface& s) {
    PixelSet out;
    for (int y = 0; y < s.GetSize().height; ++y)
        for (int x = 0; x < s.GetSize().width; ++x)
            if (*s.GetPixel({x, y}) != kWhite)
                out.insert({x, y});
    return out;
}

} // namespace

TEST(RasterSurface, KeepsTheSurfaceContract) {
    korvane::testing::CheckSurfaceContract(
        [](Size size, Rgb fill) -> std::unique_ptr<Surface> { return std::make_unique<RasterSurface>(size, fill); });
}

// Lines include both end points and follow Bresenham's choice of pixels.
TEST(RasterSurface, LinePixels) {
    struct Row {
        const char* name;
        Point from, to;
        PixelSet expected;
    } rows[] = {
        {"horizontal", {1, 1}, {4, 1}, {{1, 1}, {2, 1}, {3, 1}, {4, 1}}},
        {"vertical upward", {2, 3}, {2, 0}, {{2, 0}, {2, 1}, {2, 2}, {2, 3}}},
        {"diagonal", {0, 0}, {3, 3}, {{0, 0}, {1, 1}, {2, 2}, {3, 3}}},
        {"shallow, ties rounded down the screen", {0, 0}, {4, 2}, {{0, 0}, {1, 1}, {2, 1}, {3, 2}, {4, 2}}},
        {"steep", {0, 0}, {1, 3}, {{0, 0}, {0, 1}, {1, 2}, {1, 3}}},
        {"one point", {5, 5}, {5, 5}, {{5, 5}}},
        {"clipped", {-2, 0}, {1, 0}, {{0, 0}, {1, 0}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        RasterSurface s({8, 8});
        s.Line(row.from, row.to);
        EXPECT_EQ(Painted(s), row.expected);
    }
}

TEST(RasterSurface, FillRectIgnoresPenAndDrawMode) {
    RasterSurface s({4, 4});
    s.SetDrawMode(DrawMode::Xor);
    s.FillRect({1, 1, 3, 3}, kRed);
    s.FillRect({1, 1, 3, 3}, kRed);
    EXPECT_EQ(s.CountPixels(kRed), 4);
}

// The ellipse stays in its box, is symmetric, and its fill is inside its outline.
TEST(RasterSurface, EllipseShape) {
    RasterSurface s({20, 14});
    s.SetPen({kRed, 1, PenStyle::Solid});
    s.SetBrush({kBlue, BrushStyle::Solid});
    s.Ellipse({2, 2, 18, 12});
    for (int y = 0; y < 14; ++y)
        for (int x = 0; x < 20; ++x) {
            SCOPED_TRACE(std::to_string(x) + "," + std::to_string(y));
            const Rgb p = *s.GetPixel({x, y});
            if (x < 2 || x >= 18 || y < 2 || y >= 12) {
                EXPECT_EQ(p, kWhite);
            }
            EXPECT_EQ(p, *s.GetPixel({19 - x, y}));
            EXPECT_EQ(p, *s.GetPixel({x, 13 - y}));
        }
    EXPECT_EQ(*s.GetPixel({10, 7}), kBlue);   // centre
    EXPECT_EQ(*s.GetPixel({2, 7}), kRed);     // left end
    EXPECT_EQ(*s.GetPixel({2, 2}), kWhite);   // corner of the box
    EXPECT_EQ(*s.GetPixel({10, 2}), kRed);    // top
}

// Polygons fill by the even-odd rule; vertices and samples are pixel centres, spans half open.
TEST(RasterSurface, PolygonFill) {
    RasterSurface s({10, 10});
    s.SetPen({kBlue, 1, PenStyle::None});
    s.SetBrush({kRed, BrushStyle::Solid});
    const Point square[] = {{2, 2}, {6, 2}, {6, 6}, {2, 6}};
    s.Polygon(square);
    EXPECT_EQ(s.CountPixels(kRed), 16);
    EXPECT_EQ(s.CountPixels(kRed, {2, 2, 6, 6}), 16);

    RasterSurface t({10, 10});
    t.SetPen({kBlue, 1, PenStyle::None});
    t.SetBrush({kRed, BrushStyle::Solid});
    const Point triangle[] = {{0, 0}, {8, 0}, {0, 8}};
    t.Polygon(triangle);
    // Vertices sit on pixel centres, so pixel (x, y) is in when x + y < 8: rows of 8, 7, ..., 1.
    EXPECT_EQ(t.CountPixels(kRed), 8 + 7 + 6 + 5 + 4 + 3 + 2 + 1);
}

// Dotted pens alternate; with an opaque background the gaps get the background colour.
TEST(RasterSurface, DottedPenAndBackgroundMode) {
    for (BackgroundMode mode : {BackgroundMode::Transparent, BackgroundMode::Opaque}) {
        SCOPED_TRACE(mode == BackgroundMode::Opaque ? "opaque" : "transparent");
        RasterSurface s({10, 1}, kRed);
        s.SetPen({kBlack, 1, PenStyle::Dotted});
        s.SetBackgroundColour(kBlue);
        s.SetBackgroundMode(mode);
        s.Line({0, 0}, {9, 0});
        for (int x = 0; x < 10; ++x)
            EXPECT_EQ(*s.GetPixel({x, 0}), x % 2 == 0 ? kBlack : mode == BackgroundMode::Opaque ? kBlue : kRed) << x;
    }
}

TEST(RasterSurface, WidePenCoversASquarePerPoint) {
    RasterSurface s({10, 10});
    s.SetPen({kRed, 3, PenStyle::Solid});
    s.Line({3, 5}, {6, 5});
    EXPECT_EQ(s.CountPixels(kRed), 6 * 3);
    EXPECT_EQ(s.CountPixels(kRed, {2, 4, 8, 7}), 18);
}

TEST(RasterSurface, BlitOntoItselfOverlapping) {
    RasterSurface s({5, 1});
    for (int x = 0; x < 5; ++x)
        s.SetPixel({x, 0}, {std::uint8_t(x), 0, 0});
    s.Blit({1, 0}, s, {0, 0, 4, 1});
    for (int x = 1; x < 5; ++x)
        EXPECT_EQ(s.GetPixel({x, 0})->r, x - 1) << x;
}

TEST(RasterSurface, ClipAndOutside) {
    RasterSurface s({6, 6});
    s.SetClip(Rect{2, 2, 4, 4});
    s.FillRect({0, 0, 6, 6}, kRed);
    EXPECT_EQ(s.CountPixels(kRed), 4);
    s.SetClip(std::nullopt);
    s.SetPixel({-1, 0}, kRed);
    s.SetPixel({6, 0}, kRed);
    EXPECT_EQ(s.CountPixels(kRed), 4);
    EXPECT_FALSE(s.GetPixel({6, 0}).has_value());
    EXPECT_FALSE(s.GetPixel({0, -1}).has_value());
    RasterSurface empty({0, 0});
    empty.Line({0, 0}, {5, 5});
    EXPECT_EQ(empty.GetSize(), (Size{0, 0}));
}

// Text is a row of fixed-pitch cells; the alignment moves the box around the point.
TEST(RasterSurface, TextBoxesFollowTheAlignment) {
    RasterSurface s({100, 40});
    s.SetFont({"Sans", 10});
    const FontMetrics m = s.GetFontMetrics();
    EXPECT_EQ(m.height, 10);
    EXPECT_EQ(m.ascent, 8);
    EXPECT_EQ(m.averageWidth, 5);
    EXPECT_EQ(s.TextExtent("função"), (Size{30, 10})); // six characters, not eight bytes
    struct Row {
        int align;
        Rect expected;
    } rows[] = {
        {AlignLeft | AlignTop, {50, 20, 65, 30}},
        {AlignRight | AlignTop, {35, 20, 50, 30}},
        {AlignCenter | AlignBaseline, {43, 12, 58, 22}},
        {AlignLeft | AlignBottom, {50, 10, 65, 20}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.align);
        s.SetTextAlign(row.align);
        EXPECT_EQ(s.TextBox({50, 20}, "abc"), row.expected);
    }
}

TEST(RasterSurface, TextColoursAndOpaqueBackground) {
    for (BackgroundMode mode : {BackgroundMode::Transparent, BackgroundMode::Opaque}) {
        SCOPED_TRACE(mode == BackgroundMode::Opaque ? "opaque" : "transparent");
        RasterSurface s({40, 20}, kWhite);
        s.SetFont({"Sans", 10});
        s.SetTextColour(kRed);
        s.SetBackgroundColour(kBlue);
        s.SetBackgroundMode(mode);
        s.TextOut({2, 2}, "a b");
        const Rect box = s.TextBox({2, 2}, "a b");
        EXPECT_EQ(s.CountPixels(kRed), 2 * 4 * 7); // two glyph blocks of 4 x 7
        EXPECT_EQ(s.CountPixels(kRed, box), s.CountPixels(kRed));
        EXPECT_EQ(s.CountPixels(kBlue), mode == BackgroundMode::Opaque ? 15 * 10 - 56 : 0);
    }
}

// Each primitive is kept with the state it was drawn in; on a raster surface every call
// also draws, so pixels can be read back.
TEST(RecordingSurface, KeepsPrimitivesWithTheirStateAndDrawsBelow) {
    RasterSurface raster({20, 20});
    RecordingSurface s(raster);
    const Pen dotted{kRed, 2, PenStyle::Dotted};
    s.SetPen(dotted);
    s.Line({0, 5}, {19, 5});
    s.SetDrawMode(DrawMode::NotXor);
    s.Rectangle({0, 0, 10, 10});
    s.SetFont({"Symbol", 12, false, false, false, true});
    s.SetTextColour(kRed);
    s.SetBackgroundMode(BackgroundMode::Transparent);
    s.TextOut({5, 6}, "p");
    RasterSurface other({20, 20}, kBlue);
    s.Blit({0, 12}, other, {0, 0, 4, 4}, BlitOp::Copy);

    const std::vector<Primitive>& p = s.Primitives();
    ASSERT_EQ(p.size(), 4u);
    EXPECT_EQ(p[0].kind, Primitive::Line);
    EXPECT_EQ(p[0].points, (std::vector<Point>{{0, 5}, {19, 5}}));
    EXPECT_EQ(p[0].pen, dotted);
    EXPECT_EQ(p[0].drawMode, DrawMode::Copy);
    EXPECT_EQ(p[1].drawMode, DrawMode::NotXor);
    EXPECT_EQ(p[1].rect, (Rect{0, 0, 10, 10}));
    EXPECT_TRUE(p[2].font.symbol);
    EXPECT_EQ(p[2].textColour, kRed);
    EXPECT_EQ(p[2].backgroundMode, BackgroundMode::Transparent);
    EXPECT_EQ(s.Texts(), (std::vector<std::string>{"p"}));
    EXPECT_EQ(p[3].rect, (Rect{0, 0, 4, 4}));
    EXPECT_EQ(*s.GetPixel({14, 5}), kRed);
    EXPECT_EQ(raster.CountPixels(kBlue), 16);
    EXPECT_FALSE(RecordingSurface(Size{5, 5}).GetPixel({1, 1}).has_value()) << "a bare recording keeps no pixels";
}
