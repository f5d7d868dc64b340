#pragma once
// What the plane pictures of the drawing tests share: a window on [-5, 5] x [-5, 5],
// examples made by hand with their formulas compiled directly (not through the window's
// compile step), a recording surface, and a keyboard poll that counts its calls and
// answers the scripted keys one after the other, then 0.
#include "expr/EvalContext.h"
#include "expr/FormulaCompiler.h"
#include "graph/View.h"
#include "plane/ExampleTable.h"
#include "plane/PlaneDrawing.h"
#include "platform/memory/RecordingSurface.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <initializer_list>
#include <utility>
#include <vector>

namespace korvane::planetest {

// Colour index i is drawn as (i, 0, 0), so tests see which index a pen had.
inline platform::Rgb ColourOfIndex(int index) { return {static_cast<std::uint8_t>(index), 0, 0}; }

class PlaneScene {
public:
    PlaneScene(int width, int height, platform::Size surfaceSize) : surface{surfaceSize} {
        view.SetClientSize(width, height);
        view.Recompute();
    }
    virtual ~PlaneScene() = default;
    PlaneScene(const PlaneScene&) = delete;
    PlaneScene& operator=(const PlaneScene&) = delete;

    // A new example of `kind` with the formulas (slot, text) compiled into their slots.
    ExampleRecord& Add(std::int16_t kind, std::initializer_list<std::pair<int, const char*>> formulas) {
        const int index = examples.Append(kind, 3);
        ExampleRecord& example = examples[index];
        for (const auto& [slot, text] : formulas)
            Compile(example, slot, text);
        return example;
    }

    void Compile(ExampleRecord& example, int slot, const char* text) {
        example.texts[static_cast<std::size_t>(slot)] = text;
        EXPECT_EQ(compiler.CompileFormula(text), 0) << text;
        example.compiled[static_cast<std::size_t>(slot)] = compiler.TakeResult();
    }

    void SetCorners(long double xmin, long double xmax, long double ymin, long double ymax) {
        view.SetView((xmin + xmax) / 2, (ymin + ymax) / 2, (xmax - xmin) / 2, (ymax - ymin) / 2, true);
    }

    PlaneDrawContext Context() {
        PlaneDrawContext context{surface, view, eval, examples, settings, {}, {}, {}, {}};
        context.penRgb = ColourOfIndex;
        context.background = background;
        context.pollKey = [this] {
            ++polls;
            OnPoll();
            if (keys.empty())
                return 0;
            const int key = keys.front();
            keys.pop_front();
            return key;
        };
        context.showPicture = [this] { ++shown; };
        return context;
    }

    // The dispatcher for the example, with its closing poll.
    int Draw(ExampleRecord& example) {
        PlaneDrawContext context = Context();
        return DrawExample(context, static_cast<int>(&example - &examples[0]));
    }

    std::vector<platform::Primitive> Of(platform::Primitive::Kind kind) const { return surface.OfKind(kind); }
    std::vector<platform::Primitive> Lines() const { return Of(platform::Primitive::Line); }

    EvalContext eval;
    FormulaCompiler compiler{eval};
    View view;
    ExampleTable examples;
    platform::RecordingSurface surface;
    PlaneDrawSettings settings;
    platform::Rgb background = platform::kWhite;
    std::deque<int> keys; // returned by the poll one after the other, then 0
    int polls = 0;
    int shown = 0; // pictures shown

protected:
    // What a scene notes at every poll, before the key is read.
    virtual void OnPoll() {}
};

} // namespace korvane::planetest
