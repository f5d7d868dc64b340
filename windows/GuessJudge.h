#pragma once
// The comparison of a guess with the target: both formulas at 25 random points of the
// view's x range, undefined points skipped.
#include "graph/View.h"

namespace korvane {

struct EvalContext;
struct ExprNode;
class RandomGenerator;

inline constexpr int kGuessPoints = 25;
inline constexpr long double kGuessTolerance = 0.001L;

struct GuessVerdict {
    bool correct = false;
    int usedPoints = 0;
    long double largestDifference = 0;
};

// Correct when |t(x) - g(x)| <= 0.001 at every point where both are defined and there
// is at least one such point: a guess defined nowhere (sqrt(-1)) is not a right answer.
GuessVerdict JudgeGuess(EvalContext& context, ExprNode* target, ExprNode* guess, const View& view,
                        RandomGenerator& random);

} // namespace korvane
