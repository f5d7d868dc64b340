#pragma once
// Solutions of dy/dx = F(x, y) (kind 211): Euler, modified Euler or classical Runge-Kutta
// steps from the start point of an initial-value problem, with the infinite-slope end and
// the inside/outside classification that decides what is drawn and when the solution ends.
#include "plane/PlaneDrawing.h"

namespace korvane {

enum SlopeMethod : int { kEulerMethod = 0, kModifiedEulerMethod = 1, kRungeKuttaMethod = 2 };

enum class SlopeStepResult { Moved, Undefined, InfiniteSlope };

// One step of length h from (x, y) with the slope tree; X and Y are set before every
// evaluation. On anything but Moved the point is left as it was.
SlopeStepResult SlopeStep(EvalContext& eval, ExprNode* slope, int method, bool infiniteSlope, long double h,
                          long double& x, long double& y);

// 0 inside the world window, 1 when only y is outside, 2 when x is outside.
int ClassifyPoint(const View& view, long double x, long double y);

enum class SlopeEnd { LeftWindow, Undefined, InfiniteSlope, StepLimit, Stopped, NoProgress };

struct SlopeTrajectoryResult {
    int key = 0;      // last key polled
    int steps = 0;    // steps made
    SlopeEnd end = SlopeEnd::LeftWindow;
    long double x = 0, y = 0; // the last point reached (before the window's point map)
};

// Integrates and draws the record's solution with the record's pen (slot 2 of the example
// is F). With `stepLimit` at most the record's number of steps are made, when that number
// rounds to 2 or more; otherwise the solution runs until it leaves the window, or for
// kMaxTrajectorySteps steps at most. The record's number of steps becomes the number made.
SlopeTrajectoryResult TraceSlopeTrajectory(PlaneDrawContext& context, const ExampleRecord& example,
                                           TrajectoryRecord& record, bool stepLimit = false);

} // namespace korvane
