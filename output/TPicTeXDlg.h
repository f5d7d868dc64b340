#pragma once
// The PiCTeX setup dialog ("PICTEX"): width, box number, blank radius and the mode. OK
// keeps the dialog open with its message while a value is out of range.
#include "output/TeXSettings.h"
#include "platform/Dialog.h"
#include "platform/DialogHandler.h"

#include <functional>
#include <string>

namespace korvane {

class TPicTeXDlg : public platform::DialogHandler {
public:
    using Evaluator = std::function<int(const std::string&, long double&)>;
    using Reporter = std::function<void(int code)>;

    TPicTeXDlg(TeXSettings& settings, Evaluator evaluate, Reporter report)
        : settings_(settings), evaluate_(std::move(evaluate)), report_(std::move(report)) {}

    void OnInit(platform::Dialog& dialog) override;
    bool OnCommand(platform::Dialog& dialog, int id, platform::ControlEvent event) override;

private:
    bool Read(platform::Dialog& dialog, int id, long double& value);

    TeXSettings& settings_;
    Evaluator evaluate_;
    Reporter report_;
};

} // namespace korvane
