#include "space/SceneBox.h"

#include <algorithm>
#include <cmath>

#include "space/SurfaceRecord.h"

namespace korvane {

namespace {

constexpr long double kSmall = 1e-13L;

bool ValidBox(const SpacePoint& low, const SpacePoint& high) {
    return low.x <= high.x && low.y <= high.y && low.z <= high.z && std::isfinite(L1Length(low)) &&
           std::isfinite(L1Length(high));
}

void Widen(long double& low, long double& high) {
    if (high - low < kSmall)
        high = low + 1;
}

} // namespace

bool ComputeSceneBox(const ExampleTable& examples, SpaceView& view, bool correctObserver) {
    SpacePoint low{1e18L, 1e18L, 1e18L}, high{-1e18L, -1e18L, -1e18L};
    bool any = false;
    for (int i = 0; i < examples.Count(); ++i) {
        const ExampleRecord& e = examples[i];
        if (!e.Shown() || !IsSpaceKind(e.Kind()))
            continue;
        const SpacePoint a = RecordBoxMin(e), b = RecordBoxMax(e);
        if (!ValidBox(a, b))
            continue;
        any = true;
        low = {std::min(low.x, a.x), std::min(low.y, a.y), std::min(low.z, a.z)};
        high = {std::max(high.x, b.x), std::max(high.y, b.y), std::max(high.z, b.z)};
    }
    if (!any || (L1Length(low) < kSmall && L1Length(high) < kSmall))
        return false;
    Widen(low.x, high.x);
    Widen(low.y, high.y);
    Widen(low.z, high.z);
    view.boxMin = low;
    view.boxMax = high;
    view.focus = 0.5L * (low + high);
    if (correctObserver)
        view.KeepObserverReasonable();
    view.RecomputeScale();
    view.ObserverChanged();
    return true;
}

} // namespace korvane
