#pragma once
// "web": the cobweb diagram of x(n+1) = f(x(n)) for an explicit example f. It is kept as a
// derived example of kind 212 (a recursion, which it is) whose slot 1 is a copy of f's
// tree, so that it follows edits of f; its start x0 is the real at byte 281 and its number
// of steps the int16 at byte 44.
#include <cstdint>
#include <vector>

#include "plane/PlaneDrawing.h"
#include "plane/PointKinds.h"

namespace korvane {

// The derivation code of a cobweb: the inventory command that makes it.
inline constexpr std::int16_t kWebDerivation = 798;
inline constexpr int kMaxWebSteps = 1000;

bool IsWeb(const ExampleRecord& example);
// An explicit example with its tree that is not a family.
bool CanMakeWeb(const ExampleRecord& source);

// The corners of the cobweb: (x0, x0), (x0, x1), (x1, x1), (x1, x2), ... up to the last
// step, or up to the first term that is undefined or overflows.
std::vector<WorldPoint> WebCorners(EvalContext& eval, const ExampleRecord& web);

// y = x dotted and the cobweb solid, in the example's colour; the keyboard is read after
// every step. Returns the last key read.
int DrawWeb(PlaneDrawContext& context, ExampleRecord& web);

} // namespace korvane
