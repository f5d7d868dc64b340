#include "analysis/TComboDlg.h"

#include "plane/TPlot2Win.h"
#include "platform/Dialog.h"
#include "platform/Platform.h"

namespace korvane {

TComboDlg::TComboDlg(TPlot2Win& owner, const char* templateName, const std::int16_t* kinds, bool allowPolynomials,
                     bool allowDerived, int* currentColour)
    : owner(owner), allowPolynomials(allowPolynomials), allowDerived(allowDerived), templateName_(templateName),
      currentColour_(currentColour) {
    for (const std::int16_t* k = kinds; *k != -1; ++k)
        allowedKinds.push_back(*k);
}

TComboDlg::~TComboDlg() = default;

void TComboDlg::Open() {
    if (!dialog_)
        dialog_ = owner.GetPlatform().CreateModeless(templateName_, *this, owner.GetWindow());
    if (!dialog_)
        return;
    dialog_->Show();
    dialog_->Focus(kExampleList);
}

bool TComboDlg::IsOpen() const { return dialog_ && dialog_->IsVisible(); }

bool TComboDlg::Offers(const ExampleRecord& e) const {
    bool kindAllowed = false;
    for (std::int16_t k : allowedKinds)
        kindAllowed = kindAllowed || e.Kind() == k;
    const bool polynomial = e.Kind() == kExplicit && e.Flag(exo::kFlag59);
    return kindAllowed && (!polynomial || allowPolynomials) && (!e.IsDerived() || allowDerived);
}

void TComboDlg::FillList(platform::Dialog& dialog, int id, std::vector<int>& map, int keep) {
    dialog.ListClear(id);
    map.clear();
    ExampleTable& examples = owner.Examples();
    int line = 0;
    for (int i = 0; i <= examples.LastExample(); ++i) {
        if (!Offers(examples[i]))
            continue;
        dialog.ListAdd(id, examples[i].texts[4]);
        if (i == keep)
            line = static_cast<int>(map.size());
        map.push_back(i);
    }
    dialog.ListSelect(id, map.empty() ? -1 : line);
}

bool TComboDlg::TakeSelection(platform::Dialog& dialog) {
    selectedLine = dialog.ListSelection(kExampleList);
    if (selectedLine < 0 || selectedLine >= static_cast<int>(listMap.size())) {
        exampleIndex = -1;
        exampleKind = 0;
        return false;
    }
    exampleIndex = listMap[static_cast<std::size_t>(selectedLine)];
    const ExampleRecord& e = owner.Examples()[exampleIndex];
    exampleKind = e.Kind();
    if (currentColour_)
        *currentColour_ = e.Colour();
    return true;
}

ExampleRecord* TComboDlg::Example() const {
    if (exampleIndex < 0 || exampleIndex > owner.Examples().LastExample())
        return nullptr;
    ExampleRecord& e = owner.Examples()[exampleIndex];
    return e.Kind() == exampleKind ? &e : nullptr;
}

void TComboDlg::OnInit(platform::Dialog& dialog) {
    bound_ = &dialog;
    FillList(dialog, kExampleList, listMap, exampleIndex);
    TakeSelection(dialog);
    SetUp(dialog);
}

void TComboDlg::Refill() {
    if (!bound_)
        return;
    FillList(*bound_, kExampleList, listMap, exampleIndex);
    TakeSelection(*bound_);
}

bool TComboDlg::OnCommand(platform::Dialog& dialog, int id, platform::ControlEvent event) {
    if (id == kExampleList && event == platform::ControlEvent::SelectionChanged) {
        TakeSelection(dialog);
        ExampleChanged();
        return true;
    }
    return Command(dialog, id, event);
}

void TComboDlg::Show(int id, const std::string& text) {
    if (bound_)
        bound_->SetText(id, text);
}

void TComboDlg::Fail(int code) const { owner.ShowMessage(code); }

} // namespace korvane
