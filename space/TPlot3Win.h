#pragma once
// The space graph window: menu PLOT3MENU, settings file "kv3.ini", documents ".kv3".
#include <memory>

#include "plane/TTimeWin.h"
#include "space/TLevelWin.h"
#include "space/TLevelsDlg.h"
#include "space/TPlotRWin.h"
#include "space/TRDSDlg.h"
#include "space/TRDSWin.h"

namespace korvane {

namespace cmd {
inline constexpr int kCloseSpaceWindow = 24310;
} // namespace cmd

class TPlot3Win : public TPlotRWin {
public:
    TPlot3Win(platform::Platform& platform, const WindowOptions& options, platform::Window* owner);
    ~TPlot3Win() override;

    std::string SettingsFileName() const override { return "kv3.ini"; }
    std::int32_t SettingsIdentifier() const override;
    std::string DocumentExtension() const override { return "kv3"; }
    std::string HelpName() const override { return "PLOT3HELP"; }
    std::string DocumentFilter() const override { return "Arquivos Viru3R (*.KV3)|*.kv3"; }

    void OnCommand(int id) override;
    void OnDestroy() override;

    // "Curvas de nível": the dialog LEVELS and the level-curve window for the last shown
    // implicit (or explicit) surface; false when there is none.
    bool ShowLevels();
    TLevelWin* LevelWindow() const { return levelWindow_.get(); }
    TLevelsDlg* LevelsDialog() const { return levelsHandler_.get(); }
    // "Estereogramas aleatórios": the dialog RDS; false without an explicit or cylindrical
    // surface.
    bool ShowStereogramDialog();
    // Opens or refreshes the stereogram window.
    void DrawStereogramWindow();
    TRDSWin* StereogramWindow() const { return rdsWindow_.get(); }
    StereogramParameters& Stereogram() { return stereogram_; }
    void ExamplesChanged() override;
    // The time window of component k (630 + k), opened or brought up.
    TTimeWin* OpenTimeWindow(int k);
    TTimeWin* TimeWindow(int k) const { return timeWindows_[static_cast<std::size_t>(k)].get(); }

protected:
    void PackSlots(SettingsRecord& record) override;
    void UnpackSlots(const SettingsRecord& record) override;
    bool BindsPlaneReals() const override { return false; }
    void CaptureKindSettings(DocumentState& s) override;
    void ApplyKindSettings(const DocumentState& s) override;

private:
    void SetUpDefaults();
    LevelsHost MakeLevelsHost();
    // The record the levels dialog works on, while it is still there.
    ExampleRecord* LevelRecord();
    void CloseLevels();
    void PlaceBeside(TZalWin& other, bool hasPlace);

    std::vector<ExampleRecord*> StereogramCandidates();
    TimeParent MakeTimeParent();
    void RefreshTimeWindows();
    void AfterDocumentChanged() override;

    std::array<std::unique_ptr<TTimeWin>, 4> timeWindows_;

    StereogramParameters stereogram_;
    std::unique_ptr<TRDSWin> rdsWindow_;
    std::unique_ptr<TRDSDlg> rdsHandler_;
    std::unique_ptr<platform::Dialog> rdsDialog_;
    std::unique_ptr<TLevelWin> levelWindow_;
    std::unique_ptr<TLevelsDlg> levelsHandler_;
    std::unique_ptr<platform::Dialog> levelsDialog_;
    int levelRecord_ = -1;
    std::int16_t levelKind_ = 0;
    void CreateWindowFromSettings();
};

} // namespace korvane
