// Labels and pasted pictures on a plane window: placed, moved, edited and deleted with
// the mouse, drawn where they belong, kept in the document.
#include "plane/DocumentFile.h"
#include "plane/PlaneCommands.h"
#include "plane/PointNote.h"
#include "platform/FileIO.h"
#include "tests/support/PlaneWindowTestSupport.h"

#include <algorithm>

namespace korvane::planetest {
namespace {

using platform::MouseAction;

class GraphItems : public PlaneWindowTest {
protected:
    void Click(MouseAction action, int button, platform::Point at) {
        Memory().Mouse({.action = action, .button = button, .position = at});
    }
    void LeftDrag(platform::Point from, platform::Point to) {
        Click(MouseAction::Down, platform::ButtonLeft, from);
        Click(MouseAction::Move, platform::ButtonNone, to);
        Click(MouseAction::Up, platform::ButtonLeft, to);
    }
    int StandInPixels() {
        platform.RunPendingRepaints();
        return Memory().Front().CountPixels(platform::MemoryPlatform::kPictureStandIn);
    }
    static std::vector<std::uint8_t> Png(std::uint8_t w, std::uint8_t h) {
        return {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R', 0, 0, 0, w, 0, 0, 0, h};
    }
};

TEST_F(GraphItems, LabelIsPlacedMovedEditedAndDeletedWithTheMouse) {
    ASSERT_TRUE(Memory().ChooseMenu(cmd::kMouseText));
    ScriptOk(platform, {{211, "rótulo"}});
    Click(MouseAction::Down, platform::ButtonRight, {100, 80});
    ASSERT_EQ(window->Texts().size(), 1u);
    const GraphText placed = window->Texts()[0];
    EXPECT_EQ(placed.text, "rótulo");
    const View& v = window->GetView();
    LeftDrag({102, 82}, {132, 102});
    EXPECT_EQ(window->Texts()[0].x, placed.x + 30 * v.unitX);
    EXPECT_EQ(window->Texts()[0].y, placed.y - 20 * v.unitY);
    EXPECT_TRUE(window->Modified());
    ScriptOk(platform, {{211, "outro"}});
    LeftDrag({133, 103}, {133, 103}); // a click edits
    EXPECT_EQ(window->Texts()[0].text, "outro");
    platform.ScriptModal([](platform::MemoryDialog& d) { d.Press(3); }); // "apagar"
    LeftDrag({133, 103}, {133, 103});
    EXPECT_TRUE(window->Texts().empty());
    EXPECT_EQ(platform.UnusedScripts(), 0u);
}

// A picture keeps its own size in pixels when pasted, and grows with a zoom as the graph.
TEST_F(GraphItems, PastedPictureIsDrawnOnItsWorldRectangle) {
    ASSERT_TRUE(Memory().ChooseMenu(cmd::kMousePaste));
    Click(MouseAction::Down, platform::ButtonRight, {50, 40}); // empty clipboard
    ASSERT_EQ(platform.Messages().size(), 1u);
    platform.ClipboardState().SetPictureData(Png(20, 10));
    ScriptOk(platform);
    Click(MouseAction::Down, platform::ButtonRight, {50, 40});
    ASSERT_EQ(window->Pictures().size(), 1u);
    EXPECT_EQ(StandInPixels(), 200);
    EXPECT_EQ(Memory().Front().GetPixel({50, 40}), platform::MemoryPlatform::kPictureStandIn);
    const long double x = window->Pictures()[0].x;
    LeftDrag({55, 45}, {65, 45}); // follows an outline, moves when let go
    EXPECT_EQ(window->Pictures()[0].x, x + 10 * window->GetView().unitX);
    EXPECT_EQ(Memory().Front().GetPixel({65, 45}), platform::MemoryPlatform::kPictureStandIn);
    ScriptOk(platform, {{211, "-1"}});
    ScriptOk(platform, {{211, "2*unidade"}});
    ScriptOk(platform, {{211, "2"}, {212, "1"}});
    LeftDrag({65, 45}, {65, 45}); // a click sizes it; what was refused is asked again
    EXPECT_EQ(window->Pictures()[0].width, 2);
    EXPECT_EQ(window->Pictures()[0].height, 1);
    EXPECT_EQ(platform.Messages().size(), 3u);
    platform.ScriptModal([](platform::MemoryDialog& d) { d.Press(3); }); // "apagar"
    LeftDrag({65, 45}, {65, 45});
    EXPECT_TRUE(window->Pictures().empty());
    ScriptOk(platform);
    Click(MouseAction::Down, platform::ButtonRight, {50, 40});
    Memory().SendCommand(cmd::kZoomIn); // by 1.1
    EXPECT_NEAR(StandInPixels(), 22 * 11, 22 + 11);
    EXPECT_EQ(platform.UnusedScripts(), 0u);
}

// Labels and pictures come back from a document byte for byte; a damaged one refuses the
// file and leaves the window as it was.
TEST_F(GraphItems, DocumentKeepsThemAndRefusesDamagedOnes) {
    window->Texts().push_back({1.25L, -3, "ação", kFontLabels, false});
    window->Pictures().push_back({-2, 2, 1, 0.5L, PictureFormat::Png, Png(4, 4)});
    const std::string first = folder.File("a.kv2"), second = folder.File("b.kv2");
    ASSERT_EQ(window->SaveDocument(first), 0);
    auto reopened = MakePlaneWindow(platform);
    ASSERT_EQ(reopened->OpenDocument(first), 0);
    EXPECT_EQ(reopened->Texts(), window->Texts());
    EXPECT_EQ(reopened->Pictures(), window->Pictures());
    ASSERT_EQ(reopened->SaveDocument(second), 0);
    std::vector<std::uint8_t> a, b;
    ASSERT_TRUE(ReadWholeFile(first, a) && ReadWholeFile(second, b));
    EXPECT_EQ(a, b);

    const std::uint8_t text[] = {'a', 0xE7, 0xE3, 'o'}, png[] = {0x89, 'P', 'N', 'G'};
    const auto label = std::search(a.begin(), a.end(), std::begin(text), std::end(text)) - a.begin();
    const auto picture = std::search(a.begin(), a.end(), std::begin(png), std::end(png)) - a.begin();
    const std::ptrdiff_t damages[] = {label - 3, picture - 5}; // the font slot, the format byte
    for (std::ptrdiff_t at : damages) {
        std::vector<std::uint8_t> bad = a;
        bad[std::size_t(at)] = 9 + 3;
        ASSERT_TRUE(WriteFileAtomically(folder.File("ruim.kv2"), bad));
        EXPECT_EQ(reopened->OpenDocument(folder.File("ruim.kv2")), kCannotOpenFile) << "byte " << at;
        EXPECT_EQ(reopened->Texts().size(), 1u);
        EXPECT_EQ(reopened->Pictures().size(), 1u);
    }
}

// In "C&oords XY LB" the point where the button is let go is marked on the example that
// "&Mouse ..." names (a note of type 40, "cursor"); with none named nothing is marked.
TEST_F(GraphItems, CoordinatesModeMarksTheMouseExample) {
    const int index = window->Examples().Append(kExplicit, 3);
    window->Examples()[index].texts[0] = "x";
    Click(MouseAction::Down, platform::ButtonLeft, {100, 80});
    Click(MouseAction::Up, platform::ButtonLeft, {100, 80});
    EXPECT_TRUE(window->Examples()[index].pointNotes.empty());
    platform.AnswerInput("2"); // there is one example
    ASSERT_TRUE(Memory().ChooseMenu(cmd::kMouseData));
    platform.AnswerInput("1");
    ASSERT_TRUE(Memory().ChooseMenu(cmd::kMouseData));
    EXPECT_EQ(platform.Messages().size(), 1u);
    Click(MouseAction::Down, platform::ButtonLeft, {100, 80});
    Click(MouseAction::Up, platform::ButtonLeft, {120, 90});
    ASSERT_EQ(window->Examples()[index].pointNotes.size(), 1u);
    const PointNote note = PointNote::Unpack(window->Examples()[index].pointNotes[0]);
    EXPECT_EQ(note.type, 40);
    EXPECT_EQ(note.label, "cursor");
    EXPECT_EQ(note.values[0], window->GetView().ToWorldX(120));
    EXPECT_EQ(note.values[1], window->GetView().ToWorldY(90));
}

} // namespace
} // namespace korvane::planetest
