#include "text/TTextWin.h"

#include "platform/Utf8.h"
#include "platform/memory/MemoryPlatform.h"
#include "platform/memory/MemoryPrinter.h"
#include "resources/Resources.h"
#include "tests/support/ScratchFolder.h"
#include "text/TextCommands.h"
#include "text/TextFile.h"
#include "text/TextPrinting.h"
#include "text/TextSearch.h"

#include <gtest/gtest.h>

#include <fstream>

namespace korvane {
namespace {

using platform::MemoryPlatform;
using platform::TextRange;
using platform::Utf8ToU32;

std::string FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void PutFile(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

struct TextWindow : ::testing::Test {
    MemoryPlatform platform;
    TTextWin win{platform, TextWinSetup{"texto"}, nullptr};
    platform::MemoryWindow& Window() { return *platform.Windows().front(); }
    platform::MemoryTextEdit& Edit() { return *Window().Edit(); }
    int Messages() const { return int(platform.Messages().size()); }
};

TEST(TextSearch, FindsWithoutRegardToCaseFromTheCursorOn) {
    struct Row {
        const char* text;
        const char* word;
        int from, expected;
    } rows[] = {
        // Case is ignored, accented letters too; parts of words count.
        {"xx ab", "Ab", 0, 3},
        {"a AÇÃO", "ação", 0, 2},
        {"Função", "NÇ", 0, 2},
        // Forward from the cursor only.
        {"ab ab", "ab", 1, 3},
        {"ab", "ab", 1, -1},
        {"abc", "", 0, -1},
        {"abc", "c", 9, -1},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.text) + " / " + r.word);
        EXPECT_EQ(FindWithoutCase(Utf8ToU32(r.text), Utf8ToU32(r.word), r.from), r.expected);
    }
}

TEST(TextSearch, PagesEndAtFormFeedsAndAtTheirLineCountAlsoPrinted) {
    struct Row {
        std::u32string text;
        int lines;
        std::vector<std::vector<std::u32string>> pages;
    } rows[] = {
        {U"a\r\nb\nc", 10, {{U"a", U"b", U"c"}}},
        // A form feed ends the line and the page.
        {U"a\fb", 10, {{U"a"}, {U"b"}}},
        {U"a\r\n\fb", 10, {{U"a", U""}, {U"b"}}},
        // A full page goes on on the next one.
        {U"1\n2\n3", 2, {{U"1", U"2"}, {U"3"}}},
        {U"", 5, {{}}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(platform::U32ToUtf8(r.text));
        const auto pages = PaginateText(r.text, r.lines);
        ASSERT_EQ(pages.size(), r.pages.size());
        for (std::size_t p = 0; p < pages.size(); ++p)
            EXPECT_EQ(pages[p], r.pages[p]) << "page " << p;
    }
    // 10 inches on a page at most 9 wide, else 7.5; less the top offset.
    EXPECT_EQ(LinesPerPage(8.5, 0.5, 300, 50), 9.5 * 300 / 50);
    EXPECT_EQ(LinesPerPage(11, 0.5, 300, 50), 7 * 300 / 50);
    // Printed, a form feed starts a new page.
    platform::MemoryPrinter printer;
    TextPrintJob job{"t", "um\ndois\fpágina dois", {}, 12, 0.1, 1.0};
    ASSERT_EQ(PrintText(printer, job), 0);
    ASSERT_EQ(printer.PageStarts().size(), 2u);
    EXPECT_EQ(printer.Title(), "t");
}

TEST(TextFile, BytesReadAsUtf8ElseWindows1252UpToAZeroAndWrittenAsUtf8) {
    struct Row {
        std::string bytes, text;
    } rows[] = {
        {"a\xC3\xA9", "a\xC3\xA9"},                     // UTF-8
        {"a\xE9\x96", "a\xC3\xA9\xE2\x80\x93"},         // not UTF-8: Windows-1252
        {std::string("abc\0xyz", 7), "abc"},            // the zero of older files ends it
    };
    for (const Row& r : rows)
        EXPECT_EQ(DecodeTextBytes(r.bytes), r.text);
    bool cut = false;
    EXPECT_EQ(Utf8ToU32(DecodeTextBytes(std::string(64001, 'x'), &cut)).size(), 64000u);
    EXPECT_TRUE(cut);
    // Saved text is plain UTF-8 and reads back.
    korvane::testing::ScratchFolder folder;
    const std::string path = folder.File("t.txt");
    ASSERT_EQ(WriteTextFile(path, "ação-1\n"), 0);
    EXPECT_EQ(FileBytes(path), "ação-1\n"); // no closing zero
    std::string text;
    ASSERT_EQ(ReadTextFile(path, text), 0);
    EXPECT_EQ(text, "ação-1\n");
    EXPECT_EQ(ReadTextFile(folder.File("nada.txt"), text), 11);
    EXPECT_EQ(WriteTextFile(folder.File("nada/t.txt"), "x"), 12);
}

TEST_F(TextWindow, SearchAgainWaitsForAWordAndClipboardCommandsForWhatTheyActOn) {
    win.SetText("ab xx AB xx ab");
    EXPECT_FALSE(Window().ChooseMenu(cmd::kTextSearchAgain));
    platform.AnswerInput("Ab");
    Window().PressKey(res::KeyF1);
    EXPECT_EQ(Edit().Selection(), (TextRange{0, 2}));
    Window().PressKey(res::KeyF3);
    EXPECT_EQ(Edit().Selection(), (TextRange{6, 8}));
    EXPECT_TRUE(Window().ChooseMenu(cmd::kTextSearchAgain));
    EXPECT_EQ(Edit().Selection(), (TextRange{12, 14}));
    Window().PressKey(res::KeyF3); // nothing after: the word under "não foi possível achar"
    ASSERT_EQ(Messages(), 1);
    EXPECT_EQ(platform.Messages()[0].text, "Ab");
    EXPECT_EQ(platform.Messages()[0].caption, res::String(402));
    Window().PressKey(res::KeyF2);
    EXPECT_EQ(Edit().Selection(), (TextRange{0, 0}));
    // The clipboard commands are offered only when they can act.
    win.SetText("abc");
    platform.ClipboardState().Clear();
    win.OnTextState();
    for (int id : {cmd::kTextCopy, cmd::kTextCut, cmd::kTextPaste})
        EXPECT_FALSE(Window().MenuItem(id)->enabled) << id;
    Edit().Select({1, 3});
    EXPECT_TRUE(Window().ChooseMenu(cmd::kTextCut));
    EXPECT_EQ(win.GetText(), "a");
    EXPECT_TRUE(Window().ChooseMenu(cmd::kTextPaste));
    EXPECT_EQ(win.GetText(), "abc");
    EXPECT_TRUE(Edit().IsModified());
}

TEST_F(TextWindow, MinusSignTakesCodesTwoTo255) {
    struct Row {
        const char *answer, *text;
    } rows[] = {
        {"1", "a-b"}, {"256", "a-b"}, {"2.5", "a-b"}, {"x", "a-b"}, // refused, message 1
        {"2", "a\x02" "b"}, {"150", "a\xE2\x80\x93" "b"},           // 150 is the en dash
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.answer);
        platform.ClearLogs();
        win.SetText("a-b");
        platform.AnswerInput(r.answer);
        win.OnCommand(cmd::kTextMinusSign);
        EXPECT_EQ(win.GetText(), r.text);
        EXPECT_EQ(Messages(), std::string(r.text) == "a-b" ? 1 : 0);
    }
}

TEST_F(TextWindow, TextsAreCutAt64000CharactersOnTheWayIn) {
    korvane::testing::ScratchFolder folder;
    win.SetText(std::string(64005, 'a'));
    EXPECT_EQ(Edit().Length(), kMaxTextLength);
    Edit().Type("bbb"); // the control takes no more either
    EXPECT_EQ(Edit().Length(), kMaxTextLength);
    PutFile(folder.File("longo.txt"), std::string(70000, 'z'));
    platform.AnswerFileDialog(folder.File("longo.txt"));
    win.OnCommand(cmd::kTextOpen);
    EXPECT_EQ(win.GetText(), std::string(64000, 'z'));
    EXPECT_NE(Window().GetTitle().find("cortado"), std::string::npos);
    // A file that cannot be read changes nothing.
    platform.AnswerFileDialog(folder.File("nada.txt"));
    win.OnCommand(cmd::kTextOpen);
    ASSERT_EQ(Messages(), 1);
    EXPECT_EQ(platform.Messages()[0].text, res::Message(11));
    EXPECT_EQ(win.GetText(), std::string(64000, 'z'));
}

TEST_F(TextWindow, ClosingHidesAndAsksToSaveAChangedText) {
    korvane::testing::ScratchFolder folder;
    win.ShowWindow();
    Edit().Type("notas");
    platform.AnswerMessage(platform::AnswerYes);
    platform.AnswerFileDialog(folder.File("n.txt"));
    Window().Close();
    EXPECT_FALSE(Window().IsClosed());
    EXPECT_TRUE(win.Hidden());
    EXPECT_EQ(FileBytes(folder.File("n.txt")), "notas");
    win.ShowWindow();
    EXPECT_TRUE(Window().ChooseMenu(cmd::kTextClose)); // unchanged: no question
    EXPECT_TRUE(win.Hidden());
    EXPECT_EQ(Messages(), 1);
}

} // namespace
} // namespace korvane
