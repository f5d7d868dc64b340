#include "platform/qt/QtWindowWidget.h"

#include "platform/qt/QtKeys.h"
#include "platform/qt/QtWindow.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QUrl>
#include <QWheelEvent>

namespace korvane::platform {
namespace {

int ButtonOf(Qt::MouseButton b) {
    switch (b) {
    case Qt::LeftButton: return ButtonLeft;
    case Qt::RightButton: return ButtonRight;
    case Qt::MiddleButton: return ButtonMiddle;
    default: return ButtonNone;
    }
}

int ButtonsOf(Qt::MouseButtons b) {
    return ((b & Qt::LeftButton) ? ButtonLeft : 0) | ((b & Qt::RightButton) ? ButtonRight : 0) |
           ((b & Qt::MiddleButton) ? ButtonMiddle : 0);
}

MouseEvent ToMouseEvent(MouseAction action, const QMouseEvent& e) {
    MouseEvent m;
    m.action = action;
    m.button = ButtonOf(e.button());
    m.buttons = ButtonsOf(e.buttons());
    m.modifiers = ModifiersFromQt(e.modifiers());
    m.position = {int(e.position().x()), int(e.position().y())};
    return m;
}

// The client area: blits the front surface and turns mouse events into MouseEvents.
class ClientArea : public QWidget {
public:
    explicit ClientArea(QtWindowWidget* frame) : QWidget(frame), frame_(frame) {
        setMouseTracking(true);
        setFocusPolicy(Qt::StrongFocus);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        if (QtWindow* w = frame_->Owner())
            w->PaintClient(p, size());
        else
            p.fillRect(rect(), Qt::white);
    }
    void resizeEvent(QResizeEvent*) override {
        if (QtWindow* w = frame_->Owner())
            w->ClientResized({width(), height()});
    }
    void mousePressEvent(QMouseEvent* e) override { Send(MouseAction::Down, *e); }
    void mouseReleaseEvent(QMouseEvent* e) override { Send(MouseAction::Up, *e); }
    void mouseMoveEvent(QMouseEvent* e) override { Send(MouseAction::Move, *e); }
    void mouseDoubleClickEvent(QMouseEvent* e) override { Send(MouseAction::DoubleClick, *e); }
    void wheelEvent(QWheelEvent* e) override {
        MouseEvent m;
        m.action = MouseAction::Wheel;
        m.buttons = ButtonsOf(e->buttons());
        m.modifiers = ModifiersFromQt(e->modifiers());
        m.position = {int(e->position().x()), int(e->position().y())};
        m.wheelDelta = e->angleDelta().y();
        if (QtWindow* w = frame_->Owner())
            w->Mouse(m);
    }
    // Tab is a key of the window, not a move between widgets.
    bool focusNextPrevChild(bool) override { return false; }

private:
    void Send(MouseAction action, const QMouseEvent& e) {
        if (QtWindow* w = frame_->Owner())
            w->Mouse(ToMouseEvent(action, e));
    }

    QtWindowWidget* frame_;
};

} // namespace

QtWindowWidget::QtWindowWidget(QtWindow* owner, bool text)
    : owner_(owner), client_(text ? static_cast<QWidget*>(new QPlainTextEdit(this)) : new ClientArea(this)) {
    setCentralWidget(client_);
    setAttribute(Qt::WA_DeleteOnClose, false);
    setProperty("korvaneWindow", true);
}

QtWindowWidget::~QtWindowWidget() {
    if (QtWindow* w = owner_) {
        owner_ = nullptr;
        w->WidgetDestroyed();
    }
}

QtWindow* QtWindowWidget::WindowOf(QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    auto* top = dynamic_cast<QtWindowWidget*>(widget->window());
    return top ? top->owner_ : nullptr;
}

void QtWindowWidget::closeEvent(QCloseEvent* event) {
    QtWindow* w = owner_;
    if (!w) {
        event->accept();
        return;
    }
    if (w->CloseRequested())
        event->accept();
    else
        event->ignore();
}

void QtWindowWidget::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (QtWindow* w = owner_)
        w->Shown();
}

void QtWindowWidget::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    if (QtWindow* w = owner_)
        w->FrameChanged();
}

void QtWindowWidget::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (QtWindow* w = owner_)
        w->FrameChanged();
}

void QtWindowWidget::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void QtWindowWidget::dropEvent(QDropEvent* event) {
    std::vector<std::string> paths;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile())
            paths.push_back(url.toLocalFile().toStdString());
    event->acceptProposedAction();
    if (QtWindow* w = owner_; w && !paths.empty())
        w->Dropped(paths);
}

} // namespace korvane::platform
