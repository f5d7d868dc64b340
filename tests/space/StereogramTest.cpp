// Random-dot stereograms: the chains of a small picture against the depth rule worked out
// here from the surface's closed form, density and dot size, and the window with its dialog.
#include "SpaceWindowTestSupport.h"
#include "SurfaceTestSupport.h"
#include "tests/support/SurfaceContract.h"

#include "platform/memory/MemoryDialog.h"
#include "platform/memory/MemoryWindow.h"
#include "plane/TSlideDlg.h"
#include "space/Stereogram.h"
#include "space/TRDSDlg.h"

#include <algorithm>
#include <cmath>

namespace korvane::spacetest {
namespace {

struct Dot {
    int x, y, size;
};

// A 40 x 12 picture of a surface in the box (-2, -1, zlow) .. (2, 1, zhigh): h = 2 dot
// size, n = 41 / h columns, 4 strips.
std::vector<Dot> Dots(const std::string& formula, long double zlow, long double zhigh, int density, int dotSize) {
    Compiled c;
    ExampleRecord e;
    c.Make(e, kSurfaceExplicit, {formula});
    SetRecordBox(e, {-2, -1, zlow}, {2, 1, zhigh});
    const StereogramParameters p{0.75L, density, 4, dotSize};
    const StereogramLayout layout = ComputeStereogramLayout(p, 40, 12, {-2, -1, zlow}, {2, 1, zhigh});
    std::vector<Dot> dots;
    const ExampleRecord* records[] = {&e};
    RandomGenerator random(7);
    StereogramTarget target{[&](int x, int y, int size, const ExampleRecord&) { dots.push_back({x, y, size}); }, {}};
    EXPECT_TRUE(DrawStereogram(c.context, records, layout, p, 1, random, target));
    return dots;
}

// The first chain of the top row at density 100 starts at the box's left edge; each next
// dot lies a strip on, less the relief D (z(x + S/2) - focus z), D = 4 * 0.75 / (zext 4).
TEST(Stereogram, ChainsFollowTheDepthRule) {
    struct Row {
        const char *rule, *formula;
        long double zlow, zhigh;
    } rows[] = {
        {"a flat surface at the focus height: constant spacing S", "0.5", 0, 1},
        {"a tilted surface z = x/2: each step shortened by its height", "x/2", -1, 1},
        {"heights beyond the box are clamped to it", "3x", -1, 1},
    };
    const long double dx = 4.0L / 19, strip = 5 * dx, scale = 10;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.rule);
        const std::vector<Dot> dots = Dots(row.formula, row.zlow, row.zhigh, 100, 1);
        const long double relief = 4 * 0.75L / ((row.zhigh - row.zlow + 1e-18L) * 4), focus = (row.zlow + row.zhigh) / 2;
        long double x = -2;
        for (int k = 0; k < 13; ++k) {
            const int column = static_cast<int>(scale * (x + 2));
            if (column + 1 > 40)
                break;
            ASSERT_LT(static_cast<std::size_t>(k), dots.size());
            EXPECT_EQ(dots[static_cast<std::size_t>(k)].x, column) << "dot " << k;
            EXPECT_EQ(dots[static_cast<std::size_t>(k)].y, 0);
            const long double m = x + strip / 2;
            const long double z = std::clamp(row.formula == std::string("0.5") ? 0.5L
                                             : row.formula == std::string("x/2") ? m / 2 : 3 * m,
                                             row.zlow, row.zhigh);
            x += strip - relief * (z - focus);
        }
    }
    EXPECT_TRUE(Dots("x/2", -1, 1, 0, 1).empty()) << "density 0 starts no chain";
    // Density 100: every position of a row starts a chain (the last, at column 40, has no room).
    const std::vector<Dot> all = Dots("0.5", 0, 1, 100, 1);
    for (int i = 0; i < 19; ++i) {
        const int column = static_cast<int>(scale * (i * dx));
        EXPECT_TRUE(std::any_of(all.begin(), all.end(), [&](const Dot& d) { return d.y == 0 && d.x == column; })) << i;
    }
    // Dot size 3: rows six pixels apart, square dots of three.
    for (const Dot& d : Dots("x/2", -1, 1, 100, 3)) {
        EXPECT_EQ(d.y % 6, 0);
        EXPECT_EQ(d.size, 3);
    }
}

// The dialog refuses parameters out of range; "traçar" opens the window, which draws
// dots and the two guide discs, stops at S, and stays empty for a surface undefined
// everywhere.
TEST_F(SpaceWindowTest, StereogramWindowFromItsDialog) {
    const auto paint = [&](TRDSWin& w, platform::Primitive::Kind kind) {
        auto raster = platform.CreateSurface(w.ClientSize());
        platform::RecordingSurface out(*raster);
        w.DrawBase(out);
        const auto drawn = out.OfKind(kind);
        return static_cast<std::size_t>(std::count_if(drawn.begin(), drawn.end(), [](const platform::Primitive& p) {
            return !(p.colour == platform::kWhite); // not the paper
        }));
    };
    EXPECT_FALSE(window->ShowStereogramDialog()) << "no surface yet";
    New(cmd::kNewSurfaceExplicit);
    window->OnCommand(cmd::kStereograms);
    platform::MemoryDialog* d = platform.FindDialog("RDS");
    ASSERT_NE(d, nullptr);
    struct Refusal {
        int field;
        const char* text;
    } refusals[] = {{TRDSDlg::kDensity, "101"}, {TRDSDlg::kStrips, "0"}, {TRDSDlg::kDotSize, "21"}, {TRDSDlg::kDepth, "1/"}};
    for (const Refusal& r : refusals) {
        const std::size_t messages = platform.Messages().size();
        window->ShowStereogramDialog();
        d->Type(r.field, r.text);
        d->Press(TRDSDlg::kDraw);
        EXPECT_EQ(platform.Messages().size(), messages + 1) << r.text;
        EXPECT_EQ(window->StereogramWindow(), nullptr);
    }
    window->ShowStereogramDialog();
    d->Press(TRDSDlg::kDraw);
    TRDSWin* rds = window->StereogramWindow();
    ASSERT_NE(rds, nullptr);
    EXPECT_GT(paint(*rds, platform::Primitive::FillRect), 1000u);
    EXPECT_EQ(paint(*rds, platform::Primitive::Ellipse), 2u);
    EXPECT_FALSE(rds->Stopped());
    static_cast<platform::MemoryWindow*>(rds->GetWindow())->QueueKey('S');
    paint(*rds, platform::Primitive::FillRect);
    EXPECT_TRUE(rds->Stopped());
    EXPECT_EQ(rds->RowsDrawn(), 1);

    // The window's sliders move a letter of the surface: the chains shift and the space
    // window takes the letter (its box of the surface follows); a letter the surface does
    // not use draws nothing.
    auto& screen = *static_cast<platform::MemoryWindow*>(rds->GetWindow());
    constexpr int kSliders = 600, kSliderSteps = 1169; // the symbol parameter's, then A..W
    for (int id : {kSliders, kSliders + 1, kSliders + 23, kSliderSteps})
        EXPECT_TRUE(screen.MenuItem(id) && screen.MenuItem(id)->enabled) << id;
    ScriptOk({{213, "A*x*y"}});
    window->EditExample(0, false);
    window->ShowStereogramDialog();
    d->Press(TRDSDlg::kDraw);
    screen.RunPendingRepaint();
    const auto shown = [&] {
        auto copy = platform.CreateSurface(screen.Front().GetSize());
        copy->Blit({0, 0}, screen.Front(), platform::Rect::FromSize({0, 0}, copy->GetSize()));
        return copy;
    };
    const auto before = shown();
    for (int slot : {2, 1}) {
        rds->OnCommand(kSliders + slot);
        auto* slider = static_cast<platform::MemoryDialog*>(rds->Animator().SliderDialog(slot).GetDialog());
        ASSERT_NE(slider, nullptr);
        slider->Type(TSlideDlg::kValue, "3");
        slider->Press(TSlideDlg::kOk);
        EXPECT_EQ(screen.RunPendingRepaint(), slot == 1) << slot;
    }
    EXPECT_FALSE(testing::SamePixels(*shown(), *before));
    EXPECT_EQ(window->Context().GetLetter(1), 3);
    EXPECT_GT(RecordBoxMax(window->Examples()[0]).z, 2); // 3xy on the default square
    window->Context().SetLetter(1, 1); // as a document read there would
    paint(*rds, platform::Primitive::FillRect);
    EXPECT_EQ(window->Context().GetLetter(1), 1) << "an older letter of the stereogram came back";

    ScriptOk({{213, "sqrt(-1-xx)"}});
    window->EditExample(0, false);
    EXPECT_EQ(paint(*rds, platform::Primitive::FillRect), 0u);
}

} // namespace
} // namespace korvane::spacetest
