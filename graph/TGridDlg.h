#pragma once
// The modeless grid dialog "SETGRID": axes, ticks, labels, intervals and the grid.
#include "graph/AxisSettings.h"
#include "platform/Dialog.h"
#include "platform/DialogHandler.h"

#include <functional>
#include <string>

namespace korvane {

class TGridDlg : public platform::DialogHandler {
public:
    using Evaluator = std::function<int(const std::string&, long double&)>;

    TGridDlg(AxisSettings& settings, int screenWidth, Evaluator evaluate)
        : settings_(settings), screenWidth_(screenWidth < 1 ? 1 : screenWidth), evaluate_(std::move(evaluate)) {}

    // Runs after "aplicar" changed something that shows.
    std::function<void()> onChange;
    bool hidden = true;

    void Fill(platform::Dialog& dialog) const;
    void FillIntervals(platform::Dialog& dialog) const;
    // Reads every field into the settings; true when the picture changes.
    bool Apply(const platform::Dialog& dialog);

    void OnInit(platform::Dialog& dialog) override { Fill(dialog); }
    bool OnCommand(platform::Dialog& dialog, int id, platform::ControlEvent event) override;
    void OnClose(platform::Dialog& dialog, int result) override;

private:
    bool ReadValue(const platform::Dialog& dialog, int id, std::size_t maxLength, long double& value) const;
    bool ReadInt(const platform::Dialog& dialog, int id, std::size_t maxLength, int low, int high, int& out) const;
    void ReadInterval(const platform::Dialog& dialog, int id, long double& interval);
    void ReadChecks(const platform::Dialog& dialog);

    AxisSettings& settings_;
    int screenWidth_;
    Evaluator evaluate_;
};

} // namespace korvane
