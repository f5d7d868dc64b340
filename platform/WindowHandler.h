#pragma once
// What a core window object implements to receive its platform window's events. Every
// call runs on the one thread; the defaults do nothing.
#include "platform/Input.h"

#include <string>
#include <vector>

namespace korvane::platform {

class Surface;

class WindowHandler {
public:
    virtual ~WindowHandler() = default;

    // A menu item or an accelerator key.
    virtual void OnCommand(int id) { (void)id; }
    // A queued repaint: draw the picture onto `front`, which is the client's size and
    // keeps what was drawn last. Never called again while it runs.
    virtual void OnPaint(Surface& front) { (void)front; }
    // The client area changed size; a repaint follows.
    virtual void OnSize(Size client) { (void)client; }
    // A key press that is not in the window's accelerator table.
    virtual void OnKey(const KeyEvent& key) { (void)key; }
    virtual void OnMouse(const MouseEvent& mouse) { (void)mouse; }
    virtual void OnTimer(int id) { (void)id; }
    // Files dropped on a window that accepts drops, in drop order.
    virtual void OnDropFiles(const std::vector<std::string>& paths) { (void)paths; }
    // The user or Window::Close asks to close; false keeps the window open.
    virtual bool OnClose() { return true; }
    // The window is going away (after an accepted close, or when the platform ends).
    virtual void OnDestroy() {}
    // A text window's text or selection changed (what its menu can act on).
    virtual void OnTextState() {}
};

} // namespace korvane::platform
