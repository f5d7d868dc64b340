#include "analysis/ZeroSearch.h"

#include <cmath>
#include <utility>

namespace korvane {

BisectOutcome BisectZero(const RealFunction& f, long double a, long double b,
                         long double stopWidth) {
    BisectOutcome out;
    bool found = false;
    bool signA = false;
    long double fa = 0, fb = 0;
    const bool definedA = f(a, fa);
    if (definedA) {
        if (std::fabs(fa) <= kZeroValue) {
            out.root = a;
            found = true;
        }
        signA = fa > 0;
    } else {
        out.code = kUndefinedValue;
    }
    const bool definedB = f(b, fb);
    if (definedB) {
        if (!found && std::fabs(fb) <= kZeroValue) {
            out.root = b;
            found = true;
        }
    } else {
        out.code = kUndefinedValue;
    }
    if (definedA && definedB && (fb > 0) == signA)
        out.code = found ? kZeroAtEndOnly : kNoSignChange;
    for (int step = 0; out.code == kSignChange && !found; ++step) {
        const long double m = (a + b) * 0.5L;
        out.root = m;
        long double fm = 0;
        if (!f(m, fm)) {
            out.code = kUndefinedValue;
            break;
        }
        if ((fm > 0) != signA)
            b = m;
        else
            a = m;
        if (b - a < stopWidth || step + 1 >= kBisectSteps)
            break;
    }
    return out;
}

namespace {

// The cell's zero, when the rules accept one.
bool ExamineCell(const RealFunction& f, long double a, long double b, const CellRules& rules,
                 SearchOutcome& out) {
    const BisectOutcome bisect = BisectZero(f, a, b, rules.stopWidth);
    long double value = 0;
    if (bisect.code == kSignChange) {
        if (f(bisect.root, value) && std::fabs(value) < rules.poleLimit) {
            out.root = bisect.root;
            return true;
        }
        return false;
    }
    if (bisect.code == kZeroAtEndOnly) {
        ++out.touching;
        return false;
    }
    if (!rules.derivative)
        return false;
    const BisectOutcome slope = BisectZero(rules.derivative, a, b, rules.stopWidth);
    if (slope.code == kSignChange && f(slope.root, value) && std::fabs(value) < rules.touchLimit) {
        out.root = slope.root;
        return true;
    }
    return false;
}

} // namespace

SearchOutcome SearchCells(const RealFunction& f, long double x0, long double x1,
                          const CellRules& rules, std::int16_t& nextInterval) {
    SearchOutcome out;
    const long double w = (x1 - x0) / kSearchCells;
    if (nextInterval < 0 || nextInterval >= kSearchCells)
        nextInterval = 0;
    while (out.examined < kSearchCells && !out.found) {
        const long double a = x0 + nextInterval * w;
        // The last cell ends on the interval's end, not a rounding away from it.
        const long double b = nextInterval == kSearchCells - 1 ? x1 : a + w;
        out.found = ExamineCell(f, a, b, rules, out) && (!rules.accept || rules.accept(out.root));
        ++out.examined;
        if (++nextInterval >= kSearchCells)
            nextInterval = 0;
    }
    return out;
}

RealFunction Counted(RealFunction f, long& count) {
    return [f = std::move(f), &count](long double x, long double& y) {
        ++count;
        return f(x, y);
    };
}

} // namespace korvane
