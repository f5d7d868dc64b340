#include "analysis/RiemannSums.h"

#include "expr/EvalContext.h"
#include "expr/RandomGenerator.h"
#include "expr/RealProgram.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace korvane {

namespace {

constexpr int kParabolaPieces = 8;

} // namespace

RiemannResults RiemannSums(EvalContext& context, ExprNode* g, RandomGenerator& random,
                           const RiemannRequest& r) {
    RiemannResults out;
    const ComplexValue saved = context.letterValues[r.letter];
    const RealProgram program(g);
    const long double h = (r.b - r.a) / static_cast<long double>(r.n);
    // The trapezoidal and parabolic sums are left + right and left + 4 mid + right: four
    // sums in the loop give all six.
    long double left = 0, mid = 0, right = 0, randomSum = 0;
    // An undefined sample is left out of every sum that would use it.
    const auto sample = [&](const long double& x, long double& y) {
        if (program.EvaluateAt(context, r.letter, x, y) && std::isfinite(y))
            return;
        y = 0;
        ++out.undefined;
    };
    const bool polled = static_cast<bool>(r.poll), reported = static_cast<bool>(r.progress);
    long double x0 = r.a, y0 = 0;
    sample(x0, y0);
    std::int64_t i = 1;
    for (; i <= r.n; ++i) {
        const long double x1 = i == r.n ? r.b : x0 + h;
        const long double x3 = (x0 + x1) * 0.5L;
        const long double x2 = x0 + h * random.Uniform(0, 1);
        long double y1, y2, y3;
        sample(x1, y1);
        sample(x2, y2);
        sample(x3, y3);
        left += y0;
        mid += y3;
        right += y1;
        randomSum += y2;
        x0 = x1;
        y0 = y1;
        if (reported && i % kRiemannProgressEvery == 0)
            r.progress(i);
        if (polled && r.poll() == kStopKey) {
            out.stopped = i < r.n;
            break;
        }
    }
    out.done = std::min(i, r.n);
    out.sums = {
        left * h,     mid * h, right * h, (left + right) * h / 2, (left + 4 * mid + right) * h / 6,
        randomSum * h};
    context.letterValues[r.letter] = saved;
    return out;
}

void RiemannStripOutlines(const View& view, RiemannRule rule, long double a, long double b, std::int64_t n,
                          const std::function<bool(long double x, long double& y)>& g,
                          const std::function<void(const std::vector<WorldPoint>&)>& outline) {
    const std::int64_t strips =
        std::max<std::int64_t>(1, std::min<std::int64_t>(n, view.clientW / 4));
    const long double h = (b - a) / static_cast<long double>(strips);
    // Far beyond the window a strip is only its side: keep its height in range.
    const auto at = [&](long double x, long double y) {
        return WorldPoint{x, std::clamp(y, view.ymin - 2 * view.ry, view.ymax + 2 * view.ry)};
    };
    RandomGenerator random(1); // the same picture at every repaint
    std::vector<WorldPoint> path;
    for (std::int64_t i = 0; i < strips; ++i) {
        const long double x0 = a + static_cast<long double>(i) * h;
        const long double x1 = i + 1 == strips ? b : x0 + h;
        long double y0 = 0, y1 = 0, ym = 0;
        const bool d0 = g(x0, y0), d1 = g(x1, y1), dm = g((x0 + x1) / 2, ym);
        path.clear();
        path.push_back(at(x0, 0));
        switch (rule) {
        case kTrapezoidal:
            if (!d0 || !d1)
                continue;
            path.push_back(at(x0, y0));
            path.push_back(at(x1, y1));
            break;
        case kParabolic:
            if (!d0 || !d1 || !dm)
                continue;
            for (int k = 0; k <= kParabolaPieces; ++k) {
                const long double t = static_cast<long double>(k) / kParabolaPieces;
                // The parabola through the ends and the midpoint, in Lagrange form.
                const long double y =
                    y0 * (1 - t) * (1 - 2 * t) + ym * 4 * t * (1 - t) + y1 * t * (2 * t - 1);
                path.push_back(at(x0 + t * (x1 - x0), y));
            }
            break;
        default: {
            long double height = 0;
            bool defined = true;
            if (rule == kLeft) {
                height = y0;
                defined = d0;
            } else if (rule == kMidpoint) {
                height = ym;
                defined = dm;
            } else if (rule == kRight) {
                height = y1;
                defined = d1;
            } else {
                defined = g(x0 + (x1 - x0) * random.Uniform(0, 1), height);
            }
            if (!defined)
                continue;
            path.push_back(at(x0, height));
            path.push_back(at(x1, height));
            break;
        }
        }
        path.push_back(at(x1, 0));
        outline(path);
    }
}

} // namespace korvane
