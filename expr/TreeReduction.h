#pragma once
// The tree steps of the compiler (18 and 19): precedence reduction of the checked tokens
// into nodes, then the post-passes that give the tree its final shape.
#include "expr/TokenPass.h"

namespace korvane {

class CharacterClasses;
class ExprTree;

// Trees deeper than this are refused (code 17): evaluation recurses once per level. A
// 5000-byte text reaches it only with long runs of unary minus.
inline constexpr int kMaxReducedDepth = 2500;

int ReduceTokens(TokenList& tokens, const CharacterClasses& classes, ExprTree& tree);
int RunPostPasses(ExprTree& tree);

} // namespace korvane
