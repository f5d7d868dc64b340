#pragma once
// The observer, the box of the scene and the central projection of space points onto the
// picture plane through the focus. A plain value: the space window wires it to commands,
// dialogs and repaints.
#include <numbers>

#include "space/SpacePoint.h"

namespace korvane {

// The plane window that shows a projected box: centre and half sizes.
struct PictureWindow {
    long double cx = 0, cy = 0, rx = 1, ry = 1;
};

class SpaceView {
public:
    SpaceView();

    SpacePoint boxMin{0, 0, 0}, boxMax{2, 2, 2};
    SpacePoint focus{1, 1, 1};
    SpacePoint scale{0.5L, 0.5L, 0.5L};
    SpacePoint observer{60, 80, 60};
    SpacePoint effective{60, 80, 60}; // the observer, normalised in cube mode
    SpacePoint sight;                 // effective observer minus (normalised) focus
    long double a = 0, b = 0;         // r^2/rho and r/rho of the sight
    long double rotationStep = std::numbers::pi_v<long double> / 30;
    SpacePoint axisMin{0, 0, 0}, axisMax{2, 2, 2};
    bool axisLocked = false;

    bool boxShown = false;
    bool boxCoordinates = false;
    bool boxDotted = false;
    bool cube = false;
    bool hideSegments = false;
    bool hideParametric = false;
    bool rotateAboutOrigin = false;

    // P <- S (P - F), componentwise.
    void Normalise(SpacePoint& p) const;
    // Picture-plane coordinates of P; false when the view cannot project (an observer on
    // the focus, or a result beyond the range of a real).
    bool Project(SpacePoint p, long double& u, long double& v) const;
    // The same for a point already normalised (cube mode) or taken as it is.
    bool ProjectPrepared(const SpacePoint& p, long double& u, long double& v) const;
    // Sight and factors from the effective observer and the focus.
    void UpdateSight();
    // After every change of the observer, the focus, the box or cube mode.
    void ObserverChanged();
    void RecomputeScale();
    bool CanProject() const { return canProject_; }

    // The observer commands. Those that can refuse say whether they changed anything.
    bool Approach();
    void MoveAway();
    void MoveVeryFar();
    void Isometric();
    void Turn(long double angle);
    bool Raise();
    bool Lower();
    // Raises the elevation by an angle (the mouse), short of the vertical.
    bool ElevateBy(long double angle);

    long double BoxL1() const { return L1Length(boxMax - boxMin); }
    // The axis extent follows the box unless it is locked.
    void FollowBox();
    // The window that holds the projected box (joined with the axis extent when the axes
    // are shown); false when nothing could be projected.
    bool FitWindow(bool withAxes, PictureWindow& out) const;
    // The corrections of "Afastar" without the doubling: halve while too far, double
    // while above or below the box.
    void KeepObserverReasonable();

private:
    bool Elevate(bool up);
    bool canProject_ = true;
};

} // namespace korvane
