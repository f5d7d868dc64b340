#pragma once
// The in-memory Window for the core's tests: it keeps every state the core sets (title
// and its history, menu marks, placement, timers), runs queued repaints on demand onto a
// RasterSurface, and takes keys for PeekKey from a queue, with the accelerator rule of
// the real platforms. Tests drive it with the methods after the Window interface.
#include "platform/Window.h"
#include "platform/WindowHandler.h"
#include "platform/memory/MemoryTextEdit.h"
#include "platform/memory/RasterSurface.h"

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <span>
#include <vector>

namespace korvane::platform {

class MemoryPlatform;

struct MenuItemState {
    std::string text;
    bool checked = false;
    bool enabled = true;
};

class MemoryWindow : public Window {
public:
    MemoryWindow(MemoryPlatform* platform, const WindowSpec& request, WindowHandler& handler);
    ~MemoryWindow() override;
    MemoryWindow(const MemoryWindow&) = delete;
    MemoryWindow& operator=(const MemoryWindow&) = delete;

    std::string GetTitle() const override { return title_; }
    void SetTitle(const std::string& title) override;
    void CheckMenuItem(int id, bool checked) override;
    bool IsMenuItemChecked(int id) const override;
    void EnableMenuItem(int id, bool enabled) override;
    void SetMenuItemText(int id, const std::string& text) override;
    void RequestRepaint() override;
    void Present() override { ++presentCount_; }
    Surface& FrontSurface() override { return front_; }
    Size GetClientSize() const override { return front_.GetSize(); }
    Placement GetPlacement() const override { return placement_; }
    void SetPlacement(const Placement& placement) override;
    bool IsMinimized() const override { return minimized_; }
    bool IsMaximized() const override { return maximized_; }
    bool IsVisible() const override { return visible_; }
    void Restore() override { minimized_ = maximized_ = false; }
    void Maximize() override { maximized_ = true; minimized_ = false; }
    void Minimize() override { minimized_ = true; }
    void Show() override { visible_ = true; }
    void Hide() override { visible_ = false; }
    void BringToTop() override { ++bringToTopCount_; }
    void AcceptDrops(bool accept) override { acceptsDrops_ = accept; }
    void StartTimer(int id, int milliseconds) override;
    void StopTimer(int id) override { timers_.erase(id); }
    int PeekKey() override;
    void CaptureMouse() override { captured_ = true; }
    void ReleaseMouse() override { captured_ = false; }
    void SetCursor(CursorShape shape) override { cursor_ = shape; }
    void Close() override;
    bool IsClosed() const override { return closed_; }
    TextEdit* GetTextEdit() override { return edit_.get(); }

    // Driving the window as a user would.
    // A key press: an accelerator runs its command, another key goes to OnKey.
    void PressKey(int key, int modifiers = res::ModNone, const std::string& text = "");
    // A key waiting for the next PeekKey.
    void QueueKey(int key, int modifiers = res::ModNone);
    // A menu command; false (and nothing sent) when the menu has no such enabled item.
    bool ChooseMenu(int id);
    void SendCommand(int id) { handler_.OnCommand(id); }
    void Mouse(const MouseEvent& event) { handler_.OnMouse(event); }
    // False when the timer is not running.
    bool FireTimer(int id);
    // False when the window does not accept drops.
    bool DropFiles(const std::vector<std::string>& paths);
    // The user resizes the client area: new front surface (keeping the old picture at its
    // top left), OnSize, and a repaint request. During a paint this waits for its end.
    void Resize(Size client);
    // Runs the queued repaint, if any, then the commands its drawing deferred; true when
    // OnPaint was called.
    bool RunPendingRepaint();
    // The accelerator commands that PeekKey took during a drawing, run now that it has
    // returned (as the Qt window runs them); true when there were any.
    bool RunDeferredCommands();
    // Called at every PeekKey before a key is taken, e.g. to queue a key at the n-th probe.
    std::function<void(MemoryWindow&)> onPeek;

    // Inspection.
    MemoryTextEdit* Edit() { return edit_.get(); }
    RasterSurface& Front() { return front_; }
    bool RepaintPending() const { return repaintPending_; }
    bool Painting() const { return painting_; }
    int PaintCount() const { return paintCount_; }
    int PeekCount() const { return peekCount_; }
    int PresentCount() const { return presentCount_; }
    int BringToTopCount() const { return bringToTopCount_; }
    std::size_t QueuedKeys() const { return keys_.size(); }
    const std::vector<std::string>& TitleHistory() const { return titles_; }
    const WindowSpec& Request() const { return request_; }
    const MenuItemState* MenuItem(int id) const; // null when the menu has no such item
    std::optional<int> TimerInterval(int id) const;
    bool AcceptsDrops() const { return acceptsDrops_; }
    bool Captured() const { return captured_; }
    CursorShape Cursor() const { return cursor_; }
    WindowHandler& Handler() { return handler_; }
    // The platform is going away before this object.
    void Detach() { platform_ = nullptr; }

private:
    struct QueuedKey {
        int key;
        int modifiers;
    };

    MemoryPlatform* platform_;
    WindowSpec request_;
    WindowHandler& handler_;
    std::span<const res::Accelerator> accelerators_;
    std::vector<int> deferredCommands_;
    std::map<int, MenuItemState> menu_;
    std::string title_;
    std::vector<std::string> titles_;
    RasterSurface front_;
    std::unique_ptr<MemoryTextEdit> edit_;
    Placement placement_;
    std::map<int, int> timers_;
    std::deque<QueuedKey> keys_;
    std::optional<Size> pendingSize_;
    bool repaintPending_ = false;
    bool painting_ = false;
    bool minimized_ = false;
    bool maximized_ = false;
    bool visible_ = false;
    bool acceptsDrops_ = false;
    bool captured_ = false;
    bool closed_ = false;
    CursorShape cursor_ = CursorShape::Arrow;
    int paintCount_ = 0;
    int peekCount_ = 0;
    int presentCount_ = 0;
    int bringToTopCount_ = 0;
};

} // namespace korvane::platform
