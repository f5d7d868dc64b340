#include "windows/TMapDlg.h"

#include "plane/DocumentText.h"
#include "platform/Dialog.h"

namespace korvane {

const char* TMapDlg::TemplateName(const ExampleRecord& map) {
    return map.Kind() == kMapPlane ? "EQUA402" : "EQUA401";
}

std::string TMapDlg::Describe(const ExampleRecord& map) {
    if (map.Kind() == kMapPlane)
        return "(x,y) ==> (" + map.texts[0] + " , " + map.texts[1] + ")";
    return "z ==> " + map.texts[0];
}

void TMapDlg::OnInit(platform::Dialog& dialog) {
    for (int i = 0; i < FieldCount(); ++i)
        dialog.SetText(kFirstField + i, map_.texts[static_cast<std::size_t>(i)]);
}

bool TMapDlg::OnCommand(platform::Dialog& dialog, int id, platform::ControlEvent event) {
    if (id != platform::ResultOk || event != platform::ControlEvent::Clicked)
        return false;
    std::string texts[2];
    for (int i = 0; i < FieldCount(); ++i) {
        const std::string text = dialog.GetText(kFirstField + i);
        int code = StorableText(text) ? 0 : kCharacterNotStored;
        texts[i] = FitToField(text, kMaxFormulaLength);
        if (code == 0)
            code = check_(texts[i]);
        if (code != 0) {
            report_(code);
            dialog.Focus(kFirstField + i);
            return true;
        }
    }
    for (int i = 0; i < FieldCount(); ++i)
        map_.texts[static_cast<std::size_t>(i)] = texts[i];
    map_.texts[4] = FitToField(Describe(map_), kMaxFormulaLength);
    dialog.End(platform::ResultOk);
    return true;
}

} // namespace korvane
