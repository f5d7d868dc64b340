#pragma once
// Simplifies a freshly compiled or derived tree: integer exponents become POW, quotients
// by trigonometric functions become products, and constant parts are folded. Letters are
// never folded, so a formula keeps following its parameters.
namespace korvane {

struct EvalContext;
class ExprTree;

void OptimizeTree(EvalContext& ctx, ExprTree& tree);

} // namespace korvane
