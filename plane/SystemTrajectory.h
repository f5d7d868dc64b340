#pragma once
// The trajectory integrator of a plane system dx/dt = f, dy/dt = g, shared by kind 210
// and the pieces of implicit curves: improved Euler with steps of equal length along the
// orbit (time-independent) or in time (time-dependent), the null-vector, sharp-angle,
// screen, restriction and loop-closing ends, drawn with the record's pen as it goes.
#include "plane/PlaneDrawing.h"

namespace korvane {

// Why a trajectory stopped.
enum class TrajectoryEnd {
    Parameter,   // the end parameter was reached
    NullVector,  // the field vanished (time-independent systems only)
    Undefined,   // f, g or the restriction was undefined
    Screen,      // "fronteira": the path left the world window
    Restriction, // r(x, y, t) <= 0
    SharpAngle,  // the direction turned by more than a right angle in one step
    Closed,      // the orbit came back to its start
    Stopped,     // the key S
    StepLimit,   // SystemTrajectoryOptions::maxSteps
    Outside,     // SystemTrajectoryOptions::maxStepsOutside
};

struct SystemTrajectoryResult {
    int key = 0;            // last key polled; 'S' stopped the trajectory
    bool closed = false;    // the orbit came back to its start and was closed
    long double endParameter = 0; // the parameter reached
    long double x = 0, y = 0;     // the point reached
    long double travelled = 0;    // length of the path, world units
    int steps = 0;
    TrajectoryEnd end = TrajectoryEnd::Parameter;
    long evaluations = 0;   // tree evaluations of the field and the restriction
};

// Told of every point a trajectory reaches, its start included.
class TrajectoryListener {
public:
    virtual ~TrajectoryListener() = default;
    virtual void Reached(long double x, long double y) = 0;
    // The same with the parameter reached (time windows want it).
    virtual void ReachedAt(long double x, long double y, long double t) {
        (void)t;
        Reached(x, y);
    }
};

struct SystemTrajectoryOptions {
    // The window's watch flag: every step is followed by a pause of watchDelay x 100
    // sines and the picture is shown.
    bool watch = false;
    // Safety ends for paths whose parameter range means "no limit"; 0 is none.
    long maxSteps = 0;
    long maxStepsOutside = 0; // consecutive steps that end outside the world window
    TrajectoryListener* listener = nullptr;
};

// Follows the record's direction components (its bytes 85, 87: -1 zero, 0..7 a compiled
// slot of the example, 8 and up that slot negated) from its start point, from its start
// parameter to its end parameter (a negative direction when the end is below the start).
// The tolerances come from the context's settings, in pixels, converted with its view.
// An implicit example whose derivative trees are missing (symbolic derivatives off, or
// too large to build) takes the slots 4 and 5 as central differences of F (slot 2).
// The letter that the record names (byte 55, a letter index 1..26 or code 65..90) holds
// the record's value during the trajectory and gets its own value back afterwards.
SystemTrajectoryResult TraceSystemTrajectory(PlaneDrawContext& context, ExampleRecord& example,
                                             TrajectoryRecord& record);
SystemTrajectoryResult TraceSystemTrajectory(PlaneDrawContext& context, ExampleRecord& example,
                                             TrajectoryRecord& record,
                                             const SystemTrajectoryOptions& options);

// The options with which a system's trajectories are drawn: finite ends for paths that run
// off to infinity.
SystemTrajectoryOptions SystemDrawingOptions();

// The pen of a record or an example: colour index, width, attribute (0 solid, 1 dashed,
// 2 dotted, 3 dash-dot, 5 none).
platform::Pen TrajectoryPen(const PlaneDrawContext& context, int colour, int width, int attribute);

} // namespace korvane
