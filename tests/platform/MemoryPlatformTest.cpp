#include "platform/memory/MemoryPlatform.h"

#include <gtest/gtest.h>

using namespace korvane::platform;
using namespace korvane;
using Kind = res::ControlTemplate::Kind;

namespace {

const res::ControlTemplate kControls[] = {
    {Kind::Static, 10, "y ="},
    {Kind::Edit, 11, "xsin(x)", 20, false, 5},
    {Kind::RadioButton, 20, "a", 0, true},
    {Kind::RadioButton, 21, "b"},
    {Kind::CheckBox, 30, "pontos"},
    {Kind::RadioButton, 40, "c"},
    {Kind::RadioButton, 41, "d"},
    {Kind::ListBox, 50, ""},
    {Kind::ComboBox, 60, ""},
    {Kind::ScrollBar, 70, ""},
    {Kind::Button, 1, "ok", 0, true},
    {Kind::Button, 2, "cancelar"},
};
const res::DialogTemplate kDialog{"TESTDLG", "teste", kControls};

// A dialog that refuses OK while its edit field is empty, and logs what it gets.
struct FormHandler : DialogHandler {
    std::vector<std::string> events;
    std::string accepted;
    void OnInit(Dialog& d) override {
        events.push_back("init");
        d.ListAdd(50, "um");
        d.ListAdd(50, "dois");
        d.SetCheck(20, true);
    }
    bool OnCommand(Dialog& d, int id, ControlEvent event) override {
        events.push_back("command " + std::to_string(id) + " " + std::to_string(int(event)));
        if (id == ResultOk && event == ControlEvent::Clicked) {
            if (d.GetText(11).empty())
                return true; // stays open
            accepted = d.GetText(11);
            d.End(ResultOk);
            return true;
        }
        return false;
    }
    void OnClose(Dialog&, int result) override { events.push_back("close " + std::to_string(result)); }
};

} // namespace

TEST(MemoryPlatform, ScriptedModalDialogFillsFieldsAndPressesOk) {
    MemoryPlatform platform;
    FormHandler handler;
    platform.ScriptModal([](MemoryDialog& d) {
        EXPECT_EQ(d.GetText(11), "xsin(x)");
        EXPECT_EQ(d.GetTitle(), "teste");
        EXPECT_TRUE(d.Type(11, "cos(x)+1")); // cut at 5 characters
        EXPECT_TRUE(d.Press(21));
        EXPECT_TRUE(d.Press(30));
        EXPECT_TRUE(d.Select(50, 1));
        EXPECT_FALSE(d.Select(50, 2)) << "no such item";
        EXPECT_TRUE(d.Press(1));
    });
    EXPECT_EQ(platform.RunModal(kDialog, handler, nullptr), ResultOk);
    EXPECT_EQ(handler.accepted, "cos(x");
    EXPECT_EQ(platform.ModalRuns(), (std::vector<std::string>{"TESTDLG"}));
    EXPECT_EQ(handler.events, (std::vector<std::string>{"init", "command 11 1", "command 21 0", "command 30 0",
                                                        "command 50 2", "command 1 0", "close 1"}));
}

// Radio buttons form groups by runs in template order.
TEST(MemoryPlatform, RadioGroupsAreRunsOfTheTemplate) {
    MemoryPlatform platform;
    FormHandler handler;
    platform.ScriptModal([](MemoryDialog& d) {
        EXPECT_TRUE(d.GetCheck(20));
        d.Press(40);
        EXPECT_TRUE(d.GetCheck(20)) << "40 is in another group";
        d.Press(21);
        EXPECT_FALSE(d.GetCheck(20));
        EXPECT_TRUE(d.GetCheck(21));
        EXPECT_TRUE(d.GetCheck(40));
        d.Press(41);
        EXPECT_FALSE(d.GetCheck(40));
        d.Escape();
    });
    EXPECT_EQ(platform.RunModal(kDialog, handler, nullptr), ResultCancel);
}

// A refused OK keeps the dialog open for the next script; with no script left, Cancel.
TEST(MemoryPlatform, RefusedOkWaitsForTheNextScriptThenCancel) {
    MemoryPlatform platform;
    FormHandler handler;
    platform.ScriptModal([](MemoryDialog& d) {
        d.Type(11, "");
        d.Press(1);
        EXPECT_FALSE(d.Ended());
    });
    EXPECT_EQ(platform.RunModal(kDialog, handler, nullptr), ResultCancel);
    EXPECT_EQ(handler.events.back(), "close 2");

    platform.ScriptModal([](MemoryDialog& d) { d.Type(11, ""); d.Press(1); });
    platform.ScriptModal([](MemoryDialog& d) { d.Type(11, "x"); d.Enter(); });
    EXPECT_EQ(platform.RunModal(kDialog, handler, nullptr), ResultOk);
    EXPECT_EQ(platform.UnusedScripts(), 0u);
}

TEST(MemoryPlatform, DisabledAndHiddenControlsCannotBeUsed) {
    MemoryPlatform platform;
    FormHandler handler;
    platform.ScriptModal([](MemoryDialog& d) {
        d.Enable(11, false);
        EXPECT_FALSE(d.Type(11, "abc"));
        EXPECT_EQ(d.GetText(11), "xsin(x)");
        d.ShowControl(30, false);
        EXPECT_FALSE(d.Press(30));
        EXPECT_FALSE(d.GetCheck(30));
        EXPECT_FALSE(d.Press(999));
        d.ScrollSetRange(70, -10, 10);
        EXPECT_TRUE(d.Scroll(70, 50));
        EXPECT_EQ(d.ScrollPosition(70), 10);
        d.Press(2);
    });
    EXPECT_EQ(platform.RunModal(kDialog, handler, nullptr), ResultCancel);
}

TEST(MemoryPlatform, UnknownTemplateNameGivesMinusOne) {
    MemoryPlatform platform;
    FormHandler handler;
    EXPECT_EQ(platform.RunModal("NO SUCH DIALOG", handler, nullptr), -1);
    EXPECT_EQ(platform.CreateModeless("NO SUCH DIALOG", handler, nullptr), nullptr);
    EXPECT_TRUE(handler.events.empty());
}

TEST(MemoryPlatform, ModelessDialogHidesOnCancelAndRunsAgain) {
    MemoryPlatform platform;
    FormHandler handler;
    auto dialog = platform.CreateModeless(kDialog, handler, nullptr);
    MemoryDialog* d = platform.FindDialog("TESTDLG");
    ASSERT_EQ(d, dialog.get());
    EXPECT_FALSE(d->IsVisible());
    dialog->Show();
    d->Escape();
    EXPECT_FALSE(d->IsVisible());
    dialog->Show();
    EXPECT_TRUE(d->DoubleClick(50, 0));
    EXPECT_EQ(handler.events, (std::vector<std::string>{"init", "command 2 0", "close 2", "command 50 2",
                                                        "command 50 3"}));
    dialog.reset();
    EXPECT_EQ(platform.FindDialog("TESTDLG"), nullptr);
}

