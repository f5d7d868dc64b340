#include "plane/Cycloid.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "expr/Derivative.h"
#include "expr/EvalContext.h"
#include "expr/Evaluator.h"
#include "plane/CurveTracer.h"
#include "plane/PointKinds.h"
#include "plane/StraightKinds.h"

namespace korvane {

namespace {

constexpr int kSlotT = 'T' - 64;
constexpr int kSlotX = 'X' - 64;
constexpr long double kTiny = 1e-18L;
constexpr std::int64_t kPollEvery = 1024;
constexpr std::size_t kPolylineChunk = 8192;

// The curve the circle rolls on. A missing x tree is x = T, a missing y tree is y = 0;
// a missing derivative tree of a present formula is taken by a central difference.
struct BaseCurve {
    ExprNode* x = nullptr;
    ExprNode* y = nullptr;
    ExprNode* dx = nullptr;
    ExprNode* dy = nullptr;
    int letter = kSlotT;
};

bool IsCurveKind(int kind) { return kind == kExplicit || kind == kPolar || kind == kParametric; }

BaseCurve BaseOf(const PlaneDrawContext& context, const ExampleRecord& example) {
    if (example.Tree(0) && example.Tree(1))
        return {example.Tree(0), example.Tree(1), example.Tree(4), example.Tree(5), kSlotT};
    const int source = example.I16(exo::kSource1);
    if (source < 0 || source > context.examples.LastExample())
        return {};
    const ExampleRecord& s = context.examples[source];
    if (&s == &example || !IsCurveKind(s.Kind()) || !s.Tree(1))
        return {};
    if (s.Kind() == kExplicit)
        return {nullptr, s.Tree(1), nullptr, s.Tree(5), kSlotX};
    if (!s.Tree(0))
        return {};
    return {s.Tree(0), s.Tree(1), s.Tree(4), s.Tree(5), PlotVariable(s)};
}

class BaseEvaluator {
public:
    BaseEvaluator(EvalContext& eval, const BaseCurve& base) : eval_(eval), base_(base) {}

    // Point and velocity at t; false where the curve is undefined.
    bool At(long double t, long double& x, long double& y, long double& vx, long double& vy) {
        return Coordinate(base_.x, t, t, x) && Coordinate(base_.y, t, 0, y) &&
               Velocity(base_.x, base_.dx, t, 1, vx) && Velocity(base_.y, base_.dy, t, 0, vy);
    }

private:
    bool Coordinate(ExprNode* tree, long double t, long double missing, long double& out) {
        if (!tree) {
            out = missing;
            return true;
        }
        return EvaluateAt(eval_, tree, base_.letter, t, out) && std::isfinite(out);
    }

    bool Velocity(ExprNode* tree, ExprNode* derivative, long double t, long double missing,
                  long double& out) {
        if (!tree) {
            out = missing;
            return true;
        }
        if (derivative)
            return EvaluateAt(eval_, derivative, base_.letter, t, out) && std::isfinite(out);
        const long double h = 1e-6L * std::max(1.0L, std::fabs(t));
        long double ahead, behind;
        if (!Coordinate(tree, t + h, 0, ahead) || !Coordinate(tree, t - h, 0, behind))
            return false;
        out = (ahead - behind) / (2 * h);
        return true;
    }

    EvalContext& eval_;
    BaseCurve base_;
};

// Derivatives that the base curve lacks (the compile step makes none for cycloids),
// built once per drawing; where that fails the central difference stands in.
struct OwnDerivatives {
    ExprTree dx, dy;
};

void CompleteDerivatives(EvalContext& eval, BaseCurve& curve, OwnDerivatives& own) {
    const int letter = curve.letter + 64;
    if (curve.x && !curve.dx && Differentiate(eval, curve.x, letter, own.dx))
        curve.dx = own.dx.root;
    if (curve.y && !curve.dy && Differentiate(eval, curve.y, letter, own.dy))
        curve.dy = own.dy.root;
}

// The parameter letter of the base gets its own value back afterwards.
class LetterKeeper {
public:
    LetterKeeper(EvalContext& eval, int letter) : eval_(eval), letter_(letter), saved_(eval.letterValues[letter]) {}
    ~LetterKeeper() { eval_.letterValues[letter_] = saved_; }
    LetterKeeper(const LetterKeeper&) = delete;
    LetterKeeper& operator=(const LetterKeeper&) = delete;

private:
    EvalContext& eval_;
    int letter_;
    ComplexValue saved_;
};

struct Rolling {
    long double radius = 1;
    long double inverseRadius = 1;
    long double arm = 1;
    bool left = true;
};

Rolling RollingOf(const ExampleRecord& e) {
    Rolling r;
    r.radius = e.Real(exo::kCycloidRadius);
    r.inverseRadius = e.Real(exo::kCycloidInverseRadius);
    // A record made without the dialog has no derived value yet.
    if (!(r.inverseRadius > 0) || !std::isfinite(r.inverseRadius))
        r.inverseRadius = 1 / r.radius;
    r.arm = e.Real(exo::kCycloidArm);
    r.left = e.I16(exo::kRadio) == 0;
    return r;
}

long double Speed(long double vx, long double vy) { return std::hypot(vx, vy); }

// The signed arc length from the start value to t0, by trapezoids over at most `steps`
// pieces; undefined stretches count as length 0.
long double ArcToFirstSample(BaseEvaluator& base, long double start, long double t0, std::int64_t steps) {
    if (start == t0)
        return 0;
    const long double h = (t0 - start) / static_cast<long double>(steps);
    long double x, y, vx, vy;
    long double previous = base.At(start, x, y, vx, vy) ? Speed(vx, vy) : -1;
    long double s = 0;
    for (std::int64_t i = 1; i <= steps; ++i) {
        const long double t = i == steps ? t0 : start + h * static_cast<long double>(i);
        const long double speed = base.At(t, x, y, vx, vy) ? Speed(vx, vy) : -1;
        if (previous >= 0 && speed >= 0)
            s += (previous + speed) / 2 * h;
        previous = speed;
    }
    return s;
}

std::int64_t SampleCount(const PlaneDrawContext& context, const ExampleRecord& e) {
    const std::int64_t density = std::clamp<std::int64_t>(e.Density(), 1, 10000);
    return density * (static_cast<std::int64_t>(context.SourceView().clientW) + 1);
}

// The pen that joins the samples inside the window, as the curve tracer's does: lines,
// single pixels without connect-points, polylines in picture-export mode.
class CyclePen {
public:
    explicit CyclePen(PlaneDrawContext& context, platform::Rgb colour)
        : context_(context), colour_(colour) {}
    ~CyclePen() { Lift(); }
    CyclePen(const CyclePen&) = delete;
    CyclePen& operator=(const CyclePen&) = delete;

    void Put(long double x, long double y) {
        const platform::Point p{context_.view.ToPixelXInt(x), context_.view.ToPixelYInt(y)};
        if (context_.settings.exportMode) {
            if (polyline_.size() >= kPolylineChunk) {
                const platform::Point last = polyline_.back();
                Lift();
                polyline_.push_back(last);
            }
            polyline_.push_back(p);
        } else if (!context_.settings.connectPoints) {
            context_.surface.SetPixel(p, colour_);
        } else if (down_) {
            context_.surface.Line(previous_, p);
        }
        previous_ = p;
        down_ = true;
    }

    void Lift() {
        if (polyline_.size() >= 2)
            context_.surface.Polyline(polyline_);
        polyline_.clear();
        down_ = false;
    }

private:
    PlaneDrawContext& context_;
    platform::Rgb colour_;
    bool down_ = false;
    platform::Point previous_;
    std::vector<platform::Point> polyline_;
};

platform::Pen CyclePenOf(const PlaneDrawContext& context, const ExampleRecord& e) {
    return {context.PenColour(e.Colour()), std::clamp<int>(e.Width(), 1, 30), AttributeStyle(e.PenAttribute())};
}

} // namespace

void RollingPoint(long double bx, long double by, long double tx, long double ty, long double s,
                  long double inverseRadius, long double radius, long double arm, bool left,
                  long double& x, long double& y) {
    const long double side = left ? 1 : -1;
    // Unit normal towards the centre.
    const long double nx = -ty * side, ny = tx * side;
    const long double cx = bx + radius * nx, cy = by + radius * ny;
    // Rolling forward on the left turns the circle clockwise, on the right anticlockwise.
    const long double angle = -side * s * inverseRadius;
    const long double c = std::cos(angle), sn = std::sin(angle);
    x = cx - arm * (nx * c - ny * sn);
    y = cy - arm * (nx * sn + ny * c);
}

int SampleCycloid(PlaneDrawContext& context, const ExampleRecord& example, const CycloidVisitor& visit) {
    const Rolling rolling = RollingOf(example);
    if (!(rolling.radius >= kTiny) || !std::isfinite(rolling.radius))
        return kNotPositiveCode;
    BaseCurve curve = BaseOf(context, example);
    OwnDerivatives own;
    CompleteDerivatives(context.eval, curve, own);
    LetterKeeper keeper(context.eval, curve.letter);
    BaseEvaluator base(context.eval, curve);
    const long double a = example.Minimum(), b = example.Maximum();
    const std::int64_t n = SampleCount(context, example);
    const long double h = (b - a) / static_cast<long double>(n);
    long double s = ArcToFirstSample(base, example.Real(exo::kCycloidStart), a, n);
    long double previousSpeed = -1;
    for (std::int64_t i = 0; i <= n; ++i) {
        const long double t = i == n ? b : a + h * static_cast<long double>(i);
        CycloidSample sample;
        long double bx, by, vx, vy;
        if (base.At(t, bx, by, vx, vy)) {
            const long double speed = Speed(vx, vy);
            if (!(speed > kTiny))
                return kNullVectorCode;
            if (previousSpeed >= 0)
                s += (previousSpeed + speed) / 2 * h;
            previousSpeed = speed;
            RollingPoint(bx, by, vx / speed, vy / speed, s, rolling.inverseRadius, rolling.radius,
                         rolling.arm, rolling.left, sample.x, sample.y);
            sample.defined = std::isfinite(sample.x) && std::isfinite(sample.y);
        } else {
            previousSpeed = -1;
        }
        if (!visit(sample))
            break;
    }
    return 0;
}

CycloidResult TraceCycloid(PlaneDrawContext& context, ExampleRecord& example) {
    CycloidResult result;
    const platform::Pen pen = CyclePenOf(context, example);
    context.surface.SetPen(pen);
    result.key = ForEachFamilyMember(context, example, [&] {
        CyclePen trace(context, pen.colour);
        std::int64_t count = 0;
        int key = 0;
        const int code = SampleCycloid(context, example, [&](const CycloidSample& p) {
            long double x = p.x, y = p.y;
            if (p.defined && MapPoint(context, x, y) && context.view.Inside(x, y))
                trace.Put(x, y);
            else
                trace.Lift();
            if (++count % kPollEvery == 0) {
                const int read = context.Poll();
                key = read != 0 ? read : key;
            }
            return key != kStopKey;
        });
        if (code != 0) {
            result.code = code;
            return kEndExample;
        }
        return key;
    });
    return result;
}

int DrawCycloid(PlaneDrawContext& context, ExampleRecord& example) {
    const CycloidResult result = TraceCycloid(context, example);
    if (result.code != 0)
        context.ReportFailure(result.code);
    return result.key;
}

} // namespace korvane
