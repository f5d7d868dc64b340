#include "windows/TSwitchDlg.h"

#include "platform/Dialog.h"

#include <cmath>

namespace korvane {

namespace {

constexpr int kOutOfRange = 17; // "fora dos limites"

} // namespace

void TSwitchDlg::OnInit(platform::Dialog& dialog) {
    for (int i = 0; i < kGuessFlags; ++i)
        dialog.SetCheck(kFirstCheck + i, settings_.flags[i]);
    dialog.SetText(kLowestField, std::to_string(settings_.lowest));
    dialog.SetText(kHighestField, std::to_string(settings_.highest));
}

// A count is a whole number; any constant expression that gives one will do.
bool TSwitchDlg::ReadCount(platform::Dialog& dialog, int id, int& count) {
    long double value = 0;
    if (const int code = evaluate_(dialog.GetText(id), value); code != 0) {
        report_(code);
        return false;
    }
    if (!(std::fabs(value) <= 1000) || value != std::floor(value)) {
        report_(kOutOfRange);
        return false;
    }
    count = static_cast<int>(value);
    return true;
}

bool TSwitchDlg::OnCommand(platform::Dialog& dialog, int id, platform::ControlEvent event) {
    if (id != platform::ResultOk || event != platform::ControlEvent::Clicked)
        return false;
    int lowest = 0, highest = 0;
    if (!ReadCount(dialog, kLowestField, lowest) || !ReadCount(dialog, kHighestField, highest))
        return true;
    if (!FactorCountsValid(lowest, highest)) {
        report_(kOutOfRange);
        return true;
    }
    for (int i = 0; i < kGuessFlags; ++i)
        settings_.flags[i] = dialog.GetCheck(kFirstCheck + i);
    settings_.lowest = lowest;
    settings_.highest = highest;
    dialog.End(platform::ResultOk);
    return true;
}

} // namespace korvane
