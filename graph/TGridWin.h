#pragma once
// Axes-and-grid level: the settings of the axes, ticks, labels and grid, their commands
// and the grid dialog; draws them as the bottom of the base picture.
#include "graph/AxisSettings.h"
#include "graph/TGridDlg.h"
#include "graph/TZalWing.h"

#include <memory>

namespace korvane {

namespace cmd {
inline constexpr int kDottedLines = 71;
inline constexpr int kDottedColour = 72;
inline constexpr int kPiSymbol = 73;
inline constexpr int kMinusSign = 92;
inline constexpr int kAxisNames = 102;
inline constexpr int kAxes = 109;
inline constexpr int kSolidArrows = 110;
inline constexpr int kOpaque = 220;
inline constexpr int kGridDialog = 320;
} // namespace cmd

class TGridWin : public TZalWing {
public:
    TGridWin(platform::Platform& platform, const WindowOptions& options, platform::Window* owner);
    ~TGridWin() override;

    AxisSettings& Axes() { return axes_; }
    TGridDlg* GridDialogHandler() { return gridHandler_.get(); }
    platform::Dialog* GridDialog() { return gridDialog_.get(); }

    void OnCommand(int id) override;
    // Grid, axes, ticks, labels and axis names.
    void DrawBase(platform::Surface& surface) override;
    void DrawAxes(platform::Surface& surface);
    // Copies the tick, arrow and mark lengths into the view's derived sizes.
    void SyncPixelSizes();

protected:
    void RefreshMenuChecks() override;
    void OnWidthChanged(bool axes) override;

    void ShowGridDialog();
    void EditAxisNames();
    void EditPiSymbol();
    void EditMinusSign();
    void AxesChanged(int level);

    AxisSettings axes_;

private:
    std::unique_ptr<TGridDlg> gridHandler_;
    std::unique_ptr<platform::Dialog> gridDialog_;
};

} // namespace korvane
