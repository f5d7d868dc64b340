#include "analysis/CurveCrossings.h"

#include "analysis/ZeroSearch.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace korvane {

namespace {

// Polyline pieces per cell of a, and over the whole of b.
constexpr int kPiecesPerCell = 8;
constexpr int kPiecesOfB = kSearchCells * kPiecesPerCell;
constexpr int kNewtonSteps = 60;

long double Cross(long double ux, long double uy, long double vx, long double vy) {
    return ux * vy - uy * vx;
}

} // namespace

CurveCrossings::CurveCrossings(const PlaneCurve& a, const PlaneCurve& b)
    : a_(a), b_(b), as_(SampleCurve(a, kPiecesOfB)), bs_(SampleCurve(b, kPiecesOfB)) {}

std::vector<CurveCrossings::Sample> CurveCrossings::SampleCurve(const PlaneCurve& c,
                                                                int segments) {
    std::vector<Sample> out(static_cast<std::size_t>(segments) + 1);
    const long double w = (c.Last() - c.First()) / segments;
    for (int i = 0; i <= segments; ++i) {
        Sample& p = out[static_cast<std::size_t>(i)];
        p.p = i == segments ? c.Last() : c.First() + i * w;
        p.defined = c.Point(p.p, p.x, p.y) && std::isfinite(p.x) && std::isfinite(p.y);
    }
    return out;
}

bool CurveCrossings::Newton(long double& s, long double& t) const {
    const long double spanS = a_.Last() - a_.First(), spanT = b_.Last() - b_.First();
    long double ax, ay, bx, by;
    for (int step = 0; step < kNewtonSteps; ++step) {
        long double dax, day, dbx, dby;
        if (!a_.Point(s, ax, ay) || !b_.Point(t, bx, by) || !a_.Slope(PlaneCurve::kX, s, dax) ||
            !a_.Slope(PlaneCurve::kY, s, day) || !b_.Slope(PlaneCurve::kX, t, dbx) ||
            !b_.Slope(PlaneCurve::kY, t, dby))
            return false;
        // a'(s) ds - b'(t) dt = b(t) - a(s)
        const long double rx = bx - ax, ry = by - ay;
        const long double det = Cross(dax, day, -dbx, -dby);
        if (det == 0 || !std::isfinite(det))
            return false;
        const long double ds = Cross(rx, ry, -dbx, -dby) / det;
        const long double dt = Cross(dax, day, rx, ry) / det;
        if (!std::isfinite(ds) || !std::isfinite(dt))
            return false;
        s += ds;
        t += dt;
        // Wandering far from both intervals is no convergence to a crossing of them.
        if (s < a_.First() - spanS || s > a_.Last() + spanS || t < b_.First() - spanT ||
            t > b_.Last() + spanT)
            return false;
        if (std::fabs(ds) <= 1e-18L * (std::fabs(s) + spanS) &&
            std::fabs(dt) <= 1e-18L * (std::fabs(t) + spanT))
            break;
    }
    if (!a_.Point(s, ax, ay) || !b_.Point(t, bx, by))
        return false;
    const long double size = 1 + std::max({std::fabs(ax), std::fabs(ay)});
    return std::hypot(ax - bx, ay - by) <= 1e-12L * size;
}

bool CurveCrossings::InCell(int cell, long double& s, long double& t) const {
    const long double w = (a_.Last() - a_.First()) / kSearchCells;
    const long double lo = a_.First() + cell * w;
    const long double hi = cell == kSearchCells - 1 ? a_.Last() : lo + w;
    const long double slackT = 1e-12L * (b_.Last() - b_.First());
    bool found = false;
    // One piece beyond the cell on each side: a crossing on its border is seeded from both.
    const int first = std::max(0, cell * kPiecesPerCell - 1);
    const int last = std::min(kPiecesOfB, (cell + 1) * kPiecesPerCell + 1);
    for (int i = first; i < last; ++i) {
        const Sample &p = as_[static_cast<std::size_t>(i)], &q = as_[static_cast<std::size_t>(i) + 1];
        if (!p.defined || !q.defined)
            continue;
        const long double ux = q.x - p.x, uy = q.y - p.y;
        for (std::size_t j = 0; j + 1 < bs_.size(); ++j) {
            const Sample &m = bs_[j], &n = bs_[j + 1];
            if (!m.defined || !n.defined)
                continue;
            const long double vx = n.x - m.x, vy = n.y - m.y;
            const long double d = Cross(ux, uy, vx, vy);
            if (d == 0)
                continue;
            const long double u = Cross(m.x - p.x, m.y - p.y, vx, vy) / d;
            const long double v = Cross(m.x - p.x, m.y - p.y, ux, uy) / d;
            if (!(u >= 0 && u <= 1 && v >= 0 && v <= 1))
                continue;
            long double ss = p.p + u * (q.p - p.p), tt = m.p + v * (n.p - m.p);
            const bool inCell = Newton(ss, tt) && ss >= lo &&
                                (ss < hi || (cell == kSearchCells - 1 && ss <= hi)) &&
                                tt >= b_.First() - slackT && tt <= b_.Last() + slackT;
            if (inCell && (!found || ss < s)) {
                s = ss;
                t = std::clamp(tt, b_.First(), b_.Last());
                found = true;
            }
        }
    }
    return found;
}

bool CurveCrossings::Next(std::int16_t& nextInterval, long double& s, long double& t) const {
    if (nextInterval < 0 || nextInterval >= kSearchCells)
        nextInterval = 0;
    for (int examined = 0; examined < kSearchCells; ++examined) {
        const int cell = nextInterval;
        if (++nextInterval >= kSearchCells)
            nextInterval = 0;
        if (InCell(cell, s, t))
            return true;
    }
    return false;
}

} // namespace korvane
