#include "space/SurfaceGrid.h"

#include <algorithm>
#include <cmath>

#include "expr/EvalContext.h"
#include "space/SurfaceRecord.h"

namespace korvane {

namespace {

constexpr int kSlotR = 'R' - 64;
constexpr int kSlotT = 'T' - 64;
constexpr int kSlotU = 'U' - 64;
constexpr long double kPress = 1e-13L;

long double Press(long double v, long double low, long double high) {
    if (v < low)
        return low - kPress;
    if (v > high)
        return high + kPress;
    return v;
}

// The letters that the sampling sets, put back when it is over.
class LetterGuard {
public:
    explicit LetterGuard(EvalContext& context) : context_(context) {
        for (int i = 0; i < kLetterCount; ++i)
            saved_[i] = context.letterValues[i];
    }
    ~LetterGuard() {
        for (int i = 0; i < kLetterCount; ++i)
            context_.letterValues[i] = saved_[i];
    }
    LetterGuard(const LetterGuard&) = delete;
    LetterGuard& operator=(const LetterGuard&) = delete;

private:
    EvalContext& context_;
    ComplexValue saved_[kLetterCount];
};

} // namespace

SurfaceSampler::SurfaceSampler(EvalContext& context, const ExampleRecord& record)
    : context_(context), kind_(record.Kind()) {
    firstLetter_ = kind_ == kSurfaceExplicit ? kSlotX : kind_ == kSurfaceCylindrical ? kSlotR : kSlotT;
    secondLetter_ = kind_ == kSurfaceExplicit ? kSlotY : kind_ == kSurfaceCylindrical ? kSlotT : kSlotU;
    if (!IsGridSurface(kind_))
        return;
    const bool oneFormula = kind_ == kSurfaceExplicit || kind_ == kSurfaceCylindrical;
    for (int slot = oneFormula ? 2 : 0; slot < 3; ++slot) {
        if (!record.Tree(slot))
            return;
        programs_[slot].Build(record.Tree(slot));
    }
    usable_ = true;
}

bool SurfaceSampler::Evaluate(int slot, long double first, long double second, long double& out) {
    context_.SetLetter(firstLetter_, first);
    return programs_[slot].EvaluateAt(context_, secondLetter_, second, out) && std::isfinite(out);
}

bool SurfaceSampler::At(long double t, long double u, SpacePoint& out) {
    if (!usable_)
        return false;
    if (kind_ == kSurfaceExplicit) {
        out.x = t;
        out.y = u;
        return Evaluate(2, t, u, out.z);
    }
    if (kind_ == kSurfaceCylindrical) {
        out.x = t * std::cos(u);
        out.y = t * std::sin(u);
        return Evaluate(2, t, u, out.z);
    }
    return Evaluate(0, t, u, out.x) && Evaluate(1, t, u, out.y) && Evaluate(2, t, u, out.z);
}

bool SurfacePoint(EvalContext& context, const ExampleRecord& record, long double t, long double u, SpacePoint& out) {
    LetterGuard guard(context);
    SurfaceSampler sampler(context, record);
    return sampler.At(t, u, out);
}

bool InsideRecordBox(const SpacePoint& p, const SpacePoint& low, const SpacePoint& high) {
    return low.x < p.x && p.x < high.x && low.y < p.y && p.y < high.y && low.z < p.z && p.z < high.z;
}

bool ComputeGrid(EvalContext& context, ExampleRecord& record, SurfaceGrid& grid) {
    LetterGuard guard(context);
    SurfaceSampler sampler(context, record);
    if (!sampler.Usable())
        return false;
    const GridCounts counts = SurfaceGridCounts(record);
    grid.n1 = counts.n1;
    grid.n2 = counts.n2;
    const std::size_t size = static_cast<std::size_t>(counts.n1 + 1) * (counts.n2 + 1);
    grid.points.assign(size, SpacePoint{});
    grid.defined.assign(size, 0);

    const bool automatic = record.Flag(spo::kAutoBox);
    SpacePoint low{1e18L, 1e18L, 1e18L}, high{-1e18L, -1e18L, -1e18L};
    const SpacePoint fixedLow = RecordBoxMin(record), fixedHigh = RecordBoxMax(record);
    const long double min1 = record.Real(exo::kMinimum), min2 = record.Real(exo::kMinimum2);
    const long double h1 = (record.Real(exo::kMaximum) - min1) / counts.n1;
    const long double h2 = (record.Real(exo::kMaximum2) - min2) / counts.n2;
    for (int i = 0; i <= counts.n1; ++i) {
        for (int j = 0; j <= counts.n2; ++j) {
            SpacePoint p;
            if (!sampler.At(min1 + i * h1, min2 + j * h2, p))
                continue;
            if (automatic) {
                low = {std::min(low.x, p.x), std::min(low.y, p.y), std::min(low.z, p.z)};
                high = {std::max(high.x, p.x), std::max(high.y, p.y), std::max(high.z, p.z)};
            } else {
                p = {Press(p.x, fixedLow.x, fixedHigh.x), Press(p.y, fixedLow.y, fixedHigh.y),
                     Press(p.z, fixedLow.z, fixedHigh.z)};
            }
            grid.points[grid.Index(i, j)] = p;
            grid.defined[grid.Index(i, j)] = 1;
        }
    }
    if (automatic && low.x <= high.x) {
        const SpacePoint margin = 0.01L * (high - low);
        SetRecordBox(record, low - margin, high + margin);
    } else if (automatic) {
        SetRecordBox(record, low, high); // empty: nothing was defined
    }
    return true;
}

} // namespace korvane
