#include "plane/SystemTrajectory.h"

#include <cmath>
#include <vector>

#include "expr/Evaluator.h"
#include "plane/MappedPath.h"

namespace korvane {

namespace {

constexpr int kSlotT = 'T' - 64;
constexpr int kSlotX = 'X' - 64;
constexpr int kSlotY = 'Y' - 64;
constexpr int kRestrictionSlot = 3;
constexpr long double kTiny = 1e-18L;

// The record's letter, 0 when it names none.
int LetterSlot(int stored) {
    if (stored >= 1 && stored < kLetterCount)
        return stored;
    if (stored >= 'A' && stored <= 'Z')
        return stored - 64;
    return 0;
}

// Draws the path as it grows: each segment clipped to the window; in export mode the
// runs inside the window go out as polylines, broken where the path leaves the window.
class TrajectoryStroke {
public:
    TrajectoryStroke(PlaneDrawContext& context, const platform::Pen& pen)
        : context_(context), exportMode_(context.settings.exportMode), mapped_(context) {
        context_.surface.SetPen(pen);
    }
    ~TrajectoryStroke() { Flush(); }
    TrajectoryStroke(const TrajectoryStroke&) = delete;
    TrajectoryStroke& operator=(const TrajectoryStroke&) = delete;

    void Segment(long double x0, long double y0, long double x1, long double y1) {
        const long double endX = x1, endY = y1;
        if (!context_.SourceView().ClipSegment(x0, y0, x1, y1)) {
            Flush();
            return;
        }
        // Under a map the image of what the source window shows.
        if (context_.Mapped()) {
            mapped_.Segment(x0, y0, x1, y1);
            if (x1 != endX || y1 != endY)
                mapped_.Lift();
            return;
        }
        const platform::Point a = ToPixel(x0, y0), b = ToPixel(x1, y1);
        if (!exportMode_) {
            context_.surface.Line(a, b);
            return;
        }
        if (polyline_.empty() || polyline_.back() != a) {
            Flush();
            polyline_.push_back(a);
        }
        if (polyline_.back() != b)
            polyline_.push_back(b);
        if (x1 != endX || y1 != endY)
            Flush();
    }

    void Flush() {
        mapped_.Lift();
        if (polyline_.size() == 1)
            polyline_.push_back(polyline_.front());
        if (!polyline_.empty())
            context_.surface.Polyline(polyline_);
        polyline_.clear();
    }

private:
    platform::Point ToPixel(long double x, long double y) const {
        return {context_.view.ToPixelXInt(x), context_.view.ToPixelYInt(y)};
    }

    PlaneDrawContext& context_;
    bool exportMode_;
    std::vector<platform::Point> polyline_;
    MappedPath mapped_;
};

// One component of the field: a compiled slot, possibly negated, or the constant 0, or
// a central difference of a tree along X or Y.
struct Component {
    ExprNode* tree = nullptr;
    bool negated = false;
    bool valid = true;
    int differenceSlot = 0; // the letter slot of the difference, 0 for none
};

constexpr int kImplicitFunctionSlot = 2;

Component ComponentOf(const ExampleRecord& example, int stored) {
    if (stored == -1)
        return {};
    const int slot = stored >= 8 ? stored - 8 : stored;
    if (slot < 0 || slot >= kCompiledSlots)
        return {nullptr, false, false};
    if (example.Kind() == kImplicit && (slot == 4 || slot == 5) && !example.Tree(slot))
        return {example.Tree(kImplicitFunctionSlot), stored >= 8, true, slot == 4 ? kSlotX : kSlotY};
    return {example.Tree(slot), stored >= 8, true};
}

class SystemTracer {
public:
    SystemTracer(PlaneDrawContext& context, ExampleRecord& example, TrajectoryRecord& record,
                 const SystemTrajectoryOptions& options)
        : context_(context), example_(example), record_(record), options_(options),
          stroke_(context, TrajectoryPen(context, record.I16(tro::kColour), record.I16(tro::kWidth),
                                         record.I16(tro::kPenAttribute))) {
        componentX_ = ComponentOf(example, record.I16(tro::kDirectionX));
        componentY_ = ComponentOf(example, record.I16(tro::kDirectionY));
        if (example.Flag(exo::kFlag50) && example.Kind() == kSystem)
            restriction_ = example.Tree(kRestrictionSlot);
        timeIndependent_ = example.Flag(exo::kFlag53) || example.Kind() == kImplicit;
        screenLimit_ = example.Flag(exo::kScreenLimit);
        const long double unit = context.SourceView().unitX;
        nullTolerance_ = context.settings.nullVectorTolerance * unit;
        loopTolerance_ = context.settings.loopTolerance * unit;
        minimumTravel_ = context.settings.minimumTravel * unit;
    }

    SystemTrajectoryResult Run();

private:
    bool Field(long double x, long double y, long double t, long double& vx, long double& vy);
    bool Evaluate(const Component& c, long double x, long double y, long double& out);
    bool Difference(const Component& c, long double x, long double y, long double& out);
    bool RestrictionHolds(long double x, long double y, long double t);
    bool Step();
    bool End(TrajectoryEnd why) {
        result_.end = why;
        return false;
    }

    PlaneDrawContext& context_;
    ExampleRecord& example_;
    TrajectoryRecord& record_;
    const SystemTrajectoryOptions& options_;
    TrajectoryStroke stroke_;
    Component componentX_, componentY_;
    ExprNode* restriction_ = nullptr;
    bool timeIndependent_ = true;
    bool screenLimit_ = false;
    long double nullTolerance_ = 0, loopTolerance_ = 0, minimumTravel_ = 0;

    long double x_ = 0, y_ = 0, t_ = 0, x0_ = 0, y0_ = 0, end_ = 0, h_ = 0;
    long outsideRun_ = 0;
    SystemTrajectoryResult result_;
};

// (F(p + d) - F(p - d)) / 2d along the component's letter, d a thousandth of a pixel.
bool SystemTracer::Difference(const Component& c, long double x, long double y, long double& out) {
    const bool alongX = c.differenceSlot == kSlotX;
    const View& view = context_.SourceView();
    const long double d = 0.001L * (alongX ? view.unitX : view.unitY);
    const auto at = [&](long double offset, long double& f) {
        context_.eval.SetLetter(kSlotX, alongX ? x + offset : x);
        return EvaluateAt(context_.eval, c.tree, kSlotY, alongX ? y : y + offset, f);
    };
    long double ahead = 0, behind = 0;
    result_.evaluations += 2;
    const bool defined = at(d, ahead) && at(-d, behind);
    context_.eval.SetLetter(kSlotX, x);
    out = (ahead - behind) / (2 * d);
    return defined;
}

bool SystemTracer::Evaluate(const Component& c, long double x, long double y, long double& out) {
    if (!c.valid)
        return false;
    if (!c.tree) {
        out = 0;
        return true;
    }
    if (c.differenceSlot != 0) {
        if (!Difference(c, x, y, out))
            return false;
    } else {
        ++result_.evaluations;
        if (!EvaluateAt(context_.eval, c.tree, kSlotY, y, out))
            return false;
    }
    if (c.negated)
        out = -out;
    return std::isfinite(out);
}

bool SystemTracer::Field(long double x, long double y, long double t, long double& vx, long double& vy) {
    context_.eval.SetLetter(kSlotT, t);
    context_.eval.SetLetter(kSlotX, x);
    return Evaluate(componentX_, x, y, vx) && Evaluate(componentY_, x, y, vy);
}

bool SystemTracer::RestrictionHolds(long double x, long double y, long double t) {
    if (!restriction_)
        return true;
    context_.eval.SetLetter(kSlotT, t);
    context_.eval.SetLetter(kSlotX, x);
    long double r = 0;
    ++result_.evaluations;
    return EvaluateAt(context_.eval, restriction_, kSlotY, y, r) && r > 0;
}

// One improved-Euler step; false when the trajectory ends (result_.end says why).
bool SystemTracer::Step() {
    const bool forward = h_ > 0;
    if (forward ? t_ >= end_ : t_ <= end_)
        return End(TrajectoryEnd::Parameter);
    long double vx0 = 0, vy0 = 0;
    if (!Field(x_, y_, t_, vx0, vy0))
        return End(TrajectoryEnd::Undefined);
    const long double speed0 = std::hypot(vx0, vy0);
    bool moving = true;
    if (speed0 < nullTolerance_) {
        if (timeIndependent_)
            return End(TrajectoryEnd::NullVector);
        moving = false;
    }
    long double dt = h_ / (speed0 + (timeIndependent_ ? kTiny : 1.0L));
    bool last = false;
    if (forward ? t_ + dt >= end_ : t_ + dt <= end_) {
        dt = end_ - t_;
        last = true;
    }
    const long double t1 = last ? end_ : t_ + dt;
    if (screenLimit_ && !context_.SourceView().Inside(x_, y_))
        return End(TrajectoryEnd::Screen);
    if (!RestrictionHolds(x_, y_, t_))
        return End(TrajectoryEnd::Restriction);
    const long double px = x_ + dt * vx0, py = y_ + dt * vy0;
    if (screenLimit_ && !context_.SourceView().Inside(px, py))
        return End(TrajectoryEnd::Screen);
    long double vx1 = 0, vy1 = 0;
    if (!Field(px, py, t1, vx1, vy1))
        return End(TrajectoryEnd::Undefined);
    if (moving && std::hypot(vx1, vy1) < nullTolerance_) {
        if (timeIndependent_)
            return End(TrajectoryEnd::NullVector);
        moving = false;
    }
    if (moving && context_.settings.sharpAngles && vx0 * vx1 + vy0 * vy1 < 0)
        return End(TrajectoryEnd::SharpAngle);
    if (moving) {
        const long double nx = x_ + dt * (vx0 + vx1) / 2, ny = y_ + dt * (vy0 + vy1) / 2;
        stroke_.Segment(x_, y_, nx, ny);
        if (options_.listener)
            options_.listener->ReachedAt(nx, ny, t1);
        result_.travelled += std::hypot(nx - x_, ny - y_);
        x_ = nx;
        y_ = ny;
    }
    t_ = t1;
    ++result_.steps;
    if (timeIndependent_ && result_.travelled > minimumTravel_ &&
        std::fabs(x_ - x0_) + std::fabs(y_ - y0_) < loopTolerance_) {
        stroke_.Segment(x_, y_, x0_, y0_);
        result_.closed = true;
        return End(TrajectoryEnd::Closed);
    }
    result_.key = context_.Poll();
    if (result_.key == kStopKey)
        return End(TrajectoryEnd::Stopped);
    if (options_.watch)
        context_.Pause(WatchPause(context_.settings));
    if (last)
        return End(TrajectoryEnd::Parameter);
    if (options_.maxSteps > 0 && result_.steps >= options_.maxSteps)
        return End(TrajectoryEnd::StepLimit);
    outsideRun_ = context_.SourceView().Inside(x_, y_) ? 0 : outsideRun_ + 1;
    if (options_.maxStepsOutside > 0 && outsideRun_ >= options_.maxStepsOutside)
        return End(TrajectoryEnd::Outside);
    return true;
}

SystemTrajectoryResult SystemTracer::Run() {
    x_ = x0_ = record_.Real(tro::kStartX);
    y_ = y0_ = record_.Real(tro::kStartY);
    t_ = record_.Real(tro::kStartT);
    end_ = record_.Real(tro::kEndT);
    const int density = example_.Density() < 1 ? 1 : example_.Density();
    h_ = context_.settings.trajectoryStep * context_.SourceView().unitX / density;
    if (end_ < t_)
        h_ = -h_;
    const bool usable = std::isfinite(x_) && std::isfinite(y_) && std::isfinite(t_) &&
                        std::isfinite(end_) && h_ != 0 && std::isfinite(h_);
    if (usable) {
        if (options_.listener)
            options_.listener->ReachedAt(x_, y_, t_);
        while (Step()) {
        }
    } else {
        result_.end = TrajectoryEnd::Undefined;
    }
    stroke_.Flush();
    result_.endParameter = t_;
    result_.x = x_;
    result_.y = y_;
    if (record_.Byte(tro::kOpenEnd) != 0) {
        record_.SetReal(tro::kEndT, t_);
        record_.SetByte(tro::kOpenEnd, 0);
    }
    return result_;
}

} // namespace

platform::Pen TrajectoryPen(const PlaneDrawContext& context, int colour, int width, int attribute) {
    platform::Pen pen;
    pen.colour = context.PenColour(colour);
    pen.width = width < 1 ? 1 : width;
    switch (attribute) {
    case 1: pen.style = platform::PenStyle::Dashed; break;
    case 2: pen.style = platform::PenStyle::Dotted; break;
    case 3: pen.style = platform::PenStyle::DashDot; break;
    case 5: pen.style = platform::PenStyle::None; break;
    default: pen.style = platform::PenStyle::Solid; break;
    }
    return pen;
}

SystemTrajectoryResult TraceSystemTrajectory(PlaneDrawContext& context, ExampleRecord& example,
                                             TrajectoryRecord& record,
                                             const SystemTrajectoryOptions& options) {
    const int letter = LetterSlot(record.I16(tro::kLetter));
    const ComplexValue saved = context.eval.letterValues[letter];
    if (letter != 0)
        context.eval.SetLetter(letter, record.Real(tro::kLetterValue));
    SystemTracer tracer(context, example, record, options);
    const SystemTrajectoryResult result = tracer.Run();
    if (letter != 0)
        context.eval.letterValues[letter] = saved;
    return result;
}

SystemTrajectoryResult TraceSystemTrajectory(PlaneDrawContext& context, ExampleRecord& example,
                                             TrajectoryRecord& record) {
    return TraceSystemTrajectory(context, example, record, SystemTrajectoryOptions{});
}

} // namespace korvane
