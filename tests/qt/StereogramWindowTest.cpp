// The stereogram window on the real Qt platform, offscreen: the example surface drawn as
// random dots with the two guide discs under them. With KORVANE_WRITE_EXAMPLES the
// picture is kept as examples/estereograma.png.
// The core's headers come before Qt's, whose "slots" is a macro.
#include "expr/RandomGenerator.h"
#include "graph/ColourTable.h"
#include "space/TPlot3Win.h"

#include "platform/qt/QtPlatform.h"
#include "platform/qt/QtWindow.h"
#include "platform/qt/QtWindowWidget.h"
#include "tests/qt/QtEventLoop.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/ScratchFolder.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cstdlib>

namespace korvane {
namespace {

TEST(StereogramWindow, PictureOfTheExampleSurface) {
    testing::EnsureApplication();
    testing::ScratchFolder folder;
    const testing::ScopedEnvironment variable("KORVANE_CONFIG_DIR", folder.Path());
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
}

} // namespace
} // namespace korvane
