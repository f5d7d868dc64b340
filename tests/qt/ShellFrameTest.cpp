// The frame on the real Qt platform, offscreen: it paints its background, F2 opens a
// plane window, and a screenshot can be kept for a look (KORVANE_SCREENSHOT_DIR).
#include "app/EmptyWindowFactory.h"
#include "app/TPlotFrame.h"
#include "expr/RandomGenerator.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/QtWindow.h"
#include "platform/qt/QtWindowWidget.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QKeyEvent>
#include <QWidget>

#include <cstdlib>
#include <set>

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>

namespace korvane {
namespace {

namespace fs = std::filesystem;

void EnsureApplication() {
    if (QApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "korvane_qt_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* application = new QApplication(argc, argv); // lives for the whole run
    (void)application;
}

// Runs the event loop until `done` holds or two seconds have passed.
bool ProcessEventsUntil(const std::function<bool()>& done) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 2000)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

QWidget* TopLevelTitled(const QString& title) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->windowTitle() == title && w->isVisible())
            return w;
    return nullptr;
}

class ShellFrameTest : public ::testing::Test {
protected:
    ShellFrameTest() {
        EnsureApplication();
        dir_ = fs::temp_directory_path() / ("korvane-shell-frame-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
        ::setenv("KORVANE_CONFIG_DIR", dir_.c_str(), 1);
        platform_ = std::make_unique<platform::QtPlatform>();
        factory_ = std::make_unique<EmptyWindowFactory>(*platform_);
        frame_ = std::make_unique<TPlotFrame>(*platform_, *factory_, random_, "");
        frame_->SetupWindow();
        frame_->Show();
    }
    ~ShellFrameTest() override {
        frame_.reset();
        factory_.reset();
        platform_.reset();
        ::unsetenv("KORVANE_CONFIG_DIR");
        fs::remove_all(dir_);
    }
    QWidget* FrameWidget() { return static_cast<platform::QtWindow&>(frame_->GetWindow()).Widget(); }

    RandomGenerator random_{7};
    std::unique_ptr<platform::QtPlatform> platform_;
    std::unique_ptr<EmptyWindowFactory> factory_;
    std::unique_ptr<TPlotFrame> frame_;

private:
    fs::path dir_;
};

TEST_F(ShellFrameTest, FrameShowsItsBackground) {
    QWidget* widget = FrameWidget();
    ASSERT_NE(widget, nullptr);
    ASSERT_TRUE(ProcessEventsUntil([&] { return widget->isVisible(); }));
    ProcessEventsUntil([] { return false; }); // let the first paint run
    const QImage shot = widget->grab().toImage();
    if (const char* keep = std::getenv("KORVANE_SCREENSHOT_DIR"))
        shot.save(QString::fromUtf8(keep) + "/frame.png");
    const QColor centre = shot.pixelColor(shot.width() / 2, shot.height() - 10);
    EXPECT_EQ(centre.red(), 64);
    EXPECT_EQ(centre.green(), 128);
    EXPECT_EQ(centre.blue(), 128);
}

TEST_F(ShellFrameTest, F2OpensAPlaneWindow) {
    QWidget* widget = FrameWidget();
    ASSERT_NE(widget, nullptr);
    ASSERT_TRUE(ProcessEventsUntil([&] { return widget->isVisible(); }));
    QKeyEvent press(QEvent::KeyPress, Qt::Key_F2, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    ASSERT_TRUE(ProcessEventsUntil([] { return TopLevelTitled("semnome1.kv2") != nullptr; }));
    EXPECT_EQ(frame_->OpenWindowCount(), 1u);
    // It is the plane window: a picture with axes on its background, not an empty client.
    QWidget* plane = TopLevelTitled("semnome1.kv2");
    ProcessEventsUntil([&] { return plane->isVisible(); });
    for (int i = 0; i < 20; ++i)
        QApplication::processEvents();
    const QImage picture = plane->grab().toImage();
    if (const char* path = std::getenv("KORVANE_SCREENSHOT"))
        picture.save(path);
    std::set<QRgb> colours;
    for (int y = 0; y < picture.height(); y += 3)
        for (int x = 0; x < picture.width(); x += 3)
            colours.insert(picture.pixel(x, y));
    EXPECT_GE(colours.size(), 3u);
}

} // namespace
} // namespace korvane
