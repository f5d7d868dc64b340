#pragma once
// "valores extremos" (command 709): the extrema of one coordinate (x, y or r) of an
// explicit, polar or parametric example, one after the other along its parameter, each
// marked on the graph; "salvar" stores the parameter of the last one in a letter.
#include "analysis/PlaneCurve.h"
#include "analysis/TComboDlg.h"

namespace korvane {

class TExtremeDlg : public TComboDlg {
public:
    enum Control : int {
        kNext = 743,
        kResult = 231,
        kCoordinateX = 251,
        kCoordinateY = 252,
        kCoordinateR = 253,
    };

    TExtremeDlg(TPlotAWin& owner, int* currentColour);

    void Search();
    void SaveAs();

    bool Found() const { return found; }
    // The parameter of the last extremum and its point.
    long double Parameter() const { return parameter; }
    long double X() const { return x; }
    long double Y() const { return y; }
    // r as the result line shows it: a polar example's own r, else the distance from O.
    long double R() const { return r; }

protected:
    void SetUp(platform::Dialog& dialog) override;
    void ExampleChanged() override;
    bool Command(platform::Dialog& dialog, int id, platform::ControlEvent event) override;

private:
    std::string CoordinateLabel() const;

    PlaneCurve::Coordinate coordinate = PlaneCurve::kY;
    std::int16_t nextInterval = 0;
    bool found = false;
    long double parameter = 0, x = 0, y = 0, r = 0;
};

} // namespace korvane
