#pragma once
// Where two parametrised curves (polar or parametric) meet at any two parameter values:
// the solutions of a(s) = b(t). No function of one variable changes sign there, so the
// crossings of the two sampled polylines seed Newton's method on (s, t), which then lands
// on the curves themselves. The cells are those of the other searches, over a's interval.
#include "analysis/PlaneCurve.h"

#include <cstdint>
#include <vector>

namespace korvane {

class CurveCrossings {
public:
    CurveCrossings(const PlaneCurve& a, const PlaneCurve& b);

    // One press: from cell `nextInterval` on, the crossing with the smallest s in the first
    // cell that holds one; the cursor ends after that cell.
    bool Next(std::int16_t& nextInterval, long double& s, long double& t) const;

private:
    struct Sample {
        long double p = 0, x = 0, y = 0;
        bool defined = false;
    };

    static std::vector<Sample> SampleCurve(const PlaneCurve& c, int segments);
    bool InCell(int cell, long double& s, long double& t) const;
    bool Newton(long double& s, long double& t) const;

    const PlaneCurve& a_;
    const PlaneCurve& b_;
    std::vector<Sample> as_, bs_;
};

} // namespace korvane
