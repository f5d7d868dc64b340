// The frame on the real Qt platform, offscreen: it paints its background, F2 opens a
// plane window, and a screenshot can be kept for a look (KORVANE_SCREENSHOT_DIR).
#include "app/EmptyWindowFactory.h"
#include "app/TPlotFrame.h"
#include "expr/RandomGenerator.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/QtWindow.h"
#include "platform/qt/QtWindowWidget.h"
#include "tests/qt/QtEventLoop.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMenuBar>
#include <QWidget>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <set>

namespace korvane {
namespace {

using testing::ProcessEventsUntil;
using testing::TopLevelTitled;

// The colours of a window's picture, sampled every third pixel once its paints have come.
std::size_t ColoursOf(QWidget* window) {
    for (int i = 0; i < 20; ++i)
        QApplication::processEvents();
    const QImage picture = window->grab().toImage();
    std::set<QRgb> colours;
    for (int y = 0; y < picture.height(); y += 3)
        for (int x = 0; x < picture.width(); x += 3)
            colours.insert(picture.pixel(x, y));
    return colours.size();
}

class ShellFrameTest : public ::testing::Test {
protected:
    ShellFrameTest() {
        frame_->SetupWindow();
        frame_->Show();
    }
    QWidget* FrameWidget() { return static_cast<platform::QtWindow&>(frame_->GetWindow()).Widget(); }

private:
    testing::ConfigFolder folder_;

protected:
    RandomGenerator random_{7};
    platform::QtPlatform platform_;
    EmptyWindowFactory factory_{platform_};
    std::unique_ptr<TPlotFrame> frame_ = std::make_unique<TPlotFrame>(platform_, factory_, random_, "");
};

// The frame paints its background; F2 opens a plane window.
TEST_F(ShellFrameTest, FrameShowsItsBackgroundAndF2OpensAPlaneWindow) {
    QWidget* widget = FrameWidget();
    ASSERT_NE(widget, nullptr);
    ASSERT_TRUE(ProcessEventsUntil([&] { return widget->isVisible(); }));
    // The first paint comes when it comes: wait for the background colour, not for a time.
    QImage shot;
    const QColor background(64, 128, 128);
    EXPECT_TRUE(ProcessEventsUntil([&] {
        shot = widget->grab().toImage();
        return shot.pixelColor(shot.width() / 2, shot.height() - 10) == background;
    })) << "the centre stays " << shot.pixelColor(shot.width() / 2, shot.height() - 10).name().toStdString();
    if (const char* keep = std::getenv("KORVANE_SCREENSHOT_DIR"))
        shot.save(QString::fromUtf8(keep) + "/frame.png");
    QKeyEvent press(QEvent::KeyPress, Qt::Key_F2, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    ASSERT_TRUE(ProcessEventsUntil([] { return TopLevelTitled("semnome1.kv2") != nullptr; }));
    EXPECT_EQ(frame_->OpenWindowCount(), 1u);
    // It is the plane window: a picture with axes on its background, not an empty client.
    QWidget* plane = TopLevelTitled("semnome1.kv2");
    ProcessEventsUntil([&] { return plane->isVisible(); });
    EXPECT_GE(ColoursOf(plane), 3u);
}

// "&Mapeador" (405) opens the pair: the domain with the plane window's tools in its menu
// bar, and the range named after it, showing a picture of its own.
TEST_F(ShellFrameTest, MapperCommandOpensTheDomainAndItsRange) {
    frame_->OnCommand(405);
    QWidget* domain = nullptr;
    QWidget* range = nullptr;
    ASSERT_TRUE(ProcessEventsUntil([&] {
        domain = TopLevelTitled(QString::fromUtf8("domínio1.ma2"));
        range = TopLevelTitled(QString::fromUtf8("contradomínio [domínio1.ma2]"));
        return domain && range && domain->isVisible() && range->isVisible();
    }));
    QStringList menus;
    for (QMenuBar* bar : domain->findChildren<QMenuBar*>())
        for (QAction* action : bar->actions())
            menus << action->text();
    EXPECT_TRUE(menus.contains("&Um") && menus.contains("&Dois") && menus.contains("&Mapa")) << menus.join(" ").toStdString();
    EXPECT_GE(ColoursOf(range), 3u) << "grid and axes on the range's background";
    EXPECT_EQ(frame_->OpenWindowCount(), 2u);
}

} // namespace
} // namespace korvane
