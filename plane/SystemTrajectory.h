#pragma once
// The trajectory integrator of a plane system dx/dt = f, dy/dt = g, shared by kind 210
// and the pieces of implicit curves: improved Euler with steps of equal length along the
// orbit (time-independent) or in time (time-dependent), the null-vector, sharp-angle,
// screen, restriction and loop-closing ends, drawn with the record's pen as it goes.
#include "plane/PlaneDrawing.h"

namespace korvane {

struct SystemTrajectoryResult {
    int key = 0;            // last key polled; 'S' stopped the trajectory
    bool closed = false;    // the orbit came back to its start and was closed
    long double endParameter = 0; // the parameter reached
    long double travelled = 0;    // length of the path, world units
    int steps = 0;
};

// Follows the record's direction components (its bytes 85, 87: -1 zero, 0..7 a compiled
// slot of the example, 8 and up that slot negated) from its start point, from its start
// parameter to its end parameter (a negative direction when the end is below the start).
// The tolerances come from the context's settings, in pixels, converted with its view.
SystemTrajectoryResult TraceSystemTrajectory(PlaneDrawContext& context, ExampleRecord& example,
                                             TrajectoryRecord& record);

} // namespace korvane
