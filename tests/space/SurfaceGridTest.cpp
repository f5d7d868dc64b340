#include "space/SceneBox.h"
#include "space/SurfaceGrid.h"

#include "SurfaceTestSupport.h"

#include <cmath>
#include <numbers>

namespace korvane::spacetest {
namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;

void ExpectPoint(const SpacePoint& actual, const SpacePoint& expected) {
    EXPECT_NEAR((double)Length(actual - expected), 0, 1e-15) << actual << " vs " << expected;
}

// Each kind maps its two parameters to space as its definition says.
TEST(SurfacePoint, EveryKindPlacesItsParameters) {
    const long double t = 0.7L, u = 1.3L;
    struct Row {
        std::int16_t kind;
        SpacePoint expected;
    } rows[] = {
        {kSurfaceExplicit, {t, u, std::sin(2 * t) * std::cos(u)}},
        {kSurfaceCylindrical,
         {t * std::cos(u), t * std::sin(u), t * t * t * std::cos(3 * u) / (1 + t * t * t * t)}},
        {kSurfaceParametric, {std::sin(u) * std::cos(t), std::sin(u) * std::sin(t), std::cos(u)}},
        {kSurfaceSpherical,
         {(1 + 0.25L * std::sin(3 * u)) * std::sin(u) * std::cos(t),
          (1 + 0.25L * std::sin(3 * u)) * std::sin(u) * std::sin(t), (1 + 0.25L * std::sin(3 * u)) * std::cos(u)}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.kind);
        Compiled c;
        ExampleRecord e;
        c.Make(e, r.kind);
        SpacePoint p;
        ASSERT_TRUE(SurfacePoint(c.context, e, t, u, p));
        ExpectPoint(p, r.expected);
    }
    // Undefined where a formula is; the letters come back.
    Compiled c;
    ExampleRecord e;
    c.Make(e, kSurfaceExplicit, {"ln(x)+y"});
    c.context.SetLetter('X' - 64, 42);
    SpacePoint p;
    EXPECT_FALSE(SurfacePoint(c.context, e, -1, 0, p));
    EXPECT_TRUE(SurfacePoint(c.context, e, 1, 0, p));
    EXPECT_EQ(c.context.GetLetter('X' - 64), 42);
}

// The automatic box holds every sample and 1 % more of its extent on each side.
TEST(ComputeGrid, AutomaticBoxOrFixedOne) {
    Compiled c;
    ExampleRecord e;
    c.Make(e, kSurfaceExplicit);
    SurfaceGrid grid;
    ASSERT_TRUE(ComputeGrid(c.context, e, grid));
    ASSERT_EQ(grid.points.size(), 25u * 25u);
    // sin(2x) reaches +-1 at x = -3pi/4 (i = 3), cos(y) = 1 at y = 0 (j = 12).
    ExpectPoint(grid.points[grid.Index(3, 12)], {-0.75L * kPi, 0, 1});
    ExpectPoint(RecordBoxMin(e), {-1.02L * kPi, -1.02L * kPi, -1.02L});
    ExpectPoint(RecordBoxMax(e), {1.02L * kPi, 1.02L * kPi, 1.02L});

    // A fixed box presses outside points just beyond its faces, so that only the cap draws
    // them.
    c.Make(e, kSurfaceExplicit, {"3x"});
    e.SetFlag(spo::kAutoBox, false);
    SetRecordBox(e, {-4, -4, -1}, {4, 4, 1});
    ASSERT_TRUE(ComputeGrid(c.context, e, grid));
    const SpacePoint low = RecordBoxMin(e), high = RecordBoxMax(e);
    EXPECT_EQ(high.z, 1) << "a fixed box stays";
    const SpacePoint corner = grid.points[grid.Index(0, 0)]; // x = -pi, z = -3pi
    EXPECT_EQ(corner.z, -1 - 1e-13L);
    EXPECT_FALSE(InsideRecordBox(corner, low, high));
    const SpacePoint middle = grid.points[grid.Index(12, 0)]; // x = 0, z = 0
    EXPECT_NEAR((double)middle.z, 0, 1e-15);
    EXPECT_TRUE(InsideRecordBox(middle, low, high));
}

// Counts from a damaged file are cut to what the program samples: at most 3000 points.
TEST(ComputeGrid, DivisionCountsAreClampedWhateverTheRecordSays) {
    struct Row {
        int n1, n2;
    } rows[] = {{32000, 32000}, {-5, 0}, {3000, 1}, {1, 32767}, {100, 100}};
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.n1 << " x " << r.n2);
        Compiled c;
        ExampleRecord e;
        c.Make(e, kSurfaceExplicit);
        e.SetI16(spo::kDivisions1, static_cast<std::int16_t>(r.n1));
        e.SetI16(spo::kDivisions2, static_cast<std::int16_t>(r.n2));
        SurfaceGrid grid;
        ASSERT_TRUE(ComputeGrid(c.context, e, grid));
        EXPECT_GE(grid.n1, 1);
        EXPECT_GE(grid.n2, 1);
        EXPECT_LE(grid.points.size(), 3000u);
    }
}

TEST(ComputeSceneBox, UnionOfShownRecordsFlatAxesWidenedNoneUndefined) {
    ExampleTable table;
    auto add = [&](SpacePoint low, SpacePoint high, bool shown) {
        const int i = table.Append(kSurfaceExplicit, 4);
        SetRecordBox(table[i], low, high);
        table[i].SetShown(shown);
    };
    add({0, 0, 5}, {1, 2, 5}, true);
    add({-1, 1, 4}, {0.5L, 3, 5}, true);
    add({-100, -100, -100}, {100, 100, 100}, false);
    SpaceView view;
    ASSERT_TRUE(ComputeSceneBox(table, view));
    EXPECT_EQ(view.boxMin, (SpacePoint{-1, 0, 4}));
    EXPECT_EQ(view.boxMax, (SpacePoint{1, 3, 5}));
    EXPECT_EQ(view.focus, (SpacePoint{0, 1.5L, 4.5L}));
    EXPECT_EQ(view.scale, (SpacePoint{0.5L, 1 / 3.0L, 1}));

    ExampleTable flat;
    const int i = flat.Append(kSurfaceExplicit, 4);
    SetRecordBox(flat[i], {1, 1, 2}, {3, 1, 2});
    ASSERT_TRUE(ComputeSceneBox(flat, view));
    EXPECT_EQ(view.boxMax, (SpacePoint{3, 2, 3}));

    // A surface undefined everywhere leaves an empty box and no scene.
    Compiled c;
    ExampleTable undefined;
    ExampleRecord& e = undefined[undefined.Append(kSurfaceExplicit, 4)];
    c.Make(e, kSurfaceExplicit, {"ln(-1-xx)"});
    SurfaceGrid grid;
    ASSERT_TRUE(ComputeGrid(c.context, e, grid));
    for (std::uint8_t d : grid.defined)
        EXPECT_EQ(d, 0);
    SpaceView none;
    EXPECT_FALSE(ComputeSceneBox(undefined, none));
    EXPECT_EQ(none.boxMax, (SpacePoint{2, 2, 2}));
}

} // namespace
} // namespace korvane::spacetest
