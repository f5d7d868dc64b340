#include "output/TPrintFormatDlg.h"

#include "graph/NumberText.h"

#include <algorithm>
#include <cmath>

namespace korvane {

namespace {

constexpr int kWidth = 211, kUnit = 212, kLeft = 213, kTop = 214, kByWidth = 251, kByUnit = 252;
constexpr int kFrame = 271, kColour = 272;
constexpr int kOutOfRange = 17;
constexpr long double kCmPerInch = 2.54L, kMinimumInches = 0.25L;

std::string Centimetres(long double inches) { return FormatFixed(std::fabs(inches) * kCmPerInch, 4, 2); }

} // namespace

void TPrintFormatDlg::OnInit(platform::Dialog& dialog) {
    long double* v = settings_.printValues;
    dialog.SetText(kWidth, Centimetres(v[1]));
    dialog.SetText(kUnit, Centimetres(v[0]));
    dialog.SetText(kLeft, Centimetres(v[2]));
    dialog.SetText(kTop, Centimetres(v[3]));
    dialog.SetCheck(kByUnit, v[0] > 0);
    dialog.SetCheck(kByWidth, !(v[0] > 0));
    dialog.SetCheck(kFrame, settings_.printFlags[0]);
    dialog.SetCheck(kColour, settings_.printFlags[1]);
}

bool TPrintFormatDlg::OnCommand(platform::Dialog& dialog, int id, platform::ControlEvent event) {
    if (event != platform::ControlEvent::Clicked)
        return false;
    // Each choice sits beside its field, so the two are not one run of radio buttons.
    if (id == kByWidth || id == kByUnit) {
        dialog.SetCheck(id == kByWidth ? kByUnit : kByWidth, false);
        dialog.SetCheck(id, true);
        return true;
    }
    if (id != platform::ResultOk)
        return false;
    long double values[4] = {};
    const int fields[4] = {kUnit, kWidth, kLeft, kTop};
    for (int i = 0; i < 4; ++i) {
        const int code = evaluate_(dialog.GetText(fields[i]), values[i]);
        if (code != 0) {
            report_(code);
            return true;
        }
        values[i] /= kCmPerInch;
    }
    const bool tooLarge = std::any_of(std::begin(values), std::end(values),
                                      [](long double v) { return !(v <= kMostPrintInches); });
    if (values[1] < kMinimumInches || values[2] < kMinimumInches || values[3] < kMinimumInches ||
        values[0] < 1e-18L || tooLarge) {
        report_(kOutOfRange);
        return true;
    }
    // The one not in use is kept, negated.
    if (dialog.GetCheck(kByUnit))
        values[1] = -values[1];
    else
        values[0] = -values[0];
    for (int i = 0; i < 4; ++i)
        settings_.printValues[i] = values[i];
    settings_.printFlags[0] = dialog.GetCheck(kFrame);
    settings_.printFlags[1] = dialog.GetCheck(kColour);
    dialog.End(platform::ResultOk);
    return true;
}

} // namespace korvane
