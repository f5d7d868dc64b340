#include "expr/Evaluator.h"
#include "plane/MappedPath.h"
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

// A mark has its length in world units, along the field's direction in the world: a
// slope is a segment centred on its point, a vector a segment from its point with a small
// head. Where the axes have different scales its length in pixels follows the direction.
class FieldMarks {
public:
    FieldMarks(PlaneDrawContext& context, const ExampleRecord& example, long double lengthWorld, bool vectors)
        : context_(context), example_(example), length_(lengthWorld), vectors_(vectors) {}

    void At(long double x, long double y) {
        long double dx = 0, dy = 0;
        if (!FieldAt(context_, example_, x, y, dx, dy))
            return;
        const long double norm = std::hypot(dx, dy);
        if (context_.Mapped()) {
            MappedAt(x, y, dx, dy, norm);
            return;
        }
        const View& view = context_.view;
        const long double cx = view.ToPixelX(x), cy = view.ToPixelY(y);
        if (!(norm > kTiny) || !std::isfinite(norm)) {
            context_.surface.SetPixel(Pixel(cx, cy), pen_.colour);
            return;
        }
        // The mark in pixels; pixel y grows downward.
        const long double px = length_ * dx / norm / view.unitX, py = -length_ * dy / norm / view.unitY;
        if (!vectors_) {
            context_.surface.Line(Pixel(cx - px / 2, cy - py / 2), Pixel(cx + px / 2, cy + py / 2));
            return;
        }
        const long double shaft = std::hypot(px, py);
        context_.surface.Line(Pixel(cx, cy), Pixel(cx + px, cy + py));
        Head(cx + px, cy + py, px / shaft, py / shaft, shaft);
    }
    void SetPen(const platform::Pen& pen) { pen_ = pen; }

private:
    // The mark as the source window shows it, sent through the map: a slope's ends, or a
    // vector's shaft with its head turned along the shaft's image at the tip.
    void MappedAt(long double x, long double y, long double dx, long double dy, long double norm) {
        platform::Point centre;
        if (!(norm > kTiny) || !std::isfinite(norm)) {
            if (MappedPath::ImagePixel(context_, x, y, centre))
                context_.surface.SetPixel(centre, pen_.colour);
            return;
        }
        const View& source = context_.SourceView();
        const long double wx = length_ * dx / norm, wy = length_ * dy / norm;
        MappedPath path(context_);
        if (!vectors_) {
            path.Segment(x - wx / 2, y - wy / 2, x + wx / 2, y + wy / 2);
            return;
        }
        path.Segment(x, y, x + wx, y + wy);
        path.Lift();
        platform::Point tip, behind;
        if (!MappedPath::ImagePixel(context_, x + wx, y + wy, tip) ||
            !MappedPath::ImagePixel(context_, x + 0.9L * wx, y + 0.9L * wy, behind))
            return;
        const long double ux = tip.x - behind.x, uy = tip.y - behind.y, step = std::hypot(ux, uy);
        if (step > 0)
            Head(tip.x, tip.y, ux / step, uy / step, std::hypot(wx / source.unitX, wy / source.unitY));
    }

    static platform::Point Pixel(long double x, long double y) {
        return {RoundToInt(std::floor(x + 0.5L)), RoundToInt(std::floor(y + 0.5L))};
    }
    void Head(long double tipX, long double tipY, long double ux, long double uy, long double shaft) {
        const long double size = std::max(2.0L, shaft / 4);
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
    const View& view = context.SourceView();
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
    FieldMarks marks(context, example, lengthPixels * view.unitX, mode == kVectorMarks);
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

// The title counts the steps of each solution of a long drawing.
void StartSolution(PlaneDrawContext& context, const ExampleRecord& example, std::size_t index) {
    context.StartProgress("trajetória " + std::to_string(index + 1) + " de " +
                          std::to_string(example.trajectories.size()));
}

} // namespace

int DrawSlopeField(PlaneDrawContext& context, ExampleRecord& example) {
    int key = 0;
    for (std::size_t i = 0; i < example.trajectories.size(); ++i) {
        TrajectoryRecord& record = example.trajectories[i];
        StartSolution(context, example, i);
        // "passos" limits the solution; the drawing then keeps the number it made.
        key = TraceSlopeTrajectory(context, example, record, true).key;
        if (key == kStopKey)
            break;
    }
    context.StartProgress({});
    if (key == kStopKey)
        return key;
    const int fieldKey = DrawDirectionField(context, example);
    return fieldKey != 0 ? fieldKey : key;
}

SystemTrajectoryOptions SystemDrawingOptions() {
    SystemTrajectoryOptions options;
    options.maxStepsOutside = kRunawaySteps;
    options.maxSteps = kMaxTrajectorySteps;
    return options;
}

int DrawSystem(PlaneDrawContext& context, ExampleRecord& example) {
    // A path can run off to infinity while its parameter creeps towards a finite limit
    // (x' = x^2 with steps of equal length): after this long outside it is not coming back.
    const SystemTrajectoryOptions options = SystemDrawingOptions();
    int key = 0;
    for (std::size_t i = 0; i < example.trajectories.size() && key != kStopKey; ++i) {
        StartSolution(context, example, i);
        // The tracer itself replaces an open end by the parameter reached.
        key = TraceSystemTrajectory(context, example, example.trajectories[i], options).key;
    }
    context.StartProgress({});
    if (key == kStopKey)
        return key;
    const int fieldKey = DrawDirectionField(context, example);
    return fieldKey != 0 ? fieldKey : key;
}

} // namespace korvane
