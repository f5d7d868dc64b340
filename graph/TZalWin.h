#pragma once
// Settings level: the window kind's settings file, line widths, number format, the curve
// colour cycle and the commands every graph window shares for them.
#include "graph/GraphStyle.h"
#include "graph/SettingsFile.h"
#include "graph/TPreWin.h"

#include <array>

namespace korvane {

namespace cmd {
inline constexpr int kFont = 61;
inline constexpr int kUseDefaults = 49;
inline constexpr int kAxesWidthScreen = 100;
inline constexpr int kAxesWidthPrinter = 101;
inline constexpr int kNumberFormat = 105;
inline constexpr int kGridWidthScreen = 150;
inline constexpr int kGridWidthPrinter = 151;
inline constexpr int kColourFirst = 200; // 200 + slot
} // namespace cmd

class TZalWin : public TPreWin {
public:
    TZalWin(platform::Platform& platform, const WindowOptions& options, platform::Window* owner);

    // The kind's file name ("kv2.ini") and identifier (841).
    virtual std::string SettingsFileName() const = 0;
    virtual std::int32_t SettingsIdentifier() const = 0;

    // At set-up, when the options allow: true when a file was read and unpacked.
    bool ReadSettingsFile();
    // At close; a file that cannot be written is skipped.
    void WriteSettingsFile();
    std::string SettingsPath();

    LineWidths& Widths() { return widths_; }
    NumberFormat& Format() { return format_; }
    std::array<int, 10>& CurveColours() { return curveColours_; }
    int NextCurveColour();
    const std::string& LastDocument() const { return lastDocument_; }
    void SetLastDocument(const std::string& path) { lastDocument_ = path; }
    const platform::Placement& StoredPlacement() const { return placement_; }
    // The header of the settings file as last read or made: its printing values and flags
    // are the window's print settings.
    SettingsRecord& HeaderSettings() { return stored_; }
    bool UseDefaultsForChildren() const { return useDefaults_; }

    // A placement off the screens there are now (a monitor has gone) comes onto the
    // primary one.
    void PlaceOnScreen(const platform::Placement& placement);

    void OnCommand(int id) override;

protected:
    // Opens the kind's graph window with its menu and key table, then reads the settings
    // file once the client size is known: positions beyond it are reset.
    void OpenGraphWindow(const std::string& title, const std::string& menu);
    // Puts the window where the settings file says it was.
    void RestorePlacement();
    // The kind's use of the generic slots.
    virtual void PackSlots(SettingsRecord& record) { (void)record; }
    virtual void UnpackSlots(const SettingsRecord& record) { (void)record; }
    // Slots that a level below this one fills alike for every kind under it.
    virtual void PackSharedSlots(SettingsRecord& record) { (void)record; }
    virtual void UnpackSharedSlots(const SettingsRecord& record) { (void)record; }
    // A screen width changed: repaint what it shows.
    virtual void OnWidthChanged(bool axes) { (void)axes; Redraw(currentLevel_); }
    virtual void OnNumberFormatChanged() {}
    virtual bool HasFieldWidth() const { return true; }
    virtual bool HasScientific() const { return false; }
    virtual void RefreshMenuChecks();

    bool EditWidth(int& width, int labelId, bool printer);
    void EditNumberFormat();

    LineWidths widths_;
    NumberFormat format_;
    std::array<int, 10> curveColours_;
    int curveCursor_ = 0;
    std::int32_t windowValue_ = 0;
    std::string lastDocument_;
    platform::Placement placement_;
    bool settingsRead_ = false;
    bool settingsWritten_ = false;
    bool useDefaults_ = false;
    SettingsRecord stored_; // header values kept between reading and writing

private:
    void TakeRecord(const SettingsRecord& record);
    SettingsRecord MakeRecord();
};

} // namespace korvane
