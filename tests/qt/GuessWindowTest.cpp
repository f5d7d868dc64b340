// The guessing game on the real Qt platform, offscreen: a round with a wrong guess shows
// the target, the guess in red and the asymptotes in blue. With KORVANE_WRITE_EXAMPLES
// the picture of the round is kept as examples/adivinhar.png.
// The core's headers come before Qt's, whose "slots" is a macro.
#include "expr/RandomGenerator.h"
#include "graph/ColourTable.h"
#include "windows/TPlotGWin.h"

#include "platform/qt/QtPlatform.h"
#include "platform/qt/QtWindow.h"
#include "platform/qt/QtWindowWidget.h"
#include "tests/qt/QtEventLoop.h"

#include <QImage>

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>

namespace korvane {
namespace {

using testing::ProcessEventsUntil;

int CountColour(const QImage& image, platform::Rgb rgb) {
    const QColor colour(rgb.r, rgb.g, rgb.b);
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) == colour;
    return count;
}

TEST(GuessWindow, RoundWithAWrongGuess) {
    const testing::ConfigFolder folder;
    {
        platform::QtPlatform platform;
        RandomGenerator random(20261207);
        WindowOptions options;
        options.title = "adivinhe minha equação";
        options.readSettings = false;
        TPlotGWin game(platform, options, nullptr, random);
        auto* qtWindow = static_cast<platform::QtWindow*>(game.GetWindow());
        platform::QtWindowWidget* widget = qtWindow->Widget();
        QWidget* client = widget->Client();
        ASSERT_TRUE(ProcessEventsUntil([&] { return client->width() > 0; }));
        widget->resize(widget->width() + 560 - client->width(), widget->height() + 420 - client->height());
        ASSERT_TRUE(ProcessEventsUntil([&] { return game.GetView().clientW == 560; }));
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
        EXPECT_GT(CountColour(shot, ColourRGB(0)), 200) << "the target in black";
        EXPECT_GT(CountColour(shot, ColourRGB(4)), 200) << "the guess in red";
        const int column = game.GetView().ToPixelXInt(game.Target().verticals.front());
        int blue = 0;
        for (int y = 0; y < shot.height(); ++y)
            blue += shot.pixelColor(column, y) == QColor(0, 0, 255);
        EXPECT_GT(blue, 50) << "the asymptote, dashed";
        game.GetWindow()->Close();
    }
}

} // namespace
} // namespace korvane
