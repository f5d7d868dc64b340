#pragma once
// "coordenadas observador" (SETOBS): the observer's three coordinates, applied with
// "aplicar" while the dialog stays open.
#include <functional>
#include <string>

#include "platform/DialogHandler.h"
#include "space/SpacePoint.h"

namespace korvane {

class TObserverDlg : public platform::DialogHandler {
public:
    static constexpr int kApply = 3;

    std::function<int(const std::string&, long double&)> evaluate;
    std::function<void(const SpacePoint&)> apply;
    std::function<void(int code)> showMessage;

    void Fill(platform::Dialog& dialog, const SpacePoint& observer) const;
    // The three fields as a point; 0, or the code of the first field that fails.
    int Read(const platform::Dialog& dialog, SpacePoint& out) const;
    bool OnCommand(platform::Dialog& dialog, int id, platform::ControlEvent event) override;
};

} // namespace korvane
