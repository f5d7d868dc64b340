#pragma once
// Helpers that copy, free and rewrite expression trees, for the parts of the program
// that build trees from other trees (tangent lines, periodic extensions, derivatives).
#include "expr/ComplexValue.h"
#include "expr/ExprTree.h"

namespace korvane {

// Copies the subtree below `node` into `into`'s arena; returns the copy's root.
ExprNode* CopyTree(const ExprNode* node, ExprTree& into);
// A compact copy of a whole tree.
ExprTree CopyTree(const ExprTree& tree);
void FreeTree(ExprTree& tree);

// Every node whose code is `from` gets the code `to`; a sum/prod index follows along.
void RenameVariable(ExprNode* root, short from, short to);
// Every node whose code is `letter` is overwritten by a copy of `subtree` (which may
// itself belong to `tree` and contain the letter).
void SubstituteVariable(ExprTree& tree, short letter, const ExprNode* subtree);
void SetVariableToConstant(ExprNode* root, short letter, const ComplexValue& value);
// A function of x becomes a function of t: X becomes T, JOINX becomes JOINT.
void SwitchXToT(ExprNode* root);

// Number of levels; 0 for a missing tree.
int TreeDepth(const ExprNode* root);

// Node visits of one evaluation, counting iterations and sum/prod ranges; a range whose
// bounds are not constants counts as kUnboundedWork.
inline constexpr double kUnboundedWork = 1e30;
double EstimateWork(const ExprNode* root);

} // namespace korvane
