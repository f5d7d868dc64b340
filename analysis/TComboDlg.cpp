#include "analysis/TComboDlg.h"

#include "graph/NumberText.h"
#include "plane/PointNote.h"
#include "plane/TPlotAWin.h"
#include "platform/Dialog.h"
#include "platform/Platform.h"

namespace korvane {

TComboDlg::TComboDlg(TPlotAWin& owner, const char* templateName, const std::int16_t* kinds,
                     bool allowPolynomials, bool allowDerived, int* currentColour)
    : owner(owner), allowPolynomials(allowPolynomials), allowDerived(allowDerived),
      templateName_(templateName), currentColour_(currentColour) {
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

bool TComboDlg::IsOpen() const {
    return dialog_ && dialog_->IsVisible();
}

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

void TComboDlg::Fail(int code) const {
    owner.ShowMessage(code);
}

namespace {

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
}

} // namespace

std::string TComboDlg::Number(long double value) const {
    const NumberFormat& format = owner.Format();
    return Trimmed(FormatFixed(value, format.fieldWidth, format.decimals));
}

std::string TComboDlg::FieldText(long double value) const {
    return Trimmed(owner.Format().Format(value));
}

void TComboDlg::FillLetters(platform::Dialog& dialog) {
    dialog.ListClear(kLetterList);
    for (char c = 'A'; c <= 'Z'; ++c)
        dialog.ListAdd(kLetterList, std::string(1, c));
    dialog.ListSelect(kLetterList, letterSlot - 1);
}

bool TComboDlg::LetterCommand(platform::Dialog& dialog, int id) {
    if (id != kLetterList)
        return false;
    letterSlot = std::max(dialog.ListSelection(kLetterList), 0) + 1;
    return true;
}

void TComboDlg::Mark(std::int16_t type, std::array<long double, 4> values, std::int16_t count,
                     const std::string& label, ExampleRecord* first, ExampleRecord* second) {
    PointNote note;
    note.type = type;
    note.values = values;
    note.count = count;
    note.label = label;
    bool added = false;
    for (ExampleRecord* e : {first, second})
        if (e)
            added = AddPointNote(*e, note) || added;
    if (added) {
        owner.SetModified();
        owner.Redraw(owner.CurrentLevel());
    }
}

void TComboDlg::SaveInLetter(long double value) {
    owner.Context().SetLetter(letterSlot, value);
    owner.SetModified();
    owner.LetterSet(letterSlot);
}

} // namespace korvane
