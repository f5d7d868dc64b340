#include "plane/SlopeTrajectory.h"

#include "expr/Evaluator.h"
#include "plane/MappedPath.h"

#include <cmath>
#include <vector>

namespace korvane {

namespace {

constexpr int kLetterX = 'X' - 64;
constexpr int kLetterY = 'Y' - 64;

bool Slope(EvalContext& eval, ExprNode* slope, long double x, long double y, long double& out) {
    eval.SetLetter(kLetterX, x);
    eval.SetLetter(kLetterY, y);
    if (!EvaluateNode(eval, slope))
        return false;
    out = slope->value.re;
    return std::isfinite(out);
}

// The pen of one solution: segments only between two inside points, and in picture
// export one polyline per stretch inside the window; under a map the images of those
// segments.
class SolutionPen {
public:
    explicit SolutionPen(PlaneDrawContext& context) : context_(context), mapped_(context) {}
    ~SolutionPen() { Lift(); }

    void To(long double x, long double y, bool inside) {
        if (!inside) {
            Lift();
            return;
        }
        if (context_.Mapped()) {
            if (down_)
                mapped_.Segment(lastX_, lastY_, x, y);
        } else {
            const platform::Point p{context_.view.ToPixelXInt(x), context_.view.ToPixelYInt(y)};
            if (context_.settings.exportMode)
                stretch_.push_back(p);
            else if (down_)
                context_.surface.Line(last_, p);
            last_ = p;
        }
        lastX_ = x;
        lastY_ = y;
        down_ = true;
    }
    void Lift() {
        mapped_.Lift();
        if (stretch_.size() >= 2)
            context_.surface.Polyline(stretch_);
        stretch_.clear();
        down_ = false;
    }

private:
    PlaneDrawContext& context_;
    MappedPath mapped_;
    std::vector<platform::Point> stretch_;
    platform::Point last_;
    long double lastX_ = 0, lastY_ = 0;
    bool down_ = false;
};

void SelectRecordPen(PlaneDrawContext& context, const TrajectoryRecord& record) {
    platform::Pen pen;
    pen.colour = context.PenColour(record.I16(tro::kColour));
    pen.width = record.I16(tro::kWidth) > 1 ? record.I16(tro::kWidth) : 1;
    context.surface.SetPen(pen);
}


bool MayContinue(int status, bool screenLimit) { return status == 0 || (status == 1 && !screenLimit); }

int StepLimitOf(const TrajectoryRecord& record, bool stepLimit) {
    const long double n = std::round(record.Real(tro::kEndT));
    if (stepLimit && n >= 2 && n < kMaxTrajectorySteps)
        return static_cast<int>(n);
    return static_cast<int>(kMaxTrajectorySteps); // a step of 1e-18 must not run for hours
}

} // namespace

SlopeStepResult SlopeStep(EvalContext& eval, ExprNode* slope, int method, bool infiniteSlope, long double h,
                          long double& x, long double& y) {
    long double f1 = 0, f2 = 0;
    if (!Slope(eval, slope, x, y, f1))
        return SlopeStepResult::Undefined;
    const long double k1 = h * f1;
    if (!Slope(eval, slope, x + h, y + k1, f2))
        return SlopeStepResult::Undefined;
    const long double k2 = h * f2;
    if (infiniteSlope && k1 * k2 < -1)
        return SlopeStepResult::InfiniteSlope;
    if (method == kEulerMethod) {
        y += k1;
    } else if (method == kModifiedEulerMethod) {
        y += (k1 + k2) / 2;
    } else {
        long double a = 0, b = 0, c = 0;
        const long double half = h / 2;
        if (!Slope(eval, slope, x + half, y + k1 / 2, a))
            return SlopeStepResult::Undefined;
        if (!Slope(eval, slope, x + half, y + h * a / 2, b))
            return SlopeStepResult::Undefined;
        if (!Slope(eval, slope, x + h, y + h * b, c))
            return SlopeStepResult::Undefined;
        y += (k1 + 2 * h * a + 2 * h * b + h * c) / 6;
    }
    x += h;
    return SlopeStepResult::Moved;
}

int ClassifyPoint(const View& view, long double x, long double y) {
    if (!(x >= view.xmin && x <= view.xmax))
        return 2;
    if (!(y >= view.ymin && y <= view.ymax))
        return 1;
    return 0;
}

SlopeTrajectoryResult TraceSlopeTrajectory(PlaneDrawContext& context, const ExampleRecord& example,
                                           TrajectoryRecord& record, bool stepLimit) {
    SlopeTrajectoryResult result;
    long double x = record.Real(tro::kStartX), y = record.Real(tro::kStartY);
    const long double h = record.Real(tro::kStepSize);
    const int method = record.I16(tro::kMethod);
    const int limit = StepLimitOf(record, stepLimit);
    const bool screenLimit = example.Flag(exo::kScreenLimit);
    const bool watch = example.Flag(exo::kFlag57) && !context.settings.printing; // "olhar"
    ExprNode* slope = example.Tree(2);
    result.x = x;
    result.y = y;
    SelectRecordPen(context, record);
    SolutionPen pen(context);
    const View& view = context.SourceView();
    int status = ClassifyPoint(view, x, y);
    pen.To(x, y, status == 0);
    while (MayContinue(status, screenLimit)) {
        if (result.key == kStopKey) {
            result.end = SlopeEnd::Stopped;
            break;
        }
        if (limit >= 0 && result.steps >= limit) {
            result.end = SlopeEnd::StepLimit;
            break;
        }
        // A step too small to move x would never leave the window.
        if (!slope || x + h == x) {
            result.end = slope ? SlopeEnd::NoProgress : SlopeEnd::Undefined;
            break;
        }
        const SlopeStepResult step = SlopeStep(context.eval, slope, method, context.settings.infiniteSlope, h, x, y);
        if (step != SlopeStepResult::Moved) {
            result.end = step == SlopeStepResult::Undefined ? SlopeEnd::Undefined : SlopeEnd::InfiniteSlope;
            break;
        }
        ++result.steps;
        result.x = x;
        result.y = y;
        status = ClassifyPoint(view, x, y);
        pen.To(x, y, status == 0);
        if (watch)
            context.Pause(WatchPause(context.settings));
        result.key = context.Poll();
    }
    record.SetReal(tro::kEndT, result.steps);
    return result;
}

} // namespace korvane
