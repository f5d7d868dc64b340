#pragma once
// The print-settings dialog ("PRNSPX1", "PRNSPX2"): the printed width or the length of
// one world unit, the corner on the page, the frame and colour options, in centimetres
// on screen and inches in the settings. Values out of range keep it open with message 17.
#include "graph/SettingsFile.h"
#include "platform/Dialog.h"
#include "platform/DialogHandler.h"

#include <functional>
#include <string>

namespace korvane {

class TPrintFormatDlg : public platform::DialogHandler {
public:
    using Evaluator = std::function<int(const std::string&, long double&)>;
    using Reporter = std::function<void(int code)>;

    TPrintFormatDlg(SettingsRecord& settings, Evaluator evaluate, Reporter report)
        : settings_(settings), evaluate_(std::move(evaluate)), report_(std::move(report)) {}

    void OnInit(platform::Dialog& dialog) override;
    bool OnCommand(platform::Dialog& dialog, int id, platform::ControlEvent event) override;

private:
    SettingsRecord& settings_;
    Evaluator evaluate_;
    Reporter report_;
};

} // namespace korvane
