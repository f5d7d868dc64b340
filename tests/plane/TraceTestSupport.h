#pragma once
// A plane picture for the tests of the curve tracers: a 200 x 200 window whose examples
// span its x range, and a keyboard poll that logs the letters at every poll, so a test
// sees each sample of a curve.
#include "tests/support/PlaneScene.h"

#include <cstddef>
#include <initializer_list>
#include <utility>
#include <vector>

namespace korvane::tracetest {

inline constexpr int kLetterT = 'T' - 64;
inline constexpr int kLetterX = 'X' - 64;

using testing::ColourOfIndex;

// What the window looked like when the tracer polled the keyboard.
struct PollRecord {
    long double x = 0;
    long double t = 0;
    std::size_t primitives = 0; // recorded so far
};

class TraceScene : public testing::PlaneScene {
public:
    explicit TraceScene(int width = 200, int height = 200) : PlaneScene(width, height, {200, 200}) {}

    // A new example of `kind` with the formulas (slot, text) compiled into their slots,
    // over the window's x range.
    ExampleRecord& Add(std::int16_t kind, std::initializer_list<std::pair<int, const char*>> formulas) {
        ExampleRecord& example = PlaneScene::Add(kind, formulas);
        example.SetReal(exo::kMinimum, view.xmin);
        example.SetReal(exo::kMaximum, view.xmax);
        return example;
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

    std::vector<PollRecord> log;

private:
    void OnPoll() override {
        log.push_back({eval.letterValues[kLetterX].re, eval.letterValues[kLetterT].re, surface.Primitives().size()});
    }
};

} // namespace korvane::tracetest
