#pragma once
// What a surface keeps in its equation record: the kinds of space records, where their
// fields lie in the 547 bytes, their defaults, and the division and point counts clamped
// to what the program can sample, whatever a file says.
#include <cstdint>

#include "plane/ExampleRecord.h"
#include "expr/EvalContext.h"
#include "space/SpacePoint.h"

namespace korvane {

enum SpaceKind : std::int16_t {
    kSurfaceExplicit = 301,
    kSurfaceCylindrical = 302,
    kSurfaceParametric = 303,
    kSpaceCurve = 304,
    kSurfaceImplicit = 305,
    kSurfaceTube = 306,
    kSurfaceRevolution = 307,
    kSpaceSegment = 308,
    kSpacePoint = 309,
    kSpaceSystem = 310,
    kSpaceRecursive = 312,
    kSurfacePlane = 315,
    kSurfaceSpherical = 316,
    kSpaceKind317 = 317,
};

// Offsets of the surface fields; the counts and ranges are the shared ones (111..151).
namespace spo {
inline constexpr int kDivisions1 = exo::kGrid111;
inline constexpr int kDivisions2 = exo::kGrid113;
inline constexpr int kPlotted1 = exo::kGrid117;
inline constexpr int kPlotted2 = exo::kGrid119;
inline constexpr int kColour1 = 8;
inline constexpr int kColour2 = 10;
inline constexpr int kGridColour = 26;
inline constexpr int kAutoBox = 54;
inline constexpr int kCap = 55;
inline constexpr int kSlow = 56;
inline constexpr int kSpectrum = 57;
inline constexpr int kGridEdges = 58;
inline constexpr int kShade = 59;
inline constexpr int kBoxMin = 161;   // three reals
inline constexpr int kBoxMax = 191;
inline constexpr int kSavedBoxMin = 221;
inline constexpr int kSavedBoxMax = 251;
} // namespace spo
static_assert(spo::kSavedBoxMax + 30 == exo::kAuxFirst);

// The most grid points a surface may have, and the range of the plotted-point counts.
inline constexpr int kMaxGridPoints = 3000;
inline constexpr int kMinPlotted = 2;
inline constexpr int kMaxPlotted = 32000;
inline constexpr int kMaxLineWidth = 30;

bool IsSpaceKind(int kind);
// The kinds sampled on a parameter grid.
bool IsGridSurface(int kind);
// The kinds that the quadrilateral test of slow drawing uses (the others march).
bool IsParametricSurface(int kind);

// A new record of a surface kind with its defaults and the caller's colour.
void InitialiseSurface(ExampleRecord& e, std::int16_t kind, std::int16_t colour);
// Texts of slots 0..2 that the compile step needs: "x" and "y" before an explicit
// formula, "r" and "t" before a cylindrical one, and the three coordinates of a spherical
// radius kept in slot 3.
void PrepareSurfaceTexts(ExampleRecord& e);

struct GridCounts {
    int n1 = 1, n2 = 1;
};
// The division counts within 1..3000 and at most 3000 grid points in all.
GridCounts SurfaceGridCounts(const ExampleRecord& e);
// The plotted-point count of slow curves along the first (0) or second (1) parameter.
int PlottedCount(const ExampleRecord& e, int which);
// The pen width within 1..30, whatever a file says.
int SurfaceLineWidth(const ExampleRecord& e);

// "derivar" for an explicit surface z = f(x, y): the derived record keeps in byte 32 the
// letter slot of the variable (X or Y) and its trees are x, y and the partial derivative
// of f. For an implicit surface F = 0 (X, Y or Z) the derived record is the implicit
// surface dF/dv = 0: where it meets F = 0 the surface's tangent plane holds the v axis,
// so its level curves there mark the outline of F = 0 seen along that axis.
// 0, or 117 when the derivative cannot be built (the trees are then empty).
inline constexpr int kDerivedVariable = exo::kParameterLetter;
inline constexpr std::int16_t kSlotX = 'X' - 64, kSlotY = 'Y' - 64, kSlotZ = 'Z' - 64;
bool CanDeriveSurface(const ExampleRecord& source);
int CompileSurfaceDerivative(EvalContext& context, const ExampleRecord& source, ExampleRecord& derived);

SpacePoint RecordBoxMin(const ExampleRecord& e);
SpacePoint RecordBoxMax(const ExampleRecord& e);
void SetRecordBox(ExampleRecord& e, const SpacePoint& low, const SpacePoint& high);
SpacePoint ReadPoint(const ExampleRecord& e, int offset);
void WritePoint(ExampleRecord& e, int offset, const SpacePoint& p);

} // namespace korvane
