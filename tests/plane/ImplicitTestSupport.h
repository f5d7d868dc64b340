#pragma once
// A plane picture for tests of implicit curves and system trajectories: a 500x500 raster
// in the default window (-5..5), its own evaluation context and seeded generator, and
// examples whose trees the test compiles itself.
#include <cstdint>
#include <string>

#include "expr/Derivative.h"
#include "expr/EvalContext.h"
#include "expr/FormulaCompiler.h"
#include "expr/RandomGenerator.h"
#include "graph/View.h"
#include "plane/ExampleTable.h"
#include "plane/PlaneDrawing.h"
#include "platform/memory/RasterSurface.h"

namespace korvane::testing {

struct PlanePicture {
    explicit PlanePicture(int width = 500, int height = 500)
        : surface({width, height}) {
        view.SetClientSize(width, height);
        view.Recompute();
        eval.random = &random;
    }

    PlaneDrawContext Context() { return ContextOn(surface); }

    // The same picture drawn through another surface (a recording one on top of ours).
    PlaneDrawContext ContextOn(platform::Surface& on) {
        PlaneDrawContext context{on, view, eval, examples, settings, {}, {}, {}, {}};
        context.background = platform::kWhite;
        context.penRgb = IndexColour;
        context.pollKey = [this] {
            ++polls;
            return stopAtPoll > 0 && polls >= stopAtPoll ? kStopKey : 0;
        };
        context.showPicture = [this] { ++shown; };
        return context;
    }

    // Colour index i is drawn as (i, 0, 0), so a pixel tells which pen drew it.
    static platform::Rgb IndexColour(int index) { return {static_cast<std::uint8_t>(index), 0, 0}; }

    // Compiles `text` into slot `slot`; false on a compile failure.
    bool Compile(ExampleRecord& example, int slot, const std::string& text) {
        FormulaCompiler compiler(eval);
        if (compiler.CompileFormula(text) != 0)
            return false;
        example.compiled[static_cast<std::size_t>(slot)] = compiler.TakeResult();
        return true;
    }

    // A new implicit example F = 0 with slots 2, 4 = dF/dX and 5 = dF/dY, search pending.
    ExampleRecord& AddImplicit(const std::string& f) {
        const int index = examples.Append(kImplicit, 1);
        ExampleRecord& example = examples[index];
        example.SetFlag(exo::kFlag56, true);
        if (Compile(example, 2, f)) {
            Differentiate(eval, example.compiled[2], 'X', example.compiled[4]);
            Differentiate(eval, example.compiled[2], 'Y', example.compiled[5]);
        }
        return example;
    }

    // A new system x' = f, y' = g.
    ExampleRecord& AddSystem(const std::string& f, const std::string& g, bool timeIndependent) {
        const int index = examples.Append(kSystem, 4);
        ExampleRecord& example = examples[index];
        Compile(example, 0, f);
        Compile(example, 1, g);
        example.SetFlag(exo::kFlag53, timeIndependent);
        example.SetFlag(exo::kScreenLimit, false);
        return example;
    }

    int Drawn() const { return surface.GetSize().width * surface.GetSize().height - surface.CountPixels(platform::kWhite); }

    platform::RasterSurface surface;
    View view;
    RandomGenerator random{12345};
    EvalContext eval;
    ExampleTable examples;
    PlaneDrawSettings settings;
    int polls = 0;
    int stopAtPoll = 0; // the poll that returns S; 0: never
    int shown = 0;      // pictures shown
};

} // namespace korvane::testing
