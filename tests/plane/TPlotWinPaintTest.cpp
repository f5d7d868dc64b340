// The plane window's paint on the memory platform: a cycloid stopped by a vanishing base
// tangent tells the user once the paint is over, never with a box inside it; drawings
// that show their progress ("olhar", families one member at a time) put the picture
// drawn so far on the screen while the paint is still running.
#include "GeometryTestSupport.h"
#include "tests/support/PlaneWindowTestSupport.h"
#include "graph/TFileMsgWin.h"
#include "plane/Cycloid.h"
#include "plane/TPlot2Win.h"
#include "platform/memory/MemoryPlatform.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace korvane {
namespace {

using platform::MemoryWindow;

// Notes, for every message box, whether a window was painting when it opened.
class WatchingPlatform : public platform::MemoryPlatform {
public:
    platform::MessageAnswer MessageBox(const std::string& text, const std::string& caption,
                                       platform::MessageButtons buttons, platform::MessageIcon icon,
                                       platform::Window* owner) override {
        bool painting = false;
        for (const MemoryWindow* w : Windows())
            painting = painting || w->Painting();
        duringPaint.push_back(painting);
        return MemoryPlatform::MessageBox(text, caption, buttons, icon, owner);
    }
    std::vector<bool> duringPaint;
};

class PlaneWindowPaint : public planetest::PlaneWindowOn<WatchingPlatform> {
public:
    void SetUp() override {
        PlaneWindowOn::SetUp();
        front = platform.Windows().back();
        front->RunPendingRepaint();
    }
    ExampleRecord& Add(std::int16_t kind, std::int16_t colour) {
        return window->Examples()[window->Examples().Append(kind, colour)];
    }
    // The base picture is built again at the next paint, which runs now.
    void Paint() {
        window->InvalidatePicture();
        window->Redraw(1);
        ASSERT_TRUE(front->RunPendingRepaint());
    }
    // A cycloid from t = `from` on a parametric base x = t^3, y = 0, whose tangent
    // vanishes at t = 0, or on the x axis.
    void AddCycloid(long double from, bool onBase = true) {
        if (onBase) {
            ExampleRecord& base = Add(kParametric, 3);
            base.texts[0] = "t^3";
            base.texts[1] = "0";
            base.SetReal(exo::kMinimum, -1);
            base.SetReal(exo::kMaximum, 1);
        }
        ExampleRecord& cycloid = Add(kCycloid, 4);
        cycloid.SetI16(exo::kSource1, onBase ? 0 : -1);
        cycloid.SetReal(exo::kCycloidRadius, 0.2L);
        cycloid.SetReal(exo::kCycloidArm, 0.2L);
        cycloid.SetReal(exo::kMinimum, from);
        cycloid.SetReal(exo::kMaximum, 1);
        ASSERT_EQ(window->RecompileAll(), 0);
    }
    bool MessageTimerRuns() const { return front->TimerInterval(kDrawingMessageTimer).has_value(); }

    MemoryWindow* front = nullptr;
};

// The timer can come while a later paint polls the keyboard: the box waits for its end.
// A picture drawn elsewhere (an export) leaves nothing for the next paint to report.
TEST_F(PlaneWindowPaint, CycloidNullVectorIsShownAfterThePaint) {
    AddCycloid(0);
    Paint();
    EXPECT_TRUE(platform.Messages().empty()) << "no box during the paint";
    ASSERT_TRUE(MessageTimerRuns());
    int firedInPaint = 0;
    front->onPeek = [&](MemoryWindow& w) {
        if (w.Painting() && w.FireTimer(kDrawingMessageTimer))
            ++firedInPaint;
    };
    Paint();
    front->onPeek = nullptr;
    EXPECT_GT(firedInPaint, 0);
    EXPECT_TRUE(platform.Messages().empty());
    ASSERT_TRUE(front->FireTimer(kDrawingMessageTimer));
    ASSERT_EQ(platform.Messages().size(), 1u) << "one message for the two paints";
    EXPECT_EQ(platform.Messages()[0].text, StringOf(400 + kNullVectorCode));
    EXPECT_EQ(platform.duringPaint, std::vector<bool>{false});
    EXPECT_FALSE(MessageTimerRuns()) << "the timer shows one message and stops";

    platform::RasterSurface exported(window->ClientSize());
    window->DrawBase(exported);
    window->RequestRepaint();
    ASSERT_TRUE(front->RunPendingRepaint()); // the base layer is still valid: nothing is drawn
    EXPECT_FALSE(MessageTimerRuns());
    EXPECT_EQ(platform.Messages().size(), 1u);
}

TEST_F(PlaneWindowPaint, NoMessageWhenTheCycloidDraws) {
    for (const bool onBase : {true, false}) { // clear of the null vector; on the x axis
        SCOPED_TRACE(onBase);
        window->Examples().Clear();
        AddCycloid(onBase ? 0.25L : 0, onBase);
        Paint();
        EXPECT_FALSE(MessageTimerRuns());
        EXPECT_TRUE(platform.Messages().empty());
    }
}

// An implicit curve with and without "olhar"; a family one member at a time (negative
// steps) and all at once. The curve appears on the screen before the paint ends in the
// first of each.
TEST_F(PlaneWindowPaint, ProgressReachesTheScreenDuringThePaint) {
    constexpr std::int16_t kColour = 12;
    for (const bool implicit : {true, false}) {
        for (const bool shown : {true, false}) {
            SCOPED_TRACE(::testing::Message() << implicit << " " << shown);
            window->Examples().Clear();
            ExampleRecord& e = Add(implicit ? kImplicit : kExplicit, kColour);
            if (implicit) {
                e.texts[4] = "xx+yy=4";
                e.texts[2] = "xx+yy-(4)";
                e.SetFlag(exo::kFlag56, true);
                e.SetFlag(exo::kFlag57, shown);
            } else {
                e.texts[1] = "x/2+a";
                geometrytest::GeometryScene::MakeFamily(e, shown ? -3 : 3, -1, 1);
                e.SetI16(exo::kPause, 0);
            }
            ASSERT_EQ(window->RecompileAll(), 0);
            const platform::Rgb curve = window->PenRgb(kColour);
            int mostSeen = 0;
            front->onPeek = [&](MemoryWindow& w) {
                if (w.Painting())
                    mostSeen = std::max(mostSeen, w.Front().CountPixels(curve));
            };
            front->Front().Fill(platform::kWhite); // nothing of the last case on the screen
            const int presents = front->PresentCount();
            Paint();
            front->onPeek = nullptr;
            EXPECT_EQ(mostSeen > 0, shown) << mostSeen << " curve pixels seen on the screen";
            EXPECT_EQ(front->PresentCount() > presents, shown);
            EXPECT_GT(front->Front().CountPixels(curve), 0) << "the finished picture";
        }
    }
}

} // namespace
} // namespace korvane
