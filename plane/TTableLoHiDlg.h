#pragma once
// "TABLELOHI": the first and last argument and the number of steps of an example's table of
// values (bytes 91, 101 and 44). A field that is no number, an empty range or a count that
// is not positive keeps the dialog open with its code.
#include "platform/DialogHandler.h"

namespace korvane {

class ExampleRecord;
class TFileMsgWin;

class TTableLoHiDlg : public platform::DialogHandler {
public:
    TTableLoHiDlg(TFileMsgWin& window, ExampleRecord& example) : window_(window), example_(example) {}

    void OnInit(platform::Dialog& dialog) override;
    bool OnCommand(platform::Dialog& dialog, int id, platform::ControlEvent event) override;

private:
    TFileMsgWin& window_;
    ExampleRecord& example_;
};

} // namespace korvane
