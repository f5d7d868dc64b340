// The level-curve and time windows of space documents on the real Qt platform, offscreen.
// With KORVANE_WRITE_EXAMPLES their pictures are kept as examples/niveis.png and
// examples/tempo.png.
// The core's headers come before Qt's, whose "slots" is a macro.
#include "expr/RandomGenerator.h"
#include "graph/ColourTable.h"
#include "plane/TTimeWin.h"
#include "space/SpaceCommands.h"
#include "space/TLevelWin.h"
#include "space/TPlot3Win.h"

#include "platform/qt/QtPlatform.h"
#include "platform/qt/QtWindow.h"
#include "platform/qt/QtWindowWidget.h"
#include "tests/qt/QtEventLoop.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/ScratchFolder.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <numbers>

namespace korvane {
namespace {

QImage Shot(TPlot1Win& w, const char* example) {
    QWidget* client = static_cast<platform::QtWindow*>(w.GetWindow())->Widget()->Client();
    EXPECT_TRUE(testing::ProcessEventsUntil([&] { return w.PictureValid() && client->width(); }));
    QApplication::processEvents();
    const QImage shot = client->grab().toImage();
    if (const char* out = std::getenv("KORVANE_WRITE_EXAMPLES"))
        shot.save(QString::fromUtf8(out) + "/" + example);
    return shot;
}

bool Inked(const QImage& shot, int x, int y, int colour) {
    const platform::Rgb ink = ColourRGB(colour);
    return shot.pixelColor(x, y) == QColor(ink.r, ink.g, ink.b);
}

// z = sin(2x)cos(y) cut at nine heights: the zero level (green) is the lines x = kπ/2 and
// y = π/2 + kπ, the levels below in blue and above in red. The Lorenz system from (1, 1, 1)
// against time: it starts at t = 0, so nothing is drawn left of that column.
TEST(SpaceSmallWindows, LevelCurvesAndTimeWindowPictures) {
    testing::EnsureApplication();
    testing::ScratchFolder folder;
    const testing::ScopedEnvironment variable("KORVANE_CONFIG_DIR", folder.Path());
    platform::QtPlatform platform;
    RandomGenerator::Program().Seed(20261208); // the level search starts at random points
    WindowOptions options;
    options.readSettings = false;
    const std::string examples = std::string(KORVANE_SOURCE_DIR) + "/examples/";

    TPlot3Win surface(platform, options, nullptr);
    ASSERT_EQ(surface.OpenDocument(examples + "superficie.kv3"), 0);
    surface.OnCommand(cmd::kLevelCurves);
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
    const QImage cut = Shot(*levels, "niveis.png");
    const View& v = levels->GetView();
    const double half = std::numbers::pi / 2, near = 2 * (v.unitX + v.unitY);
    int zero = 0;
    for (int y = 0; y < cut.height(); ++y)
        for (int x = 0; x < cut.width(); ++x)
            if (Inked(cut, x, y, 5)) {
                ++zero;
                const double offX = std::fabs(std::remainder(double(v.ToWorldX(x)), half));
                const double offY = std::fabs(std::remainder(double(v.ToWorldY(y)) - half, 2 * half));
                EXPECT_LT(std::min(offX, offY), near) << x << " " << y;
            }
    EXPECT_GT(zero, cut.width()) << "the zero level crosses the slice";

    TPlot3Win lorenz(platform, options, nullptr);
    ASSERT_EQ(lorenz.OpenDocument(examples + "lorenz.kv3"), 0);
    TTimeWin* time = lorenz.OpenTimeWindow(3);
    ASSERT_NE(time, nullptr);
    const QImage curves = Shot(*time, "tempo.png");
    const int start = time->GetView().ToPixelXInt(0);
    int before = 0, after = 0;
    for (int y = 0; y < curves.height(); ++y)
        for (int x = 0; x < curves.width(); ++x)
            if (Inked(curves, x, y, lorenz.Examples()[0].Colour()))
                (x < start - 1 ? before : after) += 1;
    EXPECT_EQ(before, 0);
    EXPECT_GT(after, curves.width());
}

} // namespace
} // namespace korvane
