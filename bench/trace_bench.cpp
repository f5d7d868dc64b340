// The cost of drawing a curve beside the cost of its evaluations: xsin(x) traced at
// density 1, 10 and 100 on a 1000-pixel-wide window onto a raster surface, and the bare
// evaluation loop over the same samples through the same flat program, in the same run (and
// through the tree, for comparison). Ends with one line per density: evaluations per second
// and the ratio of tracing time to evaluation time, from the rates and from paired runs.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "MedianReporter.h"
#include "expr/EvalContext.h"
#include "expr/Evaluator.h"
#include "expr/FormulaCompiler.h"
#include "expr/RealProgram.h"
#include "graph/View.h"
#include "plane/CurveTracer.h"
#include "plane/ExampleTable.h"
#include "plane/PlaneDrawing.h"
#include "platform/memory/RasterSurface.h"

namespace {

using namespace korvane;

constexpr int kWidth = 1000;
constexpr int kHeight = 600;
constexpr int kDensities[] = {1, 10, 100};
constexpr const char* kFormula = "xsin(x)";
constexpr int kRepetitions = 5;

// A window as the program has it: the view on [-10, 10] and one explicit example.
struct Scene {
    explicit Scene(int density) {
        view.SetClientSize(kWidth, kHeight);
        view.SetSquareView(0, 0, 10);
        view.Recompute();
        const int index = examples.Append(kExplicit, 3);
        ExampleRecord& example = examples[index];
        example.SetI16(exo::kDensity, static_cast<std::int16_t>(density));
        example.SetReal(exo::kMinimum, view.xmin);
        example.SetReal(exo::kMaximum, view.xmax);
        example.texts[1] = kFormula;
        if (compiler.CompileFormula(kFormula) != 0)
            std::fprintf(stderr, "trace_bench: %s does not compile\n", kFormula);
        example.compiled[1] = compiler.TakeResult();
    }

    ExampleRecord& Example() { return examples[0]; }

    PlaneDrawContext Context() {
        PlaneDrawContext context{surface, view, eval, examples, {}, {}, {}, {}, {}};
        context.penRgb = [](int) { return platform::kBlack; };
        context.pollKey = [] { return 0; };
        return context;
    }

    std::int64_t Samples() {
        ExampleRecord& example = Example();
        return CurveSampleCount(view, example, example.Minimum(), example.Maximum()) + 1;
    }

    EvalContext eval;
    FormulaCompiler compiler{eval};
    View view;
    ExampleTable examples;
    platform::RasterSurface surface{platform::Size{kWidth, kHeight}};
};

// The evaluations the tracer makes, and nothing else: the same t values in the same order,
// through the flat program the tracer runs (or through the tree, for comparison).
template <class Evaluation>
long double EvaluatePass(Scene& scene, Evaluation evaluate) {
    ExampleRecord& example = scene.Example();
    const long double a = example.Minimum();
    const long double b = example.Maximum();
    const std::int64_t n = scene.Samples() - 1;
    const long double h = (b - a) / static_cast<long double>(n);
    long double t = a + 1e-18L;
    long double sum = 0;
    for (std::int64_t i = 0; i <= n; ++i) {
        long double y;
        scene.eval.nearBreak = false;
        if (evaluate(t, y))
            sum += y;
        t = i + 1 == n ? b : t + h;
    }
    return sum;
}

auto ProgramEvaluation(Scene& scene, const RealProgram& program) {
    const int slot = PlotVariable(scene.Example());
    return [&scene, &program, slot](const long double& t, long double& y) {
        return program.EvaluateAt(scene.eval, slot, t, y);
    };
}

void Trace(benchmark::State& state, int density) {
    Scene scene(density);
    PlaneDrawContext context = scene.Context();
    for (auto _ : state)
        benchmark::DoNotOptimize(DrawCurve(context, scene.Example()));
    state.SetItemsProcessed(state.iterations() * scene.Samples());
}

void Evaluate(benchmark::State& state, int density) {
    Scene scene(density);
    const RealProgram program(scene.Example().Tree(1));
    const auto evaluate = ProgramEvaluation(scene, program);
    for (auto _ : state)
        benchmark::DoNotOptimize(EvaluatePass(scene, evaluate));
    state.SetItemsProcessed(state.iterations() * scene.Samples());
}

void EvaluateTree(benchmark::State& state, int density) {
    Scene scene(density);
    ExprNode* tree = scene.Example().Tree(1);
    const int slot = PlotVariable(scene.Example());
    for (auto _ : state)
        benchmark::DoNotOptimize(EvaluatePass(scene, [&](const long double& t, long double& y) {
            return EvaluateAt(scene.eval, tree, slot, t, y);
        }));
    state.SetItemsProcessed(state.iterations() * scene.Samples());
}

// A trace and an evaluation pass timed back to back, many times over, so that both meet the
// same machine; a busy machine only ever adds time, so the fastest of each stands for it.
void Paired(benchmark::State& state, int density) {
    using Clock = std::chrono::steady_clock;
    Scene scene(density);
    PlaneDrawContext context = scene.Context();
    const RealProgram program(scene.Example().Tree(1));
    const auto evaluate = ProgramEvaluation(scene, program);
    Clock::duration fastestTrace = Clock::duration::max();
    Clock::duration fastestEvaluation = Clock::duration::max();
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        benchmark::DoNotOptimize(DrawCurve(context, scene.Example()));
        const Clock::time_point traced = Clock::now();
        benchmark::DoNotOptimize(EvaluatePass(scene, evaluate));
        const Clock::time_point evaluated = Clock::now();
        fastestTrace = std::min(fastestTrace, traced - start);
        fastestEvaluation = std::min(fastestEvaluation, evaluated - traced);
    }
    state.counters["ratio"] = std::chrono::duration<double>(fastestTrace).count() /
                              std::chrono::duration<double>(fastestEvaluation).count();
}

std::string Name(const char* what, int density) { return std::string(what) + "/density:" + std::to_string(density); }

} // namespace

int main(int argc, char** argv) {
    using Case = void (*)(benchmark::State&, int);
    const std::pair<const char*, Case> cases[] = {
        {"trace", Trace}, {"evaluate", Evaluate}, {"evaluate-tree", EvaluateTree}, {"paired", Paired}};
    for (int density : kDensities)
        for (const auto& [what, run] : cases)
            benchmark::RegisterBenchmark(Name(what, density).c_str(), run, density)
                ->Unit(benchmark::kMicrosecond)
                ->Repetitions(kRepetitions);
    // Tracing and evaluation alternate, so that a change of clock speed falls on both.
    std::vector<char*> args(argv, argv + argc);
    char interleave[] = "--benchmark_enable_random_interleaving=true";
    args.insert(args.begin() + 1, interleave);
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    bench::MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    for (int density : kDensities) {
        const double trace = reporter.Rate(Name("trace", density));
        const double bare = reporter.Rate(Name("evaluate", density));
        const double tree = reporter.Rate(Name("evaluate-tree", density));
        const double paired = reporter.Counter(Name("paired", density), "ratio");
        if (trace == 0 || bare == 0)
            continue;
        std::printf("trace_bench: %s at density %3d on %d pixels: tracing %.3g samples/s, bare evaluation "
                    "%.3g/s (tree %.3g/s); tracing time / evaluation time %.3f, fastest of paired runs %.3f\n",
                    kFormula, density, kWidth, trace, bare, tree, bare / trace, paired);
    }
    benchmark::Shutdown();
    return 0;
}
