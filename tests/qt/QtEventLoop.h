#pragma once
// The helpers of the suites that run the real Qt platform offscreen: one application for
// the whole run, a settings folder of the test's own, waiting for a condition instead of a
// fixed time, and keys posted as the user types them.
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/ScratchFolder.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QWidget>

#include <functional>

namespace korvane::testing {

inline void EnsureApplication() {
    if (QApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "korvane_qt_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* application = new QApplication(argc, argv); // lives for the whole run
    (void)application;
}

// A settings folder of the test's own, where the Qt platform will look for it.
struct ConfigFolder : ScratchFolder {
    ConfigFolder() { EnsureApplication(); }
    ScopedEnvironment variable{"KORVANE_CONFIG_DIR", Path()};
};

// Runs the event loop until `done` holds or `ms` have passed; gives `done()` then.
inline bool ProcessEventsUntil(const std::function<bool()>& done, int ms = 3000) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

inline void PostKey(QWidget* to, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = {}) {
    QCoreApplication::postEvent(to, new QKeyEvent(QEvent::KeyPress, key, modifiers, text));
}

// The visible top-level window with this title, or null.
inline QWidget* TopLevelTitled(const QString& title) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->windowTitle() == title && w->isVisible())
            return w;
    return nullptr;
}

} // namespace korvane::testing
