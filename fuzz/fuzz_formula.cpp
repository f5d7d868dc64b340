// Compiles arbitrary bytes as a formula, in real and complex mode, optimised and not,
// and evaluates every tree that compiles at a few letter values. A tree compiled in real
// mode is also built into a RealProgram, which must give what the tree gives.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "expr/EvalContext.h"
#include "expr/Evaluator.h"
#include "expr/ExprTree.h"
#include "expr/FormulaCompiler.h"
#include "expr/RandomGenerator.h"
#include "expr/RealProgram.h"
#include "expr/TreeOps.h"

namespace {

// Loops may legitimately run two billion times; the fuzzer only evaluates trees whose
// loops are small, so that a slow formula does not count as a hang.
constexpr double kWorkLimit = 2e5;

constexpr long double kPoints[] = {-2.5L, 0.0L, 1.0L, 3e18L, -0.0L, 0.001L, 1e-19L,
                                   4999.5L, 12000.0L, 1e4000L, __builtin_nanl("")};

// A NaN's payload and sign are not part of the result.
bool SameValue(long double a, long double b) {
    if (std::isnan(a) || std::isnan(b))
        return std::isnan(a) && std::isnan(b);
    return std::memcmp(&a, &b, 10) == 0;
}

bool SameLetters(const korvane::EvalContext& a, const korvane::EvalContext& b) {
    for (int i = 0; i < korvane::kLetterCount; ++i)
        if (!SameValue(a.letterValues[i].re, b.letterValues[i].re) ||
            !SameValue(a.letterValues[i].im, b.letterValues[i].im))
            return false;
    return true;
}

// The tree in one context and the program on a copy of the tree in a twin context, both
// starting from what the caller's context holds now.
void CompareWithProgram(const korvane::EvalContext& start, korvane::ExprTree& tree, int slot) {
    const std::uint64_t seed = start.random->State();
    korvane::RandomGenerator treeRandom(seed);
    korvane::RandomGenerator programRandom(seed);
    korvane::EvalContext treeCtx = start;
    korvane::EvalContext programCtx = start;
    treeCtx.random = &treeRandom;
    programCtx.random = &programRandom;
    korvane::ExprTree copy = korvane::CopyTree(tree);
    const korvane::RealProgram program(copy.root);
    for (long double x : kPoints) {
        treeCtx.nearBreak = programCtx.nearBreak = false;
        long double expected = 0.0L;
        long double actual = 0.0L;
        const bool expectedDefined = korvane::EvaluateAt(treeCtx, tree.root, slot, x, expected);
        const bool actualDefined = program.EvaluateAt(programCtx, slot, x, actual);
        if (actualDefined != expectedDefined || !SameValue(actual, expected) ||
            programCtx.nearBreak != treeCtx.nearBreak || !SameLetters(programCtx, treeCtx) ||
            programRandom.State() != treeRandom.State())
            __builtin_trap();
    }
}

void EvaluateSome(korvane::EvalContext& ctx, korvane::ExprTree& tree, bool complexMode) {
    if (korvane::EstimateWork(tree.root) > kWorkLimit)
        return;
    if (!complexMode)
        CompareWithProgram(ctx, tree, 'X' - 64);
    for (long double x : {-2.5L, 0.0L, 1.0L, 3e18L}) {
        long double out = 0.0L;
        ctx.nearBreak = false;
        korvane::EvaluateAt(ctx, tree.root, 'X' - 64, x, out);
        korvane::ComplexValue z{x, 0.5L};
        korvane::ComplexValue result;
        korvane::EvaluateAtComplex(ctx, tree.root, 'Z' - 64, z, result);
    }
    // Now a letter has an imaginary part, which sends a program that reads it to the tree.
    if (!complexMode)
        CompareWithProgram(ctx, tree, 'N' - 64);
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
    EvaluateSome(ctx, tree, complexMode);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (bool complexMode : {false, true})
        for (bool optimize : {true, false})
            CompileAndEvaluate(text, complexMode, optimize);
    return 0;
}
