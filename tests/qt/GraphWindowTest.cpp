// A plane window on the real Qt platform, offscreen: the axis lines lie on the pixel row
// and column that the mapping gives, the printed page, a letter's slider dragged with the
// mouse moves its curve on the screen, and a picture can be kept for a look
// (KORVANE_SCREENSHOT_DIR).
#include "expr/LetterParameters.h"
#include "plane/PlaneCommands.h"
#include "plane/TPlot2Win.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/QtPrinter.h"
#include "platform/qt/QtWindow.h"
#include "platform/qt/QtWindowWidget.h"
#include "tests/qt/QtEventLoop.h"
#include "tests/support/Process.h"

#include <QApplication>
#include <QImage>
#include <QPrinter>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace korvane {
namespace {

using testing::ProcessEventsUntil;
using testing::TopLevelTitled;

bool IsDark(const QColor& c) { return c.red() < 64 && c.green() < 64 && c.blue() < 64; }

WindowOptions PlaneOptions() {
    WindowOptions options;
    options.title = "2-dim";
    options.readSettings = false;
    return options;
}

// A plane window on the Qt platform that reads no settings; closed, and its folder
// removed, at the end of the test.
struct QtPlaneWindow {
    ~QtPlaneWindow() { window.GetWindow()->Close(); }

    testing::ConfigFolder folder;
    platform::QtPlatform platform;
    TPlot2Win window{platform, PlaneOptions(), nullptr};
};

// The window's client area made 400 x 300 and drawn; null when it did not happen.
QWidget* DrawnAt400By300(TPlot2Win& window) {
    platform::QtWindowWidget* widget = static_cast<platform::QtWindow*>(window.GetWindow())->Widget();
    QWidget* client = widget->Client();
    if (!ProcessEventsUntil([&] { return client->width() > 0; }))
        return nullptr;
    widget->resize(widget->width() + 400 - client->width(), widget->height() + 300 - client->height());
    if (!ProcessEventsUntil([&] {
            return window.GetView().clientW == 400 && window.GetView().clientH == 300 && window.PictureValid();
        }))
        return nullptr;
    QApplication::processEvents();
    return client;
}

TEST(GraphWindow, AxisLinesLieWhereTheMappingPutsThem) {
    QtPlaneWindow plane;
    TPlot2Win& window = plane.window;
    QWidget* client = DrawnAt400By300(window);
    ASSERT_NE(client, nullptr);
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

// The centres of the first and the last dark run of pixels along row or column `at`.
std::pair<double, double> OuterLineCentres(const QImage& page, bool row, int at) {
    std::vector<int> dark;
    for (int i = 0; i < (row ? page.width() : page.height()); ++i)
        if (qGray(row ? page.pixel(i, at) : page.pixel(at, i)) < 128)
            dark.push_back(i);
    if (dark.empty())
        return {0, 0};
    std::size_t firstEnd = 0, lastStart = dark.size() - 1;
    while (firstEnd + 1 < dark.size() && dark[firstEnd + 1] == dark[firstEnd] + 1)
        ++firstEnd;
    while (lastStart > 0 && dark[lastStart - 1] == dark[lastStart] - 1)
        --lastStart;
    return {(dark.front() + dark[firstEnd] + 1) / 2.0, (dark[lastStart] + dark.back() + 1) / 2.0};
}

// Through the real printer into a PDF file, the page rendered by Ghostscript at 254 dpi
// (100 pixels a centimetre): one centimetre per unit prints the 10-unit window 10 cm wide,
// 7.5 cm high as the client's 4:3, its frame one inch from the paper's corner.
TEST(GraphWindow, PrintedPageHasThePictureWhereAndAsLargeAsChosen) {
    QtPlaneWindow plane;
    TPlot2Win& window = plane.window;
    ASSERT_NE(DrawnAt400By300(window), nullptr);
    ASSERT_EQ(window.GetView().rx, 5);
    SettingsRecord& settings = window.HeaderSettings();
    settings.printValues[0] = 1 / 2.54L, settings.printValues[1] = -1;
    settings.printValues[2] = settings.printValues[3] = 1;
    settings.printFlags[0] = true;
    platform::QtPrinter printer;
    printer.Device().setOutputFormat(QPrinter::PdfFormat);
    printer.Device().setOutputFileName(QString::fromStdString(plane.folder.File("page.pdf")));
    ASSERT_EQ(window.Output().PrintOn(printer), 0);
    testing::Process gs("/usr/bin/gs", {"-q", "-dNOPAUSE", "-dBATCH", "-dSAFER", "-sDEVICE=pnggray", "-r254",
                                        "-sOutputFile=" + plane.folder.File("page.png"), plane.folder.File("page.pdf")});
    ASSERT_EQ(gs.Wait(), 0);
    const QImage page(QString::fromStdString(plane.folder.File("page.png")));
    ASSERT_FALSE(page.isNull());
    // The frame's lines along a row and a column inside grid cells, by their centres: pens
    // and arrows reach past the picture's edge by half their width.
    const auto [left, right] = OuterLineCentres(page, true, 254 + 225);  // y = 1.5
    const auto [top, bottom] = OuterLineCentres(page, false, 254 + 250); // x = -2.5
    EXPECT_NEAR(left, 254, 2);
    EXPECT_NEAR(top, 254, 2);
    EXPECT_NEAR(right - left, 1000, 4) << "10 cm";
    EXPECT_NEAR(bottom - top, 750, 4) << "7.5 cm";
    QRect inked;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, y)) < 128)
                inked |= QRect(x, y, 1, 1);
    EXPECT_TRUE(QRectF(left - 3, top - 3, right - left + 6, bottom - top + 6).contains(inked)) << "arrows clipped";
}

void SendMouse(QWidget* to, QEvent::Type type, QPoint at) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(at), QPointF(to->mapToGlobal(at)), Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(to, &event);
}

// A pixel of the picture, or one next to it, is coloured: the curve, not the white
// background nor the grey grid and black axes.
bool InkNear(const QImage& shot, int x, int y) {
    for (int dy = -1; dy <= 1; ++dy) {
        if (y + dy < 0 || y + dy >= shot.height())
            continue;
        const QColor c = shot.pixelColor(x, y + dy);
        if (std::max({c.red(), c.green(), c.blue()}) - std::min({c.red(), c.green(), c.blue()}) > 40)
            return true;
    }
    return false;
}

// y = a sin(x) with A at -2; A's slider bar dragged by its handle to 80 % of its length:
// the crest at x = pi/2 leaves y = -2 for the height the letter now has.
TEST(GraphWindow, DraggingASliderMovesTheCurveOnTheScreen) {
    QtPlaneWindow plane;
    TPlot2Win& window = plane.window;
    QWidget* client = DrawnAt400By300(window);
    ASSERT_NE(client, nullptr);
    const int e = window.Examples().Append(kExplicit, 12);
    window.Examples()[e].texts[1] = "asin(x)";
    ASSERT_EQ(window.CompileExample(e), 0);
    window.RecomputeLettersInUse();
    ASSERT_TRUE(SetLetterRange(window.Context(), 1, -3, 3));
    window.Context().SetLetter(1, -2);
    window.RedrawExamples();
    window.OnCommand(cmd::kSymbolSlider + 1);
    QScrollBar* bar = nullptr;
    ASSERT_TRUE(ProcessEventsUntil([&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && (bar = w->findChild<QScrollBar*>()) != nullptr && bar->isVisible())
                return true;
        return false;
    }));
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.subControls = QStyle::SC_All;
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    const QRect handle = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, bar);
    ASSERT_FALSE(handle.isEmpty());
    const View& view = window.GetView();
    const int crest = view.ToPixelXInt(1.5707963267948966L);
    const auto row = [&view](long double y) { return view.ToPixelYInt(y); };
    EXPECT_TRUE(ProcessEventsUntil([&] { return InkNear(client->grab().toImage(), crest, row(-2)); }));
    QPoint at = handle.center();
    SendMouse(bar, QEvent::MouseButtonPress, at);
    for (const int target = bar->width() * 4 / 5; at.x() < target;) {
        at.setX(std::min(target, at.x() + 8));
        SendMouse(bar, QEvent::MouseMove, at);
        QApplication::processEvents();
    }
    SendMouse(bar, QEvent::MouseButtonRelease, at);
    const long double a = window.Context().GetLetter(1);
    ASSERT_GT(a, 0.5L) << "the drag moved the letter up";
    QImage shot;
    EXPECT_TRUE(ProcessEventsUntil([&] {
        shot = client->grab().toImage();
        return InkNear(shot, crest, row(a)) && !InkNear(shot, crest, row(-2));
    })) << "A = " << static_cast<double>(a);
    if (const char* keep = std::getenv("KORVANE_SCREENSHOT_DIR"))
        shot.save(QString::fromUtf8(keep) + "/slider-drag.png");
    window.SetModified(false); // closing asks nothing
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
        ASSERT_TRUE(ProcessEventsUntil([&] { return (dialog = TopLevelTitled(QString::fromUtf8(r.title))) != nullptr; }));
        if (const char* keep = std::getenv("KORVANE_SCREENSHOT_DIR"))
            dialog->grab().toImage().save(QString::fromUtf8(keep) + r.shot);
    }
    EXPECT_NE(window.ViewDialog(), nullptr);
}

} // namespace
} // namespace korvane
