#include "GraphTestWindow.h"

#include <gtest/gtest.h>

namespace korvane::testing {
namespace {

using platform::MemoryPlatform;

struct WindowAxes : ::testing::Test {
    MemoryPlatform platform;
    WindowOptions options;
    void SetUp() override { platform.SetConfigDirectory(FreshConfigDirectory("axes")); }
};

TEST_F(WindowAxes, GridDialogFillsAndApplies) {
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
    d->Press(2);
    EXPECT_FALSE(d->IsVisible());
}

// Enter applies as "aplicar" does: what was typed is kept, the dialog stays.
TEST_F(WindowAxes, EnterInTheGridDialogApplies) {
    GraphTestWindow w(platform, options);
    w.OnPaint(w.Memory().Front());
    w.OnCommand(320);
    platform::MemoryDialog* d = platform.FindDialog("SETGRID");
    ASSERT_NE(d, nullptr);
    d->Type(212, "0.25");
    d->Type(213, "2");
    ASSERT_TRUE(d->Enter());
    EXPECT_EQ(w.Axes().tickX, 0.25L);
    EXPECT_EQ(w.Axes().decimalsX, 2);
    EXPECT_TRUE(d->IsVisible());
    d->Escape();
    EXPECT_FALSE(d->IsVisible());
}

TEST_F(WindowAxes, GridDialogWithoutChangeDoesNotRedraw) {
    GraphTestWindow w(platform, options);
    w.OnPaint(w.Memory().Front());
    w.OnCommand(320);
    platform::MemoryDialog* d = platform.FindDialog("SETGRID");
    ASSERT_NE(d, nullptr);
    d->Type(213, "4"); // decimals of labels that are not shown
    d->Press(91);
    EXPECT_FALSE(w.Modified());
    EXPECT_FALSE(w.Memory().RepaintPending());
}

TEST_F(WindowAxes, PiAndMinusCodes) {
    struct Row {
        const char* what;
        int command;
        std::optional<std::string> answer;
        int piChar, minusChar;
        bool minusCustom;
        const char* message;
    } rows[] = {
        {"pi 80", 73, "80", 80, 150, false, nullptr},
        {"pi 31", 73, "31", 112, 150, false, "fora dos limites"},
        {"minus 151", 92, "151", 112, 151, true, nullptr},
        {"minus 256", 92, "256", 112, 150, false, "fora dos limites"},
        {"minus 31", 92, "31", 112, 150, false, "fora dos limites"},
        {"minus cancelled", 92, std::nullopt, 112, 150, false, nullptr},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        MemoryPlatform local;
        local.SetConfigDirectory(FreshConfigDirectory("codes"));
        GraphTestWindow w(local, options);
        local.AnswerInput(r.answer);
        w.OnCommand(r.command);
        EXPECT_EQ(w.Axes().piChar, r.piChar);
        EXPECT_EQ(w.Axes().minusChar, r.minusChar);
        EXPECT_EQ(w.Axes().minusCustom, r.minusCustom);
        EXPECT_EQ(w.Memory().IsMenuItemChecked(92), r.minusCustom);
        if (r.message) {
            ASSERT_EQ(local.Messages().size(), 1u);
            EXPECT_EQ(local.Messages()[0].text, r.message);
        } else {
            EXPECT_TRUE(local.Messages().empty());
        }
    }
}

TEST_F(WindowAxes, TogglesAndTheirChecks) {
    GraphTestWindow w(platform, options);
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
}

TEST_F(WindowAxes, AxisNamesDialog) {
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
}

} // namespace
} // namespace korvane::testing
