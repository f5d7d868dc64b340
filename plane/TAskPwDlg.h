#pragma once
// "ASKPW": the password that unlocks a protected document's operations.
#include "platform/DialogHandler.h"

#include <string>

namespace korvane {

class TAskPwDlg : public platform::DialogHandler {
public:
    void OnInit(platform::Dialog& dialog) override;
    bool OnCommand(platform::Dialog& dialog, int id, platform::ControlEvent event) override;
    const std::string& Typed() const { return typed_; }

private:
    std::string typed_;
};

} // namespace korvane
