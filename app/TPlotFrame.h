#pragma once
// The program's main window: a small launcher with the menu "PLOTMENU" that opens the
// graph windows, owns them, and ends the program when it closes. It keeps its place on
// the screen and its two toggles in "kv.ini".
#include "app/GraphWindowFactory.h"
#include "app/OwnedWindow.h"
#include "platform/Rgb.h"
#include "platform/Window.h"
#include "platform/WindowHandler.h"
#include "text/HelpWindows.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace korvane {

class RandomGenerator;

namespace platform {
class Platform;
}

class TPlotFrame : public platform::WindowHandler {
public:
    static constexpr platform::Rgb kBackground{64, 128, 128};

    // Told of every window the frame opens: its kind ("plane", "space", "guess",
    // "mapper"), its title and the document it starts with (may be empty).
    using OpenObserver = std::function<void(const std::string& kind, const std::string& title,
                                            const std::string& path)>;

    TPlotFrame(platform::Platform& platform, GraphWindowFactory& factory, RandomGenerator& random,
               std::string pendingFile);
    ~TPlotFrame() override;

    // Creates the window, reads "kv.ini" and places the frame; the caller shows it.
    void SetupWindow();
    void Show();

    void OpenFile(const std::string& path);
    void OpenPlot2(const std::string& path);
    void OpenPlot3(const std::string& path);
    // The last space window still open, or a new one; null when none could be made.
    TPlotRWin* SpaceTarget();
    void OpenGuess();
    void OpenMapper(const std::string& path);
    // A second start of the program handed `name` over.
    void HandOver(const std::string& name);

    void SetOpenObserver(OpenObserver observer) { observer_ = std::move(observer); }

    platform::Window& GetWindow() { return *window_; }
    bool OpenLast() const { return openLast_; }
    bool UseDefaults() const { return useDefaults_; }
    bool MaximizePending() const { return maximizePending_; }
    const std::string& PendingFile() const { return pendingFile_; }
    const platform::Placement& Placement() const { return placement_; }
    const std::string& IniPath() const { return iniPath_; }
    // Windows that are still open.
    std::size_t OpenWindowCount() const;

    void OnCommand(int id) override;
    void OnPaint(platform::Surface& front) override;
    void OnDropFiles(const std::vector<std::string>& paths) override;
    bool OnClose() override;
    void OnDestroy() override;

private:
    void ReadSettings();
    void WriteSettings();
    void ToggleOpenLast();
    void ToggleUseDefaults();
    void ShowCheckMarks();
    void ShowHelp();
    void ShowAbout();
    // Messages and help belong to the frame itself, not to a hidden graph window: a box
    // owned by a hidden window would be modal to nothing the user sees and could open
    // away from the frame.
    void ShowMessage(int code);
    WindowOptions OptionsFor(std::string title, bool hasNotebook, const std::string& path) const;
    void Adopt(std::unique_ptr<OwnedWindow> window, const char* kind, const WindowOptions& options);
    void ForgetClosedWindows();

    platform::Platform& platform_;
    GraphWindowFactory& factory_;
    RandomGenerator& random_;
    std::unique_ptr<platform::Window> window_;
    std::unique_ptr<HelpWindows> help_;
    platform::Placement placement_;
    bool maximizePending_ = false;
    std::string iniPath_;
    bool openLast_ = false;
    bool useDefaults_ = false;
    std::string pendingFile_;
    std::int16_t count2_ = 0;
    std::int16_t count3_ = 0;
    std::int16_t countMap_ = 0;
    std::vector<std::unique_ptr<OwnedWindow>> windows_;
    OpenObserver observer_;
};

} // namespace korvane
