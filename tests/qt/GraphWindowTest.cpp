// A plane window on the real Qt platform, offscreen: the axis lines lie on the pixel row
// and column that the mapping gives, and a picture can be kept for a look
// (KORVANE_SCREENSHOT_DIR).
#include "plane/PlaneCommands.h"
#include "plane/TPlot2Win.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/QtWindow.h"
#include "platform/qt/QtWindowWidget.h"
#include "tests/qt/QtEventLoop.h"
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
    ConfigFolder() {
        EnsureApplication();
        ::setenv("KORVANE_CONFIG_DIR", Path().c_str(), 1);
    }
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

// Polar sectors, pi labels and solid arrows, as a user would set them.
TEST(GraphWindow, PolarGridWithPiLabels) {
    QtPlaneWindow plane;
    TPlot2Win& window = plane.window;
    AxisSettings& axes = window.Axes();
    axes.gridBits = GridQuadrants | GridPolar;
    axes.piX = true;
    axes.decimalsY = 1;
    axes.tickX = 3.141592653589793238L / 2;
    axes.tickY = 0.5L;
    axes.solidArrows = true;
    window.SetSlotColour(kSlotGrid, 20);
    auto* qtWindow = static_cast<platform::QtWindow*>(window.GetWindow());
    QWidget* client = qtWindow->Widget()->Client();
    platform::QtWindowWidget* widget = qtWindow->Widget();
    ASSERT_TRUE(ProcessEventsUntil([&] { return client->width() > 0; }));
    widget->resize(widget->width() + 400 - client->width(), widget->height() + 300 - client->height());
    window.Redraw(1);
    ASSERT_TRUE(ProcessEventsUntil([&] { return window.GetView().clientW == 400 && window.PictureValid(); }));
    QApplication::processEvents();
    const QImage shot = client->grab().toImage();
    if (const char* keep = std::getenv("KORVANE_SCREENSHOT_DIR"))
        shot.save(QString::fromUtf8(keep) + "/graph-window-polar.png");
    const View& view = window.GetView();
    // The circle of radius pi/2 crosses the diagonal ray of the first quadrant.
    const long double r = 3.141592653589793238L / 2 / 1.4142135623730950488L;
    const QColor onCircle = shot.pixelColor(view.ToPixelXInt(r), view.ToPixelYInt(r));
    EXPECT_EQ(onCircle, QColor(160, 160, 160));
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

// The equation dialog of three kinds opens modal with its default formula in a line edit,
// and cancelling it adds no example. Its picture can be kept for a look.
TEST(GraphWindow, EquationDialogShowsAndCancels) {
    QtPlaneWindow plane;
    TPlot2Win& window = plane.window;
    struct Row {
        int command;
        const char* title;
        const char* formula;
        const char* shot;
    } rows[] = {{cmd::kNewExplicit, "y = f(x)", "xsin(x)", "/equation-explicit.png"},
                {cmd::kNewParametric, "paramétrica", "3cos(3t)", "/equation-parametric.png"},
                {cmd::kNewSystem, "dx/dt , dy/dt", "xx-yy", "/equation-system.png"}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.title);
        QStringList edits;
        bool seen = false;
        // The dialog runs its own event loop; look at it from inside, then cancel it.
        std::function<void()> look = [&] {
            QWidget* dialog = nullptr;
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->isVisible() && w->isModal())
                    dialog = w;
            if (!dialog) {
                QTimer::singleShot(20, look);
                return;
            }
            seen = dialog->windowTitle() == QString::fromUtf8(r.title);
            for (QLineEdit* edit : dialog->findChildren<QLineEdit*>())
                edits << edit->text();
            if (const char* keep = std::getenv("KORVANE_SCREENSHOT_DIR"))
                dialog->grab().toImage().save(QString::fromUtf8(keep) + r.shot);
            dialog->close();
        };
        QTimer::singleShot(20, look);
        window.OnCommand(r.command);
        EXPECT_TRUE(seen);
        EXPECT_TRUE(edits.contains(QString::fromUtf8(r.formula))) << edits.join(" | ").toStdString();
        EXPECT_EQ(window.Examples().LastExample(), -1) << "cancelled: no example";
    }
}

} // namespace
} // namespace korvane
