#include "expr/Evaluator.h"
#include "plane/PlaneDrawing.h"
#include "plane/SlopeTrajectory.h"
#include "plane/SystemTrajectory.h"

#include <algorithm>
#include <cmath>

namespace korvane {

namespace {

constexpr long double kTiny = 1e-18L;
constexpr int kLetterX = 'X' - 64;
constexpr int kLetterY = 'Y' - 64;
constexpr int kSlopeMarks = 1;
constexpr int kVectorMarks = 2;
constexpr long kRunawaySteps = 200000;

bool ValueAt(EvalContext& eval, ExprNode* tree, long double x, long double y, long double& out) {
    if (!tree)
        return false;
    eval.SetLetter(kLetterX, x);
    eval.SetLetter(kLetterY, y);
    if (!EvaluateNode(eval, tree))
        return false;
    out = tree->value.re;
    return std::isfinite(out);
}

// The field's direction at a lattice point, in world units: (1, F) for dy/dx, (f, g) for
// a system at the current T.
bool FieldAt(PlaneDrawContext& context, const ExampleRecord& example, long double x, long double y,
             long double& dx, long double& dy) {
    if (example.Kind() == kSlopeField) {
        dx = 1;
        return ValueAt(context.eval, example.Tree(2), x, y, dy);
    }
    return ValueAt(context.eval, example.Tree(0), x, y, dx) && ValueAt(context.eval, example.Tree(1), x, y, dy);
}

// Marks are drawn in pixels, so that a mark keeps its length when the two axes have
// different scales: a slope is a segment centred on its point, a vector a segment from
// its point with a small head.
class FieldMarks {
public:
    FieldMarks(PlaneDrawContext& context, const ExampleRecord& example, long double lengthPixels, bool vectors)
        : context_(context), example_(example), length_(lengthPixels), vectors_(vectors) {}

    void At(long double x, long double y) {
        long double dx = 0, dy = 0;
        if (!FieldAt(context_, example_, x, y, dx, dy))
            return;
        const View& view = context_.view;
        // Pixel y grows downward.
        long double px = dx / view.unitX, py = -dy / view.unitY;
        const long double norm = std::hypot(px, py);
        const long double cx = view.ToPixelX(x), cy = view.ToPixelY(y);
        if (!(norm > kTiny) || !std::isfinite(norm)) {
            context_.surface.SetPixel(Pixel(cx, cy), pen_.colour);
            return;
        }
        px /= norm;
        py /= norm;
        if (!vectors_) {
            const long double half = length_ / 2;
            context_.surface.Line(Pixel(cx - half * px, cy - half * py), Pixel(cx + half * px, cy + half * py));
            return;
        }
        const long double tipX = cx + length_ * px, tipY = cy + length_ * py;
        context_.surface.Line(Pixel(cx, cy), Pixel(tipX, tipY));
        Head(tipX, tipY, px, py);
    }
    void SetPen(const platform::Pen& pen) { pen_ = pen; }

private:
    static platform::Point Pixel(long double x, long double y) {
        return {RoundToInt(std::floor(x + 0.5L)), RoundToInt(std::floor(y + 0.5L))};
    }
    void Head(long double tipX, long double tipY, long double ux, long double uy) {
        const long double size = std::max(2.0L, length_ / 4);
        // Two barbs about 25 degrees off the shaft.
        constexpr long double c = 0.9063077870366499L, s = 0.42261826174069944L;
        const long double bx = -ux, by = -uy;
        const long double ax1 = bx * c - by * s, ay1 = bx * s + by * c;
        const long double ax2 = bx * c + by * s, ay2 = -bx * s + by * c;
        context_.surface.Line(Pixel(tipX, tipY), Pixel(tipX + size * ax1, tipY + size * ay1));
        context_.surface.Line(Pixel(tipX, tipY), Pixel(tipX + size * ax2, tipY + size * ay2));
    }

    PlaneDrawContext& context_;
    const ExampleRecord& example_;
    long double length_;
    bool vectors_;
    platform::Pen pen_;
};

// The four mirror images of a lattice point about the view centre, each once.
void MarkMirrored(FieldMarks& marks, const View& view, long double x, long double y) {
    const long double mirrorX = 2 * view.cx - x, mirrorY = 2 * view.cy - y;
    const bool onColumn = x == view.cx, onRow = y == view.cy;
    marks.At(x, y);
    if (!onColumn)
        marks.At(mirrorX, y);
    if (!onRow)
        marks.At(x, mirrorY);
    if (!onColumn && !onRow)
        marks.At(mirrorX, mirrorY);
}

int DrawDirectionField(PlaneDrawContext& context, ExampleRecord& example) {
    const int mode = example.I16(exo::kRadio);
    if (mode != kSlopeMarks && mode != kVectorMarks)
        return 0;
    const View& view = context.view;
    const long double lengthPixels = example.I16(exo::kMarkLength10) * view.clientW * 0.001L;
    example.SetReal(exo::kFieldMarkWorld, lengthPixels * view.unitX);
    const int columns = example.I16(exo::kColumns);
    if (columns < 1 || !(view.unitY > 0))
        return 0;
    const long double dy = ((view.ymax - kTiny) - (view.ymin + kTiny)) / columns;
    const long double dx = dy * view.unitX / view.unitY;
    if (!(dx > 0) || !(dy > 0))
        return 0;
    platform::Pen pen;
    pen.colour = context.PenColour(example.I16(exo::kPen24));
    pen.width = example.Width() > 1 ? example.Width() : 1;
    context.surface.SetPen(pen);
    FieldMarks marks(context, example, lengthPixels, mode == kVectorMarks);
    marks.SetPen(pen);
    int key = 0;
    for (long double x = view.cx; x > view.xmin + kTiny; x -= dx) {
        for (long double y = view.cy; y > view.ymin + kTiny; y -= dy)
            MarkMirrored(marks, view, x, y);
        if ((key = context.Poll()) == kStopKey)
            break;
    }
    return key;
}

} // namespace

int DrawSlopeField(PlaneDrawContext& context, ExampleRecord& example) {
    int key = 0;
    for (TrajectoryRecord& record : example.trajectories) {
        key = TraceSlopeTrajectory(context, example, record).key;
        if (key == kStopKey)
            return key;
    }
    const int fieldKey = DrawDirectionField(context, example);
    return fieldKey != 0 ? fieldKey : key;
}

int DrawSystem(PlaneDrawContext& context, ExampleRecord& example) {
    // A path can run off to infinity while its parameter creeps towards a finite limit
    // (x' = x^2 with steps of equal length): after this long outside it is not coming back.
    SystemTrajectoryOptions options;
    options.maxStepsOutside = kRunawaySteps;
    int key = 0;
    for (TrajectoryRecord& record : example.trajectories) {
        // The tracer itself replaces an open end by the parameter reached.
        const SystemTrajectoryResult result = TraceSystemTrajectory(context, example, record, options);
        key = result.key;
        if (key == kStopKey)
            return key;
    }
    const int fieldKey = DrawDirectionField(context, example);
    return fieldKey != 0 ? fieldKey : key;
}

} // namespace korvane
