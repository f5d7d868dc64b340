#pragma once
// An example as the analysis tools read it: a plane curve s -> (x(s), y(s)) over its
// parameter interval, with the derivative of each coordinate. Explicit curves have s = x,
// polar and parametric ones their parameter letter; a segment runs from s = 0 to 1 and a
// line is y as a function of x over the stretch it drew (x of y when it is vertical).
// Evaluation sets the parameter letter; the owner of the object gets it back at the end.
#include "expr/EvalContext.h"
#include "plane/ExampleRecord.h"

namespace korvane {

class PlaneCurve {
public:
    enum Coordinate { kX = 0, kY = 1, kR = 2 };

    PlaneCurve(EvalContext& context, const ExampleRecord& example);
    ~PlaneCurve(); // gives the parameter letter its value back
    PlaneCurve(const PlaneCurve&) = delete;
    PlaneCurve& operator=(const PlaneCurve&) = delete;

    // False when the example has nothing to evaluate (no tree, an undefined coefficient).
    bool Valid() const { return valid_; }
    std::int16_t Kind() const { return kind_; }
    long double First() const { return first_; }
    long double Last() const { return last_; }
    // A line x = c: no function of x.
    bool Vertical() const { return vertical_; }

    bool Point(long double s, long double& x, long double& y) const;
    bool Value(Coordinate which, long double s, long double& v) const;
    // d/ds of a coordinate: the compiled derivative where the example has one, else a
    // central difference.
    bool Slope(Coordinate which, long double s, long double& v) const;
    // The straight kinds' coefficients: y = y0 + m (x - x0) for a segment, a x + b y = c
    // for a line.
    long double lineA = 0, lineB = 0, lineC = 0;

private:
    bool Evaluate(int slot, long double s, long double& v) const;
    bool Numeric(Coordinate which, long double s, long double& v) const;

    EvalContext& context_;
    const ExampleRecord& example_;
    std::int16_t kind_;
    int letter_;
    ComplexValue saved_;
    bool valid_ = false;
    bool vertical_ = false;
    long double first_ = 0, last_ = 1;
    long double ax_ = 0, ay_ = 0, bx_ = 0, by_ = 0; // segment ends
};

} // namespace korvane
