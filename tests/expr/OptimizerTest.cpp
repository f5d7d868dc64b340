// The optimiser: integer exponents become POW, quotients by trigonometric functions
// become products, constants fold, letters never do; optimised and unoptimised trees
// give the same values.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FormulaTestSupport.h"
#include "tests/support/Tolerance.h"
#include "expr/ExprTree.h"
#include "expr/Opcodes.h"
#include "expr/TreeOps.h"

namespace korvane {
namespace {

ExprTree Compile(testing::Formulas& formulas, const std::string& text) {
    EXPECT_EQ(formulas.compiler.CompileFormula(text), 0) << text;
    return formulas.compiler.TakeResult();
}

struct ShapeRow {
    std::string text;
    short rootOp;
    std::size_t reachableNodes;
    int line;
};

std::size_t Reachable(const ExprNode* n) {
    return n ? 1 + Reachable(n->left) + Reachable(n->third) + Reachable(n->right) : 0;
}

TEST(Optimizer, FoldsAndRewrites) {
    const std::vector<ShapeRow> rows = {
        {"x^2", op::Pow, 3, __LINE__},
        {"x^-2", op::Pow, 3, __LINE__},
        {"x^a", op::Power, 3, __LINE__},
        {"x^2.5", op::Power, 3, __LINE__},
        {"1^x", op::Constant, 1, __LINE__},
        {"x^0", op::Constant, 1, __LINE__},
        {"sin(2)", op::Constant, 1, __LINE__},
        {"2+3", op::Constant, 1, __LINE__},
        {"a*sin(2)", op::Times, 3, __LINE__}, // sin(2) folds, A stays
        {"0*x", op::Constant, 1, __LINE__},
        {"x*0", op::Constant, 1, __LINE__},
        {"1*x", 'X', 1, __LINE__},
        {"0+x", 'X', 1, __LINE__},
        {"x*1", 'X', 1, __LINE__},
        {"x/1", 'X', 1, __LINE__},
        {"x^1", op::Pow, 3, __LINE__}, // the exponent pass comes before the folds
        {"x+0", 'X', 1, __LINE__},
        {"x-0", 'X', 1, __LINE__},
        {"-x", op::Times, 3, __LINE__}, // (-1)*x: -1 is not 1
        {"x/tan(x)", op::Times, 4, __LINE__},
        {"rnd(1)", op::Rand, 2, __LINE__},
        {"iter(2,x)", op::Iter, 3, __LINE__},
        {"sqrt(-1-xx)", op::Sqrt, 6, __LINE__}, // never defined: left as compiled
    };
    for (const ShapeRow& row : rows) {
        SCOPED_TRACE(::testing::Message() << "line " << row.line << ": " << row.text);
        testing::Formulas formulas;
        ExprTree tree = Compile(formulas, row.text);
        ASSERT_NE(tree.root, nullptr);
        EXPECT_EQ(tree.root->op, row.rootOp);
        EXPECT_EQ(Reachable(tree.root), row.reachableNodes);
    }
}

TEST(Optimizer, ReciprocalFunctions) {
    const std::pair<short, short> pairs[] = {
        {op::Tan, op::Cot},   {op::Cos, op::Sec},   {op::Sin, op::Csc},   {op::Sec, op::Cos},
        {op::Csc, op::Sin},   {op::Cot, op::Tan},   {op::Sinh, op::Csch}, {op::Cosh, op::Sech},
        {op::Tanh, op::Coth}, {op::Sech, op::Cosh}, {op::Coth, op::Tanh}, {op::Csch, op::Sinh}};
    const char* names[] = {"tan", "cos", "sin", "sec", "csc", "cot",
                           "sinh", "cosh", "tanh", "sech", "coth", "csch"};
    for (int i = 0; i < 12; ++i) {
        SCOPED_TRACE(names[i]);
        testing::Formulas formulas;
        ExprTree tree = Compile(formulas, std::string("a/") + names[i] + "(x)");
        ASSERT_EQ(tree.root->op, op::Times);
        EXPECT_EQ(tree.root->right->op, pairs[i].second);
    }
}

// A constant that became a reciprocal keeps the reciprocal's value, and a part that is
// undefined on its own is not folded into a number.
TEST(Optimizer, FoldedValuesAreTheFoldedPartsValues) {
    struct Row {
        std::string text;
        bool defined;
        long double expected;
        int line;
    } rows[] = {
        {"1/tan(2)", true, -0.457657554360285763750277410432L, __LINE__},
        {"3/sin(2)", true, 3.29925051088384940027009219108L, __LINE__},
        {"joinx(ln(0-1)|0,1)", false, 0, __LINE__},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << "line " << row.line << ": " << row.text);
        const testing::Outcome out = testing::Evaluate(row.text, {{'X', {-1, 0}}});
        ASSERT_EQ(out.code, 0);
        EXPECT_EQ(out.defined, row.defined);
        if (row.defined) {
            EXPECT_TRUE(testing::Close(out.value, {row.expected, 0}, 1e-15L)) << testing::Show(out.value);
        }
    }
}

TEST(Optimizer, LettersAreNeverFolded) {
    testing::Formulas formulas;
    ExprTree tree = Compile(formulas, "a*sin(2)+b");
    for (long double a : {1.0L, -4.0L}) {
        formulas.ctx.letterValues['A' - '@'] = {a, 0};
        formulas.ctx.letterValues['B' - '@'] = {10, 0};
        ASSERT_TRUE(EvaluateNode(formulas.ctx, tree.root));
        EXPECT_TRUE(testing::Close(tree.root->value, {a * 0.909297426825681695396019865912L + 10, 0}, 1e-15L));
    }
}

TEST(Optimizer, ComplexModeMakesIAConstant) {
    testing::Formulas formulas(true);
    ExprTree tree = Compile(formulas, "i*z");
    ASSERT_EQ(tree.root->op, op::Times);
    EXPECT_EQ(tree.root->left->op, op::Constant);
    EXPECT_EQ(tree.root->left->value.im, 1.0L);
    testing::Formulas real;
    ExprTree realTree = Compile(real, "i*z");
    EXPECT_EQ(realTree.root->left->op, 'I');
}

TEST(Optimizer, TestEvaluationsPutEverythingBack) {
    testing::Formulas formulas;
    formulas.ctx.letterValues['X' - '@'] = {7, 1};
    formulas.ctx.letterValues['N' - '@'] = {-2, 0};
    formulas.ctx.nearBreak = true;
    Compile(formulas, "sum(x+n,n,1,3)+floor(x)");
    EXPECT_EQ(formulas.ctx.letterValues['X' - '@'].re, 7);
    EXPECT_EQ(formulas.ctx.letterValues['X' - '@'].im, 1);
    EXPECT_EQ(formulas.ctx.letterValues['N' - '@'].re, -2);
    EXPECT_TRUE(formulas.ctx.nearBreak);
}

// Loops too long to run a hundred times at compile time are left unoptimised.
TEST(Optimizer, LongLoopsAreNotTestEvaluated) {
    testing::Formulas formulas;
    ExprTree tree = Compile(formulas, "iter(2000000000,x^2)");
    EXPECT_EQ(tree.root->right->op, op::Power) << "not optimised";
    ExprTree sum = Compile(formulas, "sum(x^2,n,1,a)");
    EXPECT_GT(EstimateWork(sum.root), 1e6);
}

TEST(Optimizer, OptimisedAndUnoptimisedAgree) {
    const char* texts[] = {"x^2-2x+1", "xsin(x)", "(x-1)(x-2)(x+1)/(x+3)", "exp(-xx/2)/sqrt(2pi)",
                           "joinx(x+1|0,1-x^2|2,-1)", "sum(1/n^2,n,1,20)", "a/tan(x)+b/cosh(x)",
                           "log(2,x)", "chi(-1,1,x)", "1^x+x^0+2^3*x", "root(3,x)+max(x,1,2)",
                           "x^-2+abs(x,3)", "iter(3,x/2+1)", "prod(x+k,k,1,4)"};
    const long double xs[] = {-3, -0.5L, 0, 0.75L, 2, 10};
    for (bool complexMode : {false, true}) {
        for (const char* text : texts) {
            testing::Formulas on(complexMode, true);
            testing::Formulas off(complexMode, false);
            ExprTree a = Compile(on, text);
            ExprTree b = Compile(off, text);
            for (long double x : xs) {
                SCOPED_TRACE(::testing::Message() << text << " x=" << static_cast<double>(x)
                                                  << " complex " << complexMode);
                for (testing::Formulas* f : {&on, &off}) {
                    f->ctx.letterValues['A' - '@'] = {2, 0};
                    f->ctx.letterValues['B' - '@'] = {-1, 0};
                }
                ComplexValue va, vb;
                const bool da = EvaluateAtComplex(on.ctx, a.root, complexMode ? 26 : 24, {x, 0}, va);
                const bool db = EvaluateAtComplex(off.ctx, b.root, complexMode ? 26 : 24, {x, 0}, vb);
                EXPECT_EQ(da, db);
                if (da && db) {
                    EXPECT_TRUE(testing::Close(va, vb, 1e-15L, 1e-17L))
                        << testing::Show(va) << " vs " << testing::Show(vb);
                }
            }
        }
    }
}

} // namespace
} // namespace korvane
