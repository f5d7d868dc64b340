#include "analysis/PlaneCurve.h"

#include "expr/Evaluator.h"
#include "plane/CurveTracer.h"

#include <cmath>

namespace korvane {

namespace {

constexpr long double kTiny = 1e-18L;

bool Constant(EvalContext& context, ExprNode* tree, long double& out) {
    if (!tree || !EvaluateNode(context, tree))
        return false;
    out = tree->value.re;
    return std::isfinite(out);
}

} // namespace

PlaneCurve::PlaneCurve(EvalContext& context, const ExampleRecord& example)
    : context_(context), example_(example), kind_(example.Kind()), letter_(PlotVariable(example)) {
    saved_ = context_.letterValues[letter_];
    first_ = example.Minimum();
    last_ = example.Maximum();
    switch (kind_) {
    case kExplicit:
    case kIndefiniteIntegral:
        valid_ = example.Tree(1) != nullptr;
        break;
    case kPolar:
    case kParametric:
        valid_ = example.Tree(0) && example.Tree(1);
        break;
    case kSegment:
        valid_ = Constant(context, example.Tree(0), ax_) &&
                 Constant(context, example.Tree(1), ay_) &&
                 Constant(context, example.Tree(2), bx_) && Constant(context, example.Tree(3), by_);
        first_ = 0;
        last_ = 1;
        lineA = by_ - ay_;
        lineB = ax_ - bx_;
        lineC = lineA * ax_ + lineB * ay_;
        vertical_ = std::fabs(bx_ - ax_) <= kTiny;
        break;
    case kLine:
        valid_ = Constant(context, example.Tree(0), lineA) &&
                 Constant(context, example.Tree(1), lineB) &&
                 Constant(context, example.Tree(2), lineC) &&
                 (std::fabs(lineA) > kTiny || std::fabs(lineB) > kTiny);
        vertical_ = std::fabs(lineB) <= kTiny;
        if (vertical_) { // the stretch it drew in y
            first_ = example.Real(exo::kMinimum2);
            last_ = example.Real(exo::kMaximum2);
        }
        break;
    default:
        break;
    }
    valid_ = valid_ && std::isfinite(first_) && std::isfinite(last_) && first_ < last_;
}

PlaneCurve::~PlaneCurve() {
    context_.letterValues[letter_] = saved_;
}

bool PlaneCurve::Evaluate(int slot, long double s, long double& v) const {
    ExprNode* tree = example_.Tree(slot);
    return tree && EvaluateAt(context_, tree, letter_, s, v);
}

bool PlaneCurve::Point(long double s, long double& x, long double& y) const {
    switch (kind_) {
    case kExplicit:
    case kIndefiniteIntegral:
        x = s;
        return Evaluate(1, s, y);
    case kPolar:
    case kParametric:
        return Evaluate(0, s, x) && Evaluate(1, s, y);
    case kSegment:
        x = ax_ + s * (bx_ - ax_);
        y = ay_ + s * (by_ - ay_);
        return true;
    case kLine:
        if (vertical_) {
            x = lineC / lineA;
            y = s;
        } else {
            x = s;
            y = (lineC - lineA * s) / lineB;
        }
        return true;
    default:
        return false;
    }
}

bool PlaneCurve::Value(Coordinate which, long double s, long double& v) const {
    if (which == kR && kind_ == kPolar)
        return Evaluate(2, s, v);
    long double x = 0, y = 0;
    if (!Point(s, x, y))
        return false;
    v = which == kX ? x : which == kY ? y : std::sqrt(x * x + y * y);
    return true;
}

bool PlaneCurve::Numeric(Coordinate which, long double s, long double& v) const {
    // The step that balances truncation against rounding for a central difference.
    const long double h = std::cbrt(1e-19L) * std::max(1.0L, std::fabs(s));
    long double lo = 0, hi = 0;
    if (!Value(which, s - h, lo) || !Value(which, s + h, hi))
        return false;
    v = (hi - lo) / (2 * h);
    return true;
}

bool PlaneCurve::Slope(Coordinate which, long double s, long double& v) const {
    switch (kind_) {
    case kExplicit:
        if (which == kX) {
            v = 1;
            return true;
        }
        if (which == kY && example_.Tree(5))
            return Evaluate(5, s, v);
        break;
    case kPolar:
    case kParametric:
        if (example_.Tree(4 + which) && (which != kR || kind_ == kPolar))
            return Evaluate(4 + which, s, v);
        break;
    default:
        break;
    }
    return Numeric(which, s, v);
}

} // namespace korvane
