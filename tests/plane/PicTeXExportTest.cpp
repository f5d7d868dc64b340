// Command 70 in the plane window: the file, the questions and the dialog's refusals, and
// the whole picture (axes, ticks, grid, curves, the analysis notes) in PiCTeX.
#include "plane/PointNote.h"
#include "platform/FileIO.h"
#include "platform/memory/MemoryPlatform.h"
#include "tests/support/PlaneWindowTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>

namespace korvane {
namespace {

using platform::MemoryDialog;

class PicTeXExport : public planetest::PlaneWindowTest {
protected:
    void SetUp() override {
        planetest::PlaneWindowTest::SetUp();
        Memory().Resize({400, 300});
        window->Recompute();
    }
    void AddCurve(const char* formula) { Add(kExplicit, {{1, formula}}); }
    std::string Written() {
        std::vector<std::uint8_t> bytes;
        ReadWholeFile(path, bytes);
        return {bytes.begin(), bytes.end()};
    }
    // Command 70 into `path` with the dialog driven by `script`, and by `then` while it
    // stays open.
    void Export(std::function<void(MemoryDialog&)> script, std::function<void(MemoryDialog&)> then = {}) {
        platform.AnswerFileDialog(path);
        platform.ScriptModal(std::move(script));
        if (then)
            platform.ScriptModal(std::move(then));
        Memory().SendCommand(cmd::kPicTeX);
    }
    std::optional<std::string> LastMessage() const {
        if (platform.Messages().empty())
            return std::nullopt;
        return platform.Messages().back().text;
    }

    std::string path = folder.File("grafico.tex");
};

TEST_F(PicTeXExport, WritesTheWholePictureAndSaysSo) {
    EXPECT_FALSE(Memory().MenuItem(cmd::kPicTeX)->enabled) << "nothing to write yet";
    AddCurve("x");
    EXPECT_TRUE(Memory().MenuItem(cmd::kPicTeX)->enabled);
    window->SetFileName(folder.File("aula.kv2"));
    Export([](MemoryDialog& d) { d.Enter(); });
    EXPECT_EQ(platform.FileDialogs().back().request.initialPath, folder.File("semnome.tex")) << "beside the document";
    const std::string text = Written();
    EXPECT_EQ(text.rfind("\\font\\fiverm = cmr5\r\n\\input pictex\r\n\\setbox1=\\vbox{\r\n\\beginpicture\r\n"
                         "\\setcoordinatesystem units <0.80000cm,0.80000cm>\r\n",
                         0),
              0u);
    EXPECT_NE(text.find("\\put {\\phantom{.}} at 5.00000 3.75000\r\n"), std::string::npos);
    // A tick of the x axis at 1, five pixels each side; its label under it.
    EXPECT_NE(text.find("\\putrule from 1.00000 0.12500 to 1.00000 -0.12500\r\n"), std::string::npos);
    EXPECT_NE(text.find("\\put {$1$} [t] at 1.00000"), std::string::npos);
    EXPECT_LT(text.find("\\plot \r\n"), text.find("\r\n-2.50000 -2.50000\r\n")) << "y = x";
    EXPECT_EQ(text.substr(text.size() - 14), "\\endpicture}\r\n");
    EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1);
    ASSERT_FALSE(platform.Messages().empty());
    EXPECT_EQ(platform.Messages().back().text, StringOf(89));
    EXPECT_EQ(platform.Messages().back().caption, StringOf(88));
}

TEST_F(PicTeXExport, TheDottedGridIsBracketedAndTheNotesComeOut) {
    AddCurve("x");
    window->Axes().gridBits |= GridDotted;
    PointNote zero;
    zero.type = note::kZero;
    zero.values[0] = 0;
    zero.label = "zero";
    AddPointNote(window->Examples()[0], zero);
    Export([](MemoryDialog& d) { d.Enter(); });
    const std::string text = Written();
    const auto dots = text.find("\\setdots<2pt>\r\n\\putrule"), solid = text.find("\\setsolid\r\n");
    ASSERT_NE(dots, std::string::npos);
    EXPECT_GT(solid, dots);
    EXPECT_LT(solid, text.find("\\putrule from 1.00000 0.12500")) << "the axes are solid again";
    EXPECT_NE(text.find("\\bullet$} at 0.00000 0.00000\r\n"), std::string::npos) << "the mark of the zero";
}

TEST_F(PicTeXExport, RefusalsAndCancelsWriteNothing) {
    const auto nothing = [this] { EXPECT_FALSE(std::filesystem::exists(path)); };
    const struct {
        const char* rule;
        std::function<void()> act;
        std::function<void()> check;
    } rows[] = {
        {"a cancelled save dialog",
         [this] {
             platform.AnswerFileDialog(std::nullopt);
             Memory().SendCommand(cmd::kPicTeX);
         },
         [&] {
             nothing();
             EXPECT_TRUE(platform.ModalRuns().empty());
         }},
        {"a cancelled setup dialog", [this] { Export([](MemoryDialog& d) { d.Escape(); }); },
         nothing},
        {"box 256 stays open with 17 in a standalone mode, then passes in mode 2",
         [this] {
             Export([](MemoryDialog& d) { d.Type(212, "256"), d.Enter(); },
                    [](MemoryDialog& d) {
                        EXPECT_FALSE(d.Ended());
                        d.Press(253);
                        d.Enter();
                    });
         },
         [this] {
             EXPECT_EQ(platform.Messages().front().text, StringOf(417));
             EXPECT_EQ(Written().rfind("\\beginpicture\r\n", 0), 0u);
         }},
        {"a width below 0.1 stays open with 17",
         [this] {
             Export([](MemoryDialog& d) { d.Type(211, "0.05"), d.Enter(); }, [](MemoryDialog& d) { d.Escape(); });
         },
         [&] {
             nothing();
             EXPECT_EQ(LastMessage(), StringOf(417));
         }},
        {"a folder that cannot be written gives 12",
         [this] {
             path = folder.File("nowhere/grafico.tex");
             Export([](MemoryDialog& d) { d.Enter(); });
         },
         [this] {
             EXPECT_FALSE(std::filesystem::exists(folder.File("nowhere")));
             EXPECT_EQ(LastMessage(), StringOf(412));
         }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.rule);
        EXPECT_EQ(platform.UnusedScripts(), 0u);
        platform.ClearLogs();
        path = folder.File("grafico.tex");
        std::filesystem::remove(path);
        AddCurve("x");
        row.act();
        row.check();
    }
}

TEST_F(PicTeXExport, AnExistingFileIsKeptUnlessTheAnswerIsYes) {
    AddCurve("x");
    WriteFileAtomically(path, {'o', 'l', 'd'});
    platform.AnswerMessage(platform::AnswerNo);
    Export([](MemoryDialog& d) { d.Enter(); });
    EXPECT_EQ(Written(), "old");
    EXPECT_EQ(platform.Messages().back().text, StringOf(13));
    platform.AnswerMessage(platform::AnswerYes);
    Export([](MemoryDialog& d) { d.Enter(); });
    EXPECT_NE(Written(), "old");
}

} // namespace
} // namespace korvane
