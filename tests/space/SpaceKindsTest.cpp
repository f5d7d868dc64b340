// Curves, segments, points, tubes and planes: their geometry against closed forms, their
// boxes, their drawing and their dialogs.
#include "SpaceWindowTestSupport.h"
#include "SurfaceTestSupport.h"

#include "platform/memory/MemoryDialog.h"
#include "platform/memory/MemoryWindow.h"
#include "platform/FileIO.h"
#include "space/TLevelWin.h"
#include "space/TRDSWin.h"
#include "space/LevelCurves.h"
#include "space/SpaceKinds.h"
#include "space/SpaceSystems.h"
#include "space/SurfaceGrid.h"
#include "graph/ColourTable.h"
#include "plane/TTimeWin.h"
#include "plane/TInventDlg.h"
#include "space/TDeriveDlg.h"
#include "space/TLevelsDlg.h"
#include "space/TSpaceObjectDlg.h"
#include "space/TSurfaceDlg.h"

#include <cmath>
#include <algorithm>
#include <array>
#include <functional>
#include <regex>
#include <numbers>

namespace korvane::spacetest {
namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;

// Every tube point lies at distance r(t) from the curve point, square to the tangent;
// u = 0 and u = π are opposite each other.
TEST(Tube, PointsCircleTheCurveSquareToItsTangent) {
    using F = std::function<SpacePoint(long double)>;
    struct Row {
        const char* rule;
        std::vector<std::string> texts;
        F curve, tangent;
        std::function<long double(long double)> radius;
    } rows[] = {
        {"helix", {"cos(7t)", "sin(7t)", "t", "0.3"}, [](long double t) { return SpacePoint{cosl(7 * t), sinl(7 * t), t}; },
         [](long double t) { return SpacePoint{-7 * sinl(7 * t), 7 * cosl(7 * t), 1}; }, [](long double) { return 0.3L; }},
        {"along the z axis", {"0", "0", "2t", "0.5"}, [](long double t) { return SpacePoint{0, 0, 2 * t}; },
         [](long double) { return SpacePoint{0, 0, 2}; }, [](long double) { return 0.5L; }},
        {"a circle in the xz plane, growing radius", {"cos(t)", "0", "sin(t)", "0.2+0.1t"},
         [](long double t) { return SpacePoint{cosl(t), 0, sinl(t)}; },
         [](long double t) { return SpacePoint{-sinl(t), 0, cosl(t)}; }, [](long double t) { return 0.2L + 0.1L * t; }},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.rule);
        Compiled c;
        ExampleRecord e;
        c.Make(e, kSurfaceTube, r.texts);
        ASSERT_EQ(FinishSpaceCompile(c.compiler, e), 0);
        SurfaceSampler sampler(c.context, e);
        ASSERT_TRUE(sampler.Usable());
        for (long double t : {0.0L, 0.7L, 2.0L, 5.5L}) {
            const SpacePoint centre = r.curve(t), tangent = r.tangent(t);
            SpacePoint first;
            for (long double u : {0.0L, 1.0L, kPi, 4.0L}) {
                SpacePoint p;
                ASSERT_TRUE(sampler.At(t, u, p));
                const SpacePoint d = p - centre;
                EXPECT_NEAR((double)Length(d), (double)r.radius(t), 1e-12);
                EXPECT_NEAR((double)(Dot(d, tangent) / Length(tangent)), 0, 1e-12);
                if (u == 0)
                    first = d;
                if (u == kPi) {
                    EXPECT_NEAR((double)Length(d + first), 0, 1e-12);
                }
            }
        }
    }
}

// A surface of revolution keeps the curve's coordinate along the axis and its distance
// from the axis, whatever kind of plane example it came from.
TEST(Revolution, PointsKeepTheCurvesDistanceFromTheAxis) {
    using C = std::function<std::pair<long double, long double>(long double)>;
    struct Row {
        const char* rule;
        std::int16_t kind;
        std::vector<std::string> texts; // plane slots 0.., as the plane dialog keeps them
        int axis;
        C curve;
    } rows[] = {
        {"explicit about x", kExplicit, {"", "1+xx/4"}, 0, [](long double t) { return std::pair{t, 1 + t * t / 4}; }},
        {"explicit about y", kExplicit, {"", "1+xx/4"}, 1, [](long double t) { return std::pair{t, 1 + t * t / 4}; }},
        {"polar about x", kPolar, {"", "", "1+0.5cos(t)"}, 0,
         [](long double t) { return std::pair{(1 + 0.5L * cosl(t)) * cosl(t), (1 + 0.5L * cosl(t)) * sinl(t)}; }},
        {"parametric about y", kParametric, {"2+cos(t)", "sin(t)"}, 1,
         [](long double t) { return std::pair{2 + cosl(t), sinl(t)}; }},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.rule);
        ExampleRecord plane, e;
        plane.Initialise(r.kind, 4);
        for (std::size_t k = 0; k < r.texts.size(); ++k)
            plane.texts[k] = r.texts[k];
        plane.SetReal(exo::kMinimum, -2);
        plane.SetReal(exo::kMaximum, 3);
        ASSERT_TRUE(MakeRevolution(plane, r.axis, 4, e));
        EXPECT_EQ(e.Real(exo::kMaximum), 3);
        Compiled c;
        ASSERT_EQ(CompileExample(c.compiler, e, false), 0);
        ASSERT_EQ(FinishSpaceCompile(c.compiler, e), 0);
        SurfaceSampler sampler(c.context, e);
        for (long double t : {-2.0L, 0.5L, 3.0L})
            for (long double u : {0.0L, 1.0L, 4.0L}) {
                SpacePoint p;
                ASSERT_TRUE(sampler.At(t, u, p));
                const auto [x, y] = r.curve(t);
                const long double along = r.axis == 0 ? p.x : p.y;
                const long double across = r.axis == 0 ? std::hypot(p.y, p.z) : std::hypot(p.x, p.z);
                EXPECT_NEAR((double)along, (double)(r.axis == 0 ? x : y), 1e-15);
                EXPECT_NEAR((double)across, (double)std::fabs(r.axis == 0 ? y : x), 1e-15);
            }
    }
    ExampleRecord implicit, out;
    implicit.Initialise(kImplicit, 4);
    implicit.texts[2] = "xx+yy=1";
    EXPECT_FALSE(MakeRevolution(implicit, 0, 4, out));
}

// The plane's points satisfy its equation; its sides are square and of the given size.
TEST(Plane, ParallelogramLiesInThePlaneWithSquareSides) {
    struct Row {
        SpacePoint normal, at;
        long double size;
    } rows[] = {
        {{2.54L, 1.732L, 2.718L}, {1.618L, 3.142L, 1.414L}, 2}, {{0, 0, 1}, {0, 0, -3}, 5},
        {{1, 0, 0}, {1, 2, 3}, 0.5L}, {{-1, 1e-3L, 7}, {1e6L, -2, 0}, 100},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.size);
        Compiled c;
        ExampleRecord e;
        std::string formulas[3];
        ASSERT_TRUE(PlaneFormulas(r.normal, r.at, r.size, formulas));
        c.Make(e, kSurfacePlane, {formulas[0], formulas[1], formulas[2]});
        SurfaceSampler sampler(c.context, e);
        auto at = [&](long double t, long double u) {
            SpacePoint p;
            EXPECT_TRUE(sampler.At(t, u, p));
            return p;
        };
        const long double tolerance = 1e-12L * (1 + Length(r.at));
        for (long double t : {-1.0L, 0.3L, 1.0L})
            for (long double u : {-1.0L, 0.0L, 0.9L})
                EXPECT_NEAR((double)(Dot(r.normal, at(t, u) - r.at) / Length(r.normal)), 0, (double)tolerance);
        const SpacePoint side1 = at(1, 0) - at(-1, 0), side2 = at(0, 1) - at(0, -1);
        EXPECT_NEAR((double)Length(side1), (double)r.size, (double)tolerance);
        EXPECT_NEAR((double)Length(side2), (double)r.size, (double)tolerance);
        EXPECT_NEAR((double)Dot(side1, side2), 0, (double)tolerance);
        EXPECT_NEAR((double)Length(at(0, 0) - r.at), 0, (double)tolerance);
    }
    std::string none[3];
    EXPECT_FALSE(PlaneFormulas({0, 0, 0}, {1, 1, 1}, 2, none));
}

// Automatic boxes of curves, segments and points, of every member of a family; points
// typed in cylindrical and spherical coordinates.
TEST(SampledBox, CurvesSegmentsAndPointsInEachCoordinates) {
    struct Row {
        const char* rule;
        std::int16_t kind;
        std::vector<std::string> texts; // formulas, or a segment's or point's numbers
        bool axes;
        long double familyLast; // not 0: a family of A = 0, familyLast / 2, familyLast
        SpacePoint low, high;
        double tolerance;
    } rows[] = {
        // A curve in the plane z = 2: height 1 around it, then 1 % at each end.
        {"flat circle", kSpaceCurve, {"cos(t)", "sin(t)", "2"}, false, 0, {-1.02L, -1.02L, 1.49L}, {1.02L, 1.02L, 2.51L}, 1e-3},
        {"helix", kSpaceCurve, {}, false, 0, {-1.02L, -1.02L, -0.02L * kPi}, {1.02L, 1.02L, 2.02L * kPi}, 2e-3},
        {"segment", kSpaceSegment, {"0", "1", "2", "2", "", "1", "4"}, false, 0, {-0.02L, 0.49L, 1.98L}, {2.02L, 1.51L, 4.02L}, 1e-15},
        {"point", kSpacePoint, {"1", "2", "3"}, false, 0, {0.75L, 1.75L, 2.75L}, {1.25L, 2.25L, 3.25L}, 1e-15},
        {"point with the axes", kSpacePoint, {"1", "2", "3"}, true, 0, {0, 0, 0}, {1.25L, 2.25L, 3.25L}, 1e-15},
        {"family of segments", kSpaceSegment, {"0", "0", "0", "A", "", "1", "0"}, false, 2, {-0.02L, -0.01L, -0.51L}, {2.02L, 1.01L, 0.51L}, 1e-15},
        {"family of points", kSpacePoint, {"0", "A", "0"}, false, 2, {-0.25L, -0.25L, -0.25L}, {0.25L, 2.25L, 0.25L}, 1e-15},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.rule);
        Compiled c;
        ExampleRecord e;
        InitialiseSpaceObject(e, r.kind, 4);
        for (std::size_t k = 0; k < r.texts.size(); ++k)
            e.texts[k] = r.texts[k];
        e.SetFlag(exo::kIsFamily, r.familyLast != 0);
        e.SetI16(exo::kFamilySteps, 2);
        e.SetReal(exo::kFamilyLast, r.familyLast);
        ASSERT_EQ(CompileExample(c.compiler, e, false), 0);
        ASSERT_EQ(FinishSpaceCompile(c.compiler, e), 0);
        ComputeSampledBox(c.context, e, r.axes);
        const SpacePoint low = RecordBoxMin(e), high = RecordBoxMax(e);
        EXPECT_NEAR((double)Length(low - r.low), 0, r.tolerance) << low;
        EXPECT_NEAR((double)Length(high - r.high), 0, r.tolerance) << high;
    }
    // Points in cylindrical and spherical coordinates.
    struct Typed {
        int type;
        SpacePoint typed, at;
    } points[] = {{0, {1, 2, 3}, {1, 2, 3}}, {1, {2, kPi / 2, 5}, {0, 2, 5}},
                  {2, {2, 0, kPi / 2}, {2, 0, 0}}, {2, {3, kPi / 2, 0}, {0, 0, 3}}};
    for (const Typed& r : points) {
        ExampleRecord e;
        InitialiseSpaceObject(e, kSpacePoint, 4, r.type);
        WritePoint(e, sko::kPointAt, r.typed);
        EXPECT_NEAR((double)Length(PointPosition(e) - r.at), 0, 1e-15) << r.type;
    }
}

// In the window: the first point switches the axes on; a segment is one stroke unless an
// explicit surface could cut it; the curve's arrow adds its two strokes; bad fields are
// refused and nothing is added.
TEST_F(SpaceWindowTest, SpaceObjectsInTheWindow) {
    auto lines = [&] { return Paint(*window, platform::Primitive::Line).size(); };
    New(cmd::kNewPoint);
    EXPECT_TRUE(window->Axes().axesShown);
    EXPECT_EQ(Paint(*window, platform::Primitive::Ellipse).size(), 1u);
    window = MakeWindow();
    New(cmd::kNewSegment, {{219, "40"}});
    EXPECT_EQ(lines(), 1u);
    window->Examples()[0].SetFlag(exo::kIsFamily, true); // A from 0 to 1 in 20 steps
    EXPECT_EQ(lines(), 21u) << "a stroke per member";
    window->Examples()[0].SetFlag(exo::kIsFamily, false);
    New(cmd::kNewSurfaceExplicit, {{213, "0.1x"}}, {TSurfaceDlg::kFast});
    window->Examples()[1].SetShown(true);
    const std::size_t withSurface = lines();
    window->Examples()[1].SetShown(false);
    EXPECT_EQ(lines(), 1u) << "a hidden surface cuts nothing";
    window->Examples()[1].SetShown(true);
    EXPECT_GT(withSurface, 2u * 24 * 150) << "the slow surface's curves and the segment's 40 pieces";

    window = MakeWindow();
    New(cmd::kNewCurve, {{219, "100"}});
    const std::size_t plain = lines();
    EXPECT_EQ(plain, 100u);
    platform.ScriptModal([](platform::MemoryDialog& d) {
        d.Press(TSpaceObjectDlg::kArrow);
        d.Enter();
    });
    window->EditExample(0, false);
    EXPECT_EQ(lines(), plain + 2);

    struct Refusal {
        const char* rule;
        int command;
        Typing typing;
        std::vector<int> presses;
    } refusals[] = {
        {"an arrow beyond the curve", cmd::kNewCurve, {{225, "7"}}, {TSpaceObjectDlg::kArrow}},
        {"an arrow of 0 pixels", cmd::kNewCurve, {{226, "0"}}, {}},
        {"a point of size 0", cmd::kNewPoint, {{226, "0"}}, {}},
        {"a segment end that does not evaluate", cmd::kNewSegment, {{215, "1/"}}, {}},
        {"a plane without a normal", cmd::kNewPlane, {{211, "0"}, {212, "0"}, {213, "0"}}, {}},
        {"a plane of size 0", cmd::kNewPlane, {{215, "0"}}, {}},
        {"a plane point of two numbers", cmd::kNewPlane, {{214, "1,2"}}, {}},
        {"a tube radius that does not compile", cmd::kNewTube, {{214, "0.3+"}}, {}},
        {"an implicit surface without =", cmd::kNewSurfaceImplicit, {{211, "xx+yy+zz"}}, {}},
        {"an implicit box upside down", cmd::kNewSurfaceImplicit, {{235, "3"}}, {}},
    };
    for (const Refusal& r : refusals) {
        SCOPED_TRACE(r.rule);
        const int count = window->Examples().Count();
        const std::size_t messages = platform.Messages().size();
        platform.ScriptModal([&](platform::MemoryDialog& d) {
            for (const auto& [id, text] : r.typing)
                EXPECT_TRUE(d.Type(id, text));
            for (int id : r.presses)
                EXPECT_TRUE(d.Press(id));
            d.Enter();
            EXPECT_FALSE(d.Ended());
            d.Escape();
        });
        window->OnCommand(r.command);
        EXPECT_EQ(window->Examples().Count(), count);
        EXPECT_EQ(platform.Messages().size(), messages + 1);
    }
}

// The sphere xx+yy+zz=4 cut at z = c and x = c: every point of every curve lies on the
// circle of radius sqrt(4 - c^2) at that level; a level that misses and a level searched
// again add nothing; "descartar mudanças" leaves the record's list as it was.
TEST_F(SpaceWindowTest, LevelCurvesOfTheSphere) {
    using L = TLevelsDlg;
    const std::size_t messages = platform.Messages().size();
    window->OnCommand(cmd::kLevelCurves);
    EXPECT_EQ(platform.Messages().size(), messages + 1) << "no surface to cut";
    New(cmd::kNewSurfaceImplicit);
    window->OnCommand(cmd::kLevelCurves);
    platform::MemoryDialog* d = platform.FindDialog("LEVELS");
    ASSERT_NE(d, nullptr);
    ASSERT_NE(window->LevelWindow(), nullptr);
    const auto levels = [&] {
        std::map<long double, int> count;
        for (const TrajectoryRecord& r : window->LevelsDialog()->Curves())
            ++count[LevelOf(r)];
        return count;
    };
    const auto onTheSphere = [&] {
        EvalContext& context = window->Context();
        LevelField field(context, window->Examples()[0]);
        long points = 0;
        for (const TrajectoryRecord& r : window->LevelsDialog()->Curves()) {
            const long double c = LevelOf(r);
            const int axis = LevelAxisOf(r);
            FollowLevelPiece(field, r, [&](const SpacePoint& p) {
                ++points;
                const long double level = axis == 0 ? p.x : axis == 1 ? p.y : p.z;
                EXPECT_EQ(level, c);
                EXPECT_NEAR(static_cast<double>(Dot(p, p)), 4.0, 2e-3) << p;
                return true;
            });
        }
        return points;
    };
    d->Type(L::kMinimum, "-1.5");
    d->Type(L::kMaximum, "1.5");
    d->Type(L::kCount, "4");
    d->Press(L::kAuto);
    EXPECT_EQ(levels().size(), 4u);
    EXPECT_GT(onTheSphere(), 4 * 300);
    const std::size_t found = window->LevelsDialog()->Curves().size();
    struct Row {
        const char *rule, *current;
    } again[] = {{"a level above the sphere", "2.05"}, {"a level found before", "0.5"}};
    for (const Row& row : again) {
        SCOPED_TRACE(row.rule);
        d->Type(L::kCurrent, row.current);
        d->Press(L::kSearch);
        EXPECT_EQ(window->LevelsDialog()->Curves().size(), found);
    }
    d->Press(L::kAxisX);
    d->Type(L::kCurrent, "1");
    d->Press(L::kSearch);
    const std::size_t total = window->LevelsDialog()->Curves().size();
    EXPECT_GT(total, found);
    EXPECT_GT(onTheSphere(), 5 * 300);
    d->Press(L::kKeep);
    const std::vector<TrajectoryRecord> kept = window->Examples()[0].trajectories;
    EXPECT_EQ(kept.size(), total);

    window->OnCommand(cmd::kLevelCurves);
    d->Press(L::kDeleteAll);
    d->Press(L::kAxisX);
    d->Press(L::kSearch);
    d->Press(L::kDiscard);
    ASSERT_EQ(window->Examples()[0].trajectories.size(), kept.size());
    for (std::size_t k = 0; k < kept.size(); ++k)
        EXPECT_EQ(window->Examples()[0].trajectories[k].Store(), kept[k].Store());

    struct Refusal {
        const char* rule;
        int field;
        const char* text;
    } refusals[] = {{"no level", L::kCount, "0"},
                    {"more levels than kept", L::kCount, "1001"},
                    {"a maximum below the minimum", L::kMaximum, "-3"},
                    {"a level that does not evaluate", L::kCurrent, "1/"}};
    for (const Refusal& r : refusals) {
        SCOPED_TRACE(r.rule);
        window->OnCommand(cmd::kLevelCurves);
        const std::size_t messages = platform.Messages().size();
        d->Type(r.field, r.text);
        d->Press(L::kSearch);
        EXPECT_EQ(platform.Messages().size(), messages + 1);
        EXPECT_EQ(window->LevelsDialog()->Curves().size(), kept.size());
    }
    // A piece of a million tiny steps: S stops it on the way.
    TrajectoryRecord& piece = window->Examples()[0].trajectories.at(0);
    piece.SetReal(tro::kStepSize, 1e-6L);
    piece.SetReal(tro::kStartT, 0);
    piece.SetReal(tro::kEndT, 1e6L);
    auto& memory = dynamic_cast<platform::MemoryWindow&>(*window->GetWindow());
    memory.onPeek = [](platform::MemoryWindow& m) { m.QueueKey('S'); };
    EXPECT_LT(Paint(*window, platform::Primitive::Line).size(), 2048u);
    memory.onPeek = nullptr;
}

// "derivar" of F = 0 is the implicit surface dF/dv = 0, without the source's level curves;
// it follows an edit of its source and a reopened document.
TEST_F(SpaceWindowTest, DerivedImplicitSurfaceIsThePartialDerivative) {
    New(cmd::kNewSurfaceImplicit);
    window->Examples()[0].trajectories.emplace_back();
    window->OnCommand(920); // "Inventário ..."
    platform.ScriptModal([](platform::MemoryDialog& d) {
        d.Press(TDeriveDlg::kByZ);
        d.Enter();
    });
    platform::MemoryDialog* inventory = platform.FindDialog("INVENT");
    ASSERT_NE(inventory, nullptr);
    ASSERT_TRUE(inventory->Select(TInventDlg::kList, 0));
    ASSERT_TRUE(inventory->Press(TInventDlg::kDerive));
    using Derivative = long double (*)(const SpacePoint&);
    const auto expectDerivative = [](TPlot3Win& w, Derivative dF) {
        ASSERT_EQ(w.Examples().Count(), 2);
        const ExampleRecord& d = w.Examples()[1];
        EXPECT_EQ(d.Kind(), kSurfaceImplicit);
        EXPECT_TRUE(d.trajectories.empty());
        LevelField field(w.Context(), d);
        for (const SpacePoint& p : {SpacePoint{1, 2, 3}, SpacePoint{-0.5L, 0.25L, -2}}) {
            long double f = 0;
            ASSERT_TRUE(field.Value(p, f)) << p;
            EXPECT_NEAR(static_cast<double>(f), static_cast<double>(dF(p)), 1e-15) << p;
        }
    };
    expectDerivative(*window, [](const SpacePoint& p) { return 2 * p.z; });
    ScriptOk({{211, "xx+yy+zzz=4"}});
    window->EditExample(0, false);
    const Derivative cubic = [](const SpacePoint& p) { return 3 * p.z * p.z; };
    expectDerivative(*window, cubic);
    const std::string path = (folder.Path() / "derivada.kv3").string();
    ASSERT_EQ(window->SaveDocument(path), 0);
    auto reopened = MakeWindow();
    ASSERT_EQ(reopened->OpenDocument(path), 0);
    expectDerivative(*reopened, cubic);
}

// Systems by Runge-Kutta against their closed forms, sequences term by term; a path
// that runs off to infinity or leaves the box with "clip trajetórias" ends there.
TEST(SpaceSystem, TrajectoriesFollowTheirClosedForms) {
    struct Row {
        const char* rule;
        std::int16_t kind;
        std::vector<std::string> texts;
        SpacePoint start;
        long double t0, end, step;
        bool clip;
        SpaceTrajectoryEnd ending;
        SpacePoint last;
        double tolerance;
    } rows[] = {
        {"rotation and rise", kSpaceSystem, {"-y", "x", "1"}, {1, 0, 0}, 0, 2 * kPi, 0.01L, false,
         SpaceTrajectoryEnd::Completed, {1, 0, 2 * kPi}, 1e-9},
        {"backwards in time", kSpaceSystem, {"x", "-2y", "t"}, {1, 1, 0}, 1, 0, 0.001L, false,
         SpaceTrajectoryEnd::Completed, {expl(-1), expl(2), -0.5L}, 1e-11},
        {"default sequence: a turn and a rise per term", kSpaceRecursive, {}, {1, 0, 0}, 0, 25, 1, false,
         SpaceTrajectoryEnd::Completed, {cosl(25 * atan2l(0.28L, 0.96L)), sinl(25 * atan2l(0.28L, 0.96L)), 0.25L}, 1e-15},
        {"runs off to infinity at t = 1", kSpaceSystem, {"xx", "0", "0"}, {1, 0, 0}, 0, 2, 0.001L, false,
         SpaceTrajectoryEnd::Undefined, {}, 0},
        {"leaves the box", kSpaceSystem, {"1", "0", "0"}, {0, 0, 0}, 0, 100, 0.5L, true, SpaceTrajectoryEnd::LeftBox,
         {30, 0, 0}, 1e-12},
        // A damaged step: the path ends after the most steps a drawing makes.
        {"a step far too small", kSpaceSystem, {"1", "0", "0"}, {0, 0, 0}, 0, 1, 1e-12L, false,
         SpaceTrajectoryEnd::StepLimit, {kMaxSpaceSteps * 1e-12L, 0, 0}, 1e-15},
        {"a sequence undefined at once", kSpaceRecursive, {"ln(x)", "y", "z"}, {-1, 0, 0}, 0, 5, 1, false,
         SpaceTrajectoryEnd::Undefined, {-1, 0, 0}, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.rule);
        Compiled c;
        ExampleRecord e;
        InitialiseSpaceSystem(e, r.kind, 4);
        for (std::size_t k = 0; k < r.texts.size(); ++k)
            e.texts[k] = r.texts[k];
        e.SetFlag(sko::kClip, r.clip);
        ASSERT_EQ(CompileExample(c.compiler, e, false), 0);
        int visits = 0;
        const SpaceTrajectoryOutcome out = FollowSpaceTrajectory(
            c.context, e, MakeSpaceTrajectory(r.start, r.t0, r.end, r.step), [&](const SpacePoint&, long double) { ++visits; }, {});
        EXPECT_EQ(out.end, r.ending);
        EXPECT_EQ(visits, out.steps + 1);
        if (r.tolerance > 0) {
            EXPECT_NEAR((double)Length(out.last - r.last), 0, r.tolerance) << out.last;
        }
    }
}

// x' = 1, y' = 2, z' = -1 from the origin for t in 0..2 from the menu: inconsistent initial
// values are refused; the x, y and z windows draw the lines x = t, y = 2t, z = -t, the
// combined window all three; before the trajectory the windows are empty, and the new
// trajectory repaints them; S stops the space window's drawing.
TEST_F(SpaceWindowTest, SystemTrajectoriesAndTheirTimeWindows) {
    const auto curves = [&](TTimeWin& w) {
        auto raster = platform.CreateSurface(w.ClientSize());
        platform::RecordingSurface out(*raster);
        w.DrawBase(out);
        std::vector<platform::Primitive> lines;
        for (const platform::Primitive& p : out.OfKind(platform::Primitive::Line))
            if (window->Examples().Count() > 0 && p.pen.colour == ColourRGB(window->Examples()[0].Colour()))
                lines.push_back(p);
        return lines;
    };
    New(cmd::kNewSystem, {{211, "1"}, {212, "2"}, {213, "-1"}});
    EXPECT_EQ(RecordBoxMax(window->Examples()[0]), (SpacePoint{30, 30, 50}));
    TTimeWin* windows[4];
    for (int k = 0; k < 4; ++k)
        windows[k] = window->OpenTimeWindow(k);
    struct Row {
        Typing typing;
        std::size_t trajectories;
    } rows[] = {{{{216, "0"}}, 0}, {{{215, "0"}}, 0}, {{{216, "1/"}}, 0},
                {{{211, "0"}, {212, "0"}, {213, "0"}, {214, "0"}, {215, "2"}, {216, "0.01"}}, 1}};
    for (const Row& r : rows) {
        for (TTimeWin* w : windows)
            EXPECT_TRUE(curves(*w).empty()) << "no trajectory yet";
        platform.ScriptModal([&](platform::MemoryDialog& d) {
            for (const auto& [id, text] : r.typing)
                d.Type(id, text);
            d.Enter();
            if (!d.Ended())
                d.Escape();
        });
        window->OnCommand(cmd::kSystemTrajectory);
        EXPECT_EQ(window->Examples()[0].trajectories.size(), r.trajectories);
    }
    EXPECT_FALSE(windows[0]->PictureValid()) << "a new trajectory repaints";
    const long double slopes[3] = {1, 2, -1};
    for (int k = 0; k < 3; ++k) {
        SCOPED_TRACE(k);
        const View& v = windows[k]->GetView();
        const std::vector<platform::Primitive> lines = curves(*windows[k]);
        EXPECT_EQ(lines.size(), 200u);
        for (const platform::Primitive& p : lines)
            for (const platform::Point& at : p.points)
                EXPECT_NEAR(static_cast<double>(v.ToWorldY(at.y)), static_cast<double>(slopes[k] * v.ToWorldX(at.x)),
                            static_cast<double>(3 * (v.unitY + std::fabs(slopes[k]) * v.unitX)));
    }
    EXPECT_EQ(curves(*windows[3]).size(), 3 * 200u) << "three curves per trajectory";
    New(cmd::kNewSystem); // the default system's path is long
    New(cmd::kSystemTrajectory);
    const std::size_t drawn = Paint(*window, platform::Primitive::Line).size();
    EXPECT_GT(drawn, 100u);
    platform::MemoryWindow& w = *dynamic_cast<platform::MemoryWindow*>(window->GetWindow());
    w.onPeek = [](platform::MemoryWindow& m) { m.QueueKey('S'); };
    EXPECT_LT(Paint(*window, platform::Primitive::Line).size(), drawn);
    w.onPeek = nullptr;
}

// The level-curve, time and stereogram windows (axes off) write their pictures from the
// menu in world units: the line x = t of x' = 1, the circle where the sphere meets z = 0,
// and the screen's own stereogram dots, each row's as bars a dot high.
TEST_F(SpaceWindowTest, TheSmallWindowsWriteTheirPictures) {
    using Pairs = std::vector<std::array<double, 2>>;
    const struct {
        std::function<TPlot1Win*()> open;
        std::function<void(const View&, const Pairs&)> check;
    } rows[] = {
        {[&] {
             New(cmd::kNewSystem, {{211, "1"}, {212, "2"}, {213, "-1"}});
             New(cmd::kSystemTrajectory,
                 {{211, "0"}, {212, "0"}, {213, "0"}, {214, "0"}, {215, "2"}, {216, "0.01"}});
             return static_cast<TPlot1Win*>(window->OpenTimeWindow(0));
         },
         [](const View& v, const Pairs& p) {
             for (const auto& [t, x] : p)
                 EXPECT_TRUE(std::fabs(x - t) < 2 * (v.unitX + v.unitY) && t > -0.1 && t < 2.1) << t << " " << x;
         }},
        {[&] {
             New(cmd::kNewSurfaceImplicit);
             window->OnCommand(cmd::kLevelCurves);
             window->LevelWindow()->TraceLevel(2, 0, 4);
             return static_cast<TPlot1Win*>(window->LevelWindow());
         },
         [](const View& v, const Pairs& p) {
             for (const auto& [x, y] : p)
                 EXPECT_NEAR(std::hypot(x, y), 2.0, 2 * v.unitX);
         }},
        {[&] {
             New(cmd::kNewSurfaceExplicit);
             window->Examples()[0].SetI16(exo::kColour, 4); // red, the guide dots black
             window->DrawStereogramWindow();
             return static_cast<TPlot1Win*>(window->StereogramWindow());
         },
         [&](const View& v, const Pairs& p) {
             auto screen = platform.CreateSurface(window->StereogramWindow()->ClientSize());
             window->StereogramWindow()->DrawBase(*screen);
             std::vector<int> ink(static_cast<std::size_t>(v.clientW * v.clientH));
             for (int i = 0; i < v.clientW * v.clientH; ++i)
                 ink[i] = screen->GetPixel({i % v.clientW, i / v.clientW}) == platform::Rgb{255, 0, 0};
             const long dots = std::count(ink.begin(), ink.end(), 1);
             for (std::size_t i = 0; i + 1 < p.size(); i += 2) // a bar's ends, at its middle height
                 for (long x = std::lround((p[i][0] - v.xmin) / v.unitX); x < std::lround((p[i + 1][0] - v.xmin) / v.unitX); ++x)
                     --ink[static_cast<std::size_t>(std::lround((v.ymax - p[i][1]) / v.unitY - 0.5) * v.clientW + x)];
             EXPECT_GT(dots, v.clientW * v.clientH / 20);
             EXPECT_EQ(std::count(ink.begin(), ink.end(), 0), v.clientW * v.clientH) << "every dot once, nothing else";
         }},
    };
    for (const auto& row : rows) {
        window = MakeWindow();
        window->SetFileName(folder.File("aula.kv3"));
        TPlot1Win& w = *row.open();
        w.Axes().axesShown = false;
        platform.AnswerFileDialog(folder.File("janela.tex"));
        platform.ScriptModal([](platform::MemoryDialog& d) { d.Enter(); });
        ASSERT_TRUE(static_cast<platform::MemoryWindow*>(w.GetWindow())->ChooseMenu(cmd::kPicTeX)) << "enabled";
        EXPECT_EQ(platform.FileDialogs().back().request.initialPath, folder.File("semnome.tex")) << "by the document";
        std::vector<std::uint8_t> bytes;
        ASSERT_TRUE(ReadWholeFile(folder.File("janela.tex"), bytes));
        // The numbers after \setlinear, but for those of \linethickness and of marks, in pairs.
        const std::string all(bytes.begin(), bytes.end());
        const std::string text =
            std::regex_replace(all.substr(all.find("\\setlinear")), std::regex(R"(\\(linethickness|put \{)[^\n]*)"), "");
        std::vector<double> v;
        const std::regex number(R"(-?\d+\.\d+)");
        for (std::sregex_iterator i(text.begin(), text.end(), number), end; i != end; ++i)
            v.push_back(std::stod(i->str()));
        Pairs pairs;
        for (std::size_t i = 0; i + 1 < v.size(); i += 2)
            pairs.push_back({v[i], v[i + 1]});
        EXPECT_GT(pairs.size(), 50u);
        row.check(w.GetView(), pairs);
    }
}

} // namespace
} // namespace korvane::spacetest
