#pragma once
// The symbolic derivative of a compiled formula with respect to one of its letters. The
// result is a new tree in its own arena, evaluated like any other; the input is only read.
#include "expr/EvalContext.h"
#include "expr/ExprNode.h"
#include "expr/ExprTree.h"

namespace korvane {

// Builds d(root)/d(letter) into `out` (cleared first) and runs the optimiser on it when
// ctx.optimize is on. `letter` is a letter code, 64..90. Every opcode has a rule;
// undefined values show when the result is evaluated. The one failure is a derivative
// too large to build (chains like x^x^...^x grow quadratically): then `out` is undefined
// everywhere and the result is false (callers may show code 117).
bool Differentiate(EvalContext& ctx, const ExprNode* root, int letter, ExprTree& out);
bool Differentiate(EvalContext& ctx, const ExprTree& tree, int letter, ExprTree& out);

} // namespace korvane
