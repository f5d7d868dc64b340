// The Qt surface's pixels and the key codes of Qt keys. Export files and the printer are the
// command line's and the plane window's tests.
#include "platform/qt/QtKeys.h"
#include "resources/Resources.h"
#include "platform/qt/QtSurface.h"
#include "tests/qt/QtEventLoop.h"
#include "tests/support/SurfaceContract.h"

#include <gtest/gtest.h>

using namespace korvane;
using namespace korvane::platform;

namespace {

constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kBlue{0, 0, 255};

using korvane::testing::CountOf;
using korvane::testing::EnsureApplication;
using korvane::testing::SamePixels;

} // namespace

TEST(QtSurface, KeepsTheSurfaceContract) {
    EnsureApplication();
    korvane::testing::CheckSurfaceContract(
        [](Size size, Rgb fill) -> std::unique_ptr<Surface> { return std::make_unique<QtSurface>(size, fill); });
    QtSurface filled({20, 20}, kWhite); // FillRect leaves the right and bottom edges too
    filled.FillRect({2, 3, 6, 7}, kRed);
    EXPECT_EQ(CountOf(filled, kRed), 4 * 4);
}

// Text lies inside the box that TextExtent and the alignment give, in the text colour,
// and an opaque background fills that box.
TEST(QtSurface, TextInItsBox) {
    EnsureApplication();
    QtSurface s({160, 60}, kWhite);
    s.SetFont({"Sans", 16});
    s.SetTextColour(kRed);
    s.SetBackgroundColour(kBlue);
    s.SetBackgroundMode(BackgroundMode::Opaque);
    s.SetTextAlign(AlignRight | AlignBaseline);
    const Size extent = s.TextExtent("x=10");
    const FontMetrics m = s.GetFontMetrics();
    ASSERT_GT(extent.width, 0);
    EXPECT_EQ(extent.height, m.height);
    s.TextOut({120, 40}, "x=10");
    const Rect box{120 - extent.width, 40 - m.ascent, 120, 40 - m.ascent + m.height};
    int inside = 0, outside = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 160; ++x) {
            const Rgb p = *s.GetPixel({x, y});
            if (p == kWhite)
                continue;
            (box.Contains({x, y}) ? inside : outside) += 1;
        }
    EXPECT_EQ(outside, 0);
    EXPECT_GT(CountOf(s, kRed), 10);
    EXPECT_GT(CountOf(s, kBlue), 10);
}

// A symbol font draws byte 112 as pi, as the same font draws the Unicode pi.
TEST(QtSurface, SymbolFontDrawsPi) {
    EnsureApplication();
    const auto drawn = [](bool symbol, const char* text) {
        auto s = std::make_unique<QtSurface>(Size{40, 30});
        s->SetBackgroundMode(BackgroundMode::Transparent);
        s->SetFont({.face = "Sans", .height = 20, .symbol = symbol});
        s->TextOut({5, 2}, text);
        return s;
    };
    EXPECT_TRUE(SamePixels(*drawn(true, "p"), *drawn(false, "π")));
    EXPECT_FALSE(SamePixels(*drawn(true, "p"), *drawn(false, "p")));
}

// Qt keys in the program's codes: letters upper case with or without Shift, F-keys,
// '+' and '-' from either keyboard, other punctuation clear of the named keys.
TEST(QtKeys, CodesOfQtKeys) {
    struct Row {
        int qt;
        Qt::KeyboardModifiers modifiers;
        int code;
        quint32 keycode = 0; // X keycode of the key's place
    } rows[] = {
        {Qt::Key_S, Qt::NoModifier, 'S'},
        {Qt::Key_S, Qt::ShiftModifier, 'S'},
        {Qt::Key_7, Qt::NoModifier, '7'},
        {Qt::Key_F1, Qt::NoModifier, res::KeyF1},
        {Qt::Key_F12, Qt::NoModifier, res::KeyF12},
        {Qt::Key_PageDown, Qt::NoModifier, res::KeyPageDown},
        {Qt::Key_Left, Qt::NoModifier, res::KeyLeft},
        {Qt::Key_Return, Qt::NoModifier, res::KeyEnter},
        {Qt::Key_Enter, Qt::KeypadModifier, res::KeyEnter},
        {Qt::Key_Space, Qt::NoModifier, res::KeySpace},
        {Qt::Key_Plus, Qt::NoModifier, res::KeyAdd},
        {Qt::Key_Minus, Qt::KeypadModifier, res::KeySubtract},
        {Qt::Key_Exclam, Qt::NoModifier, 0x100 + '!'},
        {Qt::Key_Period, Qt::NoModifier, 0x100 + '.'},
        {Qt::Key_Shift, Qt::ShiftModifier, res::KeyNone},
        // Another alphabet's letter is the Latin letter at its place; a Latin layout's own
        // letter wins over its place (Q on the A key of a French keyboard).
        {0x042B, Qt::NoModifier, 'S', 39},      // Cyrillic YERU
        {0x0421, Qt::ControlModifier, 'C', 54}, // Cyrillic ES
        {0x03A3, Qt::ShiftModifier, 'W', 25},   // Greek SIGMA
        {Qt::Key_Q, Qt::NoModifier, 'Q', 38},
        {0x042B, Qt::NoModifier, res::KeyNone, 10}, // no letter at that place
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.qt);
        EXPECT_EQ(KeyCodeFromQt(row.qt, row.modifiers, row.keycode), row.code);
    }
    EXPECT_EQ(ModifiersFromQt(Qt::ShiftModifier | Qt::ControlModifier), res::ModShift | res::ModCtrl);
}
