// Implicit curves: the search and its counts, one closed piece for a circle, nothing
// without a sign change or across a pole, the pieces as records, replays that draw the
// same picture without searching, families, "busca longa", "olhar", the key S, and the
// redraw of a plane window with and without command 810.
#include "plane/ImplicitCurve.h"

#include "PictureTestSupport.h"
#include "tests/support/PlaneScene.h"
#include "tests/support/PlaneWindowTestSupport.h"
#include "plane/PlaneCommands.h"
#include "plane/TPlot2Win.h"
#include "platform/memory/MemoryPlatform.h"
#include "platform/memory/RasterSurface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <vector>

namespace korvane {
namespace {

using testing::PlaneScene;
using testing::ColourOfIndex;

ImplicitDrawStats Search(PlaneScene& picture, ExampleRecord& example) {
    PlaneDrawContext context = picture.Context();
    return DrawImplicitCounted(context, example);
}

// The sweep's lattice over the 500 x 500 picture.
constexpr long kLatticeNodes = (500 / kImplicitSweepPixels + 1) * (500 / kImplicitSweepPixels + 1);

// xx+yy=13 lies inside the window: the first start point gives one piece that closes, so
// the second direction is never traced, and every later start point lies on it. The piece's
// record: start point on the curve, the tangent (-dF/dY, dF/dX) as slots 5 negated and 4,
// the example's pen. Without derivative trees (symbolic derivatives off, or a derivative too
// large to build) the tangent comes from central differences of F, to the same circle.
TEST(ImplicitCurve, CircleIsOneClosedPieceTracedOneWay) {
    struct Row {
        std::uint64_t seed;
        bool derivatives;
        std::int16_t width;
    };
    for (const Row row : {Row{1, true, 2}, Row{2, true, 1}, Row{3, true, 1}, Row{12345, true, 1},
                          Row{12345, false, 1}}) {
        SCOPED_TRACE(::testing::Message() << "seed " << row.seed << " trees " << row.derivatives);
        PlaneScene picture;
        picture.random.Seed(row.seed);
        ExampleRecord& example = picture.AddImplicit("xx+yy-13");
        example.SetI16(exo::kColour, 9);
        example.SetI16(exo::kWidth, row.width);
        if (!row.derivatives) {
            example.compiled[4] = ExprTree();
            example.compiled[5] = ExprTree();
        }
        const ImplicitDrawStats stats = Search(picture, example);
        ASSERT_EQ(example.trajectories.size(), 1u);
        EXPECT_EQ(stats.pieces, 1);
        EXPECT_GT(stats.startPoints, 1);
        EXPECT_EQ(stats.skipped, stats.startPoints - 1);
        EXPECT_FALSE(example.Flag(exo::kFlag56));
        const TrajectoryRecord& piece = example.trajectories[0];
        EXPECT_EQ(piece.Byte(tro::kOpenEnd), 0);
        EXPECT_GT(piece.Real(tro::kEndT), 0);
        EXPECT_LT(piece.Real(tro::kEndT), kImplicitParameterRange);
        const long double x = piece.Real(tro::kStartX), y = piece.Real(tro::kStartY);
        EXPECT_NEAR(static_cast<double>(x * x + y * y), 13.0, 1e-3);
        EXPECT_EQ(piece.Kind(), kImplicit);
        EXPECT_EQ(piece.I16(tro::kDirectionX), 8 + 5);
        EXPECT_EQ(piece.I16(tro::kDirectionY), 4);
        EXPECT_EQ(piece.I16(tro::kDirectionZ), -1);
        EXPECT_EQ(piece.I16(tro::kColour), 9);
        EXPECT_EQ(piece.I16(tro::kWidth), row.width);
        EXPECT_EQ(piece.Real(tro::kStartT), 0);
        EXPECT_EQ(picture.raster.CountPixels(ColourOfIndex(9)), picture.Drawn());
        // About the circle's length in pixels: 2 pi sqrt(13) / 0.02.
        if (row.width == 1) {
            EXPECT_NEAR(picture.Drawn(), 1133, 120);
        }
    }
}

// Curves on a grid line or an axis: the picture is not empty there, but no piece of the
// example is, so the start points are traced.
TEST(ImplicitCurve, CurvesAlongLinesAlreadyDrawn) {
    for (const char* f : {"x-1", "y"}) {
        SCOPED_TRACE(f);
        PlaneScene picture;
        picture.raster.SetPen({{128, 128, 128}, 1, platform::PenStyle::Solid});
        picture.raster.Line({300, 0}, {300, 499}); // x = 1
        picture.raster.Line({0, 250}, {499, 250}); // y = 0
        ExampleRecord& example = picture.AddImplicit(f);
        example.SetI16(exo::kColour, 9);
        Search(picture, example);
        EXPECT_GE(picture.raster.CountPixels(ColourOfIndex(9)), 480);
        EXPECT_LE(example.trajectories.size(), 4u);
    }
}

// An inequality shades its region at every pixel of the pattern, in the example's colour,
// and nowhere else; the boundary is traced as for "=", dotted when strict.
TEST(ImplicitCurve, InequalitiesShadeExactlyTheirRegion) {
    struct Row {
        const char* equation;
        const char* f;
        std::function<bool(double, double)> holds;
        std::function<double(double, double)> distance; // to the boundary, world units
        bool strict;
        bool family = false; // members a = 1, 5, 9, each shaded with its own a
    };
    const auto ring = [](double x, double y) {
        const double r = std::hypot(x, y);
        return std::min({std::fabs(r - 1), std::fabs(r - std::sqrt(5.0)), std::fabs(r - 3)});
    };
    const Row rows[] = {
        {"xx+yy<13", "xx+yy-(13)", [](double x, double y) { return x * x + y * y < 13; },
         [](double x, double y) { return std::fabs(std::hypot(x, y) - std::sqrt(13.0)); }, true},
        {"y>=sin(x)", "y-(sin(x))", [](double x, double y) { return y >= std::sin(x); },
         [](double x, double y) { return std::fabs(y - std::sin(x)) / std::sqrt(2.0); }, false},
        {"xx+yy<a", "xx+yy-(a)", [](double x, double y) { return x * x + y * y < 9; }, ring, true, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.equation);
        PlaneScene picture;
        ExampleRecord& example = picture.AddImplicit(row.f);
        example.texts[4] = row.equation;
        example.SetI16(exo::kColour, 9);
        if (row.family) {
            example.SetFlag(exo::kIsFamily, true);
            example.SetI16(exo::kFamilyLetter, 1);
            example.SetI16(exo::kFamilySteps, 2);
            example.SetReal(exo::kFamilyFirst, 1);
            example.SetReal(exo::kFamilyLast, 9);
        }
        Search(picture, example);
        const platform::Rgb colour = ColourOfIndex(9);
        int shaded = 0, wrong = 0;
        for (int py = 0; py < 500; ++py)
            for (int px = 0; px < 500; ++px) {
                const double x = static_cast<double>(picture.view.ToWorldX(px));
                const double y = static_cast<double>(picture.view.ToWorldY(py));
                if (row.distance(x, y) < 3 * 0.02)
                    continue; // the boundary's own pixels
                const bool expected = (px + py) % 4 == 0 && row.holds(x, y);
                const bool drawn = *picture.surface.GetPixel({px, py}) == colour;
                shaded += drawn;
                wrong += drawn != expected;
            }
        EXPECT_EQ(wrong, 0);
        EXPECT_GT(shaded, 5000);
        ASSERT_FALSE(example.trajectories.empty());
        EXPECT_EQ(example.trajectories[0].I16(tro::kPenAttribute), row.strict ? 2 : 0);
    }
}

// Without a sign change every one of the 25 x 15 attempts costs two evaluations and
// nothing is found; a sign change across a pole (1/x) is refused by the bisection, a zero
// that only touches stores no piece.
TEST(ImplicitCurve, NothingToDraw) {
    struct Row {
        const char* f;
        bool exactCount;
    };
    // The last touches 0 at the lattice's corner node (-5, 5) without changing sign.
    for (const Row& row : {Row{"xx+yy+1", true}, Row{"1/x", false}, Row{"1/(xx+yy-13)", false},
                           Row{"(x+5)^2+(y-5)^2", false}}) {
        SCOPED_TRACE(row.f);
        PlaneScene picture;
        ExampleRecord& example = picture.AddImplicit(row.f);
        const ImplicitDrawStats stats = Search(picture, example);
        EXPECT_EQ(stats.startPoints, 0);
        EXPECT_TRUE(example.trajectories.empty());
        EXPECT_EQ(picture.Drawn(), 0);
        EXPECT_FALSE(example.Flag(exo::kFlag56));
        if (row.exactCount) {
            EXPECT_EQ(stats.evaluations, 2L * kImplicitTries * kImplicitAttempts + kLatticeNodes);
        }
    }
}

// An open curve: each start point gives two pieces, one each way, that end at the window
// ("fronteira") or run out of it; a replay on a clean picture draws the same pixels, draws
// no random number and adds no piece.
TEST(ImplicitCurve, ReplayDrawsTheSamePictureWithoutSearching) {
    for (const bool screenLimit : {true, false}) {
        SCOPED_TRACE(screenLimit ? "fronteira" : "no fronteira");
        PlaneScene picture;
        ExampleRecord& example = picture.AddImplicit("xy-1");
        example.SetFlag(exo::kScreenLimit, screenLimit);
        const ImplicitDrawStats search = Search(picture, example);
        EXPECT_GE(search.pieces, 4);
        EXPECT_EQ(search.pieces % 2, 0);
        const std::vector<platform::Rgb> searched = planetest::PixelsOf(picture.raster);
        const std::size_t pieces = example.trajectories.size();
        for (const TrajectoryRecord& piece : example.trajectories) {
            EXPECT_EQ(piece.Byte(tro::kOpenEnd), 0);
            EXPECT_LT(std::fabs(piece.Real(tro::kEndT)), kImplicitParameterRange);
        }

        picture.raster.Fill(platform::kWhite);
        const std::uint64_t state = picture.random.State();
        const ImplicitDrawStats replay = Search(picture, example);
        EXPECT_EQ(picture.random.State(), state);
        EXPECT_EQ(example.trajectories.size(), pieces);
        EXPECT_EQ(replay.pieces, 0);
        EXPECT_EQ(replay.startPoints, 0);
        EXPECT_LT(replay.evaluations, search.evaluations);
        EXPECT_TRUE(planetest::PixelsOf(picture.raster) == searched);
    }
}

// A pending search after a replay adds pieces only where the picture is still empty; S
// while replaying ends the drawing before any search, and the search stays pending.
TEST(ImplicitCurve, SearchAfterAReplay) {
    PlaneScene picture;
    ExampleRecord& example = picture.AddImplicit("xy-1");
    Search(picture, example);
    const std::size_t pieces = example.trajectories.size();
    example.SetFlag(exo::kFlag56, true);
    const ImplicitDrawStats again = Search(picture, example);
    EXPECT_EQ(example.trajectories.size(), pieces);
    EXPECT_EQ(again.pieces, 0);
    EXPECT_EQ(again.skipped, again.startPoints);

    example.SetFlag(exo::kFlag56, true);
    picture.polls = 0;
    picture.stopAtPoll = 5;
    const std::uint64_t state = picture.random.State();
    EXPECT_EQ(Search(picture, example).key, kStopKey);
    EXPECT_EQ(picture.random.State(), state);
    EXPECT_EQ(example.trajectories.size(), pieces);
    EXPECT_TRUE(example.Flag(exo::kFlag56));
}

// A family of circles xx+yy=a, a = 4, 10, 16: one closed piece each, carrying the member's
// value; the letter gets the window's value back.
TEST(ImplicitCurve, FamilyMembersKeepTheirLetterValue) {
    PlaneScene picture;
    picture.eval.SetLetter(1, 100);
    ExampleRecord& example = picture.AddImplicit("xx+yy-a");
    example.SetFlag(exo::kIsFamily, true);
    example.SetI16(exo::kFamilyLetter, 1);
    example.SetI16(exo::kFamilySteps, -2); // one member at a time
    example.SetReal(exo::kFamilyFirst, 4);
    example.SetReal(exo::kFamilyLast, 16);
    Search(picture, example);
    ASSERT_EQ(example.trajectories.size(), 3u);
    EXPECT_EQ(picture.pauses, 3);
    const long double values[] = {4, 10, 16};
    for (std::size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const TrajectoryRecord& piece = example.trajectories[i];
        EXPECT_EQ(piece.I16(tro::kLetter), 1);
        EXPECT_EQ(piece.Real(tro::kLetterValue), values[i]);
        const long double x = piece.Real(tro::kStartX), y = piece.Real(tro::kStartY);
        EXPECT_NEAR(static_cast<double>(x * x + y * y), static_cast<double>(values[i]), 1e-3);
    }
    EXPECT_EQ(picture.eval.GetLetter(1), 100.0L);
    // The replay draws the three members with their own values.
    picture.raster.Fill(platform::kWhite);
    Search(picture, example);
    EXPECT_NEAR(picture.Drawn(), (2 + std::sqrt(10.0) + 4) * 2 * M_PI / 0.02, 200);
}

// "busca longa" goes on past 25 tries until S; where no key can come it keeps the count.
TEST(ImplicitCurve, LongSearchRunsUntilS) {
    PlaneScene picture;
    picture.stopAtPoll = 200;
    ExampleRecord& example = picture.AddImplicit("xx+yy+1");
    example.SetFlag(exo::kFlag55, true);
    const ImplicitDrawStats stats = Search(picture, example);
    EXPECT_EQ(stats.key, kStopKey);
    EXPECT_EQ(picture.polls, 200);
    // The lattice sweep after the first 25 tries polls once a row, and the tries go on.
    const long sweepPolls = 500 / kImplicitSweepPixels;
    EXPECT_EQ(stats.evaluations, 2L * (200 - sweepPolls) * kImplicitAttempts + kLatticeNodes);

    PlaneScene quiet;
    quiet.settings.noPoll = true;
    ExampleRecord& same = quiet.AddImplicit("xx+yy+1");
    same.SetFlag(exo::kFlag55, true);
    EXPECT_EQ(Search(quiet, same).evaluations, 2L * kImplicitTries * kImplicitAttempts + kLatticeNodes);
}

// "olhar" shows the picture as the search draws, not while printing and not in a replay.
TEST(ImplicitCurve, WatchShowsThePicture) {
    struct Row {
        bool watch, printing;
        bool shown;
    };
    for (const Row& row : {Row{true, false, true}, Row{true, true, false}, Row{false, false, false}}) {
        SCOPED_TRACE(::testing::Message() << "watch " << row.watch << " printing " << row.printing);
        PlaneScene picture;
        picture.settings.printing = row.printing;
        ExampleRecord& example = picture.AddImplicit("xx+yy-13");
        example.SetFlag(exo::kFlag57, row.watch);
        Search(picture, example);
        EXPECT_EQ(picture.shown > 0, row.shown);
        const int shown = picture.shown;
        Search(picture, example);
        EXPECT_EQ(picture.shown, shown);
    }
}

// A plane window on the memory platform: a redraw (F5) replays the pieces; with command
// 810 on it searches again from new random points.
class ImplicitWindow : public planetest::PlaneWindowTest {
protected:
    void SetUp() override {
        PlaneWindowOn::SetUp();
        platform.RunPendingRepaints();
    }

    ExampleRecord& AddCircle(const char* f = "xx+yy-13") {
        ExampleRecord& e = window->Examples()[Add(kImplicit, {{2, f}})];
        e.SetFlag(exo::kFlag56, true);
        return e;
    }

    long double FirstStartX(const ExampleRecord& e) const {
        return e.trajectories.empty() ? 0 : e.trajectories[0].Real(tro::kStartX);
    }
};

TEST_F(ImplicitWindow, RedrawReplaysUnlessResearchIsOn) {
    ExampleRecord& e = AddCircle();
    window->OnCommand(cmd::kRedraw);
    platform.RunPendingRepaints();
    ASSERT_EQ(e.trajectories.size(), 1u);
    EXPECT_FALSE(e.Flag(exo::kFlag56));
    const long double first = FirstStartX(e);

    window->OnCommand(cmd::kRedraw);
    platform.RunPendingRepaints();
    ASSERT_EQ(e.trajectories.size(), 1u);
    EXPECT_EQ(FirstStartX(e), first);

    window->OnCommand(cmd::kResearchImplicit);
    EXPECT_TRUE(window->DrawSettings().researchImplicit);
    window->OnCommand(cmd::kRedraw);
    platform.RunPendingRepaints();
    ASSERT_EQ(e.trajectories.size(), 1u);
    EXPECT_NE(FirstStartX(e), first);
    EXPECT_FALSE(e.Flag(exo::kFlag56));
}

// With command 810 on, a zoom searches again: the circle stays in a view that its first
// start point has left. The pictures are drawn as a paint draws them, grid and axes first.
TEST_F(ImplicitWindow, ZoomSearchesAgainWhileResearchIsOn) {
    ExampleRecord& circle = AddCircle();
    circle.SetI16(exo::kColour, 9);
    ExampleRecord& line = AddCircle("y");
    line.SetI16(exo::kColour, 12);
    window->DrawSettings().researchImplicit = true;
    const auto picture = [this] {
        platform::RasterSurface surface(window->ClientSize());
        window->ClearToBackground(surface);
        window->DrawBase(surface);
        return surface;
    };
    const auto whole = picture();
    EXPECT_GE(whole.CountPixels(window->PenRgb(9)), 800);
    EXPECT_GE(whole.CountPixels(window->PenRgb(12)), window->ClientSize().width - 10) << "y = 0 on the x axis";
    // A view around (0, 3.6) that holds an arc of the circle and none of the x axis.
    window->SetView(0, 3.6L, 0.5L, 0.5L, false);
    const auto zoomed = picture();
    EXPECT_GE(zoomed.CountPixels(window->PenRgb(9)), window->ClientSize().width - 10);
    EXPECT_EQ(zoomed.CountPixels(window->PenRgb(12)), 0);
}

} // namespace
} // namespace korvane
