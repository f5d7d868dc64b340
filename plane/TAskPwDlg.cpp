#include "plane/TAskPwDlg.h"

#include "platform/Dialog.h"

namespace korvane {

void TAskPwDlg::OnInit(platform::Dialog& dialog) { dialog.Focus(211); }

bool TAskPwDlg::OnCommand(platform::Dialog& dialog, int id, platform::ControlEvent event) {
    if (id != 1 || event != platform::ControlEvent::Clicked)
        return false;
    typed_ = dialog.GetText(211);
    dialog.End(1);
    return true;
}

} // namespace korvane
