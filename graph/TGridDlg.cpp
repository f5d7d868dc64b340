#include "graph/TGridDlg.h"

#include "graph/NumberText.h"
#include "graph/View.h"

#include <cmath>

namespace korvane {

namespace {

struct BitBox {
    int id;
    int bit;
};
constexpr BitBox kGridBoxes[] = {{282, GridQuadrant1}, {283, GridQuadrant2}, {284, GridQuadrant3},
                                 {285, GridQuadrant4}, {281, GridRectangular}, {280, GridPolar},
                                 {286, GridDotted}};
struct KindRadio {
    int id;
    int kind;
};
constexpr KindRadio kKindRadios[] = {{251, AxesBoth}, {252, AxesXOnly}, {253, AxesYOnly}, {254, AxesPolar}};

} // namespace

void TGridDlg::FillIntervals(platform::Dialog& dialog) const {
    dialog.SetText(212, FormatFixed(settings_.tickX, 8, 6));
    dialog.SetText(215, FormatFixed(settings_.tickY, 8, 6));
}

void TGridDlg::Fill(platform::Dialog& dialog) const {
    const AxisSettings& s = settings_;
    dialog.SetCheck(271, s.axesShown);
    for (const KindRadio& r : kKindRadios)
        dialog.SetCheck(r.id, s.axesKind == r.kind);
    dialog.SetCheck(272, s.ticks);
    dialog.SetCheck(273, s.arrows);
    dialog.SetCheck(274, s.dots);
    dialog.SetCheck(275, s.labels);
    dialog.SetText(211, FormatFixed(100.0L * s.tickLen / screenWidth_, 3, 1));
    FillIntervals(dialog);
    dialog.SetText(213, FormatInt(s.decimalsX));
    dialog.SetText(216, FormatInt(s.decimalsY));
    dialog.SetText(214, FormatInt(s.freqX));
    dialog.SetText(217, FormatInt(s.freqY));
    dialog.SetCheck(276, s.scaleBits & ScaleLabelsX);
    dialog.SetCheck(278, s.scaleBits & ScaleLabelsY);
    dialog.SetCheck(277, s.piX);
    dialog.SetCheck(279, s.piY);
    dialog.SetCheck(255, !(s.scaleBits & ScaleOnFrame));
    dialog.SetCheck(256, s.scaleBits & ScaleOnFrame);
    for (const BitBox& b : kGridBoxes)
        dialog.SetCheck(b.id, s.gridBits & b.bit);
    dialog.SetText(218, FormatInt(s.polarSectors));
}

bool TGridDlg::ReadValue(const platform::Dialog& dialog, int id, std::size_t maxLength, long double& value) const {
    const std::string text = dialog.GetText(id);
    if (text.size() > maxLength)
        return false;
    return evaluate_(text, value) == 0;
}

bool TGridDlg::ReadInt(const platform::Dialog& dialog, int id, std::size_t maxLength, int low, int high,
                       int& out) const {
    long double value = 0;
    if (!ReadValue(dialog, id, maxLength, value) || !(value >= low && value <= high))
        return false;
    out = RoundToInt(value);
    return true;
}

void TGridDlg::ReadInterval(const platform::Dialog& dialog, int id, long double& interval) {
    long double value = 0;
    if (ReadValue(dialog, id, 20, value) && value > 1e-18L && std::isfinite(value) &&
        std::fabs(value - interval) > 1e-18L) {
        interval = value;
        settings_.intervalState = 0;
    }
}

void TGridDlg::ReadChecks(const platform::Dialog& dialog) {
    AxisSettings& s = settings_;
    s.axesShown = dialog.GetCheck(271);
    s.axesKind = AxesNone;
    for (const KindRadio& r : kKindRadios)
        if (dialog.GetCheck(r.id))
            s.axesKind = r.kind;
    s.ticks = dialog.GetCheck(272);
}

bool TGridDlg::Apply(const platform::Dialog& dialog) {
    AxisSettings& s = settings_;
    const AxisSettings before = s;
    ReadChecks(dialog);
    ReadInterval(dialog, 212, s.tickX);
    ReadInterval(dialog, 215, s.tickY);
    s.scaleBits = (dialog.GetCheck(276) ? ScaleLabelsX : 0) | (dialog.GetCheck(278) ? ScaleLabelsY : 0) |
                  (dialog.GetCheck(256) ? ScaleOnFrame : 0);
    s.piX = dialog.GetCheck(277);
    s.piY = dialog.GetCheck(279);
    ReadInt(dialog, 214, 9, 1, 98, s.freqX);
    ReadInt(dialog, 217, 9, 1, 98, s.freqY);
    long double percent = 0;
    if (ReadValue(dialog, 211, 20, percent) && percent > 0.2L && percent < 98)
        s.SetTickLen(RoundToInt(screenWidth_ * percent * 0.01L));
    s.arrows = dialog.GetCheck(273);
    s.dots = dialog.GetCheck(274);
    int grid = 0;
    for (const BitBox& b : kGridBoxes)
        if (dialog.GetCheck(b.id))
            grid |= b.bit;
    s.gridBits = grid;
    s.labels = dialog.GetCheck(275);
    ReadInt(dialog, 213, 20, 0, 9, s.decimalsX);
    ReadInt(dialog, 216, 20, 0, 9, s.decimalsY);
    ReadInt(dialog, 218, 20, 4, 100, s.polarSectors);

    const bool labelsX = s.scaleBits & ScaleLabelsX, labelsY = s.scaleBits & ScaleLabelsY;
    const bool labelChangeX = labelsX && (s.piX != before.piX || s.decimalsX != before.decimalsX || s.freqX != before.freqX);
    const bool labelChangeY = labelsY && (s.piY != before.piY || s.decimalsY != before.decimalsY || s.freqY != before.freqY);
    return labelChangeX || labelChangeY || s.axesShown != before.axesShown || s.axesKind != before.axesKind ||
           s.ticks != before.ticks || s.tickX != before.tickX || s.tickY != before.tickY ||
           s.scaleBits != before.scaleBits || s.tickLen != before.tickLen || s.arrows != before.arrows ||
           s.dots != before.dots || s.gridBits != before.gridBits || s.labels != before.labels ||
           s.polarSectors != before.polarSectors;
}

bool TGridDlg::OnCommand(platform::Dialog& dialog, int id, platform::ControlEvent event) {
    if (event != platform::ControlEvent::Clicked)
        return false;
    if (id == 91) {
        if (Apply(dialog) && onChange)
            onChange();
        FillIntervals(dialog);
        return true;
    }
    if (id == 2) {
        hidden = true;
        dialog.Hide();
        return true;
    }
    return false;
}

void TGridDlg::OnClose(platform::Dialog& dialog, int result) {
    (void)dialog;
    (void)result;
    hidden = true;
}

} // namespace korvane
