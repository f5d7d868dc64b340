#pragma once
// The initial values of a space system (IVP310: x, y, z, t0, t1 and the step) or of a
// space sequence (IVP312: x, y, z and the number of terms), as a new trajectory.
#include <functional>
#include <string>

#include "plane/TrajectoryRecord.h"
#include "platform/DialogHandler.h"

namespace korvane {

class TSpaceIvpDlg : public platform::DialogHandler {
public:
    TSpaceIvpDlg(bool sequence, std::function<int(const std::string&, long double&)> evaluate,
                 std::function<void(int)> showMessage);

    static std::string TemplateName(bool sequence) { return sequence ? "IVP312" : "IVP310"; }
    // 0 with the trajectory made, or the first field's failure code.
    int Accept(const platform::Dialog& dialog);
    const TrajectoryRecord& Result() const { return result_; }

    void OnInit(platform::Dialog& dialog) override;
    bool OnCommand(platform::Dialog& dialog, int id, platform::ControlEvent event) override;

private:
    bool sequence_;
    std::function<int(const std::string&, long double&)> evaluate_;
    std::function<void(int)> showMessage_;
    TrajectoryRecord result_;
};

} // namespace korvane
