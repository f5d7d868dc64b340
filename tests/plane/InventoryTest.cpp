// The inventory on the memory platform: opened by the first example, its lines, and what
// each button does to the table, the clipboard and the picture.
#include "resources/Resources.h"
#include "expr/CompileCodes.h"
#include "EquationTestSupport.h"

#include "expr/Evaluator.h"
#include "graph/TFnLibDlg.h"
#include "plane/DocumentFile.h"
#include "plane/TInventDlg.h"
#include "platform/FileIO.h"
#include "plane/TWebDlg.h"
#include "platform/memory/RecordingSurface.h"

#include <algorithm>
#include <cmath>

namespace korvane::equationtest {
namespace {

class Inventory : public EquationWindow {
protected:
    // A new example through its command, accepted as it is.
    void Add(int command, const Typing& typing = {}) {
        ScriptOk(typing);
        window->OnCommand(command);
    }
    platform::MemoryDialog* Dialog() { return platform.FindDialog("INVENT"); }
    // Selects a line and presses a button of the inventory.
    bool Press(int line, int button) {
        platform::MemoryDialog* d = Dialog();
        if (!d || !d->Select(TInventDlg::kList, line))
            return false;
        return d->Press(button);
    }
    std::vector<std::string> Lines() {
        std::vector<std::string> lines;
        if (platform::MemoryDialog* d = Dialog())
            for (int i = 0; i < d->ListCount(TInventDlg::kList); ++i)
                lines.push_back(d->ListItemText(TInventDlg::kList, i));
        return lines;
    }
};

TEST_F(Inventory, FirstExampleOpensItAndLaterOnesFillIt) {
    ScriptCancel();
    window->OnCommand(cmd::kNewExplicit);
    EXPECT_EQ(Dialog(), nullptr) << "a cancelled first example opens nothing";
    Add(cmd::kNewExplicit);
    ASSERT_NE(Dialog(), nullptr);
    EXPECT_TRUE(Dialog()->IsVisible());
    EXPECT_EQ(Dialog()->GetTitle(), "inventário");
    Dialog()->Hide();
    Add(cmd::kNewPolar);
    EXPECT_FALSE(Dialog()->IsVisible()) << "only the first example opens it";
    EXPECT_EQ(Lines(), (std::vector<std::string>{"y = xsin(x)", "r = 3cos(2t)"}));
    window->OnCommand(cmd::kInventory);
    EXPECT_TRUE(Dialog()->IsVisible());
}

TEST_F(Inventory, HiddenAndNamedLines) {
    Add(cmd::kNewExplicit);
    Add(cmd::kNewLine);
    ASSERT_TRUE(Press(0, TInventDlg::kShowGraph));
    EXPECT_FALSE(Examples()[0].Shown());
    ASSERT_TRUE(Dialog()->Select(TInventDlg::kList, 1));
    ASSERT_TRUE(Dialog()->Type(TInventDlg::kField, "  uma reta muito comprida  "));
    ASSERT_TRUE(Dialog()->Press(TInventDlg::kName));
    EXPECT_EQ(Examples().Name(1), "uma reta muito compr");
    ASSERT_TRUE(Dialog()->Type(TInventDlg::kField, "reta \u2192 \u03c0"));
    ASSERT_TRUE(Dialog()->Press(TInventDlg::kName));
    EXPECT_EQ(Examples().Name(1), "uma reta muito compr") << "a name documents cannot hold is refused";
    ASSERT_EQ(platform.Messages().size(), 1u);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"escondido: y = xsin(x)",
                                                 "uma reta muito compr (2.54)x + (1.732)y = 3.141"}));
    ASSERT_TRUE(Press(0, TInventDlg::kShowGraph));
    EXPECT_TRUE(Examples()[0].Shown());
    EXPECT_EQ(Lines()[0], "y = xsin(x)");
    // Selecting a line shows its name in the field.
    ASSERT_TRUE(Dialog()->Select(TInventDlg::kList, 1));
    EXPECT_EQ(Dialog()->GetText(TInventDlg::kField), "uma reta muito compr");
    ASSERT_TRUE(Dialog()->Select(TInventDlg::kList, 0));
    EXPECT_EQ(Dialog()->GetText(TInventDlg::kField), "");
}

// The derivative of a polar example is parametric; deleting its source takes it along.
TEST_F(Inventory, DerivativeOfAPolarExampleIsParametricAndGoesWithIt) {
    Add(cmd::kNewExplicit);
    Add(cmd::kNewPolar);
    ASSERT_TRUE(Press(1, TInventDlg::kDerive));
    ASSERT_EQ(Examples().LastExample(), 2);
    const ExampleRecord& d = Examples()[2];
    EXPECT_EQ(d.Derivation(), TPlot1Win::kDerivativeCode);
    EXPECT_EQ(d.I16(exo::kSource1), 1);
    EXPECT_EQ(d.Kind(), kParametric);
    for (long double t : {-1.0L, 0.25L, 2.0L}) {
        SCOPED_TRACE(static_cast<double>(t));
        long double x = 0, y = 0;
        ASSERT_TRUE(EvaluateAt(window->Context(), d.Tree(0), 'T' - 64, t, x));
        ASSERT_TRUE(EvaluateAt(window->Context(), d.Tree(1), 'T' - 64, t, y));
        EXPECT_NEAR(static_cast<double>(x),
                    static_cast<double>(-6 * std::sin(2 * t) * std::cos(t) - 3 * std::cos(2 * t) * std::sin(t)), 1e-14);
        EXPECT_NEAR(static_cast<double>(y),
                    static_cast<double>(-6 * std::sin(2 * t) * std::sin(t) + 3 * std::cos(2 * t) * std::cos(t)), 1e-14);
    }
    ASSERT_TRUE(Press(1, TInventDlg::kDelete));
    ASSERT_EQ(Examples().LastExample(), 0);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"y = xsin(x)"}));
}

TEST_F(Inventory, DerivativeFollowsItsSourceAndIsRebuiltAfterLoading) {
    Add(cmd::kNewExplicit);
    ASSERT_TRUE(Press(0, TInventDlg::kDerive));
    ScriptOk({{212, "xxx"}});
    window->EditExample(0, false);
    long double out = 0;
    ASSERT_TRUE(EvaluateAt(window->Context(), Examples()[1].Tree(1), 'X' - 64, 2, out));
    EXPECT_EQ(out, 12) << "d/dx x^3 at 2 after the edit";
    // A document brings the record without trees; recompiling everything derives again.
    for (auto& tree : Examples()[1].compiled)
        tree = ExprTree();
    EXPECT_EQ(window->RecompileAll(), 0);
    ASSERT_NE(Examples()[1].Tree(1), nullptr);
    ASSERT_TRUE(EvaluateAt(window->Context(), Examples()[1].Tree(1), 'X' - 64, -1, out));
    EXPECT_EQ(out, 3);
}

TEST_F(Inventory, WhichButtonsAreEnabled) {
    struct Row {
        const char* what;
        int command;
        bool derive, table, web;
    };
    const Row rows[] = {
        {"explicit", cmd::kNewExplicit, true, true, true},     {"polar", cmd::kNewPolar, true, true, false},
        {"parametric", cmd::kNewParametric, true, true, false}, {"implicit", cmd::kNewImplicit, false, false, false},
        {"line", cmd::kNewLine, false, false, false},           {"polynomial", cmd::kNewPolynomial, false, true, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        Add(row.command);
        ASSERT_TRUE(Dialog()->Select(TInventDlg::kList, Examples().LastExample()));
        EXPECT_EQ(Dialog()->IsEnabled(TInventDlg::kDerive), row.derive);
        EXPECT_EQ(Dialog()->IsEnabled(TInventDlg::kTable), row.table);
        EXPECT_EQ(Dialog()->IsEnabled(TInventDlg::kWeb), row.web);
        EXPECT_TRUE(Dialog()->IsEnabled(TInventDlg::kDelete));
    }
    // A derivative of a derivative would need slot 5 of the derived example.
    ASSERT_TRUE(Press(0, TInventDlg::kDerive));
    ASSERT_TRUE(Dialog()->Select(TInventDlg::kList, Examples().LastExample()));
    EXPECT_FALSE(Dialog()->IsEnabled(TInventDlg::kDerive));
}

// The cobweb of x(n+1) = f(x(n)) against the iteration done by hand; it follows edits of f
// and comes back from its document, into the inventory.
TEST_F(Inventory, WebDrawsTheIterationOfItsSource) {
    using platform::Point;
    const auto strokes = [&](platform::PenStyle style) {
        platform::RecordingSurface picture(platform::Size{400, 300});
        window->DrawBase(picture);
        std::vector<std::pair<Point, Point>> lines;
        for (const platform::Primitive& p : picture.OfKind(platform::Primitive::Line))
            if (p.pen.colour == window->PenRgb(Examples()[1].Colour()) && p.pen.style == style)
                lines.emplace_back(p.points[0], p.points[1]);
        return lines;
    };
    const auto web = [&](std::vector<std::pair<long double, long double>> corners) {
        const View& v = window->GetView();
        std::vector<std::pair<Point, Point>> lines;
        for (std::size_t i = 1; i < corners.size(); ++i)
            lines.emplace_back(Point{v.ToPixelXInt(corners[i - 1].first), v.ToPixelYInt(corners[i - 1].second)},
                               Point{v.ToPixelXInt(corners[i].first), v.ToPixelYInt(corners[i].second)});
        return lines;
    };
    Add(cmd::kNewExplicit, {{212, "x/2+1"}});
    ScriptOk({{TWebDlg::kStart, "0"}, {TWebDlg::kSteps, "1001"}});
    ASSERT_TRUE(Press(0, TInventDlg::kWeb));
    EXPECT_EQ(Examples().LastExample(), 0) << "a refused count, then cancel: no web";
    ScriptOk({{TWebDlg::kStart, "0"}, {TWebDlg::kSteps, "3"}});
    ASSERT_TRUE(Press(0, TInventDlg::kWeb));
    ASSERT_EQ(Examples().LastExample(), 1);
    ASSERT_TRUE(Dialog()->Select(TInventDlg::kList, 1));
    EXPECT_FALSE(Dialog()->IsEnabled(TInventDlg::kFamily));
    // 0 -> 1 -> 1.5 -> 1.75
    EXPECT_EQ(strokes(platform::PenStyle::Solid),
              web({{0, 0}, {0, 1}, {1, 1}, {1, 1.5L}, {1.5L, 1.5L}, {1.5L, 1.75L}, {1.75L, 1.75L}}));
    EXPECT_EQ(strokes(platform::PenStyle::Dotted).size(), 1u) << "y = x";
    ScriptOk({{212, "2-x"}});
    window->EditExample(0, false);
    const auto cycle = web({{0, 0}, {0, 2}, {2, 2}, {2, 0}, {0, 0}, {0, 2}, {2, 2}});
    EXPECT_EQ(strokes(platform::PenStyle::Solid), cycle);
    EXPECT_EQ(Lines()[1], "web de y = 2-x (x0 = 0, 3 passos)");
    const std::string path = folder.File("teia.kv2");
    ASSERT_EQ(window->SaveDocument(path), 0);
    window->NewDocument();
    EXPECT_TRUE(Lines().empty()) << "Novo empties the open inventory";
    ASSERT_EQ(window->OpenDocument(path), 0);
    EXPECT_EQ(strokes(platform::PenStyle::Solid), cycle);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"y = 2-x", "web de y = 2-x (x0 = 0, 3 passos)"}));
}

TEST_F(Inventory, DuplicateEditsACopyAndCancelGivesTheSlotBack) {
    Add(cmd::kNewParametric);
    ScriptOk({{211, "cos(t)"}});
    ASSERT_TRUE(Press(0, TInventDlg::kDuplicate));
    ASSERT_EQ(Examples().LastExample(), 1);
    EXPECT_EQ(Examples()[0].texts[0], "3cos(3t)");
    EXPECT_EQ(Examples()[1].texts[0], "cos(t)");
    EXPECT_EQ(Examples()[1].texts[1], "3sin(4t)");
    EXPECT_NE(Examples()[1].Tree(0), Examples()[0].Tree(0));
    ScriptCancel();
    ASSERT_TRUE(Press(1, TInventDlg::kDuplicate));
    EXPECT_EQ(Examples().LastExample(), 1);
}

TEST_F(Inventory, CopyPutsTheDescriptionOnTheClipboard) {
    Add(cmd::kNewSystem);
    ASSERT_TRUE(Press(0, TInventDlg::kCopy));
    EXPECT_EQ(platform.GetClipboard().GetText(), std::optional<std::string>("dx/dt = xx-yy , dy/dt = 2xy"));
}

TEST_F(Inventory, ShowEquationTogglesTheLabelOnThePicture) {
    auto labels = [&] {
        platform::RecordingSurface picture(platform::Size{400, 300});
        window->DrawBase(picture);
        const std::vector<std::string> texts = picture.Texts();
        return std::count(texts.begin(), texts.end(), "y = xsin(x)");
    };
    Add(cmd::kNewExplicit);
    EXPECT_EQ(labels(), 0);
    ASSERT_TRUE(Press(0, TInventDlg::kShowEquation));
    EXPECT_EQ(Examples()[0].Byte(exo::kShowEquation), 1);
    EXPECT_EQ(labels(), 1);
    // The document lists it among its equation labels; the record keeps no byte of it.
    Add(cmd::kNewPolar);
    const std::string path = folder.File("rotulos.kv2");
    ASSERT_EQ(window->SaveDocument(path), 0);
    std::vector<std::uint8_t> bytes;
    ASSERT_TRUE(ReadWholeFile(path, bytes));
    DocumentState stored;
    ASSERT_EQ(ReadDocument(bytes, 841, stored), 0);
    EXPECT_EQ(stored.examples[0].Byte(exo::kShowEquation), 0);
    ASSERT_EQ(stored.equationLabels.size(), 1u);
    EXPECT_EQ(stored.equationLabels[0][0], 0);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&stored.equationLabels[0][4])), "y = xsin(x)");
    window->NewDocument();
    ASSERT_EQ(window->OpenDocument(path), 0);
    EXPECT_EQ(labels(), 1);
    EXPECT_FALSE(Examples()[1].Flag(exo::kShowEquation));
    // An older document kept it in byte 49; an item naming no example is left out.
    stored.examples[1].SetFlag(exo::kShowEquation, true);
    stored.equationLabels[0][0] = 9;
    ASSERT_TRUE(WriteFileAtomically(path, WriteDocument(stored)));
    ASSERT_EQ(window->OpenDocument(path), 0);
    EXPECT_FALSE(Examples()[0].Flag(exo::kShowEquation));
    EXPECT_TRUE(Examples()[1].Flag(exo::kShowEquation));
    ASSERT_TRUE(Press(1, TInventDlg::kShowEquation));
    ASSERT_TRUE(Press(0, TInventDlg::kShowEquation));
    ASSERT_TRUE(Press(0, TInventDlg::kShowEquation));
    EXPECT_EQ(Examples()[0].Byte(exo::kShowEquation), 0);
    EXPECT_EQ(labels(), 0);
}

TEST_F(Inventory, FamilyAndItsUndo) {
    Add(cmd::kNewExplicit, {{212, "a sin(x)"}});
    platform.AnswerInput("b, -12, -1, pi");
    ASSERT_TRUE(Press(0, TInventDlg::kFamily));
    const ExampleRecord& e = Examples()[0];
    EXPECT_TRUE(e.IsFamily());
    EXPECT_EQ(e.I16(exo::kFamilyLetter), 2);
    EXPECT_EQ(e.I16(exo::kFamilySteps), -12);
    EXPECT_EQ(e.Real(exo::kFamilyFirst), -1);
    EXPECT_NEAR(static_cast<double>(e.Real(exo::kFamilyLast)), 3.14159265358979323846, 1e-15);
    ASSERT_TRUE(Press(0, TInventDlg::kFamily));
    EXPECT_FALSE(e.IsFamily());
    EXPECT_EQ(e.I16(exo::kFamilySteps), -12) << "undo keeps the last settings for next time";
}

// An implicit family is searched again when it is made and when it is undone: its members
// are drawn, and undoing it keeps only the curve of the letter's own value.
TEST_F(Inventory, ImplicitFamilySearchesAgain) {
    auto pieces = [&] {
        platform::RecordingSurface picture(platform::Size{400, 300});
        window->DrawBase(picture);
        return Examples()[0].trajectories.size();
    };
    Add(cmd::kNewImplicit, {{218, "xx+yy=a+2"}});
    const std::size_t alone = pieces();
    EXPECT_GE(alone, 1u);
    platform.AnswerInput("a, 4, 1, 9");
    ASSERT_TRUE(Press(0, TInventDlg::kFamily));
    EXPECT_GE(pieces(), 5u) << "one circle for each of a = 1, 3, 5, 7, 9";
    ASSERT_TRUE(Press(0, TInventDlg::kFamily));
    EXPECT_EQ(pieces(), alone);
}

TEST_F(Inventory, RefusedFamilyChangesNothing) {
    const std::string outOfLimits = res::Message(code::OutOfLimits), inconsistent = res::Message(code::Inconsistent);
    struct Row {
        const char* input;
        const char* message;
    };
    const Row rows[] = {
        {"x, 10, 0, 1", outOfLimits.c_str()}, {"A, 0, 0, 1", outOfLimits.c_str()},
        {"A, 1001, 0, 1", outOfLimits.c_str()}, {"A, 10, 0", outOfLimits.c_str()},
        {"AB, 10, 0, 1", outOfLimits.c_str()}, {"A, 1.5, 0, 1", outOfLimits.c_str()},
        {"A, 10, 2, 2", inconsistent.c_str()}, {"A, 10, 0, 1+", nullptr},
    };
    Add(cmd::kNewExplicit);
    const ExampleRecord::Bytes before = Examples()[0].Store();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.input);
        platform.ClearLogs();
        platform.AnswerInput(std::string(row.input));
        ASSERT_TRUE(Press(0, TInventDlg::kFamily));
        ASSERT_EQ(platform.Messages().size(), 1u);
        if (row.message) {
            EXPECT_EQ(platform.Messages()[0].text, row.message);
        }
        EXPECT_EQ(Examples()[0].Store(), before);
    }
    platform.ClearLogs();
    platform.AnswerInput(std::nullopt);
    ASSERT_TRUE(Press(0, TInventDlg::kFamily));
    EXPECT_TRUE(platform.Messages().empty());
    EXPECT_EQ(Examples()[0].Store(), before);
}

TEST_F(Inventory, EditButtonOpensTheEquationDialog) {
    Add(cmd::kNewExplicit);
    Add(cmd::kNewPolar);
    ScriptOk({{213, "2"}});
    ASSERT_TRUE(Press(1, TInventDlg::kEdit));
    EXPECT_EQ(platform.ModalRuns().back(), "EQUA202");
    EXPECT_EQ(Examples()[1].texts[2], "2");
    EXPECT_EQ(Lines()[1], "r = 2");
}

TEST_F(Inventory, HideAndShowAllPointsOrAllOthers) {
    Add(cmd::kNewPointXY);
    Add(cmd::kNewExplicit);
    Add(cmd::kNewPointRT);
    window->OnCommand(cmd::kToggleAllPoints);
    EXPECT_FALSE(Examples()[0].Shown());
    EXPECT_TRUE(Examples()[1].Shown());
    EXPECT_FALSE(Examples()[2].Shown());
    window->OnCommand(cmd::kToggleAllEquations);
    EXPECT_FALSE(Examples()[1].Shown());
    window->OnCommand(cmd::kToggleAllPoints);
    EXPECT_TRUE(Examples()[0].Shown());
    EXPECT_TRUE(Examples()[2].Shown());
    EXPECT_FALSE(Examples()[1].Shown());
}

TEST_F(Inventory, FunctionLibraryCommands) {
    window->OnCommand(TFnLibDlg::kCommandDefineFunction);
    ASSERT_NE(platform.FindDialog("FNLIB"), nullptr);
    EXPECT_TRUE(platform.FindDialog("FNLIB")->IsVisible());
    window->OnCommand(TFnLibDlg::kCommandLibraryHelp);
    ASSERT_NE(window->Help(), nullptr);
    TTextWin* help = window->Help()->Window(HelpWindows::Language);
    ASSERT_NE(help, nullptr);
    EXPECT_NE(help->GetText().find("LINGUAGEM"), std::string::npos);
}

TEST(FamilyInput, Parsing) {
    struct Row {
        const char* text;
        int code, letter, steps;
    };
    const Row rows[] = {
        {"A, 20, 0, 1", 0, 1, 20}, {" z ,-5, a, b ", 0, 26, -5}, {"t, 5, 0, 1", 17, 0, 0},
        {"y, 5, 0, 1", 17, 0, 0},  {"1, 5, 0, 1", 17, 0, 0},     {"A, 5x, 0, 1", 17, 0, 0},
        {"A, , 0, 1", 17, 0, 0},   {"A, 5, 0, 1, 2", 17, 0, 0},  {"", 17, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        int letter = 0, steps = 0;
        std::string first, last;
        EXPECT_EQ(TInventDlg::ParseFamily(row.text, letter, steps, first, last), row.code);
        if (row.code == 0) {
            EXPECT_EQ(letter, row.letter);
            EXPECT_EQ(steps, row.steps);
        }
    }
}

} // namespace
} // namespace korvane::equationtest
