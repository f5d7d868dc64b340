#pragma once
// The factory of windows, surfaces and dialogs, and the program-wide services of the
// windowing system. One object per program, made by main() (Qt) or by a test (memory),
// passed explicitly to whoever needs it, and outliving every window and dialog it made.
#include "platform/Clipboard.h"
#include "platform/Dialog.h"
#include "platform/DialogHandler.h"
#include "platform/DrawingTools.h"
#include "platform/ExportSurface.h"
#include "platform/Geometry.h"
#include "platform/Printer.h"
#include "platform/Surface.h"
#include "platform/Window.h"
#include "platform/WindowHandler.h"
#include "resources/Resources.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace korvane::platform {

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageIcon { None, Information, Warning, Error, Question };
enum MessageAnswer : int { AnswerOk = 1, AnswerCancel = 2, AnswerYes = 6, AnswerNo = 7 };

struct FileDialogSpec {
    std::string title;
    // Pairs of description and patterns, '|' between all parts, ';' between patterns:
    // "gráficos 2d (*.kv2)|*.kv2|todos (*.*)|*.*".
    std::string filter;
    std::string initialPath;      // folder or file name to start from; may be empty
    std::string defaultExtension; // without the dot, added to a typed name that has none
    Window* owner = nullptr;
    // Save dialogs: the toolkit's own question before an existing file is replaced; off
    // where the caller asks its own.
    bool confirmOverwrite = true;
};

struct FontChoice {
    FontSpec font;
    int pointSize = 10;
    Rgb colour = kBlack;
};

// What ClaimInstance found.
enum class InstanceRole {
    First,      // this process is the running instance now
    HandedOver, // another instance runs and has received the path
    Failed,     // another instance seems to run but did not take the path
};

class Platform {
public:
    virtual ~Platform() = default;

    // Windows and surfaces.
    virtual std::unique_ptr<Window> CreateWindow(const WindowSpec& request, WindowHandler& handler) = 0;
    // An off-screen raster surface, filled with white.
    virtual std::unique_ptr<Surface> CreateSurface(Size size) = 0;
    // A surface written to `path` by Finish, its format chosen by the extension (.png,
    // .svg, .pdf); null for other extensions.
    virtual std::unique_ptr<ExportSurface> CreateExportSurface(const std::string& path, Size size) = 0;

    // Dialogs. RunModal gives the result passed to Dialog::End (1 OK, 2 Cancel); the
    // named forms give -1 when no template has that name.
    virtual int RunModal(const res::DialogTemplate& dialog, DialogHandler& handler, Window* owner) = 0;
    virtual std::unique_ptr<Dialog> CreateModeless(const res::DialogTemplate& dialog, DialogHandler& handler,
                                                   Window* owner) = 0;
    int RunModal(std::string_view templateName, DialogHandler& handler, Window* owner);
    std::unique_ptr<Dialog> CreateModeless(std::string_view templateName, DialogHandler& handler, Window* owner);

    virtual MessageAnswer MessageBox(const std::string& text, const std::string& caption,
                                     MessageButtons buttons = MessageButtons::Ok,
                                     MessageIcon icon = MessageIcon::None, Window* owner = nullptr) = 0;
    // A one-line dialog; empty when cancelled. `maxLength` 0 sets no limit.
    virtual std::optional<std::string> InputBox(const std::string& caption, const std::string& prompt,
                                                const std::string& initial, Window* owner = nullptr,
                                                int maxLength = 0) = 0;
    virtual std::optional<std::string> OpenFileDialog(const FileDialogSpec& request) = 0;
    virtual std::optional<std::string> SaveFileDialog(const FileDialogSpec& request) = 0;
    // Sketched: the colour is carried through unchanged where the chooser has none.
    virtual std::optional<FontChoice> ChooseFont(const FontChoice& initial, Window* owner) = 0;
    // A plain read-only text window; showing the same title again replaces its text.
    virtual void ShowTextWindow(const std::string& title, const std::string& text) = 0;

    virtual Clipboard& GetClipboard() = 0;
    // Sketched; may give null when the system has no printer.
    virtual std::unique_ptr<Printer> CreatePrinter() = 0;

    virtual Size ScreenSize() const = 0;
    // Pictures pasted onto graphs, as PNG or SVG bytes: their own size in pixels, nothing
    // when the bytes are no picture this platform reads.
    virtual std::optional<Size> PictureSize(std::span<const std::uint8_t> data) const = 0;
    // The part `part` of the picture drawn to fill `full` pixels, over `background`; null
    // when the bytes are no picture.
    virtual std::unique_ptr<Surface> RenderPicture(std::span<const std::uint8_t> data, Size full, const Rect& part,
                                                   Rgb background) = 0;
    // The area of every screen that windows may take (without panels), the primary's first;
    // never empty.
    virtual std::vector<Rect> ScreenAreas() const = 0;
    virtual int ScreenDpi() const = 0;
    // The folder of the settings files ("the Windows directory"), ending in '/', created
    // when missing: $KORVANE_CONFIG_DIR, else $XDG_CONFIG_HOME/korvane/, else
    // ~/.config/korvane/.
    virtual std::string ConfigDirectory() = 0;
    virtual std::int64_t CurrentTime() const = 0;  // seconds since 1970
    virtual std::int64_t TickCount() const = 0;    // milliseconds, monotonic

    // Single instance, per user and settings folder. When no other instance runs, this one
    // becomes it and `onPath` is called (on the message loop) with every path that later
    // starts hand over. Otherwise `path` (possibly empty) is handed to the running one.
    virtual InstanceRole ClaimInstance(const std::string& path,
                                       std::function<void(const std::string&)> onPath) = 0;

    // The message loop: runs until Quit (closing the last window does not end it), gives
    // Quit's exit code.
    virtual int Run() = 0;
    virtual void Quit(int exitCode = 0) = 0;
};

} // namespace korvane::platform
