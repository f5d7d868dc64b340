#include "resources/ResourceTables.h"

namespace korvane::res {

namespace {

// Ids as TFnLibDlg knows them: 1 is "enter" so that the Enter key defines the function,
// 2 is "fechar", which hides the modeless dialog.
constexpr ControlTemplate kFunctionLibraryControls[] = {
    {ControlTemplate::Static, 100, "nome"},
    {ControlTemplate::Edit, 101, "", 12, false, 255},
    {ControlTemplate::Static, 102, "(1...8 caracteres)"},
    {ControlTemplate::RadioButton, 103, "nome(x) =", 0, true},
    {ControlTemplate::RadioButton, 104, "nome(x,y) ="},
    {ControlTemplate::Edit, 105, "", 40, true, 255},
    {ControlTemplate::ListBox, 106, "", 50, true},
    {ControlTemplate::Button, 1, "enter", 0, true},
    {ControlTemplate::Button, 107, "editar"},
    {ControlTemplate::Button, 108, "apagar"},
    {ControlTemplate::Button, 109, "copiar"},
    {ControlTemplate::Button, 2, "fechar"},
};

constexpr DialogTemplate kDialogs[] = {
    {"FNLIB", "nova função", kFunctionLibraryControls},
};

} // namespace

ResourceTable LanguageResources() { return {{}, {}, kDialogs}; }

} // namespace korvane::res
