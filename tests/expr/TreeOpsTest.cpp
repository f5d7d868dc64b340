// The tree helpers that other parts build with.
#include <gtest/gtest.h>

#include "FormulaTestSupport.h"
#include "expr/ExprTree.h"
#include "expr/Opcodes.h"
#include "expr/TreeOps.h"

namespace korvane {
namespace {

ExprTree Compile(testing::Formulas& formulas, const char* text) {
    EXPECT_EQ(formulas.compiler.CompileFormula(text), 0) << text;
    return formulas.compiler.TakeResult();
}

long double At(testing::Formulas& f, ExprTree& tree, char letter, long double value) {
    long double out = 0;
    EXPECT_TRUE(EvaluateAt(f.ctx, tree.root, letter - '@', value, out));
    return out;
}

TEST(TreeOps, CopyIsIndependentAndCompact) {
    testing::Formulas f;
    ExprTree tree = Compile(f, "x^3+a*x");
    f.ctx.letterValues['A' - '@'] = {2, 0};
    ExprTree copy = CopyTree(tree);
    EXPECT_EQ(At(f, copy, 'X', 2), 12);
    FreeTree(tree);
    EXPECT_TRUE(tree.Empty());
    EXPECT_EQ(At(f, copy, 'X', 3), 33);
    EXPECT_EQ(copy.NodeCount(), 7u);
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

TEST(TreeOps, DepthAndWork) {
    testing::Formulas f;
    ExprTree tree = Compile(f, "iter(10,x+1)");
    EXPECT_EQ(TreeDepth(tree.root), 3);
    EXPECT_EQ(EstimateWork(tree.root), 50);
    EXPECT_EQ(TreeDepth(nullptr), 0);
}

} // namespace
} // namespace korvane
