#include "space/SurfacePainter.h"

#include "graph/ColourTable.h"
#include "platform/memory/RasterSurface.h"
#include "platform/memory/RecordingSurface.h"
#include "space/SurfaceRecord.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace korvane {
namespace {

using platform::Primitive;

// A strip of quadrilaterals along x at heights z, one record, its grid made by hand.
struct Strip {
    ExampleRecord record;
    SurfaceGrid grid;

    Strip(std::vector<long double> xs, std::int16_t colour, long double z = 0) {
        InitialiseSurface(record, kSurfaceExplicit, colour);
        record.SetFlag(spo::kSpectrum, false);
        record.SetFlag(spo::kCap, true);
        grid.n1 = static_cast<int>(xs.size()) - 1;
        grid.n2 = 1;
        for (long double x : xs)
            for (long double y : {0.0L, 1.0L})
                grid.points.push_back({x, y, z});
        grid.defined.assign(grid.points.size(), 1);
    }
};

// The strips seen from `observer` towards `focus`, painted on a square of `size` pixels
// over [-rx, rx].
int PaintSeen(std::vector<const Strip*> strips, SpacePoint observer, SpacePoint focus, int size,
              long double rx, platform::Surface& out, PainterOptions options = {}) {
    SpaceView view;
    view.observer = observer;
    view.focus = focus;
    view.ObserverChanged();
    View pixels;
    pixels.SetClientSize(size, size);
    pixels.SetSquareView(0, 0, rx);
    std::vector<PaintedSurface> surfaces;
    for (const Strip* s : strips)
        surfaces.push_back({&s->record, &s->grid});
    return SurfacePainter().Paint(view, pixels, surfaces, options, out);
}

TEST(HeapSortByDepth, AscendingForAnyOrderAndTies) {
    std::mt19937 random(7);
    for (int n : {0, 1, 2, 3, 10, 101, 1000}) {
        std::vector<PainterEntry> entries;
        for (int k = 0; k < n; ++k)
            entries.push_back({static_cast<long double>(random() % 37), static_cast<std::uint16_t>(k), 0, 0, 0});
        std::vector<long double> expected;
        for (const PainterEntry& e : entries)
            expected.push_back(e.depth);
        std::sort(expected.begin(), expected.end());
        HeapSortByDepth(entries);
        for (int k = 0; k < n; ++k)
            ASSERT_EQ(entries[static_cast<std::size_t>(k)].depth, expected[static_cast<std::size_t>(k)]) << n << " at " << k;
    }
}

// One list for the window: quadrilaterals of two records whose depths alternate are drawn
// alternately, farthest first.
TEST(SurfacePainter, TwoSurfacesAreInterleavedByDepth) {
    Strip near({1, 2, 3, 4, 5}, 4), far({0, 1, 2, 3, 4}, 2);
    // An undefined third column leaves near with [1,2] and [4,5], far with [0,1] and [3,4].
    for (Strip* s : {&near, &far}) {
        s->grid.defined[s->grid.Index(2, 0)] = 0;
        s->grid.defined[s->grid.Index(2, 1)] = 0;
    }
    SetRecordBox(near.record, {-10, -10, -10}, {10, 10, 10});
    SetRecordBox(far.record, {-10, -10, -10}, {10, 10, 10});
    platform::RecordingSurface out(platform::Size{200, 200});
    ASSERT_EQ(PaintSeen({&near, &far}, {100, 0.5L, 3}, {2.5L, 0.5L, 0}, 200, 0.5L, out), 0);
    std::vector<platform::Rgb> pens;
    for (const Primitive& p : out.OfKind(Primitive::Polygon))
        pens.push_back(p.pen.colour);
    const std::vector<platform::Rgb> expected = {ColourRGB(2), ColourRGB(4), ColourRGB(2), ColourRGB(4)};
    EXPECT_EQ(pens, expected);
}

// The spectrum gives the lowest quadrilateral 20 % of the colour and the highest all of it;
// a line width from a file is drawn within the dialog's range.
TEST(SurfacePainter, SpectrumRunsFromTwentyToOneHundredPercent) {
    for (long double z : {-3.0L, 5.0L}) {
        Strip s({0, 1}, 12, z);
        s.record.SetFlag(spo::kSpectrum, true);
        s.record.SetFlag(spo::kGridEdges, false);
        s.record.SetI16(exo::kWidth, 32767); // from a damaged file: drawn 30 wide, not seconds long
        platform::RecordingSurface out(platform::Size{100, 100});
        ASSERT_EQ(PaintSeen({&s}, {5, 20, 30}, {0.5L, 0.5L, z}, 100, 2, out, {-3, 5, false}), 0);
        const auto polygons = out.OfKind(Primitive::Polygon);
        ASSERT_EQ(polygons.size(), 1u);
        const platform::Rgb full = ColourRGB(12);
        const platform::Rgb expected = z == 5 ? full : platform::Rgb{std::uint8_t(full.r / 5), std::uint8_t(full.g / 5), std::uint8_t(full.b / 5)};
        EXPECT_EQ(polygons[0].brush.colour, expected) << "z " << (double)z;
        EXPECT_EQ(polygons[0].pen.colour, expected);
        EXPECT_EQ(polygons[0].pen.width, 30);
    }
}

TEST(SpectrumShare, ClampedAndGreysForPrinters) {
    EXPECT_EQ(SpectrumShare(-1, 0, 10), 0.2L);
    EXPECT_EQ(SpectrumShare(20, 0, 10), 1);
    EXPECT_EQ(SpectrumShare(5, 0, 10), 0.8L * 0.5L + 0.2L);
    EXPECT_EQ(SpectrumGrey(1), platform::kWhite);
    // (1 - 0.2) * 28 = 22.4 rounds to 22: grey 23 is 248 - 8 * 23.
    EXPECT_EQ(SpectrumGrey(0.2L), (platform::Rgb{64, 64, 64}));
    // Halves round toward zero: 0.5 of 255 is 127.5, of 1 is 0.5.
    EXPECT_EQ(SpectrumColour({255, 1, 3}, 0.5L), (platform::Rgb{127, 0, 1}));
}

// Shading fills the two sides with their colours; a quadrilateral with an undefined
// corner or a corner outside its fixed box is skipped.
TEST(SurfacePainter, ShadingBySideAndSkippedQuadrilaterals) {
    Strip s({0, 1, 2, 3}, 4);
    s.record.SetFlag(spo::kShade, true);
    s.record.SetFlag(spo::kCap, false);
    SetRecordBox(s.record, {-1, -1, -1}, {2.5L, 2, 1});
    s.grid.defined[s.grid.Index(0, 0)] = 0;
    for (long double height : {40.0L, -40.0L}) {
        platform::RecordingSurface out(platform::Size{100, 100});
        ASSERT_EQ(PaintSeen({&s}, {1, -20, height}, {1.5L, 0.5L, 0}, 100, 3, out), 0);
        const auto polygons = out.OfKind(Primitive::Polygon);
        ASSERT_EQ(polygons.size(), 1u) << "only the quadrilateral from x = 1 to 2 is whole";
        // (B - A) is +y and (D - A) is +x, so the determinant's positive side faces down.
        EXPECT_EQ(polygons[0].brush.colour, ColourRGB(height > 0 ? 6 : 11)) << (double)height;
    }
}

// An observer on the focus or grids of nothing draw nothing and do not fail.
TEST(SurfacePainter, DegenerateScenesDrawNothing) {
    Strip s({0, 1}, 4), none({0, 1}, 4);
    none.grid = SurfaceGrid{};
    platform::RecordingSurface out(platform::Size{50, 50});
    EXPECT_EQ(PaintSeen({&s}, {1, 1, 1}, {1, 1, 1}, 50, 1, out), 0);
    EXPECT_EQ(PaintSeen({&none}, {60, 80, 60}, {1, 1, 1}, 50, 1, out), 0);
    EXPECT_TRUE(out.Primitives().empty());
}

// Pixels: a surface seen from above fills the middle of a raster with its colour.
TEST(SurfacePainter, FillsTheRasterUnderTheSurface) {
    Strip s({-1, 1}, 2);
    s.grid.points = {{-1, -1, 0}, {-1, 1, 0}, {1, -1, 0}, {1, 1, 0}};
    s.record.SetFlag(spo::kShade, true);
    platform::RasterSurface raster(platform::Size{40, 40});
    ASSERT_EQ(PaintSeen({&s}, {0.001L, -0.001L, 1000}, {0, 0, 0}, 40, 2, raster), 0);
    EXPECT_EQ(raster.GetPixel({20, 20}), ColourRGB(6));
    EXPECT_EQ(raster.GetPixel({2, 2}), platform::kWhite);
}

} // namespace
} // namespace korvane
