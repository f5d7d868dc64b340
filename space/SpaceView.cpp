#include "space/SpaceView.h"

#include <algorithm>
#include <cmath>

namespace korvane {

namespace {

constexpr long double kTiny = 1e-18L;
constexpr long double kHalfPi = std::numbers::pi_v<long double> / 2;
// The corrections of "Afastar" halve or double until a bound holds; a box far from the
// origin or an observer on the z axis would never let them end.
constexpr int kMaxCorrections = 200;

bool AboveBox(const SpacePoint& o, const SpacePoint& low, const SpacePoint& high) {
    return o.x >= low.x && o.x <= high.x && o.y >= low.y && o.y <= high.y;
}

long double ScaleOf(long double low, long double high) {
    const long double extent = high - low;
    return extent > 0 ? 1 / extent : 1;
}

} // namespace

SpaceView::SpaceView() { ObserverChanged(); }

void SpaceView::Normalise(SpacePoint& p) const {
    p = {scale.x * (p.x - focus.x), scale.y * (p.y - focus.y), scale.z * (p.z - focus.z)};
}

bool SpaceView::Project(SpacePoint p, long double& u, long double& v) const {
    if (cube)
        Normalise(p);
    return ProjectPrepared(p, u, v);
}

bool SpaceView::ProjectPrepared(const SpacePoint& p, long double& u, long double& v) const {
    if (!canProject_)
        return false;
    const SpacePoint d = effective - p;
    const SpacePoint& s = sight;
    const long double along = Dot(s, d);
    const long double k = std::fabs(along) >= kTiny ? 1 / along : 1 / kTiny;
    u = k * a * (d.x * s.y - d.y * s.x);
    v = k * b * (s.x * (d.x * s.z - d.z * s.x) + s.y * (d.y * s.z - d.z * s.y));
    return std::isfinite(u) && std::isfinite(v);
}

void SpaceView::UpdateSight() {
    sight = cube ? effective : observer - focus;
    const long double r = Length(sight);
    long double rho = std::hypot(sight.x, sight.y);
    canProject_ = std::isfinite(r) && r > 0;
    if (!canProject_) {
        a = b = 0;
        return;
    }
    // An observer straight above or below the focus has no horizontal direction: the
    // picture is taken from a sight tilted by a nanoradian.
    if (rho < r * 1e-12L) {
        sight.x += r * 1e-9L;
        rho = std::hypot(sight.x, sight.y);
    }
    const long double r2 = Dot(sight, sight);
    a = r2 / rho;
    b = std::sqrt(r2) / rho;
}

void SpaceView::ObserverChanged() {
    effective = observer;
    if (cube)
        Normalise(effective);
    UpdateSight();
}

void SpaceView::RecomputeScale() {
    scale = {ScaleOf(boxMin.x, boxMax.x), ScaleOf(boxMin.y, boxMax.y), ScaleOf(boxMin.z, boxMax.z)};
}

bool SpaceView::Approach() {
    const SpacePoint next = 0.5L * (observer + focus);
    if (AboveBox(next, boxMin, boxMax))
        return false;
    observer = next;
    ObserverChanged();
    return true;
}

void SpaceView::KeepObserverReasonable() {
    const long double bound = 10000 * BoxL1();
    for (int i = 0; i < kMaxCorrections && L1Length(observer - focus) > bound; ++i)
        observer = 0.5L * observer;
    for (int i = 0; i < kMaxCorrections && AboveBox(observer, boxMin, boxMax); ++i)
        observer = 2 * observer;
}

void SpaceView::MoveAway() {
    observer = 2 * observer - focus;
    KeepObserverReasonable();
    ObserverChanged();
}

void SpaceView::MoveVeryFar() {
    const SpacePoint v = observer - focus;
    const long double length = Length(v);
    if (!(length > 0) || !std::isfinite(length))
        return;
    observer = focus + (1000 * BoxL1() / length) * v;
    ObserverChanged();
}

void SpaceView::Isometric() {
    const long double far = 8000 * BoxL1();
    observer = {far, far, far};
    ObserverChanged();
}

void SpaceView::Turn(long double angle) {
    const SpacePoint centre = rotateAboutOrigin ? SpacePoint{} : focus;
    const SpacePoint o = observer - centre;
    const long double c = std::cos(angle), s = std::sin(angle);
    observer = centre + SpacePoint{o.x * c - o.y * s, o.y * c + o.x * s, o.z};
    ObserverChanged();
}

bool SpaceView::Elevate(bool up) {
    const SpacePoint centre = rotateAboutOrigin ? SpacePoint{} : focus;
    const SpacePoint o = observer - centre;
    const long double rho = std::hypot(o.x, o.y);
    if (rho < kTiny)
        return false;
    const long double phi = std::atan(o.z / rho);
    const long double next = up ? phi + (kHalfPi - std::fabs(phi)) / 40 : phi - (kHalfPi - std::fabs(phi)) / 39;
    observer.z = centre.z + rho * std::tan(next);
    ObserverChanged();
    return true;
}

bool SpaceView::ElevateBy(long double angle) {
    const SpacePoint centre = rotateAboutOrigin ? SpacePoint{} : focus;
    const SpacePoint o = observer - centre;
    const long double rho = std::hypot(o.x, o.y);
    if (rho < kTiny || !std::isfinite(angle))
        return false;
    const long double limit = kHalfPi * 0.98L;
    const long double phi = std::clamp(std::atan(o.z / rho) + angle, -limit, limit);
    observer.z = centre.z + rho * std::tan(phi);
    ObserverChanged();
    return true;
}

bool SpaceView::Raise() { return Elevate(true); }
bool SpaceView::Lower() { return Elevate(false); }

void SpaceView::FollowBox() {
    if (axisLocked)
        return;
    auto high = [](long double m) { const long double v = 1.3L * m; return v > kTiny ? v : 1.0L; };
    auto low = [](long double m) { const long double v = 1.3L * m; return v < kTiny ? v : -1.0L; };
    axisMax = {high(boxMax.x), high(boxMax.y), high(boxMax.z)};
    axisMin = {low(boxMin.x), low(boxMin.y), low(boxMin.z)};
}

bool SpaceView::FitWindow(bool withAxes, PictureWindow& out) const {
    SpacePoint low = boxMin, high = boxMax;
    if (withAxes) {
        low = {std::min(low.x, axisMin.x), std::min(low.y, axisMin.y), std::min(low.z, axisMin.z)};
        high = {std::max(high.x, axisMax.x), std::max(high.y, axisMax.y), std::max(high.z, axisMax.z)};
    }
    long double umin = 1e18L, umax = -1e18L, vmin = 1e18L, vmax = -1e18L;
    bool any = false;
    for (int corner = 0; corner < 8; ++corner) {
        const SpacePoint p{corner & 1 ? high.x : low.x, corner & 2 ? high.y : low.y, corner & 4 ? high.z : low.z};
        long double u = 0, v = 0;
        if (!Project(p, u, v))
            continue;
        any = true;
        umin = std::min(umin, u);
        umax = std::max(umax, u);
        vmin = std::min(vmin, v);
        vmax = std::max(vmax, v);
    }
    if (!any)
        return false;
    out = {(umin + umax) / 2, (vmin + vmax) / 2, 0.55L * (umax - umin + 0.01L), 0.55L * (vmax - vmin + 0.01L)};
    return true;
}

} // namespace korvane
