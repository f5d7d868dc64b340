#include "analysis/TInterDlg.h"

#include "analysis/CurveCrossings.h"
#include "analysis/CurveDifference.h"
#include "graph/NumberText.h"
#include "plane/PointNote.h"
#include "plane/TPlotAWin.h"
#include "platform/Dialog.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace korvane {

namespace {

constexpr std::int16_t kInterKinds[] = {kExplicit, kPolar, kParametric, kSegment, kLine, -1};
constexpr int kNotFound = 402;
constexpr int kChooseTwo = 23;

} // namespace

TInterDlg::TInterDlg(TPlotAWin& owner, int* currentColour)
    : T2ComboDlg(owner, "INTER", kInterKinds, true, true, currentColour) {}

void TInterDlg::SetUp(platform::Dialog& dialog) {
    FillLetters(dialog);
    dialog.SetCheck(kMarkPoint, true);
    dialog.SetCheck(sameParameter ? kVariableT : kVariableX, true);
    nextInterval = 0;
    found = false;
}

void TInterDlg::ExampleChanged() {
    nextInterval = 0;
    found = false;
    Show(kResult, "");
    Show(kAngleText, "");
}

bool TInterDlg::Command(platform::Dialog& dialog, int id, platform::ControlEvent event) {
    if (LetterCommand(dialog, id))
        return true;
    if (event != platform::ControlEvent::Clicked)
        return false;
    switch (id) {
    case kNext:
        Search();
        return true;
    case kSaveAs:
        SaveAs();
        return true;
    case kMarkPoint:
        if (found && dialog.GetCheck(kMarkPoint))
            MarkPoint();
        return true;
    case kVariableX:
    case kVariableT:
        sameParameter = id == kVariableT;
        ExampleChanged();
        return true;
    default:
        return false;
    }
}

void TInterDlg::Search() {
    ExampleRecord* a = Example();
    ExampleRecord* b = SecondExample();
    found = false;
    angle = std::numeric_limits<long double>::quiet_NaN();
    if (a && a == b) {
        Fail(kChooseTwo);
        return;
    }
    if (a && b) {
        PlaneCurve first(owner.Context(), *a), second(owner.Context(), *b);
        found = BothParametrised(first, second) && !sameParameter
                    ? SearchCrossing(first, second)
                    : SearchDifference(first, second);
    }
    ShowResult();
}

bool TInterDlg::SearchDifference(const PlaneCurve& a, const PlaneCurve& b) {
    const CurveDifference d = MakeCurveDifference(a, b, sameParameter);
    if (!d.valid)
        return false;
    const RealFunction& g = d.g;
    CellRules rules;
    const long double rx = owner.GetView().rx;
    rules.stopWidth = rx * kZeroValue;
    rules.poleLimit = owner.GetView().ry; // a change of sign across a pole is no crossing
    rules.touchLimit = d.touchLimit > 0 ? d.touchLimit * std::max(1.0L, rx) : kZeroValue;
    rules.derivative = [&g](long double s, long double& v) {
        const long double h = std::cbrt(1e-19L) * std::max(1.0L, std::fabs(s));
        long double lo, hi;
        if (!g(s - h, lo) || !g(s + h, hi))
            return false;
        v = (hi - lo) / (2 * h);
        return true;
    };
    rules.accept = d.accept;
    const SearchOutcome out = SearchCells(g, d.first, d.last, rules, nextInterval);
    if (!out.found || !d.runs->Point(out.root, x, y))
        return false;
    if (!IntersectionAngle(d, out.root, angle))
        angle = std::numeric_limits<long double>::quiet_NaN();
    return true;
}

bool TInterDlg::SearchCrossing(const PlaneCurve& a, const PlaneCurve& b) {
    if (!a.Valid() || !b.Valid())
        return false;
    long double s = 0, t = 0;
    if (!CurveCrossings(a, b).Next(nextInterval, s, t) || !a.Point(s, x, y))
        return false;
    if (!CrossingAngle(a, s, b, t, angle))
        angle = std::numeric_limits<long double>::quiet_NaN();
    return true;
}

void TInterDlg::ShowResult() {
    platform::Dialog* dialog = GetDialog();
    if (!found) {
        Show(kResult, StringOf(kNotFound));
        Show(kAngleText, "");
        return;
    }
    const auto number = [this](long double v) { return Number(v); };
    Show(kResult, "(" + number(x) + " , " + number(y) + ")");
    const bool showAngle = dialog && dialog->GetCheck(kShowAngle);
    Show(kAngleText,
         showAngle ? (std::isnan(angle) ? StringOf(kNotFound) : number(angle) + "°") : "");
    if (dialog && dialog->GetCheck(kMarkPoint))
        MarkPoint();
}

void TInterDlg::MarkPoint() {
    Mark(note::kIntersection, {x, y, 0, 0}, 2, "interseção", Example(), SecondExample());
}

void TInterDlg::SaveAs() {
    if (!found)
        return;
    SaveInLetter(x);
}

} // namespace korvane
