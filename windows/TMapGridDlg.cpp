#include "windows/TMapGridDlg.h"

#include "graph/ColourTable.h"
#include "platform/Dialog.h"

#include <cmath>
#include <cstdio>

namespace korvane {

namespace {

constexpr int kOutOfRange = 17;

std::string NumberText(long double value) {
    char text[48];
    std::snprintf(text, sizeof text, "%.12Lg", value);
    return text;
}

} // namespace

void TMapGridDlg::OnInit(platform::Dialog& dialog) {
    for (int f = 0; f < 2; ++f) {
        const GridFamily& family = grid_.lines[f];
        dialog.SetCheck(kShownCheck + f, family.shown);
        dialog.SetText(kFirstEdit + 3 * f, NumberText(family.low));
        dialog.SetText(kFirstEdit + 3 * f + 1, NumberText(family.high));
        dialog.SetText(kFirstEdit + 3 * f + 2, std::to_string(family.divisions));
        dialog.ListClear(kColourCombo + f);
        for (int c = 0; c < kColourCount; ++c)
            dialog.ListAdd(kColourCombo + f, ColourName(c));
        dialog.ListSelect(kColourCombo + f, family.colour);
    }
}

int TMapGridDlg::ReadFamily(platform::Dialog& dialog, int f, GridFamily& out) {
    long double values[3];
    for (int i = 0; i < 3; ++i) {
        const int id = kFirstEdit + 3 * f + i;
        if (const int code = evaluate_(dialog.GetText(id), values[i]); code != 0) {
            dialog.Focus(id);
            return code;
        }
    }
    if (!(std::fabs(values[2]) <= kMaxGridDivisions) || values[2] != std::floor(values[2]))
        return kOutOfRange;
    out.shown = dialog.GetCheck(kShownCheck + f);
    out.low = values[0];
    out.high = values[1];
    out.divisions = static_cast<int>(values[2]);
    const int colour = dialog.ListSelection(kColourCombo + f);
    if (colour >= 0 && colour < kColourCount)
        out.colour = colour;
    return 0;
}

bool TMapGridDlg::OnCommand(platform::Dialog& dialog, int id, platform::ControlEvent event) {
    if (id != platform::ResultOk || event != platform::ControlEvent::Clicked)
        return false;
    MapGrid read = grid_;
    int code = 0;
    for (int f = 0; f < 2 && code == 0; ++f)
        code = ReadFamily(dialog, f, read.lines[f]);
    if (code == 0)
        code = ValidateGrid(read);
    if (code != 0) {
        report_(code);
        return true;
    }
    grid_ = read;
    dialog.End(platform::ResultOk);
    return true;
}

} // namespace korvane
