#pragma once
// An analysis dialog with a second example list (combo box 296), for the tools that work
// on two examples: intersections, and integrals of f - g.
#include "analysis/TComboDlg.h"

namespace korvane {

class T2ComboDlg : public TComboDlg {
public:
    using TComboDlg::TComboDlg;

    void Refill() override;
    int SecondIndex() const { return secondIndex; }

    void OnInit(platform::Dialog& dialog) override;
    bool OnCommand(platform::Dialog& dialog, int id, platform::ControlEvent event) override;

protected:
    bool TakeSecondSelection(platform::Dialog& dialog);
    ExampleRecord* SecondExample() const;

    std::vector<int> secondMap;
    int secondIndex = -1;
    std::int16_t secondKind = 0;
};

} // namespace korvane
