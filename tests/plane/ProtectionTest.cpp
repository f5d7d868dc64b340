// Document protection on the memory platform: the SETPW checks, the lock on saving, the
// inventory and the notebook, the author block, and what the file holds of the password.
#include "tests/support/PlaneWindowTestSupport.h"

#include "plane/DocumentFile.h"
#include "plane/PlaneCommands.h"
#include "plane/TInventDlg.h"
#include "platform/FileIO.h"
#include "platform/memory/MemoryPlatform.h"
#include "resources/Resources.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace korvane {
namespace {

struct SetPw {
    std::string password, confirm;
    std::vector<int> presses; // boxes to toggle (271 starts checked)
    std::string author = "";
};

class Protection : public planetest::PlaneWindowTest {
protected:
    std::unique_ptr<TPlot2Win> Window(const std::string& start = "") {
        WindowOptions options;
        options.hasNotebook = true;
        options.startFile = start;
        auto w = planetest::MakePlaneWindow(platform, options);
        w->OpenStartDocument();
        return w;
    }
    // "Sen&ha ..." with the dialog filled and ended by `button` (1 adicionar, 3 remover, 2
    // Escape); 0 presses Enter, which must be refused, and then Escape.
    void SetPassword(TPlot2Win& w, const SetPw& typed, int button = 1) {
        platform.ScriptModal([typed, button](platform::MemoryDialog& d) {
            d.Type(211, typed.password);
            d.Type(212, typed.confirm);
            for (int id : typed.presses)
                d.Press(id);
            d.Type(213, typed.author);
            if (button == 0) {
                d.Enter();
                EXPECT_FALSE(d.Ended());
                if (typed.password != typed.confirm && !typed.confirm.empty()) {
                    EXPECT_EQ(d.GetText(211) + d.GetText(212), "");
                }
            }
            if (button == 2 || button == 0)
                d.Escape();
            else
                d.Press(button);
        });
        w.OnCommand(cmd::kPassword);
    }
    void AnswerPassword(const std::string& typed) {
        platform.ScriptModal([typed](platform::MemoryDialog& d) {
            d.Type(211, typed);
            d.Enter();
        });
    }
    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const auto& m : platform.Messages())
            texts.push_back(m.text);
        return texts;
    }
    std::string Path() const { return folder.File("protegido.kv2"); }
};

TEST_F(Protection, SetPwRefusesWhatItCannotProtect) {
    const struct {
        const char* what;
        SetPw typed;
        int code;
    } rows[] = {
        {"no password", {"", "", {}}, 9},
        {"no confirmation", {"abc", "", {}}, 9},
        {"different", {"abc", "abd", {}}, 30},
        {"nothing protected", {"abc", "abc", {271}}, 9},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        platform.ClearLogs();
        auto w = Window();
        SetPassword(*w, row.typed, 0);
        EXPECT_EQ(Messages(), std::vector<std::string>{res::Message(row.code)});
        EXPECT_FALSE(w->Protection().Protected());
    }
}

TEST_F(Protection, ThePasswordIsNotInTheFileAndUnlocksAfterReopening) {
    {
        auto w = Window();
        SetPassword(*w, {"Segredo123", "Segredo123", {}});
        EXPECT_EQ(Messages(), std::vector<std::string>{res::Message(29)});
        EXPECT_EQ(w->GetWindow()->GetTitle().back(), '+');
        ASSERT_EQ(w->SaveDocument(Path()), 0);
    }
    std::vector<std::uint8_t> bytes;
    ASSERT_TRUE(ReadWholeFile(Path(), bytes));
    for (std::string text : {"Segredo123", "segredo123", "Segredo"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(std::search(bytes.begin(), bytes.end(), text.begin(), text.end()), bytes.end());
    }
    auto w = Window(Path());
    ASSERT_TRUE(w->Protection().Protected());
    platform.ClearLogs();
    // Case matters; each wrong try says so, and the file stays as it was.
    AnswerPassword("segredo123");
    AnswerPassword("");
    w->OnCommand(cmd::kSave);
    w->OnCommand(cmd::kSave);
    EXPECT_EQ(Messages(), (std::vector<std::string>{res::Message(27), res::Message(27)}));
    AnswerPassword("Segredo123");
    w->OnCommand(cmd::kSave);
    w->OnCommand(cmd::kSave); // asked once
    EXPECT_EQ(platform.UnusedScripts(), 0u);
    EXPECT_EQ(platform.ModalRuns().size(), 3u);
}

TEST_F(Protection, OnlyTheNotebookAsksAndOnlyOnce) {
    auto w = Window();
    SetPassword(*w, {"abc", "abc", {271, 273}});
    ASSERT_EQ(w->SaveDocument(Path()), 0);
    auto r = Window(Path());
    platform.ClearLogs();
    r->OnCommand(cmd::kSave);
    r->OnCommand(cmd::kInventory);
    EXPECT_TRUE(platform.ModalRuns().empty());
    AnswerPassword("abc");
    r->OnCommand(cmd::kNotebook);
    EXPECT_FALSE(r->Notebook()->Hidden());
    r->Notebook()->HideWindow();
    r->OnCommand(cmd::kNotebook);
    EXPECT_EQ(platform.ModalRuns(), std::vector<std::string>{"ASKPW"});
}

// "autor" waits for bit 1024 of the protection.
TEST_F(Protection, RemoverThenSaveGivesAnUnprotectedDocumentAndEscapeChangesNothing) {
    auto w = Window();
    auto* window = static_cast<platform::MemoryWindow*>(w->GetWindow());
    EXPECT_FALSE(window->ChooseMenu(cmd::kAuthor));
    SetPassword(*w, {"abc", "abc", {}, "Ana"});
    EXPECT_FALSE(window->ChooseMenu(cmd::kAuthor));
    SetPassword(*w, {"abc", "abc", {272, 274}, "Ana"});
    ASSERT_EQ(w->Protection().protection, 1 | 2 | 1024);
    platform.ClearLogs();
    EXPECT_TRUE(window->ChooseMenu(cmd::kAuthor));
    ASSERT_EQ(platform.Messages().size(), 1u);
    EXPECT_EQ(platform.Messages()[0].text, "Ana\n\n\n");
    EXPECT_EQ(platform.Messages()[0].caption, "autor");
    platform.ClearLogs();
    SetPassword(*w, {"", "", {}}, 2); // Escape
    EXPECT_EQ(w->Protection().protection, 1 | 2 | 1024);
    EXPECT_TRUE(Messages().empty());
    SetPassword(*w, {"", "", {}}, 3); // remover
    EXPECT_EQ(Messages(), std::vector<std::string>{res::Message(28)});
    ASSERT_EQ(w->SaveDocument(Path()), 0);
    auto r = Window(Path());
    EXPECT_FALSE(r->Protection().Protected());
    EXPECT_EQ(r->Protection().author[0], "");
    EXPECT_NE(r->GetWindow()->GetTitle().back(), '+');
}

// A damaged block never opens unprotected; another program's scrambling never unlocks.
TEST_F(Protection, DamagedBlocksAreRefusedAndForeignOnesStayLocked) {
    auto w = Window();
    SetPassword(*w, {"abc", "abc", {}});
    const struct {
        const char* what;
        std::function<void(DocumentState&)> damage;
        int code;
    } rows[] = {
        {"empty password", [](DocumentState& s) { (*s.password)[0].clear(); }, 11},
        {"unknown bits", [](DocumentState& s) { s.words[docw::kPassword] = 8; }, 11},
        {"long author", [](DocumentState& s) { (*s.password)[1] = std::string(101, 'a'); }, 11},
        {"foreign", [](DocumentState& s) { (*s.password)[0] = "\x61\x62\x63"; }, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        DocumentState s = w->CaptureDocument();
        row.damage(s);
        ASSERT_TRUE(WriteFileAtomically(Path(), WriteDocument(s)));
        auto r = Window();
        EXPECT_EQ(r->OpenDocument(Path()), row.code);
        EXPECT_EQ(r->Protection().Protected(), row.code == 0);
        if (row.code == 0) {
            AnswerPassword("abc");
            EXPECT_FALSE(r->Authorize(kProtectSave));
        }
    }
}

} // namespace
} // namespace korvane
