// The symbolic derivative against central differences of the formula itself, in real and
// complex mode, and the exact cases of the language description.
#include "expr/Derivative.h"

#include "expr/EvalContext.h"
#include "expr/Evaluator.h"
#include "expr/FormulaCompiler.h"
#include "expr/Opcodes.h"
#include "expr/RandomGenerator.h"
#include "expr/TreeOps.h"
#include "tests/support/Tolerance.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace korvane {
namespace {

constexpr int kSlotZ = 'Z' - 64;
constexpr long double kStep = 1e-5L;

using testing::Near;

class Harness {
public:
    explicit Harness(bool complexMode) : random_(12345), compiler_(ctx) {
        ctx.random = &random_;
        compiler_.SetComplexMode(complexMode);
    }

    ExprTree Compile(const std::string& text) {
        const int code = compiler_.CompileFormula(text);
        EXPECT_EQ(code, 0) << text;
        return compiler_.TakeResult();
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

    EvalContext ctx;

private:
    RandomGenerator random_;
    FormulaCompiler compiler_;
};

struct RealRow {
    const char* formula;
    char letter;
    long double low, high; // points are drawn from [low, high]
    int line;
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
            SCOPED_TRACE(::testing::Message()
                         << "line " << row.line << ": d/d" << row.letter << " "
                         << (second ? "d " : "") << row.formula << " at " << double(p));
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
TEST(DerivativeReal, ArithmeticAndPowers) {
    CheckRealRows({
        {"x^3", 'X', -3, 3, __LINE__},
        {"x^2-2x+1", 'X', -3, 3, __LINE__},
        {"x/(1+x^2)", 'X', -3, 3, __LINE__},
        {"(x-1)(x-2)(x+1)/(x+3)", 'X', -2, 3, __LINE__},
        {"x^a", 'X', 0.2, 3, __LINE__},
        {"x^x", 'X', 0.2, 3, __LINE__},
        {"2^x", 'X', -2, 2, __LINE__},
        {"x^(-2)", 'X', 0.3, 3, __LINE__},
        {"1/x^3", 'X', -3, -0.3, __LINE__},
        {"pow(3,x)", 'X', -2, 2, __LINE__},
        {"pow(-2,x)", 'X', 0.3, 2, __LINE__},
        {"root(3,x)", 'X', 0.2, 5, __LINE__},
        {"root(3,x)", 'X', -5, -0.2, __LINE__},
        {"root(2,x^2+1)", 'X', -2, 2, __LINE__},
        {"sqrt(x)", 'X', 0.1, 5, __LINE__},
        {"sqr(1+x^2)", 'X', -2, 2, __LINE__},
        {"-x^2+3", 'X', -2, 2, __LINE__},
    });
}

TEST(DerivativeReal, ExponentialsAndLogarithms) {
    CheckRealRows({
        {"exp(x/2)", 'X', -3, 3, __LINE__},
        {"ln(x)", 'X', 0.1, 5, __LINE__},
        {"ln(1+x^2)", 'X', -3, 3, __LINE__},
        {"log(x)", 'X', 0.1, 5, __LINE__},
        {"log(2,x)", 'X', 0.1, 5, __LINE__},
        {"lg(3,x^2+1)", 'X', -2, 2, __LINE__},
        {"cis(x)", 'X', -3, 3, __LINE__},
        {"cis(2x+1)", 'X', -3, 3, __LINE__},
    });
}

TEST(DerivativeReal, TrigonometricAndHyperbolic) {
    CheckRealRows({
        {"sin(2x)", 'X', -3, 3, __LINE__},        {"cos(x^2)", 'X', -2, 2, __LINE__},
        {"tan(x)", 'X', -1.2, 1.2, __LINE__},     {"sec(x)", 'X', -1.2, 1.2, __LINE__},
        {"csc(x)", 'X', 0.2, 3, __LINE__},        {"cot(x)", 'X', 0.2, 3, __LINE__},
        {"1/cos(x)", 'X', -1.2, 1.2, __LINE__},   {"sinh(x)", 'X', -3, 3, __LINE__},
        {"cosh(x)", 'X', -3, 3, __LINE__},        {"tanh(x)", 'X', -3, 3, __LINE__},
        {"sech(x)", 'X', -3, 3, __LINE__},        {"csch(x)", 'X', 0.2, 3, __LINE__},
        {"coth(x)", 'X', 0.2, 3, __LINE__},       {"arctan(x)", 'X', -3, 3, __LINE__},
        {"atn(x^2)", 'X', -2, 2, __LINE__},       {"arccot(x)", 'X', -3, 3, __LINE__},
        {"arcsin(x)", 'X', -0.9, 0.9, __LINE__},  {"arccos(x)", 'X', -0.9, 0.9, __LINE__},
        {"argsinh(x)", 'X', -3, 3, __LINE__},     {"argcosh(x)", 'X', 1.1, 5, __LINE__},
        {"argtanh(x)", 'X', -0.9, 0.9, __LINE__}, {"argcoth(x)", 'X', 1.1, 5, __LINE__},
        {"argcoth(x)", 'X', -5, -1.1, __LINE__},
    });
}

TEST(DerivativeReal, SpecialFunctions) {
    CheckRealRows({
        {"erf(x)", 'X', -2.5, 2.5, __LINE__},
        {"erf(x^2)", 'X', -1.5, 1.5, __LINE__},
        {"gauss(x)", 'X', -3, 3, __LINE__},
        {"gamma(x)", 'X', 0.3, 4, __LINE__},
        {"gamma(x)", 'X', -0.9, -0.1, __LINE__},
        {"x!", 'X', 0.2, 3, __LINE__},
        {"fact(2x)", 'X', 0.2, 2, __LINE__},
        {"binom(x,3)", 'X', -2, 4, __LINE__},
        {"binom(2x,2)", 'X', -2, 4, __LINE__},
    });
}

// Steps and pieces, at points away from their jumps.
TEST(DerivativeReal, PiecewiseFunctions) {
    CheckRealRows({
        {"abs(x)", 'X', 0.1, 3, __LINE__},
        {"abs(x)", 'X', -3, -0.1, __LINE__},
        {"abs(x-x^3)", 'X', 1.1, 2, __LINE__},
        {"abs(x,2x+1)", 'X', -3, 3, __LINE__},
        {"abs(x,1,x^2)", 'X', -2, 2, __LINE__},
        {"arg(x,1+x^2)", 'X', -3, 3, __LINE__},
        {"arg(-1,x)", 'X', -3, 3, __LINE__},
        {"frac(x)", 'X', 0.1, 0.9, __LINE__},
        {"int(x)+x", 'X', 1.1, 1.9, __LINE__},
        {"floor(x)x", 'X', 2.1, 2.9, __LINE__},
        {"ceil(x)x", 'X', 2.1, 2.9, __LINE__},
        {"sgn(x)x^2", 'X', -2, -0.1, __LINE__},
        {"hvs(x)x^2", 'X', 0.1, 2, __LINE__},
        {"gcd(x,6)+x", 'X', 2.1, 2.4, __LINE__},
        {"mod(x,3)", 'X', 0.2, 2.8, __LINE__},
        {"mod(x^2,2)", 'X', 1.5, 1.9, __LINE__},
        {"mod(5,x)", 'X', 1.3, 1.6, __LINE__},
        {"mod(5,x)", 'X', -1.6, -1.3, __LINE__},
        {"max(x,1-x)", 'X', 0.6, 2, __LINE__},
        {"max(x,1-x)", 'X', -2, 0.4, __LINE__},
        {"min(x^2,2)", 'X', -1.3, 1.3, __LINE__},
        {"min(x^2,2)", 'X', 1.5, 3, __LINE__},
        {"max(sin(x),cos(x),0.2)", 'X', -3, 3, __LINE__},
        {"joinx(x^2|0,x)", 'X', -2, -0.1, __LINE__},
        {"joinx(x^2|0,x)", 'X', 0.1, 2, __LINE__},
        {"joinx(x+1|0,1-x^2|2,-1)", 'X', 0.1, 1.9, __LINE__},
        {"joint(t^3|1,2t)", 'T', -1, 0.9, __LINE__},
        {"joint(t^3|1,2t)", 'T', 1.1, 2, __LINE__},
        {"joinr(r^2|1,r)", 'R', 1.1, 2, __LINE__},
        {"joinu(u^3|1,sin(u))", 'U', -1, 0.9, __LINE__},
    });
}

TEST(DerivativeReal, SumsProductsAndIterates) {
    CheckRealRows({
        {"sum(x^n/n,n,1,5)", 'X', -2, 2, __LINE__},
        {"sum(sin(nx),n,1,4)", 'X', -2, 2, __LINE__},
        {"prod(x+n,n,1,4)", 'X', 0.1, 2, __LINE__},
        {"prod(1+x/n,n,1,6)", 'X', 0.1, 2, __LINE__},
        {"iter(3,x^2/2)", 'X', 0.5, 1.5, __LINE__},
        {"iter(4,sin(x))", 'X', -2, 2, __LINE__},
        {"iter(1,x^3)", 'X', -2, 2, __LINE__},
    });
}

// By a parameter letter instead of X.
TEST(DerivativeReal, ByAParameter) {
    CheckRealRows({
        {"a*x^2+sin(a*x)", 'A', -2, 2, __LINE__},
        {"x^a", 'A', 0.5, 3, __LINE__},
        {"exp(-a*x)/(1+a^2)", 'A', -2, 2, __LINE__},
        {"max(a,x)", 'A', 0.6, 2, __LINE__},
        {"sum(a^n,n,1,4)", 'A', -2, 2, __LINE__},
        {"iter(3,x^2+a)", 'A', -1, 1, __LINE__},
        {"iter(2,a*x+sin(a))", 'A', -2, 2, __LINE__},
        {"iter(3,x/2)+a", 'A', -2, 2, __LINE__},
        {"t*a", 'T', -2, 2, __LINE__},
    });
}

// Second derivatives: the derivative trees (squares as 253, the selections 193/194, the
// iterate product 199, the central differences) are differentiated again.
TEST(DerivativeReal, SecondDerivatives) {
    CheckRealRows(
        {
            {"tan(x)", 'X', -1.2, 1.2, __LINE__},
            {"arctan(x)", 'X', -3, 3, __LINE__},
            {"x^4", 'X', -2, 2, __LINE__},
            {"sqrt(1+x^2)", 'X', -2, 2, __LINE__},
            {"cot(x)", 'X', 0.3, 2.8, __LINE__},
            {"max(x^3,1)", 'X', 1.1, 2, __LINE__},
            {"max(x^3,1)", 'X', -2, 0.9, __LINE__},
            {"min(x^3,1)", 'X', 1.1, 2, __LINE__},
            {"erf(x)", 'X', -2, 2, __LINE__},
            {"gamma(x)", 'X', 1, 3, __LINE__},
            {"iter(3,x^2/2)", 'X', 0.5, 1.5, __LINE__},
            {"iter(2,sin(x))", 'X', -2, 2, __LINE__},
            {"iter(2,a*x^2)", 'A', -1, 1, __LINE__},
        },
        true);
}

struct ComplexRow {
    const char* formula;
    char letter; // X: along the real axis of Z, Y: along the imaginary axis
    int line;
};

// In complex mode X and Y are the parts of Z: d/dx moves Z along 1, d/dy along i. The
// whole complex value of the derivative must match.
void CheckComplexRows(const std::vector<ComplexRow>& rows) {
    std::mt19937 points(77);
    std::uniform_real_distribution<double> pick(-1.8, 1.8);
    for (const ComplexRow& row : rows) {
        Harness h(true);
        h.ctx.letterValues['A' - 64] = {0.5L, -0.25L};
        const ExprTree f = h.Compile(row.formula);
        if (!f.root)
            continue;
        const ExprTree d = h.Derive(f, row.letter);
        const ComplexValue step =
            row.letter == 'Y' ? ComplexValue{0, kStep} : ComplexValue{kStep, 0};
        int checked = 0;
        for (int k = 0; k < 40 && checked < 5; ++k) {
            const ComplexValue z{pick(points), pick(points)};
            if (std::fabs(z.im) < 0.1L || std::fabs(z.re) < 0.1L)
                continue; // keep away from branch cuts on the axes
            SCOPED_TRACE(::testing::Message()
                         << "line " << row.line << ": d/d" << row.letter << " " << row.formula
                         << " at " << double(z.re) << "+" << double(z.im) << "i");
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
                << "symbolic " << double(symbolic.re) << "," << double(symbolic.im) << " numeric "
                << double(numeric.re) << "," << double(numeric.im);
        }
        EXPECT_GE(checked, 3) << row.formula;
    }
}

TEST(DerivativeComplex, AnalyticFunctionsAlongBothAxes) {
    std::vector<ComplexRow> rows;
    for (const char* f : {"z^3",
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
                          "prod(z+n,n,1,3)"}) {
        rows.push_back({f, 'X', __LINE__});
        rows.push_back({f, 'Y', __LINE__});
    }
    CheckComplexRows(rows);
}

// Parts, conjugate, modulus, argument and sign are not analytic: each axis on its own (d/dy
// im(z) is the part 1, not i; z times a constant follows both parts of Z).
TEST(DerivativeComplex, NonAnalyticFunctionsAlongBothAxes) {
    std::vector<ComplexRow> rows;
    for (const char* f :
         {"re(z)",      "im(z)",  "conj(z)",  "re(z^2)",    "im(z^3)",  "conj(z)*z", "abs(z)",
          "abs(z^2+1)", "arg(z)", "arg(z^2)", "sgn(z)",     "x*y+z",    "x^2-y^2",   "z*x",
          "2*z",        "z*2",    "z+3",      "max(x,y)",   "min(x^2,y)", "abs(x,y)", "arg(x,y)"}) {
        rows.push_back({f, 'X', __LINE__});
        rows.push_back({f, 'Y', __LINE__});
    }
    CheckComplexRows(rows);
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

struct ExactRow {
    const char* formula;
    char letter;
    long double at;
    long double expected;
    int line;
};

// The exact values of the language description.
TEST(DerivativeExact, DescribedCases) {
    const long double pi = std::acos(-1.0L);
    const ExactRow rows[] = {
        {"x^3", 'X', -2, 12, __LINE__},
        {"sin(2x)", 'X', 0, 2, __LINE__},
        {"cos(x)", 'X', pi / 2, -1, __LINE__},
        {"joinx(x^2|0,x)", 'X', -1, -2, __LINE__},
        {"joinx(x^2|0,x)", 'X', 1, 1, __LINE__},
        {"max(x,1-x)", 'X', 0.75, 1, __LINE__},
        {"max(x,1-x)", 'X', 0.25, -1, __LINE__},
        {"min(x,1-x)", 'X', 0.75, -1, __LINE__},
        {"min(x,1-x)", 'X', 0.25, 1, __LINE__},
        {"iter(3,x^2)", 'X', 1, 8, __LINE__},
        {"iter(3,x^2)", 'X', 2, 1024, __LINE__},
        {"int(x)", 'X', 1.5, 0, __LINE__},
        {"floor(x)", 'X', 1.5, 0, __LINE__},
        {"argcoth(x)", 'X', 2, -1.0L / 3, __LINE__},
        {"a*x+b", 'X', 7, 1.5L, __LINE__},
        {"a*x+b", 'A', 7, 7, __LINE__},
        {"a*x+b", 'B', 7, 1, __LINE__},
        {"x", 'X', 3, 1, __LINE__},
        {"y", 'X', 3, 0, __LINE__},
        {"5", 'X', 3, 0, __LINE__},
    };
    for (const ExactRow& row : rows) {
        SCOPED_TRACE(::testing::Message()
                     << "line " << row.line << ": d/d" << row.letter << " " << row.formula);
        Harness h(false);
        h.ctx.SetLetter('A' - 64, 1.5L);
        h.ctx.SetLetter('B' - 64, 4.0L);
        h.ctx.SetLetter('X' - 64, 7.0L);
        const ExprTree d = h.Derive(h.Compile(row.formula), row.letter);
        long double v = 0;
        h.ctx.SetLetter('X' - 64, row.at);
        ASSERT_TRUE(EvaluateNode(h.ctx, d.root));
        EXPECT_TRUE(Near(d.root->value.re, row.expected, 1e-15L)) << double(d.root->value.re);
        (void)v;
    }
}

TEST(DerivativeExact, SqrtIsUndefinedAtZero) {
    Harness h(false);
    const ExprTree d = h.Derive(h.Compile("sqrt(x)"), 'X');
    long double v = 0;
    EXPECT_FALSE(h.At(d, 'X', 0, v));
    EXPECT_TRUE(h.At(d, 'X', 4, v));
    EXPECT_TRUE(Near(v, 0.25L, 1e-15L));
}

// The optimiser removes what the rules leave: d/dx (a*x + b) is the letter A alone.
TEST(DerivativeOptimised, LinearFormulaLeavesTheParameter) {
    Harness h(false);
    const ExprTree d = h.Derive(h.Compile("a*x+b"), 'X');
    ASSERT_NE(d.root, nullptr);
    EXPECT_EQ(d.root->op, 'A');
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

TEST(DerivativeOptimised, NoMultiplicationByZeroOrOneIsLeft) {
    for (const char* f : {"a*x+b", "3x^2+2x+1", "sin(2x)", "x*exp(x)", "a*x^3+b*x", "ln(x)+c"}) {
        SCOPED_TRACE(f);
        Harness h(false);
        const ExprTree d = h.Derive(h.Compile(f), 'X');
        EXPECT_FALSE(HasTrivialFactor(d.root));
    }
}

int CountNodes(const ExprNode* n) {
    return n ? 1 + CountNodes(n->left) + CountNodes(n->third) + CountNodes(n->right) : 0;
}

TEST(DerivativeOptimised, UnoptimisedTreeHasTheSameValues) {
    for (const char* f : {"x^3", "sin(2x)*x", "max(x,1-x)", "iter(3,x^2/2)", "gamma(x+1)"}) {
        SCOPED_TRACE(f);
        Harness h(false);
        const ExprTree tree = h.Compile(f);
        const ExprTree optimised = h.Derive(tree, 'X');
        h.ctx.optimize = false;
        const ExprTree plain = h.Derive(tree, 'X');
        EXPECT_GT(CountNodes(plain.root), CountNodes(optimised.root));
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

// Built by other parts of the program: periodic extension 200 (start, period, function).
TEST(DerivativeStructural, PeriodicExtensionDifferentiatesItsFunction) {
    Harness h(false);
    ExprTree tree = h.Compile("x^2");
    ExprNode* f = tree.root;
    ExprNode* node = tree.NewNode(op::Periodic, tree.NewConstant({-1, 0}), f);
    node->third = tree.NewConstant({2, 0});
    tree.root = node;
    const ExprTree d = h.Derive(tree, 'X');
    struct Row {
        long double x, expected;
    };
    for (const Row& row : {Row{0.5L, 1.0L}, Row{2.5L, 1.0L}, Row{-0.5L, -1.0L}, Row{3.2L, -1.6L}}) {
        SCOPED_TRACE(double(row.x));
        long double v = 0;
        ASSERT_TRUE(h.At(d, 'X', row.x, v));
        EXPECT_TRUE(Near(v, row.expected, 1e-15L)) << double(v);
    }
}

// Built by other parts: 10 takes its left operand where that is defined, else its right.
TEST(DerivativeStructural, FallbackPairDifferentiatesBothSides) {
    Harness h(false);
    ExprTree tree = h.Compile("sqrt(x)");
    ExprTree other = h.Compile("x^2");
    ExprNode* right = CopyTree(other.root, tree);
    tree.root = tree.NewNode(op::Fallback, tree.root, right);
    const ExprTree d = h.Derive(tree, 'X');
    long double v = 0;
    ASSERT_TRUE(h.At(d, 'X', 4, v));
    EXPECT_TRUE(Near(v, 0.25L, 1e-15L)) << double(v);
    ASSERT_TRUE(h.At(d, 'X', -3, v));
    EXPECT_TRUE(Near(v, -6, 1e-15L)) << double(v);
}

TEST(DerivativeStructural, UnaryMinusNodeNegatesTheDerivative) {
    Harness h(false);
    ExprTree tree = h.Compile("x^3");
    tree.root = tree.NewNode(op::UnaryMinus, nullptr, tree.root);
    long double v = 0;
    ASSERT_TRUE(h.At(h.Derive(tree, 'X'), 'X', 2, v));
    EXPECT_TRUE(Near(v, -12, 1e-15L));
}

// An iterate by a parameter is written out; too many steps give an undefined derivative,
// never a wrong one.
TEST(DerivativeStructural, LongIterateByAParameterIsUndefined) {
    Harness h(false);
    const ExprTree d = h.Derive(h.Compile("iter(100,x/2+a)"), 'A');
    long double v = 0;
    EXPECT_FALSE(h.At(d, 'A', 0.5, v));
    const ExprTree byX = h.Derive(h.Compile("iter(100,x/2+a)"), 'X');
    ASSERT_TRUE(h.At(byX, 'X', 0.5, v));
    EXPECT_TRUE(Near(v, std::pow(0.5L, 100), 1e-15L));
}

std::string Nested(const std::string& open, const std::string& inner, const std::string& close,
                   int levels) {
    std::string text;
    for (int i = 0; i < levels; ++i)
        text += open;
    text += inner;
    for (int i = 0; i < levels; ++i)
        text += close;
    return text;
}

// A long chain is differentiated and evaluated without running out of stack.
TEST(DerivativeLimits, DeepChainOfFunctions) {
    Harness h(false);
    const ExprTree f = h.Compile(Nested("sin(", "x", ")", 900));
    ExprTree d;
    ASSERT_TRUE(Differentiate(h.ctx, f, 'X', d));
    long double plus = 0, minus = 0, v = 0;
    ASSERT_TRUE(h.At(f, 'X', 0.3L + kStep, plus));
    ASSERT_TRUE(h.At(f, 'X', 0.3L - kStep, minus));
    ASSERT_TRUE(h.At(d, 'X', 0.3L, v));
    EXPECT_TRUE(Near(v, (plus - minus) / (2 * kStep), 1e-6L)) << double(v);
}

// x^x^...^x copies its growing operands at every level: past the node budget the
// derivative is refused and undefined, instead of taking gigabytes.
TEST(DerivativeLimits, QuadraticChainIsRefused) {
    Harness h(false);
    std::string text = "x";
    for (int i = 0; i < 2000; ++i)
        text += "^x";
    const ExprTree f = h.Compile(text);
    ASSERT_FALSE(f.Empty());
    ExprTree d;
    EXPECT_FALSE(Differentiate(h.ctx, f, 'X', d));
    long double v = 0;
    EXPECT_FALSE(h.At(d, 'X', 1.0L, v));
    EXPECT_LT(d.NodeCount(), 10u);
}

} // namespace
} // namespace korvane
