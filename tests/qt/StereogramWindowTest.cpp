// The stereogram window on the real Qt platform, offscreen: the example surface drawn as
// random dots with the two guide discs under them. With KORVANE_WRITE_EXAMPLES the
// picture is kept as examples/estereograma.png.
// The core's headers come before Qt's, whose "slots" is a macro.
#include "expr/RandomGenerator.h"
#include "graph/ColourTable.h"
#include "space/TPlot3Win.h"

#include "platform/qt/QtPlatform.h"
#include "platform/qt/QtPrinter.h"
#include "platform/qt/QtWindow.h"
#include "platform/qt/QtWindowWidget.h"
#include "tests/qt/QtEventLoop.h"
#include "tests/support/Process.h"

#include <QImage>
#include <QPrinter>

#include <gtest/gtest.h>

#include <cstdlib>

namespace korvane {
namespace {

TEST(StereogramWindow, PictureOfTheExampleSurface) {
    const testing::ConfigFolder folder;
    platform::QtPlatform platform;
    RandomGenerator::Program().Seed(20261208);
    WindowOptions options;
    options.readSettings = false;
    TPlot3Win space(platform, options, nullptr);
    ASSERT_EQ(space.OpenDocument(std::string(KORVANE_SOURCE_DIR) + "/examples/estereograma.kv3"), 0);
    space.DrawStereogramWindow();
    TRDSWin* rds = space.StereogramWindow();
    ASSERT_NE(rds, nullptr);
    QWidget* client = static_cast<platform::QtWindow*>(rds->GetWindow())->Widget()->Client();
    ASSERT_TRUE(testing::ProcessEventsUntil([&] { return rds->PictureValid() && client->width() > 0; }));
    QApplication::processEvents();
    const QImage shot = client->grab().toImage();
    if (const char* out = std::getenv("KORVANE_WRITE_EXAMPLES"))
        shot.save(QString::fromUtf8(out) + "/estereograma.png");
    const platform::Rgb ink = ColourRGB(space.Examples()[0].Colour());
    int dots = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            dots += shot.pixelColor(x, y) == QColor(ink.r, ink.g, ink.b);
    EXPECT_GT(dots, shot.width() * shot.height() / 20) << "about a tenth of the picture in dots";
    EXPECT_FALSE(rds->Stopped());

    // Printed into a PDF at 1 cm a unit, an inch from the corner, read back at 100 dots a
    // centimetre: the dots and the guide dots fill the picture's place to its edges.
    SettingsRecord& settings = rds->HeaderSettings();
    settings.printValues[0] = 1 / 2.54L, settings.printValues[1] = -1;
    settings.printValues[2] = settings.printValues[3] = 1;
    platform::QtPrinter printer;
    printer.Device().setOutputFormat(QPrinter::PdfFormat);
    printer.Device().setOutputFileName(QString::fromStdString(folder.File("page.pdf")));
    ASSERT_EQ(rds->Output().PrintOn(printer), 0);
    ASSERT_EQ(testing::Process("/usr/bin/gs", {"-q", "-dNOPAUSE", "-dBATCH", "-dSAFER", "-sDEVICE=pnggray", "-r254",
                                               "-sOutputFile=" + folder.File("page.png"), folder.File("page.pdf")})
                  .Wait(),
              0);
    const QImage page(QString::fromStdString(folder.File("page.png")));
    const QRectF place(254, 254, 200 * rds->GetView().rx, 200 * rds->GetView().ry);
    QRect inked;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            inked |= qGray(page.pixel(x, y)) < 128 ? QRect(x, y, 1, 1) : QRect();
    EXPECT_TRUE(place.adjusted(-3, -3, 3, 3).contains(inked)) << "within the picture's place";
    EXPECT_GT(inked.right(), place.right() - place.width() / 20) << "to its right edge";
    EXPECT_GT(inked.bottom(), place.bottom() - place.height() / 20) << "the guide dots at its foot";
}

} // namespace
} // namespace korvane
