#pragma once
// The number-format dialog ("DP", "DPSN", "FWDP", "FWDPSN"): decimals, field width and
// the scientific-notation options of a window's number format.
#include "graph/GraphStyle.h"
#include "platform/Dialog.h"
#include "platform/DialogHandler.h"

#include <functional>
#include <string>

namespace korvane {

class TNumberFormatDlg : public platform::DialogHandler {
public:
    using Evaluator = std::function<int(const std::string&, long double&)>;
    using Reporter = std::function<void(int code)>;

    TNumberFormatDlg(NumberFormat& format, bool hasFieldWidth, bool hasScientific, Evaluator evaluate,
                     Reporter report)
        : format_(format), hasFieldWidth_(hasFieldWidth), hasScientific_(hasScientific),
          evaluate_(std::move(evaluate)), report_(std::move(report)) {}

    const char* TemplateName() const { return NumberFormatDialogName(hasFieldWidth_, hasScientific_); }
    bool Changed() const { return changed_; }

    void OnInit(platform::Dialog& dialog) override;
    bool OnCommand(platform::Dialog& dialog, int id, platform::ControlEvent event) override;

private:
    int ReadInt(platform::Dialog& dialog, int id, int fallback, bool& ok) const;

    NumberFormat& format_;
    bool hasFieldWidth_, hasScientific_;
    Evaluator evaluate_;
    Reporter report_;
    bool changed_ = false;
};

} // namespace korvane
