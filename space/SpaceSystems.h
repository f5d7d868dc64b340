#pragma once
// Differential systems (310) and recursive sequences (312) in space: three right-hand
// sides in x, y, z (and t), a fixed box, and the initial values kept as the record's
// trajectories. Each trajectory is followed by the classical Runge-Kutta method (or
// iterated term by term) and drawn point by point, hidden where surfaces hide it.
#include <cstdint>

#include "space/SlowSurface.h"

namespace korvane {

namespace sko {
inline constexpr int kClip = exo::kScreenLimit; // "clip trajetórias": trajectories end at the box
} // namespace sko

// The most terms of one sequence, or steps of one path, that a drawing makes, whatever a
// file asks: a damaged step size must not hold the window for minutes.
inline constexpr long kMaxSequenceTerms = 1000000;
inline constexpr long kMaxSpaceSteps = 1000000;

bool IsSpaceSystem(int kind);

// A new system or sequence with the default right-hand sides and fixed box.
void InitialiseSpaceSystem(ExampleRecord& e, std::int16_t kind, std::int16_t colour);

// A trajectory from (x, y, z) at time t0 to t1 with step h (a system), or of `terms`
// terms (a sequence, end kept as the count).
TrajectoryRecord MakeSpaceTrajectory(const SpacePoint& start, long double t0, long double end, long double step);

// Why a trajectory ended.
enum class SpaceTrajectoryEnd { Completed, Undefined, LeftBox, Stopped, StepLimit };

struct SpaceTrajectoryOutcome {
    SpaceTrajectoryEnd end = SpaceTrajectoryEnd::Completed;
    long steps = 0;
    SpacePoint last;
};

// Follows one trajectory of the record, telling `visit` every point reached (the start
// included) with its time (a sequence: its term); `poll` every 256
// steps says whether S was pressed.
SpaceTrajectoryOutcome FollowSpaceTrajectory(EvalContext& context, const ExampleRecord& e,
                                             const TrajectoryRecord& trajectory,
                                             const std::function<void(const SpacePoint&, long double t)>& visit,
                                             const std::function<bool()>& poll);

// Draws every trajectory of the record: a system as a line, a sequence as dots.
void DrawSpaceSystem(EvalContext& context, CurveContext& c, const ExampleRecord& e);

} // namespace korvane
