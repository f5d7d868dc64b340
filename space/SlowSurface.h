#pragma once
// Slow drawing of surfaces: the parameter curves of a record drawn point by point, each
// point left out when a surface hides it from the observer. Explicit and cylindrical
// surfaces hide by marching along the ray to the observer; parametric ones (with "Ocultar
// paramétricas") by their quadrilaterals.
#include <functional>
#include <memory>
#include <span>
#include <vector>

#include "expr/EvalContext.h"
#include "space/SurfacePainter.h"

namespace korvane {

struct HiddenTestOptions {
    bool hideParametric = false;
    long double planarity = 0.1L; // share of a quadrilateral's size
    int marchSteps = 12;
};

class LevelField;

// The surfaces that may hide points, with what their tests need. Implicit surfaces march
// on the sign of their equation.
class SurfaceOcclusion {
public:
    SurfaceOcclusion(EvalContext& context, const SpaceView& view, const View& pixels,
                     std::span<const PaintedSurface> surfaces, const HiddenTestOptions& options);
    ~SurfaceOcclusion();
    bool Hidden(const SpacePoint& p);

private:
    struct Occluder {
        const ExampleRecord* record;
        const SurfaceGrid* grid;
        ProjectedGrid projected;
        std::unique_ptr<SurfaceSampler> sampler; // marching occluders only
        std::unique_ptr<LevelField> implicit;    // implicit surfaces
    };
    bool HiddenByQuads(const Occluder& o, const SpacePoint& p) const;
    bool HiddenByMarching(Occluder& o, const SpacePoint& p);
    // The side of the surface a point lies on: +1, -1, or 0 where the surface is not.
    int Side(Occluder& o, const SpacePoint& q);

    const SpaceView& view_;
    const View& pixels_;
    HiddenTestOptions options_;
    std::vector<Occluder> occluders_;
};

// What drawing a curve in the space picture needs: the observer, the pixels, the hidden
// test, the surface; `poll` says the key S was pressed, `curveDone` counts progress.
struct CurveContext {
    const SpaceView& view;
    const View& pixels;
    SurfaceOcclusion& occlusion;
    platform::Surface& surface;
    std::function<bool()> poll;
    std::function<void()> curveDone;
};

// A curve sampled at `samples` equal steps of [low, high] with the current pen: each
// defined, unhidden point joined to the previous one.
void DrawParameterCurve(CurveContext& c, const std::function<bool(long double, SpacePoint&)>& at, long double low,
                        long double high, int samples);

// Runs `member` once, or once per member of the record's letter family with the letter
// set to each value (given back afterwards); stops when `member` says false, and says so.
bool ForEachMember(EvalContext& context, const ExampleRecord& e, const std::function<bool()>& member);

// The curves a slow surface is drawn with (for the progress count).
int SlowCurveCount(const ExampleRecord& e);
// One slow surface, curve by curve; false when the poll stopped it.
bool DrawSlowSurface(EvalContext& context, CurveContext& c, const ExampleRecord& e);

struct SlowDrawResult {
    int code = 0;       // 0, or a record's failure
    bool stopped = false; // the key S
};

// Draws every shown grid surface with the slow flag (all of them when `everything`),
// curve by curve; `poll` is asked between curves and stops the drawing when it says so,
// `progress` hears the curves done so far.
SlowDrawResult DrawSlowSurfaces(EvalContext& context, const SpaceView& view, const View& pixels,
                                std::span<const PaintedSurface> surfaces, const HiddenTestOptions& options,
                                platform::Surface& surface, const std::function<bool()>& poll,
                                const std::function<void(int done, int total)>& progress);

} // namespace korvane
