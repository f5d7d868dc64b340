#include "platform/qt/QtWindow.h"

#include "platform/KeyRules.h"
#include "platform/qt/QtKeys.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/QtWindowWidget.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTimer>
#include <QWindow>

namespace korvane::platform {
namespace {

QString ToQString(const std::string& s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

Qt::CursorShape ToQtCursor(CursorShape shape) {
    switch (shape) {
    case CursorShape::Cross: return Qt::CrossCursor;
    case CursorShape::Wait: return Qt::WaitCursor;
    case CursorShape::IBeam: return Qt::IBeamCursor;
    case CursorShape::Hand: return Qt::PointingHandCursor;
    case CursorShape::SizeAll: return Qt::SizeAllCursor;
    default: return Qt::ArrowCursor;
    }
}

// The frame is known once the window manager has decorated the shown window.
bool Framed(const QWidget& w) { return w.isVisible() && w.frameGeometry() != w.geometry(); }

FrameMargins MarginsOf(const QWidget& w) {
    const QRect frame = w.frameGeometry(), inner = w.geometry();
    return {inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
            frame.bottom() - inner.bottom()};
}

QRect NormalRect(const QWidget& w) {
    return (w.isMaximized() || w.isMinimized() || w.isFullScreen()) ? w.normalGeometry() : w.geometry();
}

} // namespace

QtWindow::QtWindow(QtPlatform& platform, const WindowSpec& request, WindowHandler& handler)
    : platform_(platform), request_(request), handler_(handler),
      accelerators_(request.acceleratorKeys.empty() ? res::Accelerators(request.accelerators) : request.acceleratorKeys),
      widget_(new QtWindowWidget(this, request.kind == WindowKind::Text)),
      front_(std::make_unique<QtSurface>(request.clientSize)) {
    if (auto* edit = qobject_cast<QPlainTextEdit*>(widget_->Client()))
        edit_ = std::make_unique<QtTextEdit>(edit, [this] {
            if (!closed_)
                handler_.OnTextState();
        });
    widget_->setWindowTitle(ToQString(request.title));
    BuildMenu(request.menuItems.empty() ? res::Menu(request.menu) : request.menuItems);
    const int menuHeight = widget_->menuWidget() ? widget_->menuWidget()->sizeHint().height() : 0;
    widget_->resize(request.clientSize.width, request.clientSize.height + menuHeight);
    platform_.Register(this);
}

QtWindow::~QtWindow() {
    platform_.Unregister(this);
    for (auto& [id, timer] : timers_)
        timer->stop();
    if (widget_) {
        widget_->Detach();
        widget_->hide();
        widget_->deleteLater();
    }
}

void QtWindow::BuildMenu(std::span<const res::MenuItem> items) {
    if (items.empty())
        return;
    QMenuBar* bar = widget_->menuBar();
    std::vector<QMenu*> open;
    QtWindowWidget* w = widget_;
    for (const res::MenuItem& item : items) {
        const QString text = item.text ? QString::fromUtf8(item.text) : QString();
        switch (item.kind) {
        case res::MenuItem::Popup:
            open.push_back(open.empty() ? bar->addMenu(text) : open.back()->addMenu(text));
            break;
        case res::MenuItem::End:
            if (!open.empty())
                open.pop_back();
            break;
        case res::MenuItem::Separator:
            if (open.empty())
                bar->addSeparator();
            else
                open.back()->addSeparator();
            break;
        case res::MenuItem::Command: {
            QAction* action = open.empty() ? bar->addAction(text) : open.back()->addAction(text);
            actions_[item.id] = action;
            const int id = item.id;
            QObject::connect(action, &QAction::triggered, w, [w, id] {
                if (QtWindow* owner = w->Owner())
                    owner->Command(id);
            });
            break;
        }
        }
    }
}

std::string QtWindow::GetTitle() const {
    return widget_ ? widget_->windowTitle().toStdString() : request_.title;
}

void QtWindow::SetTitle(const std::string& title) {
    request_.title = title;
    if (widget_)
        widget_->setWindowTitle(ToQString(title));
}

void QtWindow::CheckMenuItem(int id, bool checked) {
    if (auto it = actions_.find(id); it != actions_.end()) {
        it->second->setCheckable(true);
        it->second->setChecked(checked);
    }
}

bool QtWindow::IsMenuItemChecked(int id) const {
    const auto it = actions_.find(id);
    return it != actions_.end() && it->second->isChecked();
}

void QtWindow::EnableMenuItem(int id, bool enabled) {
    if (auto it = actions_.find(id); it != actions_.end())
        it->second->setEnabled(enabled);
}

void QtWindow::SetMenuItemText(int id, const std::string& text) {
    if (auto it = actions_.find(id); it != actions_.end())
        it->second->setText(ToQString(text));
}

void QtWindow::RequestRepaint() {
    if (closed_ || !widget_)
        return;
    repaintWanted_ = true;
    if (repaintPosted_)
        return;
    repaintPosted_ = true;
    QPointer<QtWindowWidget> w = widget_;
    QMetaObject::invokeMethod(
        widget_.data(),
        [w] {
            if (w && w->Owner())
                w->Owner()->RunRepaint();
        },
        Qt::QueuedConnection);
}

void QtWindow::RunRepaint() {
    repaintPosted_ = false;
    if (!repaintWanted_ || closed_ || !widget_ || !widget_->isVisible())
        return; // a hidden window paints when it is shown
    if (platform_.Busy()) {
        platform_.ScheduleFlush();
        return;
    }
    repaintWanted_ = false;
    std::weak_ptr<int> alive = alive_;
    sinceEvents_.invalidate(); // the drawing's first probe looks at the queue
    ++busyDepth_;
    platform_.EnterBusy();
    handler_.OnPaint(*front_);
    platform_.LeaveBusy();
    if (alive.expired())
        return;
    --busyDepth_;
    Present();
}

void QtWindow::Present() {
    if (widget_)
        widget_->Client()->update();
}

void QtWindow::PaintClient(QPainter& painter, QSize size) {
    const QImage* image = front_->Image();
    painter.drawImage(0, 0, *image);
    if (size.width() > image->width())
        painter.fillRect(image->width(), 0, size.width() - image->width(), size.height(), Qt::white);
    if (size.height() > image->height())
        painter.fillRect(0, image->height(), size.width(), size.height() - image->height(), Qt::white);
}

void QtWindow::ClientResized(Size size) {
    if (size == front_->GetSize() || size.Empty())
        return;
    if (platform_.Busy()) {
        pendingSize_ = size;
        platform_.ScheduleFlush();
        return;
    }
    ApplyResize(size);
}

void QtWindow::ApplyResize(Size size) {
    pendingSize_.reset();
    auto resized = std::make_unique<QtSurface>(size);
    // The old picture stays until the repaint, so the window does not flash white.
    resized->BlitAll(*front_);
    front_ = std::move(resized);
    std::weak_ptr<int> alive = alive_;
    handler_.OnSize(size);
    if (!alive.expired())
        RequestRepaint();
}

void QtWindow::Mouse(const MouseEvent& event) {
    if (closed_)
        return;
    if (platform_.Busy())
        return; // real input waits in the platform's gate; this is only a stray move
    handler_.OnMouse(event);
}

void QtWindow::Dropped(const std::vector<std::string>& paths) {
    if (closed_ || !widget_ || !widget_->acceptDrops())
        return;
    std::weak_ptr<int> alive = alive_;
    if (platform_.Busy()) {
        platform_.Defer([this, alive, paths] {
            if (!alive.expired())
                Dropped(paths);
        });
        return;
    }
    handler_.OnDropFiles(paths);
}

bool QtWindow::CloseRequested() {
    if (closed_)
        return true;
    std::weak_ptr<int> alive = alive_;
    if (platform_.Busy()) {
        platform_.Defer([this, alive] {
            if (!alive.expired())
                Close();
        });
        return false;
    }
    if (!handler_.OnClose() || alive.expired())
        return false;
    closed_ = true;
    repaintWanted_ = false;
    for (auto& [id, timer] : timers_)
        timer->stop();
    handler_.OnDestroy();
    return true;
}

void QtWindow::Close() {
    if (closed_)
        return;
    QPointer<QtWindowWidget> w = widget_;
    if (CloseRequested() && w)
        w->hide();
}

void QtWindow::Shown() {
    if (request_.owner) {
        auto* owner = static_cast<QtWindow*>(request_.owner);
        if (owner->widget_ && widget_->windowHandle() && owner->widget_->windowHandle())
            widget_->windowHandle()->setTransientParent(owner->widget_->windowHandle());
    }
    RequestRepaint();
}

void QtWindow::WidgetDestroyed() {
    widget_ = nullptr;
    if (closed_)
        return;
    closed_ = true;
    handler_.OnDestroy();
}

void QtWindow::KeyPressed(const QKeyEvent& event) {
    const int key = KeyCodeFromQt(event.key(), event.modifiers(), event.nativeScanCode());
    if (key == res::KeyNone || closed_)
        return;
    PendingKey pending{key, ModifiersFromQt(event.modifiers()), event.text().toStdString()};
    if (Busy()) {
        keys_.push_back(std::move(pending));
        return;
    }
    if (platform_.Busy()) {
        std::weak_ptr<int> alive = alive_;
        platform_.Defer([this, alive, pending] {
            if (!alive.expired())
                DeliverKey(pending);
        });
        return;
    }
    DeliverKey(pending);
}

void QtWindow::DeliverKey(const PendingKey& key) {
    if (closed_)
        return;
    if (std::optional<int> command = FindAccelerator(accelerators_, key.key, key.modifiers))
        handler_.OnCommand(*command);
    else
        handler_.OnKey(KeyEvent{key.key, key.modifiers, key.text});
}

void QtWindow::Command(int id) {
    if (closed_)
        return;
    if (platform_.Busy()) {
        std::weak_ptr<int> alive = alive_;
        platform_.Defer([this, alive, id] {
            if (!alive.expired())
                Command(id);
        });
        return;
    }
    handler_.OnCommand(id);
}

bool QtWindow::TextWindowKey(const QKeyEvent& event) {
    const int key = KeyCodeFromQt(event.key(), event.modifiers(), event.nativeScanCode());
    const std::optional<int> command = FindAccelerator(accelerators_, key, ModifiersFromQt(event.modifiers()));
    if (!command || closed_)
        return false;
    Command(*command);
    return true;
}

int QtWindow::PeekKey() {
    // Drawings probe after every sample; running the event loop each time would cost far
    // more than the drawing, and a few hundred times a second is quick enough for a key.
    // Even the clock is read only at every eighth probe.
    constexpr qint64 kEventLoopEveryNs = 2'000'000;
    if (sinceEvents_.isValid() && (++probes_ % 8 != 0 || sinceEvents_.nsecsElapsed() < kEventLoopEveryNs))
        return 0;
    sinceEvents_.start();
    std::weak_ptr<int> alive = alive_;
    ++busyDepth_;
    platform_.EnterBusy();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    // Events posted before the drawing began are not new to the event loop, which does not
    // look at them again from inside a posted call; ask for them.
    QCoreApplication::sendPostedEvents();
    platform_.LeaveBusy();
    if (alive.expired())
        return kStopKey; // the window went away under the drawing: stop it
    --busyDepth_;
    if (keys_.empty())
        return 0;
    const PendingKey key = keys_.front();
    keys_.pop_front();
    if (std::optional<int> command = FindAccelerator(accelerators_, key.key, key.modifiers)) {
        // Run once the drawing has returned: a command inside it ("&Abrir", "&Novo") would
        // change the window under the drawing, which then writes its saved state back.
        platform_.Defer([this, alive, id = *command] {
            if (!alive.expired() && !closed_)
                handler_.OnCommand(id);
        });
        return kStopKey;
    }
    return key.key;
}

void QtWindow::RunDeferred() {
    std::weak_ptr<int> alive = alive_;
    if (pendingSize_) {
        ApplyResize(*pendingSize_);
        if (alive.expired() || platform_.Busy())
            return;
    }
    // Keys that came after the last PeekKey reach the window as ordinary keys.
    while (!keys_.empty()) {
        const PendingKey key = keys_.front();
        keys_.pop_front();
        DeliverKey(key);
        if (alive.expired() || platform_.Busy())
            return;
    }
    while (!pendingTimers_.empty()) {
        const int id = *pendingTimers_.begin();
        pendingTimers_.erase(pendingTimers_.begin());
        if (timers_.count(id) && timers_[id]->isActive())
            handler_.OnTimer(id);
        if (alive.expired() || platform_.Busy())
            return;
    }
    if (repaintWanted_) {
        repaintWanted_ = false;
        RequestRepaint();
    }
}

Placement QtWindow::GetPlacement() const {
    if (!widget_)
        return {};
    // Not decorated yet: the placement asked for is still the truth.
    if (wantedPlacement_)
        return {wantedPlacement_->x, wantedPlacement_->y, wantedPlacement_->width, wantedPlacement_->height,
                widget_->isMaximized()};
    const QRect inner = NormalRect(*widget_);
    const FrameMargins m = MarginsOf(*widget_);
    const Size outer = OuterSizeOf({inner.width(), inner.height()}, m);
    return {inner.x() - m.left, inner.y() - m.top, outer.width, outer.height, widget_->isMaximized()};
}

void QtWindow::SetPlacement(const Placement& p) {
    if (!widget_)
        return;
    // Before the window manager has framed the window its frame is unknown: size it as the
    // last framed window was, and again once this one's frame is known, so that a stored
    // outer size gives the same outer size at every start.
    const bool framed = Framed(*widget_);
    const FrameMargins m = framed ? MarginsOf(*widget_) : platform_.LastFrameMargins();
    wantedPlacement_.reset();
    if (widget_->isMaximized())
        widget_->showNormal();
    const Size inner = InnerSizeOf({p.width, p.height}, m);
    widget_->move(p.x, p.y);
    widget_->resize(inner.width, inner.height);
    if (!framed) {
        wantedPlacement_ = p;
        placedRect_ = QRect(p.x, p.y, inner.width, inner.height);
    }
    if (p.maximized)
        Maximize();
}

void QtWindow::FrameChanged() {
    if (!wantedPlacement_ || !widget_)
        return;
    if (Framed(*widget_)) {
        platform_.SetLastFrameMargins(MarginsOf(*widget_));
        const Placement wanted = *wantedPlacement_;
        SetPlacement(wanted);
        return;
    }
    // Moved or sized by someone else while unframed (the user, under a manager that draws
    // no frame): its own geometry is the truth from now on. No timeout: a manager may frame
    // a window seconds late (a loaded machine, a manager started after the program).
    if (widget_->isVisible() && !widget_->isMaximized() && widget_->geometry() != placedRect_)
        wantedPlacement_.reset();
}

bool QtWindow::IsMinimized() const { return widget_ && widget_->isMinimized(); }
bool QtWindow::IsMaximized() const { return widget_ && widget_->isMaximized(); }
bool QtWindow::IsVisible() const { return widget_ && widget_->isVisible(); }

void QtWindow::Restore() {
    if (!widget_)
        return;
    if (widget_->isVisible())
        widget_->showNormal();
    else
        widget_->setWindowState(widget_->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
}

void QtWindow::Maximize() {
    if (!widget_)
        return;
    if (widget_->isVisible())
        widget_->showMaximized();
    else
        widget_->setWindowState((widget_->windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
}

void QtWindow::Minimize() {
    if (!widget_)
        return;
    if (widget_->isVisible())
        widget_->showMinimized();
    else
        widget_->setWindowState(widget_->windowState() | Qt::WindowMinimized);
}

void QtWindow::Show() {
    if (!widget_ || closed_)
        return;
    if (widget_->windowState() & Qt::WindowMaximized)
        widget_->showMaximized();
    else
        widget_->show();
}

void QtWindow::Hide() {
    if (widget_)
        widget_->hide();
}

void QtWindow::BringToTop() {
    if (!widget_)
        return;
    widget_->raise();
    widget_->activateWindow();
}

void QtWindow::AcceptDrops(bool accept) {
    if (widget_)
        widget_->setAcceptDrops(accept);
}

void QtWindow::StartTimer(int id, int milliseconds) {
    if (!widget_ || closed_)
        return;
    QTimer*& timer = timers_[id];
    if (!timer) {
        timer = new QTimer(widget_);
        QtWindowWidget* w = widget_;
        QObject::connect(timer, &QTimer::timeout, w, [w, id] {
            if (QtWindow* owner = w->Owner())
                owner->TimerFired(id);
        });
    }
    timer->start(std::max(1, milliseconds));
}

void QtWindow::StopTimer(int id) {
    if (auto it = timers_.find(id); it != timers_.end())
        it->second->stop();
    pendingTimers_.erase(id);
}

void QtWindow::TimerFired(int id) {
    if (closed_)
        return;
    if (platform_.Busy()) {
        // Ticks that fall in a busy spell count once.
        pendingTimers_.insert(id);
        platform_.ScheduleFlush();
        return;
    }
    handler_.OnTimer(id);
}

void QtWindow::CaptureMouse() {
    if (widget_ && widget_->isVisible())
        widget_->Client()->grabMouse();
}

void QtWindow::ReleaseMouse() {
    if (widget_)
        widget_->Client()->releaseMouse();
}

void QtWindow::SetCursor(CursorShape shape) {
    if (widget_)
        widget_->Client()->setCursor(ToQtCursor(shape));
}

} // namespace korvane::platform
