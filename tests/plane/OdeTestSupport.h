#pragma once
// A plane picture for the tests of solutions, fields and sequences: a 500 x 500 window
// on [-5, 5] x [-5, 5], examples made by hand with their formulas compiled, a recording
// surface and scripted keys for the keyboard poll.
#include "expr/EvalContext.h"
#include "expr/FormulaCompiler.h"
#include "graph/View.h"
#include "plane/ExampleTable.h"
#include "plane/PlaneDrawing.h"
#include "platform/memory/RecordingSurface.h"

#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <initializer_list>
#include <string>
#include <utility>

namespace korvane::testing {

// Relative difference with an absolute floor near zero.
inline bool Near(long double actual, long double expected, long double tolerance) {
    const long double scale = std::fabs(expected) > 1 ? std::fabs(expected) : 1;
    return std::fabs(actual - expected) <= tolerance * scale;
}

// Colour index i is drawn as (i, 0, 0), so tests see which index a pen had.
inline platform::Rgb IndexColour(int index) { return {static_cast<std::uint8_t>(index), 0, 0}; }

class OdeScene {
public:
    OdeScene() {
        view.SetClientSize(500, 500);
        view.Recompute();
    }

    // A new example of `kind` with the formulas (slot, text) compiled into their slots.
    ExampleRecord& Add(std::int16_t kind, std::initializer_list<std::pair<int, const char*>> formulas) {
        const int index = examples.Append(kind, 3);
        ExampleRecord& example = examples[index];
        for (const auto& [slot, text] : formulas) {
            example.texts[static_cast<std::size_t>(slot)] = text;
            EXPECT_EQ(compiler.CompileFormula(text), 0) << text;
            example.compiled[static_cast<std::size_t>(slot)] = compiler.TakeResult();
        }
        return example;
    }

    void SetCorners(long double xmin, long double xmax, long double ymin, long double ymax) {
        view.SetView((xmin + xmax) / 2, (ymin + ymax) / 2, (xmax - xmin) / 2, (ymax - ymin) / 2, true);
    }

    PlaneDrawContext Context() {
        PlaneDrawContext context{surface, view, eval, examples, settings, {}, {}, {}, {}};
        context.penRgb = IndexColour;
        context.pollKey = [this] {
            ++polls;
            if (keys.empty())
                return 0;
            const int key = keys.front();
            keys.pop_front();
            return key;
        };
        return context;
    }

    EvalContext eval;
    FormulaCompiler compiler{eval};
    View view;
    ExampleTable examples;
    platform::RecordingSurface surface{platform::Size{500, 500}};
    PlaneDrawSettings settings;
    std::deque<int> keys;
    int polls = 0;
};

} // namespace korvane::testing
