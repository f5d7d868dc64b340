// Text windows on the real Qt platform, offscreen: the edit control counts characters (not
// UTF-16 units), takes the keys typed into it, keeps the window's accelerators and its
// length limit. A picture can be kept for a look (KORVANE_SCREENSHOT_DIR).
#include "platform/Utf8.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/QtWindow.h"
#include "platform/qt/QtWindowWidget.h"
#include "tests/qt/QtEventLoop.h"
#include "text/TTextWin.h"
#include "text/TextCommands.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cstdlib>

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
    if (const char* keep = std::getenv("KORVANE_SCREENSHOT_DIR"))
        qt->Widget()->grab().toImage().save(QString::fromUtf8(keep) + "/caderno.png");
    // Typing stops at the limit.
    e.SetMaxLength(int(platform::Utf8ToU32(win.GetText()).size()));
    PostKey(edit, Qt::Key_W, Qt::NoModifier, "w");
    QApplication::processEvents();
    QApplication::processEvents();
    EXPECT_FALSE(win.GetText().starts_with("w") || win.GetText().starts_with("qw"));
    e.SetModified(false); // no question on closing
    win.GetWindow()->Close();
    EXPECT_FALSE(win.GetWindow()->IsClosed()); // closing only hides
    EXPECT_TRUE(win.Hidden());
}

} // namespace
} // namespace korvane
