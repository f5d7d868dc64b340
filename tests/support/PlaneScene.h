#pragma once
// The plane picture of the drawing tests: a view (500 x 500 on [-5, 5] x [-5, 5] unless
// told otherwise), a recording surface on a raster, so a test sees both the primitives
// and the pixels, a seeded generator, examples whose formulas the test compiles itself
// (not through the window's compile step), and a keyboard poll that counts its calls and
// answers the scripted keys one after the other (or S from a chosen poll on), then 0.
#include "expr/Derivative.h"
#include "expr/EvalContext.h"
#include "expr/FormulaCompiler.h"
#include "expr/RandomGenerator.h"
#include "graph/View.h"
#include "plane/ExampleTable.h"
#include "plane/PlaneDrawing.h"
#include "platform/memory/RasterSurface.h"
#include "platform/memory/RecordingSurface.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace korvane::testing {

// Colour index i is drawn as (i, 0, 0), so a pen or a pixel tells which index drew it.
inline platform::Rgb ColourOfIndex(int index) { return {static_cast<std::uint8_t>(index), 0, 0}; }

class PlaneScene {
public:
    explicit PlaneScene(int width = 500, int height = 500) : PlaneScene(width, height, {width, height}) {}
    PlaneScene(int width, int height, platform::Size surfaceSize) : raster{surfaceSize}, surface{raster} {
        view.SetClientSize(width, height);
        view.Recompute();
        eval.random = &random;
    }
    virtual ~PlaneScene() = default;
    PlaneScene(const PlaneScene&) = delete;
    PlaneScene& operator=(const PlaneScene&) = delete;

    // A new example of `kind` with the formulas (slot, text) compiled into their slots.
    ExampleRecord& Add(std::int16_t kind, std::initializer_list<std::pair<int, const char*>> formulas) {
        const int index = examples.Append(kind, 3);
        ExampleRecord& example = examples[index];
        for (const auto& [slot, text] : formulas)
            EXPECT_TRUE(Compile(example, slot, text)) << text;
        return example;
    }

    // Compiles `text` into slot `slot`; false on a compile failure.
    bool Compile(ExampleRecord& example, int slot, const std::string& text) {
        example.texts[static_cast<std::size_t>(slot)] = text;
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

    void SetCorners(long double xmin, long double xmax, long double ymin, long double ymax) {
        view.SetView((xmin + xmax) / 2, (ymin + ymax) / 2, (xmax - xmin) / 2, (ymax - ymin) / 2, true);
    }

    PlaneDrawContext Context() { return ContextOn(surface); }

    // The same picture drawn through another surface.
    PlaneDrawContext ContextOn(platform::Surface& on) {
        PlaneDrawContext context{on, view, eval, examples, settings, {}, {}, {}, {}};
        context.penRgb = ColourOfIndex;
        context.background = background;
        context.pollKey = [this] {
            ++polls;
            OnPoll();
            if (stopAtPoll > 0 && polls >= stopAtPoll)
                return kStopKey;
            if (keys.empty())
                return 0;
            const int key = keys.front();
            keys.pop_front();
            return key;
        };
        context.showPicture = [this] { ++shown; };
        context.pauseHook = [this](long cosines) {
            ++pauses;
            pauseCosines += cosines;
        };
        return context;
    }

    // The dispatcher for the example, with its closing poll.
    int Draw(ExampleRecord& example) {
        PlaneDrawContext context = Context();
        return DrawExample(context, static_cast<int>(&example - &examples[0]));
    }

    std::vector<platform::Primitive> Of(platform::Primitive::Kind kind) const { return surface.OfKind(kind); }
    std::vector<platform::Primitive> Lines() const { return Of(platform::Primitive::Line); }
    // Pixels not white.
    int Drawn() const { return raster.GetSize().width * raster.GetSize().height - raster.CountPixels(platform::kWhite); }

    RandomGenerator random{12345};
    EvalContext eval;
    FormulaCompiler compiler{eval};
    View view;
    ExampleTable examples;
    platform::RasterSurface raster;
    platform::RecordingSurface surface;
    PlaneDrawSettings settings;
    platform::Rgb background = platform::kWhite;
    std::deque<int> keys; // returned by the poll one after the other, then 0
    int stopAtPoll = 0;   // the poll from which on S is returned; 0: never
    int polls = 0;
    int shown = 0; // pictures shown
    int pauses = 0;
    long pauseCosines = 0;

protected:
    // What a scene notes at every poll, before the key is read.
    virtual void OnPoll() {}
};

} // namespace korvane::testing
