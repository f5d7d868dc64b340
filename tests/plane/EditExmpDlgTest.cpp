// The equation dialog driven through the plane window's "Equação" commands on the memory
// platform: what each command opens, the refusals with their messages, the private copy,
// the change mask, and the interval that follows the view.
#include "resources/Resources.h"
#include "expr/CompileCodes.h"
#include "EquationTestSupport.h"

#include "expr/Evaluator.h"

#include <cmath>

namespace korvane::equationtest {
namespace {

struct CommandRow {
    int command;
    const char* templateName;
    std::int16_t kind;
    int textSlot;            // a slot that the default example fills
    const char* description; // slot 4 after "ok"
};

TEST_F(EquationWindow, EveryCommandOpensItsTemplateWithADefaultThatPasses) {
    const CommandRow rows[] = {
        {cmd::kNewExplicit, "EQUA201", kExplicit, 1, "y = xsin(x)"},
        {cmd::kNewParametric, "EQUA203", kParametric, 0, "x = 3cos(3t) , y = 3sin(4t)"},
        {cmd::kNewImplicit, "EQUA204", kImplicit, 2, "xx+yy=13"},
        {cmd::kNewPolar, "EQUA202", kPolar, 2, "r = 3cos(2t)"},
        {cmd::kNewPolynomial, "EQUA213", kExplicit, -1, "polinômio"},
        {cmd::kNewSegmentXY, "EQUA205", kSegment, 3, "segmento (-1.5 , 3.0) (3.5 , 1.0)"},
        {cmd::kNewSegmentRT, "EQUA205", kSegment, 3, nullptr},
        {cmd::kNewCycloid, "EQUA207", kCycloid, -1, "ciclóide"},
        {cmd::kNewLine, "EQUA208", kLine, 2, "(2.54)x + (1.732)y = 3.141"},
        {cmd::kNewPointXY, "EQUA309", kPoint, 1, nullptr},
        {cmd::kNewPointRT, "EQUA309", kPoint, 1, nullptr},
        {cmd::kNewSystem, "EQUA210", kSystem, 1, "dx/dt = xx-yy , dy/dt = 2xy"},
        {cmd::kNewSlopeField, "EQUA211", kSlopeField, 2, "dy/dx = x-y"},
        {cmd::kNewRecursive, "EQUA212", kRecursive, 0, "novo x = 1+abs(x)-y , novo y = x"},
        {cmd::kNewPointList, "EQUA215", kPointList, 3, nullptr},
        {cmd::kNewIndefinite, "EQUA206", kIndefiniteIntegral, 1, nullptr},
    };
    int expected = 0;
    for (const CommandRow& row : rows) {
        SCOPED_TRACE(row.templateName + std::string(" command ") + std::to_string(row.command));
        ScriptOk();
        window->OnCommand(row.command);
        ASSERT_FALSE(platform.ModalRuns().empty());
        EXPECT_EQ(platform.ModalRuns().back(), row.templateName);
        EXPECT_TRUE(MessageTexts().empty()) << MessageTexts().front();
        ASSERT_EQ(Examples().LastExample(), expected);
        const ExampleRecord& e = Examples()[expected];
        EXPECT_EQ(e.Kind(), row.kind);
        EXPECT_TRUE(e.Shown());
        if (row.textSlot >= 0) {
            EXPECT_FALSE(e.texts[static_cast<std::size_t>(row.textSlot)].empty());
        }
        if (row.description) {
            EXPECT_EQ(e.texts[4], row.description);
        }
        ++expected;
    }
    // The polar segment and point commands choose their forms.
    EXPECT_TRUE(Examples()[6].Flag(exo::kFlag60));
    EXPECT_EQ(Examples()[9].I16(exo::kRadio), 1);
    EXPECT_EQ(Examples()[10].I16(exo::kRadio), 0);
}

struct RefusalRow {
    const char* what;
    int command;
    Typing typing;
    std::vector<int> presses;
    const char* message;
};

TEST_F(EquationWindow, RefusalsShowTheirMessageAndKeepTheDialogOpen) {
    const std::string outOfLimits = res::Message(code::OutOfLimits), inconsistent = res::Message(code::Inconsistent);
    const std::string notPositive = res::Message(14), noEquals = res::Message(code::MissingEquals);
    const RefusalRow rows[] = {
        {"density 10001", cmd::kNewExplicit, {{215, "10001"}}, {}, outOfLimits.c_str()},
        {"density 0", cmd::kNewExplicit, {{215, "0"}}, {}, outOfLimits.c_str()},
        {"density 10000.4, tested before rounding", cmd::kNewExplicit, {{215, "10000.4"}}, {}, outOfLimits.c_str()},
        {"density 0.6", cmd::kNewPolar, {{215, "0.6"}}, {}, outOfLimits.c_str()},
        {"width 30.4", cmd::kNewLine, {{227, "30.4"}}, {}, outOfLimits.c_str()},
        {"width 31", cmd::kNewExplicit, {{227, "31"}}, {}, outOfLimits.c_str()},
        {"width 0", cmd::kNewLine, {{227, "0"}}, {}, outOfLimits.c_str()},
        {"columns 101", cmd::kNewSystem, {{226, "101"}}, {}, outOfLimits.c_str()},
        {"columns 0", cmd::kNewSlopeField, {{226, "0"}}, {}, outOfLimits.c_str()},
        {"mark length 40.5", cmd::kNewSlopeField, {{225, "40.5"}}, {}, outOfLimits.c_str()},
        {"mark length 0.05", cmd::kNewSystem, {{225, "0.05"}}, {}, outOfLimits.c_str()},
        {"step tolerance 41", cmd::kNewPolar, {{225, "41"}}, {}, outOfLimits.c_str()},
        {"maximum equal to minimum", cmd::kNewExplicit, {{221, "1"}, {223, "1"}}, {271}, inconsistent.c_str()},
        {"maximum below minimum", cmd::kNewPolar, {{221, "2"}, {223, "1"}}, {}, inconsistent.c_str()},
        {"implicit without =", cmd::kNewImplicit, {{218, "xx+yy-13"}}, {}, noEquals.c_str()},
        {"a character documents cannot hold", cmd::kNewPointList, {{214, "1, 2, \u03c0"}}, {}, nullptr},
        {"a character documents cannot hold in a formula", cmd::kNewImplicit, {{218, "x=\u2192"}}, {}, nullptr},
        {"arrow outside the interval", cmd::kNewParametric, {{221, "0"}, {223, "1"}, {234, "2"}}, {}, outOfLimits.c_str()},
        {"arrow size 1001", cmd::kNewParametric, {{235, "1001"}}, {}, outOfLimits.c_str()},
        {"cycloid radius 0", cmd::kNewCycloid, {{235, "0"}}, {}, notPositive.c_str()},
        {"formula that does not compile", cmd::kNewExplicit, {{212, "sin("}}, {}, nullptr},
        {"range that does not evaluate", cmd::kNewPolar, {{221, "x+"}}, {}, nullptr},
    };
    for (const RefusalRow& row : rows) {
        SCOPED_TRACE(row.what);
        platform.ClearLogs();
        ScriptOk(row.typing, row.presses);
        bool stillOpen = false;
        int focused = 0;
        platform.ScriptModal([&](platform::MemoryDialog& d) {
            stillOpen = !d.Ended();
            focused = d.Focused();
            d.Escape();
        });
        window->OnCommand(row.command);
        EXPECT_TRUE(stillOpen);
        EXPECT_EQ(focused, row.typing.back().first) << "the focus goes back to the refused field";
        ASSERT_EQ(platform.Messages().size(), 1u);
        if (row.message) {
            EXPECT_EQ(platform.Messages()[0].text, row.message);
        }
        EXPECT_EQ(Examples().LastExample(), -1) << "the cancelled new example gives its slot back";
    }
}

// ---- What "ok" keeps, its document gives back ----

// `lead` and then ones up to `length` characters: every start of it of three characters
// or more still compiles, so a cut anywhere leaves a formula.
std::string LongText(const std::string& lead, std::size_t length) {
    return lead + std::string(length - lead.size(), '1');
}

TEST_F(EquationWindow, LongTextsOfEveryKindComeBackFromTheirDocument) {
    struct Row {
        int command;
        std::vector<int> fields;
        const char* lead;
    };
    const Row rows[] = {
        {cmd::kNewExplicit, {212}, "x+"},         {cmd::kNewPolar, {213}, "t+"},
        {cmd::kNewParametric, {211, 212}, "t+"},  {cmd::kNewImplicit, {218}, "x="},
        {cmd::kNewSegmentXY, {211, 212, 213, 214}, "2+"}, {cmd::kNewLine, {211, 212, 213}, "2+"},
        {cmd::kNewPointXY, {211, 212}, "2+"},     {cmd::kNewSystem, {211, 212}, "x+"},
        {cmd::kNewSlopeField, {213}, "x+"},       {cmd::kNewRecursive, {211, 212}, "x+"},
        {cmd::kNewPointList, {214}, "1,"},        {cmd::kNewIndefinite, {212}, "x+"},
    };
    struct Typed {
        int example;
        int field;
        std::string text;
    };
    std::vector<Typed> typed; // the first field of each example
    for (std::size_t length : {250u, 252u, 253u, 255u, 256u, 260u})
        for (const Row& row : rows) {
            SCOPED_TRACE(std::to_string(row.command) + ", " + std::to_string(length) + " characters");
            Typing typing;
            for (int field : row.fields)
                typing.emplace_back(field, LongText(row.lead, length));
            ScriptOk(typing);
            window->OnCommand(row.command);
            ASSERT_TRUE(MessageTexts().empty()) << MessageTexts().front();
            typed.push_back({Examples().LastExample(), typing.front().first, typing.front().second});
        }
    const int explicitExample = typed.front().example;
    ASSERT_GT(window->DeriveExample(explicitExample), 0) << "d/dx before a long description";
    Examples().SetName(explicitExample, "ç ç ç ç ç ç ç ç ç ç ç ç ç");
    EXPECT_EQ(Examples().Name(explicitExample), "ç ç ç ç ç ç ç ç ç ç ") << "20 characters, none split";

    const std::string path = folder.File("longo.kv2");
    ASSERT_EQ(window->SaveDocument(path), 0);
    auto reopened = planetest::MakePlaneWindow(platform);
    ASSERT_EQ(reopened->OpenDocument(path), 0);
    ASSERT_EQ(reopened->Examples().LastExample(), Examples().LastExample());
    for (int i = 0; i <= Examples().LastExample(); ++i) {
        SCOPED_TRACE("example " + std::to_string(i) + ": " + Examples()[i].texts[4]);
        EXPECT_EQ(reopened->Examples()[i].texts, Examples()[i].texts);
        EXPECT_EQ(reopened->Examples().Name(i), Examples().Name(i));
    }
    // What "ok" kept is what was typed, cut at 255 characters (the equation at 252, so
    // that f-(g) fits too), and it compiles.
    for (const Typed& t : typed) {
        const bool equation = t.field == 218;
        const std::size_t slot = equation ? 4 : static_cast<std::size_t>(t.field - 211);
        EXPECT_EQ(Examples()[t.example].texts[slot], t.text.substr(0, equation ? 252 : 255)) << "example " << t.example;
    }
}

TEST_F(EquationWindow, EpsilonComesFromTheDecimals) {
    struct Row {
        int decimals;
        const char* maximum;
        bool accepted;
    };
    // epsilon = 10 * 0.1^(d - 1): 0.1 with 3 decimals, 1e-4 with 6.
    const Row rows[] = {{3, "1.09", false}, {3, "1.11", true}, {6, "1.00009", false}, {6, "1.00011", true}};
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.decimals) + " decimals, maximum " + row.maximum);
        platform.ClearLogs();
        Examples().Clear();
        window->Format().decimals = row.decimals;
        platform.ScriptModal([&row](platform::MemoryDialog& d) {
            d.Type(221, "1");
            d.Type(223, row.maximum);
            d.Enter();
            if (!d.Ended())
                d.Escape();
        });
        window->OnCommand(cmd::kNewPolar);
        EXPECT_EQ(Examples().LastExample(), row.accepted ? 0 : -1);
        EXPECT_EQ(platform.Messages().empty(), row.accepted);
    }
}

TEST_F(EquationWindow, RefusedOkLeavesTheRecordAsItWas) {
    ScriptOk();
    window->OnCommand(cmd::kNewParametric);
    ASSERT_EQ(Examples().LastExample(), 0);
    const ExampleRecord::Bytes before = Examples()[0].Store();
    const auto textsBefore = Examples()[0].texts;
    ExprNode* treeBefore = Examples()[0].Tree(0);
    // New formulas and a width are typed, then the density is refused.
    ScriptOk({{211, "t"}, {212, "tt"}, {227, "5"}, {215, "20000"}});
    ScriptCancel();
    EXPECT_EQ(window->EditExample(0, false), -1);
    EXPECT_EQ(Examples().LastExample(), 0) << "an existing example keeps its slot";
    EXPECT_EQ(Examples()[0].Store(), before);
    EXPECT_EQ(Examples()[0].texts, textsBefore);
    EXPECT_EQ(Examples()[0].Tree(0), treeBefore);
}

struct MaskRow {
    const char* what;
    Typing typing;
    std::vector<int> presses;
    int mask;
};

TEST_F(EquationWindow, ChangeMaskOfAnEdit) {
    const MaskRow rows[] = {
        {"nothing", {}, {}, 0},
        {"width", {{227, "3"}}, {}, TEditExmpDlg::kStyleChanged},
        {"radio button", {}, {252}, TEditExmpDlg::kStyleChanged},
        {"formula", {{211, "-2"}}, {}, TEditExmpDlg::kFormulaChanged | TEditExmpDlg::kGeometryChanged},
        {"points", {}, {275}, TEditExmpDlg::kStyleChanged | TEditExmpDlg::kSegmentPoints},
    };
    for (const MaskRow& row : rows) {
        SCOPED_TRACE(row.what);
        Examples().Clear();
        ScriptOk({}, {251});
        window->OnCommand(cmd::kNewSegmentXY);
        ASSERT_EQ(Examples().LastExample(), 0);
        Examples()[0].SetShown(false);
        ScriptOk(row.typing, row.presses);
        EXPECT_EQ(window->EditExample(0, false), row.mask);
        EXPECT_EQ(Examples()[0].Shown(), row.mask != 0) << "a reported change shows the graph";
    }
}

// "periódica" switches the locked interval off, also a lock checked after it.
TEST_F(EquationWindow, PeriodicSwitchesOffTheLockedInterval) {
    const std::vector<int> orders[] = {{271, 272}, {272, 271}};
    for (const std::vector<int>& presses : orders) {
        SCOPED_TRACE(presses.front());
        Examples().Clear();
        ScriptOk({{221, "0"}, {223, "2pi"}}, presses);
        window->OnCommand(cmd::kNewExplicit);
        ASSERT_EQ(Examples().LastExample(), 0);
        const ExampleRecord& e = Examples()[0];
        EXPECT_FALSE(e.LockedInterval());
        EXPECT_TRUE(e.Flag(exo::kFlag57));
        EXPECT_NEAR(static_cast<double>(e.Real(exo::kPeriodStart)), 0, 1e-18);
        EXPECT_NEAR(static_cast<double>(e.Real(exo::kPeriodLength)), 2 * 3.14159265358979323846,
                    1e-15);
    }
}

TEST_F(EquationWindow, UnlockedExamplesFollowEveryViewChange) {
    ScriptOk();
    window->OnCommand(cmd::kNewExplicit); // unlocked
    ScriptOk({{221, "-1"}, {223, "2"}}, {271});
    window->OnCommand(cmd::kNewExplicit); // locked
    ScriptOk();
    window->OnCommand(cmd::kNewIndefinite); // unlocked
    ASSERT_EQ(Examples().LastExample(), 2);
    struct View {
        long double cx, cy, rx, ry;
    };
    const View views[] = {{0, 0, 3, 3}, {10, -2, 0.5L, 7}, {-4.25L, 1, 12, 2}};
    for (const View& v : views) {
        SCOPED_TRACE(static_cast<double>(v.cx));
        window->SetView(v.cx, v.cy, v.rx, v.ry, false);
        const long double xmin = window->GetView().xmin, xmax = window->GetView().xmax;
        for (int i : {0, 2}) {
            EXPECT_EQ(Examples()[i].Minimum(), xmin) << "example " << i;
            EXPECT_EQ(Examples()[i].Maximum(), xmax) << "example " << i;
        }
        EXPECT_EQ(Examples()[1].Minimum(), -1);
        EXPECT_EQ(Examples()[1].Maximum(), 2);
    }
}

TEST_F(EquationWindow, ImplicitKeepsTheEquationAndMarksTheSearch) {
    ScriptOk({{218, "xy = 2 + x"}});
    window->OnCommand(cmd::kNewImplicit);
    ASSERT_EQ(Examples().LastExample(), 0);
    const ExampleRecord& e = Examples()[0];
    EXPECT_EQ(e.texts[4], "xy = 2 + x");
    EXPECT_EQ(e.Byte(exo::kFlag56), 1);
    ASSERT_NE(e.Tree(2), nullptr);
    EvalContext& ctx = window->Context();
    ctx.SetLetter('Y' - 64, 3);
    long double out = 0;
    ASSERT_TRUE(EvaluateAt(ctx, e.Tree(2), 'X' - 64, 2, out));
    EXPECT_EQ(out, 2); // 2 * 3 - (2 + 2)

    // Any change the dialog reports searches again, also where no window sets the byte.
    Examples()[0].SetFlag(exo::kFlag56, false);
    FormulaCompiler compiler(window->Context());
    EquationEnvironment env;
    env.compiler = &compiler;
    env.evaluate = [](const std::string& text, long double& value) {
        value = std::stold(text);
        return 0;
    };
    TEditExmpDlg dialog(env, Examples()[0]);
    ScriptOk({{227, "4"}});
    ASSERT_EQ(dialog.Run(platform, nullptr), platform::ResultOk);
    EXPECT_EQ(dialog.ChangeMask(), TEditExmpDlg::kStyleChanged);
    EXPECT_EQ(Examples()[0].Byte(exo::kFlag56), 1);
}

TEST_F(EquationWindow, IndefiniteIntegralStartsWhereItsFieldSays) {
    ScriptOk({{234, "-2"}});
    window->OnCommand(cmd::kNewIndefinite);
    ASSERT_EQ(Examples().LastExample(), 0);
    EXPECT_EQ(Examples()[0].Real(exo::kCycloidStart), -2);
    std::string shown;
    platform.ScriptModal([&](platform::MemoryDialog& d) {
        shown = d.GetText(234);
        d.Enter();
    });
    window->EditExample(0, false);
    EXPECT_EQ(shown, "-2");
}

TEST_F(EquationWindow, InequalitiesInThePlaceOfTheEqualsSign) {
    const struct {
        const char* typed;
        const char* difference;
    } rows[] = {{"xx+yy<13", "xx+yy-(13)"}, {"y >= sin(x)", "y -( sin(x))"}, {"x>y", "x-(y)"}, {"1<=x", "1-(x)"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.typed);
        ScriptOk({{218, row.typed}});
        window->OnCommand(cmd::kNewImplicit);
        ASSERT_TRUE(MessageTexts().empty());
        const ExampleRecord& e = Examples()[Examples().LastExample()];
        EXPECT_EQ(e.texts[4], row.typed);
        EXPECT_EQ(e.texts[2], row.difference);
    }
}

TEST_F(EquationWindow, FullTableRefusesWithCodeFour) {
    for (int i = 0; i < kExampleSlots; ++i)
        ASSERT_EQ(Examples().Append(kPoint, 3), i);
    window->OnCommand(cmd::kNewExplicit);
    EXPECT_TRUE(platform.ModalRuns().empty()) << "no dialog opens";
    ASSERT_EQ(platform.Messages().size(), 1u);
    EXPECT_EQ(platform.Messages()[0].text, res::Message(4));
    EXPECT_EQ(Examples().LastExample(), 400);
}

TEST_F(EquationWindow, DirectionFieldColourAndMarks) {
    ScriptOk({{225, "2.34"}, {226, "33"}}, {253});
    platform.ScriptModal([](platform::MemoryDialog& d) {
        d.Select(TEditExmpDlg::kFieldColourCombo, 9);
        d.Enter();
    });
    // The first script's dialog ends at its "ok"; the second serves the edit below.
    window->OnCommand(cmd::kNewSystem);
    ASSERT_EQ(Examples().LastExample(), 0);
    EXPECT_EQ(Examples()[0].I16(exo::kMarkLength10), 23);
    EXPECT_EQ(Examples()[0].I16(exo::kColumns), 33);
    EXPECT_EQ(Examples()[0].I16(exo::kRadio), 2);
    EXPECT_EQ(Examples()[0].Colour(), 4);
    window->EditExample(0, false);
    EXPECT_EQ(Examples()[0].I16(exo::kPen24), 9);
}

TEST_F(EquationWindow, DerivedExampleKeepsItsFormulas) {
    ScriptOk();
    window->OnCommand(cmd::kNewExplicit);
    const int derived = window->DeriveExample(0);
    ASSERT_EQ(derived, 1);
    bool formulaEnabled = true;
    platform.ScriptModal([&](platform::MemoryDialog& d) {
        formulaEnabled = d.Control(212)->enabled;
        d.Enter();
    });
    window->EditExample(derived, false);
    EXPECT_FALSE(formulaEnabled);
    ASSERT_NE(Examples()[derived].Tree(1), nullptr) << "the derivative's tree stays";
}

} // namespace
} // namespace korvane::equationtest
