// The zero dialog as a user drives it: zeros found one after the other to the right,
// marked once, refused at poles, the touching test, the 101 cells, the straight kinds,
// and a zero stored in a letter.
#include "AnalysisTestSupport.h"

#include "analysis/AnalysisCommands.h"
#include "analysis/TZeroDlg.h"
#include "plane/PlaneCommands.h"
#include "plane/PointNote.h"
#include "plane/TSlideDlg.h"
#include "platform/memory/RecordingSurface.h"
#include "resources/Resources.h"

namespace korvane::analysistest {
namespace {

class ZeroDialog : public AnalysisWindow {
protected:
    TZeroDlg& Zero() { return *static_cast<AnalysisTools*>(window->Analysis())->ZeroDialog(); }
    platform::MemoryDialog* Open() { return Opened(cmd::kZeros, "ZEROS"); }
    std::vector<long double> NoteXs(int index) {
        std::vector<long double> xs;
        for (const auto& bytes : window->Examples()[index].pointNotes)
            xs.push_back(PointNote::Unpack(bytes).values[0]);
        return xs;
    }
};

TEST_F(ZeroDialog, FindsTheZerosToTheRightInTurnAndMarksEachOnce) {
    const int e = Add(kExplicit, {{1, "x^2-2"}});
    platform::MemoryDialog* d = Open();
    const long double expected[] = {-kSqrt2, kSqrt2, -kSqrt2, kSqrt2};
    for (std::size_t press = 0; press < std::size(expected); ++press) {
        SCOPED_TRACE("press " + std::to_string(press));
        if (press > 0) {
            ASSERT_TRUE(d->Press(TZeroDlg::kNext));
        }
        ASSERT_TRUE(Zero().Found());
        EXPECT_TRUE(Near(Zero().Root(), expected[press], 1e-17L))
            << static_cast<double>(Zero().Root());
    }
    EXPECT_EQ(d->GetText(TZeroDlg::kResult), "1.41421");
    EXPECT_EQ(NoteXs(e).size(), 2u) << "the same zero found again adds no second mark";
}

// Rule: a sign change is a zero only below the window's half height; where the curve
// does not cross, the derivative finds a zero that touches; a curve along the axis is
// "demasiadas"; segments and lines cross where their line does.
TEST_F(ZeroDialog, ResultOfOnePressPerCurve) {
    struct Row {
        std::int16_t kind;
        Formulas formulas;
        bool found;
        long double root;
        int message = 0; // string shown when nothing is found
    };
    const Row rows[] = {
        {kExplicit, {{1, "x^2"}}, true, 0},
        {kExplicit, {{1, "(x-1)^2"}}, true, 1},
        {kExplicit, {{1, "1/x"}}, false, 0, 402},
        {kExplicit, {{1, "0"}}, false, 0, 516},
        {kExplicit, {{1, "sqrt(x-10)"}}, false, 0, 402},
        {kExplicit, {{1, "x^3-2x-5"}}, true, 2.09455148154232659148238654057930296L}, // mpmath
        {kExplicit, {{1, "tan(x)"}}, true, -kPi}, // the pole at -3pi/2 is refused
        {kSegment, {{0, "-1"}, {1, "-1"}, {2, "3"}, {3, "1"}}, true, 1},
        {kSegment, {{0, "-1"}, {1, "1"}, {2, "3"}, {3, "2"}}, false, 0}, // above the axis
        {kLine, {{0, "2"}, {1, "1"}, {2, "3"}}, true, 1.5L},
        {kLine, {{0, "1"}, {1, "0"}, {2, "2"}}, true, 2}, // vertical: x = 2 crosses at 2
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.formulas.back().second);
        window->Examples().Clear();
        if (row.kind != kExplicit)
            Add(kExplicit, {{1, "x"}}); // the command needs an explicit example
        const int e = Add(row.kind, row.formulas);
        Paint(); // the drawing records the extents that the search reads
        platform::MemoryDialog* d = Open();
        d->Select(TComboDlg::kExampleList, e);
        EXPECT_EQ(Zero().Found(), row.found);
        if (row.found) {
            const long double tolerance = row.kind == kExplicit ? 1e-9L : 1e-15L;
            EXPECT_TRUE(Near(Zero().Root(), row.root, tolerance)) << (double)Zero().Root();
        } else if (row.message != 0) {
            EXPECT_EQ(d->GetText(TZeroDlg::kResult), res::String(row.message));
        }
    }
}

// Rule: the interval is cut into 101 cells, each searched once per round. Zeros at
// k + 1/2 on [0, 101] put one zero in each cell of width 1; with 100 cells some cell would
// hold two and lose both.
TEST_F(ZeroDialog, VisitsOneHundredAndOneCellsInTurn) {
    Add(kExplicit, {{1, "sin(pi(x-0.5))"}}, 0, 101);
    platform::MemoryDialog* d = Open();
    for (int k = 0; k <= 101; ++k) {
        SCOPED_TRACE("press " + std::to_string(k));
        if (k > 0)
            d->Press(TZeroDlg::kNext);
        ASSERT_TRUE(Zero().Found());
        EXPECT_TRUE(Near(Zero().Root(), (k % 101) + 0.5L, 1e-15L))
            << static_cast<double>(Zero().Root());
    }
}

// The open slider of that letter follows.
TEST_F(ZeroDialog, SavesTheZeroInTheChosenLetter) {
    Add(kExplicit, {{1, "x^2-2"}});
    window->OnCommand(cmd::kSymbolSlider + 3);
    platform::MemoryDialog* slider = platform.FindDialog("SPARAM");
    ASSERT_NE(slider, nullptr);
    platform::MemoryDialog* d = Open();
    d->Press(TZeroDlg::kNext); // +sqrt 2
    ASSERT_TRUE(d->Select(TZeroDlg::kLetterList, 2));
    ASSERT_TRUE(d->Press(TZeroDlg::kSaveAs));
    EXPECT_TRUE(Near(window->Context().GetLetter(3), kSqrt2, 1e-17L));
    EXPECT_EQ(window->Context().GetLetter(1), 0) << "A is untouched";
    EXPECT_EQ(slider->ScrollPosition(TSlideDlg::kParamBar), 57) << "100 (sqrt 2 + 10) / 20, rounded";
    EXPECT_EQ(slider->GetText(TSlideDlg::kValue), window->Format().Format(kSqrt2));
}

// The command needs an explicit example; the zero's mark is drawn on the axis in the
// example's colour.
TEST_F(ZeroDialog, NeedsAnExplicitExampleAndMarksTheAxis) {
    Add(kPolar, {{2, "3cos(2t)"}});
    EXPECT_FALSE(Memory().MenuItem(cmd::kZeros)->enabled);
    EXPECT_EQ(Choose(cmd::kZeros, "ZEROS"), nullptr);
    const int e = Add(kExplicit, {{1, "x-1"}});
    EXPECT_TRUE(Memory().MenuItem(cmd::kZeros)->enabled);
    Open();
    ASSERT_EQ(NoteXs(e).size(), 1u);
    platform::RecordingSurface surface(platform::Size{500, 500});
    window->DrawExamples(surface);
    const View& view = window->GetView();
    bool marked = false;
    for (const platform::Primitive& p : surface.OfKind(platform::Primitive::Ellipse)) {
        const int cx = (p.rect.left + p.rect.right - 1) / 2,
                  cy = (p.rect.top + p.rect.bottom - 1) / 2;
        marked = marked || (cx == view.ToPixelXInt(1) && cy == view.ToPixelYInt(0) &&
                            p.pen.colour == window->PenRgb(window->Examples()[e].Colour()));
    }
    EXPECT_TRUE(marked);
}

} // namespace
} // namespace korvane::analysistest
