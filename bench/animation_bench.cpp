// The frame loop of live animation in an 800x600 plane window (memory platform, raster
// layers): a family of 10 explicit curves at density 10, a polar rose and a parametric
// Lissajous curve, each moved by the letter A. One frame is what the window does per tick
// of the animation timer: the step, the redraw of the examples that use A over the kept
// picture of the rest, the overlay and the copy to the window. Beside it, in the same run,
// the bare evaluation of the same samples through the tracer's flat program. Ends with one
// line per document: frames per second and frame time / evaluation time.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "MedianReporter.h"
#include "expr/LetterParameters.h"
#include "expr/RealProgram.h"
#include "plane/CurveTracer.h"
#include "plane/LetterAnimator.h"
#include "plane/TPlot2Win.h"
#include "platform/memory/MemoryPlatform.h"
#include "platform/memory/MemoryWindow.h"

namespace {

using namespace korvane;

constexpr long double kTwoPi = 6.283185307179586476925286766559L;
constexpr int kRepetitions = 5;

struct Document {
    const char* name;
    std::int16_t kind;
    std::vector<const char*> formulas; // by slot
    int density;
    int familySteps; // members - 1; 0 for none
    long double low, high;
};

const Document kDocuments[] = {
    {"family", kExplicit, {nullptr, "asin(x)+b"}, 10, 9, -6, 6},
    {"rose", kPolar, {nullptr, nullptr, "3cos(2t)+a/3"}, 4, 0, 0, kTwoPi},
    {"lissajous", kParametric, {"3cos(3t+a)", "3sin(4t)"}, 4, 0, 0, kTwoPi},
};

struct Scene {
    explicit Scene(const Document& d) {
        platform.SetConfigDirectory("/tmp/");
        WindowOptions options;
        options.readSettings = false;
        window = std::make_unique<TPlot2Win>(platform, options, nullptr);
        memory = platform.Windows().front();
        memory->Resize({800, 600});
        window->SetSquareView(0, 0, 8);
        const int i = window->Examples().Append(d.kind, 4);
        ExampleRecord& e = window->Examples()[i];
        for (std::size_t slot = 0; slot < d.formulas.size(); ++slot)
            if (d.formulas[slot])
                e.texts[slot] = d.formulas[slot];
        e.SetI16(exo::kDensity, static_cast<std::int16_t>(d.density));
        e.SetReal(exo::kMinimum, d.low);
        e.SetReal(exo::kMaximum, d.high);
        if (d.familySteps > 0) {
            e.SetFlag(exo::kIsFamily, true);
            e.SetI16(exo::kFamilyLetter, 2);
            e.SetI16(exo::kFamilySteps, static_cast<std::int16_t>(d.familySteps));
            e.SetReal(exo::kFamilyFirst, -4.5L);
            e.SetReal(exo::kFamilyLast, 4.5L);
        }
        if (window->CompileExample(i) != 0)
            std::fprintf(stderr, "animation_bench: %s does not compile\n", d.name);
        window->RecomputeLettersInUse();
        SetLetterRange(window->Context(), 1, 0, 3);
        window->RedrawExamples();
        memory->RunPendingRepaint();
        window->Animator().StartLive(1, AnimationMode::Cyclic);
        members = d.familySteps + 1;
        for (int slot = 0; slot < 3; ++slot)
            if (e.Tree(slot))
                programs.emplace_back(std::make_unique<RealProgram>(e.Tree(slot)));
    }

    void Frame() {
        memory->FireTimer(kAnimationFrameTimer);
        memory->RunPendingRepaint();
    }

    // The tracer's samples of every member, every curve formula, with the letters as now.
    long double Evaluate() {
        ExampleRecord& e = window->Examples()[0];
        const long double a = e.Kind() == kExplicit ? window->GetView().xmin : e.Minimum();
        const long double b = e.Kind() == kExplicit ? window->GetView().xmax : e.Maximum();
        const std::int64_t n = CurveSampleCount(window->GetView(), e, a, b);
        const int slot = PlotVariable(e);
        EvalContext& c = window->Context();
        long double sum = 0;
        for (int m = 0; m < members; ++m) {
            c.SetLetter(2, -4.5L + m);
            for (std::int64_t i = 0; i <= n; ++i) {
                const long double t =
                    a + (b - a) * static_cast<long double>(i) / static_cast<long double>(n);
                for (const auto& program : programs) {
                    long double y;
                    if (program->EvaluateAt(c, slot, t, y))
                        sum += y;
                }
            }
        }
        return sum;
    }

    platform::MemoryPlatform platform;
    std::unique_ptr<TPlot2Win> window;
    platform::MemoryWindow* memory = nullptr;
    std::vector<std::unique_ptr<RealProgram>> programs;
    int members = 1;
};

void Frames(benchmark::State& state, const Document* d) {
    Scene scene(*d);
    for (auto _ : state)
        scene.Frame();
    state.SetItemsProcessed(state.iterations());
}

// A frame and an evaluation pass back to back, many times; the fastest of each stands for
// it, since a busy machine only ever adds time.
void Paired(benchmark::State& state, const Document* d) {
    using Clock = std::chrono::steady_clock;
    Scene scene(*d);
    Clock::duration fastestFrame = Clock::duration::max(),
                    fastestEvaluation = Clock::duration::max();
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        scene.Frame();
        const Clock::time_point framed = Clock::now();
        benchmark::DoNotOptimize(scene.Evaluate());
        const Clock::time_point evaluated = Clock::now();
        fastestFrame = std::min(fastestFrame, framed - start);
        fastestEvaluation = std::min(fastestEvaluation, evaluated - framed);
    }
    state.counters["ratio"] = std::chrono::duration<double>(fastestFrame).count() /
                              std::chrono::duration<double>(fastestEvaluation).count();
}

std::string Name(const char* what, const Document& d) {
    return std::string(what) + "/" + d.name;
}

} // namespace

int main(int argc, char** argv) {
    for (const Document& d : kDocuments) {
        benchmark::RegisterBenchmark(Name("frame", d).c_str(), Frames, &d)
            ->Unit(benchmark::kMillisecond)
            ->Repetitions(kRepetitions);
        benchmark::RegisterBenchmark(Name("paired", d).c_str(), Paired, &d)
            ->Unit(benchmark::kMillisecond)
            ->Repetitions(kRepetitions);
    }
    benchmark::Initialize(&argc, argv);
    bench::MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    for (const Document& d : kDocuments) {
        const double fps = reporter.Rate(Name("frame", d));
        const double ratio = reporter.Counter(Name("paired", d), "ratio");
        if (fps == 0)
            continue;
        std::printf(
            "animation_bench: %s in 800x600: %.1f frames/s; frame time / bare evaluation %.2f\n",
            d.name, fps, ratio);
    }
    benchmark::Shutdown();
    return 0;
}
