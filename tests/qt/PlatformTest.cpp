// The Qt platform, offscreen: the queued repaint and its busy gate, PeekKey, the menu
// marks, dialogs from templates, and the single-instance hand-over.
#include "platform/qt/QtDialog.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/QtWindow.h"
#include "platform/qt/QtWindowWidget.h"
#include "tests/qt/QtEventLoop.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QThread>
#include <QTimer>

#include <functional>

using namespace korvane;
using namespace korvane::platform;

namespace {

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
    void OnSize(Size s) override { events.push_back("size " + std::to_string(s.width) + "x" + std::to_string(s.height)); }
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

// A key S waiting in the queue stops a drawing at its next probe, with or without Shift.
TEST(QtPlatform, QueuedSStopsALongDrawing) {
    for (Qt::KeyboardModifiers modifiers : {Qt::KeyboardModifiers(Qt::NoModifier), Qt::KeyboardModifiers(Qt::ShiftModifier)}) {
        SCOPED_TRACE(modifiers == Qt::NoModifier ? "s" : "S");
        Shown w;
        w.handler.maxSteps = 5000;
        ASSERT_TRUE(w.Repaint([&] { PostKey(w.Client(), Qt::Key_S, modifiers, modifiers == Qt::NoModifier ? "s" : "S"); }));
        EXPECT_EQ(w.handler.lastKey, 'S');
        EXPECT_LT(w.handler.steps, 100);
        EXPECT_EQ(w.handler.Count("key 83"), 0) << "the S was taken by PeekKey";
    }
}

// A key that arrives from a timer while the drawing runs stops it too.
TEST(QtPlatform, KeyArrivingDuringTheDrawingStopsIt) {
    Shown w;
    w.handler.maxSteps = 20000;
    QWidget* client = w.Client();
    QTimer::singleShot(30, client, [client] { PostKey(client, Qt::Key_S); });
    ASSERT_TRUE(w.Repaint());
    EXPECT_EQ(w.handler.lastKey, 'S');
    EXPECT_GT(w.handler.steps, 0);
    EXPECT_LT(w.handler.steps, 20000);
}

// A key of the accelerator table stops the drawing; its command runs after the drawing.
TEST(QtPlatform, AcceleratorStopsTheDrawingAndRunsItsCommandAfterIt) {
    Shown w;
    w.handler.maxSteps = 5000;
    ASSERT_TRUE(w.Repaint([&] { PostKey(w.Client(), Qt::Key_F3); }));
    EXPECT_EQ(w.handler.lastKey, 'S');
    ASSERT_TRUE(ProcessEventsUntil([&] { return w.handler.Count("command 103") > 0; }));
    EXPECT_EQ(w.handler.events, (std::vector<std::string>{"paint", "painted", "command 103"}));
}

// Other keys reach the drawing as their codes and do not stop it.
TEST(QtPlatform, OtherKeysAreHandedToTheDrawing) {
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
}

// Outside drawings, accelerators become commands and other keys OnKey.
TEST(QtPlatform, KeysOutsideDrawings) {
    Shown w;
    PostKey(w.Client(), Qt::Key_F3);
    PostKey(w.Client(), Qt::Key_X, Qt::NoModifier, "x");
    ASSERT_TRUE(ProcessEventsUntil([&] { return w.handler.events.size() >= 2; }));
    EXPECT_EQ(w.handler.events, (std::vector<std::string>{"command 103", "key 88"}));
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

// A size change gives OnSize with the new client size, then a paint on a front of that size.
TEST(QtPlatform, ResizeRecreatesTheFrontThenPaints) {
    Shown w;
    QWidget* frame = w.qt->Widget();
    const int dw = frame->width() - w.Client()->width(), dh = frame->height() - w.Client()->height();
    frame->resize(300 + dw, 120 + dh);
    ASSERT_TRUE(ProcessEventsUntil([&] { return w.handler.paints >= 2; }));
    ASSERT_GE(w.handler.events.size(), 2u);
    EXPECT_EQ(w.handler.events[0], "size 300x120");
    EXPECT_EQ(w.handler.events[1], "paint");
    EXPECT_EQ(w.window->GetClientSize(), (Size{300, 120}));
    EXPECT_EQ(w.window->FrontSurface().GetSize(), (Size{300, 120}));
}

TEST(QtPlatform, MenuMarks) {
    Shown w;
    w.window->CheckMenuItem(71, true);
    EXPECT_TRUE(w.window->IsMenuItemChecked(71));
    w.window->CheckMenuItem(71, false);
    EXPECT_FALSE(w.window->IsMenuItemChecked(71));
    EXPECT_FALSE(w.window->IsMenuItemChecked(999));
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
        ProcessEventsUntil([&] { return edit->isVisible(); });
        EXPECT_TRUE(edit->isVisible());
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
        EXPECT_EQ(second.InstanceName(), first.InstanceName());
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

// Message boxes answer with the button pressed, their buttons in Portuguese; an input box
// gives the typed text or nothing.
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
    clipboard.SetSvg("<svg/>");
    EXPECT_EQ(clipboard.GetSvg(), "<svg/>");
    // A copied picture offers both forms at once.
    clipboard.SetText("");
    clipboard.SetPicture("<svg></svg>", *picture);
    EXPECT_EQ(clipboard.GetSvg(), "<svg></svg>");
    ASSERT_TRUE(clipboard.HasImage());
    EXPECT_EQ(*clipboard.GetImage()->GetPixel({7, 7}), (Rgb{200, 10, 20}));
}
