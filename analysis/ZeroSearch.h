#pragma once
// The interval search that the zero, extremum and intersection tools share: the interval
// is cut into 101 cells visited cyclically from a cursor, each cell bisected on a change
// of sign, and a derivative tried where the function touches zero without crossing.
#include <cstdint>
#include <functional>

namespace korvane {

inline constexpr int kSearchCells = 101;
inline constexpr int kBisectSteps = 101;
inline constexpr long double kZeroValue = 1e-18L;

// A real function of one variable; false where it is undefined.
using RealFunction = std::function<bool(long double x, long double& y)>;

// BisectZero's codes.
inline constexpr int kSignChange = 0;
inline constexpr int kUndefinedValue = 1;
inline constexpr int kNoSignChange = 104;
inline constexpr int kZeroAtEndOnly = -1; // a zero at an end although the signs agree

struct BisectOutcome {
    int code = kSignChange;
    long double root = 0;
};

// Bisects [a, b] while the signs at the ends differ, down to `stopWidth` or 101 steps.
BisectOutcome BisectZero(const RealFunction& f, long double a, long double b,
                         long double stopWidth);

// What a search accepts, cell by cell.
struct CellRules {
    long double stopWidth = 0;
    // A sign change is a zero only where |f| < poleLimit (a pole changes sign too).
    long double poleLimit = 0;
    // Where f does not change sign, a zero of `derivative` with |f| < touchLimit is a zero
    // of f that touches without crossing; empty: no such test.
    RealFunction derivative;
    long double touchLimit = 0;
    // Where set, a zero counts only when it also passes this test (an intersection with a
    // segment must lie on the segment).
    std::function<bool(long double root)> accept;
};

struct SearchOutcome {
    bool found = false;
    long double root = 0;
    int examined = 0; // cells
    int touching = 0; // cells with a zero at an end only
};

// One press: from cell `nextInterval` on, at most all 101 cells once; the cursor ends
// after the last cell examined.
SearchOutcome SearchCells(const RealFunction& f, long double x0, long double x1,
                          const CellRules& rules, std::int16_t& nextInterval);

// Counts the calls of a function (the benchmark's evaluations per press).
RealFunction Counted(RealFunction f, long& count);

} // namespace korvane
