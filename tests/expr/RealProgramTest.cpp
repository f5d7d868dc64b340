// The flat real-mode program against the tree: the same bytes, defined flags, nearBreak,
// letters and random state at every argument, for formulas that use every instruction.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "FormulaTestSupport.h"
#include "expr/ExprTree.h"
#include "expr/Opcodes.h"
#include "expr/RealProgram.h"

namespace korvane {
namespace {

constexpr int kSlotX = 'X' - '@';

std::vector<long double> Arguments() {
    std::vector<long double> xs;
    for (long double x = -6.0L; x <= 6.0L; x += 0.125L)
        xs.push_back(x);
    for (long double x : {-0.0L, 1e-19L, -1e-19L, 0.0005L, 0.999L, 1.0L, 2.0L, 3.0L, 1e5L, 1e17L,
                          1e18L, -1e18L, 1e19L, 4e18L, 6e18L, 4999.5L, 5001.0L, -5001.0L, 12000.0L,
                          1e300L, 1e4000L, -1e4000L, 1.5L})
        xs.push_back(x);
    xs.push_back(std::numeric_limits<long double>::infinity());
    xs.push_back(-std::numeric_limits<long double>::infinity());
    xs.push_back(std::numeric_limits<long double>::quiet_NaN());
    return xs;
}

// Evaluates the tree in one context and the program in a twin, argument by argument.
void ExpectSameAsTree(ExprNode* treeRoot, ExprNode* programRoot, testing::Formulas& tree,
                      testing::Formulas& program) {
    RealProgram compiled(programRoot);
    for (long double x : Arguments()) {
        SCOPED_TRACE(::testing::Message() << "x = " << static_cast<double>(x));
        tree.ctx.nearBreak = program.ctx.nearBreak = false;
        long double expected = -7.0L;
        long double actual = -7.0L;
        const bool expectedDefined = EvaluateAt(tree.ctx, treeRoot, kSlotX, x, expected);
        const bool actualDefined = compiled.EvaluateAt(program.ctx, kSlotX, x, actual);
        testing::ExpectSameRun(program, actualDefined, actual, tree, expectedDefined, expected,
                               true);
    }
}

// The formula compiled twice, with one letter set in both contexts; `compiled` (unless -1)
// says whether the program runs it or hands the tree over.
void ExpectSameAsTree(const char* text, char letter, ComplexValue value, int compiled = -1) {
    SCOPED_TRACE(text);
    testing::Formulas tree;
    testing::Formulas program;
    tree.ctx.letterValues[letter - '@'] = program.ctx.letterValues[letter - '@'] = value;
    ASSERT_EQ(tree.compiler.CompileFormula(text), 0);
    ASSERT_EQ(program.compiler.CompileFormula(text), 0);
    ExprTree a = tree.compiler.TakeResult();
    ExprTree b = program.compiler.TakeResult();
    if (compiled >= 0) {
        EXPECT_EQ(RealProgram(b.root).Compiled(), compiled == 1);
    }
    ExpectSameAsTree(a.root, b.root, tree, program);
}

struct Row {
    const char* text;
    bool compiled = true; // false: the program hands the tree over
};

const Row kRows[] = {
    {"x"}, {"7"}, {"x+1"}, {"1+x"}, {"x-1"}, {"1-x"}, {"2x"}, {"x*2"}, {"x/3"}, {"3/x"}, {"a+x"},
    {"a-x"}, {"x-a"}, {"a/x"}, {"x/a"}, {"ax"}, {"-x"}, {"x^2-2x+1"}, {"x^3"}, {"x^-2"}, {"x^0"},
    {"x^2.5"}, {"(x-1)(x-2)(x+1)/(x+3)"}, {"(x+1)/(x-1)"}, {"1/(x-x)"}, {"x*1e17*100"},
    {"1e-10x*1e-10"}, {"(1e10x)^2"}, {"1e17x/1e-5"}, {"xsin(x)"}, {"sin(2x)cos(x)+sqrt(abs(x))"},
    {"exp(-xx/2)/sqrt(2pi)"}, {"exp(x)"}, {"exp(1000x)"}, {"sqrt(x)"}, {"abs(x-1)"}, {"cos(1e18x)"},
    {"ln(x)"}, {"tan(x)"}, {"sec(x)"}, {"csch(x)"}, {"coth(x-1)"}, {"sgn(x)"}, {"int(x)"},
    {"frac(x)"}, {"max(x,2)"}, {"min(x,-x)"}, {"mod(x,3)"}, {"binom(5,x)"}, {"gamma(x)"},
    {"erf(x)"}, {"arcsin(x)"}, {"root(3,x)"}, {"2^x"}, {"x^x"}, {"joinx(x+1|0,1-x^2|2,-1)"},
    {"joinx(1/x|1,x)"}, {"joinx(x|1/(x-2),3)"}, {"joint(x|1,2)"}, {"sum(1/n^2,n,1,20)"},
    {"prod(1+x/n,n,1,5)"}, {"sum(1/(n-3),n,1,5)"}, {"sum(n,n,1,x)"}, {"sum(n,n,3,1)"},
    {"nsum(n,n,1,3)"}, {"sum(n,n,1,3)n"}, {"sum(x,x,1,3)+x"}, {"sum(sum(mn,m,1,n),n,1,4)"},
    {"prod(1e10,n,1,3)"}, {"sum(1/x,n,1,3)"}, {"rnd(1)x"}, {"rnd(x)"}, {"chi(0,1,x)"}, {"hvs(x)"},
    {"iter(3,x/2)", false}, {"x+iter(2,x+1)", false},
    // Every kind of fused operand with every action, and undefined steps inside them.
    {"x/a-1"}, {"sin(x)/cos(a)"}, {"1/x+exp(x)"}, {"sqrt(a)-sqrt(x)"}, {"abs(x)*abs(a-x)"},
    {"x^3-a^2"}, {"(x*a)/(a-x)"}, {"(1-x)/(x+a)"}, {"exp(x)/(x-x)"}, {"sin(2x)-x/1e-20"},
    {"sqrt(x)*x^2+sin(x)*cos(a)"}, {"x/(1/x)"}, {"(2/x)/(3-x)"}, {"cos(x)-(x/a)"},
    {"1e10/(x*1e-10)"}, {"exp(x)-exp(x)*exp(a)"}, {"(x+a)+(x-a)*(a*x)"}, {"x^-1-(x+1)^2"},
    {"joinx(sqrt(x)|1,x/(x-1))"}, {"sum(sqrt(n-3)+n/x,n,1,6)"},
};

// Short formulas become a few fused steps with nothing on the stack.
TEST(RealProgram, LeavesAreFusedIntoTheirOperators) {
    const struct {
        const char* text;
        std::size_t size; // instructions, the end included
    } rows[] = {{"x", 2}, {"xsin(x)", 3}, {"x^2-2x+1", 4}, {"(x-1)(x-2)(x+1)/(x+3)", 5},
                {"exp(-xx/2)/sqrt(2pi)", 6}, {"ax+b", 3}, {"sin(x)+cos(x)", 3}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        testing::Formulas f;
        ASSERT_EQ(f.compiler.CompileFormula(row.text), 0);
        ExprTree tree = f.compiler.TakeResult();
        EXPECT_EQ(RealProgram(tree.root).Size(), row.size);
    }
}

TEST(RealProgram, SameAsTheTreeEverywhere) {
    for (const Row& row : kRows)
        ExpectSameAsTree(row.text, 'A', {0.75L, 0.0L}, row.compiled ? 1 : 0);
}

// Shapes the parser does not write but the derivative does: 10, 193 and 194, registers.
using testing::Built;

ExprNode* X(Built& b) { return b.Node('X'); }
ExprNode* Reciprocal(Built& b) { return b.Node(op::Divide, b.Const(1), X(b)); }

const struct {
    const char* name;
    ExprNode* (*make)(Built& b);
} kShapes[] = {
    {"fallback", [](Built& b) { return b.Node(op::Fallback, Reciprocal(b), X(b)); }},
    {"fallback, right undefined",
     [](Built& b) { return b.Node(op::Fallback, X(b), b.Node(op::Sqrt, nullptr, X(b))); }},
    {"select max",
     [](Built& b) {
         return b.Node(op::SelectMax, X(b), b.Const(2), b.Node(op::Minus, X(b), b.Const(1)));
     }},
    {"select min, an undefined branch",
     [](Built& b) { return b.Node(op::SelectMin, Reciprocal(b), b.Const(2), X(b)); }},
    {"select without a condition",
     [](Built& b) { return b.Node(op::SelectMax, X(b), b.Const(2)); }},
    {"join without a left branch",
     [](Built& b) { return b.Node(op::JoinX, nullptr, X(b), b.Const(1)); }},
    {"register", [](Built& b) { return b.Node(op::Times, b.Node(op::Register0 + 2), X(b)); }},
    {"unary minus and square",
     [](Built& b) {
         return b.Node(op::UnaryMinus, nullptr, b.Node(op::Square, nullptr, Reciprocal(b)));
     }},
};

TEST(RealProgram, ShapesOfTheDerivative) {
    for (const auto& shape : kShapes) {
        SCOPED_TRACE(shape.name);
        testing::Formulas tree;
        testing::Formulas program;
        tree.ctx.registers[2] = program.ctx.registers[2] = {-3.5L, 0.0L};
        Built a;
        Built b;
        a.tree.root = shape.make(a);
        b.tree.root = shape.make(b);
        EXPECT_TRUE(RealProgram(b.tree.root).Compiled());
        ExpectSameAsTree(a.tree.root, b.tree.root, tree, program);
    }
}

// A letter or register with an imaginary part, left by complex mode, sends the whole
// evaluation to the tree's general rules.
TEST(RealProgram, ImaginaryPartsGoToTheTree) {
    const struct {
        const char* text;
        char letter;
    } rows[] = {{"a*x", 'A'}, {"x+b+sum(n,n,1,2)", 'B'}, {"sum(n+c,n,1,3)", 'C'}};
    for (const auto& row : rows)
        ExpectSameAsTree(row.text, row.letter, {1.0L, 2.0L});
}

TEST(RealProgram, FollowsLettersAndHandsComplexModeToTheTree) {
    testing::Formulas f;
    ASSERT_EQ(f.compiler.CompileFormula("sqrt(ax)+1"), 0);
    ExprTree tree = f.compiler.TakeResult();
    RealProgram program(tree.root);
    ASSERT_TRUE(program.Compiled());
    long double out = 0;
    f.ctx.letterValues['A' - '@'] = {2.0L, 0.0L};
    EXPECT_TRUE(program.EvaluateAt(f.ctx, kSlotX, 8.0L, out));
    EXPECT_EQ(out, 5.0L);
    f.ctx.letterValues['A' - '@'] = {-1.0L, 0.0L};
    EXPECT_FALSE(program.EvaluateAt(f.ctx, kSlotX, 4.0L, out)) << "sqrt(-4) is undefined in real mode";
    EXPECT_EQ(f.ctx.letterValues[kSlotX].re, 4.0L);
    f.ctx.SetComplexMode(true);
    EXPECT_TRUE(program.EvaluateAt(f.ctx, kSlotX, 4.0L, out)) << "2i + 1";
    EXPECT_EQ(out, 1.0L);
    EXPECT_FALSE(program.EvaluateAt(f.ctx, kLetterCount, 4.0L, out));
}

TEST(RealProgram, EmptyAndTooDeepTreesAreLeftToTheTree) {
    EXPECT_FALSE(RealProgram(nullptr).Compiled());
    testing::Formulas f;
    std::string text = "x";
    for (int i = 0; i < RealProgram::kMaxDepth + 2; ++i)
        text = "sin(2x)*(" + text + ")"; // neither factor is a leaf: each one is pushed
    ASSERT_EQ(f.compiler.CompileFormula(text), 0);
    ExprTree tree = f.compiler.TakeResult();
    const RealProgram program(tree.root);
    EXPECT_FALSE(program.Compiled());
    long double out = 0;
    long double expected = 0;
    EXPECT_EQ(program.EvaluateAt(f.ctx, kSlotX, 0.5L, out),
              EvaluateAt(f.ctx, tree.root, kSlotX, 0.5L, expected));
    EXPECT_EQ(out, expected);
}

} // namespace
} // namespace korvane
