#include "graph/TFnLibDlg.h"

#include "platform/Platform.h"
#include "resources/Resources.h"

#include <utility>

namespace korvane {

namespace {
constexpr const char* kMessageCaption = "hmm...";
} // namespace

TFnLibDlg::TFnLibDlg(platform::Platform& platform, UserFunctionLibrary& library,
                     DefinitionCompiler compile)
    : platform_(platform), library_(library), compile_(std::move(compile)) {}

TFnLibDlg::~TFnLibDlg() = default;

void TFnLibDlg::Show(platform::Window* owner) {
    if (!dialog_)
        dialog_ = platform_.CreateModeless("FNLIB", *this, owner);
    if (dialog_)
        dialog_->Show();
}

void TFnLibDlg::LibraryChanged() {
    editing_.reset();
    if (dialog_)
        FillList(*dialog_);
}

void TFnLibDlg::OnInit(platform::Dialog& dialog) {
    dialog.SetCheck(kFunctionOfXRadio, true);
    FillList(dialog);
    dialog.Focus(kName);
}

bool TFnLibDlg::OnCommand(platform::Dialog& dialog, int id, platform::ControlEvent event) {
    if (event != platform::ControlEvent::Clicked)
        return false;
    switch (id) {
    case kEnter:
        Enter(dialog);
        return true;
    case kEdit:
        LoadSelected(dialog, true);
        return true;
    case kCopy:
        LoadSelected(dialog, false);
        return true;
    case kDelete:
        DeleteSelected(dialog);
        return true;
    default:
        return false; // "fechar" (2) hides the dialog
    }
}

void TFnLibDlg::Enter(platform::Dialog& dialog) {
    const std::uint16_t kind = dialog.GetCheck(kFunctionOfXYRadio) ? std::uint16_t{kFunctionOfXY}
                                                                   : std::uint16_t{kFunctionOfX};
    const DefinitionResult result = DefineFunction(
        library_, dialog.GetText(kName), dialog.GetText(kDefinition), kind, editing_, compile_);
    if (result.code != 0) {
        ShowMessage(result.code);
        dialog.Focus(result.field == DefinitionField::Definition ? kDefinition : kName);
        return;
    }
    for (int warning : result.warnings)
        ShowMessage(warning);
    editing_.reset();
    FillList(dialog);
}

void TFnLibDlg::LoadSelected(platform::Dialog& dialog, bool markForEditing) {
    const int selected = dialog.ListSelection(kList);
    if (selected < 0 || static_cast<std::size_t>(selected) >= library_.Count())
        return;
    const UserFunction& function = library_.At(static_cast<std::size_t>(selected));
    dialog.SetText(kName, std::string(function.Name()));
    dialog.SetText(kDefinition, std::string(function.Definition()));
    const bool twoVariables = function.kind == kFunctionOfXY;
    dialog.SetCheck(twoVariables ? kFunctionOfXYRadio : kFunctionOfXRadio, true);
    dialog.SetCheck(twoVariables ? kFunctionOfXRadio : kFunctionOfXYRadio, false);
    if (markForEditing)
        editing_ = static_cast<std::size_t>(selected);
    else
        editing_.reset();
    dialog.Focus(kDefinition);
}

void TFnLibDlg::DeleteSelected(platform::Dialog& dialog) {
    const int selected = dialog.ListSelection(kList);
    if (selected < 0 || static_cast<std::size_t>(selected) >= library_.Count())
        return;
    const auto index = static_cast<std::size_t>(selected);
    library_.Erase(index);
    // The mark follows its record, or goes with it.
    if (editing_ && *editing_ == index)
        editing_.reset();
    else if (editing_ && *editing_ > index)
        --*editing_;
    FillList(dialog);
}

void TFnLibDlg::FillList(platform::Dialog& dialog) {
    dialog.ListClear(kList);
    for (const UserFunction& function : library_.All())
        dialog.ListAdd(kList, ListEntryText(function));
}

void TFnLibDlg::ShowMessage(int code) {
    platform_.MessageBox(res::Message(code), kMessageCaption, platform::MessageButtons::Ok,
                         platform::MessageIcon::None, nullptr);
}

} // namespace korvane
