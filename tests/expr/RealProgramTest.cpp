// The flat real-mode program against the tree: the same bytes, defined flags, nearBreak,
// letters and random state at every argument, for formulas that use every instruction.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
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

bool SameBits(long double a, long double b) { return std::memcmp(&a, &b, 10) == 0; }

bool SameLetters(const EvalContext& a, const EvalContext& b) {
    for (int i = 0; i < kLetterCount; ++i)
        if (!SameBits(a.letterValues[i].re, b.letterValues[i].re) ||
            !SameBits(a.letterValues[i].im, b.letterValues[i].im))
            return false;
    return true;
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
        EXPECT_EQ(actualDefined, expectedDefined);
        EXPECT_TRUE(SameBits(actual, expected))
            << "program " << static_cast<double>(actual) << ", tree " << static_cast<double>(expected);
        EXPECT_EQ(program.ctx.nearBreak, tree.ctx.nearBreak);
        EXPECT_TRUE(SameLetters(program.ctx, tree.ctx));
        EXPECT_EQ(program.random.State(), tree.random.State());
    }
}

struct Row {
    const char* text;
    bool compiled; // false: the program hands the tree over
};

const Row kRows[] = {
    {"x", true}, {"7", true}, {"x+1", true}, {"1+x", true}, {"x-1", true}, {"1-x", true},
    {"2x", true}, {"x*2", true}, {"x/3", true}, {"3/x", true}, {"a+x", true}, {"a-x", true},
    {"x-a", true}, {"a/x", true}, {"x/a", true}, {"ax", true}, {"-x", true},
    {"x^2-2x+1", true}, {"x^3", true}, {"x^-2", true}, {"x^0", true}, {"x^2.5", true},
    {"(x-1)(x-2)(x+1)/(x+3)", true}, {"(x+1)/(x-1)", true}, {"1/(x-x)", true},
    {"x*1e17*100", true}, {"1e-10x*1e-10", true}, {"(1e10x)^2", true}, {"1e17x/1e-5", true},
    {"xsin(x)", true}, {"sin(2x)cos(x)+sqrt(abs(x))", true}, {"exp(-xx/2)/sqrt(2pi)", true},
    {"exp(x)", true}, {"exp(1000x)", true}, {"sqrt(x)", true}, {"abs(x-1)", true},
    {"cos(1e18x)", true}, {"ln(x)", true}, {"tan(x)", true}, {"sec(x)", true}, {"csch(x)", true},
    {"coth(x-1)", true}, {"sgn(x)", true}, {"int(x)", true}, {"frac(x)", true}, {"max(x,2)", true},
    {"min(x,-x)", true}, {"mod(x,3)", true}, {"binom(5,x)", true}, {"gamma(x)", true},
    {"erf(x)", true}, {"arcsin(x)", true}, {"root(3,x)", true}, {"2^x", true}, {"x^x", true},
    {"joinx(x+1|0,1-x^2|2,-1)", true}, {"joinx(1/x|1,x)", true}, {"joinx(x|1/(x-2),3)", true},
    {"joint(x|1,2)", true}, {"sum(1/n^2,n,1,20)", true}, {"prod(1+x/n,n,1,5)", true},
    {"sum(1/(n-3),n,1,5)", true}, {"sum(n,n,1,x)", true}, {"sum(n,n,3,1)", true},
    {"nsum(n,n,1,3)", true}, {"sum(n,n,1,3)n", true}, {"sum(x,x,1,3)+x", true},
    {"sum(sum(mn,m,1,n),n,1,4)", true}, {"prod(1e10,n,1,3)", true}, {"sum(1/x,n,1,3)", true},
    {"rnd(1)x", true}, {"rnd(x)", true}, {"chi(0,1,x)", true}, {"hvs(x)", true},
    {"iter(3,x/2)", false}, {"x+iter(2,x+1)", false},
    // Every kind of fused operand with every action, and undefined steps inside them.
    {"x/a-1", true}, {"sin(x)/cos(a)", true}, {"1/x+exp(x)", true}, {"sqrt(a)-sqrt(x)", true},
    {"abs(x)*abs(a-x)", true}, {"x^3-a^2", true}, {"(x*a)/(a-x)", true}, {"(1-x)/(x+a)", true},
    {"exp(x)/(x-x)", true}, {"sin(2x)-x/1e-20", true}, {"sqrt(x)*x^2+sin(x)*cos(a)", true},
    {"x/(1/x)", true}, {"(2/x)/(3-x)", true}, {"cos(x)-(x/a)", true}, {"1e10/(x*1e-10)", true},
    {"exp(x)-exp(x)*exp(a)", true}, {"(x+a)+(x-a)*(a*x)", true}, {"x^-1-(x+1)^2", true},
    {"joinx(sqrt(x)|1,x/(x-1))", true}, {"sum(sqrt(n-3)+n/x,n,1,6)", true},
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
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.text);
        testing::Formulas tree;
        testing::Formulas program;
        tree.ctx.letterValues['A' - '@'] = program.ctx.letterValues['A' - '@'] = {0.75L, 0.0L};
        ASSERT_EQ(tree.compiler.CompileFormula(row.text), 0);
        ASSERT_EQ(program.compiler.CompileFormula(row.text), 0);
        ExprTree a = tree.compiler.TakeResult();
        ExprTree b = program.compiler.TakeResult();
        EXPECT_EQ(RealProgram(b.root).Compiled(), row.compiled);
        ExpectSameAsTree(a.root, b.root, tree, program);
    }
}

// Shapes the parser does not write but the derivative does: 10, 193 and 194, registers.
struct Shape {
    const char* name;
    ExprNode* (*make)(ExprTree& t);
};

ExprNode* Letter(ExprTree& t, char c) { return t.NewNode(static_cast<short>(c)); }
ExprNode* Number(ExprTree& t, long double v) { return t.NewConstant({v, 0.0L}); }
ExprNode* Reciprocal(ExprTree& t, ExprNode* n) { return t.NewNode(op::Divide, Number(t, 1), n); }

const Shape kShapes[] = {
    {"fallback", [](ExprTree& t) {
         return t.NewNode(op::Fallback, Reciprocal(t, Letter(t, 'X')), Letter(t, 'X'));
     }},
    {"fallback, right undefined", [](ExprTree& t) {
         return t.NewNode(op::Fallback, Letter(t, 'X'),
                          t.NewNode(op::Sqrt, nullptr, Letter(t, 'X')));
     }},
    {"select max", [](ExprTree& t) {
         ExprNode* n = t.NewNode(op::SelectMax, Letter(t, 'X'), Number(t, 2));
         n->third = t.NewNode(op::Minus, Letter(t, 'X'), Number(t, 1));
         return n;
     }},
    {"select min, an undefined branch", [](ExprTree& t) {
         ExprNode* n = t.NewNode(op::SelectMin, Reciprocal(t, Letter(t, 'X')), Number(t, 2));
         n->third = Letter(t, 'X');
         return n;
     }},
    {"select without a condition",
     [](ExprTree& t) { return t.NewNode(op::SelectMax, Letter(t, 'X'), Number(t, 2)); }},
    {"join without a left branch", [](ExprTree& t) {
         ExprNode* n = t.NewNode(op::JoinX, nullptr, Letter(t, 'X'));
         n->third = Number(t, 1);
         return n;
     }},
    {"register", [](ExprTree& t) {
         return t.NewNode(op::Times, t.NewNode(op::Register0 + 2), Letter(t, 'X'));
     }},
    {"unary minus and square", [](ExprTree& t) {
         return t.NewNode(op::UnaryMinus, nullptr,
                          t.NewNode(op::Square, nullptr, Reciprocal(t, Letter(t, 'X'))));
     }},
};

TEST(RealProgram, ShapesOfTheDerivative) {
    for (const Shape& shape : kShapes) {
        SCOPED_TRACE(shape.name);
        testing::Formulas tree;
        testing::Formulas program;
        tree.ctx.registers[2] = program.ctx.registers[2] = {-3.5L, 0.0L};
        ExprTree a;
        ExprTree b;
        a.root = shape.make(a);
        b.root = shape.make(b);
        EXPECT_TRUE(RealProgram(b.root).Compiled());
        ExpectSameAsTree(a.root, b.root, tree, program);
    }
}

// A letter or register with an imaginary part, left by complex mode, sends the whole
// evaluation to the tree's general rules.
TEST(RealProgram, ImaginaryPartsGoToTheTree) {
    const struct {
        const char* text;
        char letter;
    } rows[] = {{"a*x", 'A'}, {"x+b+sum(n,n,1,2)", 'B'}, {"sum(n+c,n,1,3)", 'C'}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        testing::Formulas tree;
        testing::Formulas program;
        tree.ctx.letterValues[row.letter - '@'] = program.ctx.letterValues[row.letter - '@'] = {1.0L, 2.0L};
        ASSERT_EQ(tree.compiler.CompileFormula(row.text), 0);
        ASSERT_EQ(program.compiler.CompileFormula(row.text), 0);
        ExprTree a = tree.compiler.TakeResult();
        ExprTree b = program.compiler.TakeResult();
        ExpectSameAsTree(a.root, b.root, tree, program);
    }
}

TEST(RealProgram, FollowsLettersAndHandsComplexModeToTheTree) {
    testing::Formulas f;
    ASSERT_EQ(f.compiler.CompileFormula("ax+1"), 0);
    ExprTree tree = f.compiler.TakeResult();
    RealProgram program(tree.root);
    ASSERT_TRUE(program.Compiled());
    long double out = 0;
    f.ctx.letterValues['A' - '@'] = {2.0L, 0.0L};
    EXPECT_TRUE(program.EvaluateAt(f.ctx, kSlotX, 3.0L, out));
    EXPECT_EQ(out, 7.0L);
    f.ctx.letterValues['A' - '@'] = {-1.0L, 0.0L};
    EXPECT_TRUE(program.EvaluateAt(f.ctx, kSlotX, 3.0L, out));
    EXPECT_EQ(out, -2.0L);
    EXPECT_EQ(f.ctx.letterValues[kSlotX].re, 3.0L);
    f.ctx.SetComplexMode(true);
    EXPECT_TRUE(program.EvaluateAt(f.ctx, kSlotX, 4.0L, out));
    EXPECT_EQ(out, -3.0L);
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
