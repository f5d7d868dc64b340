#include "plane/TTableLoHiDlg.h"

#include "graph/TFileMsgWin.h"
#include "plane/ExampleRecord.h"
#include "plane/TableOfValues.h"
#include "platform/Dialog.h"

#include <cstdio>

namespace korvane {
namespace {

enum Field : int { kFirst = 211, kLast = 212, kSteps = 213 };

std::string Text(long double v) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.15Lg", v);
    return buffer;
}

} // namespace

void TTableLoHiDlg::OnInit(platform::Dialog& dialog) {
    dialog.SetText(kFirst, Text(example_.Real(exo::kTableFirst)));
    dialog.SetText(kLast, Text(example_.Real(exo::kTableLast)));
    dialog.SetText(kSteps, Text(example_.I16(exo::kTableSteps)));
    dialog.Focus(kFirst);
}

bool TTableLoHiDlg::OnCommand(platform::Dialog& dialog, int id, platform::ControlEvent event) {
    if (id != 1 || event != platform::ControlEvent::Clicked)
        return false;
    long double values[3] = {};
    const int fields[3] = {kFirst, kLast, kSteps};
    for (int i = 0; i < 3; ++i) {
        if (const int code = window_.EvaluateNumber(dialog.GetText(fields[i]), values[i]); code != 0) {
            window_.ShowMessage(code);
            dialog.Focus(fields[i]);
            return true;
        }
    }
    if (const int code = CheckTableRange(values[0], values[1], values[2]); code != 0) {
        window_.ShowMessage(code);
        dialog.Focus(code == 6 && values[2] >= 1 ? kLast : kSteps);
        return true;
    }
    example_.SetReal(exo::kTableFirst, values[0]);
    example_.SetReal(exo::kTableLast, values[1]);
    example_.SetI16(exo::kTableSteps, static_cast<std::int16_t>(values[2]));
    dialog.End(1);
    return true;
}

} // namespace korvane
