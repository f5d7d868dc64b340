// Text windows on the real Qt platform, offscreen: the edit control counts characters (not
// UTF-16 units), takes the keys typed into it, keeps the window's accelerators and its
// length limit; help pages are fixed-pitch and password fields hide what is typed. The
// README's pictures of a help window and a notebook are kept with KORVANE_SCREENSHOT_DIR.
#include "platform/Utf8.h"
#include "platform/qt/QtDialog.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/QtWindow.h"
#include "platform/qt/QtWindowWidget.h"
#include "tests/qt/QtEventLoop.h"
#include "text/HelpWindows.h"
#include "text/TNoteWin.h"
#include "text/TTextWin.h"
#include "text/TextCommands.h"

#include <QFontInfo>
#include <QImage>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <cstdlib>
#include <tuple>

namespace korvane {
namespace {

using testing::EnsureApplication;
using testing::PostKey;
using testing::ProcessEventsUntil;

TEST(QtTextWindow, KeysCharactersAndTheLengthLimit) {
    EnsureApplication();
    platform::QtPlatform platform;
    TTextWin win(platform, TextWinSetup{"caderno [aula.kv2]"}, nullptr);
    auto* qt = static_cast<platform::QtWindow*>(win.GetWindow());
    QWidget* edit = qt->Widget()->Client();
    win.ShowWindow();
    win.SetText("x\xF0\x9F\x98\x80y ab\nNotas da aula: y = x-1 e y = 2x-3.");
    platform::TextEdit& e = win.Edit();
    // A character outside the 16-bit range is one position.
    e.Select({1, 3});
    e.Copy();
    EXPECT_EQ(platform.GetClipboard().GetText().value_or(""), "\xF0\x9F\x98\x80y");
    EXPECT_TRUE(win.Search("AB"));
    EXPECT_EQ(e.Selection(), (platform::TextRange{4, 6}));
    // F2 is the window's; letters go into the text.
    PostKey(edit, Qt::Key_F2);
    ASSERT_TRUE(ProcessEventsUntil([&] { return e.Selection() == platform::TextRange{0, 0}; }));
    PostKey(edit, Qt::Key_Q, Qt::NoModifier, "q");
    ASSERT_TRUE(ProcessEventsUntil([&] { return win.GetText().starts_with("qx"); }));
    EXPECT_TRUE(e.IsModified());
    // Typing stops at the limit: F2 after the letter shows that the letter was handled.
    const std::string full = win.GetText();
    e.SetMaxLength(int(platform::Utf8ToU32(full).size()));
    PostKey(edit, Qt::Key_W, Qt::NoModifier, "w");
    PostKey(edit, Qt::Key_F2);
    ASSERT_TRUE(ProcessEventsUntil([&] { return e.Selection() == platform::TextRange{0, 0}; }));
    EXPECT_EQ(win.GetText(), full);
    e.SetModified(false); // no question on closing
    win.GetWindow()->Close();
    EXPECT_FALSE(win.GetWindow()->IsClosed()); // closing only hides
    EXPECT_TRUE(win.Hidden());
}

// Help pages and tables line up in columns; passwords are typed unseen, author texts seen.
TEST(QtTextWindow, FixedPitchHelpAndHiddenPasswords) {
    EnsureApplication();
    platform::QtPlatform platform;
    HelpWindows help(platform, nullptr, "2-dim");
    ASSERT_EQ(help.Show("PLOT2HELP"), 0);
    auto* qt = static_cast<platform::QtWindow*>(help.Window(HelpWindows::Own)->GetWindow());
    EXPECT_TRUE(QFontInfo(qt->Widget()->Client()->font()).fixedPitch());
    if (const char* keep = std::getenv("KORVANE_SCREENSHOT_DIR")) {
        qt->Widget()->grab().toImage().save(QString::fromUtf8(keep) + "/ajuda.png");
        TNoteWin notes(platform, nullptr);
        notes.DocumentNamed("analise.kv2");
        notes.SetText("Aula de 8/12: y = x^2 - 2\n\nZeros: x = -1,41421 e x = 1,41421 (Um > Zeros).\n"
                      "Mínimo em (0, -2).\nA reta y = x corta a parábola em (-1, -1) e (2, 2).\n"
                      "A integral de -2 a 2 dá -3,00000 (seis somas de Riemann e a exata).\n\n"
                      "Para a próxima aula: por que a área entre as curvas é 4,5?");
        notes.ShowWindow();
        static_cast<platform::QtWindow*>(notes.GetWindow())->Widget()->grab().toImage().save(
            QString::fromUtf8(keep) + "/caderno.png");
    }
    platform::DialogHandler handler;
    for (auto [name, id, hidden] : {std::tuple{"SETPW", 211, true}, {"SETPW", 212, true}, {"SETPW", 213, false},
                                    {"ASKPW", 211, true}}) {
        platform::QtDialog dialog(*res::Dialog(name), handler, nullptr, false);
        auto* field = qobject_cast<QLineEdit*>(dialog.ControlWidget(id));
        ASSERT_NE(field, nullptr);
        EXPECT_EQ(field->echoMode() == QLineEdit::Password, hidden) << name << " " << id;
    }
}

} // namespace
} // namespace korvane
