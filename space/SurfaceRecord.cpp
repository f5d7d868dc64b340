#include "space/SurfaceRecord.h"

#include <algorithm>
#include <numbers>

#include "expr/Derivative.h"
#include "expr/Opcodes.h"
#include "expr/TreeOps.h"
#include "space/SpaceKinds.h"

namespace korvane {

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;

struct SurfaceDefaults {
    std::int16_t kind;
    const char* texts[4];
    long double min1, max1, min2, max2;
    int n1, n2;
};

constexpr SurfaceDefaults kDefaults[] = {
    {kSurfaceExplicit, {"x", "y", "sin(2x)cos(y)", ""}, -kPi, kPi, -kPi, kPi, 24, 24},
    {kSurfaceCylindrical, {"r", "t", "rrrcos(3t)/(1+rrrr)", ""}, 0, 1.2L, 0, 2 * kPi, 24, 70},
    {kSurfaceParametric, {"sin(u)cos(t)", "sin(u)sin(t)", "cos(u)", ""}, 0, 2 * kPi, 0, kPi, 24, 24},
    {kSurfaceSpherical, {"", "", "", "1.0+0.25sin(3u)"}, 0, 2 * kPi, 0, kPi, 24, 24},
    {kSurfaceTube, {"cos(7t)", "sin(7t)", "t", "0.3"}, 0, 2 * kPi, 0, 2 * kPi, 120, 16},
    {kSurfacePlane, {"", "", "", "2.0"}, -1, 1, -1, 1, 24, 24},
};

} // namespace

bool IsSpaceKind(int kind) { return kind >= 301 && kind <= 317; }

bool IsGridSurface(int kind) {
    switch (kind) {
    case kSurfaceExplicit:
    case kSurfaceCylindrical:
    case kSurfaceParametric:
    case kSurfaceTube:
    case kSurfaceRevolution:
    case kSurfacePlane:
    case kSurfaceSpherical: return true;
    default: return false;
    }
}

bool IsParametricSurface(int kind) {
    return IsGridSurface(kind) && kind != kSurfaceExplicit && kind != kSurfaceCylindrical;
}

void InitialiseSurface(ExampleRecord& e, std::int16_t kind, std::int16_t colour) {
    e.Initialise(kind, colour);
    for (const SurfaceDefaults& d : kDefaults) {
        if (d.kind != kind)
            continue;
        for (std::size_t i = 0; i < 4; ++i)
            e.texts[i] = d.texts[i];
        e.SetReal(exo::kMinimum, d.min1);
        e.SetReal(exo::kMaximum, d.max1);
        e.SetReal(exo::kMinimum2, d.min2);
        e.SetReal(exo::kMaximum2, d.max2);
        e.SetI16(spo::kDivisions1, static_cast<std::int16_t>(d.n1));
        e.SetI16(spo::kDivisions2, static_cast<std::int16_t>(d.n2));
    }
    e.SetI16(spo::kColour1, 6);
    e.SetI16(spo::kColour2, 11);
    e.SetI16(spo::kGridColour, 0);
    e.SetFlag(spo::kAutoBox, true);
    e.SetFlag(spo::kCap, false);
    e.SetFlag(spo::kSlow, false);
    e.SetFlag(spo::kSpectrum, true);
    e.SetFlag(spo::kGridEdges, true);
    e.SetFlag(spo::kShade, false);
    if (kind == kSurfacePlane) {
        e.texts[5] = "2.54,1.732,2.718";
        e.texts[6] = "1.618,3.142,1.414";
        std::string formulas[3];
        PlaneFormulas({2.54L, 1.732L, 2.718L}, {1.618L, 3.142L, 1.414L}, 2, formulas);
        for (std::size_t k = 0; k < 3; ++k)
            e.texts[k] = formulas[k];
    }
    PrepareSurfaceTexts(e);
}

void PrepareSurfaceTexts(ExampleRecord& e) {
    switch (e.Kind()) {
    case kSurfaceExplicit:
        e.texts[0] = "x";
        e.texts[1] = "y";
        break;
    case kSurfaceCylindrical:
        e.texts[0] = "r";
        e.texts[1] = "t";
        break;
    case kSurfaceSpherical: {
        const std::string& rho = e.texts[3];
        e.texts[0] = "(" + rho + ")sin(u)cos(t)";
        e.texts[1] = "(" + rho + ")sin(u)sin(t)";
        e.texts[2] = "(" + rho + ")cos(u)";
        break;
    }
    default: break;
    }
}

GridCounts SurfaceGridCounts(const ExampleRecord& e) {
    GridCounts c{std::clamp<int>(e.I16(spo::kDivisions1), 1, kMaxGridPoints),
                 std::clamp<int>(e.I16(spo::kDivisions2), 1, kMaxGridPoints)};
    // Too many points in all: the longer side gives way until the grid fits.
    while ((c.n1 + 1) * (c.n2 + 1) > kMaxGridPoints) {
        if (c.n1 >= c.n2)
            c.n1 = std::max(1, kMaxGridPoints / (c.n2 + 1) - 1);
        else
            c.n2 = std::max(1, kMaxGridPoints / (c.n1 + 1) - 1);
    }
    return c;
}

int PlottedCount(const ExampleRecord& e, int which) {
    return std::clamp<int>(e.I16(which == 0 ? spo::kPlotted1 : spo::kPlotted2), kMinPlotted, kMaxPlotted);
}

int SurfaceLineWidth(const ExampleRecord& e) { return std::clamp<int>(e.Width(), 1, kMaxLineWidth); }

SpacePoint ReadPoint(const ExampleRecord& e, int offset) {
    return {e.Real(offset), e.Real(offset + 10), e.Real(offset + 20)};
}

void WritePoint(ExampleRecord& e, int offset, const SpacePoint& p) {
    e.SetReal(offset, p.x);
    e.SetReal(offset + 10, p.y);
    e.SetReal(offset + 20, p.z);
}

SpacePoint RecordBoxMin(const ExampleRecord& e) { return ReadPoint(e, spo::kBoxMin); }
SpacePoint RecordBoxMax(const ExampleRecord& e) { return ReadPoint(e, spo::kBoxMax); }

void SetRecordBox(ExampleRecord& e, const SpacePoint& low, const SpacePoint& high) {
    WritePoint(e, spo::kBoxMin, low);
    WritePoint(e, spo::kBoxMax, high);
}

bool CanDeriveSurface(const ExampleRecord& source) {
    return (source.Kind() == kSurfaceExplicit && source.Tree(0) && source.Tree(1) && source.Tree(2)) ||
           (source.Kind() == kSurfaceImplicit && source.Tree(2));
}

int CompileSurfaceDerivative(EvalContext& context, const ExampleRecord& source, ExampleRecord& derived) {
    for (auto& tree : derived.compiled)
        tree = ExprTree();
    if (!CanDeriveSurface(source))
        return 117;
    const std::int16_t variable = derived.I16(kDerivedVariable);
    if (variable == kSlotZ && source.Kind() != kSurfaceImplicit)
        return 117;
    const int letter = variable == kSlotY ? op::LetterY : variable == kSlotZ ? op::LetterZ : op::LetterX;
    if (!Differentiate(context, source.Tree(2), letter, derived.compiled[2])) {
        derived.compiled[2] = ExprTree();
        return 117;
    }
    if (source.Tree(0))
        derived.compiled[0] = CopyTree(source.compiled[0]);
    if (source.Tree(1))
        derived.compiled[1] = CopyTree(source.compiled[1]);
    return 0;
}

} // namespace korvane
