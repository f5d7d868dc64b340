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

namespace korvane {
namespace {

using analysistest::AnalysisWindow;
using analysistest::Formulas;
using analysistest::kSqrt2;
using analysistest::Near;

class ZeroDialog : public AnalysisWindow {
protected:
    TZeroDlg& Zero() { return *static_cast<AnalysisTools*>(window->Analysis())->ZeroDialog(); }
    platform::MemoryDialog* Open() { return Choose(cmd::kZeros, "ZEROS"); }
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
    ASSERT_NE(d, nullptr);
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
// "demasiadas".
TEST_F(ZeroDialog, ResultOfOnePressPerCurve) {
    struct Row {
        const char* f;
        bool found;
        long double root;
        int message; // string shown when nothing is found
    };
    const Row rows[] = {
        {"x^2", true, 0, 0},
        {"(x-1)^2", true, 1, 0},
        {"1/x", false, 0, 402},
        {"0", false, 0, 516},
        {"sqrt(x-10)", false, 0, 402},
        {"x^3-2x-5", true, 2.09455148154232659148238654057930296L, 0}, // mpmath findroot
        {"tan(x)", true, -analysistest::kPi, 0}, // the pole at -3pi/2 is refused
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.f);
        window->Examples().Clear();
        Add(kExplicit, {{1, row.f}});
        platform::MemoryDialog* d = Open();
        ASSERT_NE(d, nullptr);
        d->Select(TComboDlg::kExampleList, 0);
        EXPECT_EQ(Zero().Found(), row.found);
        if (row.found) {
            EXPECT_TRUE(Near(Zero().Root(), row.root, 1e-9L)) << static_cast<double>(Zero().Root());
        } else {
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
    ASSERT_NE(d, nullptr);
    for (int k = 0; k <= 101; ++k) {
        SCOPED_TRACE("press " + std::to_string(k));
        if (k > 0)
            d->Press(TZeroDlg::kNext);
        ASSERT_TRUE(Zero().Found());
        EXPECT_TRUE(Near(Zero().Root(), (k % 101) + 0.5L, 1e-15L))
            << static_cast<double>(Zero().Root());
    }
}

TEST_F(ZeroDialog, SegmentsAndLinesCrossWhereTheirLineDoes) {
    struct Row {
        std::int16_t kind;
        Formulas formulas;
        bool found;
        long double root;
    };
    const Row rows[] = {
        {kSegment, {{0, "-1"}, {1, "-1"}, {2, "3"}, {3, "1"}}, true, 1},
        {kSegment, {{0, "-1"}, {1, "1"}, {2, "3"}, {3, "2"}}, false, 0}, // above the axis
        {kLine, {{0, "2"}, {1, "1"}, {2, "3"}}, true, 1.5L},
        {kLine, {{0, "1"}, {1, "0"}, {2, "2"}}, true, 2}, // vertical: x = 2 crosses at 2
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.kind);
        window->Examples().Clear();
        Add(kExplicit, {{1, "x"}}); // the command needs an explicit example
        Add(row.kind, row.formulas);
        Paint(); // the drawing records the extents that the search reads
        platform::MemoryDialog* d = Open();
        ASSERT_NE(d, nullptr);
        d->Select(TComboDlg::kExampleList, 1);
        EXPECT_EQ(Zero().Found(), row.found);
        if (row.found) {
            EXPECT_TRUE(Near(Zero().Root(), row.root, 1e-15L))
                << static_cast<double>(Zero().Root());
        }
    }
}

// The open slider of that letter follows.
TEST_F(ZeroDialog, SavesTheZeroInTheChosenLetter) {
    Add(kExplicit, {{1, "x^2-2"}});
    window->OnCommand(cmd::kSymbolSlider + 3);
    platform::MemoryDialog* slider = platform.FindDialog("SPARAM");
    ASSERT_NE(slider, nullptr);
    platform::MemoryDialog* d = Open();
    ASSERT_NE(d, nullptr);
    d->Press(TZeroDlg::kNext); // +sqrt 2
    ASSERT_TRUE(d->Select(TZeroDlg::kLetterList, 2));
    ASSERT_TRUE(d->Press(TZeroDlg::kSaveAs));
    EXPECT_TRUE(Near(window->Context().GetLetter(3), kSqrt2, 1e-17L));
    EXPECT_EQ(window->Context().GetLetter(1), 0) << "A is untouched";
    EXPECT_EQ(slider->ScrollPosition(TSlideDlg::kParamBar), 57) << "100 (sqrt 2 + 10) / 20, rounded";
    EXPECT_EQ(slider->GetText(TSlideDlg::kValue), window->Format().Format(kSqrt2));
}

TEST_F(ZeroDialog, CommandNeedsAnExplicitExample) {
    Add(kPolar, {{2, "3cos(2t)"}});
    EXPECT_FALSE(Memory().MenuItem(cmd::kZeros)->enabled);
    EXPECT_EQ(Open(), nullptr);
    Add(kExplicit, {{1, "x"}});
    EXPECT_TRUE(Memory().MenuItem(cmd::kZeros)->enabled);
    EXPECT_NE(Open(), nullptr);
}

TEST_F(ZeroDialog, MarkIsDrawnOnTheAxisInTheExampleColour) {
    const int e = Add(kExplicit, {{1, "x-1"}});
    ASSERT_NE(Open(), nullptr);
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
} // namespace korvane
