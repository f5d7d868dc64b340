#include "space/TDeriveDlg.h"

#include "platform/Dialog.h"
#include "space/SurfaceRecord.h"

namespace korvane {

void TDeriveDlg::OnInit(platform::Dialog& dialog) {
    dialog.SetCheck(kByX, true);
    variable_ = kSlotX;
}

void TDeriveDlg::OnClose(platform::Dialog& dialog, int result) {
    if (result == 1)
        variable_ = dialog.GetCheck(kByY) ? kSlotY : dialog.GetCheck(kByZ) ? kSlotZ : kSlotX;
}

} // namespace korvane
