#pragma once
// The modeless dialog "nova função" (resource FNLIB) through which the user defines,
// edits, copies and deletes the functions of a window's library. The window creates it
// on first use of command 506 and keeps it; command 505 shows the language help.
#include "expr/UserFunctionLibrary.h"
#include "platform/DialogHandler.h"

#include <cstddef>
#include <memory>
#include <optional>

namespace korvane::platform {
class Dialog;
class Platform;
class Window;
} // namespace korvane::platform

namespace korvane {

class TFnLibDlg final : public platform::DialogHandler {
public:
    enum Control : int {
        kEnter = 1,
        kClose = 2,
        kNameLabel = 100,
        kName = 101,
        kNameHint = 102,
        kFunctionOfXRadio = 103,
        kFunctionOfXYRadio = 104,
        kDefinition = 105,
        kList = 106,
        kEdit = 107,
        kDelete = 108,
        kCopy = 109,
    };
    static constexpr int kCommandLibraryHelp = 505;
    static constexpr int kCommandDefineFunction = 506;

    // `compile` compiles a definition in the window's language with the given records.
    TFnLibDlg(platform::Platform& platform, UserFunctionLibrary& library,
              DefinitionCompiler compile);
    ~TFnLibDlg() override;
    TFnLibDlg(const TFnLibDlg&) = delete;
    TFnLibDlg& operator=(const TFnLibDlg&) = delete;

    // Command 506: creates the dialog the first time, shows it again afterwards.
    void Show(platform::Window* owner);
    // The library was replaced (a document was read): refill the list, drop the edit mark.
    void LibraryChanged();
    // Null until the first Show.
    platform::Dialog* GetDialog() const { return dialog_.get(); }
    // Index of the record that "enter" will overwrite, if one is being edited.
    std::optional<std::size_t> EditedRecord() const { return editing_; }

    void OnInit(platform::Dialog& dialog) override;
    bool OnCommand(platform::Dialog& dialog, int id, platform::ControlEvent event) override;

private:
    void Enter(platform::Dialog& dialog);
    void LoadSelected(platform::Dialog& dialog, bool markForEditing);
    void DeleteSelected(platform::Dialog& dialog);
    void FillList(platform::Dialog& dialog);
    void ShowMessage(int code);

    platform::Platform& platform_;
    UserFunctionLibrary& library_;
    DefinitionCompiler compile_;
    std::unique_ptr<platform::Dialog> dialog_;
    std::optional<std::size_t> editing_;
};

} // namespace korvane
