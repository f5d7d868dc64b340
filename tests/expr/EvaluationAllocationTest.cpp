// Evaluation allocates nothing: a million evaluations under a counting operator new, of
// the trees and of the flat programs built from them.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <vector>

#include "FormulaTestSupport.h"
#include "expr/RealProgram.h"

namespace {
std::atomic<long> allocations{0};
std::atomic<bool> counting{false};
} // namespace

// The counting operator new hands out malloc'ed memory, so free is the matching release.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t size) {
    if (counting)
        ++allocations;
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
#pragma GCC diagnostic pop

namespace korvane {
namespace {

constexpr int kSlotX = 'X' - '@';
constexpr int kEvaluations = 1000000;

// iter is left to the tree by the program, the rest runs as instructions.
const char* const kTexts[] = {"xsin(x)", "x^2-2x+1", "sin(2x)cos(x)+sqrt(abs(x))",
                              "exp(-xx/2)/sqrt(2pi)", "(x-1)(x-2)(x+1)/(x+3)",
                              "joinx(x+1|0,1-x^2|2,-1)", "sum(1/n^2,n,1,20)", "iter(3,x/2)",
                              "gamma(x)+erf(x)+rnd(1)"};
constexpr int kTextCount = sizeof kTexts / sizeof kTexts[0];

std::vector<ExprTree> CompileAll(testing::Formulas& f) {
    std::vector<ExprTree> trees;
    for (const char* text : kTexts) {
        EXPECT_EQ(f.compiler.CompileFormula(text), 0) << text;
        trees.push_back(f.compiler.TakeResult());
    }
    return trees;
}

long double Argument(int i) { return -5 + (i % 10000) * 0.001L; }

// Runs `evaluate(i, out)` a million times under the counter; the sum shows the calls ran.
template <class Evaluate> void ExpectNoAllocation(int calls, Evaluate evaluate) {
    allocations = 0;
    counting = true;
    long double sum = 0;
    for (int i = 0; i < calls; ++i) {
        long double out = 0;
        if (evaluate(i, out))
            sum += out;
    }
    counting = false;
    EXPECT_EQ(allocations.load(), 0);
    EXPECT_NE(sum, 0);
}

TEST(EvaluationAllocation, AMillionEvaluationsAllocateNothing) {
    for (bool complexMode : {false, true}) {
        SCOPED_TRACE(complexMode ? "complex mode" : "real mode");
        testing::Formulas f(complexMode);
        std::vector<ExprTree> trees = CompileAll(f);
        ExpectNoAllocation(kEvaluations / 2 + 1, [&](int i, long double& out) {
            ExprTree& tree = trees[i % kTextCount];
            return EvaluateAt(f.ctx, tree.root, kSlotX, Argument(i / kTextCount), out);
        });
    }
}

TEST(EvaluationAllocation, AMillionProgramEvaluationsAllocateNothing) {
    testing::Formulas f;
    std::vector<ExprTree> trees = CompileAll(f);
    std::vector<RealProgram> programs;
    int compiled = 0;
    for (ExprTree& tree : trees)
        compiled += programs.emplace_back(tree.root).Compiled() ? 1 : 0;
    EXPECT_EQ(compiled, kTextCount - 1); // all but iter
    ExpectNoAllocation(kEvaluations + kTextCount, [&](int i, long double& out) {
        return programs[i % kTextCount].EvaluateAt(f.ctx, kSlotX, Argument(i / kTextCount), out);
    });
}

} // namespace
} // namespace korvane
