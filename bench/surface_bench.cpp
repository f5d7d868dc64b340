// One painter's frame of z = sin(2x)cos(y) on N x N grids (N = 24, 100, 300) in an 800x600
// window: projection, depths and sides, the heap sort and the fill on an off-screen raster,
// against the bare evaluation of the same grid in the same run; and the slow drawing of
// the default explicit surface with its default counts. Ends with one line per N: the
// frame's time, its ratio to the evaluation, and its cost per N^2 log N against N = 24.
// Then a random-dot stereogram of the default explicit surface in 800x600 against the
// evaluation of the surface at its dots, and the search and tracing of 20 levels z of
// xx+yy+zz=4 in a 480x360 level window against as many bare evaluations of the slice.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <numbers>
#include <string>

#include "MedianReporter.h"
#include "expr/EvalContext.h"
#include "expr/FormulaCompiler.h"
#include "graph/View.h"
#include "plane/ExampleCompiler.h"
#include "platform/memory/RasterSurface.h"
#include "expr/Evaluator.h"
#include "expr/Opcodes.h"
#include "plane/ImplicitCurve.h"
#include "space/LevelCurves.h"
#include "space/SceneBox.h"
#include "space/Stereogram.h"
#include "space/SlowSurface.h"
#include "space/SurfacePainter.h"
#include "space/SurfaceRecord.h"

namespace {

using namespace korvane;

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr int kRepetitions = 5;
constexpr int kSizes[] = {24, 100, 300};

// The default explicit surface as the window holds it, its grid sampled at N x N by hand
// (the dialog allows 3000 points; the painter takes any grid).
struct Scene {
    explicit Scene(int n) {
        InitialiseSurface(record, kSurfaceExplicit, 6);
        record.SetI16(spo::kDivisions1, static_cast<std::int16_t>(std::min(n, 53)));
        record.SetI16(spo::kDivisions2, static_cast<std::int16_t>(std::min(n, 53)));
        if (CompileExample(compiler, record, false) != 0)
            std::fprintf(stderr, "surface_bench: the formula does not compile\n");
        ComputeGrid(context, record, grid); // the record box
        Sample(n);
        SetRecordBox(record, RecordBoxMin(record), RecordBoxMax(record));
        view.boxMin = RecordBoxMin(record);
        view.boxMax = RecordBoxMax(record);
        view.focus = 0.5L * (view.boxMin + view.boxMax);
        view.RecomputeScale();
        view.ObserverChanged();
        PictureWindow w;
        view.FitWindow(false, w);
        pixels.SetClientSize(kWidth, kHeight);
        pixels.SetView(w.cx, w.cy, w.rx, w.ry, false);
    }

    // The bare evaluation: every grid point through the sampler.
    long double Sample(int n) {
        SurfaceSampler sampler(context, record);
        grid.n1 = grid.n2 = n;
        grid.points.assign(static_cast<std::size_t>(n + 1) * (n + 1), SpacePoint{});
        grid.defined.assign(grid.points.size(), 0);
        const long double h = 2 * std::numbers::pi_v<long double> / n;
        long double sum = 0;
        for (int i = 0; i <= n; ++i)
            for (int j = 0; j <= n; ++j) {
                SpacePoint& p = grid.points[grid.Index(i, j)];
                grid.defined[grid.Index(i, j)] = sampler.At(-std::numbers::pi_v<long double> + i * h,
                                                            -std::numbers::pi_v<long double> + j * h, p);
                sum += p.z;
            }
        return sum;
    }

    EvalContext context;
    FormulaCompiler compiler{context};
    ExampleRecord record;
    SurfaceGrid grid;
    SpaceView view;
    View pixels;
};

void FrameCase(benchmark::State& state, int n) {
    Scene scene(n);
    platform::RasterSurface raster({kWidth, kHeight});
    SurfacePainter painter;
    const PaintedSurface surfaces[] = {{&scene.record, &scene.grid}};
    PainterOptions options{scene.view.boxMin.z, scene.view.boxMax.z, false};
    for (auto _ : state) {
        scene.view.Turn(0.01L);
        benchmark::DoNotOptimize(painter.Paint(scene.view, scene.pixels, surfaces, options, raster));
    }
    state.SetItemsProcessed(state.iterations() * n * n);
}

void EvaluationCase(benchmark::State& state, int n) {
    Scene scene(n);
    for (auto _ : state)
        benchmark::DoNotOptimize(scene.Sample(n));
    state.SetItemsProcessed(state.iterations() * (n + 1) * (n + 1));
}

void SlowCase(benchmark::State& state) {
    Scene scene(24);
    ComputeGrid(scene.context, scene.record, scene.grid);
    scene.record.SetFlag(spo::kSlow, true);
    platform::RasterSurface raster({kWidth, kHeight});
    const PaintedSurface surfaces[] = {{&scene.record, &scene.grid}};
    for (auto _ : state)
        benchmark::DoNotOptimize(DrawSlowSurfaces(scene.context, scene.view, scene.pixels, surfaces, {}, raster, {}, {}));
}

// The stereogram of the scene's surface with the default parameters; its dots' world points.
struct StereogramScene {
    StereogramScene() : scene(24) {
        ComputeGrid(scene.context, scene.record, scene.grid);
        layout = ComputeStereogramLayout(parameters, kWidth, kHeight, RecordBoxMin(scene.record), RecordBoxMax(scene.record));
        RandomGenerator random(1);
        Draw(random, [this](int x, int y) {
            points.push_back({layout.low.x + x / layout.scale, layout.high.y - (y / layout.rowHeight) * layout.dy, 0});
        });
    }
    bool Draw(RandomGenerator& random, const std::function<void(int, int)>& dot) {
        const ExampleRecord* records[] = {&scene.record};
        StereogramTarget target{[&](int x, int y, int, const ExampleRecord&) { dot(x, y); }, {}};
        return DrawStereogram(scene.context, records, layout, parameters, layout.high.y, random, target);
    }
    Scene scene;
    StereogramParameters parameters;
    StereogramLayout layout;
    std::vector<SpacePoint> points;
};

void StereogramCase(benchmark::State& state) {
    StereogramScene s;
    platform::RasterSurface raster({kWidth, kHeight});
    RandomGenerator random(1);
    for (auto _ : state)
        benchmark::DoNotOptimize(s.Draw(random, [&](int x, int y) { raster.SetPixel({x, y}, platform::kBlack); }));
    state.counters["dots"] = static_cast<double>(s.points.size());
}

void StereogramEvaluationCase(benchmark::State& state) {
    StereogramScene s;
    StereogramHeight height(s.scene.context, s.scene.record);
    for (auto _ : state) {
        long double sum = 0, z = 0;
        for (const SpacePoint& p : s.points)
            sum += height.At(p.x, p.y, z) ? z : 0;
        benchmark::DoNotOptimize(sum);
    }
}

// The sphere's slices z = -2.1 .. 2.1 traced as the level window traces them.
struct LevelScene {
    LevelScene() {
        InitialiseImplicitSurface(sphere, 6);
        if (CompileExample(compiler, sphere, false) != 0)
            std::fprintf(stderr, "surface_bench: the sphere does not compile\n");
        pixels.SetClientSize(480, 360);
        pixels.SetView(0, 0, 2.1L, 2.1L, false);
    }
    // Every level searched and traced; the tree evaluations made.
    long Trace() {
        platform::RasterSurface raster({480, 360});
        long evaluations = 0;
        for (int k = 0; k < 20; ++k) {
            ExampleTable table;
            const int index = table.Append(kImplicit, 6);
            MakeSliceRecord(context, sphere, 2, table[index]);
            context.SetLetter('Z' - op::LetterAt, -2.1L + k * 4.2L / 19);
            PlaneDrawContext draw{raster, pixels, context, table, {}, [](int) { return platform::kBlack; }, platform::kWhite, {}, {}};
            evaluations += DrawImplicitCounted(draw, table[index]).evaluations;
        }
        return evaluations;
    }
    EvalContext context;
    FormulaCompiler compiler{context};
    ExampleRecord sphere;
    View pixels;
};

void LevelsCase(benchmark::State& state) {
    LevelScene s;
    long evaluations = 0;
    for (auto _ : state)
        evaluations = s.Trace();
    state.counters["evaluations"] = static_cast<double>(evaluations);
}

void LevelsEvaluationCase(benchmark::State& state) {
    LevelScene s;
    const long evaluations = s.Trace();
    ExampleRecord slice;
    MakeSliceRecord(s.context, s.sphere, 2, slice);
    for (auto _ : state) {
        long double sum = 0, f = 0;
        for (long i = 0; i < evaluations; ++i) {
            s.context.SetLetter('X' - op::LetterAt, -2.1L + 4.2L * static_cast<long double>(i % 997) / 997);
            sum += EvaluateAt(s.context, slice.Tree(2), 'Y' - op::LetterAt, -2.1L + 4.2L * (i % 991) / 991.0L, f) ? f : 0;
        }
        benchmark::DoNotOptimize(sum);
    }
}

std::string Name(const char* what, int n) { return std::string(what) + "/" + std::to_string(n); }

void Summary(const bench::MedianReporter& reporter) {
    bench::Figures base;
    const bool haveBase = reporter.Find(Name("frame", kSizes[0]), base);
    for (int n : kSizes) {
        bench::Figures frame, evaluation;
        if (!reporter.Find(Name("frame", n), frame) || !reporter.Find(Name("evaluation", n), evaluation))
            continue;
        const double growth = haveBase ? (frame.realTime / base.realTime) /
                                             ((double(n) * n * std::log(n)) / (24.0 * 24 * std::log(24.0)))
                                       : 0;
        std::printf("surface_bench: N = %d, %dx%d: frame %.3f ms, evaluation %.3f ms, frame / evaluation %.2f, "
                    "frame per N^2 log N against N = 24 %.2f\n",
                    n, kWidth, kHeight, frame.realTime / 1000, evaluation.realTime / 1000,
                    frame.realTime / evaluation.realTime, growth);
    }
    bench::Figures a, b;
    if (reporter.Find("stereogram", a) && reporter.Find("stereogram-evaluation", b))
        std::printf("surface_bench: stereogram of the default explicit surface, %dx%d: %.2f ms, evaluation at its dots "
                    "%.2f ms, ratio %.2f\n", kWidth, kHeight, a.realTime / 1000, b.realTime / 1000, a.realTime / b.realTime);
    if (reporter.Find("levels", a) && reporter.Find("levels-evaluation", b))
        std::printf("surface_bench: 20 levels of xx+yy+zz=4 searched and traced: %.2f ms, as many bare evaluations "
                    "%.2f ms, ratio %.2f\n", a.realTime / 1000, b.realTime / 1000, a.realTime / b.realTime);
    bench::Figures slow;
    if (reporter.Find("slow/24", slow))
        std::printf("surface_bench: slow drawing of the default explicit surface (24 x 24 curves, 150 points): %.1f ms\n",
                    slow.realTime / 1000);
}

} // namespace

int main(int argc, char** argv) {
    for (int n : kSizes) {
        benchmark::RegisterBenchmark(Name("frame", n).c_str(), FrameCase, n)
            ->Unit(benchmark::kMicrosecond)
            ->Repetitions(kRepetitions);
        benchmark::RegisterBenchmark(Name("evaluation", n).c_str(), EvaluationCase, n)
            ->Unit(benchmark::kMicrosecond)
            ->Repetitions(kRepetitions);
    }
    benchmark::RegisterBenchmark("slow/24", SlowCase)->Unit(benchmark::kMicrosecond)->Repetitions(kRepetitions);
    benchmark::RegisterBenchmark("stereogram", StereogramCase)->Unit(benchmark::kMicrosecond)->Repetitions(kRepetitions);
    benchmark::RegisterBenchmark("stereogram-evaluation", StereogramEvaluationCase)
        ->Unit(benchmark::kMicrosecond)
        ->Repetitions(kRepetitions);
    benchmark::RegisterBenchmark("levels", LevelsCase)->Unit(benchmark::kMicrosecond)->Repetitions(kRepetitions);
    benchmark::RegisterBenchmark("levels-evaluation", LevelsEvaluationCase)
        ->Unit(benchmark::kMicrosecond)
        ->Repetitions(kRepetitions);
    benchmark::Initialize(&argc, argv);
    bench::MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    Summary(reporter);
    benchmark::Shutdown();
    return 0;
}
