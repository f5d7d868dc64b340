#pragma once
// Cycloids and roulettes (kind 207): a circle rolls without slipping along a base curve
// on its left or right side; a point on an arm fixed to the circle draws the curve.
//
// The base curve is the example's own pair x(T), y(T) in compiled slots 0 and 1 (with
// dx/dT, dy/dT in slots 4 and 5) when it has them; otherwise the curve of the example
// that its first source index (byte 4) names, when that is an explicit, polar or
// parametric example; otherwise the x axis, x = T, y = 0, which gives the classic cycloid.
// T runs over the example's interval (bytes 121, 141) in density x (ClientW + 1) steps.
// The arc length is measured from the start value (byte 281), where the traced point
// touches the base when the arm equals the radius.
#include <functional>

#include "plane/PlaneDrawing.h"

namespace korvane {

inline constexpr int kNullVectorCode = 114; // "encontrado vetor nulo"
inline constexpr int kNotPositiveCode = 14; // a radius below 1e-18

struct CycloidResult {
    int key = 0;  // the last key read
    int code = 0; // 0, kNullVectorCode where the base curve stopped, kNotPositiveCode
};

// The traced point for a base point (bx, by) with unit tangent (tx, ty), after rolling
// the arc length s: the centre lies one radius along the normal of the chosen side, and
// the arm has turned by s / radius from pointing at the base.
void RollingPoint(long double bx, long double by, long double tx, long double ty, long double s,
                  long double inverseRadius, long double radius, long double arm, bool left,
                  long double& x, long double& y);

// One sample of a member: the traced point, or `defined` false where the base curve is
// undefined. The visitor returns false to stop the member.
struct CycloidSample {
    long double x = 0;
    long double y = 0;
    bool defined = false;
};
using CycloidVisitor = std::function<bool(const CycloidSample&)>;

// Samples the current family member; 0, or the code that ended it.
int SampleCycloid(PlaneDrawContext& context, const ExampleRecord& example, const CycloidVisitor& visit);

// Draws every member with the example's pen; the code tells why the drawing ended early.
CycloidResult TraceCycloid(PlaneDrawContext& context, ExampleRecord& example);

} // namespace korvane
