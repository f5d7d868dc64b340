#include "graph/TNumberFormatDlg.h"

#include "graph/NumberText.h"
#include "graph/View.h"

namespace korvane {

void TNumberFormatDlg::OnInit(platform::Dialog& dialog) {
    dialog.SetText(211, FormatInt(format_.decimals));
    if (hasFieldWidth_)
        dialog.SetText(212, FormatInt(format_.fieldWidth));
    if (hasScientific_) {
        dialog.SetCheck(271, format_.scientific);
        dialog.SetCheck(272, format_.secondOption);
    }
}

int TNumberFormatDlg::ReadInt(platform::Dialog& dialog, int id, int fallback, bool& ok) const {
    long double value = 0;
    const int code = evaluate_(dialog.GetText(id), value);
    if (code != 0) {
        report_(code);
        ok = false;
        return fallback;
    }
    return RoundToInt(value);
}

bool TNumberFormatDlg::OnCommand(platform::Dialog& dialog, int id, platform::ControlEvent event) {
    if (id != 1 || event != platform::ControlEvent::Clicked)
        return false;
    bool ok = true;
    const int decimals = ReadInt(dialog, 211, format_.decimals, ok);
    const int width = hasFieldWidth_ && ok ? ReadInt(dialog, 212, format_.fieldWidth, ok) : format_.fieldWidth;
    if (!ok)
        return true;
    NumberFormat next = format_;
    const bool scientific = hasScientific_ && dialog.GetCheck(271);
    const bool second = hasScientific_ && dialog.GetCheck(272);
    const int code = ApplyNumberFormat(next, decimals, width, scientific, second, hasFieldWidth_, hasScientific_);
    if (code != 0) {
        report_(code);
        return true;
    }
    changed_ = next.decimals != format_.decimals || next.fieldWidth != format_.fieldWidth ||
               next.scientific != format_.scientific || next.secondOption != format_.secondOption;
    format_ = next;
    dialog.End(platform::ResultOk);
    return true;
}

} // namespace korvane
