#include "platform/memory/MemoryPlatform.h"

#include <gtest/gtest.h>

using namespace korvane::platform;
using namespace korvane;

namespace {

const res::MenuItem kMenu[] = {
    {res::MenuItem::Popup, "&Arquivo", 0},
    {res::MenuItem::Command, "&Abrir ...\tF3", 103},
    {res::MenuItem::Separator, nullptr, 0},
    {res::MenuItem::Command, "&Eixos", 71},
    {res::MenuItem::End, nullptr, 0},
};
const res::Accelerator kKeys[] = {
    {res::KeyF3, res::ModNone, 103},
    {'A', res::ModCtrl, 71},
};

// Records what the window sends, and can run a "long drawing" from its paint.
struct Recorder : WindowHandler {
    std::vector<std::string> events;
    std::function<void(Surface&)> paint;
    bool allowClose = true;

    void OnCommand(int id) override { events.push_back("command " + std::to_string(id)); }
    void OnPaint(Surface& front) override {
        events.push_back("paint");
        if (paint)
            paint(front);
    }
    void OnSize(Size s) override { events.push_back("size " + std::to_string(s.width) + "x" + std::to_string(s.height)); }
    void OnKey(const KeyEvent& k) override { events.push_back("key " + std::to_string(k.key) + " " + k.text); }
    void OnTimer(int id) override { events.push_back("timer " + std::to_string(id)); }
    void OnDropFiles(const std::vector<std::string>& paths) override {
        std::string all = "drop";
        for (const std::string& p : paths)
            all += " " + p;
        events.push_back(all);
    }
    bool OnClose() override {
        events.push_back("close?");
        return allowClose;
    }
    void OnDestroy() override { events.push_back("destroy"); }
};

WindowSpec Request() {
    WindowSpec request;
    request.title = "semnome1.kv2";
    request.menuItems = kMenu;
    request.acceleratorKeys = kKeys;
    request.clientSize = {40, 30};
    return request;
}

} // namespace

// PeekKey: an accelerator runs its command and gives S; other keys give their code
// whatever the modifiers; no key gives 0.
TEST(MemoryWindow, PeekKeyRules) {
    struct Row {
        const char* name;
        int key, modifiers;
        int expected;
        const char* command; // the event the handler must have got, or ""
    } rows[] = {
        {"S", 'S', res::ModNone, 'S', ""},
        {"shift S", 'S', res::ModShift, 'S', ""},
        {"other letter", 'P', res::ModNone, 'P', ""},
        {"F1 is not the letter p", res::KeyF1, res::ModNone, res::KeyF1, ""},
        {"digit", '5', res::ModNone, '5', ""},
        {"space", res::KeySpace, res::ModNone, res::KeySpace, ""},
        {"accelerator F3", res::KeyF3, res::ModNone, 'S', "command 103"},
        {"accelerator ctrl+A", 'A', res::ModCtrl, 'S', "command 71"},
        {"F3 with shift is no accelerator", res::KeyF3, res::ModShift, res::KeyF3, ""},
        {"A without ctrl is no accelerator", 'A', res::ModNone, 'A', ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        MemoryPlatform platform;
        Recorder handler;
        auto window = platform.CreateWindow(Request(), handler);
        EXPECT_EQ(window->PeekKey(), 0);
        static_cast<MemoryWindow&>(*window).QueueKey(row.key, row.modifiers);
        EXPECT_EQ(window->PeekKey(), row.expected);
        EXPECT_EQ(window->PeekKey(), 0) << "a key is taken once";
        EXPECT_TRUE(handler.events.empty()) << "a command waits for the drawing to return";
        static_cast<MemoryWindow&>(*window).RunDeferredCommands();
        const std::vector<std::string> expected =
            *row.command ? std::vector<std::string>{row.command} : std::vector<std::string>{};
        EXPECT_EQ(handler.events, expected);
    }
}

// A long drawing that polls PeekKey stops at the probe after S arrives.
TEST(MemoryWindow, LongDrawingStopsAtS) {
    MemoryPlatform platform;
    Recorder handler;
    auto created = platform.CreateWindow(Request(), handler);
    auto& window = static_cast<MemoryWindow&>(*created);
    window.onPeek = [](MemoryWindow& w) {
        if (w.PeekCount() == 5)
            w.QueueKey('S', res::ModShift);
    };
    int steps = 0;
    handler.paint = [&](Surface&) {
        for (int i = 0; i < 1000; ++i, ++steps)
            if (window.PeekKey() == 'S')
                break;
    };
    window.RequestRepaint();
    EXPECT_EQ(platform.RunPendingRepaints(), 1);
    EXPECT_EQ(steps, 4);
}

// Repaints asked for while OnPaint runs wait until it has returned; none re-enters.
TEST(MemoryWindow, RepaintDuringPaintIsDeferred) {
    MemoryPlatform platform;
    Recorder handler;
    auto created = platform.CreateWindow(Request(), handler);
    auto& window = static_cast<MemoryWindow&>(*created);
    int depth = 0, deepest = 0, runs = 0;
    handler.paint = [&](Surface&) {
        ++depth;
        deepest = std::max(deepest, depth);
        if (++runs == 1) {
            window.RequestRepaint();
            EXPECT_FALSE(window.RunPendingRepaint()) << "no paint inside a paint";
            window.PeekKey();
        }
        --depth;
    };
    window.RequestRepaint();
    window.RequestRepaint(); // two requests, one paint
    EXPECT_EQ(platform.RunPendingRepaints(), 2);
    EXPECT_EQ(deepest, 1);
    EXPECT_EQ(runs, 2);
    EXPECT_FALSE(window.RepaintPending());
}

TEST(MemoryWindow, ResizeSendsSizeThenPaintOnANewFront) {
    MemoryPlatform platform;
    Recorder handler;
    auto created = platform.CreateWindow(Request(), handler);
    auto& window = static_cast<MemoryWindow&>(*created);
    window.Front().FillRect({0, 0, 40, 30}, {255, 0, 0});
    window.Resize({60, 20});
    platform.RunPendingRepaints();
    EXPECT_EQ(handler.events, (std::vector<std::string>{"size 60x20", "paint"}));
    EXPECT_EQ(window.GetClientSize(), (Size{60, 20}));
    EXPECT_EQ(*window.Front().GetPixel({39, 19}), (Rgb{255, 0, 0})) << "the old picture stays";
    EXPECT_EQ(*window.Front().GetPixel({45, 5}), kWhite);
}

// A size change during a paint must not swap the surface the paint draws on.
TEST(MemoryWindow, ResizeDuringPaintWaitsForItsEnd) {
    MemoryPlatform platform;
    Recorder handler;
    auto created = platform.CreateWindow(Request(), handler);
    auto& window = static_cast<MemoryWindow&>(*created);
    handler.paint = [&](Surface& front) {
        if (window.PaintCount() == 1) {
            window.Resize({10, 10});
            EXPECT_EQ(&front, &window.FrontSurface());
            EXPECT_EQ(front.GetSize(), (Size{40, 30}));
        }
    };
    window.RequestRepaint();
    platform.RunPendingRepaints();
    EXPECT_EQ(handler.events, (std::vector<std::string>{"paint", "size 10x10", "paint"}));
}

// Menus come from the resource, keys go through the accelerator table first.
TEST(MemoryWindow, MenusKeysTimersDropsAndClose) {
    MemoryPlatform platform;
    Recorder handler;
    auto created = platform.CreateWindow(Request(), handler);
    auto& window = static_cast<MemoryWindow&>(*created);
    ASSERT_NE(window.MenuItem(71), nullptr);
    EXPECT_EQ(window.MenuItem(103)->text, "&Abrir ...\tF3");
    EXPECT_EQ(window.MenuItem(999), nullptr);
    window.CheckMenuItem(71, true);
    EXPECT_TRUE(window.IsMenuItemChecked(71));
    window.EnableMenuItem(103, false);
    EXPECT_FALSE(window.ChooseMenu(103));
    EXPECT_TRUE(window.ChooseMenu(71));
    window.PressKey(res::KeyF3);
    window.PressKey('X', res::ModNone, "x");
    EXPECT_FALSE(window.FireTimer(1));
    window.StartTimer(1, 50);
    EXPECT_EQ(window.TimerInterval(1), 50);
    EXPECT_TRUE(window.FireTimer(1));
    window.StopTimer(1);
    EXPECT_FALSE(window.FireTimer(1));
    EXPECT_FALSE(window.DropFiles({"a.kv2"}));
    window.AcceptDrops(true);
    EXPECT_TRUE(window.DropFiles({"a.kv2", "b.kv3"}));
    handler.allowClose = false;
    window.Close();
    EXPECT_FALSE(window.IsClosed());
    handler.allowClose = true;
    window.Close();
    EXPECT_TRUE(window.IsClosed());
    window.Close();
    EXPECT_EQ(handler.events,
              (std::vector<std::string>{"command 71", "command 103", "key 88 x", "timer 1", "drop a.kv2 b.kv3",
                                        "close?", "close?", "destroy"}));
}

TEST(MemoryWindow, TitlePlacementAndRegistry) {
    MemoryPlatform platform;
    Recorder handler;
    auto window = platform.CreateWindow(Request(), handler);
    EXPECT_EQ(platform.FindWindow("semnome1.kv2"), window.get());
    window->SetTitle("pressione S para sair");
    window->SetTitle("semnome1.kv2");
    auto& memory = static_cast<MemoryWindow&>(*window);
    EXPECT_EQ(memory.TitleHistory(), (std::vector<std::string>{"pressione S para sair", "semnome1.kv2"}));
    window->SetPlacement({10, 20, 300, 200, true});
    EXPECT_EQ(window->GetPlacement(), (Placement{10, 20, 300, 200, false}));
    EXPECT_TRUE(window->IsMaximized());
    window->Restore();
    EXPECT_FALSE(window->IsMaximized());
    window.reset();
    EXPECT_TRUE(platform.Windows().empty());
}
