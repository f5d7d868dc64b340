#pragma once
// A surface sampled on its parameter grid: point (i, j) at index i*(n2+1)+j, with the
// defined flag of each. Owned beside its record; what a drawing derives from the
// observer (pixels, depths, sides) is the painter's.
#include <cstdint>
#include <vector>

#include "expr/RealProgram.h"
#include "plane/ExampleRecord.h"
#include "space/SpacePoint.h"

namespace korvane {

struct EvalContext;

// The formulas of one surface record made ready for evaluation at many points.
class SurfaceSampler {
public:
    SurfaceSampler(EvalContext& context, const ExampleRecord& record);
    // The point at parameters (t, u); false when a formula is undefined there.
    bool At(long double t, long double u, SpacePoint& out);
    bool Usable() const { return usable_; }

private:
    bool Evaluate(int slot, long double first, long double second, long double& out);

    EvalContext& context_;
    int kind_;
    int firstLetter_, secondLetter_;
    RealProgram programs_[3];
    bool usable_ = false;
};

// SurfacePoint: the record's point at (t, u).
bool SurfacePoint(EvalContext& context, const ExampleRecord& record, long double t, long double u, SpacePoint& out);

class SurfaceGrid {
public:
    int n1 = 0, n2 = 0;
    std::vector<SpacePoint> points;
    std::vector<std::uint8_t> defined;

    std::size_t Index(int i, int j) const { return static_cast<std::size_t>(i) * (n2 + 1) + j; }
    bool Empty() const { return points.empty(); }
};

// ComputeGrid: samples the record on its (clamped) grid; with the automatic box flag the
// record box becomes the points' box enlarged by 1 %, with a fixed box the points outside
// are pressed just beyond its faces. The letters that the sampling overwrites are put
// back. False for a record that is not a grid surface or has no usable formulas.
bool ComputeGrid(EvalContext& context, ExampleRecord& record, SurfaceGrid& grid);

// Whether a grid point counts for drawing: strictly inside the record box, or anywhere
// when the cap flag is on.
bool InsideRecordBox(const SpacePoint& p, const SpacePoint& low, const SpacePoint& high);

} // namespace korvane
