#include "plane/TSetPwDlg.h"

#include "graph/TFileMsgWin.h"
#include "platform/Dialog.h"
#include "text/TextFile.h"

namespace korvane {
namespace {

enum Control : int {
    kPassword = 211, kConfirm = 212, kAuthor = 213, // 213..216: author, date, e-mail, homepage
    kSave = 271, kInventory = 272, kNotebook = 273, kShowAuthor = 274,
    kRemove = 3,
};
constexpr int kNothingToDo = 9;
constexpr int kNoMatch = 30;
constexpr int kNoMemory = 4;

} // namespace

void TSetPwDlg::OnInit(platform::Dialog& dialog) {
    dialog.SetCheck(kSave, true);
    for (int i = 0; i < 4; ++i)
        dialog.SetText(kAuthor + i, protection_.author[static_cast<std::size_t>(i)]);
    dialog.Focus(kPassword);
}

bool TSetPwDlg::OnCommand(platform::Dialog& dialog, int id, platform::ControlEvent event) {
    if (event != platform::ControlEvent::Clicked)
        return false;
    if (id == 1) {
        Add(dialog);
        return true;
    }
    if (id == kRemove) {
        protection_.protection = 0;
        protection_.passwordHash.clear();
        protection_.author = {};
        dialog.End(kRemoved);
        return true;
    }
    return false; // Escape and the close box: Cancel, nothing changes
}

void TSetPwDlg::Add(platform::Dialog& dialog) {
    const std::string password = dialog.GetText(kPassword), confirm = dialog.GetText(kConfirm);
    int bits = (dialog.GetCheck(kSave) ? 1 : 0) | (dialog.GetCheck(kInventory) ? 2 : 0) |
               (dialog.GetCheck(kNotebook) ? 4 : 0);
    int code = 0;
    if (password.empty() || confirm.empty())
        code = kNothingToDo;
    else if (password != confirm)
        code = kNoMatch;
    else if (bits == 0)
        code = kNothingToDo;
    std::string hash;
    if (code == 0 && (hash = HashPassword(password)).empty())
        code = kNoMemory;
    if (code != 0) {
        if (code == kNoMatch) {
            dialog.SetText(kPassword, "");
            dialog.SetText(kConfirm, "");
        }
        window_.ShowMessage(code);
        dialog.Focus(kPassword);
        return;
    }
    if (dialog.GetCheck(kShowAuthor))
        bits |= 1024;
    protection_.protection = bits;
    protection_.passwordHash = hash;
    for (int i = 0; i < 4; ++i)
        protection_.author[static_cast<std::size_t>(i)] = CutText(dialog.GetText(kAuthor + i), kMaxProtectionText);
    dialog.End(kAdded);
}

} // namespace korvane
