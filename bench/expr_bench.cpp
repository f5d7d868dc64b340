// Evaluations per second of EvaluateAt for a set of curve formulas, in real and complex
// mode, beside the same formulas in muparser (double) and as native long double code.
// Ends with one line: the geometric mean of ours / muparser over the real-mode set.
#include <benchmark/benchmark.h>
#include <muParser.h>

#include <cmath>
#include <complex>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "MedianReporter.h"
#include "expr/EvalContext.h"
#include "expr/Evaluator.h"
#include "expr/FormulaCompiler.h"
#include "expr/RandomGenerator.h"
#include "expr/RealProgram.h"

namespace {

using Complex = std::complex<long double>;

struct Case {
    const char* name;
    const char* ours;
    const char* muparser;
    bool muparserOptimizer; // off where muparser would fold the whole formula to a constant
    std::function<long double(long double)> native;
    std::function<Complex(Complex)> nativeComplex;
};

long double Join(long double x) { return x < 0 ? x + 1 : (x < 2 ? 1 - x * x : -1.0L); }

const std::vector<Case>& Cases() {
    static const std::vector<Case> cases = {
        {"xsin", "xsin(x)", "x*sin(x)", true, [](long double x) { return x * std::sin(x); },
         [](Complex z) { return z * std::sin(z); }},
        {"quadratic", "x^2-2x+1", "x^2-2*x+1", true,
         [](long double x) { return x * x - 2 * x + 1; }, [](Complex z) { return z * z - 2.0L * z + 1.0L; }},
        {"trigmix", "sin(2x)cos(x)+sqrt(abs(x))", "sin(2*x)*cos(x)+sqrt(abs(x))", true,
         [](long double x) { return std::sin(2 * x) * std::cos(x) + std::sqrt(std::fabs(x)); },
         [](Complex z) { return std::sin(2.0L * z) * std::cos(z) + std::sqrt(Complex(std::abs(z))); }},
        {"gauss", "exp(-xx/2)/sqrt(2pi)", "exp(-x*x/2)/sqrt(2*_pi)", true,
         [](long double x) { return std::exp(-x * x / 2) / std::sqrt(2 * 3.14159265358979323846L); },
         [](Complex z) { return std::exp(-z * z / 2.0L) / std::sqrt(2 * 3.14159265358979323846L); }},
        {"rational", "(x-1)(x-2)(x+1)/(x+3)", "(x-1)*(x-2)*(x+1)/(x+3)", true,
         [](long double x) { return (x - 1) * (x - 2) * (x + 1) / (x + 3); },
         [](Complex z) { return (z - 1.0L) * (z - 2.0L) * (z + 1.0L) / (z + 3.0L); }},
        {"join", "joinx(x+1|0,1-x^2|2,-1)", "x<0 ? x+1 : (x<2 ? 1-x^2 : -1)", true, Join,
         [](Complex z) { return Complex(Join(z.real()), 0); }},
        {"sum", "sum(1/n^2,n,1,20)",
         "1/1^2+1/2^2+1/3^2+1/4^2+1/5^2+1/6^2+1/7^2+1/8^2+1/9^2+1/10^2+1/11^2+1/12^2+1/13^2+"
         "1/14^2+1/15^2+1/16^2+1/17^2+1/18^2+1/19^2+1/20^2",
         false,
         [](long double) {
             long double s = 0;
             for (int n = 1; n <= 20; ++n)
                 s += 1.0L / (static_cast<long double>(n) * n);
             return s;
         },
         [](Complex) {
             Complex s = 0;
             for (int n = 1; n <= 20; ++n)
                 s += 1.0L / Complex(static_cast<long double>(n) * n);
             return s;
         }},
    };
    return cases;
}

// The arguments -5, -4.999, ..., 5, read from a table: a loop counter carried in an 80-bit
// variable would go through memory at every call and time the harness, not the formula.
const std::vector<long double>& Arguments() {
    static const std::vector<long double> xs = [] {
        std::vector<long double> v;
        for (int i = 0; i <= 10000; ++i)
            v.push_back(-5.0L + 0.001L * i);
        return v;
    }();
    return xs;
}

std::size_t Next(std::size_t i) { return i + 1 == Arguments().size() ? 0 : i + 1; }

// The tree evaluated node by node, or compiled once into a RealProgram as a curve tracer does.
void Ours(benchmark::State& state, const Case& c, bool complexMode, bool program) {
    korvane::RandomGenerator random(1);
    korvane::EvalContext ctx;
    ctx.random = &random;
    korvane::FormulaCompiler compiler(ctx);
    compiler.SetComplexMode(complexMode);
    if (compiler.CompileFormula(c.ours) != 0) {
        state.SkipWithError("does not compile");
        return;
    }
    korvane::ExprTree tree = compiler.TakeResult();
    korvane::RealProgram compiled;
    if (program && !complexMode && !compiled.Build(tree.root)) {
        state.SkipWithError("no program");
        return;
    }
    const std::vector<long double>& xs = Arguments();
    std::size_t i = 0;
    for (auto _ : state) {
        long double out = 0.0L;
        if (program)
            benchmark::DoNotOptimize(compiled.EvaluateAt(ctx, 'X' - 64, xs[i], out));
        else
            benchmark::DoNotOptimize(korvane::EvaluateAt(ctx, tree.root, 'X' - 64, xs[i], out));
        benchmark::DoNotOptimize(out);
        i = Next(i);
    }
    state.SetItemsProcessed(state.iterations());
}

void Muparser(benchmark::State& state, const Case& c) {
    mu::Parser parser;
    double x = -5.0;
    parser.DefineVar("x", &x);
    parser.EnableOptimizer(c.muparserOptimizer);
    parser.SetExpr(c.muparser);
    parser.Eval();
    const std::vector<long double>& xs = Arguments();
    std::size_t i = 0;
    for (auto _ : state) {
        x = static_cast<double>(xs[i]);
        benchmark::DoNotOptimize(parser.Eval());
        i = Next(i);
    }
    state.SetItemsProcessed(state.iterations());
}

void Native(benchmark::State& state, const Case& c, bool complexMode) {
    const std::vector<long double>& xs = Arguments();
    std::size_t i = 0;
    for (auto _ : state) {
        if (complexMode)
            benchmark::DoNotOptimize(c.nativeComplex(Complex(xs[i], 0)));
        else
            benchmark::DoNotOptimize(c.native(xs[i]));
        i = Next(i);
    }
    state.SetItemsProcessed(state.iterations());
}

} // namespace

int main(int argc, char** argv) {
    for (const Case& c : Cases()) {
        const std::string name = c.name;
        benchmark::RegisterBenchmark(("real/ours/" + name).c_str(), Ours, c, false, true);
        benchmark::RegisterBenchmark(("real/tree/" + name).c_str(), Ours, c, false, false);
        benchmark::RegisterBenchmark(("real/muparser/" + name).c_str(), Muparser, c);
        benchmark::RegisterBenchmark(("real/native/" + name).c_str(), Native, c, false);
        benchmark::RegisterBenchmark(("complex/ours/" + name).c_str(), Ours, c, true, false);
        benchmark::RegisterBenchmark(("complex/native/" + name).c_str(), Native, c, true);
    }
    benchmark::Initialize(&argc, argv);
    korvane::bench::MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    double logSum = 0.0;
    double treeLogSum = 0.0;
    double complexLogSum = 0.0;
    double nativeLogSum = 0.0;
    int count = 0;
    for (const Case& c : Cases()) {
        const std::string name = c.name;
        const double ours = reporter.Rate("real/ours/" + name);
        const double theirs = reporter.Rate("real/muparser/" + name);
        if (ours == 0 || theirs == 0)
            continue;
        const double native = reporter.Rate("real/native/" + name);
        const double ratio = ours / theirs;
        const double treeRatio = reporter.Rate("real/tree/" + name) / theirs;
        const double complexRatio = reporter.Rate("complex/ours/" + name) / theirs;
        std::printf("%-10s ours/muparser %.3f  tree/muparser %.3f  complex/muparser %.3f  "
                    "ours/native %.3f\n",
                    c.name, ratio, treeRatio, complexRatio, ours / native);
        logSum += std::log(ratio);
        treeLogSum += std::log(treeRatio);
        complexLogSum += std::log(complexRatio);
        nativeLogSum += std::log(native / theirs);
        ++count;
    }
    if (count > 0) {
        std::printf("native long double / muparser, geometric mean: %.3f\n",
                    std::exp(nativeLogSum / count));
        std::printf("tree evaluation / muparser, geometric mean: %.3f (complex mode %.3f)\n",
                    std::exp(treeLogSum / count), std::exp(complexLogSum / count));
        std::printf("expr_bench: geometric mean of ours/muparser over %d real-mode formulas: %.3f\n",
                    count, std::exp(logSum / count));
    }
    benchmark::Shutdown();
    return 0;
}
