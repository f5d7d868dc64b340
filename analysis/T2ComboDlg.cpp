#include "analysis/T2ComboDlg.h"

#include "plane/TPlotAWin.h"
#include "platform/Dialog.h"

namespace korvane {

bool T2ComboDlg::TakeSecondSelection(platform::Dialog& dialog) {
    const int line = dialog.ListSelection(kSecondList);
    if (line < 0 || line >= static_cast<int>(secondMap.size())) {
        secondIndex = -1;
        secondKind = 0;
        return false;
    }
    secondIndex = secondMap[static_cast<std::size_t>(line)];
    secondKind = owner.Examples()[secondIndex].Kind();
    return true;
}

ExampleRecord* T2ComboDlg::SecondExample() const {
    if (secondIndex < 0 || secondIndex > owner.Examples().LastExample())
        return nullptr;
    ExampleRecord& e = owner.Examples()[secondIndex];
    return e.Kind() == secondKind ? &e : nullptr;
}

void T2ComboDlg::OnInit(platform::Dialog& dialog) {
    // The second list starts on another example than the first when there is one.
    FillList(dialog, kSecondList, secondMap, secondIndex);
    if (secondIndex < 0 && secondMap.size() > 1)
        dialog.ListSelect(kSecondList, 1);
    TakeSecondSelection(dialog);
    TComboDlg::OnInit(dialog);
}

void T2ComboDlg::Refill() {
    if (platform::Dialog* d = GetDialog()) {
        FillList(*d, kSecondList, secondMap, secondIndex);
        TakeSecondSelection(*d);
    }
    TComboDlg::Refill();
}

bool T2ComboDlg::OnCommand(platform::Dialog& dialog, int id, platform::ControlEvent event) {
    if (id == kSecondList && event == platform::ControlEvent::SelectionChanged) {
        TakeSecondSelection(dialog);
        ExampleChanged();
        return true;
    }
    return TComboDlg::OnCommand(dialog, id, event);
}

} // namespace korvane
