#include "space/SpaceKinds.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

#include "expr/Derivative.h"
#include "expr/Evaluator.h"
#include "expr/Opcodes.h"
#include "expr/RealProgram.h"
#include "expr/TreeOps.h"
#include "plane/CurveTracer.h"
#include "graph/ColourTable.h"
#include "platform/Surface.h"
#include "space/SpaceFrame.h"
#include "space/SurfaceRecord.h"

namespace korvane {

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;
constexpr int kSlotT = 'T' - op::LetterAt;
constexpr short kLetterT = 'T', kLetterU = 'U';
constexpr long double kSmall = 1e-13L;

long double Component(const SpacePoint& p, int k) { return k == 0 ? p.x : k == 1 ? p.y : p.z; }

// The three coordinate formulas of a curve (slots 0..2), or their derivatives (4..6).
class CurveSampler {
public:
    CurveSampler(const ExampleRecord& e, int first) {
        usable_ = true;
        for (int k = 0; k < 3; ++k) {
            if (!e.Tree(first + k)) {
                usable_ = false;
                return;
            }
            programs_[k].Build(e.Tree(first + k));
        }
    }
    bool Usable() const { return usable_; }
    bool At(EvalContext& context, long double t, SpacePoint& out) const {
        long double v[3];
        for (int k = 0; k < 3; ++k)
            if (!usable_ || !programs_[k].EvaluateAt(context, kSlotT, t, v[k]) || !std::isfinite(v[k]))
                return false;
        out = {v[0], v[1], v[2]};
        return true;
    }

private:
    RealProgram programs_[3];
    bool usable_ = false;
};

// Trees of the tube's formulas, written with small helpers.
struct TubeBuilder {
    ExprTree& tree;
    ExprNode* Copy(const ExprNode* n) const { return CopyTree(n, tree); }
    ExprNode* Op(short o, ExprNode* a, ExprNode* b) const { return tree.NewNode(o, a, b); }
    ExprNode* Fn(short o, ExprNode* a) const { return tree.NewNode(o, nullptr, a); }
    ExprNode* Letter(short l) const { return tree.NewNode(l); }
    ExprNode* Square(const ExprNode* n) const { return Op(op::Times, Copy(n), Copy(n)); }
    // √(a² + b²) and √(a² + b² + c²).
    ExprNode* Norm(const ExprNode* a, const ExprNode* b, const ExprNode* c = nullptr) const {
        ExprNode* sum = Op(op::Plus, Square(a), Square(b));
        if (c)
            sum = Op(op::Plus, sum, Square(c));
        return Fn(op::Sqrt, sum);
    }
};

// The coordinate axis that the curve's tangent comes least close to, judged on 101
// samples: the tube's frame is built about it, so that it never degenerates on a curve
// that runs along one axis.
int ReferenceAxis(EvalContext& context, const ExampleRecord& e) {
    CurveSampler derivative(e, 4);
    long double best[3] = {1, 1, 1};
    const long double low = e.Real(exo::kMinimum), high = e.Real(exo::kMaximum);
    for (int i = 0; i <= 100; ++i) {
        SpacePoint d;
        if (!derivative.At(context, low + i * (high - low) / 100, d))
            continue;
        const long double length = Length(d);
        if (!(length > 0))
            continue;
        for (int k = 0; k < 3; ++k)
            best[k] = std::min(best[k], std::sqrt(std::max(0.0L, 1 - Component(d, k) * Component(d, k) /
                                                                      (length * length))));
    }
    return static_cast<int>(std::max_element(best, best + 3) - best);
}

// C(t) + r(t) (cos u N + sin u B), with N = (D × a)/|D × a| for the reference axis a and
// B = T × N; written in the cyclic order (p, q, s) that puts a last:
// N = (Dq, −Dp, 0)/h, B = (Dp·Ds, Dq·Ds, −h²)/(h·L), h = √(Dp² + Dq²), L = |D|.
int BuildTube(EvalContext& context, ExampleRecord& e) {
    for (int slot = 0; slot < 4; ++slot)
        if (!e.Tree(slot))
            return 1;
    for (int k = 0; k < 3; ++k) {
        ExprTree& d = e.compiled[static_cast<std::size_t>(4 + k)];
        if (!Differentiate(context, e.Tree(k), kLetterT, d))
            return 117;
    }
    const int s = ReferenceAxis(context, e), p = (s + 1) % 3, q = (s + 2) % 3;
    const ExprNode* D[3] = {e.Tree(4), e.Tree(5), e.Tree(6)};
    ExprTree built[3];
    for (int k = 0; k < 3; ++k) {
        TubeBuilder b{built[k]};
        auto h = [&] { return b.Norm(D[p], D[q]); };
        auto length = [&] { return b.Norm(D[p], D[q], D[s]); };
        auto cosU = [&] { return b.Fn(op::Cos, b.Letter(kLetterU)); };
        auto sinU = [&] { return b.Fn(op::Sin, b.Letter(kLetterU)); };
        ExprNode* offset = nullptr;
        if (k == s) {
            offset = b.Fn(op::UnaryMinus, b.Op(op::Divide, b.Op(op::Times, sinU(), h()), length()));
        } else {
            const int own = k, other = k == p ? q : p;
            // N's component: Dq/h for p, −Dp/h for q; B's: Dk·Ds/(h·L).
            ExprNode* n = b.Op(op::Divide, b.Copy(D[other]), h());
            if (k == q)
                n = b.Fn(op::UnaryMinus, n);
            ExprNode* bn = b.Op(op::Divide, b.Op(op::Times, b.Copy(D[own]), b.Copy(D[s])), b.Op(op::Times, h(), length()));
            offset = b.Op(op::Plus, b.Op(op::Times, cosU(), n), b.Op(op::Times, sinU(), bn));
        }
        built[k].root = b.Op(op::Plus, b.Copy(e.Tree(k)), b.Op(op::Times, b.Copy(e.Tree(3)), offset));
    }
    for (int k = 0; k < 3; ++k)
        e.compiled[static_cast<std::size_t>(k)] = std::move(built[k]);
    for (int slot = 3; slot < kCompiledSlots; ++slot)
        e.compiled[static_cast<std::size_t>(slot)] = ExprTree();
    return 0;
}

// (X(t), Y(t) cos u, Y(t) sin u) about the x axis, (X(t) cos u, Y(t), X(t) sin u) about y.
int BuildRevolution(ExampleRecord& e) {
    if (!e.Tree(0) || !e.Tree(1))
        return 1;
    for (int k = 0; k < 2; ++k) {
        ExprNode* root = e.compiled[static_cast<std::size_t>(k)].root;
        if (e.Flag(sko::kRevolutionOfX))
            SwitchXToT(root);
        else if (const short letter = e.I16(sko::kRevolutionLetter); letter != kLetterT && letter > op::LetterAt &&
                                                                      letter <= op::LetterZ)
            RenameVariable(root, letter, kLetterT);
    }
    const bool aboutX = e.I16(sko::kRevolutionAxis) == 0;
    const int along = aboutX ? 0 : 1, radius = aboutX ? 1 : 0;
    ExprTree built[3];
    for (int k = 0; k < 3; ++k) {
        TubeBuilder b{built[k]};
        if (k == along) {
            built[k].root = b.Copy(e.Tree(along));
            continue;
        }
        const short turn = k == 2 ? op::Sin : op::Cos;
        built[k].root = b.Op(op::Times, b.Copy(e.Tree(radius)), b.Fn(turn, b.Letter(kLetterU)));
    }
    for (int k = 0; k < 3; ++k)
        e.compiled[static_cast<std::size_t>(k)] = std::move(built[k]);
    return 0;
}

std::string Number(long double v) {
    char text[64];
    std::snprintf(text, sizeof text, "(%.19Lf)", v);
    return text;
}

void Widen(SpacePoint& low, SpacePoint& high, const SpacePoint& p) {
    low = {std::min(low.x, p.x), std::min(low.y, p.y), std::min(low.z, p.z)};
    high = {std::max(high.x, p.x), std::max(high.y, p.y), std::max(high.z, p.z)};
}

} // namespace

bool IsBoxedFromSamples(int kind) { return kind == kSpaceCurve || kind == kSpaceSegment || kind == kSpacePoint; }

void InitialiseSpaceObject(ExampleRecord& e, std::int16_t kind, std::int16_t colour, int pointType) {
    e.Initialise(kind, colour);
    e.SetFlag(spo::kAutoBox, true);
    e.SetI16(spo::kPlotted1, 150);
    e.SetI16(exo::kWidth, 1);
    switch (kind) {
    case kSpaceCurve:
        e.texts = {"cos(7t)", "sin(7t)", "t", "", "", "", ""};
        e.SetReal(exo::kMinimum, 0);
        e.SetReal(exo::kMaximum, 2 * kPi);
        e.SetI16(spo::kPlotted1, 500);
        e.SetReal(sko::kArrowT, 3);
        e.SetI16(sko::kArrowSize, 12);
        break;
    case kSpaceSegment:
        e.texts = {"2.54", "1.732", "2.718", "1.618", "", "3.142", "0.577"};
        WritePoint(e, sko::kSegmentFrom, {2.54L, 1.732L, 2.718L});
        WritePoint(e, sko::kSegmentTo, {1.618L, 3.142L, 0.577L});
        break;
    case kSpacePoint:
        e.texts = {"2.54", "pi/3", "pi/4", "", "", "", ""};
        WritePoint(e, sko::kPointAt, {2.54L, kPi / 3, kPi / 4});
        e.SetI16(sko::kPointType, static_cast<std::int16_t>(std::clamp(pointType, 0, 2)));
        e.SetI16(sko::kPointSize, 4);
        e.SetFlag(sko::kSolid, true);
        break;
    default: break;
    }
}

int FinishSpaceCompile(FormulaCompiler& compiler, ExampleRecord& e) {
    EvalContext& context = compiler.Context();
    switch (e.Kind()) {
    case kSpaceSegment:
        for (const int slot : {kSegmentQSlot, kSegmentRSlot})
            e.compiled[static_cast<std::size_t>(slot)] =
                compiler.CompileFormula(e.texts[static_cast<std::size_t>(slot)]) == 0 ? compiler.TakeResult()
                                                                                     : ExprTree();
        return 0;
    case kSpaceCurve:
        for (int k = 0; k < 3; ++k) {
            ExprTree& d = e.compiled[static_cast<std::size_t>(4 + k)];
            // Without its derivative the arrow takes a difference quotient.
            if (e.Tree(k) && !Differentiate(context, e.Tree(k), kLetterT, d))
                d = ExprTree();
        }
        return 0;
    case kSurfaceTube: return BuildTube(context, e);
    case kSurfaceRevolution: return BuildRevolution(e);
    default: return 0;
    }
}

bool MakeRevolution(const ExampleRecord& plane, int axis, std::int16_t colour, ExampleRecord& out) {
    const auto& t = plane.texts;
    std::string x, y;
    short letter = kLetterT;
    bool ofX = false;
    switch (plane.Kind()) {
    case kExplicit:
        if (t[1].empty() || plane.Flag(exo::kFlag59))
            return false;
        x = "x";
        y = t[1];
        ofX = true;
        break;
    case kPolar:
        if (t[2].empty())
            return false;
        x = "(" + t[2] + ")cos(t)";
        y = "(" + t[2] + ")sin(t)";
        break;
    case kParametric:
        if (t[0].empty() || t[1].empty())
            return false;
        letter = static_cast<short>(op::LetterAt + PlotVariable(plane));
        if (plane.Flag(exo::kFlag60)) { // given as (r, angle)
            x = "(" + t[0] + ")cos(" + t[1] + ")";
            y = "(" + t[0] + ")sin(" + t[1] + ")";
        } else {
            x = t[0];
            y = t[1];
        }
        break;
    default: return false;
    }
    InitialiseSurface(out, kSurfaceRevolution, colour);
    out.texts = {x, y, "0", "", "", "", ""};
    out.SetI16(sko::kRevolutionAxis, static_cast<std::int16_t>(axis == 0 ? 0 : 1));
    out.SetFlag(sko::kRevolutionOfX, ofX);
    out.SetI16(sko::kRevolutionLetter, letter);
    out.SetReal(exo::kMinimum, plane.Real(exo::kMinimum));
    out.SetReal(exo::kMaximum, plane.Real(exo::kMaximum));
    out.SetReal(exo::kMinimum2, 0);
    out.SetReal(exo::kMaximum2, 2 * kPi);
    return true;
}

bool PlaneFormulas(const SpacePoint& normal, const SpacePoint& at, long double size, std::string (&out)[3]) {
    const long double n = Length(normal);
    if (!(n > kSmall) || !std::isfinite(n))
        return false;
    const SpacePoint unit = (1 / n) * normal;
    // The first side along the axis the normal is farthest from, made perpendicular.
    const long double ax = std::fabs(unit.x), ay = std::fabs(unit.y), az = std::fabs(unit.z);
    const SpacePoint axis = ax <= ay && ax <= az ? SpacePoint{1, 0, 0} : ay <= az ? SpacePoint{0, 1, 0}
                                                                                 : SpacePoint{0, 0, 1};
    SpacePoint e1 = axis - Dot(axis, unit) * unit;
    e1 = (1 / Length(e1)) * e1;
    const SpacePoint e2 = SpacePoint{unit.y * e1.z - unit.z * e1.y, unit.z * e1.x - unit.x * e1.z,
                                     unit.x * e1.y - unit.y * e1.x};
    const long double half = size / 2;
    for (int k = 0; k < 3; ++k)
        out[k] = Number(Component(at, k)) + "+" + Number(half * Component(e1, k)) + "t+" +
                 Number(half * Component(e2, k)) + "u";
    return true;
}

namespace {

// The cartesian position of a point typed as (x, y, z), (r, θ, z) or (ρ, θ, φ).
SpacePoint PointFromTyped(const ExampleRecord& e, const SpacePoint& v) {
    switch (e.I16(sko::kPointType)) {
    case 1: return {v.x * std::cos(v.y), v.x * std::sin(v.y), v.z};
    case 2: return {v.x * std::sin(v.z) * std::cos(v.y), v.x * std::sin(v.z) * std::sin(v.y), v.x * std::cos(v.z)};
    default: return v;
    }
}

// A segment's two ends or a point (in `from`) at the current letters, so that each member
// of a family stands where its letter puts it; as stored when a formula is missing. False
// when a formula is undefined for this member.
bool ObjectAt(EvalContext& context, const ExampleRecord& e, SpacePoint& from, SpacePoint& to) {
    const bool segment = e.Kind() == kSpaceSegment;
    static constexpr int kSlots[6] = {0, 1, 2, 3, kSegmentQSlot, kSegmentRSlot};
    const int count = segment ? 6 : 3;
    long double v[6] = {};
    for (int k = 0; k < count; ++k) {
        ExprNode* tree = e.Tree(kSlots[k]);
        if (!tree) {
            from = ReadPoint(e, segment ? sko::kSegmentFrom : sko::kPointAt);
            to = ReadPoint(e, sko::kSegmentTo);
            return true;
        }
        if (!EvaluateNode(context, tree) || !std::isfinite(tree->value.re))
            return false;
        v[k] = tree->value.re;
    }
    from = {v[0], v[1], v[2]};
    to = {v[3], v[4], v[5]};
    return true;
}

} // namespace

SpacePoint PointPosition(const ExampleRecord& e) { return PointFromTyped(e, ReadPoint(e, sko::kPointAt)); }

void ComputeSampledBox(EvalContext& context, ExampleRecord& e, bool axesShown) {
    if (!e.Flag(spo::kAutoBox) || !IsBoxedFromSamples(e.Kind()))
        return;
    SpacePoint low{1e18L, 1e18L, 1e18L}, high{-1e18L, -1e18L, -1e18L};
    const SpacePoint quarter{0.25L, 0.25L, 0.25L};
    const CurveSampler curve(e, 0);
    // Every member of a family.
    ForEachMember(context, e, [&] {
        SpacePoint from, to;
        if (e.Kind() == kSpaceCurve) {
            const long double t0 = e.Real(exo::kMinimum), t1 = e.Real(exo::kMaximum);
            for (int i = 0; i <= 100; ++i)
                if (curve.At(context, t0 + i * (t1 - t0) / 100, from))
                    Widen(low, high, from);
        } else if (ObjectAt(context, e, from, to)) {
            const bool point = e.Kind() == kSpacePoint;
            Widen(low, high, point ? PointFromTyped(e, from) - quarter : from);
            Widen(low, high, point ? PointFromTyped(e, from) + quarter : to);
        }
        return true;
    });
    if (!(low.x <= high.x))
        return; // nothing defined: the box stays as it was
    if (e.Kind() != kSpacePoint) {
        long double* lows[3] = {&low.x, &low.y, &low.z};
        long double* highs[3] = {&high.x, &high.y, &high.z};
        for (int k = 0; k < 3; ++k) {
            if (*highs[k] - *lows[k] < kSmall) {
                *lows[k] -= 0.5L;
                *highs[k] += 0.5L;
            }
            const long double extent = *highs[k] - *lows[k];
            *lows[k] -= 0.01L * extent;
            *highs[k] += 0.01L * extent;
        }
    }
    if (axesShown)
        Widen(low, high, {0, 0, 0});
    if (std::isfinite(L1Length(low)) && std::isfinite(L1Length(high)))
        SetRecordBox(e, low, high);
}

namespace {

void DrawArrow(EvalContext& context, CurveContext& c, const ExampleRecord& e, const CurveSampler& curve) {
    const long double t = e.Real(sko::kArrowT);
    SpacePoint p, d;
    if (!curve.At(context, t, p) || c.occlusion.Hidden(p))
        return;
    const CurveSampler derivative(e, 4);
    if (!derivative.At(context, t, d)) {
        const long double h = 1e-6L * std::max(1.0L, std::fabs(t));
        SpacePoint ahead;
        if (!curve.At(context, t + h, ahead))
            return;
        d = (1 / h) * (ahead - p);
    }
    const long double length = Length(d);
    if (!(length > 0) || !std::isfinite(length))
        return;
    // A step along the tangent small against the scene gives the direction on screen.
    const SpacePoint ahead = p + (1e-4L * L1Length(c.view.boxMax - c.view.boxMin) / length) * d;
    PixelPoint tip, next;
    if (!SpaceToPixel(c.view, c.pixels, p, tip) || !SpaceToPixel(c.view, c.pixels, ahead, next))
        return;
    // The pixel grid is too coarse for the short step: take the unrounded projections.
    long double u0, v0, u1, v1;
    if (!c.view.Project(p, u0, v0) || !c.view.Project(ahead, u1, v1))
        return;
    const long double dx = c.pixels.PixelOffsetX(u1) - c.pixels.PixelOffsetX(u0);
    const long double dy = c.pixels.PixelOffsetY(v1) - c.pixels.PixelOffsetY(v0);
    const long double n = std::hypot(dx, dy);
    if (!(n > 0))
        return;
    const long double size = std::clamp<int>(e.I16(sko::kArrowSize), 1, kMaxArrowSize);
    const long double spread = 25 * kPi / 180;
    for (const long double side : {spread, -spread}) {
        const long double bx = -dx / n, by = -dy / n;
        const long double rx = bx * std::cos(side) - by * std::sin(side), ry = by * std::cos(side) + bx * std::sin(side);
        c.surface.Line({tip.x, tip.y}, {static_cast<int>(std::lround(tip.x + size * rx)),
                                         static_cast<int>(std::lround(tip.y + size * ry))});
    }
}

void DrawPoint(CurveContext& c, const ExampleRecord& e, platform::Pen pen, const SpacePoint& v) {
    const SpacePoint p = PointFromTyped(e, v);
    platform::Pen dotted = pen;
    dotted.style = platform::PenStyle::Dotted;
    auto segment = [&](const SpacePoint& a, const SpacePoint& b) {
        DrawParameterCurve(
            c, [&](long double s, SpacePoint& out) { return out = a + s * (b - a), true; }, 0, 1, 24);
    };
    if (e.Flag(sko::kAnchors)) {
        c.surface.SetPen(e.Flag(sko::kAnchorsDotted) ? dotted : pen);
        for (const SpacePoint& foot : {SpacePoint{p.x, p.y, 0}, SpacePoint{p.x, 0, p.z}, SpacePoint{0, p.y, p.z}})
            segment(foot, p);
    }
    const int type = e.I16(sko::kPointType);
    if (e.Flag(sko::kArcs) && type != 0) {
        c.surface.SetPen(e.Flag(sko::kArcsDotted) ? dotted : pen);
        // The angle θ about the z axis at the point's distance from it; for a spherical
        // point also the angle φ down from the z axis.
        const long double radius = type == 1 ? v.x : v.x * std::sin(v.z);
        DrawParameterCurve(
            c, [&](long double s, SpacePoint& out) { return out = {radius * std::cos(s), radius * std::sin(s), 0}, true; },
            0, v.y, 48);
        if (type == 2)
            DrawParameterCurve(
                c,
                [&](long double s, SpacePoint& out) {
                    return out = {v.x * std::sin(s) * std::cos(v.y), v.x * std::sin(s) * std::sin(v.y), v.x * std::cos(s)},
                           true;
                },
                0, v.z, 48);
    }
    PixelPoint at;
    if (c.occlusion.Hidden(p) || !SpaceToPixel(c.view, c.pixels, p, at))
        return;
    const int size = std::clamp<int>(e.I16(sko::kPointSize), 1, kMaxPointSize);
    pen.style = platform::PenStyle::Solid;
    pen.width = 1;
    c.surface.SetPen(pen);
    c.surface.SetBrush({pen.colour, e.Flag(sko::kSolid) ? platform::BrushStyle::Solid : platform::BrushStyle::Hollow});
    c.surface.Ellipse({at.x - size, at.y - size, at.x + size + 1, at.y + size + 1});
}

} // namespace

void DrawSpaceObject(EvalContext& context, CurveContext& c, const ExampleRecord& e, bool straightSegments) {
    const platform::Pen pen{ColourRGB(e.Colour()), SurfaceLineWidth(e), platform::PenStyle::Solid};
    c.surface.SetPen(pen);
    switch (e.Kind()) {
    case kSpaceCurve: {
        const CurveSampler curve(e, 0);
        if (!curve.Usable())
            return;
        ForEachMember(context, e, [&] {
            DrawParameterCurve(
                c, [&](long double t, SpacePoint& p) { return curve.At(context, t, p); }, e.Real(exo::kMinimum),
                e.Real(exo::kMaximum), PlottedCount(e, 0));
            if (e.Flag(sko::kArrowOn))
                DrawArrow(context, c, e, curve);
            return !(c.poll && c.poll());
        });
        return;
    }
    case kSpaceSegment:
    case kSpacePoint:
        ForEachMember(context, e, [&] {
            SpacePoint a, b;
            if (!ObjectAt(context, e, a, b))
                return !(c.poll && c.poll());
            if (e.Kind() == kSpacePoint)
                DrawPoint(c, e, pen, a);
            else
                DrawParameterCurve(
                    c, [&](long double s, SpacePoint& p) { return p = a + s * (b - a), true; }, 0, 1,
                    straightSegments ? 1 : PlottedCount(e, 0));
            return !(c.poll && c.poll());
        });
        return;
    default: return;
    }
}

} // namespace korvane
