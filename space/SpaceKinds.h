#pragma once
// The space records that are not sampled from the user's own grid formulas: curves,
// segments and points (drawn as parameter curves and discs, boxed from a few samples),
// and the tube and the plane, which become three formulas of (t, u) and from then on are
// parametric surfaces.
#include <cstdint>
#include <string>

#include "expr/FormulaCompiler.h"
#include "space/SlowSurface.h"

namespace korvane {

// Offsets of the fields of curves, segments and points (beyond the shared ones).
namespace sko {
inline constexpr int kArrowOn = exo::kFlag60; // curve: "colocar seta em t ="
inline constexpr int kArrowT = 281;           // real
inline constexpr int kPointAt = 291;          // point: three reals as typed (x, y, z or r, θ, z or ρ, θ, φ)
inline constexpr int kSegmentFrom = 291;      // segment: three reals
inline constexpr int kSegmentTo = 321;        // segment: three reals
inline constexpr int kArrowSize = 351;        // 16-bit, pixels
inline constexpr int kPointSize = 353;        // 16-bit, pixels
inline constexpr int kPointType = exo::kRadio; // 0 cartesian, 1 cylindrical, 2 spherical
inline constexpr int kSolid = 55;
inline constexpr int kAnchors = 56;
inline constexpr int kAnchorsDotted = 57;
inline constexpr int kArcs = 58;
inline constexpr int kArcsDotted = 59;
// Surface of revolution: the axis (0 x, 1 y) and how its two texts read: as functions of
// x (an explicit curve: "x" and f) or of the letter at kRevolutionLetter.
inline constexpr int kRevolutionAxis = 355;
inline constexpr int kRevolutionOfX = 357;    // byte
inline constexpr int kRevolutionLetter = 359; // 16-bit letter code
} // namespace sko

// A segment's q and r (its texts 5 and 6) compile into these slots.
inline constexpr int kSegmentQSlot = 5, kSegmentRSlot = 6;

inline constexpr int kMaxArrowSize = 200;
inline constexpr int kMaxPointSize = 100;

// Kinds boxed from their samples rather than from a grid.
bool IsBoxedFromSamples(int kind);

// A new curve, segment or point (sub-type 0..2) with its defaults.
void InitialiseSpaceObject(ExampleRecord& e, std::int16_t kind, std::int16_t colour, int pointType = 0);

// After the compile step: a segment's q and r into their slots (without them it stands
// where its stored numbers say); a curve's derivatives (for its arrow) into slots 4..6; a tube's
// three formulas of (t, u) from its curve and radius; a revolution's from its plane
// curve and axis. 0, or the code of a failure.
int FinishSpaceCompile(FormulaCompiler& compiler, ExampleRecord& e);

// A surface of revolution of a plane example (explicit, polar or parametric) about the x
// (axis 0) or the y axis: the texts of its plane curve, its parameter range and its
// surface defaults. False, with the record untouched, for another kind or a curve
// without formula texts.
bool MakeRevolution(const ExampleRecord& plane, int axis, std::int16_t colour, ExampleRecord& out);

// The three formulas of (t, u) of the parallelogram centred at `at`, perpendicular to
// `normal`, of side `size`; false when the normal vanishes.
bool PlaneFormulas(const SpacePoint& normal, const SpacePoint& at, long double size, std::string (&out)[3]);

// A point record's cartesian position, as stored.
SpacePoint PointPosition(const ExampleRecord& e);

// The automatic box of a curve, segment or point; with a fixed box nothing changes.
void ComputeSampledBox(EvalContext& context, ExampleRecord& e, bool axesShown);

// Draws a curve (with its arrow), a segment or a point, each member of its letter family.
// `straightSegments`: no surface can cut a segment, which is then one stroke.
void DrawSpaceObject(EvalContext& context, CurveContext& c, const ExampleRecord& e, bool straightSegments);

} // namespace korvane
