#include "analysis/TMeasureDlg.h"

#include "graph/NumberText.h"
#include "plane/PointNote.h"
#include "plane/TPlotAWin.h"
#include "platform/Dialog.h"

namespace korvane {

namespace {

constexpr std::int16_t kCurveKinds[] = {kExplicit, kPolar, kParametric, -1};
constexpr int kNoExample = 2;

struct MeasureInfo {
    const char* title;
    std::int16_t noteType;
};

MeasureInfo InfoOf(Measure m) {
    switch (m) {
    case Measure::ArcLength:
        return {"comprimento do arco", note::kArcLength};
    case Measure::SectorArea:
        return {"área do setor", note::kSectorArea};
    case Measure::Volume:
        return {"volume de revolução", note::kVolume};
    default:
        return {"superfície de revolução", note::kSurface};
    }
}

} // namespace

TMeasureDlg::TMeasureDlg(TPlotAWin& owner, Measure measure, int* currentColour,
                         IntegralFields& fields)
    : TPreRiemDlg(owner, "MEASURE", kCurveKinds, currentColour, fields), measure_(measure) {}

void TMeasureDlg::SetUp(platform::Dialog& dialog) {
    dialog.SetTitle(InfoOf(measure_).title);
    dialog.ShowControl(kSecondList, false);
}

void TMeasureDlg::ExampleChanged() {
    Show(kResult, "");
    Show(kRemark, "");
}

bool TMeasureDlg::Command(platform::Dialog& dialog, int id, platform::ControlEvent event) {
    (void)dialog;
    if (id != kCompute || event != platform::ControlEvent::Clicked)
        return false;
    Compute();
    return true;
}

int TMeasureDlg::Compute() {
    int code = ReadFields();
    ExampleRecord* example = Example();
    if (code == 0 && !example)
        code = kNoExample;
    if (code != 0) {
        Fail(code);
        return code;
    }
    {
        PlaneCurve curve(owner.Context(), *example);
        if (!curve.Valid()) {
            Fail(kNoExample);
            return kNoExample;
        }
        last_ = MeasureCurve(curve, measure_, fields.lower, fields.upper, fields.count);
    }
    Show(kResult, Number(last_.value));
    Show(kRemark, last_.undefined > 0 ? FormatInt(last_.undefined) + " amostras indefinidas" : "");
    if (last_.undefined == 0)
        Mark(InfoOf(measure_).noteType,
             {fields.lower, fields.upper, last_.value, static_cast<long double>(fields.count)}, 4,
             InfoOf(measure_).title, example);
    return 0;
}

} // namespace korvane
