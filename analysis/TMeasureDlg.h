#pragma once
// The measures of menu "&Medidas" beyond the integral: arc length, sector area, volume
// and surface of revolution of an explicit, polar or parametric example over [a, b] of its
// parameter with n subintervals (the fields of TPreRiemDlg), each result left as a note.
#include "analysis/Measures.h"
#include "analysis/TPreRiemDlg.h"

namespace korvane {

class TMeasureDlg : public TPreRiemDlg {
public:
    enum Control : int { kCompute = 761, kRemark = 237 };

    TMeasureDlg(TPlotAWin& owner, Measure measure, int* currentColour, IntegralFields& fields);

    // "calcular": 0, or the code shown.
    int Compute();
    const MeasureResult& Last() const { return last_; }

protected:
    void SetUp(platform::Dialog& dialog) override;
    void ExampleChanged() override;
    bool Command(platform::Dialog& dialog, int id, platform::ControlEvent event) override;

private:
    Measure measure_;
    MeasureResult last_;
};

} // namespace korvane
