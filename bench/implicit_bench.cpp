// The cost of an implicit curve beside a plain marching-squares pass over the same
// window: xx+yy=13, the lemniscate (xx+yy)^2=2(xx-yy) and the crossing lines
// sin(x)=cos(y) in the default view of an 800x600 window, searched and traced from a seeded generator, replayed from the stored
// pieces, and the reference that evaluates F at all 801x601 pixel corners and finds the
// cells where it changes sign, in the same run. Ends with one line per curve: evaluations
// per drawn pixel and the times of search and replay against the reference.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "MedianReporter.h"
#include "expr/EvalContext.h"
#include "expr/Evaluator.h"
#include "expr/FormulaCompiler.h"
#include "expr/RandomGenerator.h"
#include "graph/View.h"
#include "plane/ExampleCompiler.h"
#include "plane/ExampleTable.h"
#include "plane/ImplicitCurve.h"
#include "plane/PlaneDrawing.h"
#include "platform/memory/RasterSurface.h"

namespace {

using namespace korvane;

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr std::uint64_t kSeed = 20260;
constexpr int kRepetitions = 5;
constexpr const char* kCurves[] = {"xx+yy=13", "(xx+yy)^2=2(xx-yy)", "sin(x)=cos(y)"};
constexpr int kSlotX = 'X' - 64;
constexpr int kSlotY = 'Y' - 64;

// A plane window as the program has it: the default view, white picture, one implicit
// example compiled by the compile step, the generator reseeded before every search.
struct Scene {
    explicit Scene(const char* equation) {
        view.SetClientSize(kWidth, kHeight);
        view.Recompute();
        eval.random = &random;
        const int index = examples.Append(kImplicit, 1);
        ExampleRecord& example = examples[index];
        // As the equation dialog stores it: the text, and f - (g) for the compile step.
        const std::string text = equation;
        const std::size_t equals = text.find('=');
        example.texts[4] = text;
        example.texts[2] = text.substr(0, equals) + "-(" + text.substr(equals + 1) + ")";
        if (CompileExample(compiler, example, true) != 0 || !example.Tree(2))
            std::fprintf(stderr, "implicit_bench: %s does not compile\n", equation);
    }

    ExampleRecord& Example() { return examples[0]; }

    PlaneDrawContext Context() {
        PlaneDrawContext context{surface, view, eval, examples, {}, {}, {}, {}, {}};
        context.penRgb = [](int) { return platform::kBlack; };
        context.background = platform::kWhite;
        context.pollKey = [] { return 0; };
        return context;
    }

    void Clear() { surface.Fill(platform::kWhite); }

    // A fresh search: no pieces, search pending, empty picture, the same random points.
    void PrepareSearch() {
        Example().trajectories.clear();
        Example().SetFlag(exo::kFlag56, true);
        random.Seed(kSeed);
        Clear();
    }

    ImplicitDrawStats Search() {
        PrepareSearch();
        PlaneDrawContext context = Context();
        return DrawImplicitCounted(context, Example());
    }

    int DrawnPixels() const { return kWidth * kHeight - surface.CountPixels(platform::kWhite); }

    EvalContext eval;
    FormulaCompiler compiler{eval};
    RandomGenerator random{kSeed};
    View view;
    ExampleTable examples;
    platform::RasterSurface surface{platform::Size{kWidth, kHeight}};
};

void SearchCase(benchmark::State& state, const char* equation) {
    Scene scene(equation);
    long evaluations = 0;
    for (auto _ : state) {
        state.PauseTiming();
        scene.PrepareSearch();
        PlaneDrawContext context = scene.Context();
        state.ResumeTiming();
        evaluations = DrawImplicitCounted(context, scene.Example()).evaluations;
    }
    state.counters["evaluations"] = static_cast<double>(evaluations);
    state.counters["pixels"] = scene.DrawnPixels();
}

// The stored pieces drawn again: what a redraw costs when the search is not repeated.
void ReplayCase(benchmark::State& state, const char* equation) {
    Scene scene(equation);
    scene.Search();
    long evaluations = 0;
    for (auto _ : state) {
        state.PauseTiming();
        scene.Clear();
        PlaneDrawContext context = scene.Context();
        state.ResumeTiming();
        evaluations = DrawImplicitCounted(context, scene.Example()).evaluations;
    }
    state.counters["evaluations"] = static_cast<double>(evaluations);
    state.counters["pixels"] = scene.DrawnPixels();
}

// The reference: F at every pixel corner through the same evaluator, one row of signs
// kept, and the cells whose four corners do not all share a sign counted.
void MarchingCase(benchmark::State& state, const char* equation) {
    Scene scene(equation);
    ExprNode* tree = scene.Example().Tree(2);
    const View& view = scene.view;
    std::vector<signed char> above(kWidth + 1), below(kWidth + 1);
    long cells = 0;
    auto row = [&](int j, std::vector<signed char>& signs) {
        const long double y = view.ymax - view.unitY * j;
        for (int i = 0; i <= kWidth; ++i) {
            scene.eval.SetLetter(kSlotX, view.xmin + view.unitX * i);
            long double f = 0;
            const bool defined = EvaluateAt(scene.eval, tree, kSlotY, y, f);
            signs[static_cast<std::size_t>(i)] = !defined ? 0 : f > 0 ? 1 : -1;
        }
    };
    for (auto _ : state) {
        cells = 0;
        row(0, above);
        for (int j = 1; j <= kHeight; ++j) {
            row(j, below);
            for (std::size_t i = 0; i < kWidth; ++i) {
                const int a = above[i], b = above[i + 1], c = below[i], d = below[i + 1];
                if (a != 0 && b != 0 && c != 0 && d != 0 && (a != b || a != c || a != d))
                    ++cells;
            }
            above.swap(below);
        }
        benchmark::DoNotOptimize(cells);
    }
    state.counters["evaluations"] = static_cast<double>((kWidth + 1) * (kHeight + 1));
    state.counters["cells"] = static_cast<double>(cells);
}

std::string Name(const char* what, const char* equation) { return std::string(what) + "/" + equation; }

// Median wall and CPU time of one case, microseconds; false when it did not run.
bool Medians(const bench::MedianReporter& reporter, const std::string& name, double& wall, double& cpu) {
    bench::Figures figures;
    if (!reporter.Find(name, figures))
        return false;
    wall = figures.realTime;
    cpu = figures.cpuTime;
    return true;
}

void Summary(const bench::MedianReporter& reporter, const char* equation) {
    double search = 0, searchCpu = 0, replay = 0, replayCpu = 0, marching = 0, marchingCpu = 0;
    if (!Medians(reporter, Name("search", equation), search, searchCpu) ||
        !Medians(reporter, Name("replay", equation), replay, replayCpu) ||
        !Medians(reporter, Name("marching", equation), marching, marchingCpu))
        return;
    Scene scene(equation);
    const ImplicitDrawStats stats = scene.Search();
    const int pixels = scene.DrawnPixels();
    std::printf("implicit_bench: %s in %dx%d: %d pixels, %d pieces, %d start points (%d on drawn pieces), "
                "%ld evaluations = %.2f per drawn pixel (marching squares %d); median of %d, wall (cpu) us: "
                "search %.1f (%.1f), replay %.1f (%.1f), marching squares %.0f (%.0f); "
                "search / marching %.4f (%.4f), replay / search %.3f (%.3f)\n",
                equation, kWidth, kHeight, pixels, stats.pieces, stats.startPoints, stats.skipped,
                stats.evaluations, pixels > 0 ? static_cast<double>(stats.evaluations) / pixels : 0.0,
                (kWidth + 1) * (kHeight + 1), kRepetitions, search, searchCpu, replay, replayCpu, marching,
                marchingCpu, search / marching, searchCpu / marchingCpu, replay / search, replayCpu / searchCpu);
}

} // namespace

int main(int argc, char** argv) {
    for (const char* equation : kCurves) {
        benchmark::RegisterBenchmark(Name("search", equation).c_str(), SearchCase, equation)
            ->Unit(benchmark::kMicrosecond)
            ->Repetitions(kRepetitions);
        benchmark::RegisterBenchmark(Name("replay", equation).c_str(), ReplayCase, equation)
            ->Unit(benchmark::kMicrosecond)
            ->Repetitions(kRepetitions);
        benchmark::RegisterBenchmark(Name("marching", equation).c_str(), MarchingCase, equation)
            ->Unit(benchmark::kMicrosecond)
            ->Repetitions(kRepetitions);
    }
    benchmark::Initialize(&argc, argv);
    bench::MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    for (const char* equation : kCurves)
        Summary(reporter, equation);
    benchmark::Shutdown();
    return 0;
}
