#pragma once
// "SETPW" ("proteção"): a new password typed twice, the operations it protects and the
// author block. "adicionar" applies, "remover" takes the protection away; leaving the
// dialog otherwise (Escape, the close box, "cancelar") changes nothing.
#include "plane/DocumentProtection.h"
#include "platform/DialogHandler.h"

namespace korvane {

class TFileMsgWin;

class TSetPwDlg : public platform::DialogHandler {
public:
    enum Result : int { kAdded = 1, kCancelled = 2, kRemoved = 3 };

    TSetPwDlg(TFileMsgWin& window, DocumentProtection& protection) : window_(window), protection_(protection) {}

    void OnInit(platform::Dialog& dialog) override;
    bool OnCommand(platform::Dialog& dialog, int id, platform::ControlEvent event) override;

private:
    void Add(platform::Dialog& dialog);

    TFileMsgWin& window_;
    DocumentProtection& protection_;
};

} // namespace korvane
