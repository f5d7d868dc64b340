// A plane window on the real Qt platform, offscreen: the axis lines lie on the pixel row
// and column that the mapping gives, and a picture can be kept for a look
// (KORVANE_SCREENSHOT_DIR).
#include "plane/PlaneCommands.h"
#include "plane/TPlot2Win.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/QtWindow.h"
#include "platform/qt/QtWindowWidget.h"
#include "tests/qt/QtEventLoop.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/ScratchFolder.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QLineEdit>
#include <QTimer>

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <functional>

namespace korvane {
namespace {

namespace fs = std::filesystem;

using testing::EnsureApplication;
using testing::ProcessEventsUntil;

bool IsDark(const QColor& c) { return c.red() < 64 && c.green() < 64 && c.blue() < 64; }

// A settings folder of the test's own, where the Qt platform will look for it.
struct ConfigFolder : testing::ScratchFolder {
    ConfigFolder() { EnsureApplication(); }
    testing::ScopedEnvironment variable{"KORVANE_CONFIG_DIR", Path()};
};

WindowOptions PlaneOptions() {
    WindowOptions options;
    options.title = "2-dim";
    options.readSettings = false;
    return options;
}

// A plane window on the Qt platform that reads no settings; closed, and its folder
// removed, at the end of the test.
struct QtPlaneWindow {
    QtPlaneWindow() = default;
    ~QtPlaneWindow() { window.GetWindow()->Close(); }
    QtPlaneWindow(const QtPlaneWindow&) = delete;
    QtPlaneWindow& operator=(const QtPlaneWindow&) = delete;

    ConfigFolder folder;
    platform::QtPlatform platform;
    TPlot2Win window{platform, PlaneOptions(), nullptr};
};

TEST(GraphWindow, AxisLinesLieWhereTheMappingPutsThem) {
    QtPlaneWindow plane;
    TPlot2Win& window = plane.window;
    auto* qtWindow = static_cast<platform::QtWindow*>(window.GetWindow());
    platform::QtWindowWidget* widget = qtWindow->Widget();
    ASSERT_NE(widget, nullptr);
    QWidget* client = widget->Client();
    ASSERT_TRUE(ProcessEventsUntil([&] { return client->width() > 0; }));
    widget->resize(widget->width() + 400 - client->width(), widget->height() + 300 - client->height());
    ASSERT_TRUE(ProcessEventsUntil([&] {
        return window.GetView().clientW == 400 && window.GetView().clientH == 300 && window.PictureValid();
    }));
    QApplication::processEvents();
    const QImage shot = client->grab().toImage();
    if (const char* keep = std::getenv("KORVANE_SCREENSHOT_DIR"))
        shot.save(QString::fromUtf8(keep) + "/graph-window.png");
    ASSERT_EQ(shot.width(), 400);
    ASSERT_EQ(shot.height(), 300);

    const View& view = window.GetView();
    const int row = view.ToPixelYInt(0), column = view.ToPixelXInt(0);
    EXPECT_EQ(row, 150);
    EXPECT_EQ(column, 200);
    // Away from ticks, grid lines and labels: x = -3.5 and y = 2.5.
    const int sampleX = view.ToPixelXInt(-3.5L), sampleY = view.ToPixelYInt(2.5L);
    EXPECT_TRUE(IsDark(shot.pixelColor(sampleX, row))) << "x axis at row " << row;
    EXPECT_TRUE(IsDark(shot.pixelColor(column, sampleY))) << "y axis at column " << column;
    EXPECT_FALSE(IsDark(shot.pixelColor(sampleX, row - 3)));
    EXPECT_FALSE(IsDark(shot.pixelColor(column + 3, sampleY)));
    EXPECT_FALSE(IsDark(shot.pixelColor(sampleX, row + 3)));
}

QWidget* VisibleTopLevel(const QString& title) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->windowTitle() == title && w->isVisible())
            return w;
    return nullptr;
}

// The modeless view and grid dialogs open as windows of their own and stay open.
TEST(GraphWindow, ViewAndGridDialogsShow) {
    QtPlaneWindow plane;
    TPlot2Win& window = plane.window;
    struct Row {
        int command;
        const char* title;
        const char* shot;
    } rows[] = {{104, "janela", "/view-dialog.png"}, {320, "grade", "/grid-dialog.png"}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.title);
        window.OnCommand(r.command);
        QWidget* dialog = nullptr;
        ASSERT_TRUE(ProcessEventsUntil([&] { return (dialog = VisibleTopLevel(QString::fromUtf8(r.title))) != nullptr; }));
        if (const char* keep = std::getenv("KORVANE_SCREENSHOT_DIR"))
            dialog->grab().toImage().save(QString::fromUtf8(keep) + r.shot);
    }
    ASSERT_NE(window.ViewDialog(), nullptr);
    EXPECT_EQ(window.ViewDialog()->GetText(211), "-5.00000");
    EXPECT_TRUE(window.ViewDialog()->GetCheck(251));
}

} // namespace
} // namespace korvane
