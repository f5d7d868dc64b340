#include "analysis/TZeroDlg.h"

#include "analysis/PlaneCurve.h"
#include "graph/NumberText.h"
#include "plane/PointNote.h"
#include "plane/TPlotAWin.h"
#include "platform/Dialog.h"
#include "resources/Resources.h"

#include <cmath>

namespace korvane {

namespace {

constexpr std::int16_t kZeroKinds[] = {kExplicit, kSegment, kLine, -1};
constexpr int kLabelCut = 182; // "interceptar x"
constexpr int kNotFound = 402; // "não foi possível achar"
constexpr int kTooMany = 516;  // "demasiadas"
constexpr int kTooManyTouching = 11;

} // namespace

TZeroDlg::TZeroDlg(TPlotAWin& owner, int* currentColour)
    : TComboDlg(owner, "ZEROS", kZeroKinds, true, true, currentColour) {}

void TZeroDlg::SetUp(platform::Dialog& dialog) {
    FillLetters(dialog);
    nextInterval = 0;
    found = false;
    Search();
}

bool TZeroDlg::Command(platform::Dialog& dialog, int id, platform::ControlEvent event) {
    if (LetterCommand(dialog, id))
        return true;
    if (event != platform::ControlEvent::Clicked)
        return false;
    if (id == kNext) {
        Search();
        return true;
    }
    if (id == kSaveAs) {
        SaveAs();
        return true;
    }
    return false;
}

// A segment or line is y as a function of x over the x extent it drew; a vertical one
// crosses the axis at its x when its y extent holds 0.
bool TZeroDlg::SearchStraight(const ExampleRecord& example, SearchOutcome& out) {
    PlaneCurve curve(owner.Context(), example);
    if (!curve.Valid())
        return false;
    const long double x0 = example.Minimum(), x1 = example.Maximum();
    if (curve.Vertical() || !(x0 < x1)) {
        out.root = x0;
        out.found = example.Real(exo::kMinimum2) <= 0 && example.Real(exo::kMaximum2) >= 0;
        return true;
    }
    const long double a = curve.lineA, b = curve.lineB, c = curve.lineC;
    RealFunction f = Counted(
        [=](long double x, long double& y) {
            y = (c - a * x) / b;
            return true;
        },
        evaluations_);
    CellRules rules;
    rules.stopWidth = (x1 - x0) * kZeroValue;
    rules.poleLimit = owner.GetView().ry;
    out = SearchCells(f, x0, x1, rules, nextInterval);
    return true;
}

void TZeroDlg::Search() {
    evaluations_ = 0;
    ExampleRecord* example = Example();
    SearchOutcome out;
    if (example && example->Kind() != kExplicit) {
        SearchStraight(*example, out);
    } else if (example && example->Tree(1)) {
        PlaneCurve curve(owner.Context(), *example);
        const long double x0 = example->Minimum(), x1 = example->Maximum();
        RealFunction f = Counted(
            [&](long double x, long double& y) { return curve.Value(PlaneCurve::kY, x, y); },
            evaluations_);
        CellRules rules;
        rules.stopWidth = (x1 - x0) * kZeroValue;
        rules.poleLimit = owner.GetView().ry;
        rules.touchLimit = rules.stopWidth;
        if (example->Tree(5)) // without symbolic derivatives there is no touching test
            rules.derivative = Counted(
                [&](long double x, long double& y) { return curve.Slope(PlaneCurve::kY, x, y); },
                evaluations_);
        if (x0 < x1)
            out = SearchCells(f, x0, x1, rules, nextInterval);
    }
    found = out.found;
    if (!found) {
        Show(kResult, StringOf(out.touching >= kTooManyTouching ? kTooMany : kNotFound));
        return;
    }
    root = out.root;
    Show(kResult, Number(root));
    Mark(note::kZero, {root, 0, 0, 0}, 1, StringOf(kLabelCut), example);
}

void TZeroDlg::SaveAs() {
    if (!found)
        return;
    SaveInLetter(root);
}

} // namespace korvane
