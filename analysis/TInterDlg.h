#pragma once
// "interseção" (command 710): the intersections of two examples one after the other,
// with the angle between the curves in degrees and a mark on both when asked; "guardar"
// stores the x of the last one in a letter. The variable says how two polar or
// parametric curves are compared: "x", wherever their points meet; "t", at the same value
// of their parameter. The pairs and their difference functions are in CurveDifference.h,
// the meeting points of two parametrised curves in CurveCrossings.h.
#include "analysis/T2ComboDlg.h"

namespace korvane {

class PlaneCurve;

class TInterDlg : public T2ComboDlg {
public:
    enum Control : int {
        kNext = 743,
        kResult = 231,
        kAngleText = 232,
        kShowAngle = 271,
        kMarkPoint = 272,
        kVariableX = 251,
        kVariableT = 252,
    };

    TInterDlg(TPlotAWin& owner, int* currentColour);

    void Search();
    void SaveAs();

    bool Found() const { return found; }
    long double X() const { return x; }
    long double Y() const { return y; }
    // NaN when not computed.
    long double Angle() const { return angle; }

protected:
    void SetUp(platform::Dialog& dialog) override;
    void ExampleChanged() override;
    bool Command(platform::Dialog& dialog, int id, platform::ControlEvent event) override;

private:
    // The first intersection from the cursor on; (x, y) and the angle when found.
    bool SearchDifference(const PlaneCurve& a, const PlaneCurve& b);
    bool SearchCrossing(const PlaneCurve& a, const PlaneCurve& b);
    void ShowResult();
    void MarkPoint();

    std::int16_t nextInterval = 0;
    bool found = false;
    bool sameParameter = false;
    long double x = 0, y = 0, angle = 0;
};

} // namespace korvane
