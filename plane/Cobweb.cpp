#include "plane/Cobweb.h"

#include <algorithm>
#include <cmath>

#include "expr/Evaluator.h"
#include "plane/StraightKinds.h"

namespace korvane {

namespace {

constexpr int kLetterX = 'X' - 64;
constexpr long double kOverflow = 1e18L;

int WebSteps(const ExampleRecord& web) { return std::clamp<int>(web.I16(exo::kWebSteps), 0, kMaxWebSteps); }

void DrawClipped(PlaneDrawContext& context, WorldPoint a, WorldPoint b) {
    if (context.view.ClipSegment(a.x, a.y, b.x, b.y))
        DrawWorldSegment(context, a.x, a.y, b.x, b.y);
}

} // namespace

bool IsWeb(const ExampleRecord& example) {
    return example.Kind() == kRecursive && example.Derivation() == kWebDerivation;
}

bool CanMakeWeb(const ExampleRecord& source) {
    return source.Kind() == kExplicit && !source.IsFamily() && source.Tree(1) != nullptr;
}

std::vector<WorldPoint> WebCorners(EvalContext& eval, const ExampleRecord& web) {
    std::vector<WorldPoint> corners;
    ExprNode* f = web.Tree(1);
    long double x = web.Real(exo::kWebStart);
    if (!f || !std::isfinite(x))
        return corners;
    const ComplexValue saved = eval.letterValues[kLetterX];
    corners.push_back({x, x});
    for (int step = WebSteps(web); step > 0; --step) {
        long double next = 0;
        if (!EvaluateAt(eval, f, kLetterX, x, next) || !(std::fabs(next) < kOverflow))
            break;
        corners.push_back({x, next});
        corners.push_back({next, next});
        x = next;
    }
    eval.letterValues[kLetterX] = saved;
    return corners;
}

int DrawWeb(PlaneDrawContext& context, ExampleRecord& web) {
    platform::Pen pen;
    pen.colour = context.PenColour(web.Colour());
    pen.style = platform::PenStyle::Dotted;
    long double x0, y0, x1, y1;
    if (LineInWindow(context.view, 1, -1, 0, x0, y0, x1, y1)) {
        context.surface.SetPen(pen);
        DrawWorldSegment(context, x0, y0, x1, y1);
    }
    pen.style = platform::PenStyle::Solid;
    pen.width = std::max<int>(1, web.Width());
    context.surface.SetPen(pen);
    const std::vector<WorldPoint> corners = WebCorners(context.eval, web);
    int key = 0;
    for (std::size_t i = 1; i < corners.size() && key != kStopKey; ++i) {
        DrawClipped(context, corners[i - 1], corners[i]);
        if (i % 2 == 0)
            key = context.Poll();
    }
    return key;
}

} // namespace korvane
