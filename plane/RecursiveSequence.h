#pragma once
// Recursive sequences (kind 212): from a start point, each term is (new x, new y) of the
// previous one. A term that comes back within the loop-closing tolerance of a recent
// term, together with the terms before it, closes a cycle and ends the sequence; its
// period (1 for a fixed point) is reported.
#include <functional>
#include <string>

#include "plane/PlaneDrawing.h"

namespace korvane {

// How many of the latest terms the cycle test compares with; longer cycles are not seen.
inline constexpr int kLongestCycle = 32;

enum class SequenceEnd { Completed, Cycle, Undefined, LeftScreen, Stopped };

struct SequenceOutcome {
    SequenceEnd end = SequenceEnd::Completed;
    int terms = 0;  // new terms computed and shown, the start point not counted
    int period = 0; // a Cycle's length
    long double x = 0, y = 0; // the last term
    int key = 0;
};

struct SequenceLimits {
    long double cycleTolerance = 0; // world units; 0 switches the cycle test off
    bool screenLimit = false;       // a term outside the view ends the sequence
};

// Runs the sequence of `record` with the example's slots 0 and 1. `visit` receives the
// start point (term 0) and every further term with whether it lies inside `view`; it
// returns the key polled after the term (0 none, 'S' stops).
SequenceOutcome RunSequence(EvalContext& eval, const ExampleRecord& example, const TrajectoryRecord& record,
                            const View& view, const SequenceLimits& limits,
                            const std::function<int(int term, long double x, long double y, bool inside)>& visit);

// The text that reports how a sequence ended: its period with the last term and the term
// at which the cycle test stopped it, the term at which it was interrupted, or empty when
// it ran its course.
std::string DescribeSequenceEnd(const SequenceOutcome& outcome);

// The world tolerance of the cycle test in a view: the loop-closing tolerance in pixels.
long double SequenceCycleTolerance(const PlaneDrawSettings& settings, const View& view);

} // namespace korvane
