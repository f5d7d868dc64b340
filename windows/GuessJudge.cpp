#include "windows/GuessJudge.h"

#include "expr/EvalContext.h"
#include "expr/Evaluator.h"
#include "expr/RandomGenerator.h"

#include <algorithm>
#include <cmath>

namespace korvane {

namespace {

constexpr int kSlotX = 'X' - 64;

} // namespace

GuessVerdict JudgeGuess(EvalContext& context, ExprNode* target, ExprNode* guess, const View& view,
                        RandomGenerator& random) {
    GuessVerdict verdict;
    for (int i = 0; i < kGuessPoints; ++i) {
        const long double x = view.xmin + 2 * view.rx * random.Uniform(0.0L, 1.0L);
        long double t = 0, g = 0;
        if (!EvaluateAt(context, target, kSlotX, x, t) || !EvaluateAt(context, guess, kSlotX, x, g))
            continue;
        ++verdict.usedPoints;
        verdict.largestDifference = std::max(verdict.largestDifference, std::fabs(t - g));
    }
    verdict.correct = verdict.usedPoints > 0 && verdict.largestDifference <= kGuessTolerance;
    return verdict;
}

} // namespace korvane
