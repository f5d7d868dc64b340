// The plane window's documents on the memory platform: every setting comes back one to
// one, a refused file or a failed save leaves everything as it was, the close question.
#include "plane/DocumentFile.h"
#include "plane/PlaneCommands.h"
#include "platform/FileIO.h"
#include "tests/support/PlaneWindowTestSupport.h"
#include "text/TextFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace korvane {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

class DocumentWindow : public planetest::PlaneWindowTest {
protected:
    void TearDown() override {
        std::error_code ignored;
        fs::permissions(folder.Path() / "locked", fs::perms::owner_all, ignored);
        PlaneWindowOn::TearDown();
    }
    // A fresh window that opens `startFile` as the program does at start.
    std::unique_ptr<TPlot2Win> Open(const std::string& startFile, bool notebook = false) {
        WindowOptions options;
        options.startFile = startFile;
        options.hasNotebook = notebook;
        return planetest::MakePlaneWindow(platform, options);
    }
    static Bytes Read(const std::string& path) {
        Bytes bytes;
        ReadWholeFile(path, bytes);
        return bytes;
    }
    static void TypeNotes(TPlot2Win& w, const std::string& text) {
        static_cast<platform::MemoryWindow*>(w.Notebook()->GetWindow())->Edit()->Type(text);
    }
    static void AddCurve(TPlot2Win& w, const char* formula) {
        const int i = w.Examples().Append(kExplicit, 3);
        w.Examples()[i].texts[0] = formula;
        w.Examples().SetName(i, "curva");
        w.SetModified();
    }
};

template <typename T>
struct SettingRow {
    const char* path; // from the window to the field
    std::function<T&(TPlot2Win&)> field;
    T value; // unlike the default
};

#define FIELD(path, value) {#path, [](TPlot2Win& w) -> auto& { return w.path; }, value}

const std::vector<SettingRow<int>>& IntRows() {
    static const std::vector<SettingRow<int>> rows = {
        FIELD(Format().decimals, 9), FIELD(Format().fieldWidth, 14),
        FIELD(Axes().axesKind, AxesPolar), FIELD(Axes().scaleBits, 3),
        FIELD(Axes().gridBits, GridPolar), FIELD(Axes().decimalsY, 4), FIELD(Axes().decimalsX, 3),
        FIELD(Axes().freqX, 2), FIELD(Axes().freqY, 5), FIELD(Axes().tickLen, 13),
        FIELD(Axes().arrowLen, 11), FIELD(Axes().markSize, 8), FIELD(Axes().piChar, 182),
        FIELD(Axes().minusChar, 45), FIELD(Axes().textBackground, 2), FIELD(Axes().dottedColour, 7),
        FIELD(Axes().polarSectors, 16), FIELD(Axes().intervalState, 1),
        FIELD(Widths().axesScreen, 3), FIELD(Widths().axesPrinter, 6),
        FIELD(Widths().gridScreen, 2), FIELD(Widths().gridPrinter, 4),
        FIELD(DrawSettings().watchDelay, 250), FIELD(DrawSettings().shading, 0),
        FIELD(Colours().slots[kSlotGrid].index, 12),
        FIELD(Colours().slots[kSlotBackground].index, 5),
        FIELD(Animator().Settings().shortSteps, 400), FIELD(Animator().Settings().mediumSteps, 25),
    };
    return rows;
}

const std::vector<SettingRow<bool>>& FlagRows() {
    static const std::vector<SettingRow<bool>> rows = {
        FIELD(Axes().axesShown, true), FIELD(Axes().ticks, false), FIELD(Axes().arrows, true),
        FIELD(Axes().solidArrows, true), FIELD(Axes().dots, true), FIELD(Axes().labels, true),
        FIELD(Axes().piX, true), FIELD(Axes().piY, true), FIELD(Axes().minusCustom, true),
        FIELD(Axes().dottedLines, true), FIELD(Format().scientific, true),
        FIELD(Format().secondOption, true), FIELD(DrawSettings().connectPoints, false),
        FIELD(DrawSettings().sharpAngles, true), FIELD(DrawSettings().infiniteSlope, true),
        FIELD(DrawSettings().researchImplicit, true),
        FIELD(DrawSettings().symbolicDerivatives, false), FIELD(DrawSettings().blackGraphs, true),
        FIELD(Animator().Settings().linked[0], true), FIELD(Animator().Settings().linked[1], true),
        FIELD(Animator().Settings().linked[23], true),
    };
    return rows;
}

const std::vector<SettingRow<long double>>& RealRows() {
    static const std::vector<SettingRow<long double>> rows = {
        FIELD(Axes().tickX, 0.25L), FIELD(Axes().tickY, 2.5L), FIELD(Axes().originX, -1.75L),
        FIELD(Axes().originY, 0.125L), FIELD(GetView().zoomFactor, 1.5L),
        FIELD(GetView().step, 0.2L), FIELD(DrawSettings().nullVectorTolerance, 0.03L),
        FIELD(DrawSettings().loopTolerance, 0.9L), FIELD(DrawSettings().minimumTravel, 7),
        FIELD(DrawSettings().trajectoryStep, 2.5L), FIELD(Context().letterValues[1].re, 2.5L),
    };
    return rows;
}

#undef FIELD

TEST_F(DocumentWindow, EverySettingComesBackOneToOne) {
    const auto setAll = [](TPlot2Win& w, const auto& rows) {
        for (const auto& row : rows)
            row.field(w) = row.value;
    };
    const auto expectAll = [](TPlot2Win& w, const auto& rows) {
        for (const auto& row : rows)
            EXPECT_EQ(row.field(w), row.value) << row.path;
    };
    const std::string path = PathOf("ajustes.kv2");
    setAll(*window, IntRows());
    setAll(*window, FlagRows());
    setAll(*window, RealRows());
    window->SetSquareView(1.5L, -2.25L, 7.5L);
    window->Axes().axisNames = {"tempo", "posição", "z"};
    window->Fonts()[3].pointSize = 17;
    ASSERT_EQ(window->SaveDocument(path), 0);
    auto r = Open(path);
    EXPECT_EQ(r->FileName(), path);
    expectAll(*r, IntRows());
    expectAll(*r, FlagRows());
    expectAll(*r, RealRows());
    EXPECT_EQ(r->GetView().cx, 1.5L);
    EXPECT_EQ(r->GetView().cy, -2.25L);
    EXPECT_EQ(r->GetView().rx, 7.5L);
    EXPECT_EQ(r->Axes().axisNames[1], "posição");
    EXPECT_EQ(r->Fonts()[3].pointSize, 17);
    // And the window writes what it read.
    const std::string again = PathOf("de-novo.kv2");
    ASSERT_EQ(r->SaveDocument(again), 0);
    EXPECT_EQ(Read(again), Read(path));
    // A document older than the shading setting keeps its lines.
    DocumentState old = r->CaptureDocument();
    old.words[docw::kShading] = 0;
    r->ApplyDocument(std::move(old));
    EXPECT_EQ(r->DrawSettings().shading, 1);
}

TEST_F(DocumentWindow, EveryTextIsStoredInWindows1252) {
    const std::string path = PathOf("acentos.kv2");
    AddCurve(*window, "x");
    window->Examples().SetName(0, "função");
    window->Examples()[0].texts[4] = "ciclóide à direita";
    window->Examples()[0].trajectories.emplace_back().SetI16(tro::kKind, 1001);
    window->Examples()[0].trajectories[0].formulas[2] = "inclinação";
    window->Axes().axisNames = {"tempo", "posição", "z"};
    ASSERT_EQ(window->SaveDocument(path), 0);
    const Bytes b = Read(path);
    const auto holds = [&b](const std::string& text) {
        const Bytes wanted(text.begin(), text.end());
        return std::search(b.begin(), b.end(), wanted.begin(), wanted.end()) != b.end();
    };
    const struct {
        const char* what;
        std::string cp1252, utf8;
    } rows[] = {
        {"name", "fun\xE7\xE3o", "fun\xC3\xA7\xC3\xA3o"},
        {"description", "cicl\xF3ide \xE0 direita", "cicl\xC3\xB3ide"},
        {"trajectory formula", "inclina\xE7\xE3o", "inclina\xC3\xA7"},
        {"window text", "posi\xE7\xE3o", "posi\xC3\xA7"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_TRUE(holds(row.cp1252));
        EXPECT_FALSE(holds(row.utf8));
    }
    auto r = Open(path);
    ASSERT_EQ(r->Examples().LastExample(), 0);
    EXPECT_EQ(r->Examples().Name(0), "função");
    EXPECT_EQ(r->Examples()[0].texts[4], "ciclóide à direita");
    EXPECT_EQ(r->Examples()[0].trajectories.at(0).formulas[2], "inclinação");
}

// The notebook is stored as the document's last string, in Windows-1252, its length an
// unsigned word: the longest notebook, 64000 characters, takes 64001.
TEST_F(DocumentWindow, NotebookTravelsWithTheDocument) {
    const struct {
        const char* what;
        std::string typed, stored, reread;
    } rows[] = {
        {"accents", "ação\n2ª", "a\xE7\xE3o\n2\xAA", "ação\n2ª"},
        {"no Windows-1252 code", "x \xE2\x86\x92 y", "x ? y", "x ? y"},
        {"longest", std::string(kMaxTextLength, 'n'), std::string(kMaxTextLength, 'n'), std::string(kMaxTextLength, 'n')},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const std::string path = PathOf("notas.kv2");
        {
            auto w = Open("", true);
            w->OnCommand(cmd::kNotebook);
            ASSERT_NE(w->Notebook(), nullptr);
            EXPECT_FALSE(w->Notebook()->Hidden());
            TypeNotes(*w, row.typed);
            ASSERT_EQ(w->SaveDocument(path), 0);
        }
        const Bytes b = Read(path);
        const std::size_t n = row.stored.size();
        ASSERT_GT(b.size(), n + 3);
        EXPECT_EQ(std::size_t(b[b.size() - n - 3] | b[b.size() - n - 2] << 8), n + 1);
        EXPECT_EQ(std::string(b.end() - std::ptrdiff_t(n) - 1, b.end() - 1), row.stored);
        auto r = Open(path, true);
        ASSERT_NE(r->Notebook(), nullptr);
        EXPECT_EQ(r->Notebook()->GetText(), row.reread);
        EXPECT_EQ(r->Notebook()->GetWindow()->GetTitle(), "caderno [notas.kv2]");
    }
}

TEST_F(DocumentWindow, RefusedFileLeavesTheWindowAsItWas) {
    const std::string good = PathOf("bom.kv2");
    AddCurve(*window, "x^2");
    ASSERT_EQ(window->SaveDocument(good), 0);
    Bytes spaceTag = Read(good);
    spaceTag[0] = 961 & 0xff;
    spaceTag[1] = 961 >> 8;
    Bytes cut = Read(good);
    cut.resize(cut.size() / 2);
    const struct {
        const char* name;
        Bytes bytes;
    } rows[] = {{"tag 961", spaceTag}, {"cut in half", cut}, {"empty", {}}};

    auto w = MakeWindow();
    AddCurve(*w, "xsin(x)");
    w->Axes().decimalsX = 6;
    w->SetSquareView(2, 3, 4);
    const std::string before = w->FileName();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string path = PathOf("ruim.kv2");
        ASSERT_TRUE(WriteFileAtomically(path, row.bytes));
        EXPECT_EQ(w->OpenDocument(path), kCannotOpenFile);
        ASSERT_EQ(w->Examples().LastExample(), 0);
        EXPECT_EQ(w->Examples()[0].texts[0], "xsin(x)");
        EXPECT_EQ(w->Axes().decimalsX, 6);
        EXPECT_EQ(w->GetView().rx, 4);
        EXPECT_EQ(w->FileName(), before);
        EXPECT_TRUE(w->Modified());
    }
    EXPECT_EQ(w->OpenDocument(PathOf("nenhum.kv2")), kCannotOpenFile);
    // A start document that cannot be read leaves the window empty.
    auto started = Open(PathOf("nao-existe.kv2"));
    EXPECT_EQ(started->Examples().LastExample(), -1);
    EXPECT_FALSE(started->Modified());
    EXPECT_TRUE(platform.Messages().empty()); // the caller shows the message
}

TEST_F(DocumentWindow, FailedSaveLeavesTheOldFile) {
    const std::string old = PathOf("velho.kv2");
    auto& w = window;
    AddCurve(*w, "x");
    ASSERT_EQ(w->SaveDocument(old), 0);
    const Bytes oldBytes = Read(old);
    AddCurve(*w, "x^3");
    fs::create_directories(PathOf("locked"));
    fs::permissions(PathOf("locked"), fs::perms::owner_read | fs::perms::owner_exec);
    const bool rootIgnoresModes = ::geteuid() == 0;
    const struct {
        const char* name;
        std::string path;
    } rows[] = {{"missing folder", PathOf("falta/novo.kv2")}, {"a folder in the way", PathOf("locked")},
                {"read-only folder", PathOf("locked/novo.kv2")}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        if (rootIgnoresModes && std::string(row.name) == "read-only folder")
            continue;
        EXPECT_NE(w->SaveDocument(row.path), 0);
        EXPECT_EQ(w->FileName(), old);
        EXPECT_TRUE(w->Modified());
    }
    // Through the menu: the message, and the file as it was.
    ASSERT_EQ(w->SaveDocument(old), 0);
    fs::remove(old);
    fs::create_directories(old); // a folder where the file was: the rename must fail
    w->SetModified();
    w->OnCommand(cmd::kSave);
    ASSERT_EQ(platform.Messages().size(), 1u);
    EXPECT_EQ(platform.Messages()[0].text, "não é possível salvar arquivo");
    EXPECT_TRUE(fs::is_directory(old));
    fs::remove(old);
    ASSERT_TRUE(WriteFileAtomically(old, oldBytes));
    EXPECT_EQ(w->OpenDocument(old), 0);
    EXPECT_EQ(w->Examples().LastExample(), 0);
}

TEST_F(DocumentWindow, CloseAsksOnlyWhenSomethingWouldBeLost) {
    struct Row {
        const char* name;
        bool withExample;
        bool modified;
        std::vector<platform::MessageAnswer> answers; // empty: no question expected
        bool closes;
        const char* notes = nullptr; // typed into the notebook, part of the document
    };
    const Row rows[] = {
        {"empty untitled window", false, true, {}, true},
        {"unchanged example", true, false, {}, true},
        {"changed, cancel", true, true, {platform::AnswerCancel}, false},
        {"changed, no", true, true, {platform::AnswerNo}, true},
        {"changed notes, cancel", false, false, {platform::AnswerCancel}, false, "nota"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        platform.ClearLogs();
        auto w = row.notes ? Open("", true) : MakeWindow();
        if (row.notes)
            TypeNotes(*w, row.notes);
        if (row.withExample)
            AddCurve(*w, "x");
        w->SetModified(row.modified);
        for (auto a : row.answers)
            platform.AnswerMessage(a);
        EXPECT_EQ(w->OnClose(), row.closes);
        EXPECT_EQ(platform.Messages().size(), row.answers.size());
    }
}

TEST_F(DocumentWindow, SaveOfAnUntitledWindowAsksForAPathFirst) {
    auto& w = window;
    AddCurve(*w, "x");
    const std::string path = PathOf("escolhido.kv2");
    platform.AnswerFileDialog(path);
    w->OnCommand(cmd::kSave);
    ASSERT_EQ(platform.FileDialogs().size(), 1u);
    EXPECT_TRUE(fs::exists(path));
    EXPECT_EQ(w->FileName(), path);
    EXPECT_FALSE(w->Modified());
    // A cancelled dialog writes nothing.
    platform.AnswerFileDialog(std::nullopt);
    w->OnCommand(cmd::kSaveAs);
    EXPECT_EQ(platform.FileDialogs().size(), 2u);
    EXPECT_EQ(w->FileName(), path);
}

// "Novo" empties the window, its notes too.
TEST_F(DocumentWindow, NewEmptiesTheWindowAndNamesItSemnome) {
    auto w = Open("", true);
    AddCurve(*w, "x");
    TypeNotes(*w, "nota");
    ASSERT_EQ(w->SaveDocument(PathOf("cheio.kv2")), 0);
    w->OnCommand(cmd::kNew);
    EXPECT_EQ(w->Examples().LastExample(), -1);
    EXPECT_EQ(w->Notebook()->GetText(), "");
    EXPECT_EQ(w->FileName(), "semnome.kv2");
    EXPECT_TRUE(platform.Messages().empty()); // nothing was changed since the save
}

} // namespace
} // namespace korvane
