// Letter sliders and animation: the scroll position of a value and back, the bounds of
// cyclic and reversing animation over many frames, the slider dialog's edge cases, the
// redraw of only the examples that use a letter (pixels as a full drawing gives them),
// keys during a live animation and a slide show, and the linked window.
#include "plane/LetterAnimation.h"
#include "PictureTestSupport.h"
#include "tests/support/PlaneWindowTestSupport.h"
#include "expr/LetterParameters.h"
#include "graph/TZalWing.h"
#include "plane/LetterAnimator.h"
#include "plane/PlaneCommands.h"
#include "plane/TSlideDlg.h"
#include "platform/memory/MemoryDialog.h"
#include "platform/memory/MemoryPlatform.h"
#include "platform/memory/MemoryWindow.h"
#include "resources/Resources.h"
#include "tests/support/Tolerance.h"

#include <gif_lib.h>
#include <gtest/gtest.h>

#include <vector>

namespace korvane {
namespace {

using D = TSlideDlg;
using testing::Near;

// --- The arithmetic alone -------------------------------------------------------------

// The bar runs over 0..S from low to high; a value goes back to the position it came from,
// and equal bounds put every value at the start.
TEST(LetterArithmetic, ScrollPositionAndValueRoundTrip) {
    struct Row {
        long double low, high;
        int steps, position;
        long double value;
    } rows[] = {
        {-10, 10, 100, 25, -5},        {-10, 10, 100, 0, -10},
        {-10, 10, 100, 100, 10},       {0, 1, 3, 1, 1.0L / 3},
        {-3, 3, 7, 5, -3 + 30.0L / 7}, {1e-3L, 2e-3L, 32767, 16384, 1e-3L + 16384e-3L / 32767},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.position);
        EXPECT_TRUE(Near(SliderValue(r.low, r.high, r.steps, r.position), r.value, 1e-15L));
        EXPECT_EQ(SliderPosition(r.low, r.high, r.steps, r.value), r.position);
    }
    EXPECT_EQ(SliderPosition(2, 2, 100, 2), 0);
    EXPECT_EQ(SliderPosition(-1, 1, 100, 5), 100)
        << "a value beyond the bounds keeps the bar at its end";
}

// No letter ever leaves its bounds, however many frames; reversing turns at both ends,
// cyclic starts again at the other one; equal bounds still move by 1/S.
TEST(LetterArithmetic, AnimationStaysWithinItsBoundsOverManyFrames) {
    struct Row {
        AnimationMode mode;
        long double low, high, start;
        int steps;
        long double speed;
    } rows[] = {
        {AnimationMode::Cyclic, -3, 3, 2, 100, 1},
        {AnimationMode::Reversing, -3, 3, 2, 100, 1},
        {AnimationMode::Cyclic, 0, 1, 0, 7, 3.3L},
        {AnimationMode::Reversing, 0, 1, 1, 7, 3.3L},
        {AnimationMode::Reversing, -1e-9L, 1e-9L, 0, 3, 1},
        {AnimationMode::Cyclic, 5, 5, 5, 100, 1},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(static_cast<double>(r.high));
        EvalContext c;
        ASSERT_TRUE(r.low == r.high || SetLetterRange(c, 2, r.low, r.high));
        c.letterLow[2] = {r.low, 0};
        c.letterHigh[2] = {r.high, 0};
        c.SetLetter(2, r.start);
        LetterAnimation a(c, r.mode, {2}, r.speed, r.steps, 0);
        const long double d =
            r.low == r.high ? 1.0L / r.steps : r.speed * (r.high - r.low) / r.steps;
        EXPECT_TRUE(Near(std::fabs(a.Increment(2)), d, 1e-15L));
        bool sawLow = false, sawHigh = false;
        for (int frame = 0; frame < 20000; ++frame) {
            a.Step();
            const long double v = c.GetLetter(2);
            ASSERT_GE(v, r.low) << "frame " << frame;
            ASSERT_LE(v, r.high) << "frame " << frame;
            sawLow = sawLow || v - r.low < d;
            sawHigh = sawHigh || r.high - v < d;
        }
        EXPECT_TRUE(sawLow && sawHigh);
    }
}

// Space turns, R and L scale speed and increments; the symbol parameter has no bounds and
// its own increment, rescaled in timer mode to 0.05 per tick.
TEST(LetterArithmetic, KeysScaleAndTurnTheIncrements) {
    EvalContext c;
    c.SetLetter(kSymbolSlot, 0);
    LetterAnimation a(c, AnimationMode::Cyclic, {1, kSymbolSlot}, 1, 100, 0);
    EXPECT_TRUE(Near(a.Increment(1), 0.2L, 1e-18L));
    EXPECT_TRUE(Near(a.Increment(kSymbolSlot), 0.1L, 1e-18L))
        << "a stored increment of 0 means 0.1";
    a.ScaleSpeed(1.25L);
    a.Reverse();
    EXPECT_TRUE(Near(a.Increment(1), -0.25L, 1e-18L));
    EXPECT_TRUE(Near(a.Speed(), 1.25L, 1e-18L));
    for (int i = 0; i < 400; ++i)
        a.Step();
    EXPECT_TRUE(Near(c.GetLetter(kSymbolSlot), -50, 1e-12L))
        << "the symbol parameter is not wrapped";
    a.RescaleSymbol(0.5L);
    EXPECT_TRUE(Near(a.Increment(kSymbolSlot), -0.125L * 0.1L, 1e-18L));
}

// Slides play 0..n and wrap, or bounce at both ends.
TEST(LetterArithmetic, SlidesPlayInOrderAndTurnOrWrap) {
    struct Row {
        AnimationMode mode;
        std::vector<int> shown;
    } rows[] = {
        {AnimationMode::Cyclic, {1, 2, 3, 0, 1, 2, 3, 0}},
        {AnimationMode::Reversing, {1, 2, 3, 2, 1, 0, 1, 2}},
    };
    for (const Row& r : rows) {
        SlidePlayback p(3, r.mode, 5);
        std::vector<int> shown;
        for (std::size_t i = 0; i < r.shown.size(); ++i) {
            p.Advance();
            shown.push_back(p.Current());
        }
        EXPECT_EQ(shown, r.shown);
    }
    SlidePlayback p(3, AnimationMode::Cyclic, 7);
    p.Shorter();
    p.Shorter();
    EXPECT_EQ(p.Pause(), 2) << "R shortens the pause only while it is above 5";
}

// --- In a window ----------------------------------------------------------------------

class LetterSliders : public planetest::PlaneWindowTest {
protected:
    // A parabola and, over it, a wave whose height is A, on its slider from -3 to 3.
    void SetUp() override {
        planetest::PlaneWindowTest::SetUp();
        window->SetSquareView(0, 0, 6);
        Add(kExplicit, {{1, "x^2/8-3"}});
        window->Examples()[Add(kExplicit, {{1, "asin(x)"}})].SetFlag(exo::kShowEquation, true);
        window->RecomputeLettersInUse();
        ASSERT_TRUE(SetLetterRange(window->Context(), 1, -3, 3));
        window->Context().SetLetter(1, 2);
        window->RedrawExamples();
        Memory().RunPendingRepaint();
    }
    platform::MemoryDialog& Open(int slot = 1) {
        window->OnCommand(cmd::kSymbolSlider + slot);
        return *platform.FindDialog(slot == kSymbolSlot ? "TPARAM" : "SPARAM");
    }
    long double Low() const { return window->Context().letterLow[1].re; }
    long double High() const { return window->Context().letterHigh[1].re; }
    long double Value() const { return window->Context().GetLetter(1); }
    // The front picture after a full drawing of the same state.
    std::vector<platform::Rgb> FullPicture() {
        window->RedrawExamples();
        Memory().RunPendingRepaint();
        return Pixels();
    }
    std::vector<platform::Rgb> Pixels() { return planetest::PixelsOf(Memory().Front()); }
};

// The Part's edge cases and the bad inputs: each row starts from -3..3 with A = 2.
TEST_F(LetterSliders, ValueAndBoundsFollowTheButtons) {
    struct Row {
        int button;
        const char* text;
        long double low, value, high;
        int position;
        bool message;
    } rows[] = {
        // Typing a value beyond a bound moves that bound; the bar follows.
        {D::kOk, "5", -3, 5, 5, 100, false},
        {D::kOk, "-2pi", -6.28318530717958647692528676656L, -6.28318530717958647692528676656L, 3, 0,
         false},
        {D::kOk, "1/2", -3, 0.5L, 3, 58, false},
        // "def L" and "def R" take the value as a bound unless it passes the other one.
        {D::kSetLow, "-1", -1, -1, 3, 0, false},
        {D::kSetLow, "4", -3, 2, 3, 83, false},
        {D::kSetHigh, "2.5", -3, 2.5L, 2.5L, 100, false},
        {D::kSetHigh, "-3", -3, 2, 3, 83, false},
        // A value that does not evaluate changes nothing and says so.
        {D::kOk, "2+*", -3, 2, 3, 83, true},
        {D::kSetLow, "(", -3, 2, 3, 83, true},
    };
    platform::MemoryDialog& d = Open();
    for (const Row& r : rows) {
        SCOPED_TRACE(r.text);
        ASSERT_TRUE(SetLetterRange(window->Context(), 1, -3, 3));
        window->Context().SetLetter(1, 2);
        window->Animator().SliderDialog(1).Refresh();
        platform.ClearLogs();
        ASSERT_TRUE(d.Type(D::kValue, r.text));
        ASSERT_TRUE(d.Press(r.button));
        EXPECT_TRUE(Near(Low(), r.low, 1e-18L));
        EXPECT_TRUE(Near(Value(), r.value, 1e-18L));
        EXPECT_TRUE(Near(High(), r.high, 1e-18L));
        EXPECT_EQ(d.ScrollPosition(D::kParamBar), r.position);
        ASSERT_EQ(platform.Messages().size(), r.message ? 1u : 0u);
        if (r.message) {
            EXPECT_EQ(platform.Messages()[0].text, res::Message(1));
        }
    }
}

// Dragging redraws only the wave over a kept picture of the parabola, grid and axes, and
// gives the very pixels of a full drawing; a view change makes that picture again.
TEST_F(LetterSliders, DraggingRedrawsTheDependentExamplesOverAKeptPicture) {
    platform::MemoryDialog& d = Open();
    for (int position : {10, 90, 40}) {
        SCOPED_TRACE(position);
        ASSERT_TRUE(d.Scroll(D::kParamBar, position));
        EXPECT_TRUE(Near(Value(), -3 + position * 0.06L, 1e-15L));
        EXPECT_EQ(d.GetText(D::kValue), window->Format().Format(Value()));
        ASSERT_TRUE(Memory().RunPendingRepaint());
    }
    // Frames after the first put back only what the last one drew: nothing of it stays.
    const auto frames = Pixels();
    EXPECT_EQ(frames, FullPicture());
    const int made = window->Animator().StaticRebuilds();
    ASSERT_TRUE(d.Scroll(D::kParamBar, 20));
    ASSERT_TRUE(d.Scroll(D::kParamBar, 30)); // before the paint: only the last is drawn
    ASSERT_TRUE(Memory().RunPendingRepaint());
    ASSERT_TRUE(d.Scroll(D::kParamBar, 35));
    ASSERT_TRUE(Memory().RunPendingRepaint());
    EXPECT_EQ(window->Animator().StaticRebuilds(), made + 1) << "one picture for the whole drag";
    // The coordinates box over a frame drawn straight on the screen goes back to that frame.
    const auto shown = Pixels();
    using platform::MouseAction;
    window->OnMouse({MouseAction::Down, platform::ButtonLeft, platform::ButtonLeft, 0, {40, 40}, 0});
    window->OnMouse({MouseAction::Up, platform::ButtonLeft, platform::ButtonNone, 0, {40, 40}, 0});
    EXPECT_EQ(Pixels(), shown);
    window->OnCommand(cmd::kZoomOut);
    ASSERT_TRUE(d.Scroll(D::kParamBar, 70)); // drawn whole, the view having changed
    ASSERT_TRUE(Memory().RunPendingRepaint());
    ASSERT_TRUE(d.Scroll(D::kParamBar, 75));
    ASSERT_TRUE(Memory().RunPendingRepaint());
    EXPECT_EQ(window->Animator().StaticRebuilds(), made + 2);
    const auto partial = Pixels();
    EXPECT_EQ(partial, FullPicture());
}

// Live animation: the dialog hides, every frame waits for the last one to be shown, the
// keys turn and speed it, S ends it and brings the dialog and the title back.
TEST_F(LetterSliders, KeysDriveALiveAnimation) {
    platform::MemoryDialog& d = Open();
    const std::string title = Memory().GetTitle();
    ASSERT_TRUE(d.Press(D::kAutoCyclic));
    EXPECT_FALSE(d.IsVisible());
    EXPECT_EQ(Memory().GetTitle(), res::String(603));
    ASSERT_TRUE(Memory().FireTimer(kAnimationFrameTimer));
    EXPECT_TRUE(Near(Value(), 2.06L, 1e-15L));
    ASSERT_TRUE(Memory().FireTimer(kAnimationFrameTimer));
    EXPECT_TRUE(Near(Value(), 2.06L, 1e-15L)) << "no frame queued behind one not yet shown";
    Memory().RunPendingRepaint();
    Memory().PressKey(res::KeySpace);
    Memory().PressKey('R');
    ASSERT_TRUE(Memory().FireTimer(kAnimationFrameTimer));
    EXPECT_TRUE(Near(Value(), 2.06L - 0.075L, 1e-15L));
    for (int i = 0; i < 60; ++i) {
        Memory().RunPendingRepaint();
        Memory().FireTimer(kAnimationFrameTimer);
        ASSERT_GE(Value(), -3);
    }
    Memory().PressKey('S');
    EXPECT_FALSE(window->Animator().Animating());
    EXPECT_FALSE(Memory().TimerInterval(kAnimationFrameTimer).has_value());
    EXPECT_TRUE(d.IsVisible());
    EXPECT_EQ(Memory().GetTitle(), title);
    EXPECT_EQ(d.ScrollPosition(D::kParamBar), SliderPosition(-3, 3, 100, Value()));
}

// The slide show: count + 1 pictures made with the progress in the title, played by the
// slide timer, the linked letters ("barras ligadas") each over its own bounds; S halfway
// through the preparation gives everything back.
TEST_F(LetterSliders, SlideShowsPlayAndStopHalfway) {
    platform::MemoryDialog& d = Open();
    ASSERT_TRUE(d.Press(D::kSlideShow));
    ASSERT_TRUE(d.Type(D::kSlides, "2"));
    ASSERT_TRUE(d.Press(D::kAutoCyclic));
    ASSERT_EQ(platform.Messages().size(), 1u);
    EXPECT_EQ(platform.Messages()[0].text, res::Message(17));
    EXPECT_FALSE(window->Animator().Animating());

    AnimationSettings& a = window->Animator().Settings();
    a.linked[1] = a.linked[2] = true;
    ASSERT_TRUE(SetLetterRange(window->Context(), 2, 0, 4));
    ASSERT_TRUE(d.Type(D::kSlides, "5"));
    ASSERT_TRUE(d.Press(D::kAutoReverse));
    EXPECT_EQ(window->Animator().SlideCount(), 5);
    EXPECT_NE(std::find(Memory().TitleHistory().begin(), Memory().TitleHistory().end(),
                        "5" + std::string(res::String(124)) + "5"),
              Memory().TitleHistory().end());
    Memory().RunPendingRepaint();
    Memory().FireTimer(kSlideTimer);
    Memory().RunPendingRepaint();
    Memory().FireTimer(kSlideTimer);
    Memory().RunPendingRepaint();
    EXPECT_EQ(window->Animator().Playback()->Current(), 2);
    Memory().PressKey('S');
    EXPECT_EQ(window->Animator().SlideCount(), 0);
    EXPECT_TRUE(Near(Value(), 0, 1e-18L)) << "the letter stays at the slide shown";
    EXPECT_TRUE(Near(window->Context().GetLetter(2), 2, 1e-18L)) << "and so does B, linked to it";

    const std::string title = Memory().GetTitle();
    window->Context().SetLetter(1, 1);
    int probes = 0;
    Memory().onPeek = [&probes](platform::MemoryWindow& w) {
        if (++probes == 3)
            w.QueueKey('S');
    };
    ASSERT_TRUE(d.Type(D::kSlides, "10"));
    ASSERT_TRUE(d.Press(D::kAutoCyclic));
    EXPECT_FALSE(window->Animator().Animating());
    EXPECT_EQ(window->Animator().SlideCount(), 0);
    EXPECT_TRUE(Near(Value(), 1, 1e-18L));
    EXPECT_TRUE(Near(window->Context().GetLetter(2), 2, 1e-18L));
    EXPECT_EQ(Memory().GetTitle(), title);
    EXPECT_TRUE(d.IsVisible());
}

// "Salvar animação ..." writes the slide count's frames of the window's size, and the
// letter keeps its value; a file that cannot be made says so.
TEST_F(LetterSliders, SavesTheAnimationAsAGif) {
    platform::MemoryDialog& d = Open();
    ASSERT_TRUE(d.Type(D::kSlides, "4"));
    platform.AnswerFileDialog(folder.File("onda.gif"));
    ASSERT_TRUE(d.Press(D::kSaveAnimation));
    int error = 0;
    GifFileType* gif = DGifOpenFileName(folder.File("onda.gif").c_str(), &error);
    ASSERT_NE(gif, nullptr);
    ASSERT_EQ(DGifSlurp(gif), GIF_OK);
    EXPECT_EQ(gif->ImageCount, 4);
    EXPECT_EQ(gif->SWidth, Memory().GetClientSize().width);
    DGifCloseFile(gif, &error);
    EXPECT_TRUE(Near(Value(), 2, 1e-18L));
    EXPECT_TRUE(platform.Messages().empty());
    platform.AnswerFileDialog(folder.File("no/where.gif"));
    ASSERT_TRUE(d.Press(D::kSaveAnimation));
    ASSERT_EQ(platform.Messages().size(), 1u);
    EXPECT_EQ(platform.Messages()[0].text, res::Message(12));
}

// A second window linked to this one takes every value of its sliders and redraws.
TEST_F(LetterSliders, TheLinkedWindowFollows) {
    auto other = planetest::MakePlaneWindow(platform);
    const int i = other->Examples().Append(kExplicit, 4);
    other->Examples()[i].texts[1] = "a";
    ASSERT_EQ(other->CompileExample(i), 0);
    other->RecomputeLettersInUse();
    platform::MemoryWindow& second = *platform.Windows().back();
    second.RunPendingRepaint();
    window->Animator().LinkWindow(&other->Animator());
    platform::MemoryDialog& d = Open();
    ASSERT_TRUE(d.Scroll(D::kParamBar, 75));
    EXPECT_TRUE(Near(other->Context().GetLetter(1), 1.5L, 1e-15L));
    EXPECT_TRUE(second.RunPendingRepaint());
    other.reset();
    EXPECT_EQ(window->Animator().LinkedWindow(), nullptr) << "a closed window is no longer linked";
    ASSERT_TRUE(d.Scroll(D::kParamBar, 80));
}

} // namespace
} // namespace korvane
