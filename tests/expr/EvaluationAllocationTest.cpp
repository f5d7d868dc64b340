// Evaluation allocates nothing: a million evaluations under a counting operator new.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <vector>

#include "FormulaTestSupport.h"

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

TEST(EvaluationAllocation, AMillionEvaluationsAllocateNothing) {
    const char* texts[] = {"xsin(x)", "x^2-2x+1", "sin(2x)cos(x)+sqrt(abs(x))",
                           "joinx(x+1|0,1-x^2|2,-1)", "sum(1/n^2,n,1,20)", "iter(3,x/2)",
                           "gamma(x)+erf(x)+rnd(1)"};
    for (bool complexMode : {false, true}) {
        testing::Formulas f(complexMode);
        std::vector<ExprTree> trees;
        for (const char* text : texts) {
            ASSERT_EQ(f.compiler.CompileFormula(text), 0) << text;
            trees.push_back(f.compiler.TakeResult());
        }
        allocations = 0;
        counting = true;
        long double sum = 0;
        for (int i = 0; i < 1000000 / 7 / 2 + 1; ++i) {
            const long double x = -5 + (i % 10000) * 0.001L;
            for (ExprTree& tree : trees) {
                long double out = 0;
                if (EvaluateAt(f.ctx, tree.root, 'X' - '@', x, out))
                    sum += out;
            }
        }
        counting = false;
        EXPECT_EQ(allocations.load(), 0) << "complex " << complexMode;
        EXPECT_NE(sum, 0);
    }
}

} // namespace
} // namespace korvane
