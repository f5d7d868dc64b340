#pragma once
// The Qt widgets of a QtWindow: a main window (menu bar, close box, drops) around a client
// area that blits the window's front surface and reports mouse and size. They only pass
// events on to their QtWindow, which may go away first (then they do nothing).
#include <QMainWindow>

namespace korvane::platform {

class QtWindow;

class QtWindowWidget : public QMainWindow {
public:
    // A text window's client is a QPlainTextEdit.
    QtWindowWidget(QtWindow* owner, bool text);
    ~QtWindowWidget() override;

    QtWindow* Owner() const { return owner_; }
    void Detach() { owner_ = nullptr; }
    QWidget* Client() const { return client_; }
    // The QtWindow of a widget inside one of these windows, or null.
    static QtWindow* WindowOf(QObject* object);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QtWindow* owner_;
    QWidget* client_;
};

} // namespace korvane::platform
