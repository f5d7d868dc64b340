#include "text/HelpWindows.h"

#include "platform/Utf8.h"
#include "platform/memory/MemoryPlatform.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

// Every help command of every window kind finds its text, in the right one of the two
// windows; a missing text is code 11 and shows nothing; a word asked for is selected and
// scrolled past.
TEST(HelpWindows, EachKindsHelpShowsInItsWindow) {
    const struct {
        const char* name;
        HelpWindows::Which which;
        const char* holds;
    } rows[] = {
        {"PROGHELP", HelpWindows::Own, "Janela"},     {"PLOT2HELP", HelpWindows::Own, "Explícita"},
        {"PLOT3HELP", HelpWindows::Own, "OBSERVADOR"}, {"KVGHELP", HelpWindows::Own, "equação"},
        {"WINPARS", HelpWindows::Language, "sin"},    {"WINCPARS", HelpWindows::Language, "conj"},
    };
    platform::MemoryPlatform platform;
    HelpWindows help(platform, nullptr, "2-dim");
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_EQ(help.Show(row.name, row.which), 0);
        TTextWin* window = help.Window(row.which);
        ASSERT_NE(window, nullptr);
        EXPECT_FALSE(window->Hidden());
        EXPECT_NE(window->GetText().find(row.holds), std::string::npos);
        EXPECT_TRUE(window->ReadOnly());
    }
    EXPECT_EQ(help.Window(HelpWindows::Own)->GetWindow()->GetTitle(), "2-dim - ajuda");
    EXPECT_EQ(help.Show("NENHUMA"), 11);
    EXPECT_EQ(platform.Windows().size(), 2u);
    // A word is found and scrolled past.
    ASSERT_EQ(help.Show("PLOT2HELP", HelpWindows::Own, "afastar (pgdn)"), 0);
    platform::TextEdit& edit = help.Window(HelpWindows::Own)->Edit();
    const platform::TextRange at = edit.Selection();
    const std::u32string text = platform::Utf8ToU32(edit.GetText());
    EXPECT_EQ(platform::U32ToUtf8(text.substr(std::size_t(at.start), std::size_t(at.end - at.start))), "Afastar (PgDn)");
    const int line = int(std::count(text.begin(), text.begin() + at.start, U'\n'));
    EXPECT_EQ(edit.FirstVisibleLine(), line + 10);
}

} // namespace
} // namespace korvane
