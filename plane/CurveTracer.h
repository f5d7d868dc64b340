#pragma once
// The pieces of the curve tracer that tests and benchmarks look at on their own: which
// letter receives the parameter, and how many steps a curve takes.
#include <cstdint>

#include "graph/View.h"
#include "plane/ExampleRecord.h"

namespace korvane {

// Letter slot of the parameter: X for explicit curves, T for polar ones, the letter at
// byte 32 (T when 0 or not a letter) for parametric ones.
int PlotVariable(const ExampleRecord& example);

// The number of steps N over [a, b] (N + 1 samples): density x (ClientW + 1), scaled for
// a locked explicit interval so that the samples are as far apart in pixels as for a
// full-width curve. At least 1.
std::int64_t CurveSampleCount(const View& view, const ExampleRecord& example, long double a,
                              long double b);

} // namespace korvane
