// The graph-window chain through a small window kind: layers and long drawings, the view
// and its dialogs, grid and axes, fonts, line widths and the settings file.
#include "GraphTestWindow.h"

#include "expr/CompileCodes.h"
#include "graph/ColourTable.h"
#include "platform/FileIO.h"
#include "resources/Resources.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/Tolerance.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace korvane::testing {
namespace {

using platform::MemoryPlatform;
using platform::MouseAction;
using res::Message;

constexpr int kNotPositive = 14;
constexpr int kBadSettingsFile = 21;

class GraphWindowTest : public ::testing::Test {
protected:
    GraphWindowTest() { platform.SetConfigDirectory(folder.WithSlash()); }
    ~GraphWindowTest() override { ProgramColours().Reset(); }

    // A platform of its own on an emptied settings folder, for one row of a table.
    std::unique_ptr<MemoryPlatform> FreshPlatform() {
        folder.Empty();
        auto fresh = std::make_unique<MemoryPlatform>();
        fresh->SetConfigDirectory(folder.WithSlash());
        return fresh;
    }

    ScratchFolder folder;
    MemoryPlatform platform;
    WindowOptions options;
};

TEST_F(GraphWindowTest, TogglingAxesAndResizingRebuildTheBase) {
    GraphTestWindow w(platform, options);
    w.Memory().RunPendingRepaint();
    w.OnPaint(w.Memory().Front());
    const int before = w.BaseRebuilds();
    w.Memory().PressKey('E', res::ModCtrl);
    EXPECT_TRUE(w.Axes().axesShown);
    EXPECT_TRUE(w.Memory().IsMenuItemChecked(109));
    ASSERT_TRUE(w.Memory().RunPendingRepaint());
    EXPECT_EQ(w.BaseRebuilds(), before + 1);
    // The y axis lies on pixel column 200 of a fresh 400 x 300 window.
    EXPECT_EQ(*w.Memory().Front().GetPixel({200, 40}), platform::kBlack);
    w.Memory().Resize({300, 200});
    ASSERT_TRUE(w.Memory().RunPendingRepaint());
    EXPECT_EQ(w.BaseRebuilds(), before + 2);
    EXPECT_EQ(w.Layers().Layer(0)->GetSize(), (platform::Size{300, 200}));
}

TEST_F(GraphWindowTest, StatusTexts) {
    struct Row {
        int code, first, second;
        const char* text;
    } rows[] = {
        {1, 0, 0, "pressione S para sair"},
        {6, 3, 0, "preparando slides -- favor aguardar3; pressione S para sair"},
        {7, 4, 0, "slide # 4; pressione qualquer tecla"},
        {12, 2, 9, "slide #  2/9"},
    };
    GraphTestWindow w(platform, options);
    for (const Row& r : rows) {
        SCOPED_TRACE(r.code);
        w.SetStatus(r.code, r.first, r.second);
        EXPECT_EQ(w.Memory().GetTitle(), r.text);
    }
    w.ClearStatus();
    EXPECT_EQ(w.Memory().GetTitle(), "teste");
}

TEST_F(GraphWindowTest, ColourWindowSetsTheSlotAndTheBackgroundReachesTheBase) {
    GraphTestWindow w(platform, options);
    w.OnPaint(w.Memory().Front());
    w.OnCommand(203);
    TColWin* chooser = w.ColourWindow();
    ASSERT_NE(chooser, nullptr);
    platform::MemoryWindow* cw = nullptr;
    for (platform::MemoryWindow* m : platform.Windows())
        if (m->Request().menu == "COLWMENU")
            cw = m;
    ASSERT_NE(cw, nullptr);
    const platform::Rect cell = TColWin::CellRect(4);
    cw->Mouse({platform::MouseAction::Down, platform::ButtonLeft, platform::ButtonLeft, 0,
               {cell.left + 5, cell.top + 5}});
    EXPECT_EQ(w.SlotColour(kSlotAxes), 4);
    EXPECT_TRUE(w.Modified());
    ASSERT_TRUE(w.Memory().RunPendingRepaint());
    EXPECT_EQ(w.BaseRebuilds(), 2);
    w.SetSlotColour(kSlotBackground, 3);
    w.OnPaint(w.Memory().Front());
    EXPECT_EQ(*w.Memory().Front().GetPixel({5, 5}), (platform::Rgb{255, 255, 0}));
}

TEST(ColourWindow, CellsCoverTheGrid) {
    for (int i = 0; i < 25; ++i) {
        SCOPED_TRACE(i);
        const platform::Rect r = TColWin::CellRect(i);
        EXPECT_EQ(TColWin::CellAt({r.left, r.top}), i);
        EXPECT_EQ(TColWin::CellAt({r.right - 1, r.bottom - 1}), i);
    }
    EXPECT_EQ(TColWin::CellAt({5, 5}), -1); // the header rows
}

TEST_F(GraphWindowTest, KeysOfTheVerMenu) {
    GraphTestWindow w(platform, options);
    View& v = w.GetView();
    EXPECT_EQ(v.ymax, 3.75L);
    EXPECT_FALSE(w.Memory().MenuItem(111)->enabled);
    w.Memory().PressKey(res::KeyPageDown);
    EXPECT_TRUE(Close(v.rx, 5.5L, 1e-18L));
    EXPECT_TRUE(w.Memory().MenuItem(111)->enabled);
    w.Memory().PressKey(res::KeyPageUp);
    EXPECT_TRUE(Close(v.rx, 5, 1e-18L));
    w.Memory().PressKey(res::KeyRight);
    EXPECT_TRUE(Close(v.cx, 0.5L, 1e-18L)); // a twentieth of the width
    w.Memory().PressKey('L', res::ModCtrl);
    w.Memory().PressKey('L', res::ModCtrl);
    w.Memory().PressKey('L', res::ModCtrl);
    EXPECT_EQ(v.rx, 5);
    EXPECT_EQ(v.cx, 0);
    EXPECT_FALSE(w.Memory().MenuItem(111)->enabled);
    EXPECT_TRUE(w.Modified());
    // "restaurar" goes back to the first view and forgets the way there.
    w.Memory().PressKey(res::KeyPageDown);
    w.OnCommand(103);
    EXPECT_EQ(v.rx, 5);
    EXPECT_FALSE(v.HasPreviousView());
}

TEST_F(GraphWindowTest, DialogCornersThenSquare) {
    GraphTestWindow w(platform, options);
    w.Memory().PressKey('V', res::ModCtrl);
    platform::MemoryDialog* d = platform.FindDialog("VIEWALL");
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(d->GetCheck(251));
    EXPECT_EQ(d->GetText(211), "-5.00000");
    d->Press(252);
    d->Type(211, "0");
    d->Type(212, "2*5"); // fields are constant expressions
    d->Type(213, "0");
    d->Type(214, "1");
    d->Press(1);
    View& v = w.GetView();
    EXPECT_TRUE(v.independent);
    EXPECT_EQ(v.xmax, 10);
    EXPECT_EQ(v.ymax, 1);
    EXPECT_TRUE(w.Memory().MenuItem(117)->enabled);
    EXPECT_EQ(d->GetText(215), "5.00000"); // the open dialog follows the view
    w.Memory().PressKey('Q', res::ModCtrl);
    EXPECT_FALSE(v.independent);
    EXPECT_EQ(v.cx, 5);
    EXPECT_EQ(v.cy, 0.5L);
    EXPECT_EQ(v.rx, 5);
    EXPECT_FALSE(w.Memory().MenuItem(117)->enabled);
}

// Refused requests show their message and leave the view as it was.
TEST_F(GraphWindowTest, DialogRefusals) {
    struct Row {
        const char* what;
        bool corners;
        const char* a;
        const char* b;
        int code;
    } rows[] = {
        {"xmax equal to xmin", true, "2", "2", code::Inconsistent},
        {"xmax below xmin", true, "3", "2", code::Inconsistent},
        {"zero width", false, "0", "", kNotPositive},
        {"not an expression", false, "2*(", "", code::UnmatchedParentheses},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        const auto local = FreshPlatform();
        GraphTestWindow w(*local, options);
        w.OnCommand(104);
        platform::MemoryDialog* d = local->FindDialog("VIEWALL");
        ASSERT_NE(d, nullptr);
        if (r.corners) {
            d->Press(252);
            d->Type(211, r.a);
            d->Type(212, r.b);
        } else {
            d->Type(217, r.a);
        }
        d->Press(1);
        ASSERT_EQ(local->Messages().size(), 1u);
        EXPECT_EQ(local->Messages()[0].text, Message(r.code));
        EXPECT_FALSE(w.GetView().independent);
        EXPECT_EQ(w.GetView().xmin, -5);
        EXPECT_FALSE(w.GetView().HasPreviousView());
    }
}

// A box of zero width, or one cancelled by Escape (the band goes), changes nothing; the
// band's corner inverts the picture under it while it is dragged.
TEST_F(GraphWindowTest, ZoomBoxWithTheInvertingBand) {
    GraphTestWindow w(platform, options);
    w.OnCommand(121);
    EXPECT_TRUE(w.Memory().IsMenuItemChecked(121));
    EXPECT_FALSE(w.Memory().IsMenuItemChecked(125));
    w.Memory().Mouse({MouseAction::Down, platform::ButtonLeft, platform::ButtonLeft, 0, {100, 75}});
    w.Memory().Mouse({MouseAction::Up, platform::ButtonLeft, 0, 0, {100, 200}});
    w.RequestRepaint();
    ASSERT_TRUE(w.Memory().RunPendingRepaint());
    const auto before = *w.Memory().Front().GetPixel({149, 90});
    w.Memory().Mouse({MouseAction::Down, platform::ButtonLeft, platform::ButtonLeft, 0, {100, 75}});
    w.Memory().Mouse({MouseAction::Move, 0, platform::ButtonLeft, 0, {150, 100}});
    EXPECT_NE(*w.Memory().Front().GetPixel({149, 90}), before);
    w.Memory().PressKey(res::KeyEscape);
    EXPECT_EQ(*w.Memory().Front().GetPixel({149, 90}), before);
    EXPECT_FALSE(w.Memory().Captured());
    w.Memory().Mouse({MouseAction::Up, platform::ButtonLeft, 0, 0, {300, 225}});
    const View& v = w.GetView();
    EXPECT_FALSE(v.independent);
    EXPECT_FALSE(v.HasPreviousView());
    w.Memory().Mouse({MouseAction::Down, platform::ButtonLeft, platform::ButtonLeft, 0, {100, 75}});
    w.Memory().Mouse({MouseAction::Move, 0, platform::ButtonLeft, 0, {150, 100}});
    w.Memory().Mouse({MouseAction::Move, 0, platform::ButtonLeft, 0, {300, 225}});
    EXPECT_EQ(*w.Memory().Front().GetPixel({149, 90}), before);
    w.Memory().Mouse({MouseAction::Up, platform::ButtonLeft, 0, 0, {300, 225}});
    EXPECT_TRUE(v.independent);
    EXPECT_EQ(v.xmin, -2.5L);
    EXPECT_EQ(v.xmax, 2.5L);
    EXPECT_EQ(v.ymin, -1.875L);
    EXPECT_EQ(v.ymax, 1.875L);
    EXPECT_TRUE(v.HasPreviousView());
}

// A notch of the wheel away from the user zooms in by the zoom factor, keeping the
// world point under the pointer where it is; touchpads' half notches add up.
TEST_F(GraphWindowTest, WheelZoomsAboutThePointer) {
    GraphTestWindow w(platform, options); // 400 x 300: x from -5 to 5, 0.025 a pixel
    platform::MouseEvent wheel{MouseAction::Wheel, 0, 0, 0, {300, 60}};
    wheel.wheelDelta = 120;
    w.Memory().Mouse(wheel);
    const View& v = w.GetView();
    EXPECT_TRUE(Close(v.rx, 5 / 1.1L, 1e-17L));
    EXPECT_TRUE(Close(v.ToWorldX(300), 2.5L, 1e-17L));
    EXPECT_TRUE(Close(v.ToWorldY(60), 2.25L, 1e-17L));
    wheel.wheelDelta = -60;
    w.Memory().Mouse(wheel);
    EXPECT_TRUE(Close(v.rx, 5 / 1.1L, 1e-17L));
    w.Memory().Mouse(wheel);
    EXPECT_TRUE(Close(v.rx, 5, 1e-17L));
    EXPECT_TRUE(Close(v.cx, 0, 1e-17L));
}

TEST_F(GraphWindowTest, RightButtonRecentresAndLeftShowsCoordinates) {
    GraphTestWindow w(platform, options);
    w.Memory().RunPendingRepaint();
    w.Memory().Mouse({MouseAction::Down, platform::ButtonRight, platform::ButtonRight, 0, {300, 150}});
    EXPECT_EQ(w.GetView().cx, 2.5L);
    EXPECT_EQ(w.GetView().cy, 0);
    EXPECT_EQ(w.GetView().rx, 5);
    w.Memory().RunPendingRepaint();
    const int presents = w.Memory().PresentCount();
    w.Memory().Mouse({MouseAction::Down, platform::ButtonLeft, platform::ButtonLeft, 0, {200, 150}});
    EXPECT_GT(w.Memory().PresentCount(), presents);
    w.Memory().Mouse({MouseAction::Up, platform::ButtonLeft, 0, 0, {200, 150}});
    EXPECT_EQ(w.GetView().cx, 2.5L); // the left button does not move the view
}

TEST_F(GraphWindowTest, GridDialogFillsAndApplies) {
    GraphTestWindow w(platform, options);
    w.OnPaint(w.Memory().Front());
    w.Memory().PressKey('G', res::ModCtrl);
    platform::MemoryDialog* d = platform.FindDialog("SETGRID");
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->GetText(212), "1.000000");
    EXPECT_EQ(d->GetText(213), "1");
    EXPECT_EQ(d->GetText(211), "0.5"); // 10 pixels of a 1920-pixel screen
    EXPECT_TRUE(d->GetCheck(251));
    EXPECT_TRUE(d->GetCheck(255));
    EXPECT_TRUE(d->GetCheck(282));
    d->Press(271);
    d->Type(212, "0.5");
    d->Type(214, "99");  // out of range: kept
    d->Type(213, "3");
    d->Type(218, "3");   // out of range: kept
    d->Press(281);
    d->Press(284);       // quadrant III off
    d->Type(211, "1");   // 1 per cent of 1920 pixels
    d->Press(91);
    const AxisSettings& a = w.Axes();
    EXPECT_TRUE(a.axesShown);
    EXPECT_EQ(a.tickX, 0.5L);
    EXPECT_EQ(a.freqX, 1);
    EXPECT_EQ(a.decimalsX, 3);
    EXPECT_EQ(a.polarSectors, 12);
    EXPECT_EQ(a.gridBits, 1 + 2 + 8 + 16);
    EXPECT_EQ(a.tickLen, 19);
    EXPECT_EQ(a.arrowLen, 13);
    EXPECT_EQ(w.GetView().tickLen, 19);
    EXPECT_TRUE(w.Modified());
    ASSERT_TRUE(w.Memory().RunPendingRepaint());
    EXPECT_EQ(w.BaseRebuilds(), 2);
    // Enter applies as "aplicar" does: what was typed is kept, the dialog stays.
    d->Type(212, "0.25");
    ASSERT_TRUE(d->Enter());
    EXPECT_EQ(w.Axes().tickX, 0.25L);
    EXPECT_TRUE(d->IsVisible());
    ASSERT_TRUE(d->Escape());
    EXPECT_FALSE(d->IsVisible());
}

// Decimals of labels that are not shown change nothing worth a redraw.
TEST_F(GraphWindowTest, GridDialogWithoutChangeDoesNotRedraw) {
    GraphTestWindow w(platform, options);
    w.OnPaint(w.Memory().Front());
    w.OnCommand(320);
    platform::MemoryDialog* d = platform.FindDialog("SETGRID");
    ASSERT_NE(d, nullptr);
    d->Type(213, "4");
    d->Press(91);
    EXPECT_FALSE(w.Modified());
    EXPECT_FALSE(w.Memory().RepaintPending());
}

// A file of a window kind with fewer fonts or colour slots gives those it holds; the
// others keep the window's own defaults, not zeros.
TEST_F(GraphWindowTest, FileWithFewerFontsAndSlotsKeepsTheDefaultsOfTheRest) {
    std::vector<FontSlot> defaultFonts;
    std::vector<int> defaultSlots;
    std::vector<std::uint8_t> bytes;
    {
        GraphTestWindow w(platform, options);
        defaultFonts.assign(w.Fonts().begin(), w.Fonts().end());
        for (int i = 0; i < kColourSlots; ++i)
            defaultSlots.push_back(w.SlotColour(i));
        w.Fonts()[0].pointSize = 31;
        w.SetSlotColour(0, 7);
    }
    ASSERT_TRUE(ReadWholeFile(folder.File("kv2.ini"), bytes));
    // The same file as a kind with 3 fonts and 5 colour slots writes it.
    constexpr int kFonts = 3, kSlots = 5, kHeader = 80;
    const auto cut = [&](std::size_t at, std::size_t from, std::size_t to) {
        bytes.erase(bytes.begin() + std::ptrdiff_t(at + from), bytes.begin() + std::ptrdiff_t(at + to));
    };
    bytes[60] = kFonts;
    bytes[64] = kSlots;
    cut(kHeader, 4 * kFonts, 4 * kFontSlots);
    const std::size_t logFonts = kHeader + 4 * kFonts;
    cut(logFonts, kLogFontSize * kFonts, kLogFontSize * kFontSlots);
    const std::size_t colours = logFonts + kLogFontSize * kFonts;
    cut(colours, 4 * kFonts, 4 * kFontSlots);
    const std::size_t slots = colours + 4 * kFonts + 68;
    cut(slots, 2 * kSlots, 2 * kColourSlots);
    WriteFileAtomically(folder.File("kv2.ini"), bytes);

    GraphTestWindow w(platform, options);
    ASSERT_TRUE(w.SettingsWereRead());
    EXPECT_EQ(w.Fonts()[0].pointSize, 31);
    EXPECT_EQ(w.SlotColour(0), 7);
    for (int i = kFonts; i < kFontSlots; ++i) {
        EXPECT_EQ(w.Fonts()[i].pointSize, defaultFonts[i].pointSize) << "font " << i;
        EXPECT_EQ(w.Fonts()[i].font.FaceName(), defaultFonts[i].font.FaceName()) << "font " << i;
    }
    for (int i = kSlots; i < kColourSlots; ++i)
        EXPECT_EQ(w.SlotColour(i), defaultSlots[i]) << "slot " << i;
}

TEST_F(GraphWindowTest, ClosingWritesAndTheNextWindowReadsTheSameLook) {
    {
        GraphTestWindow w(platform, options);
        w.Axes().piX = true; // the look itself is PlaneSlotMap.PackThenUnpackKeepsTheLook's
        w.SetSlotColour(kSlotAxes, 6);
        w.CurveColours()[0] = 24;
        w.SetLastDocument("/tmp/ação.kv2");
        w.Memory().SetPlacement({10, 20, 500, 400, false});
        w.Memory().Maximize();
        w.Memory().Close();
    }
    ASSERT_TRUE(std::filesystem::exists(folder.File("kv2.ini")));
    {
        GraphTestWindow w(platform, options);
        ASSERT_TRUE(w.SettingsWereRead());
        EXPECT_TRUE(w.Axes().piX);
        EXPECT_EQ(w.SlotColour(kSlotAxes), 6);
        EXPECT_EQ(w.CurveColours()[0], 24);
        EXPECT_EQ(w.LastDocument(), "/tmp/ação.kv2");
        EXPECT_EQ(w.StoredPlacement(), (platform::Placement{10, 20, 500, 400, true}));
        EXPECT_TRUE(platform.Messages().empty());
    }
    // A window told to use the defaults reads nothing; its close writes the defaults.
    WindowOptions defaults;
    defaults.readSettings = false;
    {
        GraphTestWindow w(platform, defaults);
        EXPECT_FALSE(w.SettingsWereRead());
        EXPECT_FALSE(w.Axes().piX);
    }
    GraphTestWindow w(platform, options);
    EXPECT_TRUE(w.SettingsWereRead());
    EXPECT_FALSE(w.Axes().piX);
}

// A window closed on a second screen reopens there while the screen is there, and on the
// primary screen, as near as it can, once it has gone.
TEST_F(GraphWindowTest, PlacementOnAScreenThatHasGoneComesOntoThePrimary) {
    const platform::Rect primary{0, 0, 1280, 1024}, second{1280, 0, 2560, 1024};
    platform.SetScreenAreas({primary, second});
    const platform::Placement onSecond{1700, 100, 500, 400, false};
    {
        GraphTestWindow w(platform, options);
        w.Memory().SetPlacement(onSecond);
    }
    { EXPECT_EQ(GraphTestWindow(platform, options).Memory().GetPlacement(), onSecond); }
    platform.SetScreenAreas({primary});
    GraphTestWindow w(platform, options);
    EXPECT_EQ(w.Memory().GetPlacement(), (platform::Placement{780, 100, 500, 400, false}));
}

TEST_F(GraphWindowTest, PlaneFileOverSpaceFileIsBad) {
    { GraphTestWindow plane(platform, options); }
    std::filesystem::copy_file(folder.File("kv2.ini"), folder.File("kv3.ini"));
    GraphTestWindow space(platform, options, "kv3.ini", kSpaceIdentifier);
    EXPECT_FALSE(space.SettingsWereRead());
    ASSERT_EQ(platform.Messages().size(), 1u);
    EXPECT_EQ(platform.Messages()[0].text, Message(kBadSettingsFile));
    EXPECT_EQ(space.Axes().tickLen, 10);
}

// Commands that ask one number in an input box, showing the value in use: a refused
// answer shows its code and keeps the value.
TEST_F(GraphWindowTest, InputBoxCommands) {
    using Value = long double (*)(GraphTestWindow&);
    const Value zoom = [](GraphTestWindow& w) { return w.GetView().zoomFactor; };
    const Value step = [](GraphTestWindow& w) { return w.GetView().step; };
    const Value pi = [](GraphTestWindow& w) { return (long double)w.Axes().piChar; };
    // The custom minus's code, negative while the standard one is in use.
    const Value minus = [](GraphTestWindow& w) {
        return (long double)(w.Axes().minusCustom ? w.Axes().minusChar : -w.Axes().minusChar);
    };
    const Value axesScreen = [](GraphTestWindow& w) { return (long double)w.Widths().axesScreen; };
    const Value axesPrinter = [](GraphTestWindow& w) { return (long double)w.Widths().axesPrinter; };
    const Value gridPrinter = [](GraphTestWindow& w) { return (long double)w.Widths().gridPrinter; };
    struct Row {
        const char* what;
        int command;
        std::optional<std::string> answer;
        Value value;
        long double expected;
        int message;              // the result code shown, 0: none
        const char* initial = ""; // the value shown in the box, when checked
        int prompt = 0;           // its string, when checked
    } rows[] = {
        {"zoom factor", 108, "2", zoom, 2, 0, "1.10000", 17},
        {"zoom factor 0", 108, "0", zoom, 1.1L, code::NotUnderstood},
        {"step in per cent", 321, "10", step, 0.1L, 0, "5.00", 18},
        {"pi 80", 73, "80", pi, 80, 0},
        {"pi 31", 73, "31", pi, 112, code::OutOfLimits},
        {"minus 151", 92, "151", minus, 151, 0},
        {"minus 256", 92, "256", minus, -150, code::OutOfLimits},
        {"minus 31", 92, "31", minus, -150, code::OutOfLimits},
        {"minus cancelled", 92, std::nullopt, minus, -150, 0},
        {"screen axes", 100, "3", axesScreen, 3, 0},
        {"negative", 100, "-1", axesScreen, 1, kNotPositive},
        {"printer below one", 101, "0", axesPrinter, 1, 0},
        {"grid printer", 151, "4", gridPrinter, 4, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        const auto local = FreshPlatform();
        GraphTestWindow w(*local, options);
        local->AnswerInput(r.answer);
        w.OnCommand(r.command);
        EXPECT_TRUE(Close(r.value(w), r.expected, 1e-18L)) << static_cast<double>(r.value(w));
        EXPECT_EQ(w.Memory().IsMenuItemChecked(92), w.Axes().minusCustom);
        ASSERT_EQ(local->Inputs().size(), 1u);
        if (*r.initial) {
            EXPECT_EQ(local->Inputs()[0].initial, r.initial);
            EXPECT_EQ(local->Inputs()[0].prompt, res::String(r.prompt));
        }
        if (r.message) {
            ASSERT_EQ(local->Messages().size(), 1u);
            EXPECT_EQ(local->Messages()[0].text, Message(r.message));
        } else {
            EXPECT_TRUE(local->Messages().empty());
        }
    }
}

// The axis names dialog; toggles keep their checks; the number format dialog refuses and applies.
TEST_F(GraphWindowTest, TogglesAndSmallDialogs) {
    GraphTestWindow w(platform, options);
    platform.ScriptModal([](platform::MemoryDialog& d) {
        EXPECT_EQ(d.GetText(211), "x");
        d.Type(211, "tempo");
        d.Enter();
    });
    w.OnCommand(102);
    EXPECT_EQ(w.Axes().axisNames[0], "tempo");
    EXPECT_EQ(w.Axes().axisNames[1], "y");
    EXPECT_TRUE(w.Modified());

    EXPECT_TRUE(w.Memory().IsMenuItemChecked(220));
    w.OnCommand(220);
    EXPECT_EQ(w.Axes().textBackground, TextTransparent);
    EXPECT_FALSE(w.Memory().IsMenuItemChecked(220));
    w.OnCommand(110);
    EXPECT_TRUE(w.Axes().solidArrows);
    EXPECT_TRUE(w.Memory().IsMenuItemChecked(110));
    w.OnCommand(71);
    EXPECT_TRUE(w.Axes().dottedLines);
    EXPECT_TRUE(w.Memory().IsMenuItemChecked(71));

    platform.ScriptModal([](platform::MemoryDialog& d) {
        EXPECT_EQ(d.GetText(211), "5");
        EXPECT_EQ(d.GetText(212), "7");
        d.Type(211, "20");
        d.Enter();
    });
    platform.ScriptModal([](platform::MemoryDialog& d) {
        d.Type(211, "3");
        d.Type(212, "2");
        d.Enter();
    });
    w.OnCommand(105);
    ASSERT_EQ(platform.ModalRuns().size(), 2u);
    EXPECT_EQ(platform.ModalRuns()[1], "FWDP");
    ASSERT_EQ(platform.Messages().size(), 1u);
    EXPECT_EQ(platform.Messages()[0].text, Message(code::OutOfLimits));
    EXPECT_EQ(w.Format().decimals, 3);
    EXPECT_EQ(w.Format().fieldWidth, 5);
}

TEST_F(GraphWindowTest, ChooserSetsSlotAndHeightRule) {
    GraphTestWindow w(platform, options);
    w.OnPaint(w.Memory().Front());
    EXPECT_EQ(w.Fonts()[kFontScale].font.Height(), FontHeightFor(9, 96));
    platform::FontChoice choice;
    choice.font.face = "Serif";
    choice.font.bold = true;
    choice.pointSize = 12;
    choice.colour = {10, 20, 30};
    platform.AnswerFont(choice);
    w.OnCommand(61);
    const FontSlot& slot = w.Fonts()[kFontScale];
    EXPECT_EQ(slot.pointSize, 12);
    EXPECT_EQ(slot.font.Height(), -16);
    EXPECT_EQ(slot.font.FaceName(), "Serif");
    EXPECT_TRUE(w.FontSpecOf(kFontScale).bold);
    EXPECT_EQ(w.FontColour(kFontScale), (platform::Rgb{10, 20, 30}));
    EXPECT_TRUE(w.Modified());
    ASSERT_TRUE(w.Memory().RunPendingRepaint());
    EXPECT_EQ(w.BaseRebuilds(), 2);
}

} // namespace
} // namespace korvane::testing
