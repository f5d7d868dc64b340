#include "plane/StraightKinds.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "expr/EvalContext.h"
#include "expr/Evaluator.h"
#include "plane/MappedPath.h"
#include "plane/PointKinds.h"

namespace korvane {

namespace {

constexpr long double kTiny = 1e-18L;

platform::Point ToPixel(const View& view, long double x, long double y) {
    return {view.ToPixelXInt(x), view.ToPixelYInt(y)};
}

void StoreExtents(ExampleRecord& e, long double x0, long double y0, long double x1, long double y1) {
    e.SetReal(exo::kMinimum, std::min(x0, x1));
    e.SetReal(exo::kMaximum, std::max(x0, x1));
    e.SetReal(exo::kMinimum2, std::min(y0, y1));
    e.SetReal(exo::kMaximum2, std::max(y0, y1));
}

// Where a line keeps its clipped end points: x0, y0, x1, y1 from byte 401 on.
void StoreLineEnds(ExampleRecord& e, long double x0, long double y0, long double x1, long double y1) {
    e.SetReal(exo::kStepTolerance, x0);
    e.SetReal(exo::kStepTolerance + 10, y0);
    e.SetReal(exo::kStepTolerance + 20, x1);
    e.SetReal(exo::kStepTolerance + 30, y1);
}

int DrawLineMember(PlaneDrawContext& context, ExampleRecord& e) {
    e.SetFlag(exo::kFlag55, false);
    long double a, b, c;
    if (!EvaluateReal(context.eval, e.Tree(0), a) || !EvaluateReal(context.eval, e.Tree(1), b) ||
        !EvaluateReal(context.eval, e.Tree(2), c))
        return 0;
    e.SetFlag(exo::kFlag60, std::fabs(b) > kTiny);
    long double x0, y0, x1, y1;
    if (!LineInWindow(context.SourceView(), a, b, c, x0, y0, x1, y1))
        return 0;
    if (context.Mapped())
        MappedPath(context).Segment(x0, y0, x1, y1);
    else
        DrawWorldSegment(context, x0, y0, x1, y1);
    StoreLineEnds(e, x0, y0, x1, y1);
    e.SetFlag(exo::kFlag55, true);
    StoreExtents(e, x0, y0, x1, y1);
    return 0;
}

void MarkSegmentEnd(PlaneDrawContext& context, const ExampleRecord& e, long double x, long double y) {
    if (MapPoint(context, x, y) && context.view.Inside(x, y))
        DrawPointMark(context, x, y, e.Colour(), e.Width(), e.PenAttribute() != 0);
}

int DrawSegmentMember(PlaneDrawContext& context, ExampleRecord& e, const platform::Pen& pen) {
    long double a, b, c, d;
    if (!EvaluateReal(context.eval, e.Tree(0), a) || !EvaluateReal(context.eval, e.Tree(1), b) ||
        !EvaluateReal(context.eval, e.Tree(2), c) || !EvaluateReal(context.eval, e.Tree(3), d))
        return kEndExample;
    long double x0 = a, y0 = b, x1 = c, y1 = d;
    if (context.Mapped()) {
        context.surface.SetPen(pen);
        MappedPath(context).Segment(a, b, c, d);
    } else if (context.view.ClipSegment(x0, y0, x1, y1)) {
        context.surface.SetPen(pen);
        DrawWorldSegment(context, x0, y0, x1, y1);
    }
    StoreExtents(e, a, b, c, d);
    if (e.Flag(exo::kFlag59)) {
        MarkSegmentEnd(context, e, a, b);
        MarkSegmentEnd(context, e, c, d);
    }
    return 0;
}

} // namespace

bool EvaluateReal(EvalContext& eval, ExprNode* tree, long double& out) {
    if (!tree || !EvaluateNode(eval, tree))
        return false;
    out = tree->value.re;
    return true;
}

platform::PenStyle AttributeStyle(int attribute) {
    switch (attribute) {
    case 1: return platform::PenStyle::Dashed;
    case 2: return platform::PenStyle::Dotted;
    case 3: return platform::PenStyle::DashDot;
    case 5: return platform::PenStyle::None;
    default: return platform::PenStyle::Solid;
    }
}

platform::Pen StraightPen(const PlaneDrawContext& context, const ExampleRecord& example) {
    platform::Pen pen;
    pen.colour = context.PenColour(example.Colour());
    pen.width = std::max<int>(1, example.Width());
    switch (example.I16(exo::kRadio)) {
    case 1: pen.style = platform::PenStyle::Dotted; break;
    case 2: pen.style = platform::PenStyle::Dashed; break;
    default: pen.style = AttributeStyle(example.PenAttribute()); break;
    }
    return pen;
}

int ForEachFamilyMember(PlaneDrawContext& context, const ExampleRecord& example,
                        const std::function<int()>& member) {
    const bool family = example.IsFamily();
    const int steps = family ? std::abs(static_cast<int>(example.I16(exo::kFamilySteps))) : 0;
    int letter = example.I16(exo::kFamilyLetter);
    if (letter >= 'A' && letter <= 'Z') // a letter code rather than its slot
        letter -= '@';
    const bool hasLetter = family && letter >= 0 && letter < kLetterCount;
    const ComplexValue saved = hasLetter ? context.eval.letterValues[letter] : ComplexValue{};
    const long double first = example.Real(exo::kFamilyFirst);
    const long double increment = steps > 0 ? (example.Real(exo::kFamilyLast) - first) / steps : 0;
    const bool oneAtATime = family && example.I16(exo::kFamilySteps) < 0;
    int key = 0;
    for (int k = 0; k <= steps; ++k) {
        // Each value from the first, so that rounding does not pile up over the members.
        if (hasLetter)
            context.eval.SetLetter(letter, first + k * increment);
        const int result = member();
        if (result == kEndExample)
            break;
        key = result != 0 ? result : context.Poll();
        if (key == kStopKey)
            break;
        if (oneAtATime)
            context.Pause(MemberPause(example));
    }
    if (hasLetter)
        context.eval.letterValues[letter] = saved;
    return key;
}

void DrawWorldSegment(PlaneDrawContext& context, long double x0, long double y0, long double x1,
                      long double y1) {
    const platform::Point from = ToPixel(context.view, x0, y0), to = ToPixel(context.view, x1, y1);
    if (context.settings.exportMode) {
        const platform::Point points[2] = {from, to};
        context.surface.Polyline(points);
    } else {
        context.surface.Line(from, to);
    }
}

bool LineInWindow(const View& view, long double a, long double b, long double c, long double& x0,
                  long double& y0, long double& x1, long double& y1) {
    const long double r = std::fabs(view.xmin) + std::fabs(view.xmax) + std::fabs(view.ymin) +
                          std::fabs(view.ymax);
    if (std::fabs(a) <= kTiny) {
        if (std::fabs(b) <= kTiny)
            return false;
        x0 = r;
        x1 = -r;
        y0 = y1 = c / b;
    } else if (std::fabs(a) >= std::fabs(b)) {
        x0 = (c - r * b) / a;
        y0 = r;
        x1 = (c + r * b) / a;
        y1 = -r;
    } else {
        // A nearly horizontal line meets y = +-R far away, where the clipping would lose
        // its digits; x = +-R gives the same piece.
        x0 = r;
        y0 = (c - a * r) / b;
        x1 = -r;
        y1 = (c + a * r) / b;
    }
    return view.ClipSegment(x0, y0, x1, y1);
}

int DrawLine(PlaneDrawContext& context, ExampleRecord& example) {
    context.surface.SetPen(StraightPen(context, example));
    return ForEachFamilyMember(context, example, [&] { return DrawLineMember(context, example); });
}

int DrawSegment(PlaneDrawContext& context, ExampleRecord& example) {
    const platform::Pen pen = StraightPen(context, example);
    return ForEachFamilyMember(context, example,
                               [&] { return DrawSegmentMember(context, example, pen); });
}

} // namespace korvane
