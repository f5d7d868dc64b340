#pragma once
// Level curves of surfaces: an implicit surface F(x, y, z) = 0 (kind 305), or an explicit
// one (301) read as z - f(x, y) = 0, is cut by a plane where one coordinate is constant;
// the slice is traced as a plane implicit curve, and every traced piece is kept in the
// surface's trajectory list as its start point, level and parameter reached. Drawing in
// space follows each piece again with the same improved-Euler steps along the slice's
// tangent, in world units, so that no view of the plane window is needed.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "expr/ExprTree.h"
#include "expr/RealProgram.h"
#include "space/SlowSurface.h"

namespace korvane {

// The level coordinate: 0 x, 1 y, 2 z (stored as the letter codes 24, 25, 26).
inline constexpr int kLevelAxes = 3;
inline constexpr std::int16_t kLevelPieceKind = 305;
inline constexpr int kMaxLevelCount = 1000;

// A new implicit surface: "xx+yy+zz=4" in the fixed box -2.1..2.1.
void InitialiseImplicitSurface(ExampleRecord& e, std::int16_t colour);
// F = f-(g) of an equation f = g, for slot 2; 0, or 112 without "=".
int ImplicitDifference(const std::string& equation, std::string& difference);

// Whether a record can have level curves (an implicit or explicit surface with its tree).
bool HasLevelFunction(const ExampleRecord& e);

// The free coordinates of a slice: the plane's horizontal and vertical axes (0 x, 1 y, 2 z).
void SliceAxes(int axis, int& horizontal, int& vertical);
SpacePoint LevelPoint(int axis, long double level, long double u, long double v);

// The plane implicit example (kind 204) of the slice: its function of X and Y (the free
// coordinates) with the level coordinate as the letter Z, and the two derivatives. False
// when the record has no function.
bool MakeSliceRecord(EvalContext& context, const ExampleRecord& surface, int axis, ExampleRecord& slice);

// A traced plane piece of a slice as a piece of the surface's list: start (u, v) at the
// level, step in world units, the parameter it reached.
TrajectoryRecord LevelPiece(int axis, long double level, const TrajectoryRecord& plane, long double step);
bool IsLevelPiece(const TrajectoryRecord& r);
int LevelAxisOf(const TrajectoryRecord& r);
long double LevelOf(const TrajectoryRecord& r);

// F and its three partial derivatives, for following pieces in space. The letters X, Y
// and Z get their values back when the field goes.
class LevelField {
public:
    LevelField(EvalContext& context, const ExampleRecord& surface);
    ~LevelField();
    LevelField(const LevelField&) = delete;
    LevelField& operator=(const LevelField&) = delete;
    bool Usable() const { return usable_; }
    bool Value(const SpacePoint& p, long double& f);
    // The slice's tangent (-dF/dv, dF/du) at p.
    bool Tangent(int axis, const SpacePoint& p, long double& du, long double& dv);

private:
    bool At(int slot, const SpacePoint& p, long double& out);

    EvalContext& context_;
    ComplexValue saved_[3];
    ExprTree trees_[4];
    RealProgram programs_[4];
    bool usable_ = false;
};

// The points of one stored piece, its start first; `visit` says false to stop.
void FollowLevelPiece(LevelField& field, const TrajectoryRecord& piece, const std::function<bool(const SpacePoint&)>& visit);

// Whether the candidate's start lies within `tolerance` of a known piece of its level:
// the same component, found again.
bool LiesOnPieces(LevelField& field, const std::vector<TrajectoryRecord>& known, const TrajectoryRecord& candidate,
                  long double tolerance);

// Every level piece of the record, projected point by point with the record's pen, each
// point left out where a surface hides it; false when the poll stopped it.
bool DrawLevelCurves(EvalContext& context, CurveContext& c, const ExampleRecord& e);

} // namespace korvane
