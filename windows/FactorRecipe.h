#pragma once
// Polynomials and rational functions of the guessing game: products of linear factors
// with integer roots, scaled so that the curve crosses the y axis at a whole number and
// fills the view.
#include "graph/View.h"
#include "windows/GuessDraws.h"
#include "windows/GuessSettings.h"
#include "windows/GuessTarget.h"

#include <functional>
#include <vector>

namespace korvane {

struct RootFactor {
    int root = 0;
    int multiplicity = 1;
    bool denominator = false;
};

// What one attempt's scaling found; `ok` false when the attempt must be made again.
struct FactorScaling {
    bool ok = false;
    long long numerator = 1, denominator = 1; // the leading factor n/d, reduced
    long double lowest = -2, highest = 2;     // the range of the scaled curve
};

// The roots, in increasing order, of m factors (one of them moved to the denominator
// for a rational function).
std::vector<RootFactor> ChooseFactors(bool rational, int m, bool singleRoot, GuessDraws& draw);
// The product of the factors at x, without a leading factor.
long double FactorProduct(const std::vector<RootFactor>& roots, long double x);
// The leading factor and range for a client of w x h pixels.
FactorScaling ScaleFactors(const std::vector<RootFactor>& roots, int width, int height);

// Attempts until one can be scaled or `stop` says so; then the fixed fallback.
GuessTarget MakeFactorTarget(bool rational, int m, GuessDraws& draw, const GuessSettings& settings, View view,
                             const std::function<bool()>& stop);

} // namespace korvane
