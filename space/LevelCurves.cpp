#include "space/LevelCurves.h"

#include <algorithm>
#include <cmath>

#include "expr/Derivative.h"
#include "expr/Opcodes.h"
#include "expr/TreeOps.h"
#include "graph/ColourTable.h"
#include "plane/ImplicitCurve.h"
#include "platform/Surface.h"
#include "space/SpaceFrame.h"
#include "space/SpaceSystems.h"
#include "space/SurfaceRecord.h"

namespace korvane {

namespace {

constexpr int kFunctionSlot = 2;
constexpr long double kTiny = 1e-18L;
// The tangent of a slice vanishes at its singular points: a tenth of a step ends a piece
// there, as the plane tracer's null-vector tolerance of a tenth of a pixel does.
constexpr long double kNullShare = 0.1L;
constexpr long kPointsPerPoll = 1024;

short LetterOf(int axis) { return static_cast<short>(op::LetterX + axis); }

long double Component(const SpacePoint& p, int k) { return k == 0 ? p.x : k == 1 ? p.y : p.z; }

// The function whose zero set is the surface: F of a 305, z - f(x, y) of a 301.
bool SurfaceFunction(const ExampleRecord& e, ExprTree& out) {
    const ExprNode* f = e.Tree(kFunctionSlot);
    if (!f || (e.Kind() != kSurfaceImplicit && e.Kind() != kSurfaceExplicit))
        return false;
    out = ExprTree();
    if (e.Kind() == kSurfaceImplicit) {
        out.root = CopyTree(f, out);
        return true;
    }
    out.root = out.NewNode(op::Minus, out.NewNode(op::LetterZ), CopyTree(f, out));
    return true;
}

} // namespace

void InitialiseImplicitSurface(ExampleRecord& e, std::int16_t colour) {
    e.Initialise(kSurfaceImplicit, colour);
    e.texts = {"x", "y", "xx+yy+zz-(4)", "", "xx+yy+zz=4", "", ""};
    e.SetFlag(spo::kAutoBox, false);
    SetRecordBox(e, {-2.1L, -2.1L, -2.1L}, {2.1L, 2.1L, 2.1L});
    WritePoint(e, spo::kSavedBoxMin, {-2.1L, -2.1L, -2.1L});
    WritePoint(e, spo::kSavedBoxMax, {2.1L, 2.1L, 2.1L});
    e.SetI16(exo::kWidth, 1);
    // As a document's reader marks every implicit record.
    e.SetByte(exo::kFlag58, 1);
}

int ImplicitDifference(const std::string& equation, std::string& difference) {
    const RelationSign sign = FindRelation(equation);
    if (sign.length == 0 || sign.relation != ImplicitRelation::Equal)
        return 112;
    difference = equation.substr(0, sign.at) + "-(" + equation.substr(sign.at + sign.length) + ")";
    return 0;
}

bool HasLevelFunction(const ExampleRecord& e) {
    return (e.Kind() == kSurfaceImplicit || e.Kind() == kSurfaceExplicit) && e.Tree(kFunctionSlot);
}

void SliceAxes(int axis, int& horizontal, int& vertical) {
    horizontal = (axis + 1) % kLevelAxes;
    vertical = (axis + 2) % kLevelAxes;
}

SpacePoint LevelPoint(int axis, long double level, long double u, long double v) {
    long double c[3];
    int h = 0, w = 0;
    SliceAxes(axis, h, w);
    c[axis] = level;
    c[h] = u;
    c[w] = v;
    return {c[0], c[1], c[2]};
}

bool MakeSliceRecord(EvalContext& context, const ExampleRecord& surface, int axis, ExampleRecord& slice) {
    ExprTree f;
    if (axis < 0 || axis >= kLevelAxes || !SurfaceFunction(surface, f))
        return false;
    int h = 0, v = 0;
    SliceAxes(axis, h, v);
    // Through codes no formula holds, so that the three renames do not run into each other.
    constexpr short kHeld[3] = {30001, 30002, 30003};
    RenameVariable(f.root, LetterOf(h), kHeld[0]);
    RenameVariable(f.root, LetterOf(v), kHeld[1]);
    RenameVariable(f.root, LetterOf(axis), kHeld[2]);
    RenameVariable(f.root, kHeld[0], op::LetterX);
    RenameVariable(f.root, kHeld[1], op::LetterY);
    RenameVariable(f.root, kHeld[2], op::LetterZ);
    slice.Initialise(kImplicit, surface.Colour());
    slice.SetI16(exo::kWidth, surface.Width());
    slice.SetI16(exo::kDensity, 1);
    slice.texts[4] = surface.Kind() == kSurfaceImplicit ? surface.texts[4] : "z=" + surface.texts[2];
    slice.SetFlag(exo::kFlag53, true);
    slice.SetFlag(exo::kFlag56, true);
    slice.SetShown(true);
    slice.compiled[kFunctionSlot] = std::move(f);
    for (int k = 0; k < 2; ++k) {
        ExprTree& d = slice.compiled[static_cast<std::size_t>(4 + k)];
        if (!Differentiate(context, slice.compiled[kFunctionSlot], k == 0 ? op::LetterX : op::LetterY, d))
            d = ExprTree();
    }
    return true;
}

TrajectoryRecord LevelPiece(int axis, long double level, const TrajectoryRecord& plane, long double step) {
    TrajectoryRecord r;
    const SpacePoint start = LevelPoint(axis, level, plane.Real(tro::kStartX), plane.Real(tro::kStartY));
    r.SetReal(tro::kStartX, start.x);
    r.SetReal(tro::kStartY, start.y);
    r.SetReal(tro::kStartZ, start.z);
    r.SetI16(tro::kKind, kLevelPieceKind);
    r.SetReal(tro::kStartT, plane.Real(tro::kStartT));
    r.SetReal(tro::kEndT, plane.Real(tro::kEndT));
    r.SetReal(tro::kStepSize, std::fabs(step));
    r.SetI16(tro::kLetter, LetterOf(axis));
    r.SetReal(tro::kLetterValue, level);
    r.SetI16(tro::kColour, plane.I16(tro::kColour));
    r.SetI16(tro::kWidth, plane.I16(tro::kWidth));
    return r;
}

bool IsLevelPiece(const TrajectoryRecord& r) {
    const int letter = r.I16(tro::kLetter);
    return r.Kind() == kLevelPieceKind && letter >= op::LetterX && letter <= op::LetterZ;
}

int LevelAxisOf(const TrajectoryRecord& r) { return std::clamp(r.I16(tro::kLetter) - op::LetterX, 0, 2); }
long double LevelOf(const TrajectoryRecord& r) { return r.Real(tro::kLetterValue); }

LevelField::LevelField(EvalContext& context, const ExampleRecord& surface) : context_(context) {
    std::copy_n(context.letterValues + ('X' - op::LetterAt), 3, saved_);
    if (!SurfaceFunction(surface, trees_[0]))
        return;
    for (int k = 0; k < 3; ++k)
        if (!Differentiate(context, trees_[0], LetterOf(k), trees_[k + 1]))
            return;
    for (int k = 0; k < 4; ++k)
        programs_[k].Build(trees_[k].root);
    usable_ = true;
}

LevelField::~LevelField() { std::copy_n(saved_, 3, context_.letterValues + ('X' - op::LetterAt)); }

bool LevelField::At(int slot, const SpacePoint& p, long double& out) {
    context_.SetLetter('X' - op::LetterAt, p.x);
    context_.SetLetter('Y' - op::LetterAt, p.y);
    return programs_[slot].EvaluateAt(context_, 'Z' - op::LetterAt, p.z, out) && std::isfinite(out);
}

bool LevelField::Value(const SpacePoint& p, long double& f) { return usable_ && At(0, p, f); }

bool LevelField::Tangent(int axis, const SpacePoint& p, long double& du, long double& dv) {
    int h = 0, v = 0;
    SliceAxes(axis, h, v);
    long double fu = 0, fv = 0;
    if (!usable_ || !At(1 + h, p, fu) || !At(1 + v, p, fv))
        return false;
    du = -fv;
    dv = fu;
    return true;
}

// The plane tracer's step, time-independent: every step advances |h| along the slice.
void FollowLevelPiece(LevelField& field, const TrajectoryRecord& piece, const std::function<bool(const SpacePoint&)>& visit) {
    const int axis = LevelAxisOf(piece);
    const long double level = LevelOf(piece);
    const SpacePoint start{piece.Real(tro::kStartX), piece.Real(tro::kStartY), piece.Real(tro::kStartZ)};
    int h = 0, w = 0;
    SliceAxes(axis, h, w);
    long double u = Component(start, h), v = Component(start, w), t = piece.Real(tro::kStartT);
    const long double end = piece.Real(tro::kEndT), step = piece.Real(tro::kStepSize);
    if (!std::isfinite(u) || !std::isfinite(v) || !std::isfinite(t) || !std::isfinite(end) || !(step > 0) ||
        !std::isfinite(step) || !std::isfinite(level))
        return;
    const long double hStep = end < t ? -step : step;
    const long double null = kNullShare * step;
    if (!visit(LevelPoint(axis, level, u, v)))
        return;
    for (long n = 0; n < kMaxSpaceSteps && (hStep > 0 ? t < end : t > end); ++n) {
        long double u0 = 0, v0 = 0, u1 = 0, v1 = 0;
        if (!field.Tangent(axis, LevelPoint(axis, level, u, v), u0, v0))
            return;
        const long double speed = std::hypot(u0, v0);
        if (speed < null)
            return;
        long double dt = hStep / (speed + kTiny);
        const bool last = hStep > 0 ? t + dt >= end : t + dt <= end;
        if (last)
            dt = end - t;
        if (!field.Tangent(axis, LevelPoint(axis, level, u + dt * u0, v + dt * v0), u1, v1) ||
            std::hypot(u1, v1) < null)
            return;
        u += dt * (u0 + u1) / 2;
        v += dt * (v0 + v1) / 2;
        t = last ? end : t + dt;
        if (!visit(LevelPoint(axis, level, u, v)))
            return;
    }
}

bool LiesOnPieces(LevelField& field, const std::vector<TrajectoryRecord>& known, const TrajectoryRecord& candidate,
                  long double tolerance) {
    const SpacePoint start{candidate.Real(tro::kStartX), candidate.Real(tro::kStartY), candidate.Real(tro::kStartZ)};
    const int axis = LevelAxisOf(candidate);
    const long double level = LevelOf(candidate);
    for (const TrajectoryRecord& r : known) {
        if (!IsLevelPiece(r) || LevelAxisOf(r) != axis || LevelOf(r) != level)
            continue;
        bool near = false;
        FollowLevelPiece(field, r, [&](const SpacePoint& p) {
            near = L1Length(p - start) < tolerance;
            return !near;
        });
        if (near)
            return true;
    }
    return false;
}

bool DrawLevelCurves(EvalContext& context, CurveContext& c, const ExampleRecord& e) {
    bool any = false;
    for (const TrajectoryRecord& r : e.trajectories)
        any = any || IsLevelPiece(r);
    if (!any)
        return true;
    LevelField field(context, e);
    if (!field.Usable())
        return true;
    bool going = true;
    for (const TrajectoryRecord& r : e.trajectories) {
        if (!IsLevelPiece(r))
            continue;
        const int colour = r.I16(tro::kColour);
        c.surface.SetPen({ColourRGB(colour >= 0 && colour < kColourCount ? colour : e.Colour()),
                          std::clamp<int>(e.Width(), 1, kMaxLineWidth), platform::PenStyle::Solid});
        SpacePoint first, end;
        bool previous = false;
        long count = 0;
        PixelPoint last;
        FollowLevelPiece(field, r, [&](const SpacePoint& p) {
            // A piece may run to a million steps: S stops it on the way.
            if (count % kPointsPerPoll == kPointsPerPoll - 1 && c.poll && c.poll()) {
                going = false;
                return false;
            }
            if (count++ == 0)
                first = p;
            end = p;
            PixelPoint pixel;
            const bool shown = !c.occlusion.Hidden(p) && SpaceToPixel(c.view, c.pixels, p, pixel);
            if (shown && previous)
                c.surface.Line({last.x, last.y}, {pixel.x, pixel.y});
            previous = shown;
            last = pixel;
            return true;
        });
        if (!going)
            break;
        // A piece that came back to its start was closed by the plane tracer.
        PixelPoint home;
        if (count > 2 && previous && L1Length(end - first) < 2 * r.Real(tro::kStepSize) &&
            SpaceToPixel(c.view, c.pixels, first, home))
            c.surface.Line({last.x, last.y}, {home.x, home.y});
        if (c.poll && c.poll()) {
            going = false;
            break;
        }
    }
    return going;
}

} // namespace korvane
