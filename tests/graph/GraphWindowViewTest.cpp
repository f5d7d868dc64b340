#include "GraphTestWindow.h"

#include <gtest/gtest.h>

namespace korvane::testing {
namespace {

using platform::MemoryPlatform;
using platform::MouseAction;
using platform::MouseEvent;

struct Fixture : ::testing::Test {
    MemoryPlatform platform;
    WindowOptions options;
    void SetUp() override { platform.SetConfigDirectory(FreshConfigDirectory("view")); }
};

using WindowView = Fixture;

TEST_F(WindowView, KeysOfTheVerMenu) {
    GraphTestWindow w(platform, options);
    View& v = w.GetView();
    EXPECT_EQ(v.ymax, 3.75L);
    EXPECT_FALSE(w.Memory().MenuItem(111)->enabled);
    w.Memory().PressKey(res::KeyPageDown);
    EXPECT_EQ(v.rx, 5 * 1.1L);
    EXPECT_TRUE(w.Memory().MenuItem(111)->enabled);
    w.Memory().PressKey(res::KeyPageUp);
    EXPECT_EQ(v.rx, 5 * 1.1L * (1 / 1.1L));
    w.Memory().PressKey(res::KeyRight);
    EXPECT_EQ(v.cx, 2 * v.rx * 0.05L);
    w.Memory().PressKey('L', res::ModCtrl);
    w.Memory().PressKey('L', res::ModCtrl);
    w.Memory().PressKey('L', res::ModCtrl);
    EXPECT_EQ(v.rx, 5);
    EXPECT_EQ(v.cx, 0);
    EXPECT_FALSE(w.Memory().MenuItem(111)->enabled);
    EXPECT_TRUE(w.Modified());
}

TEST_F(WindowView, DialogCornersThenSquare) {
    GraphTestWindow w(platform, options);
    w.Memory().PressKey('V', res::ModCtrl);
    platform::MemoryDialog* d = platform.FindDialog("VIEWALL");
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(d->GetCheck(251));
    EXPECT_EQ(d->GetText(211), "-5.00000");
    d->Press(252);
    d->Type(211, "0");
    d->Type(212, "10");
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
TEST_F(WindowView, DialogRefusals) {
    struct Row {
        const char* what;
        bool corners;
        const char* a;
        const char* b;
        const char* message;
    } rows[] = {
        {"xmax equal to xmin", true, "2", "2", "dados inconsistentes"},
        {"xmax below xmin", true, "3", "2", "dados inconsistentes"},
        {"zero width", false, "0", "", "valor positivo?"},
        {"not an expression", false, "2*(", "", nullptr},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        MemoryPlatform local;
        local.SetConfigDirectory(FreshConfigDirectory("refusal"));
        GraphTestWindow w(local, options);
        w.OnCommand(104);
        platform::MemoryDialog* d = local.FindDialog("VIEWALL");
        ASSERT_NE(d, nullptr);
        if (r.corners) {
            d->Press(252);
            d->Type(211, r.a);
            d->Type(212, r.b);
        } else {
            d->Type(217, r.a);
        }
        d->Press(1);
        ASSERT_EQ(local.Messages().size(), 1u);
        long double unused = 0;
        const std::string expected = r.message ? r.message : res::Message(w.EvaluateNumber(r.a, unused));
        EXPECT_EQ(local.Messages()[0].text, expected);
        EXPECT_EQ(local.Messages()[0].caption, "hmm...");
        EXPECT_FALSE(w.GetView().independent);
        EXPECT_EQ(w.GetView().xmin, -5);
        EXPECT_FALSE(w.GetView().HasPreviousView());
    }
}

TEST_F(WindowView, ResizeInBothModes) {
    GraphTestWindow w(platform, options);
    w.Memory().Resize({200, 300});
    EXPECT_EQ(w.GetView().rx, 5);
    EXPECT_EQ(w.GetView().ry, 7.5L);
    w.SetView(5, 0.5L, 5, 0.5L, true);
    w.Memory().Resize({400, 100});
    EXPECT_EQ(w.GetView().xmin, 0);
    EXPECT_EQ(w.GetView().xmax, 10);
    EXPECT_EQ(w.GetView().ymax, 1);
    EXPECT_TRUE(w.Memory().RepaintPending());
}

TEST_F(WindowView, ZoomFactorAndStepDialogs) {
    GraphTestWindow w(platform, options);
    platform.AnswerInput("2");
    w.OnCommand(108);
    ASSERT_EQ(platform.Inputs().size(), 1u);
    EXPECT_EQ(platform.Inputs()[0].caption, "entrada");
    EXPECT_EQ(platform.Inputs()[0].prompt, "fator de dilatação");
    EXPECT_EQ(platform.Inputs()[0].initial, "1.10000");
    EXPECT_EQ(w.GetView().zoomFactor, 2);
    platform.AnswerInput("0");
    w.OnCommand(108);
    EXPECT_EQ(w.GetView().zoomFactor, 2);
    ASSERT_EQ(platform.Messages().size(), 1u);
    EXPECT_EQ(platform.Messages()[0].text, "não foi possível compreender");
    platform.AnswerInput("10");
    w.OnCommand(321);
    EXPECT_EQ(platform.Inputs()[2].initial, "5.00");
    EXPECT_EQ(platform.Inputs()[2].prompt, "porcentagem de deslocamento");
    EXPECT_EQ(w.GetView().step, 10 * 0.01L);
}

TEST_F(WindowView, ZoomBoxWithTheInvertingBand) {
    GraphTestWindow w(platform, options);
    w.OnCommand(121);
    EXPECT_TRUE(w.Memory().IsMenuItemChecked(121));
    EXPECT_FALSE(w.Memory().IsMenuItemChecked(125));
    w.RequestRepaint();
    ASSERT_TRUE(w.Memory().RunPendingRepaint());
    const auto before = *w.Memory().Front().GetPixel({149, 90});
    w.Memory().Mouse({MouseAction::Down, platform::ButtonLeft, platform::ButtonLeft, 0, {100, 75}});
    w.Memory().Mouse({MouseAction::Move, 0, platform::ButtonLeft, 0, {150, 100}});
    // The band's corner inverts the picture under it.
    EXPECT_NE(*w.Memory().Front().GetPixel({149, 90}), before);
    w.Memory().Mouse({MouseAction::Move, 0, platform::ButtonLeft, 0, {300, 225}});
    EXPECT_EQ(*w.Memory().Front().GetPixel({149, 90}), before);
    w.Memory().Mouse({MouseAction::Up, platform::ButtonLeft, 0, 0, {300, 225}});
    const View& v = w.GetView();
    EXPECT_TRUE(v.independent);
    EXPECT_EQ(v.xmin, -2.5L);
    EXPECT_EQ(v.xmax, 2.5L);
    EXPECT_EQ(v.ymin, -1.875L);
    EXPECT_EQ(v.ymax, 1.875L);
    EXPECT_TRUE(v.HasPreviousView());
}

TEST_F(WindowView, ZoomBoxOfZeroWidthDoesNothing) {
    GraphTestWindow w(platform, options);
    w.OnCommand(121);
    w.Memory().Mouse({MouseAction::Down, platform::ButtonLeft, platform::ButtonLeft, 0, {100, 75}});
    w.Memory().Mouse({MouseAction::Up, platform::ButtonLeft, 0, 0, {100, 200}});
    EXPECT_FALSE(w.GetView().independent);
    EXPECT_FALSE(w.GetView().HasPreviousView());
}

TEST_F(WindowView, RightButtonRecentresAndLeftShowsCoordinates) {
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

TEST_F(WindowView, RestoreClearsHistory) {
    GraphTestWindow w(platform, options);
    w.OnCommand(106);
    w.OnCommand(322);
    w.OnCommand(103);
    EXPECT_FALSE(w.GetView().HasPreviousView());
    EXPECT_EQ(w.GetView().rx, 5);
    EXPECT_EQ(w.GetView().cx, 0);
}

} // namespace
} // namespace korvane::testing

namespace korvane::testing {
namespace {

// Numeric fields take constant expressions through the window's compiler.
TEST(WindowExpressions, DialogFieldsAcceptExpressions) {
    platform::MemoryPlatform platform;
    platform.SetConfigDirectory(FreshConfigDirectory("expressions"));
    WindowOptions options;
    GraphTestWindow w(platform, options);
    struct Row {
        const char* text;
        long double value;
    } rows[] = {{"2*3", 6}, {"pi/4", 3.141592653589793238462643383279502884L / 4}, {"100", 100}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.text);
        long double v = 0;
        ASSERT_EQ(w.EvaluateNumber(r.text, v), 0);
        EXPECT_NEAR(static_cast<double>(v), static_cast<double>(r.value), 1e-15);
    }
    long double v = 7;
    EXPECT_NE(w.EvaluateNumber("2*", v), 0);
    EXPECT_EQ(v, 7);
    w.OnCommand(104);
    platform::MemoryDialog* d = platform.FindDialog("VIEWALL");
    ASSERT_NE(d, nullptr);
    d->Type(217, "2*pi");
    d->Press(1);
    EXPECT_NEAR(static_cast<double>(w.GetView().rx), 3.14159265358979, 1e-12);
}

} // namespace
} // namespace korvane::testing
