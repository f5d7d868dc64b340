// The extremum and intersection dialogs against closed forms: extrema of explicit, polar
// and parametric curves in each coordinate, and intersections of every pair of kinds the
// lists offer, with their angles.
#include "AnalysisTestSupport.h"

#include "analysis/AnalysisCommands.h"
#include "analysis/TExtremeDlg.h"
#include "analysis/TInterDlg.h"
#include "plane/PointNote.h"
#include "resources/Resources.h"

#include <cmath>

namespace korvane::analysistest {
namespace {

struct Curve {
    std::int16_t kind;
    Formulas formulas;
    long double lo = 0, hi = 0; // the example's own interval when lo < hi
};

class SearchTools : public AnalysisWindow {
protected:
    AnalysisTools& Tools() { return *static_cast<AnalysisTools*>(window->Analysis()); }
    int AddCurve(const Curve& c) { return Add(c.kind, c.formulas, c.lo, c.hi); }
};

// Rule: an extremum is a change of sign of the chosen coordinate's derivative along the
// example's parameter; presses go on to the right.
TEST_F(SearchTools, ExtremaOfEachKindAndCoordinate) {
    struct Row {
        const char* what;
        Curve curve;
        int coordinate;                                          // radio button
        std::vector<std::pair<long double, long double>> points; // (x, y) press after press
        long double r = -1; // of the first press, when a polar example's own r is checked
    };
    const Row rows[] = {
        {"parabola y", {kExplicit, {{1, "x^2-2x"}}}, TExtremeDlg::kCoordinateY, {{1, -1}, {1, -1}}},
        {"sine y", {kExplicit, {{1, "sin(x)"}}}, TExtremeDlg::kCoordinateY,
         {{-3 * kPi / 2, 1}, {-kPi / 2, -1}, {kPi / 2, 1}, {3 * kPi / 2, -1}}},
        {"circle y", {kPolar, {{2, "2"}}, 0, 2 * kPi}, TExtremeDlg::kCoordinateY, {{0, 2}, {0, -2}}},
        {"limaçon r", {kPolar, {{2, "2+cos(t)"}}, 0, 2 * kPi}, TExtremeDlg::kCoordinateR, {{-1, 0}}, 1},
        {"rose r, negative", {kPolar, {{2, "3cos(2t)"}}, 0, 2 * kPi}, TExtremeDlg::kCoordinateR,
         {{0, -3}, {-3, 0}, {0, 3}}, -3},
        {"parabola on its side x", {kParametric, {{0, "t^2-2t"}, {1, "t"}}, -5, 5}, TExtremeDlg::kCoordinateX, {{-1, 1}}},
        {"ellipse x", {kParametric, {{0, "cos(t)"}, {1, "sqrt(3)/2*sin(t)"}}, 0.5L, 6}, TExtremeDlg::kCoordinateX,
         {{-1, 0}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        window->Examples().Clear();
        const int e = AddCurve(row.curve);
        platform::MemoryDialog* d = Opened(cmd::kExtremes, "EXTREMES");
        d->Select(TComboDlg::kExampleList, 0);
        d->Press(row.coordinate);
        for (std::size_t i = 0; i < row.points.size(); ++i) {
            SCOPED_TRACE("press " + std::to_string(i));
            if (i > 0)
                d->Press(TExtremeDlg::kNext);
            const TExtremeDlg& x = *Tools().ExtremeDialog();
            ASSERT_TRUE(x.Found());
            EXPECT_TRUE(Near(x.X(), row.points[i].first, 1e-12L)) << static_cast<double>(x.X());
            EXPECT_TRUE(Near(x.Y(), row.points[i].second, 1e-12L)) << static_cast<double>(x.Y());
            if (i == 0 && row.r != -1) {
                EXPECT_TRUE(Near(x.R(), row.r, 1e-12L)) << static_cast<double>(x.R());
            }
        }
        EXPECT_FALSE(window->Examples()[e].pointNotes.empty());
    }
}

// Rule: each pair of kinds meets where its difference function changes sign, two polar or
// parametric curves wherever their points meet ("x") or at the same parameter ("t"); the
// angle is the acute one between the tangents.
TEST_F(SearchTools, IntersectionsOfEachPairOfKinds) {
    struct Row {
        const char* what;
        Curve a, b;
        long double x, y, degrees; // the first intersection; degrees < 0: not checked
        int variable = TInterDlg::kVariableX;
    };
    const Curve parabolaAlong{kParametric, {{0, "t"}, {1, "t^2"}}, -5, 5};
    const Curve lineBack{kParametric, {{0, "2-t"}, {1, "t"}}, -5, 5};
    const Curve parabola{kExplicit, {{1, "x^2"}}};
    const Curve circle{kPolar, {{2, "2"}}, 0, 2 * kPi};
    const Curve circle2{kParametric, {{0, "cos(t)"}, {1, "sin(t)"}}, 0, 2 * kPi};
    const Curve xAxis{kLine, {{0, "0"}, {1, "1"}, {2, "0"}}};
    const long double atan3 = 71.56505117707798935157219372045329467L;
    const Row rows[] = {
        {"explicit, explicit", parabola, {kExplicit, {{1, "x+2"}}}, -1, 1, atan3},
        {"explicit, line", parabola, {kLine, {{0, "1"}, {1, "1"}, {2, "2"}}}, -2, 4, -1},
        {"explicit, segment", parabola, {kSegment, {{0, "0"}, {1, "1"}, {2, "3"}, {3, "1"}}}, 1, 1,
         63.43494882292201L}, // atan(2)
        {"polar, explicit", circle, {kExplicit, {{1, "x"}}}, kSqrt2, kSqrt2, 90},
        {"explicit, polar", {kExplicit, {{1, "x"}}}, circle, kSqrt2, kSqrt2, 90},
        {"parametric, line", {kParametric, {{0, "cos(t)"}, {1, "sin(t)"}}, 0.1L, 6}, xAxis, -1, 0, 90},
        {"polar, polar", {kPolar, {{2, "1"}}, 0, 2 * kPi}, {kPolar, {{2, "2cos(t)"}}, 0, 2 * kPi}, 0.5L,
         std::sqrt(3.0L) / 2, 60, TInterDlg::kVariableT},
        {"parametric, parametric: two circles", circle2, {kParametric, {{0, "1+cos(t)"}, {1, "sin(t)"}}, 0, 2 * kPi},
         0.5L, std::sqrt(3.0L) / 2, 60},
        {"parametric, polar: a circle and a rose", // cos 2t = 2/3; the angle is atan(sqrt 5)
         {kParametric, {{0, "2cos(t)"}, {1, "2sin(t)"}}, 0, 2 * kPi}, {kPolar, {{2, "3cos(2t)"}}, 0, 2 * kPi},
         std::sqrt(10.0L / 3), std::sqrt(2.0L / 3), 65.90515744788929903292895836528912977L},
        {"parametric pair meeting at different t", parabolaAlong, lineBack, -2, 4,
         30.96375653207352141710767984083657568L}, // atan(3/5)
        {"parametric pair at the same t", parabolaAlong, lineBack, 1, 1, atan3, TInterDlg::kVariableT},
        {"segment, segment", {kSegment, {{0, "0"}, {1, "0"}, {2, "2"}, {3, "2"}}},
         {kSegment, {{0, "0"}, {1, "2"}, {2, "2"}, {3, "0"}}}, 1, 1, 90},
        {"line, line", {kLine, {{0, "1"}, {1, "1"}, {2, "2"}}}, {kLine, {{0, "1"}, {1, "-1"}, {2, "0"}}}, 1, 1, 90},
        {"line, polar", {kLine, {{0, "0"}, {1, "1"}, {2, "1"}}}, circle, std::sqrt(3.0L), 1, 60},
        {"tangent crossing a pole", {kExplicit, {{1, "tan(x)"}}}, xAxis, -kPi, 0, 45},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        window->Examples().Clear();
        const int a = AddCurve(row.a), b = AddCurve(row.b);
        Paint(); // lines record the stretch they drew
        platform::MemoryDialog* d = Opened(cmd::kIntersections, "INTER");
        d->Select(TComboDlg::kExampleList, 0);
        d->Select(TComboDlg::kSecondList, 1);
        d->Press(row.variable);
        d->SetCheck(TInterDlg::kShowAngle, true);
        d->Press(TInterDlg::kNext);
        const TInterDlg& x = *Tools().InterDialog();
        ASSERT_TRUE(x.Found());
        EXPECT_TRUE(Near(x.X(), row.x, 1e-12L)) << static_cast<double>(x.X());
        EXPECT_TRUE(Near(x.Y(), row.y, 1e-12L)) << static_cast<double>(x.Y());
        if (row.degrees >= 0) {
            EXPECT_TRUE(Near(x.Angle(), row.degrees, 1e-7L)) << static_cast<double>(x.Angle());
        }
        EXPECT_EQ(window->Examples()[a].pointNotes.size(), 1u);
        EXPECT_EQ(window->Examples()[b].pointNotes.size(), 1u);
    }
}

TEST_F(SearchTools, IntersectionNeedsTwoExamples) {
    Add(kExplicit, {{1, "x"}});
    Add(kParametric, {{0, "cos(t)"}, {1, "sin(t)"}}, 0, 6);
    Add(kParametric, {{0, "t"}, {1, "t"}}, -0.5L, 0.5L);
    platform::MemoryDialog* d = Opened(cmd::kIntersections, "INTER");
    d->Select(TComboDlg::kExampleList, 0);
    d->Select(TComboDlg::kSecondList, 0);
    d->Press(TInterDlg::kNext);
    ASSERT_EQ(platform.Messages().size(), 1u);
    EXPECT_EQ(platform.Messages()[0].text, res::Message(23));
    d->Select(TComboDlg::kExampleList, 1);
    d->Select(TComboDlg::kSecondList, 2); // two parametric curves that do not meet
    d->Press(TInterDlg::kNext);
    EXPECT_FALSE(Tools().InterDialog()->Found());
    EXPECT_EQ(d->GetText(TInterDlg::kResult), res::String(402));
}

} // namespace
} // namespace korvane::analysistest
