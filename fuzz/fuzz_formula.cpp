// Compiles arbitrary bytes as a formula, in real and complex mode, optimised and not,
// and evaluates every tree that compiles at a few letter values.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "expr/EvalContext.h"
#include "expr/Evaluator.h"
#include "expr/ExprTree.h"
#include "expr/FormulaCompiler.h"
#include "expr/RandomGenerator.h"
#include "expr/TreeOps.h"

namespace {

// Loops may legitimately run two billion times; the fuzzer only evaluates trees whose
// loops are small, so that a slow formula does not count as a hang.
constexpr double kWorkLimit = 2e5;

void EvaluateSome(korvane::EvalContext& ctx, korvane::ExprTree& tree) {
    if (korvane::EstimateWork(tree.root) > kWorkLimit)
        return;
    const long double points[] = {-2.5L, 0.0L, 1.0L, 3e18L};
    for (long double x : points) {
        long double out = 0.0L;
        ctx.nearBreak = false;
        korvane::EvaluateAt(ctx, tree.root, 'X' - 64, x, out);
        korvane::ComplexValue z{x, 0.5L};
        korvane::ComplexValue result;
        korvane::EvaluateAtComplex(ctx, tree.root, 'Z' - 64, z, result);
    }
    korvane::ExprTree copy = korvane::CopyTree(tree);
    korvane::EvaluateNode(ctx, copy.root);
}

void CompileAndEvaluate(std::string_view text, bool complexMode, bool optimize) {
    korvane::RandomGenerator random(12345);
    korvane::EvalContext ctx;
    ctx.random = &random;
    korvane::FormulaCompiler compiler(ctx);
    compiler.SetComplexMode(complexMode);
    compiler.SetOptimize(optimize);
    if (compiler.CompileFormula(text) != 0)
        return;
    korvane::ExprTree tree = compiler.TakeResult();
    EvaluateSome(ctx, tree);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (bool complexMode : {false, true})
        for (bool optimize : {true, false})
            CompileAndEvaluate(text, complexMode, optimize);
    return 0;
}
