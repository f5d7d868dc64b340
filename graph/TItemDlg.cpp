#include "graph/TItemDlg.h"

#include "platform/Dialog.h"

namespace korvane {

void TItemDlg::OnInit(platform::Dialog& dialog) {
    for (const auto& [id, text] : fields_)
        dialog.SetText(id, text);
    dialog.ShowControl(kDeleteButton, canDelete_);
    if (!fields_.empty())
        dialog.Focus(fields_.front().first);
}

bool TItemDlg::OnCommand(platform::Dialog& dialog, int id, platform::ControlEvent event) {
    if (event != platform::ControlEvent::Clicked || (id != platform::ResultOk && id != kDeleteButton))
        return false;
    if (id == platform::ResultOk)
        for (auto& [field, text] : fields_)
            text = dialog.GetText(field);
    dialog.End(id);
    return true;
}

const std::string& TItemDlg::Field(int id) const {
    static const std::string none;
    for (const auto& [field, text] : fields_)
        if (field == id)
            return text;
    return none;
}

} // namespace korvane
