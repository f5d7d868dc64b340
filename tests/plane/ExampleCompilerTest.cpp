// The compile step: which text lands in which slot for every kind, the cartesian forms of
// polar curves, the periodic wrap and the derivative slots, checked by evaluating the
// trees against <cmath>.
#include "expr/CompileCodes.h"
#include "plane/ExampleCompiler.h"

#include "expr/EvalContext.h"
#include "expr/Evaluator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace korvane {
namespace {

constexpr int kX = 'X' - 64;
constexpr int kY = 'Y' - 64;
constexpr int kT = 'T' - 64;

using Reference = std::function<long double(long double, long double)>; // (x or t, y)

class CompileStep : public ::testing::Test {
protected:
    EvalContext context;
    FormulaCompiler compiler{context};

    ExampleRecord Make(std::int16_t kind, std::vector<std::string> texts) {
        ExampleRecord e;
        e.Initialise(kind, 3);
        for (std::size_t i = 0; i < texts.size(); ++i)
            e.texts[i] = texts[i];
        return e;
    }

    // The slot evaluated at `at` for the variable `letter`, with Y set to `y`.
    long double Value(const ExampleRecord& e, int slot, int letter, long double at, long double y = 0) {
        context.SetLetter(kY, y);
        long double out = 0;
        EXPECT_TRUE(EvaluateAt(context, e.Tree(slot), letter, at, out)) << "slot " << slot << " at " << at;
        return out;
    }
};

struct SlotRow {
    const char* what;
    std::int16_t kind;
    std::vector<std::string> texts;
    int slot;
    int letter;
    Reference reference;
    int flag = 0; // a switch set before compiling
};

TEST_F(CompileStep, EachKindFillsItsSlots) {
    using L = long double;
    using Texts = std::vector<std::string>;
    const Texts f{"", "xsin(x)"}, rose{"", "", "3cos(2t)"}, curve{"3cos(3t)", "3sin(4t)"};
    const Texts circle{"", "", "xx+yy-(13)"}, segment{"-1.5", "3.0", "3.5", "1.0"};
    const Texts system{"xx-yy", "2xy"}, recursive{"1+abs(x)-y", "x"}, spiral{"1+t", "2t"};
    const SlotRow rows[] = {
        {"explicit f", kExplicit, f, 1, kX, [](L x, L) { return x * std::sin(x); }},
        {"explicit slot 4", kExplicit, f, 4, kX, [](L, L) { return 1.0L; }},
        {"explicit f'", kExplicit, f, 5, kX, [](L x, L) { return std::sin(x) + x * std::cos(x); }},
        {"indefinite integrand", kIndefiniteIntegral, {"", "cos(x)"}, 1, kX,
         [](L x, L) { return std::cos(x); }},
        {"polar x", kPolar, rose, 0, kT, [](L t, L) { return 3 * std::cos(2 * t) * std::cos(t); }},
        {"polar y", kPolar, rose, 1, kT, [](L t, L) { return 3 * std::cos(2 * t) * std::sin(t); }},
        {"polar r", kPolar, rose, 2, kT, [](L t, L) { return 3 * std::cos(2 * t); }},
        {"polar dx/dt", kPolar, rose, 4, kT,
         [](L t, L) {
             return -6 * std::sin(2 * t) * std::cos(t) - 3 * std::cos(2 * t) * std::sin(t);
         }},
        {"polar dy/dt", kPolar, rose, 5, kT,
         [](L t, L) {
             return -6 * std::sin(2 * t) * std::sin(t) + 3 * std::cos(2 * t) * std::cos(t);
         }},
        {"polar dr/dt", kPolar, rose, 6, kT, [](L t, L) { return -6 * std::sin(2 * t); }},
        {"parametric x", kParametric, curve, 0, kT, [](L t, L) { return 3 * std::cos(3 * t); }},
        {"parametric y", kParametric, curve, 1, kT, [](L t, L) { return 3 * std::sin(4 * t); }},
        {"parametric x'", kParametric, curve, 4, kT, [](L t, L) { return -9 * std::sin(3 * t); }},
        {"parametric y'", kParametric, curve, 5, kT, [](L t, L) { return 12 * std::cos(4 * t); }},
        {"implicit F", kImplicit, circle, 2, kX, [](L x, L y) { return x * x + y * y - 13; }},
        {"implicit dF/dx", kImplicit, circle, 4, kX, [](L x, L) { return 2 * x; }},
        {"implicit dF/dy", kImplicit, circle, 5, kX, [](L, L y) { return 2 * y; }},
        {"segment a", kSegment, segment, 0, kX, [](L, L) { return -1.5L; }},
        {"segment b", kSegment, segment, 1, kX, [](L, L) { return 3.0L; }},
        {"segment c", kSegment, segment, 2, kX, [](L, L) { return 3.5L; }},
        {"segment d", kSegment, segment, 3, kX, [](L, L) { return 1.0L; }},
        {"line c", kLine, {"2.54", "1.732", "3.141"}, 2, kX, [](L, L) { return 3.141L; }},
        {"point y", kPoint, {"1", "2"}, 1, kX, [](L, L) { return 2.0L; }},
        {"system x'", kSystem, system, 0, kX, [](L x, L y) { return x * x - y * y; }},
        {"system y'", kSystem, system, 1, kX, [](L x, L y) { return 2 * x * y; }},
        {"dy/dx", kSlopeField, {"", "", "x-y"}, 2, kX, [](L x, L y) { return x - y; }},
        {"recursive new x", kRecursive, recursive, 0, kX,
         [](L x, L y) { return 1 + std::fabs(x) - y; }},
        {"recursive new y", kRecursive, recursive, 1, kX, [](L x, L) { return x; }},
        {"system restriction", kSystem, {"x", "y", "", "1-xx-yy"}, 3, kX,
         [](L x, L y) { return 1 - x * x - y * y; }, exo::kFlag50},
        // Polar parametric becomes cartesian; the derivatives follow the cartesian form.
        {"polar parametric x", kParametric, spiral, 0, kT,
         [](L t, L) { return (1 + t) * std::cos(2 * t); }, exo::kFlag60},
        {"polar parametric y", kParametric, spiral, 1, kT,
         [](L t, L) { return (1 + t) * std::sin(2 * t); }, exo::kFlag60},
        {"polar parametric x'", kParametric, spiral, 4, kT,
         [](L t, L) { return std::cos(2 * t) - 2 * (1 + t) * std::sin(2 * t); }, exo::kFlag60},
    };
    constexpr long double kAt[] = {-2.25L, -0.5L, 0.3L, 1.7L};
    for (const SlotRow& row : rows) {
        SCOPED_TRACE(row.what);
        ExampleRecord e = Make(row.kind, row.texts);
        if (row.flag != 0)
            e.SetFlag(row.flag, true);
        ASSERT_EQ(CompileExample(compiler, e, true), 0);
        ASSERT_NE(e.Tree(row.slot), nullptr);
        for (long double at : kAt) {
            const long double y = 0.75L;
            const long double expected = row.reference(at, y);
            EXPECT_NEAR(static_cast<double>(Value(e, row.slot, row.letter, at, y)), static_cast<double>(expected),
                        1e-15 * (1 + std::fabs(static_cast<double>(expected))))
                << "at " << static_cast<double>(at);
        }
    }
}

// Slots a kind leaves empty; a polynomial has no formula tree; no derivatives unless
// asked for; a failure gives its code and leaves no tree at all.
TEST_F(CompileStep, SlotsLeftEmpty) {
    const struct {
        const char* what;
        std::int16_t kind;
        std::vector<std::string> texts;
        std::vector<int> emptySlots;
        int flag = 0;
        bool derivatives = true;
        int code = 0;
    } rows[] = {
        {"explicit", kExplicit, {"9", "x", "9", "9"}, {0, 2, 3, 6}},
        {"polar", kPolar, {"9", "9", "t", "9"}, {3}},
        {"implicit", kImplicit, {"9", "9", "x-y", "9"}, {0, 1, 3, 6}},
        {"line", kLine, {"1", "2", "3", "9"}, {3, 4, 5, 6}},
        {"system without restriction", kSystem, {"x", "y", "", "x+y"}, {2, 3}},
        {"dy/dx", kSlopeField, {"9", "9", "x", "9"}, {0, 1, 3}},
        {"list", kPointList, {"", "", "", "1, 2, 3"}, {0, 1, 2, 3}},
        {"polynomial", kExplicit, {"", "x"}, {1, 5}, exo::kFlag59},
        {"no derivatives", kParametric, {"t", "tt"}, {4, 5, 6}, 0, false},
        {"failure", kParametric, {"t", "sin("}, {0, 1, 2, 3, 4, 5, 6}, 0, true,
         code::UnmatchedParentheses},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        ExampleRecord e = Make(row.kind, row.texts);
        if (row.flag != 0)
            e.SetFlag(row.flag, true);
        ASSERT_EQ(CompileExample(compiler, e, row.derivatives), row.code);
        for (int slot : row.emptySlots)
            EXPECT_EQ(e.Tree(slot), nullptr) << "slot " << slot;
    }
}

struct WrapRow {
    long double x;
    long double expected; // f(x) = x wrapped into [start, start + length)
};

TEST_F(CompileStep, PeriodicWrapRepeatsThePeriodAndBreaksAtItsEnds) {
    ExampleRecord e = Make(kExplicit, {"", "x"});
    e.SetFlag(exo::kFlag57, true);
    e.SetReal(exo::kPeriodStart, -1);
    e.SetReal(exo::kPeriodLength, 2);
    ASSERT_EQ(CompileExample(compiler, e, true), 0);
    const WrapRow rows[] = {{-1, -1}, {-0.5L, -0.5L}, {0.99L, 0.99L}, {1.01L, -0.99L}, {2.5L, 0.5L},
                            {-1.5L, 0.5L}, {-3.25L, 0.75L}, {7, -1}};
    for (const WrapRow& row : rows) {
        SCOPED_TRACE(static_cast<double>(row.x));
        EXPECT_NEAR(static_cast<double>(Value(e, 1, kX, row.x)), static_cast<double>(row.expected), 1e-15);
    }
    // Close below the end of a period the evaluation warns of the jump.
    context.tolerance = 0.01L;
    context.nearBreak = false;
    Value(e, 1, kX, 0.995L);
    EXPECT_TRUE(context.nearBreak);
    context.nearBreak = false;
    Value(e, 1, kX, 0.2L);
    EXPECT_FALSE(context.nearBreak);
}

TEST_F(CompileStep, RecompilingReplacesTheOldTrees) {
    ExampleRecord e = Make(kExplicit, {"", "x"});
    ASSERT_EQ(CompileExample(compiler, e, true), 0);
    e.texts[1] = "xx";
    ASSERT_EQ(CompileExample(compiler, e, true), 0);
    EXPECT_NEAR(static_cast<double>(Value(e, 1, kX, 3)), 9, 1e-18);
    EXPECT_NEAR(static_cast<double>(Value(e, 5, kX, 3)), 6, 1e-18);
}

TEST_F(CompileStep, LettersInUseOfTreesAndTrajectoryFormulas) {
    ExampleRecord e = Make(kSystem, {"ax-y", "b+x"});
    ASSERT_EQ(CompileExample(compiler, e, true), 0);
    TrajectoryRecord withFormulas;
    withFormulas.SetI16(tro::kKind, 1001);
    withFormulas.formulas = {"c", "", "dd", ""};
    e.trajectories.push_back(withFormulas);
    std::array<bool, 256> inUse{};
    MarkLettersInUse(e, inUse, compiler);
    for (char c = 'A'; c <= 'Z'; ++c) {
        SCOPED_TRACE(std::string(1, c));
        const bool expected = c == 'A' || c == 'B' || c == 'C' || c == 'D' || c == 'X' || c == 'Y';
        EXPECT_EQ(inUse[static_cast<std::size_t>(c)], expected);
    }
    // The form without a compiler sees the trees only.
    std::array<bool, 256> treesOnly{};
    MarkLettersInUse(e, treesOnly);
    EXPECT_TRUE(treesOnly['A']);
    EXPECT_FALSE(treesOnly['C']);
}

} // namespace
} // namespace korvane
