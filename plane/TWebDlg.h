#pragma once
// "WEB": the start x0 and the number of steps of a cobweb (bytes 281 and 44). A field that
// is no number, or a count outside 1..1000, keeps the dialog open on that field.
#include "platform/DialogHandler.h"

namespace korvane {

class ExampleRecord;
class TFuncWin;

class TWebDlg : public platform::DialogHandler {
public:
    enum Control : int { kStart = 211, kSteps = 212 };

    TWebDlg(TFuncWin& window, ExampleRecord& web) : window_(window), web_(web) {}

    void OnInit(platform::Dialog& dialog) override;
    bool OnCommand(platform::Dialog& dialog, int id, platform::ControlEvent event) override;

private:
    TFuncWin& window_;
    ExampleRecord& web_;
};

} // namespace korvane
