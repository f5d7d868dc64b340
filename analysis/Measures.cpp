#include "analysis/Measures.h"

#include <cmath>
#include <numbers>

namespace korvane {

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;

bool Integrand(const PlaneCurve& c, Measure m, long double s, long double& v) {
    long double x, y, dx, dy;
    if (!c.Point(s, x, y) || !c.Slope(PlaneCurve::kX, s, dx) || !c.Slope(PlaneCurve::kY, s, dy))
        return false;
    switch (m) {
    case Measure::ArcLength:
        v = std::hypot(dx, dy);
        break;
    case Measure::SectorArea:
        v = (x * dy - y * dx) / 2;
        break;
    case Measure::Volume:
        v = kPi * y * y * dx;
        break;
    case Measure::SurfaceArea:
        v = 2 * kPi * std::fabs(y) * std::hypot(dx, dy);
        break;
    }
    return std::isfinite(v);
}

} // namespace

MeasureResult MeasureCurve(const PlaneCurve& curve, Measure measure, long double a, long double b,
                           std::int64_t n) {
    MeasureResult out;
    const long double h = (b - a) / static_cast<long double>(n);
    const auto sample = [&](long double s) {
        long double v = 0;
        if (Integrand(curve, measure, s, v))
            return v;
        ++out.undefined;
        return 0.0L;
    };
    long double ends = sample(a), sum = 0, x0 = a;
    for (std::int64_t i = 1; i <= n; ++i) {
        const long double x1 = i == n ? b : a + h * static_cast<long double>(i);
        const long double y1 = sample(x1);
        sum += 4 * sample((x0 + x1) / 2) + (i == n ? 0 : 2 * y1);
        if (i == n)
            ends += y1;
        x0 = x1;
    }
    out.value = (ends + sum) * h / 6;
    if (measure == Measure::Volume)
        out.value = std::fabs(out.value);
    return out;
}

} // namespace korvane
