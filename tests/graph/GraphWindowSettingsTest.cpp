#include "GraphTestWindow.h"

#include "graph/ColourTable.h"
#include "platform/FileIO.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace korvane::testing {
namespace {

using platform::MemoryPlatform;

struct WindowSettings : ::testing::Test {
    MemoryPlatform platform;
    WindowOptions options;
    std::string dir;
    void SetUp() override {
        dir = FreshConfigDirectory("settings");
        platform.SetConfigDirectory(dir);
    }
    void TearDown() override { ProgramColours().Reset(); }
};

TEST_F(WindowSettings, MissingFileIsSilentAndGivesDefaults) {
    GraphTestWindow w(platform, options);
    EXPECT_FALSE(w.SettingsWereRead());
    EXPECT_TRUE(platform.Messages().empty());
    EXPECT_EQ(w.Axes().tickLen, 10);
    EXPECT_EQ(w.Format().decimals, 5);
}

// A file of a window kind with fewer fonts or colour slots gives those it holds; the
// others keep the window's own defaults, not zeros.
TEST_F(WindowSettings, FileWithFewerFontsAndSlotsKeepsTheDefaultsOfTheRest) {
    std::vector<FontSlot> defaultFonts;
    std::vector<int> defaultSlots;
    std::vector<std::uint8_t> bytes;
    {
        GraphTestWindow w(platform, options);
        defaultFonts.assign(w.Fonts().begin(), w.Fonts().end());
        for (int i = 0; i < kColourSlots; ++i)
            defaultSlots.push_back(w.SlotColour(i));
        w.Fonts()[0].pointSize = 31;
        w.SetSlotColour(0, 7);
    }
    ASSERT_TRUE(ReadWholeFile(dir + "kv2.ini", bytes));
    // The same file as a kind with 3 fonts and 5 colour slots writes it.
    constexpr int kFonts = 3, kSlots = 5, kHeader = 80;
    const auto cut = [&](std::size_t at, std::size_t from, std::size_t to) {
        bytes.erase(bytes.begin() + std::ptrdiff_t(at + from), bytes.begin() + std::ptrdiff_t(at + to));
    };
    bytes[60] = kFonts;
    bytes[64] = kSlots;
    cut(kHeader, 4 * kFonts, 4 * kFontSlots);
    const std::size_t logFonts = kHeader + 4 * kFonts;
    cut(logFonts, kLogFontSize * kFonts, kLogFontSize * kFontSlots);
    const std::size_t colours = logFonts + kLogFontSize * kFonts;
    cut(colours, 4 * kFonts, 4 * kFontSlots);
    const std::size_t slots = colours + 4 * kFonts + 68;
    cut(slots, 2 * kSlots, 2 * kColourSlots);
    WriteFileAtomically(dir + "kv2.ini", bytes);

    GraphTestWindow w(platform, options);
    ASSERT_TRUE(w.SettingsWereRead());
    EXPECT_EQ(w.Fonts()[0].pointSize, 31);
    EXPECT_EQ(w.SlotColour(0), 7);
    for (int i = kFonts; i < kFontSlots; ++i) {
        EXPECT_EQ(w.Fonts()[i].pointSize, defaultFonts[i].pointSize) << "font " << i;
        EXPECT_EQ(w.Fonts()[i].font.FaceName(), defaultFonts[i].font.FaceName()) << "font " << i;
    }
    for (int i = kSlots; i < kColourSlots; ++i)
        EXPECT_EQ(w.SlotColour(i), defaultSlots[i]) << "slot " << i;
}

TEST_F(WindowSettings, ClosingWritesAndTheNextWindowReadsTheSameLook) {
    {
        GraphTestWindow w(platform, options);
        w.Axes().piX = true;
        w.Axes().SetTickLen(16);
        w.Axes().gridBits = 16 + 1;
        w.Axes().minusCustom = true;
        w.Widths().axesScreen = 3;
        w.Format().decimals = 2;
        w.Format().fieldWidth = 9;
        w.GetView().zoomFactor = 1.5L;
        w.GetView().step = 0.1L;
        w.SetSlotColour(kSlotAxes, 6);
        w.CurveColours()[0] = 24;
        w.SetLastDocument("/tmp/ação.kv2");
        w.Memory().SetPlacement({10, 20, 500, 400, false});
        w.Memory().Maximize();
        w.Memory().Close();
    }
    ASSERT_TRUE(std::filesystem::exists(dir + "kv2.ini"));
    GraphTestWindow w(platform, options);
    ASSERT_TRUE(w.SettingsWereRead());
    EXPECT_TRUE(w.Axes().piX);
    EXPECT_EQ(w.Axes().tickLen, 16);
    EXPECT_EQ(w.Axes().arrowLen, 11);
    EXPECT_EQ(w.Axes().gridBits, 17);
    EXPECT_TRUE(w.Axes().minusCustom);
    EXPECT_EQ(w.Widths().axesScreen, 3);
    EXPECT_EQ(w.Format().decimals, 2);
    EXPECT_EQ(w.Format().fieldWidth, 9);
    EXPECT_EQ(w.GetView().zoomFactor, 1.5L);
    EXPECT_NEAR(static_cast<double>(w.GetView().step), 0.1, 1e-18);
    EXPECT_EQ(w.SlotColour(kSlotAxes), 6);
    EXPECT_EQ(w.CurveColours()[0], 24);
    EXPECT_EQ(w.LastDocument(), "/tmp/ação.kv2");
    EXPECT_EQ(w.StoredPlacement(), (platform::Placement{10, 20, 500, 400, true}));
    EXPECT_TRUE(platform.Messages().empty());
}

TEST_F(WindowSettings, PlaneFileOverSpaceFileIsBad) {
    { GraphTestWindow plane(platform, options); }
    std::filesystem::copy_file(dir + "kv2.ini", dir + "kv3.ini");
    GraphTestWindow space(platform, options, "kv3.ini", kSpaceIdentifier);
    EXPECT_FALSE(space.SettingsWereRead());
    ASSERT_EQ(platform.Messages().size(), 1u);
    EXPECT_EQ(platform.Messages()[0].text, "arquivo ini ruim");
    EXPECT_EQ(platform.Messages()[0].caption, "hmm...");
    EXPECT_EQ(space.Axes().tickLen, 10);
}

TEST_F(WindowSettings, UseDefaultsSkipsReading) {
    {
        GraphTestWindow w(platform, options);
        w.Axes().SetTickLen(20);
    }
    WindowOptions defaults;
    defaults.readSettings = false;
    {
        GraphTestWindow w(platform, defaults);
        EXPECT_FALSE(w.SettingsWereRead());
        EXPECT_EQ(w.Axes().tickLen, 10);
    }
    // The close overwrote the file with the defaults in use.
    GraphTestWindow w(platform, options);
    EXPECT_TRUE(w.SettingsWereRead());
    EXPECT_EQ(w.Axes().tickLen, 10);
}

TEST_F(WindowSettings, LineWidthCommands) {
    struct Row {
        const char* what;
        int command;
        const char* answer;
        int expected;
        const char* message;
    } rows[] = {
        {"screen axes", 100, "3", 3, nullptr},
        {"negative", 100, "-1", 1, "valor positivo?"},
        {"printer below one", 101, "0", 1, nullptr},
        {"grid printer", 151, "4", 4, nullptr},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        MemoryPlatform local;
        local.SetConfigDirectory(FreshConfigDirectory("widths"));
        GraphTestWindow w(local, options);
        local.AnswerInput(r.answer);
        w.OnCommand(r.command);
        const int actual = r.command == 100   ? w.Widths().axesScreen
                           : r.command == 101 ? w.Widths().axesPrinter
                                              : w.Widths().gridPrinter;
        EXPECT_EQ(actual, r.expected);
        ASSERT_EQ(local.Inputs().size(), 1u);
        EXPECT_EQ(local.Inputs()[0].caption, "entrada");
        if (r.message) {
            ASSERT_EQ(local.Messages().size(), 1u);
            EXPECT_EQ(local.Messages()[0].text, r.message);
        } else {
            EXPECT_TRUE(local.Messages().empty());
        }
    }
}

TEST_F(WindowSettings, NumberFormatDialog) {
    GraphTestWindow w(platform, options);
    platform.ScriptModal([](platform::MemoryDialog& d) {
        EXPECT_EQ(d.GetText(211), "5");
        EXPECT_EQ(d.GetText(212), "7");
        d.Type(211, "20");
        d.Enter();
    });
    platform.ScriptModal([](platform::MemoryDialog& d) {
        d.Type(211, "3");
        d.Type(212, "2");
        d.Enter();
    });
    w.OnCommand(105);
    ASSERT_EQ(platform.ModalRuns().size(), 1u);
    EXPECT_EQ(platform.ModalRuns()[0], "FWDP");
    ASSERT_EQ(platform.Messages().size(), 1u);
    EXPECT_EQ(platform.Messages()[0].text, "fora dos limites");
    EXPECT_EQ(w.Format().decimals, 3);
    EXPECT_EQ(w.Format().fieldWidth, 5);
}

} // namespace
} // namespace korvane::testing

namespace korvane::testing {
namespace {

TEST(WindowFonts, ChooserSetsSlotAndHeightRule) {
    platform::MemoryPlatform platform;
    platform.SetConfigDirectory(FreshConfigDirectory("fonts"));
    WindowOptions options;
    GraphTestWindow w(platform, options);
    w.OnPaint(w.Memory().Front());
    EXPECT_EQ(w.Fonts()[kFontScale].font.Height(), FontHeightFor(9, 96));
    platform::FontChoice choice;
    choice.font.face = "Serif";
    choice.font.bold = true;
    choice.pointSize = 12;
    choice.colour = {10, 20, 30};
    platform.AnswerFont(choice);
    w.OnCommand(61);
    const FontSlot& slot = w.Fonts()[kFontScale];
    EXPECT_EQ(slot.pointSize, 12);
    EXPECT_EQ(slot.font.Height(), -16);
    EXPECT_EQ(slot.font.FaceName(), "Serif");
    EXPECT_TRUE(w.FontSpecOf(kFontScale).bold);
    EXPECT_EQ(w.FontColour(kFontScale), (platform::Rgb{10, 20, 30}));
    EXPECT_TRUE(w.Modified());
    ASSERT_TRUE(w.Memory().RunPendingRepaint());
    EXPECT_EQ(w.BaseRebuilds(), 2);
}

} // namespace
} // namespace korvane::testing
