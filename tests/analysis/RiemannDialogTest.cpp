// The integration dialog as a user drives it: the six sums against closed forms, the
// fields read as expressions and refused with their codes, undefined samples left out and
// counted, the notes, the strips, and the indefinite integral that follows its source.
#include "AnalysisTestSupport.h"

#include "analysis/AnalysisCommands.h"
#include "analysis/TRiemDlg.h"
#include "expr/Evaluator.h"
#include "plane/ExampleCompiler.h"
#include "plane/PointNote.h"
#include "platform/memory/RecordingSurface.h"
#include "resources/Resources.h"

#include <algorithm>

namespace korvane::analysistest {
namespace {

using D = TRiemDlg;

class RiemannDialog : public AnalysisWindow {
protected:
    TRiemDlg& Riem() { return *static_cast<AnalysisTools*>(window->Analysis())->RiemannDialog(); }
    platform::MemoryDialog* Open(int command = cmd::kIntegrate) { return Opened(command, "RIEM"); }
    // Types the fields, ticks the rules of `mask` and presses "definida".
    void Define(platform::MemoryDialog& d, const char* a, const char* b, const char* n,
                int mask = 0x3F) {
        d.Type(D::kLower, a);
        d.Type(D::kUpper, b);
        d.Type(D::kCount, n);
        for (int bit = 0; bit < 7; ++bit)
            d.SetCheck(D::kLeftBox + bit, (mask >> bit) & 1);
        d.Press(D::kDefinite);
    }
    long double Shown(platform::MemoryDialog& d, int rule) {
        return std::stold(d.GetText(D::kLeftResult + rule));
    }
};

// Rule: one pass gives all six rules, those ticked shown; Simpson is exact for polynomials
// up to cubics.
TEST_F(RiemannDialog, SixSumsAgainstClosedForms) {
    struct Row {
        const char *f, *a, *b, *n;
        long double left, mid, right, trapezoid, parabolic;
    };
    const Row rows[] = {
        {"x^2", "0", "3", "3", 5, 8.75L, 14, 9.5L, 9},
        {"x", "0", "1", "1", 0, 0.5L, 1, 0.5L, 0.5L},
        {"x^3", "-1", "2", "7", 0, 0, 0, 0, 3.75L}, // only Simpson is checked here
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.f);
        window->Examples().Clear();
        Add(kExplicit, {{1, row.f}});
        platform::MemoryDialog* d = Open();
        d->Select(TComboDlg::kExampleList, 0);
        Define(*d, row.a, row.b, row.n);
        ASSERT_TRUE(platform.Messages().empty()) << Message(0);
        const auto& sums = Riem().Last().sums;
        if (row.left != 0 || row.right != 0) { // rounding-free rows: Simpson is exact
            EXPECT_EQ(sums[kParabolic], row.parabolic);
        }
        EXPECT_TRUE(Near(sums[kParabolic], row.parabolic, 1e-17L));
        if (row.left == 0 && row.right == 0)
            continue;
        EXPECT_TRUE(Near(sums[kLeft], row.left, 1e-17L));
        EXPECT_TRUE(Near(sums[kMidpoint], row.mid, 1e-17L));
        EXPECT_TRUE(Near(sums[kRight], row.right, 1e-17L));
        EXPECT_TRUE(Near(sums[kTrapezoidal], row.trapezoid, 1e-17L));
        EXPECT_GE(sums[kRandomPoint], row.left);
        EXPECT_LE(sums[kRandomPoint], row.right);
        EXPECT_TRUE(Near(Shown(*d, kMidpoint), row.mid, 1e-5L))
            << d->GetText(D::kLeftResult + int{kMidpoint});
    }
    // Unchecked rules show nothing.
    window->Examples().Clear();
    Add(kExplicit, {{1, "x^2"}});
    platform::MemoryDialog* d = Open();
    Define(*d, "0", "3", "3", 0x10);
    for (int rule = 0; rule < kRuleCount; ++rule)
        EXPECT_EQ(d->GetText(D::kLeftResult + rule).empty(), rule != kParabolic) << rule;
    EXPECT_EQ(Shown(*d, kParabolic), 9);
}

// Rule: a bad field shows its code's message and keeps the window's values.
TEST_F(RiemannDialog, BadFieldsAreRefusedAndChangeNothing) {
    struct Row {
        const char *a, *b, *n;
        int code;
    };
    const Row rows[] = {
        {"1", "1", "10", 6},          {"2", "1", "10", 6},   {"0", "1", "0", 17},
        {"0", "1", "2147483648", 17}, {"0", "(", "10", 108}, {"sqrt(-1)", "1", "10", 1},
    };
    Add(kExplicit, {{1, "x"}});
    platform::MemoryDialog* d = Open();
    Define(*d, "pi", "2pi", "4");
    ASSERT_TRUE(platform.Messages().empty());
    const IntegralFields before = Riem().Fields();
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.a) + " " + row.b + " " + row.n);
        const std::size_t messages = platform.Messages().size();
        Define(*d, row.a, row.b, row.n);
        ASSERT_EQ(platform.Messages().size(), messages + 1);
        EXPECT_EQ(platform.Messages().back().text, res::Message(row.code));
        EXPECT_EQ(Riem().Fields().lower, before.lower);
        EXPECT_EQ(Riem().Fields().upper, before.upper);
        EXPECT_EQ(Riem().Fields().count, before.count);
    }
}

TEST_F(RiemannDialog, UndefinedSamplesAreLeftOutCountedAndLeaveNoNote) {
    const int e = Add(kExplicit, {{1, "sqrt(x)"}});
    platform::MemoryDialog* d = Open();
    Define(*d, "-1", "1", "2");
    // x = -1, the midpoint -1/2 and the random point of the first subinterval.
    EXPECT_EQ(Riem().Last().undefined, 3);
    EXPECT_EQ(d->GetText(D::kUndefinedText), "3 amostras indefinidas");
    EXPECT_TRUE(window->Examples()[e].pointNotes.empty());
}

// Rule: the keyboard is polled after every subinterval; S stops the sums where they are,
// and what was summed is shown, said to be partial, and noted nowhere.
TEST_F(RiemannDialog, KeySStopsLongSumsThatShowTheirProgress) {
    const int e = Add(kExplicit, {{1, "1"}});
    platform::MemoryDialog* d = Open();
    Memory().onPeek = [](platform::MemoryWindow& w) {
        if (w.PeekCount() == 10)
            w.QueueKey('S');
    };
    Define(*d, "0", "1000", "1000");
    Memory().onPeek = nullptr;
    EXPECT_TRUE(Riem().Last().stopped);
    EXPECT_EQ(Riem().Last().done, 10);
    EXPECT_TRUE(Near(Riem().Last().sums[kLeft], 10, 1e-17L)) << "ten subintervals of width 1";
    EXPECT_NE(d->GetText(D::kUndefinedText).find("10 de 1000"), std::string::npos)
        << d->GetText(D::kUndefinedText);
    EXPECT_TRUE(window->Examples()[e].pointNotes.empty());
    // Rule: above a million subintervals the title shows how far the sums are; the title
    // comes back afterwards.
    const std::string title = Memory().GetTitle();
    Define(*d, "0", "1", "1100000");
    bool progress = false;
    for (const std::string& t : Memory().TitleHistory())
        progress = progress || t.find("%)") != std::string::npos;
    EXPECT_TRUE(progress);
    EXPECT_EQ(Memory().GetTitle(), title);
    EXPECT_TRUE(Near(Riem().Last().sums[kParabolic], 1, 1e-15L));
}

TEST_F(RiemannDialog, DifferenceOfTwoCurvesNotesBoth) {
    const int f = Add(kExplicit, {{1, "x^2"}});
    const int g = Add(kExplicit, {{1, "x"}});
    platform::MemoryDialog* d = Open(cmd::kIntegrateTwo);
    EXPECT_TRUE(d->Control(TComboDlg::kSecondList)->shown);
    d->Select(TComboDlg::kExampleList, 0);
    d->Select(TComboDlg::kSecondList, 1);
    Define(*d, "0", "1", "10");
    EXPECT_TRUE(Near(Riem().Last().sums[kParabolic], -1.0L / 6, 1e-17L));
    for (int index : {f, g}) {
        ASSERT_EQ(window->Examples()[index].pointNotes.size(), 1u);
        const PointNote n = PointNote::Unpack(window->Examples()[index].pointNotes[0]);
        EXPECT_EQ(n.type, 52);
        EXPECT_EQ(n.count, 4);
        EXPECT_EQ(n.values[1], 1);
        EXPECT_EQ(n.values[3], 10);
    }
}

TEST_F(RiemannDialog, StripsOfTheLeftRuleInColourSlotThirteen) {
    Add(kExplicit, {{1, "x"}});
    platform::MemoryDialog* d = Open();
    Define(*d, "0", "2", "4", 0x41);
    platform::RecordingSurface surface(platform::Size{500, 500});
    window->DrawOverlay(surface);
    const auto strips = surface.OfKind(platform::Primitive::Polyline);
    ASSERT_EQ(strips.size(), 4u);
    const View& view = window->GetView();
    for (std::size_t i = 0; i < strips.size(); ++i) {
        const long double x0 = 0.5L * static_cast<long double>(i);
        EXPECT_EQ(strips[i].points[1],
                  (platform::Point{view.ToPixelXInt(x0), view.ToPixelYInt(x0)}))
            << i;
        EXPECT_EQ(strips[i].pen.colour, window->PenRgb(window->SlotColour(13)));
    }
    // Through a point map (the mapper's range) each corner goes to its image under
    // (2x - y, x + y): the top left corner (x0, x0) to (x0, 2 x0).
    const int map = Add(kMapPlane, {{0, "2x-y"}, {1, "x+y"}});
    platform::RecordingSurface mapped(platform::Size{500, 500});
    PlaneDrawContext context{mapped, view, window->Context(), window->Examples(), {}, {}, {}, {}, {}};
    context.settings.pointMapExample = map;
    Riem().DrawStrips(mapped, &context);
    const auto images = mapped.OfKind(platform::Primitive::Polyline);
    ASSERT_EQ(images.size(), 4u);
    for (std::size_t i = 0; i < images.size(); ++i) {
        const long double x0 = 0.5L * static_cast<long double>(i);
        const platform::Point corner{view.ToPixelXInt(x0), view.ToPixelYInt(2 * x0)};
        EXPECT_NE(std::find(images[i].points.begin(), images[i].points.end(), corner), images[i].points.end()) << i;
    }
    d->Press(TComboDlg::kClose);
    surface.Clear();
    window->DrawOverlay(surface);
    EXPECT_TRUE(surface.Primitives().empty()) << "no strips once the dialog is closed";
}

TEST_F(RiemannDialog, IndefiniteIntegralFollowsItsSource) {
    const int f = Add(kExplicit, {{1, "cos(x)"}});
    platform::MemoryDialog* d = Open();
    d->Type(D::kLower, "1");
    d->Press(D::kIndefinite);
    ASSERT_EQ(window->Examples().Count(), 2);
    ExampleRecord& integral = window->Examples()[1];
    EXPECT_EQ(integral.Kind(), kIndefiniteIntegral);
    EXPECT_EQ(integral.Derivation(), kIntegralDerivation);
    EXPECT_EQ(integral.I16(exo::kSource1), f);
    EXPECT_EQ(integral.Real(exo::kCycloidStart), 1);
    window->Examples()[f].texts[1] = "x^2";
    ASSERT_EQ(window->CompileExample(f), 0);
    window->RefreshDerivatives(f);
    long double value = 0;
    ASSERT_TRUE(EvaluateAt(window->Context(), integral.Tree(1), 24, 3, value));
    EXPECT_EQ(value, 9) << "the integrand is the source's new formula";
}

} // namespace
} // namespace korvane::analysistest
