// "Revolução em 3-dim" in a plane window sends its curve to the last space window, or to
// a new one when there is none.
#include "ShellFixture.h"

#include "app/ShellCommands.h"
#include "plane/TInventDlg.h"
#include "plane/TPlot2Win.h"
#include "platform/memory/MemoryDialog.h"
#include "space/SpaceKinds.h"
#include "space/SurfaceRecord.h"
#include "space/TPlot3Win.h"
#include "space/TSurfaceDlg.h"

namespace korvane::testing {
namespace {

TEST_F(ShellTest, RevolutionGoesToTheLastSpaceWindow) {
    StartFrame();
    FrameWindow().SendCommand(kCommandPlane);
    platform::MemoryWindow* planeWindow = platform.FindWindow("semnome1.kv2");
    ASSERT_NE(planeWindow, nullptr);
    auto& plane = dynamic_cast<TPlot2Win&>(planeWindow->Handler());
    // Nothing to turn yet.
    const std::size_t before = platform.Messages().size();
    ASSERT_TRUE(planeWindow->ChooseMenu(cmd::kRevolveInSpace));
    EXPECT_EQ(platform.Messages().size(), before + 1);
    EXPECT_EQ(frame->OpenWindowCount(), 1u);

    const int index = plane.Examples().Append(kExplicit, 4);
    plane.Examples()[index].texts[1] = "sin(x)";
    plane.Examples()[index].SetShown(true);
    for (int round = 1; round <= 2; ++round) {
        platform.ScriptModal([](platform::MemoryDialog& d) {
            d.Press(TSurfaceDlg::kAxisY);
            d.Enter();
        });
        ASSERT_TRUE(planeWindow->ChooseMenu(cmd::kRevolveInSpace));
        EXPECT_EQ(frame->OpenWindowCount(), 2u) << "one space window, made by the first round";
        platform::MemoryWindow* spaceWindow = platform.FindWindow("semnome1.kv3");
        ASSERT_NE(spaceWindow, nullptr);
        auto& space = dynamic_cast<TPlot3Win&>(spaceWindow->Handler());
        ASSERT_EQ(space.Examples().Count(), round);
        EXPECT_EQ(space.Examples()[round - 1].Kind(), korvane::kSurfaceRevolution);
        EXPECT_EQ(space.Examples()[round - 1].I16(sko::kRevolutionAxis), 1);
        EXPECT_FALSE(space.Grid(round - 1).Empty());
    }
    // With the inventory open, the example chosen there is turned, not the newest one.
    const int newer = plane.Examples().Append(kExplicit, 5);
    plane.Examples()[newer].texts[1] = "cos(x)";
    plane.Examples()[newer].SetShown(true);
    plane.ShowInventory();
    plane.Inventory()->GetDialog()->ListSelect(TInventDlg::kList, index);
    platform.ScriptModal([](platform::MemoryDialog& d) { d.Enter(); });
    ASSERT_TRUE(planeWindow->ChooseMenu(cmd::kRevolveInSpace));
    auto& space = dynamic_cast<TPlot3Win&>(platform.FindWindow("semnome1.kv3")->Handler());
    ASSERT_EQ(space.Examples().Count(), 3);
    EXPECT_EQ(space.Examples()[2].texts[1], "sin(x)");
}

} // namespace
} // namespace korvane::testing
