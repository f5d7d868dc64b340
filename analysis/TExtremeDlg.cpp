#include "analysis/TExtremeDlg.h"

#include "analysis/ZeroSearch.h"
#include "graph/NumberText.h"
#include "plane/PointNote.h"
#include "plane/TPlotAWin.h"
#include "platform/Dialog.h"

#include <cmath>

namespace korvane {

namespace {

constexpr std::int16_t kCurveKinds[] = {kExplicit, kPolar, kParametric, -1};
constexpr int kExtremum = 184; // "extremo"
constexpr int kNotFound = 402;

} // namespace

TExtremeDlg::TExtremeDlg(TPlotAWin& owner, int* currentColour)
    : TComboDlg(owner, "EXTREMES", kCurveKinds, true, true, currentColour) {}

void TExtremeDlg::SetUp(platform::Dialog& dialog) {
    FillLetters(dialog);
    dialog.SetCheck(kCoordinateY, true);
    coordinate = PlaneCurve::kY;
    nextInterval = 0;
    found = false;
    Search();
}

void TExtremeDlg::ExampleChanged() {
    nextInterval = 0;
    Search();
}

bool TExtremeDlg::Command(platform::Dialog& dialog, int id, platform::ControlEvent event) {
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
    case kCoordinateX:
    case kCoordinateY:
    case kCoordinateR:
        coordinate = static_cast<PlaneCurve::Coordinate>(id - kCoordinateX);
        nextInterval = 0;
        Search();
        return true;
    default:
        return false;
    }
}

std::string TExtremeDlg::CoordinateLabel() const {
    switch (coordinate) {
    case PlaneCurve::kX:
        return "x: (x,y,r,t)";
    case PlaneCurve::kY:
        return exampleKind == kExplicit ? "y: (x,y)" : "y: (x,y,r,t)";
    default:
        return "r: (x,y,r,t)";
    }
}

void TExtremeDlg::Search() {
    ExampleRecord* example = Example();
    SearchOutcome out;
    long double s0 = 0, s1 = 0;
    if (example) {
        PlaneCurve curve(owner.Context(), *example);
        s0 = curve.First();
        s1 = curve.Last();
        // x of an explicit curve is its parameter: it has no extremum inside.
        if (curve.Valid() && !(example->Kind() == kExplicit && coordinate == PlaneCurve::kX)) {
            const RealFunction slope = [&](long double s, long double& v) {
                return curve.Slope(coordinate, s, v);
            };
            CellRules rules;
            rules.stopWidth = (s1 - s0) * kZeroValue;
            rules.poleLimit = 1e4932L; // any change of sign of the slope is an extremum
            out = SearchCells(slope, s0, s1, rules, nextInterval);
            // A polar example's own r, with its sign: (r, t) then names the point.
            if (out.found)
                out.found = curve.Point(out.root, x, y) && curve.Value(PlaneCurve::kR, out.root, r);
        }
    }
    found = out.found;
    if (!found) {
        Show(kResult, StringOf(kNotFound));
        return;
    }
    parameter = out.root;
    const auto number = [this](long double v) { return Number(v); };
    std::string text =
        StringOf(kExtremum) + " " + CoordinateLabel() + " = (" + number(x) + " , " + number(y);
    if (exampleKind != kExplicit)
        text += " , " + number(r) + " , " + number(parameter);
    Show(kResult, text + ")");
    Mark(note::kExtremum, {x, y, parameter, 0}, 2, StringOf(kExtremum) + " " + CoordinateLabel(),
         example);
}

void TExtremeDlg::SaveAs() {
    if (!found)
        return;
    SaveInLetter(parameter);
}

} // namespace korvane
