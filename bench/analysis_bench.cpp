// The cost of the analysis tools beside the cost of their evaluations. The six Riemann
// sums of a formula with n = 10^6 against a bare loop of the same 3n + 1 evaluations (the
// same points, the random one included) through the same flat program, alternating in the
// same run; and the evaluations that one press of the zero search makes over 101 cells of
// x^3-2x-5 on [-10, 10]. Ends with one line per formula (the ratio, target <= 1.1) and
// one for the zero search.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

#include "MedianReporter.h"
#include "analysis/AnalysisCommands.h"
#include "analysis/AnalysisTools.h"
#include "analysis/RiemannSums.h"
#include "analysis/TZeroDlg.h"
#include "expr/EvalContext.h"
#include "expr/FormulaCompiler.h"
#include "expr/RandomGenerator.h"
#include "expr/RealProgram.h"
#include "plane/TPlot2Win.h"
#include "platform/memory/MemoryPlatform.h"

namespace {

using namespace korvane;
using Clock = std::chrono::steady_clock;

constexpr const char* kFormulas[] = {"xsin(x)", "exp(-xx/2)"};
constexpr std::int64_t kSubintervals = 1000000;
constexpr long double kA = 0, kB = 5;
constexpr int kLetterX = 24;
constexpr int kPairs = 5;

struct Integrand {
    explicit Integrand(const char* text) {
        if (compiler.CompileFormula(text) != 0)
            std::fprintf(stderr, "analysis_bench: %s does not compile\n", text);
        tree = compiler.TakeResult();
    }
    EvalContext eval;
    FormulaCompiler compiler{eval};
    ExprTree tree;
};

// The 3n + 1 evaluations of the sums and nothing else.
long double BareLoop(Integrand& g, RandomGenerator& random) {
    const RealProgram program(g.tree.root);
    const long double h = (kB - kA) / kSubintervals;
    long double total = 0, y = 0, x0 = kA;
    program.EvaluateAt(g.eval, kLetterX, x0, y);
    total += y;
    for (std::int64_t i = 1; i <= kSubintervals; ++i) {
        const long double x1 = i == kSubintervals ? kB : x0 + h;
        const long double x3 = (x0 + x1) * 0.5L;
        const long double x2 = x0 + h * random.Uniform(0, 1);
        for (const long double* x : {&x1, &x2, &x3}) {
            program.EvaluateAt(g.eval, kLetterX, *x, y);
            total += y;
        }
        x0 = x1;
    }
    return total;
}

RiemannResults Sums(Integrand& g, RandomGenerator& random) {
    RiemannRequest request;
    request.a = kA;
    request.b = kB;
    request.n = kSubintervals;
    request.letter = kLetterX;
    request.poll = [] { return 0; }; // as cheap as the platform's probe between event loops
    return RiemannSums(g.eval, g.tree.root, random, request);
}

template <class Work> double Seconds(Work work) {
    const auto start = Clock::now();
    work();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void Paired(benchmark::State& state, const char* formula) {
    Integrand g(formula);
    RandomGenerator random(1);
    double fastestSums = 1e30, fastestBare = 1e30;
    for (auto _ : state) {
        for (int i = 0; i < kPairs; ++i) {
            fastestSums =
                std::min(fastestSums, Seconds([&] { benchmark::DoNotOptimize(Sums(g, random)); }));
            fastestBare = std::min(fastestBare,
                                   Seconds([&] { benchmark::DoNotOptimize(BareLoop(g, random)); }));
        }
    }
    state.counters["ratio"] = fastestSums / fastestBare;
    state.counters["sums_ms"] = fastestSums * 1e3;
}

void ZeroPress(benchmark::State& state) {
    platform::MemoryPlatform platform;
    const auto folder = std::filesystem::temp_directory_path() / "korvane-analysis-bench";
    std::filesystem::create_directories(folder);
    platform.SetConfigDirectory(folder.string() + "/");
    WindowOptions options;
    options.readSettings = false;
    TPlot2Win window(platform, options, nullptr);
    InstallAnalysisTools(window);
    const int index = window.Examples().Append(kExplicit, 3);
    ExampleRecord& e = window.Examples()[index];
    e.texts[1] = "x^3-2x-5";
    e.SetFlag(exo::kLockInterval, true);
    e.SetReal(exo::kMinimum, -10);
    e.SetReal(exo::kMaximum, 10);
    window.CompileExample(index);
    window.ExamplesChanged();
    window.OnCommand(cmd::kZeros);
    TZeroDlg& zero = *static_cast<AnalysisTools*>(window.Analysis())->ZeroDialog();
    long evaluations = 0, presses = 0;
    for (auto _ : state) {
        zero.Search();
        evaluations += zero.Evaluations();
        ++presses;
    }
    state.counters["evaluations_per_press"] =
        static_cast<double>(evaluations) / static_cast<double>(presses);
    std::filesystem::remove_all(folder);
}

} // namespace

int main(int argc, char** argv) {
    for (const char* formula : kFormulas)
        benchmark::RegisterBenchmark((std::string("riemann/") + formula).c_str(), Paired, formula)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(1);
    benchmark::RegisterBenchmark("zero_press", ZeroPress)->Unit(benchmark::kMicrosecond);
    benchmark::Initialize(&argc, argv);
    bench::MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    for (const char* formula : kFormulas) {
        const double ratio = reporter.Counter(std::string("riemann/") + formula, "ratio");
        if (ratio > 0)
            std::printf("analysis_bench: six Riemann sums of %s, n = %lld: time / bare 3n+1 "
                        "evaluations %.3f "
                        "(target <= 1.1)\n",
                        formula, static_cast<long long>(kSubintervals), ratio);
    }
    const double perPress = reporter.Counter("zero_press", "evaluations_per_press");
    if (perPress > 0)
        std::printf("analysis_bench: zero search of x^3-2x-5 on [-10, 10], 101 cells: %.1f "
                    "evaluations per press\n",
                    perPress);
    benchmark::Shutdown();
    return 0;
}
