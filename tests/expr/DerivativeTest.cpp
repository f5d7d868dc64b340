// The symbolic derivative against central differences of the formula itself, in real and
// complex mode, and the exact cases of the language description.
#include "expr/Derivative.h"

#include "FormulaTestSupport.h"
#include "expr/Opcodes.h"
#include "expr/TreeOps.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace korvane {
namespace {

constexpr int kSlotZ = 'Z' - 64;
constexpr long double kStep = 1e-5L;

using testing::Near;

// A window's context and compiler with the derivative's helpers.
struct Harness : testing::Formulas {
    using Formulas::Formulas;

    ExprTree Compile(const std::string& text) {
        const int code = compiler.CompileFormula(text);
        EXPECT_EQ(code, 0) << text;
        return compiler.TakeResult();
    }
    ExprTree Derive(const ExprTree& tree, char letter) {
        ExprTree d;
        EXPECT_TRUE(Differentiate(ctx, tree, letter, d));
        return d;
    }
    bool At(const ExprTree& tree, char letter, long double x, long double& out) {
        return EvaluateAt(ctx, tree.root, letter - 64, x, out);
    }
    bool AtZ(const ExprTree& tree, ComplexValue z, ComplexValue& out) {
        return EvaluateAtComplex(ctx, tree.root, kSlotZ, z, out);
    }
};

struct RealRow {
    const char* formula;
    long double low, high; // points are drawn from [low, high]
    char letter = 'X';
};

// Compares the derivative tree with (f(p + h) - f(p - h)) / 2h at random points. With
// `second`, the derivative of the derivative against central differences of the first.
void CheckRealRows(const std::vector<RealRow>& rows, bool second = false) {
    std::mt19937 points(2024);
    for (const RealRow& row : rows) {
        Harness h(false);
        h.ctx.SetLetter('A' - 64, 1.5L);
        h.ctx.SetLetter('B' - 64, -0.75L);
        h.ctx.SetLetter('X' - 64, 0.5L);
        ExprTree f = h.Compile(row.formula);
        if (!f.root)
            continue;
        if (second)
            f = h.Derive(f, row.letter);
        const ExprTree d = h.Derive(f, row.letter);
        std::uniform_real_distribution<double> pick(double(row.low), double(row.high));
        for (int k = 0; k < 5; ++k) {
            const long double p = pick(points);
            SCOPED_TRACE(::testing::Message() << "d/d" << row.letter << " " << (second ? "d " : "")
                                              << row.formula << " at " << double(p));
            long double plus = 0, minus = 0, symbolic = 0;
            ASSERT_TRUE(h.At(f, row.letter, p + kStep, plus));
            ASSERT_TRUE(h.At(f, row.letter, p - kStep, minus));
            const long double numeric = (plus - minus) / (2 * kStep);
            ASSERT_TRUE(h.At(d, row.letter, p, symbolic)) << "derivative undefined";
            EXPECT_TRUE(Near(symbolic, numeric, 1e-6L))
                << "symbolic " << double(symbolic) << ", numeric " << double(numeric);
        }
    }
}

// Arithmetic, powers and the compiled forms of squares and integer powers.
TEST(DerivativeReal, ArithmeticPowersExponentialsAndLogarithms) {
    CheckRealRows({{"x^3", -3, 3}, {"x^2-2x+1", -3, 3}, {"x/(1+x^2)", -3, 3},
                   {"(x-1)(x-2)(x+1)/(x+3)", -2, 3}, {"x^a", 0.2, 3}, {"x^x", 0.2, 3},
                   {"2^x", -2, 2}, {"x^(-2)", 0.3, 3}, {"1/x^3", -3, -0.3}, {"pow(3,x)", -2, 2},
                   {"pow(-2,x)", 0.3, 2}, {"root(3,x)", 0.2, 5}, {"root(3,x)", -5, -0.2},
                   {"root(2,x^2+1)", -2, 2}, {"sqrt(x)", 0.1, 5}, {"sqr(1+x^2)", -2, 2},
                   {"-x^2+3", -2, 2}});
    CheckRealRows({{"exp(x/2)", -3, 3}, {"ln(x)", 0.1, 5}, {"ln(1+x^2)", -3, 3}, {"log(x)", 0.1, 5},
                   {"log(2,x)", 0.1, 5}, {"lg(3,x^2+1)", -2, 2}, {"cis(x)", -3, 3},
                   {"cis(2x+1)", -3, 3}});
}

TEST(DerivativeReal, TrigonometricAndHyperbolic) {
    CheckRealRows({{"sin(2x)", -3, 3}, {"cos(x^2)", -2, 2}, {"tan(x)", -1.2, 1.2},
                   {"sec(x)", -1.2, 1.2}, {"csc(x)", 0.2, 3}, {"cot(x)", 0.2, 3},
                   {"1/cos(x)", -1.2, 1.2}, {"sinh(x)", -3, 3}, {"cosh(x)", -3, 3},
                   {"tanh(x)", -3, 3}, {"sech(x)", -3, 3}, {"csch(x)", 0.2, 3}, {"coth(x)", 0.2, 3},
                   {"arctan(x)", -3, 3}, {"atn(x^2)", -2, 2}, {"arccot(x)", -3, 3},
                   {"arcsin(x)", -0.9, 0.9}, {"arccos(x)", -0.9, 0.9}, {"argsinh(x)", -3, 3},
                   {"argcosh(x)", 1.1, 5}, {"argtanh(x)", -0.9, 0.9}, {"argcoth(x)", 1.1, 5},
                   {"argcoth(x)", -5, -1.1}});
}

TEST(DerivativeReal, SpecialAndPiecewiseFunctions) {
    CheckRealRows({{"erf(x)", -2.5, 2.5}, {"erf(x^2)", -1.5, 1.5}, {"gauss(x)", -3, 3},
                   {"gamma(x)", 0.3, 4}, {"gamma(x)", -0.9, -0.1}, {"x!", 0.2, 3},
                   {"fact(2x)", 0.2, 2}, {"binom(x,3)", -2, 4}, {"binom(2x,2)", -2, 4}});
    // Steps and pieces, at points away from their jumps.
    CheckRealRows({{"abs(x)", 0.1, 3}, {"abs(x)", -3, -0.1}, {"abs(x-x^3)", 1.1, 2},
                   {"abs(x,2x+1)", -3, 3}, {"abs(x,1,x^2)", -2, 2}, {"arg(x,1+x^2)", -3, 3},
                   {"arg(-1,x)", -3, 3}, {"frac(x)", 0.1, 0.9}, {"int(x)+x", 1.1, 1.9},
                   {"floor(x)x", 2.1, 2.9}, {"ceil(x)x", 2.1, 2.9}, {"sgn(x)x^2", -2, -0.1},
                   {"hvs(x)x^2", 0.1, 2}, {"gcd(x,6)+x", 2.1, 2.4}, {"mod(x,3)", 0.2, 2.8},
                   {"mod(x^2,2)", 1.5, 1.9}, {"mod(5,x)", 1.3, 1.6}, {"mod(5,x)", -1.6, -1.3},
                   {"max(x,1-x)", 0.6, 2}, {"max(x,1-x)", -2, 0.4}, {"min(x^2,2)", -1.3, 1.3},
                   {"min(x^2,2)", 1.5, 3}, {"max(sin(x),cos(x),0.2)", -3, 3},
                   {"joinx(x^2|0,x)", -2, -0.1}, {"joinx(x^2|0,x)", 0.1, 2},
                   {"joinx(x+1|0,1-x^2|2,-1)", 0.1, 1.9}, {"joint(t^3|1,2t)", -1, 0.9, 'T'},
                   {"joint(t^3|1,2t)", 1.1, 2, 'T'}, {"joinr(r^2|1,r)", 1.1, 2, 'R'},
                   {"joinu(u^3|1,sin(u))", -1, 0.9, 'U'}});
}

TEST(DerivativeReal, SumsProductsIteratesAndParameters) {
    CheckRealRows({{"sum(x^n/n,n,1,5)", -2, 2}, {"sum(sin(nx),n,1,4)", -2, 2},
                   {"prod(x+n,n,1,4)", 0.1, 2}, {"prod(1+x/n,n,1,6)", 0.1, 2},
                   {"iter(3,x^2/2)", 0.5, 1.5}, {"iter(4,sin(x))", -2, 2}, {"iter(1,x^3)", -2, 2}});
    // By a parameter letter instead of X.
    CheckRealRows({{"a*x^2+sin(a*x)", -2, 2, 'A'}, {"x^a", 0.5, 3, 'A'},
                   {"exp(-a*x)/(1+a^2)", -2, 2, 'A'}, {"max(a,x)", 0.6, 2, 'A'},
                   {"sum(a^n,n,1,4)", -2, 2, 'A'}, {"iter(3,x^2+a)", -1, 1, 'A'},
                   {"iter(2,a*x+sin(a))", -2, 2, 'A'}, {"iter(3,x/2)+a", -2, 2, 'A'},
                   {"t*a", -2, 2, 'T'}});
}

// Second derivatives: the derivative trees (squares as 253, the selections 193/194, the
// iterate product 199, the central differences) are differentiated again.
TEST(DerivativeReal, SecondDerivatives) {
    CheckRealRows({{"tan(x)", -1.2, 1.2}, {"arctan(x)", -3, 3}, {"x^4", -2, 2},
                   {"sqrt(1+x^2)", -2, 2}, {"cot(x)", 0.3, 2.8}, {"max(x^3,1)", 1.1, 2},
                   {"max(x^3,1)", -2, 0.9}, {"min(x^3,1)", 1.1, 2}, {"erf(x)", -2, 2},
                   {"gamma(x)", 1, 3}, {"iter(3,x^2/2)", 0.5, 1.5}, {"iter(2,sin(x))", -2, 2},
                   {"iter(2,a*x^2)", -1, 1, 'A'}},
                  true);
}

// In complex mode X and Y are the parts of Z: d/dx moves Z along 1, d/dy along i. The
// whole complex value of the derivative must match.
void CheckComplexRows(std::initializer_list<const char*> formulas) {
    std::mt19937 points(77);
    std::uniform_real_distribution<double> pick(-1.8, 1.8);
    for (const char* formula : formulas) {
        for (char letter : {'X', 'Y'}) {
            Harness h(true);
            h.ctx.letterValues['A' - 64] = {0.5L, -0.25L};
            const ExprTree f = h.Compile(formula);
            if (!f.root)
                continue;
            const ExprTree d = h.Derive(f, letter);
            const ComplexValue step =
                letter == 'Y' ? ComplexValue{0, kStep} : ComplexValue{kStep, 0};
            int checked = 0;
            for (int k = 0; k < 40 && checked < 5; ++k) {
                const ComplexValue z{pick(points), pick(points)};
                if (std::fabs(z.im) < 0.1L || std::fabs(z.re) < 0.1L)
                    continue; // keep away from branch cuts on the axes
                SCOPED_TRACE(::testing::Message() << "d/d" << letter << " " << formula << " at "
                                                  << double(z.re) << "+" << double(z.im) << "i");
                ComplexValue plus, minus, symbolic;
                if (!h.AtZ(f, {z.re + step.re, z.im + step.im}, plus) ||
                    !h.AtZ(f, {z.re - step.re, z.im - step.im}, minus))
                    continue;
                ++checked;
                ASSERT_TRUE(h.AtZ(d, z, symbolic)) << "derivative undefined";
                const ComplexValue numeric{(plus.re - minus.re) / (2 * kStep),
                                           (plus.im - minus.im) / (2 * kStep)};
                EXPECT_TRUE(Near(symbolic.re, numeric.re, 1e-6L) &&
                            Near(symbolic.im, numeric.im, 1e-6L))
                    << "symbolic " << double(symbolic.re) << "," << double(symbolic.im)
                    << " numeric " << double(numeric.re) << "," << double(numeric.im);
            }
            EXPECT_GE(checked, 3) << formula << " d/d" << letter;
        }
    }
}

TEST(DerivativeComplex, AnalyticFunctionsAlongBothAxes) {
    CheckComplexRows({"z^3",
                      "z^2+a*z",
                      "1/z",
                      "z/(1+z^2)",
                      "exp(z)",
                      "ln(z)",
                      "log(z)",
                      "sqrt(z)",
                      "root(3,z)",
                      "pow(4,z)",
                      "z^a",
                      "z^z",
                      "sin(z)",
                      "cos(z)",
                      "tan(z)",
                      "sec(z)",
                      "csc(z)",
                      "cot(z)",
                      "sinh(z)",
                      "cosh(z)",
                      "tanh(z)",
                      "sech(z)",
                      "csch(z)",
                      "coth(z)",
                      "arctan(z)",
                      "arcsin(z)",
                      "arccot(z)",
                      "argsinh(z)",
                      "argcosh(z)",
                      "argtanh(z)",
                      "argcoth(z)",
                      "cis(z)",
                      "gamma(z+3)",
                      "sum(z^n/n!,n,0,8)",
                      "prod(z+n,n,1,3)"});
}

// Parts, conjugate, modulus, argument and sign are not analytic: each axis on its own (d/dy
// im(z) is the part 1, not i; z times a constant follows both parts of Z).
TEST(DerivativeComplex, NonAnalyticFunctionsAlongBothAxes) {
    CheckComplexRows({"re(z)",      "im(z)",      "conj(z)", "re(z^2)",  "im(z^3)", "conj(z)*z",
                      "abs(z)",     "abs(z^2+1)", "arg(z)",  "arg(z^2)", "sgn(z)",  "x*y+z",
                      "x^2-y^2",    "z*x",        "2*z",     "z*2",      "z+3",     "max(x,y)",
                      "min(x^2,y)", "abs(x,y)",   "arg(x,y)"});
}

// The slopes of the principal branches, from mpmath's diff of acos and acosh. For acosh
// this is 1/(sqrt(z-1) sqrt(z+1)), not 1/sqrt(z^2-1), left of the imaginary axis.
TEST(DerivativeComplex, InverseCosinesFollowThePrincipalBranch) {
    struct Row {
        const char* formula;
        ComplexValue z, expected;
    };
    const Row rows[] = {
        {"arccos(z)",
         {1.5834334173024007L, -0.22010815230623115L},
         {-0.173832500226181L, 0.767000967062012L}},
        {"arccos(z)", {-0.5L, 0.5L}, {-0.920442065259926L, 0.21728689675164L}},
        {"argcosh(z)",
         {-1.3142467388566068L, -1.320134185796606L},
         {-0.315356753340697L, 0.420875620174617L}},
        {"argcosh(z)", {2.0L, 0.5L}, {0.51571488570496L, -0.167702133259666L}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.formula << " at " << double(row.z.re) << "+"
                                          << double(row.z.im) << "i");
        Harness h(true);
        const ExprTree d = h.Derive(h.Compile(row.formula), 'X');
        ComplexValue v;
        ASSERT_TRUE(h.AtZ(d, row.z, v));
        EXPECT_TRUE(Near(v.re, row.expected.re, 1e-13L) && Near(v.im, row.expected.im, 1e-13L))
            << double(v.re) << "," << double(v.im);
    }
}

constexpr long double kUndefined = std::numeric_limits<long double>::quiet_NaN();

// The exact values of the language description, and the points where the derivative is
// undefined: sqrt at 0, and an iterate by a parameter too long to write out (never a
// wrong value).
TEST(DerivativeExact, DescribedCases) {
    const long double pi = std::acos(-1.0L);
    const struct {
        const char* formula;
        long double at, expected;
        char letter = 'X';
    } rows[] = {
        {"x^3", -2, 12}, {"sin(2x)", 0, 2}, {"cos(x)", pi / 2, -1}, {"joinx(x^2|0,x)", -1, -2},
        {"joinx(x^2|0,x)", 1, 1}, {"max(x,1-x)", 0.75, 1}, {"max(x,1-x)", 0.25, -1},
        {"min(x,1-x)", 0.75, -1}, {"min(x,1-x)", 0.25, 1}, {"iter(3,x^2)", 1, 8},
        {"iter(3,x^2)", 2, 1024}, {"int(x)", 1.5, 0}, {"floor(x)", 1.5, 0},
        {"argcoth(x)", 2, -1.0L / 3}, {"a*x+b", 7, 1.5L}, {"a*x+b", 7, 7, 'A'},
        {"a*x+b", 7, 1, 'B'}, {"x", 3, 1}, {"y", 3, 0}, {"5", 3, 0}, {"sqrt(x)", 0, kUndefined},
        {"sqrt(x)", 4, 0.25L}, {"iter(100,x/2+a)", 0.5L, kUndefined, 'A'},
        {"iter(100,x/2+a)", 0.5L, std::pow(0.5L, 100)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::Message() << "d/d" << row.letter << " " << row.formula);
        Harness h(false);
        h.ctx.SetLetter('A' - 64, 1.5L);
        h.ctx.SetLetter('B' - 64, 4.0L);
        h.ctx.SetLetter('X' - 64, 7.0L);
        const ExprTree d = h.Derive(h.Compile(row.formula), row.letter);
        h.ctx.SetLetter('X' - 64, row.at);
        ASSERT_EQ(EvaluateNode(h.ctx, d.root), !std::isnan(row.expected));
        if (!std::isnan(row.expected)) {
            EXPECT_TRUE(Near(d.root->value.re, row.expected, 1e-15L)) << double(d.root->value.re);
        }
    }
}

// Trees that other parts of the program build: periodic extension 200 (start, function,
// period), 10 (left where that is defined, else right) and a negation node.
using testing::Built;

ExprNode* Square(Built& b) { return b.Node(op::Times, b.Node('X'), b.Node('X')); }

TEST(DerivativeExact, BuiltTrees) {
    const struct {
        const char* name;
        ExprNode* (*make)(Built& b);
        std::vector<std::pair<long double, long double>> slopes; // at x
    } rows[] = {
        {"periodic x*x from -1 with period 2",
         [](Built& b) { return b.Node(op::Periodic, b.Const(-1), Square(b), b.Const(2)); },
         {{0.5L, 1}, {2.5L, 1}, {-0.5L, -1}, {3.2L, -1.6L}}},
        {"sqrt(x) else x*x",
         [](Built& b) {
             return b.Node(op::Fallback, b.Node(op::Sqrt, nullptr, b.Node('X')), Square(b));
         },
         {{4, 0.25L}, {-3, -6}}},
        {"-(x*x*x)",
         [](Built& b) {
             return b.Node(op::UnaryMinus, nullptr, b.Node(op::Times, b.Node('X'), Square(b)));
         },
         {{2, -12}}},
    };
    for (const auto& row : rows) {
        Harness h(false);
        Built built;
        built.tree.root = row.make(built);
        const ExprTree d = h.Derive(built.tree, 'X');
        for (const auto& [x, expected] : row.slopes) {
            SCOPED_TRACE(::testing::Message() << row.name << " at " << double(x));
            long double v = 0;
            ASSERT_TRUE(h.At(d, 'X', x, v));
            EXPECT_TRUE(Near(v, expected, 1e-15L)) << double(v);
        }
    }
}

bool HasTrivialFactor(const ExprNode* n) {
    if (!n)
        return false;
    auto isConstant = [](const ExprNode* c, long double v) {
        return c && c->op == op::Constant && c->value.re == v && c->value.im == 0;
    };
    if (n->op == op::Times && (isConstant(n->left, 0) || isConstant(n->left, 1) ||
                               isConstant(n->right, 0) || isConstant(n->right, 1)))
        return true;
    if (n->op == op::Plus && (isConstant(n->left, 0) || isConstant(n->right, 0)))
        return true;
    return HasTrivialFactor(n->left) || HasTrivialFactor(n->third) || HasTrivialFactor(n->right);
}

// The optimiser removes what the rules leave: d/dx (a*x + b) is the letter A alone.
TEST(DerivativeOptimised, NoMultiplicationByZeroOrOneIsLeft) {
    for (const char* f : {"a*x+b", "3x^2+2x+1", "sin(2x)", "x*exp(x)", "a*x^3+b*x", "ln(x)+c"}) {
        SCOPED_TRACE(f);
        Harness h(false);
        const ExprTree d = h.Derive(h.Compile(f), 'X');
        EXPECT_FALSE(HasTrivialFactor(d.root));
    }
    Harness h(false);
    const ExprTree linear = h.Derive(h.Compile("a*x+b"), 'X');
    ASSERT_NE(linear.root, nullptr);
    EXPECT_EQ(linear.root->op, 'A');
}

TEST(DerivativeOptimised, UnoptimisedTreeHasTheSameValues) {
    for (const char* f : {"x^3", "sin(2x)*x", "max(x,1-x)", "iter(3,x^2/2)", "gamma(x+1)"}) {
        SCOPED_TRACE(f);
        Harness h(false);
        const ExprTree tree = h.Compile(f);
        const ExprTree optimised = h.Derive(tree, 'X');
        h.ctx.optimize = false;
        const ExprTree plain = h.Derive(tree, 'X');
        EXPECT_GT(testing::Reachable(plain.root), testing::Reachable(optimised.root));
        for (long double x : {0.3L, 0.8L, 1.1L}) {
            long double a = 0, b = 0;
            ASSERT_TRUE(h.At(optimised, 'X', x, a));
            ASSERT_TRUE(h.At(plain, 'X', x, b));
            EXPECT_TRUE(Near(a, b, 1e-15L)) << double(x);
        }
    }
}

std::string Shape(const ExprNode* n) {
    if (!n)
        return ".";
    std::ostringstream s;
    s << n->op << ":" << n->aux << ":" << double(n->value.re) << "(" << Shape(n->left) << ","
      << Shape(n->third) << "," << Shape(n->right) << ")";
    return s.str();
}

TEST(DerivativeInput, TheInputTreeIsNotChanged) {
    for (const char* f : {"x^3+sin(x)", "iter(3,x^2+a)", "prod(x+n,n,1,3)", "joinx(x|0,x^2)"}) {
        SCOPED_TRACE(f);
        Harness h(false);
        const ExprTree tree = h.Compile(f);
        const std::string before = Shape(tree.root);
        const ExprTree dx = h.Derive(tree, 'X');
        const ExprTree da = h.Derive(tree, 'A');
        EXPECT_EQ(Shape(tree.root), before);
    }
}

// A long chain is differentiated and evaluated without running out of stack. x^x^...^x
// copies its growing operands at every level: past the node budget the derivative is
// refused and undefined, instead of taking gigabytes.
TEST(DerivativeLimits, DeepChainsAndTheNodeBudget) {
    Harness h(false);
    std::string text = "x";
    for (int i = 0; i < 900; ++i)
        text = "sin(" + text + ")";
    const ExprTree f = h.Compile(text);
    ExprTree d;
    ASSERT_TRUE(Differentiate(h.ctx, f, 'X', d));
    long double plus = 0, minus = 0, v = 0;
    ASSERT_TRUE(h.At(f, 'X', 0.3L + kStep, plus));
    ASSERT_TRUE(h.At(f, 'X', 0.3L - kStep, minus));
    ASSERT_TRUE(h.At(d, 'X', 0.3L, v));
    EXPECT_TRUE(Near(v, (plus - minus) / (2 * kStep), 1e-6L)) << double(v);

    std::string tower = "x";
    for (int i = 0; i < 2000; ++i)
        tower += "^x";
    const ExprTree g = h.Compile(tower);
    ASSERT_FALSE(g.Empty());
    ExprTree refused;
    EXPECT_FALSE(Differentiate(h.ctx, g, 'X', refused));
    EXPECT_FALSE(h.At(refused, 'X', 1.0L, v));
    EXPECT_LT(refused.NodeCount(), 10u);
}

} // namespace
} // namespace korvane
