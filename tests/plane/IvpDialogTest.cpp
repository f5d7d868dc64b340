// The initial-value dialogs in a plane window on the memory platform: opened on the
// current example of their kind or refused with a message, records made from the typed
// expressions, bad fields refused with their codes, the last problem deleted, and a
// click in the trajectory mode starting a problem at the clicked point.
#include "expr/CompileCodes.h"
#include "plane/PlaneCommands.h"
#include "plane/SlopeTrajectory.h"
#include "plane/TIvpDlg.h"
#include "plane/TTimeWin.h"
#include "graph/ColourTable.h"
#include "platform/memory/MemoryWindow.h"
#include "platform/memory/RecordingSurface.h"
#include "resources/Resources.h"
#include "tests/support/PlaneWindowTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace korvane {
namespace {

using D = TIvpDlg;
using planetest::Typing;

// pi / 4 and 2 pi to 30 digits (mpmath).
constexpr long double kQuarterPi = 0.785398163397448309615660845820L;
constexpr long double kTwoPi = 6.28318530717958647692528676656L;

class IvpDialog : public planetest::PlaneWindowTest {
protected:
    platform::MemoryDialog* Open(int command, const char* name) {
        window->OnCommand(command);
        return platform.FindDialog(name);
    }
    static void TypeAll(platform::MemoryDialog& dialog, const Typing& typing) {
        for (const auto& [id, text] : typing)
            EXPECT_TRUE(dialog.Type(id, text)) << "control " << id;
    }
};

// Each command opens its dialog on the last example of its kind; without one a message
// says so and no dialog is made.
TEST_F(IvpDialog, OpensOnTheCurrentExampleOrSaysThereIsNone) {
    struct Row {
        int command;
        std::int16_t kind;
        const char* name;
        const char* title;
        std::vector<std::pair<int, const char*>> formulas;
        const char* shown;
    } rows[] = {
        {cmd::kTrajectoryDyDx, kSlopeField, "IVP11", "problemas de valor inicial", {{2, "x-y"}}, "dy/dx = x-y (0)"},
        {cmd::kTrajectoryDyDt, kSystem, "IVP10", "problemas de valor inicial", {{0, "-y"}, {1, "x"}},
         "x' = -y, y' = x (0)"},
        {cmd::kSequences, kRecursive, "IVP12", "sequências", {{0, "x/2"}, {1, "y"}}, "novo x = x/2, novo y = y (0)"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::size_t messages = platform.Messages().size();
        EXPECT_EQ(Open(row.command, row.name), nullptr);
        ASSERT_EQ(platform.Messages().size(), messages + 1);
        EXPECT_EQ(platform.Messages().back().text, res::Message(2));
        EXPECT_EQ(window->IvpDialog(row.kind), nullptr);

        Add(kExplicit, {{1, "x"}});
        Add(row.kind, row.formulas);
        Add(kExplicit, {{1, "x*x"}});
        platform::MemoryDialog* dialog = Open(row.command, row.name);
        ASSERT_NE(dialog, nullptr);
        EXPECT_TRUE(dialog->IsVisible());
        EXPECT_FALSE(dialog->Modal());
        EXPECT_EQ(dialog->GetTitle(), row.title);
        EXPECT_EQ(dialog->GetText(D::kExampleText), row.shown);
        // Closed and opened again, it is the same dialog.
        EXPECT_TRUE(dialog->Press(D::kClose));
        EXPECT_FALSE(dialog->IsVisible());
        EXPECT_EQ(Open(row.command, row.name), dialog);
        EXPECT_TRUE(dialog->IsVisible());
    }
    EXPECT_EQ(platform.Messages().size(), 3u);
}

// A dy/dx problem from the typed expressions; drawn, it leaves the window to the right
// and its number of steps becomes the steps made.
TEST_F(IvpDialog, SlopeProblemHasTheTypedValues) {
    const int index = Add(kSlopeField, {{2, "x-y"}});
    window->Examples()[index].SetFlag(exo::kScreenLimit, false);
    platform::MemoryDialog* dialog = Open(cmd::kTrajectoryDyDx, "IVP11");
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->GetCheck(D::kRungeKutta));
    TypeAll(*dialog, {{D::kStartX, "pi/4"}, {D::kStartY, "2*3 - 6.5"}, {D::kStepSize, "1/40"},
                      {D::kSteps, "3*100"}, {D::kColour, "3"}, {D::kWidth, "2"}});
    EXPECT_TRUE(dialog->Press(D::kModifiedEuler));
    EXPECT_TRUE(dialog->Press(D::kAdd));
    const ExampleRecord& example = window->Examples()[index];
    ASSERT_EQ(example.trajectories.size(), 1u);
    const TrajectoryRecord& record = example.trajectories[0];
    EXPECT_EQ(record.I16(tro::kKind), kSlopeField);
    EXPECT_EQ(record.Real(tro::kStartX), kQuarterPi);
    EXPECT_EQ(record.Real(tro::kStartY), -0.5L);
    EXPECT_EQ(record.Real(tro::kStepSize), 0.025L);
    EXPECT_EQ(record.Real(tro::kEndT), 300.0L);
    EXPECT_EQ(record.I16(tro::kMethod), kModifiedEulerMethod);
    EXPECT_EQ(record.I16(tro::kColour), 3);
    EXPECT_EQ(record.I16(tro::kWidth), 2);
    EXPECT_EQ(dialog->GetText(D::kExampleText), "dy/dx = x-y (1)");
    EXPECT_TRUE(window->Modified());
    EXPECT_GE(platform.RunPendingRepaints(), 1);
    // Without "limite da tela" the solution runs until x leaves the view.
    const long double expected = std::ceil((window->GetView().xmax - kQuarterPi) / 0.025L);
    EXPECT_NEAR(static_cast<double>(example.trajectories[0].Real(tro::kEndT)), static_cast<double>(expected), 1.0);

    // Both ways: the same problem with the step negated.
    EXPECT_TRUE(dialog->Press(D::kBothWays));
    EXPECT_TRUE(dialog->Press(D::kAdd));
    ASSERT_EQ(example.trajectories.size(), 3u);
    EXPECT_EQ(example.trajectories[2].Real(tro::kStepSize), -0.025L);
    EXPECT_EQ(example.trajectories[2].Real(tro::kStartX), kQuarterPi);

    // "apagar último" removes the newest problem; with none left it says there is nothing.
    EXPECT_TRUE(dialog->Press(D::kDeleteLast));
    ASSERT_EQ(example.trajectories.size(), 2u);
    EXPECT_EQ(example.trajectories[1].Real(tro::kStepSize), 0.025L);
    EXPECT_EQ(dialog->GetText(D::kExampleText), "dy/dx = x-y (2)");
    EXPECT_TRUE(dialog->Press(D::kDeleteLast));
    EXPECT_TRUE(dialog->Press(D::kDeleteLast));
    EXPECT_TRUE(platform.Messages().empty());
    EXPECT_TRUE(dialog->Press(D::kDeleteLast));
    ASSERT_EQ(platform.Messages().size(), 1u);
    EXPECT_EQ(platform.Messages().back().text, res::Message(9));

    // A long drawing counts the steps of its solution in the title, then puts the title back.
    EXPECT_TRUE(dialog->Press(D::kBothWays)); // off again
    TypeAll(*dialog, {{D::kStepSize, "10^-5"}, {D::kSteps, "10^4"}});
    const std::string title = Memory().GetTitle();
    EXPECT_TRUE(dialog->Press(D::kAdd));
    EXPECT_GE(platform.RunPendingRepaints(), 1);
    const std::vector<std::string>& titles = Memory().TitleHistory();
    EXPECT_NE(std::find(titles.begin(), titles.end(), "trajetória 1 de 1: passo 8192; pressione S para sair"),
              titles.end());
    EXPECT_EQ(Memory().GetTitle(), title);
}

// A system problem with its parameter range, letter, open end and direction slots.
TEST_F(IvpDialog, SystemProblemHasTheTypedValues) {
    const int index = Add(kSystem, {{0, "-a*y"}, {1, "a*x"}});
    platform::MemoryDialog* dialog = Open(cmd::kTrajectoryDyDt, "IVP10");
    ASSERT_NE(dialog, nullptr);
    TypeAll(*dialog, {{D::kStartX, "1"}, {D::kStartY, "0"}, {D::kStartT, "0"}, {D::kEndT, "2*pi"},
                      {D::kLetter, "a"}, {D::kLetterValue, "sqrt(9)"}, {D::kColour, "12"}});
    EXPECT_TRUE(dialog->Press(D::kOpenEnd));
    EXPECT_TRUE(dialog->Press(D::kAdd));
    const ExampleRecord& example = window->Examples()[index];
    ASSERT_EQ(example.trajectories.size(), 1u);
    const TrajectoryRecord& record = example.trajectories[0];
    EXPECT_EQ(record.I16(tro::kKind), kSystem);
    EXPECT_EQ(record.Real(tro::kStartX), 1.0L);
    EXPECT_EQ(record.Real(tro::kStartT), 0.0L);
    EXPECT_EQ(record.Real(tro::kEndT), kTwoPi);
    EXPECT_EQ(record.I16(tro::kLetter), 1);
    EXPECT_EQ(record.Real(tro::kLetterValue), 3.0L);
    EXPECT_EQ(record.Byte(tro::kOpenEnd), 1);
    EXPECT_EQ(record.I16(tro::kDirectionZ), -1);
    EXPECT_EQ(record.I16(tro::kColour), 12);
    EXPECT_EQ(record.I16(tro::kWidth), 1);

    // Both ways: the parameter runs back as far.
    EXPECT_TRUE(dialog->Press(D::kBothWays));
    EXPECT_TRUE(dialog->Press(D::kOpenEnd));
    EXPECT_TRUE(dialog->Press(D::kAdd));
    ASSERT_EQ(example.trajectories.size(), 3u);
    EXPECT_EQ(example.trajectories[2].Real(tro::kEndT), -kTwoPi);
}

// A sequence's start, terms and mark size; the dialog tells how it ended.
TEST_F(IvpDialog, SequenceStartAndItsEnd) {
    struct Row {
        const char* newX;
        const char* start;
        const char* result;
    } rows[] = {
        {"x/2", "1", "período da sequência é 1"},
        {"-x", "1", "período da sequência é 2"},
        {"x+0.25", "0", ""},
        {"sqrt(x)-1", "4", "sequência interrompida no termo 3"},
    };
    const int index = Add(kRecursive, {{0, "x"}, {1, "y"}});
    platform::MemoryDialog* dialog = Open(cmd::kSequences, "IVP12");
    ASSERT_NE(dialog, nullptr);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.newX);
        ExampleRecord& example = window->Examples()[index];
        example.texts[0] = row.newX;
        ASSERT_EQ(window->CompileExample(index), 0);
        TypeAll(*dialog, {{D::kStartX, row.start}, {D::kStartY, "0.5"}, {D::kSteps, "10"}, {D::kMarkSize, "3"}});
        const std::size_t before = example.trajectories.size();
        EXPECT_TRUE(dialog->Press(D::kAdd));
        ASSERT_EQ(example.trajectories.size(), before + 1);
        const TrajectoryRecord& record = example.trajectories.back();
        EXPECT_EQ(record.I16(tro::kKind), kRecursive);
        EXPECT_EQ(record.Real(tro::kStartY), 0.5L);
        EXPECT_EQ(record.Real(tro::kEndT), 10.0L);
        EXPECT_EQ(record.I16(tro::kSetting77), 3);
        EXPECT_EQ(dialog->GetText(D::kResultText).rfind(row.result, 0), 0u) << dialog->GetText(D::kResultText);
        if (*row.result == 0) {
            EXPECT_EQ(dialog->GetText(D::kResultText), "");
        }
    }
    // Ten million terms read the keyboard as they go: S ends the analysis at once.
    window->Examples()[index].texts[0] = "x+0.25";
    window->Examples()[index].SetFlag(exo::kScreenLimit, false);
    ASSERT_EQ(window->CompileExample(index), 0);
    TypeAll(*dialog, {{D::kStartX, "0"}, {D::kStartY, "0.5"}, {D::kSteps, "10^7"}, {D::kMarkSize, "3"}});
    auto& memory = static_cast<platform::MemoryWindow&>(*window->GetWindow());
    memory.QueueKey('S');
    EXPECT_TRUE(dialog->Press(D::kAdd));
    EXPECT_EQ(dialog->GetText(D::kResultText), "sequência interrompida no termo 4096");
    EXPECT_EQ(memory.QueuedKeys(), 0u);
}

// A bad field is refused with its code in a message and adds nothing.
TEST_F(IvpDialog, BadFieldsAreRefusedWithTheirCodes) {
    constexpr int syntax = code::Inconsistent, empty = code::NothingToDo;
    struct Row {
        const char* name;
        int command;
        const char* dialog;
        int control;
        const char* text;
        int code;
    } rows[] = {
        {"x0 syntax", cmd::kTrajectoryDyDx, "IVP11", D::kStartX, "2*", syntax},
        {"y0 empty", cmd::kTrajectoryDyDx, "IVP11", D::kStartY, "", empty},
        {"step zero", cmd::kTrajectoryDyDx, "IVP11", D::kStepSize, "1-1", 17},
        {"step undefined", cmd::kTrajectoryDyDx, "IVP11", D::kStepSize, "sqrt(-1)", code::NotUnderstood},
        {"steps negative", cmd::kTrajectoryDyDx, "IVP11", D::kSteps, "-5", 17},
        {"colour too big", cmd::kTrajectoryDyDx, "IVP11", D::kColour, "99", 17},
        {"width zero", cmd::kTrajectoryDyDx, "IVP11", D::kWidth, "0", 17},
        // More than 10^7 steps to cross the window, or to cover t of a time-dependent system.
        {"step too small for the window", cmd::kTrajectoryDyDx, "IVP11", D::kStepSize, "-10^-7", 18},
        {"t range beyond the steps", cmd::kTrajectoryDyDt, "IVP10", D::kEndT, "10^9", 18},
        {"t range empty", cmd::kTrajectoryDyDt, "IVP10", D::kEndT, "0", 6},
        {"letter a sign", cmd::kTrajectoryDyDt, "IVP10", D::kLetter, "+", 17},
        {"letter a digit", cmd::kTrajectoryDyDt, "IVP10", D::kLetter, "3", 17},
        {"letter value syntax", cmd::kTrajectoryDyDt, "IVP10", D::kLetterValue, "2*", syntax},
        {"terms huge", cmd::kSequences, "IVP12", D::kSteps, "10^12", 17},
        {"mark size negative", cmd::kSequences, "IVP12", D::kMarkSize, "-1", 17},
    };
    Add(kSlopeField, {{2, "x-y"}});
    const int system = Add(kSystem, {{0, "-y"}, {1, "x+t"}});
    window->Examples()[system].SetFlag(exo::kFlag53, false); // "dependente do tempo"
    Add(kRecursive, {{0, "x/2"}, {1, "y"}});
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        platform::MemoryDialog* dialog = Open(row.command, row.dialog);
        ASSERT_NE(dialog, nullptr);
        const std::int16_t kind = row.command == cmd::kTrajectoryDyDx ? kSlopeField
                                  : row.command == cmd::kTrajectoryDyDt ? kSystem
                                                                        : kRecursive;
        ExampleRecord& example = window->Examples()[window->CurrentExampleOf(kind)];
        // The letter's value is read only when a letter is named.
        if (kind == kSystem && dialog->GetText(D::kLetter).empty()) {
            EXPECT_TRUE(dialog->Type(D::kLetter, "a"));
        }
        const std::string good = dialog->GetText(row.control);
        EXPECT_TRUE(dialog->Type(row.control, row.text));
        const std::size_t messages = platform.Messages().size();
        const int code = window->IvpDialog(kind)->Add();
        EXPECT_EQ(code, row.code);
        ASSERT_EQ(platform.Messages().size(), messages + 1);
        EXPECT_EQ(platform.Messages().back().text, res::Message(code));
        EXPECT_TRUE(example.trajectories.empty());
        // Put right, the same dialog adds.
        EXPECT_TRUE(dialog->Type(row.control, good));
        EXPECT_EQ(window->IvpDialog(kind)->Add(), 0);
        EXPECT_EQ(example.trajectories.size(), 1u);
        example.trajectories.clear();
    }
}

// Time windows of a plane parent: x' = 1, y' = -2 from the origin for t in 0..2 is x = t
// in the x(t) window, y = -2t in y(t) and both in xy(t); the windows are empty before the
// dialog adds the trajectory and again after it deletes it.
TEST_F(IvpDialog, TimeWindowsFollowTheDialogsTrajectories) {
    Add(kSystem, {{0, "1"}, {1, "-2"}});
    TTimeWin* windows[3];
    for (int k = 0; k < 3; ++k) {
        ASSERT_TRUE(Memory().ChooseMenu(cmd::kTimeWindowX + k));
        windows[k] = window->TimeWindow(k);
        ASSERT_NE(windows[k], nullptr);
    }
    const auto points = [&](int k) {
        auto raster = platform.CreateSurface(windows[k]->ClientSize());
        platform::RecordingSurface out(*raster);
        windows[k]->DrawBase(out);
        std::vector<platform::Point> drawn;
        for (const platform::Primitive& p : out.OfKind(platform::Primitive::Line))
            if (p.pen.colour == ColourRGB(12))
                drawn.insert(drawn.end(), p.points.begin(), p.points.end());
        return drawn;
    };
    platform::MemoryDialog* dialog = Open(cmd::kTrajectoryDyDt, "IVP10");
    ASSERT_NE(dialog, nullptr);
    TypeAll(*dialog, {{D::kStartX, "0"}, {D::kStartY, "0"}, {D::kStartT, "0"}, {D::kEndT, "2"}, {D::kColour, "12"}});
    for (const bool added : {false, true, false}) {
        for (TTimeWin* w : windows)
            dynamic_cast<platform::MemoryWindow&>(*w->GetWindow()).RunPendingRepaint();
        const bool change = added || window->Examples()[0].trajectories.size() == 1;
        if (change) {
            EXPECT_TRUE(dialog->Press(added ? D::kAdd : D::kDeleteLast));
        }
        for (int k = 0; k < 3; ++k) {
            SCOPED_TRACE(::testing::Message() << "added " << added << ", window " << k);
            EXPECT_EQ(windows[k]->PictureValid(), !change) << "a change repaints";
            const View& v = windows[k]->GetView();
            int onX = 0, onY = 0;
            for (const platform::Point& at : points(k)) {
                const long double t = v.ToWorldX(at.x), y = v.ToWorldY(at.y), slack = 3 * (v.unitY + 2 * v.unitX);
                const bool x = std::fabs(y - t) < slack, yLine = std::fabs(y + 2 * t) < slack;
                onX += x && !yLine; // near the origin a point is on both
                onY += yLine && !x;
                EXPECT_TRUE(x || yLine) << t << ", " << y;
            }
            EXPECT_EQ(onX > 2, added && k != 1);
            EXPECT_EQ(onY > 2, added && k != 0);
        }
    }
}

// In "T&rajetórias" a left click while a dialog is open starts its problem at the
// clicked world point, a right click the same the other way only; without an open
// dialog, or in another mode, nothing happens.
TEST_F(IvpDialog, ClickInTrajectoryModeStartsAProblemThere) {
    const int slope = Add(kSlopeField, {{2, "x-y"}});
    const int sequence = Add(kRecursive, {{0, "x/2"}, {1, "y/2"}});
    const platform::MouseEvent click{platform::MouseAction::Down, platform::ButtonLeft, platform::ButtonLeft, 0,
                                     {120, 90}};
    EXPECT_TRUE(Memory().ChooseMenu(cmd::kMouseTrajectory));
    EXPECT_EQ(window->MouseMode(), cmd::kMouseTrajectory);
    EXPECT_TRUE(Memory().MenuItem(cmd::kMouseTrajectory)->checked);
    Memory().Mouse(click); // no dialog yet
    EXPECT_TRUE(window->Examples()[slope].trajectories.empty());

    platform::MemoryDialog* dialog = Open(cmd::kTrajectoryDyDx, "IVP11");
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->Press(D::kEuler));
    Memory().Mouse(click);
    Memory().Mouse({platform::MouseAction::Move, 0, platform::ButtonLeft, 0, {130, 95}});
    Memory().Mouse({platform::MouseAction::Down, platform::ButtonRight, platform::ButtonRight, 0, {120, 90}});
    const auto& problems = window->Examples()[slope].trajectories;
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_EQ(problems[1].Real(tro::kStartX), problems[0].Real(tro::kStartX));
    EXPECT_EQ(problems[1].Real(tro::kStepSize), -problems[0].Real(tro::kStepSize));
    EXPECT_EQ(problems[0].Real(tro::kStartX), window->GetView().ToWorldX(120));
    EXPECT_EQ(problems[0].Real(tro::kStartY), window->GetView().ToWorldY(90));
    EXPECT_EQ(problems[0].I16(tro::kMethod), kEulerMethod);

    // The dialog opened last takes the click.
    platform::MemoryDialog* sequences = Open(cmd::kSequences, "IVP12");
    ASSERT_NE(sequences, nullptr);
    Memory().Mouse(click);
    EXPECT_EQ(problems.size(), 2u);
    ASSERT_EQ(window->Examples()[sequence].trajectories.size(), 1u);

    // Closed dialogs take no clicks; another mode neither.
    EXPECT_TRUE(sequences->Press(D::kClose));
    Memory().Mouse(click);
    EXPECT_EQ(problems.size(), 3u);
    EXPECT_TRUE(dialog->Press(D::kClose));
    Memory().Mouse(click);
    EXPECT_EQ(problems.size(), 3u);
    window->OnCommand(cmd::kMouseCoordinates);
    Open(cmd::kTrajectoryDyDx, "IVP11");
    Memory().Mouse(click);
    EXPECT_EQ(problems.size(), 3u);
    EXPECT_EQ(window->Examples()[sequence].trajectories.size(), 1u);
}

} // namespace
} // namespace korvane
