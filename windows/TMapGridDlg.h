#pragma once
// The dialog "MAPGRID" ("grade"): visibility, range, divisions and colour of the two grid
// families. Every value is an expression; on "ok" a value that does not evaluate, an empty
// range or divisions outside 1..1000 show their message and keep the dialog open.
#include "platform/DialogHandler.h"
#include "windows/MapGrid.h"

#include <functional>
#include <string>

namespace korvane {

class TMapGridDlg : public platform::DialogHandler {
public:
    using Evaluator = std::function<int(const std::string&, long double&)>;
    using Reporter = std::function<void(int code)>;

    static constexpr int kShownCheck = 271;  // + family
    static constexpr int kFirstEdit = 211;   // + 3 x family: low, high, divisions
    static constexpr int kColourCombo = 204; // + family

    TMapGridDlg(MapGrid& grid, Evaluator evaluate, Reporter report)
        : grid_(grid), evaluate_(std::move(evaluate)), report_(std::move(report)) {}

    void OnInit(platform::Dialog& dialog) override;
    bool OnCommand(platform::Dialog& dialog, int id, platform::ControlEvent event) override;

private:
    int ReadFamily(platform::Dialog& dialog, int family, GridFamily& out);

    MapGrid& grid_;
    Evaluator evaluate_;
    Reporter report_;
};

} // namespace korvane
