// Exit through the frame asks every changed graph window (plane and space alike) its own
// save question, in the order they were opened; "cancelar" at any of them keeps the
// program and every window.
#include "ShellFixture.h"

#include "app/ShellCommands.h"
#include "graph/TZalWing.h"
#include "graph/SettingsFile.h"
#include "plane/TPlot2Win.h"
#include "space/SpaceCommands.h"
#include "platform/FileIO.h"

#include <filesystem>

namespace korvane::testing {
namespace {

namespace fs = std::filesystem;
using platform::MessageAnswer;

struct ExitRow {
    const char* rule;
    std::vector<MessageAnswer> answers; // to the questions, in window order
    bool programEnds;
    std::vector<bool> saved; // per window: its document was written again
};

const ExitRow kExitRows[] = {
    // "cancelar" at any question stops the exit with everything open.
    {"cancel at the first", {platform::AnswerCancel}, false, {false, false}},
    {"discard the first, cancel at the second", {platform::AnswerNo, platform::AnswerCancel}, false, {false, false}},
    {"save the first, cancel at the second", {platform::AnswerYes, platform::AnswerCancel}, false, {true, false}},
    // Every window answered: the program ends.
    {"discard both", {platform::AnswerNo, platform::AnswerNo}, true, {false, false}},
    {"save one, discard the other", {platform::AnswerNo, platform::AnswerYes}, true, {false, true}},
};

void PrintTo(const ExitRow& row, std::ostream* out) { *out << row.rule; }

class FrameExit : public ShellTest, public ::testing::WithParamInterface<ExitRow> {};

TEST_P(FrameExit, AsksEveryChangedWindowInTurn) {
    const ExitRow& row = GetParam();
    SCOPED_TRACE(row.rule);
    StartFrame();
    const std::string folder = platform.ConfigDirectory();
    std::vector<std::string> docs;
    // A plane window and a space window: both kinds join the exit.
    const struct {
        const char* name;
        const char* example;
        int change; // a change the user would not want lost
    } windows[] = {{"a.kv2", "onda.kv2", cmd::kZoomIn}, {"b.kv3", "superficie.kv3", cmd::kTurnRight}};
    for (const auto& w : windows) {
        docs.push_back(folder + w.name);
        fs::copy_file(std::string(KORVANE_SOURCE_DIR) + "/examples/" + w.example, docs.back(),
                      fs::copy_options::overwrite_existing);
        frame->OpenFile(docs.back());
    }
    for (const auto& w : windows) { // each window shows its document's name
        platform::MemoryWindow* graph = platform.FindWindow(w.name);
        ASSERT_NE(graph, nullptr);
        ASSERT_TRUE(graph->ChooseMenu(w.change));
        ASSERT_TRUE(dynamic_cast<TFileMsgWin&>(graph->Handler()).Modified());
    }
    // A document written again comes back; one left alone stays gone.
    for (const std::string& doc : docs)
        fs::remove(doc);
    const std::size_t before = platform.Messages().size();
    for (MessageAnswer answer : row.answers)
        platform.AnswerMessage(answer);

    ASSERT_TRUE(FrameWindow().ChooseMenu(kCommandExit));

    EXPECT_EQ(platform.Messages().size() - before, row.answers.size());
    EXPECT_EQ(FrameWindow().IsClosed(), row.programEnds);
    EXPECT_EQ(platform.QuitRequested(), row.programEnds);
    EXPECT_EQ(frame->OpenWindowCount(), row.programEnds ? 0u : 2u);
    for (std::size_t i = 0; i < docs.size(); ++i)
        EXPECT_EQ(fs::exists(docs[i]), row.saved[i]) << docs[i];
    if (!row.programEnds) {
        EXPECT_FALSE(fs::exists(IniPath())) << "kv.ini is written only when the program ends";
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, FrameExit, ::testing::ValuesIn(kExitRows));

// The frame destroys its windows at exit without closing each: the plane window's
// settings file still holds the mouse mode it had (B[0]).
TEST_F(ShellTest, ExitStoresThePlaneWindowsMouseMode) {
    for (int mode : {cmd::kMouseZoomBox, cmd::kMouseCoordinates}) {
        SCOPED_TRACE(mode);
        StartFrame();
        FrameWindow().SendCommand(kCommandPlane);
        ASSERT_TRUE(platform.FindWindow("semnome1.kv2")->ChooseMenu(mode));
        ASSERT_TRUE(FrameWindow().ChooseMenu(kCommandExit));
        frame.reset();
        std::vector<std::uint8_t> bytes;
        ASSERT_TRUE(ReadWholeFile(platform.ConfigDirectory() + "kv2.ini", bytes));
        SettingsRecord stored;
        ASSERT_EQ(ReadSettings(bytes, kPlaneIdentifier, stored), 0);
        EXPECT_EQ(stored.intB[0], mode);
    }
}

} // namespace
} // namespace korvane::testing
