// The observer commands that go through dialogs and input boxes, the slide show, the
// mouse, the settings file and the hidden segments of the space window.
#include "SpaceWindowTestSupport.h"

#include "platform/memory/MemoryDialog.h"
#include "platform/memory/MemoryWindow.h"
#include "space/SurfaceRecord.h"
#include "space/SpaceFrame.h"
#include "space/TSurfaceDlg.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace korvane::spacetest {
namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;

platform::MemoryWindow& Memory(TPlot3Win& w) { return *dynamic_cast<platform::MemoryWindow*>(w.GetWindow()); }

// "aplicar" moves the observer and keeps the dialog open; an observer straight above the
// focus still draws.
TEST_F(SpaceWindowTest, ObserverDialogAppliesWhileOpen) {
    window->OnCommand(cmd::kObserverDialog);
    platform::MemoryDialog* d = platform.FindDialog("SETOBS");
    ASSERT_NE(d, nullptr);
    struct Row {
        const char *x, *y, *z;
        SpacePoint observer;
    } rows[] = {{"10", "20", "2*15", {10, 20, 30}}, {"1", "1", "9", {1, 1, 9}}, {"sin(", "0", "0", {1, 1, 9}}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.x);
        d->Type(211, r.x);
        d->Type(212, r.y);
        d->Type(213, r.z);
        d->Press(TObserverDlg::kApply);
        EXPECT_EQ(window->Space().observer, r.observer);
        EXPECT_TRUE(d->IsVisible());
        Paint(*window, platform::Primitive::Line);
    }
}

// Input boxes: the rotation step in degrees, the slide count within 2..200; the settings
// file keeps them.
TEST_F(SpaceWindowTest, StepAndSlideCountFromInputBoxesKeptInSettings) {
    struct Row {
        int command;
        const char* answer;
        int slides;
        bool refused;
    } rows[] = {
        {cmd::kRotationStep, "12", 30, false}, {cmd::kRotationStep, "x+", 30, true},
        {cmd::kSlideCount, "4", 4, false},     {cmd::kSlideCount, "201", 4, true},
        {cmd::kSlideCount, "1", 4, true},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.answer);
        const std::size_t before = platform.Messages().size();
        platform.AnswerInput(r.answer);
        window->OnCommand(r.command);
        EXPECT_NEAR((double)window->Space().rotationStep, (double)(12 * kPi / 180), 1e-15);
        EXPECT_EQ(window->SlideCount(), r.slides);
        EXPECT_EQ(platform.Messages().size() - before, r.refused ? 1u : 0u);
    }
    // kv3.ini keeps them and the observer.
    window->OnCommand(cmd::kTurnRight);
    window->OnCommand(cmd::kRaise);
    const SpacePoint observer = window->Space().observer;
    window.reset();
    WindowOptions options;
    TPlot3Win again(platform, options, nullptr);
    EXPECT_EQ(again.Space().observer, observer);
    EXPECT_NEAR((double)again.Space().rotationStep, (double)(12 * kPi / 180), 1e-15);
    EXPECT_EQ(again.SlideCount(), 4);
}

// "travar" fixes the axis extent against the box, "destravar" lets it follow again.
TEST_F(SpaceWindowTest, AxisExtentLocksAndUnlocks) {
    platform.ScriptModal([](platform::MemoryDialog& d) {
        const char* texts[] = {"-1", "5", "-2", "6", "-3", "7"};
        for (int k = 0; k < 6; ++k)
            d.Type(211 + k, texts[k]);
        d.Press(3);
    });
    window->OnCommand(cmd::kAxisExtent);
    EXPECT_TRUE(window->Space().axisLocked);
    window->Space().FollowBox();
    EXPECT_EQ(window->Space().axisMin, (SpacePoint{-1, -2, -3}));
    EXPECT_EQ(window->Space().axisMax, (SpacePoint{5, 6, 7}));
    platform.ScriptModal([](platform::MemoryDialog& d) { d.Press(4); });
    window->OnCommand(cmd::kAxisExtent);
    EXPECT_FALSE(window->Space().axisLocked);
    // The initial box 0..2: maxima 1.3 * 2, minima 1.3 * 0.
    EXPECT_EQ(window->Space().axisMin, (SpacePoint{0, 0, 0}));
    EXPECT_NEAR((double)window->Space().axisMax.z, 2.6, 1e-15);
}

// The slide show turns through N slides, plays them until S (L slows it down) and puts
// the observer and the step back; S while the slides are made skips the playback.
TEST_F(SpaceWindowTest, SlideShowRestoresTheObserver) {
    struct Row {
        const char* rule;
        int stopAtProbe; // S queued at this probe; L at every earlier playback probe (after 4 slides)
        int presents, pause;
    } rows[] = {{"stopped while preparing", 2, 0, 150}, {"played three frames", 7, 3, 160}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.rule);
        window = MakeWindow();
        platform.AnswerInput("4");
        window->OnCommand(cmd::kSlideCount);
        const SpacePoint observer = window->Space().observer;
        const long double step = window->Space().rotationStep;
        platform::MemoryWindow& w = Memory(*window);
        int probe = 0;
        w.onPeek = [&](platform::MemoryWindow& m) {
            ++probe;
            if (probe == r.stopAtProbe)
                m.QueueKey('S');
            else if (probe > 4)
                m.QueueKey('L');
        };
        const int presents = w.PresentCount();
        window->OnCommand(cmd::kRotationSlides);
        w.onPeek = nullptr;
        EXPECT_EQ(w.PresentCount() - presents, r.presents);
        EXPECT_EQ(window->SlidePause(), r.pause);
        EXPECT_EQ(window->Space().observer, observer);
        EXPECT_EQ(window->Space().rotationStep, step);
        const auto& titles = w.TitleHistory();
        EXPECT_NE(std::find(titles.begin(), titles.end(), "1 slides feitos fora de 4; pressione S para sair"),
                  titles.end());
    }
}

// Dragging turns the observer by the angle the pointer moved and draws slow surfaces
// fast meanwhile; the wheel approaches.
TEST_F(SpaceWindowTest, MouseTurnsTheScene) {
    New(cmd::kNewSurfaceExplicit, {{216, "8"}, {217, "8"}}, {TSurfaceDlg::kFast});
    ASSERT_TRUE(window->Examples()[0].Flag(spo::kSlow));
    const platform::Size size = window->ClientSize();
    auto angles = [&] { // azimuth and elevation
        const SpacePoint d = window->Space().observer - window->Space().focus;
        return std::pair{std::atan2(d.y, d.x), std::atan2(d.z, std::hypot(d.x, d.y))};
    };
    const auto [a0, e0] = angles();
    using platform::MouseAction;
    auto send = [&](MouseAction action, int x, int y) {
        platform::MouseEvent m;
        m.action = action;
        m.button = platform::ButtonLeft;
        m.position = {x, y};
        Memory(*window).Mouse(m);
    };
    send(MouseAction::Down, 10, 10);
    send(MouseAction::Move, 10 + size.width / 4, 10);
    EXPECT_NEAR((double)(angles().first - a0), (double)(-kPi / 4), 1e-12);
    EXPECT_EQ(Paint(*window).size(), 64u) << "a slow surface is drawn fast while dragging";
    send(MouseAction::Up, 10 + size.width / 4, 10);
    EXPECT_TRUE(Paint(*window).empty());
    send(MouseAction::Down, 10, 10);
    send(MouseAction::Up, 10, 10 + size.height / 8);
    EXPECT_GT(angles().second, e0);
    window = MakeWindow();
    platform::MouseEvent wheel;
    wheel.action = MouseAction::Wheel;
    wheel.wheelDelta = 120;
    Memory(*window).Mouse(wheel);
    EXPECT_EQ(window->Space().observer, (SpacePoint{30.5L, 40.5L, 30.5L}));
}

// "Esconder segmentos": the box edges behind the surface are left out.
TEST_F(SpaceWindowTest, HiddenSegmentsLeaveOutBoxPiecesBehindSurfaces) {
    New(cmd::kNewSurfaceExplicit);
    window->OnCommand(cmd::kBoxShown);
    EXPECT_EQ(Paint(*window, platform::Primitive::Line).size(), 12u * kFramePieces);
    window->OnCommand(cmd::kHideSegments);
    // Seen from above, much of the bottom edges lies under the surface; the top edges
    // are all seen.
    const std::size_t hidden = 12u * kFramePieces - Paint(*window, platform::Primitive::Line).size();
    EXPECT_GE(hidden, 2u * kFramePieces);
    EXPECT_LT(hidden, 8u * kFramePieces);
}

// Drawing stops at the first record that fails, and the failure is reported.
class FailingWindow : public TPlot3Win {
public:
    using TPlot3Win::TPlot3Win;
    std::vector<int> drawn;
    int failAt = -1;

protected:
    int DrawSpaceRecord(int index, CurveContext&) override {
        drawn.push_back(index);
        return index == failAt ? 4 : 0;
    }
};

TEST_F(SpaceWindowTest, DrawingStopsAtTheFirstFailingRecord) {
    WindowOptions options;
    options.readSettings = false;
    FailingWindow w(platform, options, nullptr);
    for (int k = 0; k < 3; ++k)
        w.Examples().Append(kSpacePoint, 3);
    w.failAt = 1;
    auto raster = platform.CreateSurface(w.ClientSize());
    EXPECT_EQ(w.DrawAll(*raster), 4);
    EXPECT_EQ(w.drawn, (std::vector<int>{0, 1}));
}

} // namespace
} // namespace korvane::spacetest
