// The Qt platform, offscreen: the surface's pixels, the key codes of Qt keys, the queued
// repaint and its busy gate, PeekKey, the menu marks, dialogs from templates and Qt's own in
// Portuguese, and the single-instance hand-over. Export files and the printer are the
// command line's and the plane window's tests. Text windows: the edit control counts
// characters (not UTF-16 units), takes the keys typed into it, keeps the window's
// accelerators and its length limit; help pages are fixed-pitch and password fields hide
// what is typed. The README's pictures of a help window and a notebook are kept with
// KORVANE_SCREENSHOT_DIR.
#include "platform/Utf8.h"
#include "platform/qt/QtDialog.h"
#include "platform/qt/QtKeys.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/QtSurface.h"
#include "platform/qt/QtTranslation.h"
#include "platform/qt/QtWindow.h"
#include "platform/qt/QtWindowWidget.h"
#include "tests/qt/QtEventLoop.h"
#include "tests/support/SurfaceContract.h"
#include "text/HelpWindows.h"
#include "text/TNoteWin.h"
#include "text/TTextWin.h"
#include "text/TextCommands.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QThread>
#include <QTimer>

#include <cstdlib>
#include <functional>
#include <tuple>

using namespace korvane;
using namespace korvane::platform;

namespace {

constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kBlue{0, 0, 255};

using korvane::testing::CountOf;
using korvane::testing::EnsureApplication;
using korvane::testing::SamePixels;

const res::MenuItem kMenu[] = {
    {res::MenuItem::Popup, "&Arquivo", 0},
    {res::MenuItem::Command, "&Abrir ...\tF3", 103},
    {res::MenuItem::Command, "&Eixos", 71},
    {res::MenuItem::End, nullptr, 0},
};
const res::Accelerator kKeys[] = {{res::KeyF3, res::ModNone, 103}};

using korvane::testing::PostKey;
using korvane::testing::ProcessEventsUntil;

// A window handler whose paint is a long drawing that polls PeekKey after every step.
struct Drawing : WindowHandler {
    Window* window = nullptr;
    int steps = 0;
    int maxSteps = 0;   // 0: no long drawing
    int lastKey = 0;
    int paints = 0;
    int depth = 0, deepest = 0;
    std::vector<std::string> events;
    std::function<void(Surface&, int step)> atStep;

    void OnPaint(Surface& front) override {
        ++paints;
        deepest = std::max(deepest, ++depth);
        events.push_back("paint");
        for (steps = 0; steps < maxSteps; ++steps) {
            if (atStep)
                atStep(front, steps);
            QThread::usleep(50);
            if ((lastKey = window->PeekKey()) == 'S')
                break;
        }
        events.push_back("painted");
        --depth;
    }
    void OnCommand(int id) override { events.push_back("command " + std::to_string(id)); }
    void OnKey(const KeyEvent& k) override { events.push_back("key " + std::to_string(k.key)); }
    void OnMouse(const MouseEvent& m) override {
        if (m.action == MouseAction::Down)
            events.push_back("mouse down");
    }
    void OnTimer(int id) override { events.push_back("timer " + std::to_string(id)); }
    bool OnClose() override {
        events.push_back("close?");
        return true;
    }
    void OnDestroy() override { events.push_back("destroy"); }

    int Count(const std::string& e) const { return int(std::count(events.begin(), events.end(), e)); }
};

struct Shown {
    QtPlatform platform;
    Drawing handler;
    std::unique_ptr<Window> window;
    QtWindow* qt = nullptr;

    Shown() {
        WindowSpec request;
        request.title = "teste";
        request.menuItems = kMenu;
        request.acceleratorKeys = kKeys;
        request.clientSize = {200, 150};
        window = platform.CreateWindow(request, handler);
        handler.window = window.get();
        qt = static_cast<QtWindow*>(window.get());
        window->Show();
        // The first paint comes with the show.
        ProcessEventsUntil([&] { return handler.paints > 0; });
        handler.events.clear();
    }
    QWidget* Client() const { return qt->Widget()->Client(); }
    // Queues a repaint, then runs `queueAfter` (which may post keys: they come after the
    // repaint in the queue, so while the drawing runs), and waits for the paint.
    bool Repaint(const std::function<void()>& queueAfter = {}) {
        const int before = handler.paints;
        window->RequestRepaint();
        if (queueAfter)
            queueAfter();
        return ProcessEventsUntil([&] { return handler.paints > before && handler.depth == 0; });
    }
};

} // namespace

// A key S waiting in the queue stops a drawing at its next probe, with or without Shift;
// so does a key of the accelerator table, whose command runs after the drawing.
TEST(QtPlatform, QueuedSOrAcceleratorStopsALongDrawing) {
    for (Qt::KeyboardModifiers modifiers : {Qt::KeyboardModifiers(Qt::NoModifier), Qt::KeyboardModifiers(Qt::ShiftModifier)}) {
        SCOPED_TRACE(modifiers == Qt::NoModifier ? "s" : "S");
        Shown w;
        w.handler.maxSteps = 5000;
        ASSERT_TRUE(w.Repaint([&] { PostKey(w.Client(), Qt::Key_S, modifiers, modifiers == Qt::NoModifier ? "s" : "S"); }));
        EXPECT_EQ(w.handler.lastKey, 'S');
        EXPECT_LT(w.handler.steps, 100);
        EXPECT_EQ(w.handler.Count("key 83"), 0) << "the S was taken by PeekKey";
    }
    Shown w;
    w.handler.maxSteps = 5000;
    ASSERT_TRUE(w.Repaint([&] { PostKey(w.Client(), Qt::Key_F3); }));
    EXPECT_EQ(w.handler.lastKey, 'S');
    ASSERT_TRUE(ProcessEventsUntil([&] { return w.handler.Count("command 103") > 0; }));
    EXPECT_EQ(w.handler.events, (std::vector<std::string>{"paint", "painted", "command 103"}));
}

// Other keys reach the drawing as their codes and do not stop it. Outside drawings,
// accelerators become commands and other keys OnKey; menu items take and lose their marks.
TEST(QtPlatform, KeysInAndOutsideDrawingsAndMenuMarks) {
    Shown w;
    w.handler.maxSteps = 50;
    std::vector<int> seen;
    w.handler.atStep = [&](Surface&, int) {
        if (w.handler.lastKey)
            seen.push_back(w.handler.lastKey);
    };
    ASSERT_TRUE(w.Repaint([&] {
        PostKey(w.Client(), Qt::Key_P, Qt::NoModifier, "p");
        PostKey(w.Client(), Qt::Key_Space, Qt::NoModifier, " ");
    }));
    EXPECT_EQ(w.handler.steps, 50);
    EXPECT_EQ(seen, (std::vector<int>{'P', res::KeySpace}));
    w.handler.events.clear();
    PostKey(w.Client(), Qt::Key_F3);
    PostKey(w.Client(), Qt::Key_X, Qt::NoModifier, "x");
    ASSERT_TRUE(ProcessEventsUntil([&] { return w.handler.events.size() >= 2; }));
    EXPECT_EQ(w.handler.events, (std::vector<std::string>{"command 103", "key 88"}));
    w.window->CheckMenuItem(71, true);
    EXPECT_TRUE(w.window->IsMenuItemChecked(71));
    w.window->CheckMenuItem(71, false);
    EXPECT_FALSE(w.window->IsMenuItemChecked(71));
    EXPECT_FALSE(w.window->IsMenuItemChecked(999));
}

// A repaint asked for while the drawing runs waits until it has returned: never nested.
TEST(QtPlatform, RepaintDuringADrawingDoesNotReenterPaint) {
    Shown w;
    w.handler.maxSteps = 40;
    w.handler.atStep = [&](Surface&, int step) {
        if (step % 10 == 0 && w.handler.paints == 1)
            w.window->RequestRepaint();
    };
    w.handler.paints = 0;
    w.window->RequestRepaint();
    ASSERT_TRUE(ProcessEventsUntil([&] { return w.handler.paints >= 2 && w.handler.depth == 0; }));
    ProcessEventsUntil([] { return false; }, 100);
    EXPECT_EQ(w.handler.deepest, 1);
    EXPECT_EQ(w.handler.paints, 2) << "the four requests during the drawing make one paint after it";
    EXPECT_EQ(w.handler.events, (std::vector<std::string>{"paint", "painted", "paint", "painted"}));
}

// Clicks, timers and closes that come during a drawing are handled after it.
TEST(QtPlatform, InputTimersAndCloseWaitForTheDrawing) {
    Shown w;
    w.handler.maxSteps = 30;
    QWidget* client = w.Client();
    w.window->StartTimer(7, 1);
    w.handler.atStep = [&](Surface&, int step) {
        if (step == 5) {
            QCoreApplication::postEvent(client, new QMouseEvent(QEvent::MouseButtonPress, QPointF(5, 5),
                                                                 client->mapToGlobal(QPointF(5, 5)), Qt::LeftButton,
                                                                 Qt::LeftButton, Qt::NoModifier));
            QCoreApplication::postEvent(w.qt->Widget(), new QCloseEvent);
        }
    };
    w.handler.paints = 0;
    w.window->RequestRepaint();
    ASSERT_TRUE(ProcessEventsUntil([&] { return w.handler.Count("destroy") == 1; }));
    const auto painted = std::find(w.handler.events.begin(), w.handler.events.end(), "painted");
    ASSERT_NE(painted, w.handler.events.end());
    const std::vector<std::string> during(w.handler.events.begin(), painted);
    EXPECT_EQ(during, (std::vector<std::string>{"paint"}));
    EXPECT_EQ(w.handler.Count("mouse down"), 1);
    EXPECT_GE(w.handler.Count("timer 7"), 1);
    EXPECT_TRUE(w.window->IsClosed());
}

namespace {

using Kind = res::ControlTemplate::Kind;
const res::ControlTemplate kControls[] = {
    {Kind::Static, 10, "y ="},
    {Kind::Edit, 11, "xsin(x)", 20},
    {Kind::Static, 12, "de", 0, true},
    {Kind::Edit, 13, "-10", 8},
    {Kind::RadioButton, 20, "centro", 0, true},
    {Kind::RadioButton, 21, "cantos"},
    {Kind::ListBox, 30, "", 10, true},
    {Kind::Button, 1, "ok", 0, true},
    {Kind::Button, 2, "cancelar"},
};
const res::DialogTemplate kDialog{"TESTE", "exemplo", kControls};

struct Form : DialogHandler {
    QtDialog* dialog = nullptr;
    std::string formula, from;
    bool corners = false;
    int selected = -2;
    void OnInit(Dialog& d) override {
        dialog = dynamic_cast<QtDialog*>(&d);
        d.SetCheck(20, true);
        d.ListAdd(30, "um");
        d.ListAdd(30, "dois");
    }
    bool OnCommand(Dialog& d, int id, ControlEvent event) override {
        if (id == ResultOk && event == ControlEvent::Clicked) {
            formula = d.GetText(11);
            from = d.GetText(13);
            corners = d.GetCheck(21);
            selected = d.ListSelection(30);
        }
        return false;
    }
};

// Escape into the modal window that opens next.
void EscapeNextModal() {
    QTimer::singleShot(0, [] { PostKey(QApplication::activeModalWidget(), Qt::Key_Escape); });
}

void Type(QWidget* to, const QString& text) {
    for (QChar c : text)
        QCoreApplication::postEvent(to, new QKeyEvent(QEvent::KeyPress, 0, Qt::NoModifier, QString(c)));
}

} // namespace

// A dialog built from a template shows its controls in rows, in order, and returns OK
// with the texts the user typed; Escape cancels it.
TEST(QtPlatform, TemplateDialogShowsItsControlsAndReturnsTheTypedTexts) {
    QtPlatform platform;
    Form form;
    bool checkedLayout = false;
    QTimer::singleShot(0, [&] {
        ASSERT_NE(form.dialog, nullptr);
        QWidget* label = form.dialog->ControlWidget(10);
        QWidget* edit = form.dialog->ControlWidget(11);
        QWidget* second = form.dialog->ControlWidget(13);
        ASSERT_TRUE(label && edit && second);
        EXPECT_TRUE(ProcessEventsUntil([&] { return edit->isVisible(); }));
        EXPECT_EQ(form.dialog->GetTitle(), "exemplo");
        EXPECT_LT(label->x(), edit->x()) << "a label before its field";
        EXPECT_NEAR(label->geometry().center().y(), edit->geometry().center().y(), 4);
        EXPECT_GT(second->y(), edit->y()) << "newRow starts a row below";
        EXPECT_EQ(static_cast<QListWidget*>(form.dialog->ControlWidget(30))->count(), 2);
        checkedLayout = true;
        auto* field = static_cast<QLineEdit*>(edit);
        field->setFocus();
        field->selectAll();
        Type(field, "cos(x)");
        static_cast<QLineEdit*>(second)->selectAll();
        Type(second, "-5");
        static_cast<QRadioButton*>(form.dialog->ControlWidget(21))->click();
        static_cast<QListWidget*>(form.dialog->ControlWidget(30))->setCurrentRow(1);
        PostKey(form.dialog->Widget(), Qt::Key_Return);
    });
    EXPECT_EQ(platform.RunModal(kDialog, form, nullptr), ResultOk);
    EXPECT_TRUE(checkedLayout);
    EXPECT_EQ(form.formula, "cos(x)");
    EXPECT_EQ(form.from, "-5");
    EXPECT_TRUE(form.corners);
    EXPECT_EQ(form.selected, 1);
    Form cancelled;
    EscapeNextModal();
    EXPECT_EQ(platform.RunModal(kDialog, cancelled, nullptr), ResultCancel);
    EXPECT_EQ(cancelled.selected, -2) << "OK was never pressed";
}

// Two platforms in one process: the second start hands its path to the first.
TEST(QtPlatform, SingleInstanceHandOver) {
    const korvane::testing::ConfigFolder dir;
    std::vector<std::string> received;
    {
        QtPlatform first;
        ASSERT_EQ(first.ClaimInstance("", [&](const std::string& p) { received.push_back(p); }), InstanceRole::First);
        QtPlatform second;
        EXPECT_EQ(second.ClaimInstance("/tmp/dir.old/a.kv2", nullptr), InstanceRole::HandedOver);
        ASSERT_TRUE(ProcessEventsUntil([&] { return !received.empty(); }));
        EXPECT_EQ(received, (std::vector<std::string>{"/tmp/dir.old/a.kv2"}));
        QtPlatform third;
        EXPECT_EQ(third.ClaimInstance("", nullptr), InstanceRole::HandedOver);
        ASSERT_TRUE(ProcessEventsUntil([&] { return received.size() == 2; }));
        EXPECT_EQ(received.back(), "");
    }
    // The first is gone: the next start becomes the instance.
    QtPlatform next;
    EXPECT_EQ(next.ClaimInstance("x", nullptr), InstanceRole::First);
}

// Message boxes answer with the button pressed, their buttons in Portuguese, as are Qt's own
// once its translation is installed; an input box gives the typed text or nothing.
TEST(QtPlatform, MessageAndInputBoxesAnswer) {
    QtPlatform platform;
    QStringList seen;
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        for (QPushButton* b : box->findChildren<QPushButton*>())
            seen << b->text();
        for (QPushButton* b : box->findChildren<QPushButton*>())
            if (b->text() == QString::fromUtf8("Não"))
                b->click();
    });
    EXPECT_EQ(platform.MessageBox("salvar?", "hmm...", MessageButtons::YesNoCancel), AnswerNo);
    seen.sort();
    EXPECT_EQ(seen, (QStringList{"Cancelar", "Não", "Sim"}));
    EscapeNextModal();
    EXPECT_EQ(platform.MessageBox("erro", "hmm...", MessageButtons::OkCancel), AnswerCancel);
    QTimer::singleShot(0, [] {
        auto* edit = QApplication::activeModalWidget()->findChild<QLineEdit*>();
        ASSERT_NE(edit, nullptr);
        EXPECT_EQ(edit->text(), "112");
        EXPECT_EQ(edit->maxLength(), 10);
        edit->setText("960");
        PostKey(edit, Qt::Key_Return);
    });
    EXPECT_EQ(platform.InputBox("símbolo pi", "usa valores ASCII", "112", nullptr, 10), "960");
    EscapeNextModal();
    EXPECT_EQ(platform.InputBox("x", "y", "z"), std::nullopt);
    ASSERT_TRUE(InstallQtTranslation(*QCoreApplication::instance()));
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), QString("Cancelar"));
    EXPECT_EQ(box.button(QMessageBox::No)->text().remove('&'), QString("Não"));
}

TEST(QtPlatform, ClipboardTextAndImage) {
    QtPlatform platform;
    Clipboard& clipboard = platform.GetClipboard();
    clipboard.SetText("y = x·sin(x)");
    EXPECT_EQ(clipboard.GetText(), "y = x·sin(x)");
    auto picture = platform.CreateSurface({30, 20});
    picture->FillRect({5, 5, 10, 10}, {200, 10, 20});
    clipboard.SetImage(*picture);
    EXPECT_TRUE(clipboard.HasImage());
    auto pasted = clipboard.GetImage();
    ASSERT_NE(pasted, nullptr);
    EXPECT_EQ(pasted->GetSize(), (Size{30, 20}));
    EXPECT_EQ(*pasted->GetPixel({7, 7}), (Rgb{200, 10, 20}));
    EXPECT_EQ(*pasted->GetPixel({12, 7}), kWhite);
    // Pasted onto a graph it is PNG bytes, drawn scaled and only where it shows.
    const auto png = clipboard.GetPictureData();
    ASSERT_TRUE(png && png->size() > 8 && (*png)[1] == 'P');
    EXPECT_EQ(platform.PictureSize(*png), (Size{30, 20}));
    const auto part = platform.RenderPicture(*png, {60, 40}, {10, 10, 30, 30}, Rgb{0, 0, 255});
    ASSERT_NE(part, nullptr);
    EXPECT_EQ(part->GetSize(), (Size{20, 20}));
    EXPECT_EQ(*part->GetPixel({4, 4}), (Rgb{200, 10, 20}));
    EXPECT_EQ(*part->GetPixel({15, 15}), kWhite);
    const std::string svg = "<svg xmlns='http://www.w3.org/2000/svg' width='40' height='20'>"
                            "<rect x='20' width='20' height='20' fill='#00ff00'/></svg>";
    clipboard.SetSvg(svg);
    const auto vector = clipboard.GetPictureData();
    ASSERT_TRUE(vector.has_value());
    EXPECT_EQ(platform.PictureSize(*vector), (Size{40, 20}));
    const auto drawn = platform.RenderPicture(*vector, {80, 40}, {0, 0, 80, 40}, Rgb{0, 0, 255});
    ASSERT_NE(drawn, nullptr);
    EXPECT_EQ(*drawn->GetPixel({60, 20}), (Rgb{0, 255, 0}));
    EXPECT_EQ(*drawn->GetPixel({20, 20}), (Rgb{0, 0, 255})); // the background shows where it draws nothing
    EXPECT_FALSE(platform.PictureSize(std::vector<std::uint8_t>{'G', 'I', 'F'}).has_value());
    // A copied picture offers both forms at once.
    clipboard.SetText("");
    clipboard.SetPicture("<svg></svg>", *picture);
    EXPECT_EQ(clipboard.GetSvg(), "<svg></svg>");
    ASSERT_TRUE(clipboard.HasImage());
    EXPECT_EQ(*clipboard.GetImage()->GetPixel({7, 7}), (Rgb{200, 10, 20}));
}

// The surface contract, and FillRect leaves the right and bottom edges too. Text lies
// inside the box that TextExtent and the alignment give, in the text colour, and an opaque
// background fills that box; a symbol font draws byte 112 as pi, as the same font draws
// the Unicode pi.
TEST(QtSurface, ContractTextAndSymbolPi) {
    EnsureApplication();
    korvane::testing::CheckSurfaceContract(
        [](Size size, Rgb fill) -> std::unique_ptr<Surface> { return std::make_unique<QtSurface>(size, fill); });
    QtSurface filled({20, 20}, kWhite);
    filled.FillRect({2, 3, 6, 7}, kRed);
    EXPECT_EQ(CountOf(filled, kRed), 4 * 4);
    QtSurface s({160, 60}, kWhite);
    s.SetFont({"Sans", 16});
    s.SetTextColour(kRed);
    s.SetBackgroundColour(kBlue);
    s.SetBackgroundMode(BackgroundMode::Opaque);
    s.SetTextAlign(AlignRight | AlignBaseline);
    const Size extent = s.TextExtent("x=10");
    const FontMetrics m = s.GetFontMetrics();
    ASSERT_GT(extent.width, 0);
    EXPECT_EQ(extent.height, m.height);
    s.TextOut({120, 40}, "x=10");
    const Rect box{120 - extent.width, 40 - m.ascent, 120, 40 - m.ascent + m.height};
    int outside = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 160; ++x)
            outside += *s.GetPixel({x, y}) != kWhite && !box.Contains({x, y});
    EXPECT_EQ(outside, 0);
    EXPECT_GT(CountOf(s, kRed), 10);
    EXPECT_GT(CountOf(s, kBlue), 10);
    const auto drawn = [](bool symbol, const char* text) {
        auto surface = std::make_unique<QtSurface>(Size{40, 30});
        surface->SetBackgroundMode(BackgroundMode::Transparent);
        surface->SetFont({.face = "Sans", .height = 20, .symbol = symbol});
        surface->TextOut({5, 2}, text);
        return surface;
    };
    EXPECT_TRUE(SamePixels(*drawn(true, "p"), *drawn(false, "π")));
    EXPECT_FALSE(SamePixels(*drawn(true, "p"), *drawn(false, "p")));
}

// Qt keys in the program's codes: letters upper case with or without Shift, F-keys,
// '+' and '-' from either keyboard, other punctuation clear of the named keys.
TEST(QtKeys, CodesOfQtKeys) {
    struct Row {
        int qt;
        Qt::KeyboardModifiers modifiers;
        int code;
        quint32 keycode = 0; // X keycode of the key's place
    } rows[] = {
        {Qt::Key_S, Qt::NoModifier, 'S'},
        {Qt::Key_S, Qt::ShiftModifier, 'S'},
        {Qt::Key_7, Qt::NoModifier, '7'},
        {Qt::Key_F1, Qt::NoModifier, res::KeyF1},
        {Qt::Key_F12, Qt::NoModifier, res::KeyF12},
        {Qt::Key_PageDown, Qt::NoModifier, res::KeyPageDown},
        {Qt::Key_Left, Qt::NoModifier, res::KeyLeft},
        {Qt::Key_Return, Qt::NoModifier, res::KeyEnter},
        {Qt::Key_Enter, Qt::KeypadModifier, res::KeyEnter},
        {Qt::Key_Space, Qt::NoModifier, res::KeySpace},
        {Qt::Key_Plus, Qt::NoModifier, res::KeyAdd},
        {Qt::Key_Minus, Qt::KeypadModifier, res::KeySubtract},
        {Qt::Key_Exclam, Qt::NoModifier, 0x100 + '!'},
        {Qt::Key_Period, Qt::NoModifier, 0x100 + '.'},
        {Qt::Key_Shift, Qt::ShiftModifier, res::KeyNone},
        // Another alphabet's letter is the Latin letter at its place; a Latin layout's own
        // letter wins over its place (Q on the A key of a French keyboard).
        {0x042B, Qt::NoModifier, 'S', 39},      // Cyrillic YERU
        {0x0421, Qt::ControlModifier, 'C', 54}, // Cyrillic ES
        {0x03A3, Qt::ShiftModifier, 'W', 25},   // Greek SIGMA
        {Qt::Key_Q, Qt::NoModifier, 'Q', 38},
        {0x042B, Qt::NoModifier, res::KeyNone, 10}, // no letter at that place
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.qt);
        EXPECT_EQ(KeyCodeFromQt(row.qt, row.modifiers, row.keycode), row.code);
    }
    EXPECT_EQ(ModifiersFromQt(Qt::ShiftModifier | Qt::ControlModifier), res::ModShift | res::ModCtrl);
}

// The edit control counts characters, takes typed keys, keeps the window's accelerators and
// its length limit. Help pages and tables line up in columns; passwords are typed unseen,
// author texts seen.
TEST(QtTextWindow, KeysHelpAndPasswords) {
    EnsureApplication();
    platform::QtPlatform platform;
    TTextWin win(platform, TextWinSetup{"caderno [aula.kv2]"}, nullptr);
    QWidget* edit = static_cast<platform::QtWindow*>(win.GetWindow())->Widget()->Client();
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

