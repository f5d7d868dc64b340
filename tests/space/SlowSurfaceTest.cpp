#include "space/SlowSurface.h"

#include "SurfaceTestSupport.h"
#include "platform/memory/RecordingSurface.h"
#include "space/SceneBox.h"

namespace korvane::spacetest {
namespace {

using platform::Primitive;

// A record compiled and sampled, in a view fitted to its box.
struct SlowScene {
    SlowScene(std::int16_t kind, const std::vector<std::string>& texts, SpacePoint observer) {
        c.Make(e, kind, texts);
        ComputeGrid(c.context, e, grid);
        view.boxMin = RecordBoxMin(e);
        view.boxMax = RecordBoxMax(e);
        view.focus = 0.5L * (view.boxMin + view.boxMax);
        view.observer = observer;
        view.RecomputeScale();
        view.ObserverChanged();
        PictureWindow w;
        view.FitWindow(false, w);
        pixels.SetClientSize(200, 200);
        pixels.SetView(w.cx, w.cy, w.rx, w.ry, false);
    }
    Compiled c;
    ExampleRecord e;
    SurfaceGrid grid;
    SpaceView view;
    View pixels;
};

// An explicit surface hides what lies under it from an observer above, by marching.
TEST(SurfaceOcclusion, ExplicitAndParametricSurfacesHideWhatIsBehind) {
    SlowScene s(kSurfaceExplicit, {"0.1x"}, {0.5L, 0.3L, 30});
    const PaintedSurface surfaces[] = {{&s.e, &s.grid}};
    SurfaceOcclusion occlusion(s.c.context, s.view, s.pixels, surfaces, {});
    struct Row {
        SpacePoint p;
        bool hidden;
    } rows[] = {{{0, 0, -0.5L}, true}, {{1, -1, -0.4L}, true}, {{0, 0, 0.5L}, false},
                {{1, 1, 0.1L + 1e-9L}, false}, {{0.5L, 0.5L, 0.05L}, false}};
    for (const Row& r : rows)
        EXPECT_EQ(occlusion.Hidden(r.p), r.hidden) << r.p;

    // The sphere hides a point behind it only with "Ocultar paramétricas"; its own front
    // points stay.
    const SpacePoint observer{60, 80, 60};
    SlowScene sphere(kSurfaceParametric, {}, observer);
    const PaintedSurface spheres[] = {{&sphere.e, &sphere.grid}};
    const SpacePoint toward = (1 / Length(observer)) * observer;
    const SpacePoint behind = -2.0L * toward, front = 1.0L * toward;
    HiddenTestOptions on;
    on.hideParametric = true;
    SurfaceOcclusion hiding(sphere.c.context, sphere.view, sphere.pixels, spheres, on);
    EXPECT_TRUE(hiding.Hidden(behind));
    EXPECT_FALSE(hiding.Hidden(front));
    SurfaceOcclusion off(sphere.c.context, sphere.view, sphere.pixels, spheres, {});
    EXPECT_FALSE(off.Hidden(behind));
}

// Slow drawing draws lines curve by curve, fewer when the far side is hidden, and stops at S.
TEST(DrawSlowSurfaces, DrawsCurvesHidesTheFarSideAndStops) {
    SlowScene s(kSurfaceParametric, {}, {60, 80, 60});
    s.e.SetFlag(spo::kSlow, true);
    const PaintedSurface surfaces[] = {{&s.e, &s.grid}};
    auto lines = [&](bool hide, std::function<bool()> poll) {
        platform::RecordingSurface out(platform::Size{200, 200});
        HiddenTestOptions options;
        options.hideParametric = hide;
        const SlowDrawResult r = DrawSlowSurfaces(s.c.context, s.view, s.pixels, surfaces, options, out, poll, {});
        return std::make_pair(out.OfKind(Primitive::Line).size(), r.stopped);
    };
    const auto all = lines(false, {});
    const auto hidden = lines(true, {});
    const auto stopped = lines(false, [] { return true; });
    EXPECT_FALSE(all.second);
    EXPECT_GT(all.first, 2u * 25u * 100u);
    EXPECT_LT(hidden.first, all.first * 3 / 4);
    EXPECT_GT(hidden.first, all.first / 4);
    EXPECT_TRUE(stopped.second);
    EXPECT_LE(stopped.first, 150u);
    // A family over A with two steps draws every curve three times, A put back after.
    s.e.SetFlag(exo::kIsFamily, true);
    s.e.SetI16(exo::kFamilyLetter, 'A');
    s.e.SetI16(exo::kFamilySteps, 2);
    s.e.SetReal(exo::kFamilyFirst, 1);
    s.e.SetReal(exo::kFamilyLast, 3);
    s.c.context.SetLetter(1, 7);
    EXPECT_EQ(lines(false, {}).first, 3 * all.first);
    EXPECT_EQ(s.c.context.letterValues[1].re, 7);
}

} // namespace
} // namespace korvane::spacetest
