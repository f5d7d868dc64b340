#pragma once
// The dialog "SWITCH" ("habilitar tipos"): which formula families the game may draw and
// the lowest and highest number of factors of its polynomials.
#include "platform/DialogHandler.h"
#include "windows/GuessSettings.h"

#include <functional>
#include <string>

namespace korvane {

class TSwitchDlg : public platform::DialogHandler {
public:
    using Evaluator = std::function<int(const std::string&, long double&)>;
    using Reporter = std::function<void(int code)>;

    // Check box of flag i; the two counts.
    static constexpr int kFirstCheck = 270;
    static constexpr int kLowestField = 211;
    static constexpr int kHighestField = 212;

    TSwitchDlg(GuessSettings& settings, Evaluator evaluate, Reporter report)
        : settings_(settings), evaluate_(std::move(evaluate)), report_(std::move(report)) {}

    void OnInit(platform::Dialog& dialog) override;
    // "ok" keeps the dialog open, with a message, while a count is unusable.
    bool OnCommand(platform::Dialog& dialog, int id, platform::ControlEvent event) override;

private:
    bool ReadCount(platform::Dialog& dialog, int id, int& count);

    GuessSettings& settings_;
    Evaluator evaluate_;
    Reporter report_;
};

} // namespace korvane
