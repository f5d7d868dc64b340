// The optimiser: integer exponents become POW, quotients by trigonometric functions
// become products, constants fold, letters never do; optimised and unoptimised trees
// give the same values. Then the tree helpers that other parts build with.
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
};

// sin(2) folds and A stays; x^1 stays a POW, as the exponent pass comes before the folds;
// -x is (-1)*x, and -1 is not 1; a formula that is never defined is left as compiled.
TEST(Optimizer, FoldsAndRewrites) {
    const std::vector<ShapeRow> rows = {
        {"x^2", op::Pow, 3}, {"x^-2", op::Pow, 3}, {"x^a", op::Power, 3}, {"x^2.5", op::Power, 3},
        {"1^x", op::Constant, 1}, {"x^0", op::Constant, 1}, {"sin(2)", op::Constant, 1},
        {"2+3", op::Constant, 1}, {"a*sin(2)", op::Times, 3}, {"0*x", op::Constant, 1},
        {"x*0", op::Constant, 1}, {"1*x", 'X', 1}, {"0+x", 'X', 1}, {"x*1", 'X', 1},
        {"x/1", 'X', 1}, {"x^1", op::Pow, 3}, {"x+0", 'X', 1}, {"x-0", 'X', 1},
        {"-x", op::Times, 3}, {"x/tan(x)", op::Times, 4}, {"rnd(1)", op::Rand, 2},
        {"iter(2,x)", op::Iter, 3}, {"sqrt(-1-xx)", op::Sqrt, 6},
    };
    for (const ShapeRow& row : rows) {
        SCOPED_TRACE(row.text);
        testing::Formulas formulas;
        ExprTree tree = Compile(formulas, row.text);
        ASSERT_NE(tree.root, nullptr);
        EXPECT_EQ(tree.root->op, row.rootOp);
        EXPECT_EQ(testing::Reachable(tree.root), row.reachableNodes);
    }
}

TEST(Optimizer, ReciprocalFunctions) {
    const std::pair<const char*, short> rows[] = {
        {"tan", op::Cot},   {"cos", op::Sec},   {"sin", op::Csc},   {"sec", op::Cos},
        {"csc", op::Sin},   {"cot", op::Tan},   {"sinh", op::Csch}, {"cosh", op::Sech},
        {"tanh", op::Coth}, {"sech", op::Cosh}, {"coth", op::Tanh}, {"csch", op::Sinh}};
    for (const auto& [name, reciprocal] : rows) {
        SCOPED_TRACE(name);
        testing::Formulas formulas;
        ExprTree tree = Compile(formulas, std::string("a/") + name + "(x)");
        ASSERT_EQ(tree.root->op, op::Times);
        EXPECT_EQ(tree.root->right->op, reciprocal);
    }
}

// A constant that became a reciprocal keeps the reciprocal's value, and a part that is
// undefined on its own is not folded into a number.
TEST(Optimizer, FoldedValuesAreTheFoldedPartsValues) {
    testing::ExpectValues({
        {"1/tan(2)", {}, true, -0.457657554360285763750277410432L},
        {"3/sin(2)", {}, true, 3.29925051088384940027009219108L},
        {"joinx(ln(0-1)|0,1)", {{'X', {-1, 0}}}, false},
    });
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

long double At(testing::Formulas& f, ExprTree& tree, char letter, long double value) {
    long double out = 0;
    EXPECT_TRUE(EvaluateAt(f.ctx, tree.root, letter - '@', value, out));
    return out;
}

TEST(TreeOps, CopyDepthAndWork) {
    testing::Formulas f;
    ExprTree tree = Compile(f, "x^3+a*x");
    f.ctx.letterValues['A' - '@'] = {2, 0};
    ExprTree copy = CopyTree(tree);
    EXPECT_EQ(At(f, copy, 'X', 2), 12);
    FreeTree(tree);
    EXPECT_TRUE(tree.Empty());
    EXPECT_EQ(At(f, copy, 'X', 3), 33);
    EXPECT_EQ(copy.NodeCount(), 7u);

    ExprTree loop = Compile(f, "iter(10,x+1)");
    EXPECT_EQ(TreeDepth(loop.root), 3);
    EXPECT_EQ(EstimateWork(loop.root), 50);
    EXPECT_EQ(TreeDepth(nullptr), 0);
}

TEST(TreeOps, RenameSubstituteAndSetConstant) {
    testing::Formulas f;
    ExprTree tree = Compile(f, "x^2+a");
    f.ctx.letterValues['A' - '@'] = {1, 0};
    RenameVariable(tree.root, 'X', 'T');
    EXPECT_EQ(At(f, tree, 'T', 3), 10);

    ExprTree sub = Compile(f, "t+1");
    SubstituteVariable(tree, 'T', sub.root); // (t+1)^2 + a
    EXPECT_EQ(At(f, tree, 'T', 2), 10);

    // The subtree belongs to the tree and holds the letter itself: (t+1)^2 for t.
    SubstituteVariable(tree, 'T', tree.root->left);
    EXPECT_EQ(At(f, tree, 'T', 0), 5); // ((0+1)^2+1)^2 + 1

    SetVariableToConstant(tree.root, 'A', {4, 0});
    f.ctx.letterValues['A' - '@'] = {100, 0};
    EXPECT_EQ(At(f, tree, 'T', 0), 8); // ((0+1)^2+1)^2 + 4
}

// Renaming the index of a sum moves the loop; switching X to T takes joins and indices along.
TEST(TreeOps, RenameAndSwitchMoveSumIndices) {
    testing::Formulas f;
    ExprTree tree = Compile(f, "sum(n*x,n,1,3)");
    RenameVariable(tree.root, 'N', 'K');
    f.ctx.letterValues['N' - '@'] = {100, 0};
    EXPECT_EQ(At(f, tree, 'X', 1), 6);
    EXPECT_EQ(f.ctx.letterValues['K' - '@'].re, 3);

    ExprTree switched = Compile(f, "joinx(x|0,2x)+sum(x,x,1,2)");
    SwitchXToT(switched.root);
    f.ctx.letterValues['X' - '@'] = {-50, 0};
    EXPECT_EQ(At(f, switched, 'T', -1), 2); // -1 + 3
    EXPECT_EQ(At(f, switched, 'T', 1), 5);  // 2t + 3
}

} // namespace
} // namespace korvane
