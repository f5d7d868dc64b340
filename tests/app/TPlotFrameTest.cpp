// The frame on the in-memory platform: its settings file, its toggles, the windows it
// opens and their titles, documents by extension, drops, the first paint and hand-over.
#include "ShellFixture.h"

#include "app/FrameSettings.h"
#include "app/ShellCommands.h"
#include "app/TPlot.h"
#include "plane/PlaneCommands.h"
#include "plane/TPlot2Win.h"
#include "plane/TSlideDlg.h"
#include "platform/FileIO.h"

#include <filesystem>

namespace korvane::testing {
namespace {

// --- kv.ini -----------------------------------------------------------------------------

TEST_F(ShellTest, WithoutSettingsTheFrameStartsAtItsRandomPlace) {
    StartFrame();
    const platform::Placement p = FrameWindow().GetPlacement();
    EXPECT_GE(p.x, 100);
    EXPECT_LT(p.x, 300);
    EXPECT_GE(p.y, 20);
    EXPECT_LT(p.y, 60);
    EXPECT_EQ(p.width, 200);
    EXPECT_EQ(p.height, 120);
    EXPECT_FALSE(frame->OpenLast());
    EXPECT_FALSE(frame->UseDefaults());
    EXPECT_FALSE(frame->MaximizePending());
}

TEST_F(ShellTest, WrittenSettingsAreReadBackAfterRestart) {
    StartFrame();
    FrameWindow().SetPlacement({70, 80, 333, 222, false});
    FrameWindow().SendCommand(kCommandOpenLast);
    CloseFrame();
    StartFrame();
    EXPECT_EQ(FrameWindow().GetPlacement(), (platform::Placement{70, 80, 333, 222, false}));
    EXPECT_TRUE(frame->OpenLast());
    EXPECT_FALSE(frame->UseDefaults());
    EXPECT_TRUE(FrameWindow().IsMenuItemChecked(kCommandOpenLast));
}

TEST_F(ShellTest, MaximizedFrameIsMaximizedAtItsFirstPaintAndStoredAsSuch) {
    WriteFileAtomically(IniPath(), EncodeFrameSettings({{50, 60, 500, 300, true}, false, false}));
    StartFrame();
    EXPECT_TRUE(frame->MaximizePending());
    EXPECT_FALSE(FrameWindow().IsMaximized());
    platform.RunPendingRepaints();
    EXPECT_FALSE(frame->MaximizePending());
    EXPECT_TRUE(FrameWindow().IsMaximized());
    CloseFrame();
    std::vector<std::uint8_t> bytes;
    ASSERT_TRUE(ReadWholeFile(IniPath(), bytes));
    ASSERT_EQ(bytes.size(), kFrameSettingsSize);
    EXPECT_EQ(bytes[16], 1);
    EXPECT_EQ(DecodeFrameSettings(bytes)->placement.width, 500); // the normal size, not the screen
}

// The frame keeps a place on any screen there is; a place on none gets the small fallback
// near the primary screen's corner, below its panel.
TEST_F(ShellTest, PlacementOffTheScreensIsReplacedByTheFallback) {
    platform.SetScreenAreas({{0, 24, 800, 600}, {800, 0, 1800, 600}});
    const platform::Placement kept{1000, 60, 200, 120, false};
    const platform::Placement gone[] = {{1900, 60, 200, 120, false}, {700, 500, 200, 120, false},
                                        {10, 10, 200, 120, false}};
    WriteFileAtomically(IniPath(), EncodeFrameSettings({kept, false, true}));
    StartFrame();
    EXPECT_EQ(FrameWindow().GetPlacement(), kept);
    EXPECT_TRUE(frame->UseDefaults()); // the toggles of the file count either way
    frame.reset();
    for (const platform::Placement& stored : gone) {
        SCOPED_TRACE(std::to_string(stored.x) + "," + std::to_string(stored.y));
        WriteFileAtomically(IniPath(), EncodeFrameSettings({stored, false, true}));
        StartFrame();
        const platform::Placement p = FrameWindow().GetPlacement();
        EXPECT_EQ(p.width, 120);
        EXPECT_EQ(p.height, 72);
        EXPECT_LT(p.x, 30);
        EXPECT_GE(p.y, 24);
        EXPECT_LT(p.y, 54);
        EXPECT_TRUE(frame->UseDefaults());
        frame.reset();
    }
}

// --- the toggles 48 and 49 --------------------------------------------------------------

// Each toggle clears the other when it switches on; switching one off leaves both off.
TEST_F(ShellTest, TogglesAreNeverBothOn) {
    struct Row {
        int command;
        bool openLast;
        bool useDefaults;
    };
    const Row steps[] = {
        {kCommandOpenLast, true, false},     {kCommandUseDefaults, false, true},
        {kCommandUseDefaults, false, false}, {kCommandUseDefaults, false, true},
        {kCommandOpenLast, true, false},     {kCommandOpenLast, false, false},
    };
    StartFrame();
    int n = 0;
    for (const Row& step : steps) {
        SCOPED_TRACE("step " + std::to_string(++n));
        ASSERT_TRUE(FrameWindow().ChooseMenu(step.command));
        EXPECT_EQ(frame->OpenLast(), step.openLast);
        EXPECT_EQ(frame->UseDefaults(), step.useDefaults);
        EXPECT_EQ(FrameWindow().IsMenuItemChecked(kCommandOpenLast), step.openLast);
        EXPECT_EQ(FrameWindow().IsMenuItemChecked(kCommandUseDefaults), step.useDefaults);
    }
}

// --- windows, titles and options ---------------------------------------------------------

// F2 and F3 are the plane and space commands; the mapper is a pair, the domain first.
TEST_F(ShellTest, EachKindCountsItsOwnWindows) {
    StartFrame();
    FrameWindow().PressKey(res::KeyF2);
    for (int command : {kCommandPlane, kCommandSpace, kCommandPlane, kCommandMapper, kCommandMapper})
        FrameWindow().SendCommand(command);
    FrameWindow().PressKey(res::KeyF3);
    EXPECT_EQ(MadeTitles(), (std::vector<std::string>{"semnome1.kv2", "semnome2.kv2", "semnome1.kv3",
                                                      "semnome3.kv2", "domínio1.ma2", "contradomínio",
                                                      "domínio2.ma2", "contradomínio", "semnome2.kv3"}));
    ASSERT_NE(platform.FindWindow("semnome2.kv2"), nullptr);
    EXPECT_TRUE(platform.FindWindow("semnome2.kv2")->IsVisible());
    EXPECT_EQ(platform.FindWindow("semnome2.kv2")->Request().owner, &frame->GetWindow());
    ASSERT_NE(platform.FindWindow("domínio2.ma2"), nullptr);
    EXPECT_TRUE(platform.FindWindow("domínio2.ma2")->IsVisible());
    EXPECT_EQ(frame->OpenWindowCount(), 9u);
}

TEST_F(ShellTest, OptionsFollowTheTableOfEachKind) {
    StartFrame();
    FrameWindow().SendCommand(kCommandOpenLast); // OpenLast on, UseDefaults off
    frame->OpenPlot2("/d/a.kv2");
    frame->OpenPlot3("");
    frame->OpenGuess();
    frame->OpenMapper("/d/m.maz");
    FrameWindow().SendCommand(kCommandUseDefaults); // UseDefaults on, OpenLast off
    frame->OpenPlot2("");
    frame->OpenGuess();

    struct Row {
        const char* kind;
        const char* title;
        bool hasNotebook, openLast, readSettings;
        const char* startFile;
    };
    const Row rows[] = {
        {"plane", "semnome1.kv2", true, true, true, "/d/a.kv2"},
        {"space", "semnome1.kv3", true, true, true, ""},
        {"guess", "adivinhe minha equação", false, false, true, ""},
        {"domain", "domínio1.ma2", true, true, true, "/d/m.maz"},
        {"range", "contradomínio", false, false, false, ""},
        {"plane", "semnome2.kv2", true, false, false, ""},
        {"guess", "adivinhe minha equação", false, false, false, ""},
    };
    ASSERT_EQ(factory.made.size(), std::size(rows));
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const Row& row = rows[i];
        const WindowOptions& o = factory.made[i].options;
        SCOPED_TRACE(std::to_string(i) + " " + row.title);
        EXPECT_EQ(factory.made[i].kind, row.kind);
        EXPECT_EQ(o.title, row.title);
        EXPECT_EQ(o.hasNotebook, row.hasNotebook);
        EXPECT_EQ(o.openLast, row.openLast);
        EXPECT_EQ(o.readSettings, row.readSettings);
        EXPECT_EQ(o.startFile, row.startFile);
    }
    EXPECT_EQ(factory.links, 1);
}

TEST_F(ShellTest, FailedCreationLeavesTheCounterAsItWas) {
    StartFrame();
    factory.failing = {"plane", "range"};
    frame->OpenPlot2("");
    frame->OpenMapper("");
    factory.failing.clear();
    frame->OpenPlot2("");
    frame->OpenMapper("");
    EXPECT_EQ(MadeTitles(), (std::vector<std::string>{"domínio1.ma2", "semnome1.kv2", "domínio1.ma2",
                                                      "contradomínio"}));
    EXPECT_EQ(frame->OpenWindowCount(), 3u); // the lone domain window was never shown
    EXPECT_TRUE(platform.Messages().empty());
}

// A window closed by the user is forgotten; closing the frame closes the others.
TEST_F(ShellTest, ClosedWindowsAreForgottenAndTheFrameClosesTheRest) {
    StartFrame();
    FrameWindow().SendCommand(kCommandPlane);
    FrameWindow().SendCommand(kCommandPlane);
    platform.FindWindow("semnome1.kv2")->ChooseMenu(kCommandExit);
    EXPECT_EQ(frame->OpenWindowCount(), 1u);
    FrameWindow().SendCommand(kCommandPlane);
    EXPECT_EQ(MadeTitles().back(), "semnome3.kv2"); // counters only grow
    FrameWindow().SendCommand(kCommandMapper);
    EXPECT_EQ(platform.Windows().size(), 5u);
    ASSERT_TRUE(FrameWindow().ChooseMenu(kCommandExit));
    EXPECT_TRUE(FrameWindow().IsClosed());
    EXPECT_TRUE(platform.QuitRequested());
    EXPECT_EQ(platform.Windows().size(), 1u); // only the frame's own, until it is deleted
}

// --- documents by extension --------------------------------------------------------------

TEST_F(ShellTest, DroppedFilesOpenInDropOrder) {
    StartFrame();
    ASSERT_TRUE(FrameWindow().AcceptsDrops());
    ASSERT_TRUE(FrameWindow().DropFiles({"/d/x.kv3", "/d/notes.txt", "/d/y.maz", "/d/z.kv2"}));
    std::vector<std::string> made;
    for (const MadeWindow& m : factory.made)
        made.push_back(m.kind + " " + m.options.startFile);
    // The mapper is a pair; the text file opens nothing and says nothing.
    EXPECT_EQ(made, (std::vector<std::string>{"space /d/x.kv3", "domain /d/y.maz", "range ", "plane /d/z.kv2"}));
    EXPECT_TRUE(platform.Messages().empty());
}

TEST_F(ShellTest, PendingFileOpensOnceAtTheFirstPaint) {
    StartFrame("/d/start.kv2");
    EXPECT_TRUE(factory.made.empty()); // not before the frame is on screen
    EXPECT_GE(platform.RunPendingRepaints(), 1); // the frame, then the plane window it opened
    ASSERT_EQ(factory.made.size(), 1u);
    EXPECT_EQ(factory.made[0].options.title, "semnome1.kv2");
    EXPECT_EQ(factory.made[0].options.startFile, "/d/start.kv2");
    EXPECT_TRUE(frame->PendingFile().empty());
    FrameWindow().RequestRepaint();
    FrameWindow().Resize({300, 200});
    platform.RunPendingRepaints();
    EXPECT_EQ(factory.made.size(), 1u);
}

// --- hand-over from a second start -------------------------------------------------------

// A hand-over restores and raises the frame and opens the file; a name of one character
// only raises it.
TEST_F(ShellTest, HandOverRestoresRaisesAndOpens) {
    StartFrame();
    for (const char* name : {"", "x", "."})
        frame->HandOver(name);
    EXPECT_EQ(FrameWindow().BringToTopCount(), 3);
    EXPECT_TRUE(factory.made.empty());
    FrameWindow().Minimize();
    frame->HandOver("/d/a.kv3");
    EXPECT_FALSE(FrameWindow().IsMinimized());
    EXPECT_EQ(FrameWindow().BringToTopCount(), 4);
    ASSERT_EQ(factory.made.size(), 1u);
    EXPECT_EQ(factory.made[0].options.startFile, "/d/a.kv3");
}

// --- help and information ----------------------------------------------------------------

TEST_F(ShellTest, HelpShowsTheFrameHelpCutAtTheMark) {
    StartFrame();
    ASSERT_TRUE(FrameWindow().ChooseMenu(kCommandHelp));
    platform::MemoryWindow* help = platform.FindWindow("Korvane - ajuda");
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->IsVisible());
    const std::string text = help->Edit()->GetText();
    EXPECT_NE(text.find("Abrir última"), std::string::npos);
    EXPECT_NE(text.find("kv.ini"), std::string::npos);
    EXPECT_EQ(text.find("???"), std::string::npos);
    EXPECT_TRUE(platform.Messages().empty());
}

TEST_F(ShellTest, AboutShowsTheVersion) {
    StartFrame();
    ASSERT_TRUE(FrameWindow().ChooseMenu(kCommandAbout));
    ASSERT_EQ(platform.Messages().size(), 1u);
    EXPECT_NE(platform.Messages()[0].text.find("Korvane 0."), std::string::npos);
}

TEST(StartFileFrom, RelativePathsBecomeAbsoluteShortNamesStay) {
    const std::string cwd = std::filesystem::current_path().string();
    struct Row {
        std::string argument;
        std::string expected;
    };
    const Row rows[] = {
        {"", ""},
        {"x", "x"},
        {".", "."},
        {"/d/a.kv2", "/d/a.kv2"},
        {"/d/../e/a.kv2", "/e/a.kv2"},
        {"a.kv2", cwd + "/a.kv2"},
        {"sub/./b.KV3", cwd + "/sub/b.KV3"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.argument);
        EXPECT_EQ(StartFileFrom(row.argument), row.expected);
    }
}

// "Janela ligada" offers the other open plane windows; the chosen one follows the sliders.
TEST_F(ShellTest, JanelaLigadaOffersTheOtherPlaneWindows) {
    StartFrame();
    FrameWindow().PressKey(res::KeyF2);
    FrameWindow().PressKey(res::KeyF2);
    std::vector<TPlot2Win*> planes;
    for (platform::MemoryWindow* w : platform.Windows())
        if (auto* plane = dynamic_cast<TPlot2Win*>(&w->Handler()))
            planes.push_back(plane);
    ASSERT_EQ(planes.size(), 2u);
    std::vector<std::string> offered;
    platform.ScriptModal([&offered](platform::MemoryDialog& d) {
        for (int i = 0; i < d.ListCount(301); ++i)
            offered.push_back(d.ListItemText(301, i));
        d.Select(301, 1);
        d.Press(platform::ResultOk);
    });
    planes[0]->OnCommand(cmd::kLinkedWindow);
    EXPECT_EQ(offered, (std::vector<std::string>{"(nenhuma)", planes[1]->BaseTitle()}));
    ASSERT_EQ(planes[0]->Animator().LinkedWindow(), &planes[1]->Animator());
    planes[0]->Animator().SliderDialog(2).EnterValue("7");
    EXPECT_EQ(planes[1]->Context().GetLetter(2), 7);
}

} // namespace
} // namespace korvane::testing
