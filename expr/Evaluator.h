#pragma once
// Evaluation of expression trees: each node's result is written into its own value
// field, and parents read their operands from there. Returns the defined flag.
// Allocates nothing.
#include "expr/ComplexValue.h"

namespace korvane {

struct EvalContext;
struct ExprNode;

// A missing node counts as defined.
bool EvaluateNode(EvalContext& ctx, ExprNode* node);
// Sets the letter slot to (value, 0) with SetLetter, evaluates, gives the real part.
bool EvaluateAt(EvalContext& ctx, ExprNode* tree, int slot, long double value, long double& out);
// Sets the letter slot to the complex value, evaluates, gives the whole value.
bool EvaluateAtComplex(EvalContext& ctx, ExprNode* tree, int slot, const ComplexValue& value,
                       ComplexValue& out);

} // namespace korvane
