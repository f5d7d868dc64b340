#pragma once
// A top-level window of the platform as the core sees it: created by Platform for a
// WindowHandler, with its menu and accelerator table given by resource name. It is not a
// widget and is never subclassed; the core object that owns it implements the handler.
#include "platform/Geometry.h"
#include "platform/Input.h"
#include "resources/Resources.h"

#include <span>
#include <string>

namespace korvane::platform {

class Surface;
class TextEdit;

enum class WindowKind { Frame, Graph, Text };

struct WindowSpec {
    std::string title;
    std::string menu;         // res::Menu name; empty for none
    std::string accelerators; // res::Accelerators name; empty for none
    class Window* owner = nullptr; // stays above its owner; may be null
    WindowKind kind = WindowKind::Graph;
    Size clientSize{480, 360}; // until the window is placed
    // Menus and key tables made at run time; when not empty they replace the names. They
    // must outlive the window.
    std::span<const res::MenuItem> menuItems;
    std::span<const res::Accelerator> acceleratorKeys;
};

// Screen position and outer size of a window, as stored in settings files.
struct Placement {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool maximized = false;
    friend bool operator==(const Placement&, const Placement&) = default;
};

class Window {
public:
    virtual ~Window() = default;

    virtual std::string GetTitle() const = 0;
    virtual void SetTitle(const std::string& title) = 0;

    // Menu items by command id; unknown ids are ignored.
    virtual void CheckMenuItem(int id, bool checked) = 0;
    virtual bool IsMenuItemChecked(int id) const = 0;
    virtual void EnableMenuItem(int id, bool enabled) = 0;
    virtual void SetMenuItemText(int id, const std::string& text) = 0;

    // Queues a call of the handler's OnPaint (the picture is not erased first). Requests
    // made while OnPaint runs are held until it has returned.
    virtual void RequestRepaint() = 0;
    // Shows what the front surface holds now, without calling OnPaint (rubber bands).
    virtual void Present() = 0;
    // The off-screen picture of the client area that OnPaint draws on; a size change
    // replaces it, so do not keep the reference beyond a handler call.
    virtual Surface& FrontSurface() = 0;
    virtual Size GetClientSize() const = 0;

    virtual Placement GetPlacement() const = 0; // the normal (not maximized) rectangle
    // Moves and sizes without changing the Z order; maximizes when `maximized` is set.
    virtual void SetPlacement(const Placement& placement) = 0;
    virtual bool IsMinimized() const = 0;
    virtual bool IsMaximized() const = 0;
    virtual bool IsVisible() const = 0;
    virtual void Restore() = 0;
    virtual void Maximize() = 0;
    virtual void Minimize() = 0;
    virtual void Show() = 0;
    virtual void Hide() = 0;
    virtual void BringToTop() = 0;

    virtual void AcceptDrops(bool accept) = 0;

    // A repeating timer; starting a running id changes its interval.
    virtual void StartTimer(int id, int milliseconds) = 0;
    virtual void StopTimer(int id) = 0;

    // For long drawings: looks at the keys pressed for this window since the last call.
    // A key of the accelerator table gives 'S' and its command runs once the drawing has
    // returned to the event loop; another key gives its res::Key code (a letter its
    // upper-case code, with or without Shift); none gives 0.
    virtual int PeekKey() = 0;

    virtual void CaptureMouse() = 0;
    virtual void ReleaseMouse() = 0;
    virtual void SetCursor(CursorShape shape) = 0;

    // As the close box: asks the handler's OnClose, and when it agrees the window goes
    // away and the handler gets OnDestroy. The Window object itself stays valid (and
    // inert) until its owner deletes it; deleting a Window calls no handler.
    virtual void Close() = 0;
    virtual bool IsClosed() const = 0;

    // The edit control of a text window; null for the other kinds.
    virtual TextEdit* GetTextEdit() { return nullptr; }
};

} // namespace korvane::platform
