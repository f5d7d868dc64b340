#pragma once
// The six Riemann sums of g over [a, b] cut into n equal subintervals, all in one pass of
// 3n + 1 evaluations (left, midpoint, right, trapezoidal, parabolic, random point), and
// the strips that show one rule on the graph.
#include "graph/View.h"
#include "plane/PointKinds.h"
#include "platform/Surface.h"

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace korvane {

struct EvalContext;
struct ExprNode;
class RandomGenerator;

enum RiemannRule : int {
    kLeft,
    kMidpoint,
    kRight,
    kTrapezoidal,
    kParabolic,
    kRandomPoint,
    kRuleCount
};

struct RiemannRequest {
    long double a = 0, b = 5;
    std::int64_t n = 1000;
    int letter = 24; // X
    // Polled after every subinterval; 'S' stops the sums where they are.
    std::function<int()> poll;
    // Called now and then with the subintervals done, for a status text.
    std::function<void(std::int64_t done)> progress;
};

struct RiemannResults {
    std::array<long double, kRuleCount> sums{};
    std::int64_t done = 0;      // subintervals summed
    std::int64_t undefined = 0; // samples where g is undefined: they add nothing
    bool stopped = false;
};

// g is evaluated with the letter set to each point; the letter gets its value back.
RiemannResults RiemannSums(EvalContext& context, ExprNode* g, RandomGenerator& random,
                           const RiemannRequest& request);

// How often `progress` is called.
inline constexpr std::int64_t kRiemannProgressEvery = 1 << 18;

// The strips of one rule over [a, b]: n of them, at most a quarter of the window's width
// in pixels, each outline handed over as a closed-off path of world points (from the foot
// at a strip's left end round to the foot at its right end). `g` gives the value at a point.
void RiemannStripOutlines(const View& view, RiemannRule rule, long double a, long double b, std::int64_t n,
                          const std::function<bool(long double x, long double& y)>& g,
                          const std::function<void(const std::vector<WorldPoint>&)>& outline);

} // namespace korvane
