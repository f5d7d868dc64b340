#include "GraphTestWindow.h"

#include "platform/memory/RecordingSurface.h"

#include <gtest/gtest.h>

namespace korvane::testing {
namespace {

using platform::MemoryPlatform;
using platform::Primitive;
using platform::RecordingSurface;

struct WindowLayers : ::testing::Test {
    MemoryPlatform platform;
    WindowOptions options;
    void SetUp() override { platform.SetConfigDirectory(FreshConfigDirectory("layers")); }
};


TEST_F(WindowLayers, RepaintWithNothingChangedIsOneCopy) {
    GraphTestWindow w(platform, options);
    RecordingSurface front({400, 300});
    w.OnPaint(front);
    EXPECT_EQ(w.BaseRebuilds(), 1);
    front.Clear();
    w.OnPaint(front);
    ASSERT_EQ(front.Primitives().size(), 1u);
    EXPECT_EQ(front.Primitives()[0].kind, Primitive::Blit);
    EXPECT_EQ(front.Primitives()[0].rect, (platform::Rect{0, 0, 400, 300}));
    EXPECT_EQ(w.BaseRebuilds(), 1);
}

TEST_F(WindowLayers, TogglingAxesRebuildsTheBase) {
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
}

TEST_F(WindowLayers, OverlayChangeKeepsTheBase) {
    GraphTestWindow w(platform, options);
    w.OnPaint(w.Memory().Front());
    w.InvalidateLayer(0);
    w.OnPaint(w.Memory().Front());
    EXPECT_EQ(w.BaseRebuilds(), 1);
}

TEST_F(WindowLayers, ResizeInvalidatesAndRepaints) {
    GraphTestWindow w(platform, options);
    w.OnPaint(w.Memory().Front());
    w.Memory().Resize({300, 200});
    ASSERT_TRUE(w.Memory().RunPendingRepaint());
    EXPECT_EQ(w.BaseRebuilds(), 2);
    EXPECT_EQ(w.Layers().Layer(0)->GetSize(), (platform::Size{300, 200}));
}

// A long drawing asks PeekKey after every step and stops at S.
struct LongDrawing {
    int steps = 0;
    int lastKey = 0;
    void Run(GraphTestWindow& w) {
        for (steps = 0; steps < 1000; ++steps) {
            lastKey = w.PeekKey();
            if (lastKey == 'S')
                return;
        }
    }
};

TEST_F(WindowLayers, KeysStopALongDrawing) {
    struct Row {
        const char* what;
        int key, modifiers, steps, zoomed;
    } rows[] = {
        {"S", 'S', res::ModNone, 5, 0},
        {"Shift+S", 'S', res::ModShift, 5, 0},
        {"an accelerator runs and stops", res::KeyPageDown, res::ModNone, 5, 1},
        {"another key goes on", 'X', res::ModNone, 1000, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        MemoryPlatform local;
        local.SetConfigDirectory(FreshConfigDirectory("keys"));
        GraphTestWindow w(local, options);
        int probes = 0;
        w.Memory().onPeek = [&](platform::MemoryWindow& m) {
            if (++probes == 6)
                m.QueueKey(r.key, r.modifiers);
        };
        LongDrawing drawing;
        w.baseDrawing = [&](platform::Surface&) { drawing.Run(w); };
        w.OnPaint(w.Memory().Front());
        EXPECT_EQ(drawing.steps, r.steps);
        EXPECT_EQ(w.GetView().rx, 5) << "nothing runs inside the drawing";
        w.Memory().RunDeferredCommands();
        EXPECT_EQ(w.GetView().rx == 5 * 1.1L, r.zoomed == 1);
    }
}

TEST_F(WindowLayers, StatusTexts) {
    struct Row {
        int code, first, second;
        const char* text;
    } rows[] = {
        {1, 0, 0, "pressione S para sair"},
        {2, 0, 0, "ocupado --- favor aguardar"},
        {10, 0, 0, "barra de espaço para avançar, Q para sair"},
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

TEST_F(WindowLayers, ColourWindowSetsTheSlot) {
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
}

TEST_F(WindowLayers, BackgroundColourReachesTheBase) {
    GraphTestWindow w(platform, options);
    w.OnPaint(w.Memory().Front());
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

} // namespace
} // namespace korvane::testing
