// The evaluator: the undefined convention and its 1e18 guards, every structural opcode,
// and the real-mode path against the general one.
#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <string>
#include <vector>

#include "FormulaTestSupport.h"
#include "tests/support/Tolerance.h"
#include "expr/ExprTree.h"
#include "expr/Opcodes.h"

namespace korvane {
namespace {

using testing::ExpectValues;
using testing::Letter;

// The guards of Multiply and Divide (their rows are in ArithmeticTest) reach every formula;
// sums keep their size, and an undefined operand makes the whole undefined. A product
// multiplies step by step (huge times normal is plain, huge times huge overflows); sum
// bounds must be integers within the integer tolerance and range.
TEST(Evaluator, UndefinedConventionAndGuards) {
    ExpectValues({
        {"1/0", {}, false}, {"a*b", {{'A', {1e18L, 0}}, {'B', {1e18L, 0}}}, false},
        {"a/b", {{'A', {1, 0}}, {'B', {1e-19L, 0}}}, false},
        {"a+b", {{'A', {1e30L, 0}}, {'B', {1, 0}}}, true, 1e30L}, {"sqrt(-1-xx)", {}, false},
        {"ln(x)+1", {{'X', {-1, 0}}}, false}, {"1+ln(x)", {{'X', {-1, 0}}}, false},
        {"x^2", {{'X', {-3, 0}}}, true, 9}, {"x^a", {{'X', {-3, 0}}, {'A', {2, 0}}}, true, 9},
        {"x^a", {{'X', {-3, 0}}, {'A', {2.5L, 0}}}, false},
        {"prod(2,k,1,70)", {}, true, 1180591620717411303424.0L},
        {"prod(a,k,1,2)", {{'A', {1e18L, 0}}}, false},
        {"sum(1,k,1,a)", {{'A', {3.0000000001L, 0}}}, true, 3},
        {"sum(1,k,1,a)", {{'A', {3.001L, 0}}}, false}, {"sum(1,k,1,a)", {{'A', {3e9L, 0}}}, false},
    });
}

// The optimiser folds 0 * anything to 0, so the tiny-times-huge rule is seen unoptimised.
TEST(Evaluator, TinyTimesHugeGoesThroughLogarithms) {
    const testing::Outcome plain = testing::Formulas(false, false).Run("10^-20*10^20");
    EXPECT_TRUE(plain.defined);
    EXPECT_TRUE(testing::Close(plain.value, {1, 0}, 1e-15L)) << testing::Show(plain.value);
    const testing::Outcome folded = testing::Formulas().Run("10^-20*10^20");
    EXPECT_TRUE(folded.defined);
    EXPECT_TRUE(testing::Close(folded.value, {0, 0}, 1e-15L)) << testing::Show(folded.value);
}

// Complex mode: x and y are the parts of Z; products flush to zero; the divisor is the
// true |b|^2.
TEST(Evaluator, ComplexMode) {
    ExpectValues({
        {"x", {{'Z', {2, 3}}}, true, 2}, {"y", {{'Z', {2, 3}}}, true, 3},
        {"z*z", {{'Z', {2, 3}}}, true, -5, 12}, {"i*i", {}, true, -1},
        {"1/a", {{'A', {1e-10L, 0}}}, true, 1e10L},
        {"a/b", {{'A', {1, 1}}, {'B', {1, -1}}}, true, 0, 1},
        {"a*b", {{'A', {1e17L, 0}}, {'B', {100, 0}}}, false},
        {"re(z)+im(z)", {{'Z', {2, 3}}}, true, 5},
        {"arg(z)", {{'Z', {0, 2}}}, true, 1.57079632679489661923132169164L},
    }, true);
}

// joinx(f|c, g|d, h) is f for x < c, g for c <= x < d, h from d on; the branch not chosen
// may be undefined; a stray bar is 0.
TEST(Evaluator, JoinFamily) {
    const char* join = "joinx(x+1|0,1-x^2|2,-1)";
    ExpectValues({
        {join, {{'X', {-1, 0}}}, true, 0}, {join, {{'X', {0, 0}}}, true, 1},
        {join, {{'X', {1, 0}}}, true, 0}, {join, {{'X', {2, 0}}}, true, -1},
        {join, {{'X', {5, 0}}}, true, -1}, {"joinx(sqrt(x)|0,-x)", {{'X', {-4, 0}}}, false},
        {"joinx(-x|0,sqrt(x))", {{'X', {-4, 0}}}, true, 4},
        {"joinx(sqrt(x)|0,-x)", {{'X', {4, 0}}}, true, -4},
        {"joinx(ln(0-1)|0,1)", {{'X', {-1, 0}}}, false},
        {"joinx(1|ln(x),2)", {{'X', {-1, 0}}}, false},
        {"joint(1|0,2)", {{'T', {-1, 0}}, {'X', {5, 0}}}, true, 1},
        {"joinr(1|0,2)", {{'R', {0, 0}}}, true, 2}, {"joinu(1|0,2)", {{'U', {-0.5L, 0}}}, true, 1},
        {"1|2", {}, true, 0},
    });
}

TEST(Evaluator, JoinSetsNearBreakCloseToItsBreakpoint) {
    testing::Formulas formulas;
    ASSERT_EQ(formulas.compiler.CompileFormula("joinx(1|0,2)"), 0);
    ExprTree tree = formulas.compiler.TakeResult();
    for (long double x : {0.0005L, -0.0005L, 0.01L}) {
        SCOPED_TRACE(static_cast<double>(x));
        formulas.ctx.nearBreak = false;
        long double out = 0;
        EXPECT_TRUE(EvaluateAt(formulas.ctx, tree.root, 'X' - '@', x, out));
        EXPECT_EQ(formulas.ctx.nearBreak, x != 0.01L);
    }
}

// iter(n, f) applies f n times from x and puts x back, also after an undefined step; sum
// and prod leave their index at the upper bound and clear nearBreak.
TEST(Evaluator, IterationPutsXBackAndSumsLeaveTheirIndex) {
    testing::Formulas formulas;
    EXPECT_EQ(formulas.Run("iter(3,x^2)", {{'X', {2, 0}}}).value.re, 256);
    EXPECT_EQ(formulas.ctx.letterValues['X' - '@'].re, 2);
    EXPECT_FALSE(formulas.Run("iter(2,ln(x))", {{'X', {0.5L, 0}}}).defined);
    EXPECT_EQ(formulas.ctx.letterValues['X' - '@'].re, 0.5L);
    formulas.ctx.nearBreak = true;
    EXPECT_EQ(formulas.Run("sum(n,n,1,10)").value.re, 55);
    EXPECT_EQ(formulas.ctx.letterValues['N' - '@'].re, 10);
    EXPECT_FALSE(formulas.ctx.nearBreak);
}

// Trees that other parts build from nodes: fallback, registers, selections, squares,
// negation, abs of several arguments, the iterate derivative and periodic extension.
using testing::Built;

TEST(Evaluator, StructuralOpcodes) {
    Built b;
    EvalContext ctx;
    RandomGenerator random(5);
    ctx.random = &random;
    ctx.letterValues['X' - '@'] = {-2, 0};
    ctx.SetLetter(28, 7.5L); // register 1
    ExprNode* undefined = b.Node(op::Ln, nullptr, b.Const(-1));
    ExprNode* x = b.Node('X');
    struct Case {
        const char* name;
        ExprNode* tree;
        bool defined;
        ComplexValue expected;
    } cases[] = {
        {"fallback takes left", b.Node(op::Fallback, b.Const(1), b.Const(2)), true, {1, 0}},
        {"fallback after undefined left", b.Node(op::Fallback, undefined, b.Const(2)), true, {2, 0}},
        {"fallback needs right", b.Node(op::Fallback, b.Const(1), undefined), false, {}},
        {"register 1", b.Node(28), true, {7.5L, 0}},
        {"register 0", b.Node(27), true, {0, 0}},
        {"193 condition >= 0", b.Node(op::SelectMax, b.Const(1), b.Const(2), b.Const(0)), true, {1, 0}},
        {"193 condition < 0", b.Node(op::SelectMax, b.Const(1), b.Const(2), b.Const(-1)), true, {2, 0}},
        {"194 condition >= 0", b.Node(op::SelectMin, b.Const(1), b.Const(2), b.Const(3)), true, {2, 0}},
        {"194 condition < 0", b.Node(op::SelectMin, b.Const(1), b.Const(2), x), true, {1, 0}},
        {"193 needs both", b.Node(op::SelectMax, b.Const(1), undefined, b.Const(1)), false, {}},
        {"193 needs its condition", b.Node(op::SelectMax, b.Const(1), b.Const(2), undefined), false, {}},
        {"253 squares", b.Node(op::Square, nullptr, b.Const(-3)), true, {9, 0}},
        {"253 overflows", b.Node(op::Square, nullptr, b.Const(2e18L)), false, {}},
        {"146 negates", b.Node(op::UnaryMinus, nullptr, b.Const(3, 4)), true, {-3, -4}},
        {"190", b.Node(op::AbsMany, b.Const(3), b.Const(4)), true, {5, 0}},
        {"bare 221", b.Node(op::SumRange, b.Const(3), b.Const(4)), true, {0, 0}},
        {"missing node of a sum", b.Node(op::Sum, b.Const(1), b.Const(2)), false, {}},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.name);
        const bool defined = EvaluateNode(ctx, c.tree);
        EXPECT_EQ(defined, c.defined);
        if (c.defined && defined) {
            EXPECT_TRUE(testing::Close(c.tree->value, c.expected, 1e-18L)) << testing::Show(c.tree->value);
        }
    }
    EXPECT_TRUE(EvaluateNode(ctx, nullptr)) << "a missing node counts as defined";
}

// 199: (f^n)'(x) = product of f'(x_k) along the iterates; 200: f of x shifted into
// [a, a + p); both put X back.
TEST(Evaluator, IterateDerivativeAndPeriodicExtension) {
    Built b;
    EvalContext ctx;
    // f = x^2 (as x*x), f' = 2x; n = 3 at x = 2: 2*2 * 2*4 * 2*16 = 1024
    ExprNode* f = b.Node(op::Times, b.Node('X'), b.Node('X'));
    ExprNode* df = b.Node(op::Times, b.Const(2), b.Node('X'));
    ExprNode* derivative = b.Node(op::IterDerivative, df, f);
    derivative->aux = 3;
    ctx.letterValues['X' - '@'] = {2, 0};
    ASSERT_TRUE(EvaluateNode(ctx, derivative));
    EXPECT_EQ(derivative->value.re, 1024);
    EXPECT_EQ(ctx.letterValues['X' - '@'].re, 2);
    derivative->aux = 0;
    ASSERT_TRUE(EvaluateNode(ctx, derivative));
    EXPECT_EQ(derivative->value.re, 1);

    ExprNode* periodic = b.Node(op::Periodic, b.Const(0), b.Node('X'), b.Const(2));
    struct {
        long double x, expected;
    } rows[] = {{0.5L, 0.5L}, {2.5L, 0.5L}, {-0.5L, 1.5L}, {4, 0}, {-3.25L, 0.75L}};
    for (const auto& row : rows) {
        SCOPED_TRACE(static_cast<double>(row.x));
        ctx.letterValues['X' - '@'] = {row.x, 0};
        ASSERT_TRUE(EvaluateNode(ctx, periodic));
        EXPECT_NEAR(static_cast<double>(periodic->value.re), static_cast<double>(row.expected), 1e-15);
        EXPECT_EQ(ctx.letterValues['X' - '@'].re, row.x);
    }
    ExprNode* noPeriod = b.Node(op::Periodic, b.Const(0), b.Node('X'), b.Const(0));
    EXPECT_FALSE(EvaluateNode(ctx, noPeriod));
}

// Evaluates one tree by EvaluateAt in one context and by EvaluateNode in a twin context.
void ExpectSameAsGeneral(ExprNode* root, std::initializer_list<Letter> letters,
                         std::initializer_list<long double> xs, bool nearBreakBefore = false) {
    for (long double x : xs) {
        SCOPED_TRACE(::testing::Message() << "x=" << static_cast<double>(x));
        testing::Formulas fast;
        testing::Formulas general;
        fast.Set(letters);
        general.Set(letters);
        fast.ctx.nearBreak = general.ctx.nearBreak = nearBreakBefore;
        long double out = 0;
        const bool fastDefined = EvaluateAt(fast.ctx, root, 'X' - '@', x, out);
        general.ctx.SetLetter('X' - '@', x);
        const bool generalDefined = EvaluateNode(general.ctx, root);
        testing::ExpectSameRun(fast, fastDefined, out, general, generalDefined, root->value.re,
                               false);
    }
}

// The real-mode path gives what the general rules give. Plain formulas over a wide range,
// joins at and around their breakpoints, sums and products with undefined terms and bad
// bounds, iterations with undefined steps, and formulas whose imaginary parts send the
// evaluation back to the general path after a sum has moved its index letter.
TEST(Evaluator, RealPathKeepsGeneralFlagsAndLetters) {
    const ComplexValue imaginaryA{1.5L, 2};
    struct Case {
        const char* text;
        std::vector<long double> xs;
    };
    const std::vector<long double> breaks = {-1, -0.0015L, -0.0005L, 0, 0.0005L, 1, 1.9995L,
                                             2, 2.0009L, 2.002L, 5};
    const std::vector<long double> wide = {-1e19L, -3, -1e-20L, 0, 1e-10L, 0.5L, 2, 1e9L, 1e18L};
    const Case cases[] = {
        {"xsin(x)", wide}, {"x^-3", wide}, {"(x-1)(x-2)(x+1)/(x+3)", wide},
        {"exp(-xx/2)/sqrt(2pi)", wide}, {"x^40", wide}, {"cis(x)+x", wide}, {"max(x,a)*a", wide},
        {"joinx(x+1|0,1-x^2|2,-1)", breaks}, {"joinx(1/x|0,sqrt(x-1)|2,ln(x-3))", breaks},
        {"joinx(1|1/(x-1),2)", {0.5L, 1, 1.0005L, 2}},
        {"joint(t|x,2t)+joinr(r|x,3)+joinu(u|x,4)", {-1, 0, 0.0001L, 0.9995L, 1, 3}},
        {"sum(joinx(1|n,2),n,1,3)", {0.9995L, 1, 2, 4}},
        {"joinx(1|0,2)+sum(n,n,1,2)", {-0.0001L, 0, 1}},
        {"sum(n,n,1,2)+joinx(1|0,2)", {-0.0001L, 0, 1}}, {"sum(1/n,n,-2,2)", {0}},
        {"sum(1/n,n,1,3)", {0}}, {"sum(n,n,x,3)", {1, 1.5L, 3, 4, 1e10L, -3e9L, 1 + 1e-10L}},
        {"prod(n,n,1,x)", {0, 1, 5, 5.0000000001L, 20}}, {"prod(1e19,n,1,x)", {1, 2}},
        {"prod(x,n,1,3)", {1e-7L, 1e-20L, 1e7L, 1e19L}}, {"n+sum(n,n,1,3)+n", {0}},
        {"n+sum(a*n,n,1,3)", {0, 2}}, {"n+sum(n,n,1,3)+a", {0}},
        {"sum(sum(n*k,k,1,n),n,1,4)+k", {0}}, {"iter(3,x^2)", {-2, 0.5L, 2, 1e6L, 1e10L}},
        {"iter(3,1/(x-1))", {0, 2, 3}}, {"iter(1,x+1)+x", {7}}, {"iter(2,x+a)+x", {1}},
        {"x+iter(3,sum(x+n,n,1,2))", {-1, 2}}, {"iter(3,joinx(x/2|1,x+1))", {0, 0.9995L, 1, 4}},
        {"sum(iter(2,x*n),n,1,3)", {0.5L}}, {"rnd(1)+x*a", {1}}, {"rnd(1)+sum(a*n,n,1,2)", {1}},
    };
    for (const Case& c : cases) {
        for (ComplexValue a : {ComplexValue{1.5L, 0}, ComplexValue{1.5L, -0.0L},
                               ComplexValue{1.5L, 1e-4940L}, imaginaryA}) {
            SCOPED_TRACE(::testing::Message() << c.text << " Im a=" << static_cast<double>(a.im));
            testing::Formulas compiling;
            ASSERT_EQ(compiling.compiler.CompileFormula(c.text), 0);
            ExprTree tree = compiling.compiler.TakeResult();
            for (long double x : c.xs) {
                ExpectSameAsGeneral(tree.root,
                                    {{'A', a}, {'N', {7, 0}}, {'K', {-4, 0}}, {'T', {1, 0}},
                                     {'R', {3, 0}}, {'U', {0.9999L, 0}}},
                                    {x});
                ExpectSameAsGeneral(tree.root, {{'A', a}}, {x}, true);
            }
        }
    }
}

// Fallback pairs, selections and registers, built from nodes as the derivative builds them.
TEST(Evaluator, RealPathKeepsGeneralRulesOfBuiltTrees) {
    Built b;
    ExprNode* undefined = b.Node(op::Ln, nullptr, b.Const(-1));
    auto x = [&] { return b.Node('X'); };
    auto a = [&] { return b.Node('A'); };
    auto reciprocal = [&] { return b.Node(op::Divide, b.Const(1), x()); };
    struct Case {
        const char* name;
        ExprNode* root;
    };
    const Case cases[] = {
        {"fallback left", b.Node(op::Fallback, reciprocal(), b.Const(2))},
        {"fallback needs right", b.Node(op::Fallback, b.Const(1), reciprocal())},
        {"fallback to an undefined", b.Node(op::Fallback, undefined, reciprocal())},
        {"fallback with a complex letter", b.Node(op::Fallback, reciprocal(), a())},
        {"193 on x", b.Node(op::SelectMax, x(), b.Const(2), x())},
        {"194 on x", b.Node(op::SelectMin, x(), b.Const(2), x())},
        {"193 undefined condition", b.Node(op::SelectMax, b.Const(1), b.Const(2), reciprocal())},
        {"193 undefined branch", b.Node(op::SelectMax, reciprocal(), b.Const(2), x())},
        {"194 without branches", b.Node(op::SelectMin, nullptr, nullptr, x())},
        {"193 with a complex branch", b.Node(op::SelectMax, x(), a(), x())},
        {"register", b.Node(op::Plus, b.Node(op::Register0 + 1), x())},
        {"periodic", b.Node(op::Periodic, b.Const(0), b.Node(op::Times, x(), x()), b.Const(2))},
    };
    for (const Case& c : cases) {
        for (ComplexValue letterA : {ComplexValue{1.5L, 0}, ComplexValue{1.5L, -1}}) {
            SCOPED_TRACE(::testing::Message() << c.name << " Im a=" << static_cast<double>(letterA.im));
            ExpectSameAsGeneral(c.root, {{'A', letterA}}, {-1, -0.0005L, 0, 0.0005L, 3});
        }
    }
}

} // namespace
} // namespace korvane
