// Windows on the real Qt platform, offscreen. The frame paints its background, F2 opens a
// plane window and "&Mapeador" the mapper's pair. The plane window: the axis lines lie on
// the pixel row and column that the mapping gives, the printed page, a letter's slider
// dragged with the mouse moves its curve on the screen (pictures for a look with
// KORVANE_SCREENSHOT_DIR). A round of the game with a wrong guess shows the target, the
// guess in red and the asymptote in blue; the stereogram of the example surface is random
// dots over the two guide discs; the level-curve and time windows of space documents (with
// KORVANE_WRITE_EXAMPLES, examples/adivinhar.png, estereograma.png, niveis.png, tempo.png).
// The core's headers come before Qt's, whose "slots" is a macro.
#include "app/EmptyWindowFactory.h"
#include "app/TPlotFrame.h"
#include "expr/LetterParameters.h"
#include "expr/RandomGenerator.h"
#include "graph/ColourTable.h"
#include "plane/PlaneCommands.h"
#include "plane/TPlot2Win.h"
#include "plane/TTimeWin.h"
#include "space/TLevelWin.h"
#include "space/TPlot3Win.h"
#include "windows/TPlotGWin.h"

#include "platform/qt/QtPlatform.h"
#include "platform/qt/QtPrinter.h"
#include "platform/qt/QtWindow.h"
#include "platform/qt/QtWindowWidget.h"
#include "tests/qt/QtEventLoop.h"
#include "tests/support/Process.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPrinter>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <memory>
#include <numbers>
#include <set>

namespace korvane {
namespace {

using testing::ProcessEventsUntil;
using testing::TopLevelTitled;

bool IsDark(const QColor& c) { return c.red() < 64 && c.green() < 64 && c.blue() < 64; }

int CountRgb(const QImage& image, platform::Rgb rgb) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) == QColor(rgb.r, rgb.g, rgb.b);
    return count;
}

// A plane window on the Qt platform that reads no settings; closed, and its folder
// removed, at the end of the test.
struct QtPlaneWindow {
    ~QtPlaneWindow() { window.GetWindow()->Close(); }

    testing::ConfigFolder folder;
    platform::QtPlatform platform;
    TPlot2Win window{platform, {.title = "2-dim", .readSettings = false, .startFile = ""}, nullptr};
};

// The window's client area made `width` x `height` and drawn; null when it did not happen.
template <class Window> QWidget* DrawnAt(Window& window, int width = 400, int height = 300) {
    platform::QtWindowWidget* widget = static_cast<platform::QtWindow*>(window.GetWindow())->Widget();
    QWidget* client = widget->Client();
    if (!ProcessEventsUntil([&] { return client->width() > 0; }))
        return nullptr;
    widget->resize(widget->size() + QSize(width, height) - client->size());
    const View& view = window.GetView();
    if (!ProcessEventsUntil([&] {
            return view.clientW == width && view.clientH == height && window.PictureValid();
        }))
        return nullptr;
    QApplication::processEvents();
    return client;
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

// `print` into a PDF file at 1 cm a unit, an inch from the paper's corner, the page
// rendered by Ghostscript at 254 dpi (100 pixels a centimetre).
QImage PrintedPage(SettingsRecord& settings, const testing::ScratchFolder& folder,
                   const std::function<int(platform::QtPrinter&)>& print) {
    settings.printValues[0] = 1 / 2.54L, settings.printValues[1] = -1;
    settings.printValues[2] = settings.printValues[3] = 1;
    platform::QtPrinter printer;
    printer.Device().setOutputFormat(QPrinter::PdfFormat);
    printer.Device().setOutputFileName(QString::fromStdString(folder.File("page.pdf")));
    EXPECT_EQ(print(printer), 0);
    testing::Process gs("/usr/bin/gs", {"-q", "-dNOPAUSE", "-dBATCH", "-dSAFER", "-sDEVICE=pnggray", "-r254",
                                        "-sOutputFile=" + folder.File("page.png"), folder.File("page.pdf")});
    EXPECT_EQ(gs.Wait(), 0);
    return QImage(QString::fromStdString(folder.File("page.png")));
}

// The smallest rectangle holding every dark pixel of the page.
QRect Inked(const QImage& page) {
    QRect inked;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, y)) < 128)
                inked |= QRect(x, y, 1, 1);
    return inked;
}

// The axis lines lie where the mapping puts them. Through the real printer, one centimetre
// per unit prints the 10-unit window 10 cm wide, 7.5 cm high as the client's 4:3, its frame
// one inch from the paper's corner.
TEST(GraphWindow, AxesOnTheScreenAndOnThePrintedPage) {
    QtPlaneWindow plane;
    TPlot2Win& window = plane.window;
    QWidget* client = DrawnAt(window);
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

    ASSERT_EQ(view.rx, 5);
    window.HeaderSettings().printFlags[0] = true;
    const auto print = [&](platform::QtPrinter& p) { return window.Output().PrintOn(p); };
    const QImage page = PrintedPage(window.HeaderSettings(), plane.folder, print);
    ASSERT_FALSE(page.isNull());
    // The frame's lines along a row and a column inside grid cells, by their centres: pens
    // and arrows reach past the picture's edge by half their width.
    const auto [left, right] = OuterLineCentres(page, true, 254 + 225);  // y = 1.5
    const auto [top, bottom] = OuterLineCentres(page, false, 254 + 250); // x = -2.5
    EXPECT_NEAR(left, 254, 2);
    EXPECT_NEAR(top, 254, 2);
    EXPECT_NEAR(right - left, 1000, 4) << "10 cm";
    EXPECT_NEAR(bottom - top, 750, 4) << "7.5 cm";
    EXPECT_TRUE(QRectF(left - 3, top - 3, right - left + 6, bottom - top + 6).contains(Inked(page)))
        << "arrows clipped";
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
    QWidget* client = DrawnAt(window);
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

TEST(GuessWindow, RoundWithAWrongGuess) {
    const testing::ConfigFolder folder;
    platform::QtPlatform platform;
    RandomGenerator random(20261207);
    const WindowOptions options{
        .title = "adivinhe minha equação", .readSettings = false, .startFile = ""};
    TPlotGWin game(platform, options, nullptr, random);
    QWidget* client = DrawnAt(game, 560, 420);
    ASSERT_NE(client, nullptr);
    // A rational function of three factors: its pole gives a vertical asymptote.
    game.Settings().flags.fill(false);
    game.Settings().flags[kFamilyRational] = true;
    game.Settings().lowest = game.Settings().highest = 3;
    game.NewTarget();
    ASSERT_FALSE(game.Target().verticals.empty()) << game.Target().text;
    game.JudgeGuessText("(x-1)(x+2)/(x-3)");
    ASSERT_EQ(game.Examples().LastExample(), 1) << "the guess is wrong";
    ASSERT_TRUE(ProcessEventsUntil([&] { return game.PictureValid(); }));
    QApplication::processEvents();
    const QImage shot = client->grab().toImage();
    if (const char* out = std::getenv("KORVANE_WRITE_EXAMPLES"))
        shot.save(QString::fromUtf8(out) + "/adivinhar.png");
    EXPECT_GT(CountRgb(shot, ColourRGB(0)), 200) << "the target in black";
    EXPECT_GT(CountRgb(shot, ColourRGB(4)), 200) << "the guess in red";
    const int column = game.GetView().ToPixelXInt(game.Target().verticals.front());
    EXPECT_GT(CountRgb(shot.copy(column, 0, 1, shot.height()), {0, 0, 255}), 50)
        << "the asymptote, dashed";
    game.GetWindow()->Close();
}

// The picture of a window that draws itself, kept in examples/ with KORVANE_WRITE_EXAMPLES.
QImage ExamplePicture(TPlot1Win& w, const char* name) {
    QWidget* client = static_cast<platform::QtWindow*>(w.GetWindow())->Widget()->Client();
    EXPECT_TRUE(ProcessEventsUntil([&] { return w.PictureValid() && client->width() > 0; }));
    QApplication::processEvents();
    const QImage shot = client->grab().toImage();
    if (const char* out = std::getenv("KORVANE_WRITE_EXAMPLES"))
        shot.save(QString::fromUtf8(out) + "/" + name);
    return shot;
}

TEST(StereogramWindow, PictureOfTheExampleSurface) {
    const testing::ConfigFolder folder;
    platform::QtPlatform platform;
    RandomGenerator::Program().Seed(20261208);
    TPlot3Win space(platform, {.title = "", .readSettings = false, .startFile = ""}, nullptr);
    ASSERT_EQ(space.OpenDocument(std::string(KORVANE_SOURCE_DIR) + "/examples/estereograma.kv3"), 0);
    space.DrawStereogramWindow();
    TRDSWin* rds = space.StereogramWindow();
    ASSERT_NE(rds, nullptr);
    const QImage shot = ExamplePicture(*rds, "estereograma.png");
    const int dots = CountRgb(shot, ColourRGB(space.Examples()[0].Colour()));
    EXPECT_GT(dots, shot.width() * shot.height() / 20) << "about a tenth of the picture in dots";
    EXPECT_FALSE(rds->Stopped());

    // Printed into a PDF at 1 cm a unit, an inch from the corner, read back at 100 dots a
    // centimetre: the dots and the guide dots fill the picture's place to its edges.
    const auto print = [&](platform::QtPrinter& p) { return rds->Output().PrintOn(p); };
    const QRect inked = Inked(PrintedPage(rds->HeaderSettings(), folder, print));
    const QRectF place(254, 254, 200 * rds->GetView().rx, 200 * rds->GetView().ry);
    EXPECT_TRUE(place.adjusted(-3, -3, 3, 3).contains(inked)) << "within the picture's place";
    EXPECT_GT(inked.right(), place.right() - place.width() / 20) << "to its right edge";
    EXPECT_GT(inked.bottom(), place.bottom() - place.height() / 20) << "the guide dots at its foot";
}

// z = sin(2x)cos(y) cut at nine heights: the zero level (green) is the lines x = kπ/2 and
// y = π/2 + kπ, the levels below in blue, above in red. The Lorenz system from (1, 1, 1)
// against time starts at t = 0: nothing is drawn left of that column.
TEST(SpaceSmallWindows, LevelCurvesAndTimeWindowPictures) {
    const testing::ConfigFolder folder;
    platform::QtPlatform platform;
    RandomGenerator::Program().Seed(20261208); // the level search starts at random points
    const std::string examples = std::string(KORVANE_SOURCE_DIR) + "/examples/";
    const auto inked = [](const QImage& shot, int x, int y, int colour) {
        const platform::Rgb ink = ColourRGB(colour);
        return shot.pixelColor(x, y) == QColor(ink.r, ink.g, ink.b);
    };
    TPlot3Win surface(platform, {.title = "", .readSettings = false, .startFile = ""}, nullptr);
    ASSERT_EQ(surface.OpenDocument(examples + "superficie.kv3"), 0);
    ASSERT_TRUE(surface.ShowLevels());
    TLevelWin* levels = surface.LevelWindow();
    ASSERT_NE(levels, nullptr);
    std::vector<TrajectoryRecord> pieces;
    for (int k = -4; k <= 4; ++k) {
        const int colour = k < 0 ? 6 : k > 0 ? 4 : 5;
        const std::vector<TrajectoryRecord> found = levels->TraceLevel(2, k / 5.0L, colour);
        EXPECT_FALSE(found.empty()) << "level " << k / 5.0;
        pieces.insert(pieces.end(), found.begin(), found.end());
    }
    levels->ShowPieces(pieces);
    const QImage cut = ExamplePicture(*levels, "niveis.png");
    const View& v = levels->GetView();
    const double half = std::numbers::pi / 2, near = 2 * (v.unitX + v.unitY);
    int zero = 0;
    for (int y = 0; y < cut.height(); ++y)
        for (int x = 0; x < cut.width(); ++x)
            if (inked(cut, x, y, 5)) {
                ++zero;
                const double offX = std::remainder(double(v.ToWorldX(x)), half);
                const double offY = std::remainder(double(v.ToWorldY(y)) - half, 2 * half);
                EXPECT_LT(std::min(std::fabs(offX), std::fabs(offY)), near) << x << " " << y;
            }
    EXPECT_GT(zero, cut.width()) << "the zero level crosses the slice";

    TPlot3Win lorenz(platform, {.title = "", .readSettings = false, .startFile = ""}, nullptr);
    ASSERT_EQ(lorenz.OpenDocument(examples + "lorenz.kv3"), 0);
    TTimeWin* time = lorenz.OpenTimeWindow(3);
    ASSERT_NE(time, nullptr);
    const QImage curves = ExamplePicture(*time, "tempo.png");
    const int start = time->GetView().ToPixelXInt(0);
    int before = 0, after = 0;
    for (int y = 0; y < curves.height(); ++y)
        for (int x = 0; x < curves.width(); ++x)
            if (inked(curves, x, y, lorenz.Examples()[0].Colour()))
                ++(x < start - 1 ? before : after);
    EXPECT_EQ(before, 0);
    EXPECT_GT(after, curves.width());
}


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

    testing::ConfigFolder folder_;
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
