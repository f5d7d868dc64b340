// The cost of drawing a curve beside the cost of its evaluations: xsin(x) traced at
// density 1, 10 and 100 on a 1000-pixel-wide window onto a raster surface, and the bare
// evaluation loop over the same samples through the same flat program, in the same run (and
// through the tree, for comparison). Ends with one line per density: evaluations per second
// and the ratio of tracing time to evaluation time.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <map>
#include <string>

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

void Trace(benchmark::State& state, int density) {
    Scene scene(density);
    PlaneDrawContext context = scene.Context();
    for (auto _ : state)
        benchmark::DoNotOptimize(DrawCurve(context, scene.Example()));
    state.SetItemsProcessed(state.iterations() * scene.Samples());
}

// The evaluations the tracer makes, and nothing else: the same t values in the same order,
// through the flat program the tracer runs, or through the tree for comparison.
template <class Evaluation>
void EvaluateSamples(benchmark::State& state, Scene& scene, Evaluation evaluate) {
    ExampleRecord& example = scene.Example();
    const long double a = example.Minimum();
    const long double b = example.Maximum();
    const std::int64_t n = scene.Samples() - 1;
    const long double h = (b - a) / static_cast<long double>(n);
    for (auto _ : state) {
        long double t = a + 1e-18L;
        long double sum = 0;
        for (std::int64_t i = 0; i <= n; ++i) {
            long double y = 0;
            scene.eval.nearBreak = false;
            if (evaluate(t, y))
                sum += y;
            t = i + 1 == n ? b : t + h;
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * scene.Samples());
}

void Evaluate(benchmark::State& state, int density) {
    Scene scene(density);
    const RealProgram program(scene.Example().Tree(1));
    const int slot = PlotVariable(scene.Example());
    EvaluateSamples(state, scene, [&](long double t, long double& y) {
        return program.EvaluateAt(scene.eval, slot, t, y);
    });
}

void EvaluateTree(benchmark::State& state, int density) {
    Scene scene(density);
    ExprNode* tree = scene.Example().Tree(1);
    const int slot = PlotVariable(scene.Example());
    EvaluateSamples(state, scene, [&](long double t, long double& y) {
        return EvaluateAt(scene.eval, tree, slot, t, y);
    });
}

std::string Name(const char* what, int density) { return std::string(what) + "/density:" + std::to_string(density); }

// Keeps the console output and remembers each run's items per second.
class RateReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            const auto items = run.counters.find("items_per_second");
            if (items != run.counters.end() && run.run_type == Run::RT_Iteration)
                rates[run.benchmark_name()] = items->second.value;
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> rates;
};

} // namespace

int main(int argc, char** argv) {
    for (int density : kDensities) {
        benchmark::RegisterBenchmark(Name("trace", density).c_str(), Trace, density)->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(Name("evaluate", density).c_str(), Evaluate, density)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(Name("evaluate-tree", density).c_str(), EvaluateTree, density)
            ->Unit(benchmark::kMicrosecond);
    }
    benchmark::Initialize(&argc, argv);
    RateReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    for (int density : kDensities) {
        const auto trace = reporter.rates.find(Name("trace", density));
        const auto bare = reporter.rates.find(Name("evaluate", density));
        const auto tree = reporter.rates.find(Name("evaluate-tree", density));
        if (trace == reporter.rates.end() || bare == reporter.rates.end() || tree == reporter.rates.end())
            continue;
        std::printf("trace_bench: %s at density %3d on %d pixels: tracing %.3g samples/s, bare evaluation "
                    "%.3g/s (tree %.3g/s), tracing time / evaluation time %.3f\n",
                    kFormula, density, kWidth, trace->second, bare->second, tree->second,
                    bare->second / trace->second);
    }
    benchmark::Shutdown();
    return 0;
}
