#pragma once
// Implicit curves F(x, y) = 0 (kind 204): the stored pieces are replayed; while a search
// is pending, random sign changes refined by bisection give start points, and from each
// one that no piece of the example covers a new piece is traced both ways along the level
// curve's tangent (-dF/dY, dF/dX) with the system integrator and kept in the example's
// list; then a lattice sweep seeds the components the random points missed.
//
// A piece is a trajectory record with start parameter 0 and end parameter +1e18 (first
// direction) or -1e18 (second direction) and its open-end byte set, so that the first
// trace stores the parameter reached and a replay stops at the same place. A family
// member's pieces carry the family letter and its value as the record's letter.
#include <cstddef>
#include <string_view>

#include "plane/PlaneDrawing.h"

namespace korvane {

inline constexpr int kImplicitTries = 25;
inline constexpr int kImplicitAttempts = 15;
inline constexpr long double kImplicitParameterRange = 1e18L;
// After the random tries, F is sampled on a lattice this many pixels apart and every sign
// change that no piece crosses seeds a piece: no component longer than the lattice is
// missed.
inline constexpr int kImplicitSweepPixels = 6;

// The relation of an implicit example's text: "=", or an inequality whose region is
// shaded. `at` and `length` place the sign in the text; length 0 when there is none.
enum class ImplicitRelation { Equal, Less, LessEqual, Greater, GreaterEqual };
struct RelationSign {
    ImplicitRelation relation = ImplicitRelation::Equal;
    std::size_t at = 0, length = 0;
};
RelationSign FindRelation(std::string_view equation);

struct ImplicitDrawStats {
    int key = 0;
    int startPoints = 0;  // start points found by the search
    int skipped = 0;      // of which lay on a drawn piece
    int pieces = 0;       // records added
    int sweepStarts = 0;  // start points found by the lattice sweep
    long evaluations = 0; // tree evaluations, search and tracing
};

// DrawImplicit with the counts (benchmarks, tests).
ImplicitDrawStats DrawImplicitCounted(PlaneDrawContext& context, ExampleRecord& example);

} // namespace korvane
