// Printing, the print settings, copying and the picture size in the plane window, on the
// memory platform: where the picture lands on the page and how big, what the page is
// drawn in, what the dialogs refuse, and what the clipboard holds.
#include "output/TZalPrintout.h"
#include "platform/memory/MemoryPlatform.h"
#include "tests/support/PlaneWindowTestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

namespace korvane {
namespace {

using platform::MemoryDialog;
using platform::PageInfo;

constexpr long double kCm = 1 / 2.54L; // inches

// Settings with the printed width chosen by `unit` (inches per world unit) or `width`
// (inches): the other one negative, as the dialog leaves them.
SettingsRecord PrintSettings(long double unit, long double width, long double left = 1, long double top = 1) {
    SettingsRecord s;
    s.printValues[0] = unit;
    s.printValues[1] = width;
    s.printValues[2] = left;
    s.printValues[3] = top;
    return s;
}

TEST(PlacePicture, SizeAndPlaceFollowTheSettings) {
    const PageInfo page{300, 600, {50, 40}, {2400, 6400}};
    const struct {
        const char* rule;
        SettingsRecord settings;
        long double rx;
        platform::Size screen;
        PagePlacement expected;
    } rows[] = {
        // 10 cm at 300 dpi is 1181.1 pixels; the height keeps 3:4 at 600 dpi.
        {"1 cm per unit over 10 units is 10 cm", PrintSettings(kCm, -1), 5, {400, 300}, {250, 560, 1181, 1772}},
        {"whatever the screen", PrintSettings(kCm, -1), 5, {800, 600}, {250, 560, 1181, 1772}},
        {"the client's ratio is kept", PrintSettings(kCm, -1), 5, {500, 100}, {250, 560, 1181, 472}},
        {"a width in inches", PrintSettings(-kCm, 2, 0.5, 2), 5, {400, 400}, {100, 1160, 600, 1200}},
        {"never below a quarter inch", PrintSettings(-kCm, 0.1, 0.25, 0.25), 5, {400, 400}, {25, 110, 75, 150}},
        // Mended: a fresh window chose neither and would print a quarter inch wide.
        {"neither chosen is 1 cm per unit", PrintSettings(-kCm, 0), 2, {400, 400}, {250, 560, 472, 945}},
        {"never beyond the paper's printable width", PrintSettings(kCm, -1), 100, {400, 400}, {250, 560, 2150, 4300}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.rule);
        const PagePlacement p = PlacePicture(row.settings, row.rx, row.screen, page);
        const PagePlacement& e = row.expected;
        EXPECT_EQ(std::tie(p.offsetX, p.offsetY, p.width, p.height),
                  std::tie(e.offsetX, e.offsetY, e.width, e.height));
    }
}

class PlanePrinting : public planetest::PlaneWindowTest {
protected:
    void SetUp() override {
        planetest::PlaneWindowTest::SetUp();
        platform.SetPrinter({300, 300, {50, 40}, {2400, 3300}});
        Memory().Resize({400, 300});
        window->Recompute();
        window->Examples()[Add(kExplicit, {{1, "x"}})].SetI16(exo::kColour, 4); // red
    }
    const platform::MemoryPrinter& Printer() { return *platform.LastPrinter(); }
    // The page's primitives drawn in `colour`.
    int DrawnIn(platform::Rgb colour) {
        int n = 0;
        for (const auto& p : Printer().Recording().Primitives())
            n += p.pen.colour == colour && (p.kind == platform::Primitive::Polyline || p.kind == platform::Primitive::Line);
        return n;
    }
};

TEST_F(PlanePrinting, APageIsTheWindowsPictureAndTheScreenComesBack) {
    SettingsRecord& settings = window->HeaderSettings();
    settings.printValues[0] = kCm; // 1 cm per unit: 10 cm
    settings.printValues[1] = -1;
    settings.printValues[2] = settings.printValues[3] = 1;
    settings.printFlags[0] = true; // the frame
    const View before = window->GetView();
    const int background = window->SlotColour(kSlotBackground);
    Memory().SendCommand(cmd::kPrint);
    ASSERT_NE(platform.LastPrinter(), nullptr);
    ASSERT_TRUE(Printer().Ended());
    const auto lines = Printer().Recording().OfKind(platform::Primitive::Line);
    ASSERT_GE(lines.size(), 4u);
    const auto& top = lines[lines.size() - 4];
    EXPECT_EQ(top.points[0], (platform::Point{250, 260})) << "one inch from the paper's corner";
    EXPECT_EQ(top.points[1].x - top.points[0].x + 1, 1181) << "10 cm";
    EXPECT_EQ(lines.back().points[0].y - lines.back().points[1].y + 1, 886) << "the screen's 3:4";
    EXPECT_EQ(DrawnIn({255, 0, 0}), 0) << "black without the colour option";
    EXPECT_EQ(window->GetView().clientW, before.clientW);
    EXPECT_EQ(window->GetView().offsetX, 0);
    EXPECT_EQ(window->SlotColour(kSlotBackground), background);
    EXPECT_FALSE(window->Printing());

    settings.printFlags[1] = true;
    Memory().SendCommand(cmd::kPrintPreview);
    EXPECT_EQ(Printer().Previews(), 1);
    EXPECT_GT(DrawnIn({255, 0, 0}), 0) << "the curve in its red";
}

TEST_F(PlanePrinting, SimultaneousPrintingPrintsEachFileAndPutsTheDocumentBack) {
    ASSERT_EQ(window->SaveDocument(folder.File("a.kv2")), 0);
    window->Examples().Append(kExplicit, 5);
    ASSERT_EQ(window->SaveDocument(folder.File("b.kv2")), 0);
    const platform::Placement placement = Memory().GetPlacement();
    platform.AnswerInput("13");
    Memory().SendCommand(cmd::kPrintMany);
    EXPECT_EQ(platform.Messages().back().text, StringOf(417)) << "at most 12 files";
    EXPECT_TRUE(platform.FileDialogs().empty());

    window->Examples().Append(kExplicit, 6); // unsaved: the question comes first
    platform.AnswerInput("2");
    platform.AnswerFileDialog(folder.File("b.kv2"));
    platform.AnswerFileDialog(folder.File("a.kv2"));
    platform.AnswerMessage(platform::AnswerNo);
    Memory().SendCommand(cmd::kPrintMany);
    ASSERT_NE(platform.LastPrinter(), nullptr);
    EXPECT_EQ(Printer().Title(), "a.kv2") << "the last file printed";
    EXPECT_TRUE(Printer().Ended());
    EXPECT_EQ(window->Examples().Count(), 2) << "b.kv2 is back, as saved";
    EXPECT_TRUE(Memory().IsVisible());
    EXPECT_EQ(Memory().GetPlacement(), placement);
}

// 12.7 cm wide, 2.54 cm per unit, margins of 1.
void TypeAll(MemoryDialog& d) {
    d.Type(211, "12.7"), d.Type(212, "2.54"), d.Type(213, "1"), d.Type(214, "1");
}

TEST_F(PlanePrinting, TheFormatDialogRefusesWhatCannotBePrinted) {
    const struct {
        const char* rule;
        std::function<void(MemoryDialog&)> fill;
        bool accepted;
        long double unit, width; // inches, as stored
    } rows[] = {
        {"a width below a quarter inch", [](auto& d) { d.Type(211, "0.6"), d.Type(212, "1"); }, false, 0, 0},
        {"a unit of nothing", [](auto& d) { d.Type(211, "10"), d.Type(212, "0"); }, false, 0, 0},
        {"unit in use: width negated", [](auto& d) { TypeAll(d), d.Press(252); }, true, 1, -5},
        {"width in use: unit negated", [](auto& d) { TypeAll(d), d.Press(251); }, true, -1, 5},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.rule);
        platform.ClearLogs();
        const SettingsRecord before = window->HeaderSettings();
        platform.ScriptModal([&](MemoryDialog& d) {
            row.fill(d);
            d.Enter();
        });
        if (!row.accepted)
            platform.ScriptModal([](MemoryDialog& d) { d.Escape(); });
        Memory().SendCommand(cmd::kPrintFormat);
        EXPECT_EQ(platform.UnusedScripts(), 0u);
        const SettingsRecord& after = window->HeaderSettings();
        if (!row.accepted) {
            ASSERT_FALSE(platform.Messages().empty());
            EXPECT_EQ(platform.Messages().back().text, StringOf(417));
            EXPECT_EQ(after.printValues[1], before.printValues[1]);
            continue;
        }
        EXPECT_TRUE(platform.Messages().empty());
        EXPECT_NEAR(static_cast<double>(after.printValues[0]), static_cast<double>(row.unit), 1e-15);
        EXPECT_NEAR(static_cast<double>(after.printValues[1]), static_cast<double>(row.width), 1e-15);
        platform.ClearLogs();
    }
}

TEST_F(PlanePrinting, ThePictureSizeIsTheClientsInCentimetres) {
    const platform::Placement before = Memory().GetPlacement();
    platform.ScriptModal([](MemoryDialog& d) {
        EXPECT_EQ(d.GetText(211), "10.6") << "400 pixels at 96 dpi";
        d.Type(211, "30");
        d.Enter();
    });
    platform.ScriptModal([](MemoryDialog& d) {
        d.Type(211, "0.5");
        d.Type(212, "2.54");
        d.Enter();
    });
    Memory().SendCommand(cmd::kImageSize);
    ASSERT_EQ(platform.Messages().size(), 1u);
    EXPECT_EQ(platform.Messages().front().text, StringOf(401)) << "30 cm is refused";
    const platform::Placement after = Memory().GetPlacement();
    EXPECT_EQ(after.x, 10);
    EXPECT_EQ(after.width - before.width, 19 - 400) << "0.5 cm is 19 pixels";
    EXPECT_EQ(after.height - before.height, 96 - 300);
}

TEST_F(PlanePrinting, CopiesHoldThePictureOfTheClientSize) {
    Memory().SendCommand(cmd::kCopy);
    const auto& clipboard = platform.ClipboardState();
    ASSERT_NE(clipboard.Image(), nullptr);
    EXPECT_EQ(clipboard.Image()->GetSize(), (platform::Size{400, 300}));
    EXPECT_TRUE(clipboard.GetSvg().has_value()) << "the vector form beside the pixels";
    EXPECT_TRUE(platform.Messages().empty());

    window->Colours().slots[kSlotBackground].index = 3; // yellow
    Memory().SendCommand(cmd::kCopy);
    EXPECT_EQ(clipboard.Image()->CountPixels({255, 255, 0}), 0) << "no background, behind the labels neither";
    Memory().SendCommand(cmd::kCopyBackground);
    EXPECT_TRUE(Memory().IsMenuItemChecked(cmd::kCopyBackground));
    Memory().SendCommand(cmd::kCopyBitmap);
    EXPECT_EQ(clipboard.Image()->GetSize(), (platform::Size{400, 300}));
    EXPECT_EQ(clipboard.Image()->GetPixel({1, 1}), std::optional<platform::Rgb>(platform::Rgb{255, 255, 0}));
    ASSERT_EQ(platform.Messages().size(), 1u);
    EXPECT_EQ(platform.Messages().front().text, StringOf(422));
}

} // namespace
} // namespace korvane
