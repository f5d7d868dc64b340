// The guessing game. Targets of every family from fixed seeds, checked against what their
// graphs must look like: evaluated through the expression language, never through the
// recipes' own sums. Judging guesses, and the game window on the memory platform: the
// selection dialog, the status line with its score, the picture of a round and the
// settings file.
#include "expr/EvalContext.h"
#include "expr/Evaluator.h"
#include "expr/FormulaCompiler.h"
#include "expr/RandomGenerator.h"
#include "graph/ColourTable.h"
#include "output/PictureOutput.h"
#include "platform/FileIO.h"
#include "platform/memory/MemoryPlatform.h"
#include "resources/Resources.h"
#include "tests/support/ScratchFolder.h"
#include "windows/FactorRecipe.h"
#include "windows/GuessJudge.h"
#include "windows/GuessRecipes.h"
#include "windows/TPlotGWin.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <numbers>
#include <optional>

namespace korvane {
namespace {

constexpr int kSeeds = 150;
constexpr int kSlotX = 'X' - 64;

View ClientView(int width = 480, int height = 360) {
    View view;
    view.SetClientSize(width, height);
    view.Recompute();
    return view;
}

// A target compiled and ready to be evaluated, with the view its recipe chose.
struct Graph {
    GuessTarget target;
    View view;
    EvalContext context;
    FormulaCompiler compiler{context};
    ExprTree tree;
    int code = 0;

    Graph(int family, std::uint64_t seed, bool abs, int lowest = 1, int highest = 8, int width = 480,
          int height = 360) {
        GuessSettings settings;
        settings.flags.fill(false);
        settings.flags[family] = true;
        settings.flags[kFamilyAbs] = abs;
        settings.lowest = lowest;
        settings.highest = highest;
        RandomGenerator random(seed);
        view = ClientView(width, height);
        // Far more polls than any attempt needs: a recipe that cannot succeed falls back.
        int polls = 0;
        target = MakeFamilyTarget(family, random, settings, view, [&polls] { return ++polls > 100000; });
        view.cx = target.cx;
        view.cy = target.cy;
        view.rx = target.rx;
        view.Recompute();
        code = compiler.CompileFormula(target.text);
        if (code == 0)
            tree = compiler.TakeResult();
    }
    std::optional<long double> At(long double x) {
        long double y = 0;
        if (!EvaluateAt(context, tree.root, kSlotX, x, y))
            return std::nullopt;
        return y;
    }
    bool Wrapped() const { return target.text.find("abs(") != std::string::npos; }
};

// Calls `check` for every seed of a family, with and without the abs wrapper, of at most
// `highest` factors.
template <typename Check> void ForEachTarget(int family, Check check, int highest = 8) {
    for (bool abs : {false, true}) {
        for (std::uint64_t seed = 1; seed <= kSeeds; ++seed) {
            Graph g(family, seed * 7919 + family, abs, 1, highest);
            SCOPED_TRACE("family " + std::to_string(family) + " seed " + std::to_string(seed) + ": y = " + g.target.text);
            ASSERT_EQ(g.code, 0) << "every target compiles";
            ASSERT_FALSE(g.target.fallback) << "the attempts end by themselves";
            check(g);
        }
    }
}

// Undefined there, or beyond any bound close to it.
bool IsPole(Graph& g, long double x) {
    if (!g.At(x))
        return true;
    for (long double side : {-1e-9L, 1e-9L}) {
        const auto y = g.At(x + side);
        if (!y || std::fabs(*y) > 1e6L)
            return true;
    }
    return false;
}

void ExpectPolesListed(Graph& g) {
    for (long double x : g.target.verticals) {
        EXPECT_TRUE(IsPole(g, x)) << "x = " << double(x) << " is listed but the graph is finite there";
        EXPECT_GT(x, g.view.xmin - 1e-12L);
        EXPECT_LT(x, g.view.xmax);
    }
}

// Rule: every family's text compiles, with and without abs.
TEST(GuessRecipes, EveryFamilyCompiles) {
    for (int family = kFamilyPolynomial; family <= kFamilyPower; ++family)
        ForEachTarget(family, [family](Graph& g) { EXPECT_EQ(g.target.family, family); });
}

// Rule: the parabola has its vertex at the view's centre a != 0, and its y-intercept v,
// a whole number in -4..4, is neither 0 nor the vertex's height b.
TEST(GuessRecipes, ParabolaVertexAndIntercept) {
    ForEachTarget(kFamilyParabola, [](Graph& g) {
        const long double a = g.target.cx, b = g.target.cy;
        EXPECT_NE(a, 0);
        const auto atVertex = g.At(a), left = g.At(a - 1), right = g.At(a + 1), atZero = g.At(0);
        ASSERT_TRUE(atVertex && left && right && atZero);
        EXPECT_NEAR(double(*atVertex), double(g.Wrapped() ? std::fabs(b) : b), 1e-12);
        EXPECT_NEAR(double(*left), double(*right), 1e-12) << "symmetric about x = a";
        EXPECT_GT(std::fabs(*atZero), 0.5L) << "v = 0";
        if (!g.Wrapped()) {
            EXPECT_NE(*left, *atVertex) << "no factor in front";
            EXPECT_GT(std::fabs(*atZero - b), 0.5L) << "v = b";
        }
        EXPECT_NEAR(double(*atZero), std::round(double(*atZero)), 1e-12) << "v is a whole number";
        EXPECT_LE(std::fabs(*atZero), 4) << "v is drawn from -4..4";
    });
}

// Rule: the listed vertical asymptotes are poles of the target; for the periodic families
// every pole in the view is listed, one period apart. Tangent and cotangent have |a| = 1: a
// quarter period either side of a zero of tan(fx) or cot(fx) the curve differs by 2a (under
// abs c = 0, and the value is |a|).
TEST(GuessRecipes, ListedAsymptotesArePoles) {
    for (int family : {kFamilyTangent, kFamilySecant, kFamilyCosecant, kFamilyCotangent}) {
        ForEachTarget(family, [family](Graph& g) {
            ExpectPolesListed(g);
            const long double s = g.target.period;
            ASSERT_GT(s, 0);
            for (std::size_t i = 1; i < g.target.verticals.size(); ++i)
                EXPECT_NEAR(double(g.target.verticals[i] - g.target.verticals[i - 1]), double(s), 1e-12);
            EXPECT_LT(g.target.verticals.front() - s, g.view.xmin) << "a pole left of the first is in view";
            EXPECT_GE(g.target.verticals.back() + s, g.view.xmax) << "a pole right of the last is in view";
            if (family == kFamilySecant || family == kFamilyCosecant)
                return;
            ASSERT_GE(g.target.verticals.size(), 2u);
            const long double zero = family == kFamilyTangent ? 0 : s / 2;
            const auto right = g.At(zero + s / 4), left = g.At(zero - s / 4);
            ASSERT_TRUE(right && left);
            if (g.Wrapped())
                EXPECT_NEAR(double(*right), 1.0, 1e-9);
            else
                EXPECT_NEAR(std::fabs(double(*right - *left)), 2.0, 1e-9);
        });
    }
    for (int family : {kFamilyLogarithm, kFamilyMirroredLogarithm, kFamilyAbsLogarithm, kFamilyRational})
        ForEachTarget(family, [](Graph& g) { ExpectPolesListed(g); });
}

// Rule: sine and cosine stay a unit clear of the view's top edge; the exponential's value at
// 0 is in view, and its horizontal asymptote is the limit on one side.
TEST(GuessRecipes, WavesAndExponentialFitTheView) {
    for (int family : {kFamilySine, kFamilyCosine}) {
        ForEachTarget(family, [](Graph& g) {
            long double highest = 0;
            for (long double x = 0; x < 2 * std::numbers::pi_v<long double>; x += 0.001L)
                highest = std::max(highest, std::fabs(g.At(x).value_or(0)));
            EXPECT_LT(highest + 1, g.view.ymax);
        });
    }
    ForEachTarget(kFamilyExponential, [](Graph& g) {
        const auto atZero = g.At(0);
        ASSERT_TRUE(atZero);
        EXPECT_GT(*atZero, g.view.ymin);
        EXPECT_LT(*atZero, g.view.ymax);
        for (long double d : g.target.horizontals) {
            const long double far = std::min(std::fabs(g.At(-60).value_or(1e9L) - d), std::fabs(g.At(60).value_or(1e9L) - d));
            EXPECT_LT(far, 1e-6L) << "y = " << double(d);
        }
    });
}

// Rule: polynomial and rational targets never have the root 0, and cross the y axis at a
// whole number +-k, k >= 1; so does a rational function whose factors all went to the
// denominator, which writes its leading factor as the numerator (a tall window lets
// 1/(x-r)^2 be scaled).
TEST(GuessRecipes, FactorTargetsCrossTheYAxisAtAWholeNumber) {
    const auto check = [](Graph& g) {
        const auto atZero = g.At(0);
        ASSERT_TRUE(atZero);
        EXPECT_GE(std::fabs(*atZero), 1 - 1e-12L);
        EXPECT_NEAR(double(*atZero), std::round(double(*atZero)), 1e-9);
    };
    for (int family : {kFamilyPolynomial, kFamilyRational})
        ForEachTarget(family, check);
    int seen = 0;
    for (std::uint64_t seed = 1; seed <= 300; ++seed) {
        Graph g(kFamilyRational, seed, false, 2, 2, 300, 1200);
        SCOPED_TRACE("y = " + g.target.text);
        ASSERT_EQ(g.code, 0);
        check(g);
        seen += g.target.text.substr(0, g.target.text.find('/')).find('x') == std::string::npos;
    }
    EXPECT_GT(seen, 0) << "no target without numerator factors was made";
}

// Rule: a polynomial of one factor is a straight line whose view is centred on its root
// (or on the corner of its abs).
TEST(GuessRecipes, OneFactorIsAStraightLine) {
    const auto check = [](Graph& g) {
        const auto atRoot = g.At(g.target.cx), left = g.At(g.target.cx - 1), right = g.At(g.target.cx + 1);
        ASSERT_TRUE(atRoot && left && right);
        EXPECT_NEAR(double(*atRoot), 0.0, 1e-15);
        const double mirrored = g.Wrapped() ? double(*right) : -double(*right);
        EXPECT_NEAR(double(*left), mirrored, 1e-15) << "abs folds at the root, a line goes through it";
    };
    ForEachTarget(kFamilyPolynomial, check, 1);
}

// Rule: m factors; distinct roots in -4..4 without 0; multiplicity at most 4 (polynomial)
// or 2 (rational); single-root mode gives multiplicity 1; a rational function has one
// root in its denominator.
TEST(GuessRecipes, FactorChoice) {
    const struct Row {
        bool rational;
        int m;
        bool singleRoot;
    } rows[] = {
        {false, 2, false}, {false, 5, false}, {false, 8, false}, {false, 8, true},
        {true, 1, false},  {true, 4, false},  {true, 8, false},  {true, 8, true},
    };
    for (const Row& row : rows) {
        for (std::uint64_t seed = 1; seed <= 200; ++seed) {
            SCOPED_TRACE("rational " + std::to_string(row.rational) + " m " + std::to_string(row.m) + " single " +
                         std::to_string(row.singleRoot) + " seed " + std::to_string(seed));
            RandomGenerator random(seed);
            GuessDraws draw(random);
            const auto roots = ChooseFactors(row.rational, row.m, row.singleRoot, draw);
            int total = 0, below = 0;
            for (std::size_t i = 0; i < roots.size(); ++i) {
                const RootFactor& f = roots[i];
                total += f.multiplicity;
                below += f.denominator;
                EXPECT_NE(f.root, 0);
                EXPECT_GE(f.root, -4);
                EXPECT_LE(f.root, 4);
                const int most = row.singleRoot ? 1 : std::min(row.m, row.rational ? 2 : 4);
                EXPECT_LE(f.multiplicity, most);
                EXPECT_TRUE(i == 0 || roots[i - 1].root < f.root) << "distinct, in order";
            }
            EXPECT_EQ(total, row.m);
            EXPECT_EQ(below, row.rational ? 1 : 0);
        }
    }
}

// Rule: the leading factor n/d = k*Q/P with k the whole part of |f(0)|(s+4)h/(w(hi-lo)),
// worked by hand; k < 1 and k*Q beyond 2^31 - 1 fail, as does a range above 30 times the
// smallest interval maximum.
TEST(GuessRecipes, FactorScaling) {
    const struct Row {
        const char* name;
        std::vector<RootFactor> roots;
        int width, height;
        bool ok;
        long long n, d;
    } rows[] = {
        // (x-1)(x-2): f(0) = 2, samples -0.1875 -0.25 -0.1875, range -2..2, s = 1:
        // k = floor(2*5*300/(400*4)) = 1, n/d = 1/2.
        {"(x-1)(x-2)", {{1, 1, false}, {2, 1, false}}, 400, 300, true, 1, 2},
        // The same in a window four times as tall: k = floor(7.5) = 7.
        {"tall", {{1, 1, false}, {2, 1, false}}, 400, 1200, true, 7, 2},
        // (x-1)/(x+1): P = 1, Q = 1, f(0) = 1; between -1 and 1 the samples reach -7
        // (x = -0.75) and -0.143 (x = 0.75): range -7..2 = 9 <= 30*7; k = floor(1*6*300/(400*9)) = 0.
        {"k below 1", {{-1, 1, true}, {1, 1, false}}, 400, 300, false, 0, 0},
        {"k*Q too large", {{1, 1, false}, {2, 1, false}}, 1, 1 << 30, false, 0, 0},
        // (x-1)(x-2)(x-3)^2: the largest |f| is 0.574 between 1 and 2 and 0.1875
        // between 2 and 3; f(0) = 18, so the range -2..18 = 20 > 30*0.1875.
        {"range too wide", {{1, 1, false}, {2, 1, false}, {3, 2, false}}, 400, 300, false, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const FactorScaling s = ScaleFactors(row.roots, row.width, row.height);
        EXPECT_EQ(s.ok, row.ok);
        if (row.ok) {
            EXPECT_EQ(s.numerator, row.n);
            EXPECT_EQ(s.denominator, row.d);
        }
    }
}

// Rule: S ends the attempts with the fixed fallback formulas.
TEST(GuessRecipes, StoppedAttemptsFallBack) {
    GuessSettings settings;
    for (bool rational : {false, true}) {
        RandomGenerator random(5);
        GuessDraws draw(random);
        // A window one pixel tall never scales: k < 1 at every attempt.
        View view = ClientView(4000, 1);
        int polls = 0;
        const GuessTarget t = MakeFactorTarget(rational, 3, draw, settings, view, [&polls] { return ++polls == 3; });
        EXPECT_TRUE(t.fallback);
        EXPECT_EQ(t.attempts, 3);
        EXPECT_EQ(t.text, rational ? "(x-1)(x-2)/(x+1)" : "(x-1)(x-2)(x+1)");
        EXPECT_EQ(t.verticals.size(), rational ? 1u : 0u);
    }
}

GuessVerdict Judge(const char* target, const std::string& guess, RandomGenerator& random) {
    EvalContext context;
    FormulaCompiler compiler(context);
    EXPECT_EQ(compiler.CompileFormula(target), 0);
    ExprTree t = compiler.TakeResult();
    EXPECT_EQ(compiler.CompileFormula(guess), 0) << guess;
    ExprTree g = compiler.TakeResult();
    return JudgeGuess(context, t.root, g.root, ClientView(), random);
}

// The comparison: 25 points of the view, undefined points skipped, 0.001.
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
    // A guess off by more than 0.001 at one of the 25 points only is wrong.
    const View view = ClientView();
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
    void SetUp() override {
        platform.SetConfigDirectory(folder.WithSlash());
        Open();
    }

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
    EXPECT_EQ(game->Examples().LastExample(), 0);
    EXPECT_EQ(game->Examples()[0].texts[1], game->Target().text);
    EXPECT_EQ(game->Target().family, kFamilyPolynomial) << "only flag 1 is on at first";
    EXPECT_TRUE(Title().starts_with(res::String(205))) << Title();
    EXPECT_NE(Title().find("0 de 1"), std::string::npos) << Title();
    EXPECT_GT(PixelsOf(ColourRGB(0)), 100) << "the target is drawn";
}

TEST_F(Game, WrongGuessIsDrawnAndOfferedAgain) {
    Guess(game->Target().text + "+1");
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
TEST_F(Game, SelectionDialog) {
    const SwitchRow rows[] = {
        {"expressions count", "1+1", "2*4", 0},
        {"lowest below 1", "0", "3", 17},
        {"highest above 8", "2", "9", 17},
        {"highest below lowest", "3", "2", 17},
        {"not a whole number", "2.5", "3", 17},
    };
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
    // With only the abs flag on, flag 3 comes on with "precisa ao menos".
    platform.ClearLogs();
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
