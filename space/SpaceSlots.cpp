#include "space/SpaceSlots.h"

#include <cmath>
#include <numbers>

namespace korvane {

namespace {

constexpr long double kDefaultStep = std::numbers::pi_v<long double> / 30;

int InRange(int v, int low, int high, int fallback) { return v < low || v > high ? fallback : v; }

bool Finite(const SpacePoint& p) { return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z); }

long double StepOrDefault(long double step) {
    return std::isfinite(step) && std::fabs(step) <= 2 * std::numbers::pi_v<long double> ? step : kDefaultStep;
}

namespace spaceReal {
inline constexpr int kCentreX = 0, kCentreY = 1, kHalfWidth = 2, kLeft = 3, kRight = 4, kBottom = 5, kTop = 6;
inline constexpr int kObserver = 11, kAxisMin = 14, kAxisMax = 17, kStep = 24;
// Cube mode (1 on): the stored picture window and observer were made for it.
inline constexpr int kCube = 25;
} // namespace spaceReal

namespace spaceFlag {
inline constexpr int kBox = 2, kAxes = 4, kLocked = 7, kNames = 10, kCorners = 13, kDotted = 18;
} // namespace spaceFlag

void PutPoint(std::array<long double, kDocumentReals>& reals, int at, const SpacePoint& p) {
    reals[static_cast<std::size_t>(at)] = p.x;
    reals[static_cast<std::size_t>(at + 1)] = p.y;
    reals[static_cast<std::size_t>(at + 2)] = p.z;
}

SpacePoint GetPoint(const std::array<long double, kDocumentReals>& reals, int at) {
    return {reals[static_cast<std::size_t>(at)], reals[static_cast<std::size_t>(at + 1)],
            reals[static_cast<std::size_t>(at + 2)]};
}

} // namespace

void PackSpaceSlots(const SpaceLook& look, SettingsRecord& r) {
    r.intC[0] = look.slideCount;
    r.intC[1] = look.slidePause;
    r.intC[2] = look.marchSteps;
    r.intC[3] = look.planarity;
    r.intC[4] = look.stereogram.density;
    r.intC[5] = look.stereogram.strips;
    r.intC[6] = look.stereogram.dotSize;
    r.realC[6] = look.stereogram.depth;
    r.realC[0] = look.space.observer.x;
    r.realC[1] = look.space.observer.y;
    r.realC[2] = look.space.observer.z;
    r.realC[3] = look.space.rotationStep;
    r.realC[4] = 0;
    r.realC[5] = 0;
    r.byteC[0] = look.space.boxShown;
    r.byteC[1] = look.space.boxCoordinates;
    r.byteC[2] = look.space.boxDotted;
    r.byteC[3] = look.axesShown;
    r.byteC[4] = look.axisNames;
}

void UnpackSpaceSlots(const SettingsRecord& r, const SpaceLook& look) {
    look.slideCount = InRange(r.intC[0], 2, 200, 30);
    look.slidePause = InRange(r.intC[1], 1, 10000, 150);
    look.marchSteps = InRange(r.intC[2], 1, 1000, 12);
    look.planarity = InRange(r.intC[3], 0, 1000, 100);
    // A file written before the stereogram was kept holds zeros: its defaults stay.
    if (r.intC[5] != 0)
        look.stereogram = ClampedStereogram({r.realC[6], r.intC[4], r.intC[5], r.intC[6]});
    const SpacePoint observer{r.realC[0], r.realC[1], r.realC[2]};
    // A file written before any observer was kept holds zeros: the default observer stays.
    if (Finite(observer) && L1Length(observer) > 0)
        look.space.observer = observer;
    look.space.rotationStep = r.realC[3] == 0 ? kDefaultStep : StepOrDefault(r.realC[3]);
    look.space.boxShown = r.byteC[0] != 0;
    look.space.boxCoordinates = r.byteC[1] != 0;
    look.space.boxDotted = r.byteC[2] != 0;
    look.axesShown = r.byteC[3] != 0;
    look.axisNames = r.byteC[4] != 0;
    look.space.ObserverChanged();
}

void CaptureSpaceDocument(const SpaceDocumentLook& look, DocumentState& s) {
    const View& v = look.view;
    const long double window[7] = {v.cx, v.cy, v.rx, v.xmin, v.xmax, v.ymin, v.ymax};
    for (int k = 0; k < 7; ++k)
        s.reals[static_cast<std::size_t>(k)] = window[k];
    PutPoint(s.reals, spaceReal::kObserver, look.space.observer);
    PutPoint(s.reals, spaceReal::kAxisMin, look.space.axisMin);
    PutPoint(s.reals, spaceReal::kAxisMax, look.space.axisMax);
    s.reals[spaceReal::kStep] = look.space.rotationStep;
    s.reals[spaceReal::kCube] = look.space.cube ? 1 : 0;
    s.flags[spaceFlag::kBox] = look.space.boxShown;
    s.flags[spaceFlag::kAxes] = look.axesShown;
    s.flags[spaceFlag::kLocked] = look.space.axisLocked;
    s.flags[spaceFlag::kNames] = look.axisNames;
    s.flags[spaceFlag::kCorners] = look.space.boxCoordinates;
    s.flags[spaceFlag::kDotted] = look.space.boxDotted;
}

void ApplySpaceDocument(const DocumentState& s, const SpaceDocumentLook& look) {
    SpaceView& space = look.space;
    space.boxShown = s.flags[spaceFlag::kBox] != 0;
    look.axesShown = s.flags[spaceFlag::kAxes] != 0;
    look.axisNames = s.flags[spaceFlag::kNames] != 0;
    space.boxCoordinates = s.flags[spaceFlag::kCorners] != 0;
    space.boxDotted = s.flags[spaceFlag::kDotted] != 0;
    space.hideSegments = space.hideParametric = space.rotateAboutOrigin = false;
    space.cube = s.reals[spaceReal::kCube] == 1;
    const SpacePoint observer = GetPoint(s.reals, spaceReal::kObserver);
    if (Finite(observer))
        space.observer = observer;
    space.rotationStep = StepOrDefault(s.reals[spaceReal::kStep]);
    const SpacePoint low = GetPoint(s.reals, spaceReal::kAxisMin), high = GetPoint(s.reals, spaceReal::kAxisMax);
    const bool extent = Finite(low) && Finite(high) && low.x < high.x && low.y < high.y && low.z < high.z;
    space.axisLocked = extent && s.flags[spaceFlag::kLocked] != 0;
    if (extent) {
        space.axisMin = low;
        space.axisMax = high;
    }
    // The stored picture-plane window, when it is one.
    const long double cx = s.reals[spaceReal::kCentreX], cy = s.reals[spaceReal::kCentreY], rx = s.reals[spaceReal::kHalfWidth];
    if (std::isfinite(cx) && std::isfinite(cy) && std::isfinite(rx) && rx > 1e-18L && rx < 1e18L) {
        View& v = look.view;
        v.independent = false;
        v.aspect = 1;
        v.cx = cx;
        v.cy = cy;
        v.rx = rx;
        v.Recompute();
    }
    space.ObserverChanged();
}

} // namespace korvane
