#include "space/TObserverDlg.h"
#include "space/FieldText.h"

#include <cmath>

#include "platform/Dialog.h"

namespace korvane {

void TObserverDlg::Fill(platform::Dialog& dialog, const SpacePoint& observer) const {
    dialog.SetText(211, FieldText(observer.x));
    dialog.SetText(212, FieldText(observer.y));
    dialog.SetText(213, FieldText(observer.z));
}

int TObserverDlg::Read(const platform::Dialog& dialog, SpacePoint& out) const {
    long double* fields[3] = {&out.x, &out.y, &out.z};
    for (int k = 0; k < 3; ++k) {
        if (const int code = evaluate(dialog.GetText(211 + k), *fields[k]); code != 0)
            return code;
        if (!std::isfinite(*fields[k]))
            return 17;
    }
    return 0;
}

bool TObserverDlg::OnCommand(platform::Dialog& dialog, int id, platform::ControlEvent event) {
    if (id != kApply || event != platform::ControlEvent::Clicked)
        return false;
    SpacePoint observer;
    if (const int code = Read(dialog, observer); code != 0) {
        if (showMessage)
            showMessage(code);
        return true;
    }
    if (apply)
        apply(observer);
    return true;
}

} // namespace korvane
