#pragma once
// A plane picture for the tests of the curve tracers: a 200 x 200 window on [-5, 5] x
// [-5, 5], examples made by hand with their formulas compiled directly (not through the
// window's compile step), a recording surface, and a keyboard poll that logs the letters
// at every poll, so a test sees each sample of a curve.
#include "expr/EvalContext.h"
#include "expr/FormulaCompiler.h"
#include "graph/View.h"
#include "plane/ExampleTable.h"
#include "plane/PlaneDrawing.h"
#include "platform/memory/RecordingSurface.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <deque>
#include <initializer_list>
#include <utility>
#include <vector>

namespace korvane::tracetest {

inline constexpr int kLetterT = 'T' - 64;
inline constexpr int kLetterX = 'X' - 64;

// Colour index i is drawn as (i, 0, 0), so tests see which index a pen had.
inline platform::Rgb ColourOfIndex(int index) { return {static_cast<std::uint8_t>(index), 0, 0}; }

// What the window looked like when the tracer polled the keyboard.
struct PollRecord {
    long double x = 0;
    long double t = 0;
    std::size_t primitives = 0; // recorded so far
};

class TraceScene {
public:
    explicit TraceScene(int width = 200, int height = 200) {
        view.SetClientSize(width, height);
        view.Recompute();
    }

    // A new example of `kind` with the formulas (slot, text) compiled into their slots.
    ExampleRecord& Add(std::int16_t kind, std::initializer_list<std::pair<int, const char*>> formulas) {
        const int index = examples.Append(kind, 3);
        ExampleRecord& example = examples[index];
        for (const auto& [slot, text] : formulas)
            Compile(example, slot, text);
        example.SetReal(exo::kMinimum, view.xmin);
        example.SetReal(exo::kMaximum, view.xmax);
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
        context.pollKey = [this] {
            log.push_back({eval.letterValues[kLetterX].re, eval.letterValues[kLetterT].re,
                           surface.Primitives().size()});
            if (keys.empty())
                return 0;
            const int key = keys.front();
            keys.pop_front();
            return key;
        };
        context.showPicture = [this] { ++shown; };
        return context;
    }

    int Draw(ExampleRecord& example) {
        PlaneDrawContext context = Context();
        return DrawExample(context, static_cast<int>(&example - &examples[0]));
    }

    // The kinds' routines without the dispatcher, whose own closing poll would add a
    // record to the log.
    int Curve(ExampleRecord& example) {
        PlaneDrawContext context = Context();
        return DrawCurve(context, example);
    }
    int Integral(ExampleRecord& example) {
        PlaneDrawContext context = Context();
        return DrawIndefiniteIntegral(context, example);
    }

    // The pixel of a world point, as the tracer maps it.
    platform::Point PixelOf(long double x, long double y) const {
        PixelPoint p;
        view.ToPixelPointUnclamped(x, y, p);
        return {p.x, p.y};
    }

    std::vector<platform::Primitive> Lines() const { return surface.OfKind(platform::Primitive::Line); }
    std::vector<platform::Primitive> Pixels() const { return surface.OfKind(platform::Primitive::SetPixel); }
    std::vector<platform::Primitive> Polylines() const {
        return surface.OfKind(platform::Primitive::Polyline);
    }

    // The pieces of curve the pen drew without lifting, one per polyline, each as its
    // segments; a polyline of one point is one segment from the point to itself.
    std::vector<std::vector<platform::Primitive>> Pieces() const {
        std::vector<std::vector<platform::Primitive>> pieces;
        for (const platform::Primitive& polyline : Polylines()) {
            auto& piece = pieces.emplace_back();
            const std::size_t n = polyline.points.size();
            for (std::size_t i = n == 1 ? 0 : 1; i < n; ++i) {
                platform::Primitive segment = polyline;
                segment.kind = platform::Primitive::Line;
                segment.points = {polyline.points[i == 0 ? 0 : i - 1], polyline.points[i]};
                piece.push_back(segment);
            }
        }
        return pieces;
    }

    std::vector<platform::Primitive> Segments() const {
        std::vector<platform::Primitive> segments;
        for (const auto& piece : Pieces())
            segments.insert(segments.end(), piece.begin(), piece.end());
        return segments;
    }

    EvalContext eval;
    FormulaCompiler compiler{eval};
    View view;
    ExampleTable examples;
    platform::RecordingSurface surface{platform::Size{200, 200}};
    PlaneDrawSettings settings;
    std::deque<int> keys; // returned by the poll one after the other, then 0
    std::vector<PollRecord> log;
    int shown = 0;
};

} // namespace korvane::tracetest
