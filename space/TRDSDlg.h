#pragma once
// "RDS inventário" (RDS): the explicit and cylindrical surfaces of the space window, each
// taking part in the stereogram or left out (a double click changes it), the four
// parameters and "traçar", which opens or refreshes the stereogram window.
#include <functional>
#include <string>
#include <vector>

#include "plane/ExampleRecord.h"
#include "platform/DialogHandler.h"
#include "space/Stereogram.h"

namespace korvane {

struct RdsHost {
    std::function<std::vector<ExampleRecord*>()> candidates;
    StereogramParameters* parameters = nullptr;
    std::function<void()> draw;
    std::function<void()> selectionChanged;
    std::function<int(const std::string&, long double&)> evaluate;
    std::function<void(int code)> showMessage;
};

class TRDSDlg : public platform::DialogHandler {
public:
    static constexpr int kList = 250, kDepth = 211, kDensity = 212, kStrips = 213, kDotSize = 214;
    static constexpr int kDraw = 3, kClose = 2;

    explicit TRDSDlg(RdsHost host);

    void Fill(platform::Dialog& dialog);
    // The four fields into the parameters; 0, or the first refusal's code with nothing changed.
    int Read(const platform::Dialog& dialog);
    bool OnCommand(platform::Dialog& dialog, int id, platform::ControlEvent event) override;

private:
    RdsHost host_;
};

} // namespace korvane
