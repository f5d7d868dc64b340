#pragma once
// "interseção" (command 710): the intersections of two examples one after the other,
// with the angle between the curves in degrees and a mark on both when asked; "guardar"
// stores the x of the last one in a letter. The pairs and their difference functions are
// in CurveDifference.h.
#include "analysis/T2ComboDlg.h"

namespace korvane {

class TInterDlg : public T2ComboDlg {
public:
    enum Control : int {
        kNext = 743,
        kResult = 231,
        kAngleText = 232,
        kShowAngle = 271,
        kMarkPoint = 272,
    };

    TInterDlg(TPlot2Win& owner, int* currentColour);

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
    void MarkPoint();

    std::int16_t nextInterval = 0;
    bool found = false;
    long double x = 0, y = 0, angle = 0;
};

} // namespace korvane
