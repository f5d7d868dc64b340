// The dialog "nova função" through the in-memory platform: its refusals with message and
// focus, the warnings, editing, copying and deleting.
#include "graph/TFnLibDlg.h"

#include "platform/memory/MemoryPlatform.h"
#include "resources/Resources.h"

#include <gtest/gtest.h>

#include <string>

namespace korvane {
namespace {

using platform::MemoryDialog;
using platform::MemoryPlatform;
using Dlg = TFnLibDlg;

// A definition holding '?' does not compile (code 6); the real compiler is the window's.
int FakeCompile(const std::string& text, const UserFunctionLibrary&) {
    return text.find('?') == std::string::npos ? 0 : 6;
}

class FnLibDlgTest : public ::testing::Test {
protected:
    FnLibDlgTest() : dialog(platform, library, FakeCompile) {}

    MemoryDialog& Open() {
        dialog.Show(nullptr);
        MemoryDialog* shown = platform.FindDialog("FNLIB");
        EXPECT_NE(shown, nullptr);
        return *shown;
    }
    void Define(MemoryDialog& d, const std::string& name, const std::string& definition,
                bool twoVariables = false) {
        d.Type(Dlg::kName, name);
        d.Type(Dlg::kDefinition, definition);
        d.Press(twoVariables ? Dlg::kFunctionOfXYRadio : Dlg::kFunctionOfXRadio);
        d.Press(Dlg::kEnter);
    }
    std::vector<std::string> ListLines(MemoryDialog& d) {
        std::vector<std::string> lines;
        for (int i = 0; i < d.ListCount(Dlg::kList); ++i)
            lines.push_back(d.ListItemText(Dlg::kList, i));
        return lines;
    }

    MemoryPlatform platform;
    UserFunctionLibrary library;
    TFnLibDlg dialog;
};

TEST_F(FnLibDlgTest, CreatedOnFirstUseAndShownAgain) {
    EXPECT_EQ(dialog.GetDialog(), nullptr);
    MemoryDialog& d = Open();
    EXPECT_FALSE(d.Modal());
    EXPECT_TRUE(d.IsVisible());
    EXPECT_TRUE(d.GetCheck(Dlg::kFunctionOfXRadio));
    EXPECT_FALSE(d.GetCheck(Dlg::kFunctionOfXYRadio));
    EXPECT_EQ(d.Focused(), Dlg::kName);

    d.Press(Dlg::kClose);
    EXPECT_FALSE(d.IsVisible());
    platform::Dialog* first = dialog.GetDialog();
    dialog.Show(nullptr);
    EXPECT_EQ(dialog.GetDialog(), first);
    EXPECT_TRUE(d.IsVisible());
}

// A refusal (its rules are UserFunctionDefine's): its message, the focus on the field at
// fault, both fields as typed and the library untouched.
TEST_F(FnLibDlgTest, RefusalsShowTheirMessageAndFocusTheField) {
    library.Append(UserFunction::Make("F", "X+1", kFunctionOfX));
    struct Row {
        const char* name;
        const char* definition;
        int code;
        int focus;
    };
    const Row rows[] = {
        {"", "x", 24, Dlg::kName},
        {"g", "x?", 6, Dlg::kDefinition},
        {"f", "x", 122, Dlg::kName},
    };
    MemoryDialog& d = Open();
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.name << " = " << row.definition);
        platform.ClearLogs();
        d.Focus(0);
        Define(d, row.name, row.definition);
        ASSERT_EQ(platform.Messages().size(), 1u);
        EXPECT_EQ(platform.Messages()[0].text, res::Message(row.code));
        EXPECT_EQ(d.Focused(), row.focus);
        EXPECT_EQ(d.GetText(Dlg::kName), row.name);
        EXPECT_EQ(d.GetText(Dlg::kDefinition), row.definition);
        EXPECT_EQ(library.Count(), 1u);
        EXPECT_TRUE(d.IsVisible());
    }
}

// Warnings do not block: the record is stored after them.
TEST_F(FnLibDlgTest, WarningsWithoutXOrY) {
    MemoryDialog& d = Open();
    Define(d, "c", "2");
    Define(d, "h", "a*b", true);
    ASSERT_EQ(platform.Messages().size(), 3u);
    EXPECT_EQ(platform.Messages()[0].text, res::Message(140));
    EXPECT_EQ(platform.Messages()[1].text, res::Message(140));
    EXPECT_EQ(platform.Messages()[2].text, res::Message(141));
    EXPECT_EQ(library.Count(), 2u);
}

// "enter" appends and refills the list; "editar" loads a record that "enter" overwrites.
TEST_F(FnLibDlgTest, EditOverwritesTheSelectedRecord) {
    MemoryDialog& d = Open();
    Define(d, "f", "x+1");
    Define(d, "g", "x*y", true);
    EXPECT_EQ(ListLines(d), (std::vector<std::string>{"F(X) = X+1", "G(X,Y) = X*Y"}));
    ASSERT_TRUE(d.Select(Dlg::kList, 1));
    d.Press(Dlg::kEdit);
    EXPECT_EQ(d.GetText(Dlg::kName), "G");
    EXPECT_EQ(d.GetText(Dlg::kDefinition), "X*Y");
    EXPECT_TRUE(d.GetCheck(Dlg::kFunctionOfXYRadio));
    EXPECT_FALSE(d.GetCheck(Dlg::kFunctionOfXRadio));
    EXPECT_EQ(dialog.EditedRecord(), std::optional<std::size_t>(1));

    d.Type(Dlg::kDefinition, "x-y");
    d.Press(Dlg::kEnter);
    EXPECT_TRUE(platform.Messages().empty()) << "its own name is not a duplicate";
    EXPECT_EQ(ListLines(d), (std::vector<std::string>{"F(X) = X+1", "G(X,Y) = X-Y"}));
    EXPECT_EQ(dialog.EditedRecord(), std::nullopt);

    // After an edit, "enter" makes new records again.
    d.Type(Dlg::kName, "k");
    d.Press(Dlg::kEnter);
    EXPECT_EQ(library.Count(), 3u);

    // "copiar" loads a record without the mark, and drops an older one.
    d.Select(Dlg::kList, 0);
    d.Press(Dlg::kEdit);
    d.Select(Dlg::kList, 1);
    d.Press(Dlg::kCopy);
    EXPECT_EQ(d.GetText(Dlg::kDefinition), "X-Y");
    EXPECT_TRUE(d.GetCheck(Dlg::kFunctionOfXYRadio));
    EXPECT_EQ(dialog.EditedRecord(), std::nullopt);
    d.Type(Dlg::kName, "h");
    d.Press(Dlg::kEnter);
    EXPECT_EQ(ListLines(d).back(), "H(X,Y) = X-Y");
}

TEST_F(FnLibDlgTest, DeleteRemovesTheSelectedRecord) {
    MemoryDialog& d = Open();
    Define(d, "f", "x+1");
    Define(d, "g", "x+2");
    Define(d, "h", "x+3");
    d.Select(Dlg::kList, 2);
    d.Press(Dlg::kEdit); // H is being edited
    d.Select(Dlg::kList, 0);
    d.Press(Dlg::kDelete);
    EXPECT_EQ(ListLines(d), (std::vector<std::string>{"G(X) = X+2", "H(X) = X+3"}));
    EXPECT_EQ(dialog.EditedRecord(), std::optional<std::size_t>(1)) << "the mark follows H";
    d.Press(Dlg::kEnter);
    EXPECT_EQ(ListLines(d), (std::vector<std::string>{"G(X) = X+2", "H(X) = X+3"}));

    d.Select(Dlg::kList, 1);
    d.Press(Dlg::kEdit);
    d.Select(Dlg::kList, 1);
    d.Press(Dlg::kDelete);
    EXPECT_EQ(dialog.EditedRecord(), std::nullopt) << "the mark goes with its record";
    EXPECT_EQ(library.Count(), 1u);
}

// The buttons need a selection; a library changed elsewhere refills the list.
TEST_F(FnLibDlgTest, ButtonsWithoutSelectionDoNothingAndTheListFollowsTheLibrary) {
    MemoryDialog& d = Open();
    Define(d, "f", "x+1");
    d.Type(Dlg::kName, "typed");
    for (int id : {Dlg::kEdit, Dlg::kCopy, Dlg::kDelete})
        d.Press(id);
    EXPECT_EQ(d.GetText(Dlg::kName), "typed");
    EXPECT_EQ(library.Count(), 1u);
    library.Clear();
    library.Append(UserFunction::Make("LOADED", "SIN(X)", kFunctionOfX));
    dialog.LibraryChanged();
    EXPECT_EQ(ListLines(d), (std::vector<std::string>{"LOADED(X) = SIN(X)"}));
}

} // namespace
} // namespace korvane
