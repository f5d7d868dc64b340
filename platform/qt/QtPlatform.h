#pragma once
// The Platform on Qt 6 Widgets. It also keeps the program's busy gate: while a window
// paints or polls PeekKey, the user's input to the program's windows and the timers,
// sizes, closes and repaints of every window wait, and run once the program is idle.
#include "platform/Platform.h"
#include "platform/qt/QtClipboard.h"

#include <QPointer>

#include <functional>
#include <map>
#include <memory>
#include <vector>

class QEvent;
class QObject;
class QPlainTextEdit;

namespace korvane::platform {

class QtWindow;
class QtSingleInstance;

class QtPlatform : public Platform {
public:
    // Uses the running QApplication, or makes the program's one (kept until exit).
    QtPlatform();
    QtPlatform(int& argc, char** argv);
    ~QtPlatform() override;
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;

    using Platform::CreateModeless;
    using Platform::RunModal;

    std::unique_ptr<Window> CreateWindow(const WindowSpec& request, WindowHandler& handler) override;
    std::unique_ptr<Surface> CreateSurface(Size size) override;
    std::unique_ptr<ExportSurface> CreateExportSurface(const std::string& path, Size size) override;
    int RunModal(const res::DialogTemplate& dialog, DialogHandler& handler, Window* owner) override;
    std::unique_ptr<Dialog> CreateModeless(const res::DialogTemplate& dialog, DialogHandler& handler,
                                           Window* owner) override;
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
    Size ScreenSize() const override;
    std::vector<Rect> ScreenAreas() const override;
    std::optional<Size> PictureSize(std::span<const std::uint8_t> data) const override;
    std::unique_ptr<Surface> RenderPicture(std::span<const std::uint8_t> data, Size full, const Rect& part,
                                           Rgb background) override;
    int ScreenDpi() const override;
    std::string ConfigDirectory() override;
    std::int64_t CurrentTime() const override;
    std::int64_t TickCount() const override;
    InstanceRole ClaimInstance(const std::string& path, std::function<void(const std::string&)> onPath) override;
    int Run() override;
    void Quit(int exitCode = 0) override;

    // The name of the single-instance channel: per user and settings folder.
    std::string InstanceName();

    // The busy gate, for QtWindow.
    bool Busy() const { return busy_ > 0; }
    // The window manager's frame of the last window it framed, for the next one.
    FrameMargins LastFrameMargins() const { return lastFrameMargins_; }
    void SetLastFrameMargins(FrameMargins m) { lastFrameMargins_ = m; }
    void EnterBusy() { ++busy_; }
    void LeaveBusy();
    void Defer(std::function<void()> job);
    void DeferEvent(QObject* target, QEvent* event); // takes the event
    void ScheduleFlush();
    void Register(QtWindow* window) { windows_.push_back(window); }
    void Unregister(QtWindow* window);
    bool Registered(const QtWindow* window) const;

private:
    class Gate;

    void Init(int* argc, char** argv);
    void Flush();

    std::unique_ptr<Gate> gate_;
    QtClipboard clipboard_;
    std::vector<QtWindow*> windows_;
    std::vector<std::function<void()>> deferred_;
    std::map<std::string, QPointer<QPlainTextEdit>> textWindows_;
    std::unique_ptr<QtSingleInstance> instance_;
    int busy_ = 0;
    FrameMargins lastFrameMargins_;
    bool flushScheduled_ = false;
};

} // namespace korvane::platform
