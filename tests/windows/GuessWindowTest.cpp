// The game window on the memory platform: judging guesses, the selection dialog, the
// status line with its score, the picture of a round and the settings file.
#include "expr/EvalContext.h"
#include "expr/FormulaCompiler.h"
#include "expr/RandomGenerator.h"
#include "graph/ColourTable.h"
#include "platform/FileIO.h"
#include "platform/memory/MemoryPlatform.h"
#include "resources/Resources.h"
#include "tests/support/ScratchFolder.h"
#include "output/PictureOutput.h"
#include "windows/GuessJudge.h"
#include "windows/TPlotGWin.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace korvane {
namespace {

View DefaultView() {
    View view;
    view.SetClientSize(480, 360);
    view.Recompute();
    return view;
}

GuessVerdict Judge(const char* target, const std::string& guess, RandomGenerator& random) {
    EvalContext context;
    FormulaCompiler compiler(context);
    EXPECT_EQ(compiler.CompileFormula(target), 0);
    ExprTree t = compiler.TakeResult();
    EXPECT_EQ(compiler.CompileFormula(guess), 0) << guess;
    ExprTree g = compiler.TakeResult();
    return JudgeGuess(context, t.root, g.root, DefaultView(), random);
}

// The Part's comparison: 25 points of the view, undefined points skipped, 0.001.
TEST(GuessJudge, Rows) {
    const struct Row {
        const char* rule;
        const char* target;
        const char* guess;
        bool correct;
    } rows[] = {
        {"the same formula", "x", "x", true},
        {"another way of writing it", "sin(x)", "cos(x-pi/2)", true},
        {"within the tolerance", "x", "x+0.0009", true},
        {"beyond the tolerance", "x", "x+0.0011", false},
        {"equal except where the target is undefined", "(x-1)(x+2)/(x+2)", "x-1", true},
        {"target undefined on half the view", "sqrt(x)sqrt(x)", "x", true},
        {"guess defined nowhere is no answer", "x", "sqrt(-1-xx)", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.rule) + ": " + row.target + " against " + row.guess);
        RandomGenerator random(99);
        EXPECT_EQ(Judge(row.target, row.guess, random).correct, row.correct);
    }
}

// A guess off by more than 0.001 at one of the 25 points only is wrong.
TEST(GuessJudge, OnePointOffIsWrong) {
    const View view = DefaultView();
    for (const char* bump : {"0.0011", "0.0009"}) {
        RandomGenerator random(4242), copy = random;
        const long double first = view.xmin + 2 * view.rx * copy.Uniform(0.0L, 1.0L);
        char text[160];
        std::snprintf(text, sizeof text, "x+%sexp(-((x-(%.21Lg))/0.000001)^2)", bump, first);
        const GuessVerdict verdict = Judge("x", text, random);
        EXPECT_EQ(verdict.usedPoints, kGuessPoints);
        EXPECT_EQ(verdict.correct, std::string(bump) == "0.0009") << text;
    }
}

class Game : public ::testing::Test {
protected:
    void SetUp() override { platform.SetConfigDirectory(folder.WithSlash()); }

    TPlotGWin& Open(bool readSettings = true) {
        WindowOptions options;
        options.title = res::String(205);
        options.readSettings = readSettings;
        game = std::make_unique<TPlotGWin>(platform, options, nullptr, random);
        return *game;
    }
    platform::MemoryWindow& Window() { return *static_cast<platform::MemoryWindow*>(game->GetWindow()); }
    void Guess(const std::string& text) {
        platform.AnswerInput(text);
        ASSERT_TRUE(Window().ChooseMenu(cmd::kGuess));
    }
    std::string Title() { return Window().GetTitle(); }
    int PixelsOf(platform::Rgb colour) {
        platform.RunPendingRepaints();
        return Window().Front().CountPixels(colour);
    }
    std::vector<std::uint8_t> StoredSettings() {
        std::vector<std::uint8_t> bytes;
        EXPECT_TRUE(ReadWholeFile(folder.WithSlash() + "guess.ini", bytes));
        return bytes;
    }

    testing::ScratchFolder folder;
    platform::MemoryPlatform platform;
    RandomGenerator random{20261207};
    std::unique_ptr<TPlotGWin> game;
};

TEST_F(Game, OpensWithATargetAndItsStatus) {
    Open();
    EXPECT_EQ(game->Examples().LastExample(), 0);
    EXPECT_EQ(game->Examples()[0].texts[1], game->Target().text);
    EXPECT_NE(game->Examples()[0].Tree(1), nullptr);
    EXPECT_EQ(game->Target().family, kFamilyPolynomial) << "only flag 1 is on at first";
    EXPECT_TRUE(Title().starts_with(res::String(205))) << Title();
    EXPECT_NE(Title().find("0 de 1"), std::string::npos) << Title();
    EXPECT_GT(PixelsOf(ColourRGB(0)), 100) << "the target is drawn";
}

TEST_F(Game, WrongGuessIsDrawnAndOfferedAgain) {
    Open();
    Guess(game->Target().text + "+1");
    EXPECT_EQ(game->Examples().LastExample(), 1);
    EXPECT_TRUE(Title().starts_with(res::String(543))) << Title();
    EXPECT_GT(PixelsOf(ColourRGB(4)), 100) << "the wrong guess in red";
    Guess(game->Target().text);
    EXPECT_EQ(platform.Inputs().back().initial, game->Target().text + "+1");
    EXPECT_EQ(platform.Inputs().back().caption, "y =");
    EXPECT_EQ(game->Examples().LastExample(), 0) << "the guess is cleared";
    EXPECT_TRUE(Title().starts_with(res::String(542))) << Title();
    EXPECT_EQ(game->Score().guesses, 2);
    EXPECT_NE(Title().find("acertos: 1 de 1"), std::string::npos) << Title();
    EXPECT_EQ(PixelsOf(ColourRGB(4)), 0);
}

TEST_F(Game, GuessThatDoesNotCompile) {
    Open();
    Guess("x+1");
    Guess("2(x");
    EXPECT_EQ(game->Examples().LastExample(), 0);
    EXPECT_EQ(game->Score().guesses, 1) << "a typing error costs no guess";
    EvalContext context;
    FormulaCompiler compiler(context);
    const int code = compiler.CompileFormula("2(x");
    ASSERT_NE(code, 0);
    EXPECT_TRUE(Title().starts_with(res::Message(code))) << Title();
    EXPECT_TRUE(platform.Messages().empty()) << "the status line, not a box";
    Guess("x");
    EXPECT_EQ(platform.Inputs().back().initial, "2(x");
}

TEST_F(Game, AnswerAndNewTarget) {
    Open();
    Guess("x+1");
    ASSERT_TRUE(Window().ChooseMenu(cmd::kAnswer));
    ASSERT_EQ(platform.Messages().size(), 1u);
    EXPECT_EQ(platform.Messages()[0].text, "y = " + game->Target().text);
    EXPECT_EQ(platform.Messages()[0].caption, res::String(213));
    Guess(game->Target().text);
    EXPECT_NE(Title().find("acertos: 0 de 1"), std::string::npos) << "a shown answer is no success: " << Title();
    Window().PressKey(res::KeyF2);
    EXPECT_EQ(game->Score().shown, 2);
    EXPECT_EQ(game->Score().guesses, 0);
    Window().PressKey(res::KeyF4);
    EXPECT_EQ(platform.Inputs().back().initial, "") << "a new target forgets the wrong guess";
}

struct SwitchRow {
    const char* rule;
    const char* lowest;
    const char* highest;
    int message; // 0 when accepted
};

// Rule: counts are accepted only when 1 <= lowest <= highest <= 8; otherwise code 17
// and the dialog stays open.
TEST_F(Game, SelectionCounts) {
    const SwitchRow rows[] = {
        {"expressions count", "1+1", "2*4", 0},
        {"lowest below 1", "0", "3", 17},
        {"highest above 8", "2", "9", 17},
        {"highest below lowest", "3", "2", 17},
        {"not a whole number", "2.5", "3", 17},
    };
    Open();
    for (const SwitchRow& row : rows) {
        SCOPED_TRACE(row.rule);
        platform.ClearLogs();
        bool stayed = false;
        platform.ScriptModal([&](platform::MemoryDialog& d) {
            d.Type(211, row.lowest);
            d.Type(212, row.highest);
            d.Enter();
            stayed = !d.Ended();
            if (stayed)
                d.Escape();
        });
        ASSERT_TRUE(Window().ChooseMenu(cmd::kSelectTypes));
        EXPECT_EQ(stayed, row.message != 0);
        if (row.message == 0) {
            EXPECT_TRUE(platform.Messages().empty());
            EXPECT_EQ(game->Settings().lowest, 2);
            EXPECT_EQ(game->Settings().highest, 8);
        } else {
            ASSERT_EQ(platform.Messages().size(), 1u);
            EXPECT_EQ(platform.Messages()[0].text, res::Message(row.message));
        }
    }
}

// The Part's edge case: with only the abs flag on, flag 3 comes on with "precisa ao menos".
TEST_F(Game, OnlyAbsTurnsOnTheParabola) {
    Open();
    platform.ScriptModal([](platform::MemoryDialog& d) {
        for (int i = 0; i < kGuessFlags; ++i)
            d.SetCheck(270 + i, i == 0);
        d.Enter();
    });
    ASSERT_TRUE(Window().ChooseMenu(cmd::kSelectTypes));
    std::array<bool, kGuessFlags> expected{};
    expected[kFamilyAbs] = expected[kFamilyParabola] = true;
    EXPECT_EQ(game->Settings().flags, expected);
    ASSERT_EQ(platform.Messages().size(), 1u);
    EXPECT_EQ(platform.Messages()[0].text, res::Message(25));
    Window().PressKey(res::KeyF2);
    EXPECT_EQ(game->Target().family, kFamilyParabola);
}

// The flags travel as "T"/"F" and the counts beside them; reading corrects what no
// window could have written.
TEST_F(Game, SettingsFile) {
    Open();
    ASSERT_TRUE(Window().ChooseMenu(cmd::kSelectAllTypes));
    game.reset();
    SettingsRecord record;
    ASSERT_EQ(ReadSettings(StoredSettings(), kGuessIdentifier, record), 0);
    EXPECT_EQ(std::string(record.byteA.begin(), record.byteA.begin() + 16), std::string("TTTTTTTTTTTTTTT") + '\0');
    Open();
    EXPECT_EQ(game->Settings().lowest, 1);
    EXPECT_EQ(game->Settings().highest, 8);
    ASSERT_TRUE(Window().ChooseMenu(cmd::kRestoreTypes));
    game.reset();
    ASSERT_EQ(ReadSettings(StoredSettings(), kGuessIdentifier, record), 0);
    EXPECT_EQ(std::string(record.byteA.begin(), record.byteA.begin() + 15), "FFFTFFFFFFFFFFF");
    EXPECT_EQ(record.intA[12], 2);
    EXPECT_EQ(record.intA[13], 2);

    record.byteA.fill('F');
    record.byteA[0] = 'T';
    record.intA[12] = 5;
    record.intA[13] = 4;
    ASSERT_TRUE(WriteFileAtomically(folder.WithSlash() + "guess.ini", WriteSettings(record)));
    Open();
    std::array<bool, kGuessFlags> expected{};
    expected[kFamilyAbs] = expected[kFamilyPolynomial] = true;
    EXPECT_EQ(game->Settings().flags, expected);
    EXPECT_EQ(game->Settings().lowest, 2);
    EXPECT_EQ(game->Settings().highest, 2);
}

// The game prints, copies and exports as a plane window does, and keeps the export
// settings and the copy's background in guess.ini, bounded when read.
TEST_F(Game, OutputCommandsAndTheirSettings) {
    Open();
    Window().PressKey('P', res::ModCtrl);
    ASSERT_NE(platform.LastPrinter(), nullptr);
    EXPECT_TRUE(platform.LastPrinter()->Ended());
    auto exportTeX = [&](const char* width, int mode, const char* shown, int checked) {
        platform.AnswerFileDialog(folder.File("jogo.tex"));
        platform.ScriptModal([=](platform::MemoryDialog& d) {
            EXPECT_EQ(d.GetText(211), shown);
            EXPECT_TRUE(d.GetCheck(checked));
            d.Type(211, width), d.Press(mode), d.Enter();
        });
        ASSERT_TRUE(Window().ChooseMenu(cmd::kPicTeX));
    };
    exportTeX("12", 253, "8.00", 251);
    ASSERT_TRUE(Window().ChooseMenu(cmd::kCopyBackground));
    game.reset();
    Open();
    EXPECT_TRUE(Window().IsMenuItemChecked(cmd::kCopyBackground));
    exportTeX("8", 251, "12.00", 253);
    game.reset();
    SettingsRecord record;
    ASSERT_EQ(ReadSettings(StoredSettings(), kGuessIdentifier, record), 0);
    record.intA[14] = 7, record.intA[16] = 5, record.realA[4] = 1e9L; // mode, background, width
    ASSERT_TRUE(WriteFileAtomically(folder.File("guess.ini"), WriteSettings(record)));
    Open();
    EXPECT_FALSE(Window().IsMenuItemChecked(cmd::kCopyBackground));
    exportTeX("8", 251, "8.00", 251);
}

TEST_F(Game, ClosesWithoutAQuestionAndOpensNoDocuments) {
    Open();
    Guess("x+1");
    Window().PressKey('A', res::ModCtrl);
    Window().PressKey('S', res::ModCtrl);
    EXPECT_TRUE(platform.FileDialogs().empty());
    Window().Close();
    EXPECT_TRUE(Window().IsClosed());
    EXPECT_TRUE(platform.Messages().empty());
    EXPECT_FALSE(StoredSettings().empty());
}

} // namespace
} // namespace korvane
