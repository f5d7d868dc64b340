#pragma once
// A plane picture for the tests of lines, segments, points and cycloids: a 200 x 200
// window on [-5, 5] x [-5, 5] (one pixel is 0.05), examples made by hand with their
// formulas compiled directly, and a recording surface.
#include "expr/EvalContext.h"
#include "expr/FormulaCompiler.h"
#include "graph/View.h"
#include "plane/ExampleTable.h"
#include "plane/PlaneDrawing.h"
#include "platform/memory/RecordingSurface.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <utility>
#include <vector>

namespace korvane::geometrytest {

// Colour index i is drawn as (i, 0, 0), so tests see which index a pen had.
inline platform::Rgb ColourOfIndex(int index) { return {static_cast<std::uint8_t>(index), 0, 0}; }
inline constexpr platform::Rgb kTestBackground{250, 250, 240};

class GeometryScene {
public:
    explicit GeometryScene(int width = 200, int height = 200) {
        view.SetClientSize(width, height);
        view.Recompute();
    }

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

    // A family over letter A from `first` to `last` in `steps` steps.
    static void MakeFamily(ExampleRecord& e, int steps, long double first, long double last) {
        e.SetFlag(exo::kIsFamily, true);
        e.SetI16(exo::kFamilyLetter, 1);
        e.SetI16(exo::kFamilySteps, static_cast<std::int16_t>(steps));
        e.SetReal(exo::kFamilyFirst, first);
        e.SetReal(exo::kFamilyLast, last);
    }

    PlaneDrawContext Context() {
        PlaneDrawContext context{surface, view, eval, examples, settings, {}, {}, {}, {}};
        context.penRgb = ColourOfIndex;
        context.background = kTestBackground;
        context.pollKey = [this] {
            ++polls;
            return 0;
        };
        context.showPicture = [this] { ++shown; };
        return context;
    }

    int Draw(ExampleRecord& example) {
        PlaneDrawContext context = Context();
        return DrawExample(context, static_cast<int>(&example - &examples[0]));
    }

    std::vector<platform::Primitive> Of(platform::Primitive::Kind kind) const { return surface.OfKind(kind); }
    std::vector<platform::Primitive> Lines() const { return Of(platform::Primitive::Line); }
    std::vector<platform::Primitive> Marks() const { return Of(platform::Primitive::Ellipse); }

    EvalContext eval;
    FormulaCompiler compiler{eval};
    View view;
    ExampleTable examples;
    platform::RecordingSurface surface{platform::Size{200, 200}};
    PlaneDrawSettings settings;
    int polls = 0;
    int shown = 0;
};

} // namespace korvane::geometrytest
