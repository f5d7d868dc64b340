#pragma once
// The Qt Window: a QtWindowWidget with the menu and accelerators of its resources, a
// QtSurface as its front picture, and the repaint rule of the program: a repaint request
// is queued, runs the handler's OnPaint on the front surface outside any Qt paint event,
// and then the widget shows that picture. While any window paints or polls PeekKey, the
// input of the program's windows, their timers, sizes, closes and repaints wait (keys of
// the busy window go to PeekKey), so no handler is entered twice.
#include "platform/Window.h"
#include "platform/WindowHandler.h"
#include "platform/qt/QtSurface.h"
#include "platform/qt/QtTextEdit.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QRect>

#include <deque>
#include <map>
#include <memory>
#include <set>
#include <span>
#include <vector>

class QAction;
class QKeyEvent;
class QTimer;

namespace korvane::platform {

class QtPlatform;
class QtWindowWidget;

class QtWindow : public Window {
public:
    QtWindow(QtPlatform& platform, const WindowSpec& request, WindowHandler& handler);
    ~QtWindow() override;
    QtWindow(const QtWindow&) = delete;
    QtWindow& operator=(const QtWindow&) = delete;

    std::string GetTitle() const override;
    void SetTitle(const std::string& title) override;
    void CheckMenuItem(int id, bool checked) override;
    bool IsMenuItemChecked(int id) const override;
    void EnableMenuItem(int id, bool enabled) override;
    void SetMenuItemText(int id, const std::string& text) override;
    void RequestRepaint() override;
    void Present() override;
    Surface& FrontSurface() override { return *front_; }
    Size GetClientSize() const override { return front_->GetSize(); }
    Placement GetPlacement() const override;
    void SetPlacement(const Placement& placement) override;
    bool IsMinimized() const override;
    bool IsMaximized() const override;
    bool IsVisible() const override;
    void Restore() override;
    void Maximize() override;
    void Minimize() override;
    void Show() override;
    void Hide() override;
    void BringToTop() override;
    void AcceptDrops(bool accept) override;
    void StartTimer(int id, int milliseconds) override;
    void StopTimer(int id) override;
    int PeekKey() override;
    void CaptureMouse() override;
    void ReleaseMouse() override;
    void SetCursor(CursorShape shape) override;
    void Close() override;
    bool IsClosed() const override { return closed_; }
    TextEdit* GetTextEdit() override { return edit_.get(); }
    // A key in a text window's edit control: true when it was an accelerator (its command
    // ran); other keys belong to the control.
    bool TextWindowKey(const QKeyEvent& event);

    // The widget (null once Qt has destroyed it); for dialogs' parents and tests.
    QtWindowWidget* Widget() const { return widget_; }
    bool Busy() const { return busyDepth_ > 0; }

    // From the widgets and the platform.
    void PaintClient(QPainter& painter, QSize size);
    void ClientResized(Size size);
    void Mouse(const MouseEvent& event);
    void Dropped(const std::vector<std::string>& paths);
    bool CloseRequested();
    void Shown();
    // The widget moved or was resized: its frame may have become known.
    void FrameChanged();

    void WidgetDestroyed();
    // A key press for this window: queued while it is busy, else handled at once.
    void KeyPressed(const QKeyEvent& event);
    // Runs the queued repaint, unless the program is busy (then it waits for RunDeferred).
    void RunRepaint();
    // Runs what waited while the program was busy.
    void RunDeferred();

private:
    struct PendingKey {
        int key;
        int modifiers;
        std::string text;
    };

    void BuildMenu(std::span<const res::MenuItem> items);
    void DeliverKey(const PendingKey& key);
    void ApplyResize(Size size);
    void TimerFired(int id);
    void Command(int id);

    QtPlatform& platform_;
    WindowSpec request_;
    WindowHandler& handler_;
    std::span<const res::Accelerator> accelerators_;
    QPointer<QtWindowWidget> widget_;
    std::unique_ptr<QtSurface> front_;
    std::unique_ptr<QtTextEdit> edit_;
    std::map<int, QAction*> actions_;
    std::map<int, QTimer*> timers_;
    std::deque<PendingKey> keys_;
    std::set<int> pendingTimers_;
    std::optional<Size> pendingSize_;
    std::optional<Placement> wantedPlacement_; // asked for before the frame was known
    QRect placedRect_;                          // the geometry given for it
    std::shared_ptr<int> alive_ = std::make_shared<int>(0); // expires with this object
    bool repaintWanted_ = false;
    bool repaintPosted_ = false;
    bool closed_ = false;
    int busyDepth_ = 0;
    QElapsedTimer sinceEvents_; // since PeekKey last ran the event loop
    unsigned probes_ = 0;
};

} // namespace korvane::platform
