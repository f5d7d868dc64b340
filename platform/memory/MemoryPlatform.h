#pragma once
// The in-memory Platform for the core's tests: windows and dialogs that tests drive by
// hand, scripted answers for modal dialogs, message boxes, input boxes, file and font
// dialogs, a log of everything shown, a clipboard and settable screen, time and folder.
// Unscripted questions get a fixed answer: a message box its first button, every other
// dialog Cancel.
#include "platform/Platform.h"
#include "platform/memory/MemoryClipboard.h"
#include "platform/memory/MemoryDialog.h"
#include "platform/memory/MemoryPrinter.h"
#include "platform/memory/MemoryWindow.h"

#include <deque>
#include <map>

namespace korvane::platform {

struct MessageRecord {
    std::string text;
    std::string caption;
    MessageButtons buttons;
    MessageIcon icon;
    MessageAnswer answer;
};

struct InputRecord {
    std::string caption;
    std::string prompt;
    std::string initial;
};

struct FileDialogRecord {
    bool save;
    FileDialogSpec request;
};

class MemoryPlatform : public Platform {
public:
    MemoryPlatform() = default;
    ~MemoryPlatform() override;
    MemoryPlatform(const MemoryPlatform&) = delete;
    MemoryPlatform& operator=(const MemoryPlatform&) = delete;

    using Platform::CreateModeless;
    using Platform::RunModal;

    std::unique_ptr<Window> CreateWindow(const WindowSpec& request, WindowHandler& handler) override;
    std::unique_ptr<Surface> CreateSurface(Size size) override;
    std::unique_ptr<ExportSurface> CreateExportSurface(const std::string& path, Size size) override;
    int RunModal(const res::DialogTemplate& dialog, DialogHandler& handler, Window* owner) override;
    std::unique_ptr<Dialog> CreateModeless(const res::DialogTemplate& dialog, DialogHandler& handler,
                                           Window* owner) override;
    // The defaults repeat Platform's.
    MessageAnswer MessageBox(const std::string& text, const std::string& caption,
                             MessageButtons buttons = MessageButtons::Ok, MessageIcon icon = MessageIcon::None,
                             Window* owner = nullptr) override;
    std::optional<std::string> InputBox(const std::string& caption, const std::string& prompt,
                                        const std::string& initial, Window* owner = nullptr,
                                        int maxLength = 0) override;
    std::optional<std::string> OpenFileDialog(const FileDialogSpec& request) override;
    std::optional<std::string> SaveFileDialog(const FileDialogSpec& request) override;
    std::optional<FontChoice> ChooseFont(const FontChoice& initial, Window* owner) override;
    void ShowTextWindow(const std::string& title, const std::string& text) override;
    Clipboard& GetClipboard() override { return clipboard_; }
    std::unique_ptr<Printer> CreatePrinter() override;
    Size ScreenSize() const override { return screen_; }
    std::vector<Rect> ScreenAreas() const override;
    // No picture is decoded here: the size comes from a PNG's header or an SVG's width
    // and height, and the rendered part is painted in kPictureStandIn.
    std::optional<Size> PictureSize(std::span<const std::uint8_t> data) const override;
    std::unique_ptr<Surface> RenderPicture(std::span<const std::uint8_t> data, Size full, const Rect& part,
                                           Rgb background) override;
    static constexpr Rgb kPictureStandIn{90, 30, 150};
    int ScreenDpi() const override { return dpi_; }
    std::string ConfigDirectory() override;
    std::int64_t CurrentTime() const override { return time_; }
    std::int64_t TickCount() const override { return ticks_; }
    InstanceRole ClaimInstance(const std::string& path, std::function<void(const std::string&)> onPath) override;
    int Run() override;
    void Quit(int exitCode) override;

    // Scripts, used in order.
    // Runs on the dialog of the next modal run after its OnInit; more than one may serve
    // the same dialog while it stays open (for instance after a refused OK).
    void ScriptModal(std::function<void(MemoryDialog&)> script) { modalScripts_.push_back(std::move(script)); }
    void AnswerMessage(MessageAnswer answer) { messageAnswers_.push_back(answer); }
    void AnswerInput(std::optional<std::string> text) { inputAnswers_.push_back(std::move(text)); }
    void AnswerFileDialog(std::optional<std::string> path) { fileAnswers_.push_back(std::move(path)); }
    void AnswerFont(std::optional<FontChoice> choice) { fontAnswers_.push_back(std::move(choice)); }
    std::size_t UnusedScripts() const;

    // Logs.
    const std::vector<MessageRecord>& Messages() const { return messages_; }
    const std::vector<InputRecord>& Inputs() const { return inputs_; }
    const std::vector<std::string>& ModalRuns() const { return modalRuns_; } // template names
    const std::vector<FileDialogRecord>& FileDialogs() const { return fileDialogs_; }
    const std::map<std::string, std::string>& TextWindows() const { return textWindows_; }
    const std::vector<std::string>& Exports() const { return exports_; } // finished export paths
    void ClearLogs();

    // The live windows and dialogs, in creation order.
    const std::vector<MemoryWindow*>& Windows() const { return windows_; }
    MemoryWindow* FindWindow(const std::string& title) const;
    MemoryDialog* FindDialog(std::string_view templateName) const;
    // Runs queued repaints of every window until none is left; gives how many ran.
    int RunPendingRepaints();

    // Settings.
    void SetScreenSize(Size size) { screen_ = size; }
    // Screens side by side, the primary's first; none: one screen of ScreenSize.
    void SetScreenAreas(std::vector<Rect> areas) { screenAreas_ = std::move(areas); }
    void SetTime(std::int64_t seconds) { time_ = seconds; }
    void AdvanceTicks(std::int64_t milliseconds) { ticks_ += milliseconds; }
    // Overrides the environment's rule.
    void SetConfigDirectory(std::string path) { configDirectory_ = std::move(path); }
    MemoryClipboard& ClipboardState() { return clipboard_; }
    // Printers made from now on have this page and answer their dialogs so.
    void SetPrinter(const PageInfo& page, bool chosen = true) {
        printerPage_ = page;
        printerChosen_ = chosen;
    }
    // The last printer made (owned by whoever asked for it), or null.
    MemoryPrinter* LastPrinter() const { return lastPrinter_; }

    // The single instance: `running` plays the instance that already runs, or null.
    void SetRunningInstance(MemoryPlatform* running) { running_ = running; }
    // A second start hands `path` over; false when this platform has not claimed.
    bool HandOver(const std::string& path);
    bool QuitRequested() const { return quit_; }
    int ExitCode() const { return exitCode_; }

    // Bookkeeping of MemoryWindow and MemoryDialog.
    void Register(MemoryWindow* window) { windows_.push_back(window); }
    void Unregister(MemoryWindow* window);
    void Register(MemoryDialog* dialog) { dialogs_.push_back(dialog); }
    void Unregister(MemoryDialog* dialog);

private:
    std::deque<std::function<void(MemoryDialog&)>> modalScripts_;
    std::deque<MessageAnswer> messageAnswers_;
    std::deque<std::optional<std::string>> inputAnswers_;
    std::deque<std::optional<std::string>> fileAnswers_;
    std::deque<std::optional<FontChoice>> fontAnswers_;
    std::vector<MessageRecord> messages_;
    std::vector<InputRecord> inputs_;
    std::vector<std::string> modalRuns_;
    std::vector<FileDialogRecord> fileDialogs_;
    std::map<std::string, std::string> textWindows_;
    std::vector<std::string> exports_;
    std::vector<MemoryWindow*> windows_;
    std::vector<MemoryDialog*> dialogs_;
    MemoryClipboard clipboard_;
    PageInfo printerPage_{300, 300, {0, 0}, {2400, 3300}};
    bool printerChosen_ = true;
    MemoryPrinter* lastPrinter_ = nullptr;
    Size screen_{1920, 1080};
    std::vector<Rect> screenAreas_;
    int dpi_ = 96;
    std::int64_t time_ = 1700000000;
    std::int64_t ticks_ = 0;
    std::optional<std::string> configDirectory_;
    MemoryPlatform* running_ = nullptr;
    std::function<void(const std::string&)> onPath_;
    bool claimed_ = false;
    bool quit_ = false;
    int exitCode_ = 0;

    friend class MemoryExportSurface;
};

} // namespace korvane::platform
