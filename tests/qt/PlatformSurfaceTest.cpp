// The Qt surfaces' pixels, their export files, and the key codes of Qt keys.
#include "platform/qt/QtExportSurface.h"
#include "platform/qt/QtKeys.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/QtSurface.h"

#include <gtest/gtest.h>

#include <QFile>

#include <filesystem>
#include <functional>

#include <unistd.h>

using namespace korvane;
using namespace korvane::platform;

namespace {

constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kBlue{0, 0, 255};

void EnsureApplication() {
    static QtPlatform platform; // makes the program's QApplication when no other test has
    (void)platform;
}

bool SamePixels(const Surface& a, const Surface& b) {
    for (int y = 0; y < a.GetSize().height; ++y)
        for (int x = 0; x < a.GetSize().width; ++x)
            if (a.GetPixel({x, y}) != b.GetPixel({x, y}))
                return false;
    return true;
}

int Count(const Surface& s, Rgb colour) {
    int n = 0;
    for (int y = 0; y < s.GetSize().height; ++y)
        for (int x = 0; x < s.GetSize().width; ++x)
            n += s.GetPixel({x, y}) == colour;
    return n;
}

std::string TempPath(const std::string& name) {
    return (std::filesystem::temp_directory_path() / ("korvane-" + std::to_string(::getpid()) + "-" + name)).string();
}

} // namespace

// Lines include both ends; rectangles exclude their right and bottom edges.
TEST(QtSurface, LineAndRectangleEdges) {
    EnsureApplication();
    QtSurface s({20, 20});
    s.SetPen({kRed, 1, PenStyle::Solid});
    s.Line({2, 3}, {9, 3});
    EXPECT_EQ(Count(s, kRed), 8);
    EXPECT_EQ(*s.GetPixel({9, 3}), kRed);
    EXPECT_EQ(*s.GetPixel({10, 3}), kWhite);

    QtSurface r({20, 20});
    r.SetPen({kRed, 1, PenStyle::Solid});
    r.SetBrush({kBlue, BrushStyle::Solid});
    r.Rectangle({1, 2, 6, 6});
    EXPECT_EQ(Count(r, kRed), 2 * 5 + 2 * 2);
    EXPECT_EQ(Count(r, kBlue), 3 * 2);
    EXPECT_EQ(*r.GetPixel({5, 5}), kRed);
    EXPECT_EQ(*r.GetPixel({6, 5}), kWhite);
}

// The zoom rubber band: a hollow rectangle in NotXor with a black pen inverts what is
// under it and a second one restores it, corners included; the same for other shapes.
TEST(QtSurface, InvertingModesRestoreOnTheSecondDraw) {
    EnsureApplication();
    const std::vector<Point> open = {{1, 1}, {15, 1}, {15, 12}, {1, 12}, {1, 1}};
    struct Row {
        const char* name;
        std::function<void(Surface&)> draw;
        Point probe;
    } rows[] = {
        {"rectangle", [](Surface& s) { s.Rectangle({2, 2, 17, 13}); }, {2, 2}},
        {"closed polyline", [&](Surface& s) { s.Polyline(open); }, {1, 1}},
        {"line", [](Surface& s) { s.Line({0, 5}, {19, 9}); }, {0, 5}},
        {"ellipse", [](Surface& s) { s.Ellipse({3, 3, 15, 12}); }, {9, 3}},
    };
    for (DrawMode mode : {DrawMode::NotXor, DrawMode::Xor, DrawMode::Invert}) {
        for (const Row& row : rows) {
            SCOPED_TRACE(std::string(row.name) + " mode " + std::to_string(int(mode)));
            QtSurface s({20, 15});
            s.FillRect({0, 0, 10, 15}, {10, 200, 30});
            QtSurface before({20, 15});
            before.BlitAll(s);
            s.SetPen({mode == DrawMode::Xor ? kWhite : kBlack, 1, PenStyle::Solid});
            s.SetBrush({kWhite, BrushStyle::Hollow});
            s.SetDrawMode(mode);
            row.draw(s);
            const Rgb under = *before.GetPixel(row.probe);
            const Rgb inverted{std::uint8_t(255 - under.r), std::uint8_t(255 - under.g), std::uint8_t(255 - under.b)};
            EXPECT_EQ(*s.GetPixel(row.probe), inverted);
            row.draw(s);
            EXPECT_TRUE(SamePixels(s, before));
        }
    }
}

TEST(QtSurface, BlitOperations) {
    EnsureApplication();
    QtSurface source({4, 4}, kRed);
    struct Row {
        const char* name;
        BlitOp op;
        Rgb before, expected;
    } rows[] = {
        {"copy", BlitOp::Copy, kWhite, kRed},
        {"xor", BlitOp::Xor, kWhite, {0, 255, 255}},
        {"and", BlitOp::And, {255, 255, 0}, {255, 0, 0}},
        {"or", BlitOp::Or, {0, 255, 0}, {255, 255, 0}},
        {"invert destination", BlitOp::InvertDest, {0, 255, 0}, {255, 0, 255}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QtSurface dest({6, 6}, row.before);
        dest.Blit({2, 2}, source, {0, 0, 2, 2}, row.op);
        EXPECT_EQ(*dest.GetPixel({3, 3}), row.expected);
        EXPECT_EQ(*dest.GetPixel({4, 4}), row.before);
    }
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
    EXPECT_GT(Count(s, kRed), 10);
    EXPECT_GT(Count(s, kBlue), 10);
}

// A symbol font draws byte 112 as pi, as the same font draws the Unicode pi.
TEST(QtSurface, SymbolFontDrawsPi) {
    EnsureApplication();
    QtSurface symbol({40, 30}), unicode({40, 30}), latin({40, 30});
    FontSpec font{"Sans", 20};
    for (QtSurface* s : {&symbol, &unicode, &latin})
        s->SetBackgroundMode(BackgroundMode::Transparent);
    FontSpec symbolFont = font;
    symbolFont.symbol = true;
    symbol.SetFont(symbolFont);
    unicode.SetFont(font);
    latin.SetFont(font);
    symbol.TextOut({5, 2}, "p");
    unicode.TextOut({5, 2}, "π");
    latin.TextOut({5, 2}, "p");
    EXPECT_TRUE(SamePixels(symbol, unicode));
    EXPECT_FALSE(SamePixels(symbol, latin));
}

// Export files: written by Finish, nothing before it; an unwritable path gives code 11.
TEST(QtSurface, ExportFiles) {
    EnsureApplication();
    for (const char* ext : {"png", "svg", "pdf"}) {
        SCOPED_TRACE(ext);
        const std::string path = TempPath(std::string("export.") + ext);
        std::filesystem::remove(path);
        auto s = QtExportSurface::Create(path, {120, 80});
        ASSERT_NE(s, nullptr);
        s->SetPen({kRed, 2, PenStyle::Solid});
        s->Line({0, 0}, {119, 79});
        s->TextOut({10, 10}, "função");
        EXPECT_EQ(s->Finish(), 0);
        s.reset();
        QFile file(QString::fromStdString(path));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray head = file.read(8);
        if (std::string(ext) == "png") {
            EXPECT_TRUE(head.startsWith("\x89PNG"));
        }
        if (std::string(ext) == "pdf") {
            EXPECT_TRUE(head.startsWith("%PDF"));
        }
        if (std::string(ext) == "svg") {
            file.seek(0);
            EXPECT_TRUE(file.readAll().contains("<svg"));
        }
        std::filesystem::remove(path);
    }
    EXPECT_EQ(QtExportSurface::Create(TempPath("x.bmp"), {10, 10}), nullptr);
    auto bad = QtExportSurface::Create("/nonexistent-folder/x.png", {10, 10});
    ASSERT_NE(bad, nullptr);
    EXPECT_EQ(bad->Finish(), 11);
}

// Qt keys in the program's codes: letters upper case with or without Shift, F-keys,
// '+' and '-' from either keyboard, other punctuation clear of the named keys.
TEST(QtKeys, CodesOfQtKeys) {
    struct Row {
        int qt;
        Qt::KeyboardModifiers modifiers;
        int code;
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
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.qt);
        EXPECT_EQ(KeyCodeFromQt(row.qt, row.modifiers), row.code);
    }
    EXPECT_EQ(ModifiersFromQt(Qt::ShiftModifier | Qt::ControlModifier), res::ModShift | res::ModCtrl);
}
