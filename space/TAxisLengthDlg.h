#pragma once
// "Definir tamanho ..." (AXLEN): the extent of the three axes; "travar" keeps it against
// the box, "destravar" lets it follow the box again.
#include <functional>
#include <string>

#include "platform/DialogHandler.h"
#include "space/SpaceView.h"

namespace korvane {

class TAxisLengthDlg : public platform::DialogHandler {
public:
    static constexpr int kLock = 3;
    static constexpr int kUnlock = 4;

    TAxisLengthDlg(SpaceView& view, std::function<int(const std::string&, long double&)> evaluate,
                   std::function<void(int)> showMessage)
        : view_(view), evaluate_(std::move(evaluate)), showMessage_(std::move(showMessage)) {}

    void OnInit(platform::Dialog& dialog) override;
    bool OnCommand(platform::Dialog& dialog, int id, platform::ControlEvent event) override;
    // The six fields into the view's axis extent; 0 or the failure's code (6 when a
    // maximum is not above its minimum).
    int Accept(const platform::Dialog& dialog);

private:
    SpaceView& view_;
    std::function<int(const std::string&, long double&)> evaluate_;
    std::function<void(int)> showMessage_;
};

} // namespace korvane
