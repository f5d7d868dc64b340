#include "space/TAxisLengthDlg.h"
#include "space/FieldText.h"

#include <cmath>

#include "platform/Dialog.h"

namespace korvane {

void TAxisLengthDlg::OnInit(platform::Dialog& dialog) {
    const long double values[6] = {view_.axisMin.x, view_.axisMax.x, view_.axisMin.y,
                                   view_.axisMax.y, view_.axisMin.z, view_.axisMax.z};
    for (int k = 0; k < 6; ++k)
        dialog.SetText(211 + k, FieldText(values[k]));
}

int TAxisLengthDlg::Accept(const platform::Dialog& dialog) {
    long double v[6];
    for (int k = 0; k < 6; ++k) {
        if (const int code = evaluate_(dialog.GetText(211 + k), v[k]); code != 0)
            return code;
        if (!std::isfinite(v[k]))
            return 17;
    }
    for (int k = 0; k < 6; k += 2)
        if (!(v[k + 1] > v[k]))
            return 6;
    view_.axisMin = {v[0], v[2], v[4]};
    view_.axisMax = {v[1], v[3], v[5]};
    return 0;
}

bool TAxisLengthDlg::OnCommand(platform::Dialog& dialog, int id, platform::ControlEvent event) {
    if (event != platform::ControlEvent::Clicked)
        return false;
    if (id == kUnlock) {
        view_.axisLocked = false;
        view_.FollowBox();
        dialog.End(1);
        return true;
    }
    if (id != kLock && id != 1)
        return false;
    if (const int code = Accept(dialog); code != 0) {
        showMessage_(code);
        return true;
    }
    view_.axisLocked = true;
    dialog.End(1);
    return true;
}

} // namespace korvane
