#pragma once
// The analysis tools of one plane window: its dialogs, created on first use and kept,
// the enabling of their commands, and what they draw over the picture.
#include "analysis/TPreRiemDlg.h"
#include "plane/PlaneAnalysis.h"

#include <array>
#include <memory>

namespace korvane {

class TPlotAWin;
class TZeroDlg;
class TRiemDlg;
class TExtremeDlg;
class TInterDlg;
class TMeasureDlg;

class AnalysisTools : public PlaneAnalysis {
public:
    explicit AnalysisTools(TPlotAWin& window);
    ~AnalysisTools() override;

    bool OnCommand(int id) override;
    void RefreshMenu() override;
    void ExamplesChanged() override;
    void DrawOverlay(platform::Surface& surface) override;
    void DrawOverlayThrough(PlaneDrawContext& context) override;

    TZeroDlg* ZeroDialog() const { return zero_.get(); }
    TRiemDlg* RiemannDialog() const { return riemann_.get(); }
    TExtremeDlg* ExtremeDialog() const { return extreme_.get(); }
    TInterDlg* InterDialog() const { return inter_.get(); }
    // 0 arc length, 1 sector area, 2 volume, 3 surface of revolution.
    TMeasureDlg* MeasureDialog(int which) const {
        return measures_[static_cast<std::size_t>(which)].get();
    }
    IntegralFields& Integrals() { return integrals_; }
    // The window's current example colour: the colour of the example chosen last.
    int CurrentColour() const { return currentColour_; }

private:
    bool HasKind(std::int16_t kind) const;

    TPlotAWin& window_;
    int currentColour_ = -1;
    IntegralFields integrals_;
    std::unique_ptr<TZeroDlg> zero_;
    std::unique_ptr<TRiemDlg> riemann_;
    std::unique_ptr<TExtremeDlg> extreme_;
    std::unique_ptr<TInterDlg> inter_;
    std::array<std::unique_ptr<TMeasureDlg>, 4> measures_;
    bool HasCurve() const;
};

// Gives the window its tools.
void InstallAnalysisTools(TPlotAWin& window);

} // namespace korvane
