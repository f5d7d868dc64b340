#include "platform/qt/QtPlatform.h"

#include "platform/ConfigDirectory.h"
#include "platform/FileFilter.h"
#include "platform/qt/QtDialog.h"
#include "platform/qt/QtExportSurface.h"
#include "platform/qt/QtPrinter.h"
#include "platform/qt/QtSingleInstance.h"
#include "platform/qt/QtSurface.h"
#include "platform/qt/QtWindow.h"
#include "platform/qt/QtWindowWidget.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSvgRenderer>
#include <QTimer>
#include <QVBoxLayout>

#include <chrono>
#include <ctime>

#include <unistd.h>

namespace korvane::platform {
namespace {

QString ToQString(const std::string& s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

QWidget* WidgetOf(Window* window) {
    auto* qt = dynamic_cast<QtWindow*>(window);
    return qt ? qt->Widget() : nullptr;
}

void EnsureApplication(int* argc, char** argv) {
    if (QApplication::instance())
        return;
    static int defaultArgc = 1;
    static char defaultName[] = "korvane";
    static char* defaultArgv[] = {defaultName, nullptr};
    // The one application object of the program; it lives until the process ends.
    new QApplication(argc ? *argc : defaultArgc, argc ? argv : defaultArgv);
}

// Our windows' own widgets (not their menu bars, nor dialogs) are what the gate holds.
QtWindow* GatedWindow(QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    auto* top = widget ? dynamic_cast<QtWindowWidget*>(widget->window()) : nullptr;
    if (!top || (widget != top && widget != top->Client()))
        return nullptr;
    return top->Owner();
}

// "desc|patterns" in Qt's "desc (patterns)" form.
QStringList QtFilters(const std::string& filter) {
    QStringList out;
    for (const FileFilter& f : ParseFileFilter(filter)) {
        QString description = ToQString(f.description);
        if (const qsizetype open = description.lastIndexOf('('); open > 0 && description.endsWith(')'))
            description = description.left(open).trimmed();
        QStringList patterns;
        for (const std::string& p : f.patterns)
            patterns << ToQString(p);
        out << description + " (" + patterns.join(' ') + ")";
    }
    return out;
}

} // namespace

// Holds the input of busy windows back, and sends keys of the program's windows to them.
class QtPlatform::Gate : public QObject {
public:
    explicit Gate(QtPlatform& platform) : platform_(platform) {}

    bool eventFilter(QObject* object, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride &&
            type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease &&
            type != QEvent::MouseButtonDblClick && type != QEvent::MouseMove && type != QEvent::Wheel &&
            type != QEvent::ContextMenu)
            return false;
        QtWindow* window = GatedWindow(object);
        if (!window)
            return false;
        // The edit control of a text window takes its keys itself; only the accelerators are ours.
        if (window->GetTextEdit())
            return type == QEvent::KeyPress && window->TextWindowKey(*static_cast<QKeyEvent*>(event));
        if (type == QEvent::KeyPress) {
            window->KeyPressed(*static_cast<QKeyEvent*>(event));
            return true;
        }
        if (!platform_.Busy())
            return false;
        switch (type) {
        case QEvent::ShortcutOverride:
            event->accept(); // so that no shortcut fires; the key press comes to us
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
            platform_.DeferEvent(object, event->clone());
            return true;
        default:
            return true; // moves, key releases, context menus: nothing to keep
        }
    }

private:
    QtPlatform& platform_;
};

QtPlatform::QtPlatform() {
    Init(nullptr, nullptr);
}

QtPlatform::QtPlatform(int& argc, char** argv) {
    Init(&argc, argv);
}

void QtPlatform::Init(int* argc, char** argv) {
    EnsureApplication(argc, argv);
    // The program ends at Quit: a hidden message window or a closing frame must not end it
    // behind the core's back.
    QApplication::setQuitOnLastWindowClosed(false);
    gate_ = std::make_unique<Gate>(*this);
    qApp->installEventFilter(gate_.get());
}

QtPlatform::~QtPlatform() {
    qApp->removeEventFilter(gate_.get());
    for (auto& [title, window] : textWindows_)
        delete window.data();
}

std::unique_ptr<Window> QtPlatform::CreateWindow(const WindowSpec& request, WindowHandler& handler) {
    return std::make_unique<QtWindow>(*this, request, handler);
}

std::unique_ptr<Surface> QtPlatform::CreateSurface(Size size) {
    return std::make_unique<QtSurface>(size);
}

std::unique_ptr<ExportSurface> QtPlatform::CreateExportSurface(const std::string& path, Size size) {
    return QtExportSurface::Create(path, size);
}

int QtPlatform::RunModal(const res::DialogTemplate& dialog, DialogHandler& handler, Window* owner) {
    QtDialog d(dialog, handler, WidgetOf(owner), true);
    handler.OnInit(d);
    return d.Exec();
}

std::unique_ptr<Dialog> QtPlatform::CreateModeless(const res::DialogTemplate& dialog, DialogHandler& handler,
                                                   Window* owner) {
    auto d = std::make_unique<QtDialog>(dialog, handler, WidgetOf(owner), false);
    if (d->Widget())
        d->Widget()->setWindowFlag(Qt::Dialog);
    handler.OnInit(*d);
    return d;
}

MessageAnswer QtPlatform::MessageBox(const std::string& text, const std::string& caption, MessageButtons buttons,
                                     MessageIcon icon, Window* owner) {
    QMessageBox box(WidgetOf(owner));
    box.setWindowTitle(ToQString(caption));
    box.setText(ToQString(text));
    static const QMessageBox::Icon icons[] = {QMessageBox::NoIcon, QMessageBox::Information, QMessageBox::Warning,
                                              QMessageBox::Critical, QMessageBox::Question};
    box.setIcon(icons[int(icon)]);
    struct Choice {
        const char* text;
        QMessageBox::ButtonRole role;
        MessageAnswer answer;
    };
    std::vector<Choice> choices;
    if (buttons == MessageButtons::Ok || buttons == MessageButtons::OkCancel)
        choices.push_back({"OK", QMessageBox::AcceptRole, AnswerOk});
    if (buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoCancel) {
        choices.push_back({"Sim", QMessageBox::YesRole, AnswerYes});
        choices.push_back({"Não", QMessageBox::NoRole, AnswerNo});
    }
    if (buttons == MessageButtons::OkCancel || buttons == MessageButtons::YesNoCancel)
        choices.push_back({"Cancelar", QMessageBox::RejectRole, AnswerCancel});
    std::vector<std::pair<QAbstractButton*, MessageAnswer>> made;
    for (const Choice& c : choices)
        made.emplace_back(box.addButton(QString::fromUtf8(c.text), c.role), c.answer);
    box.setDefaultButton(static_cast<QPushButton*>(made.front().first));
    box.setEscapeButton(made.back().first);
    box.exec();
    for (const auto& [button, answer] : made)
        if (box.clickedButton() == button)
            return answer;
    // Closed without a button: what Escape gives.
    return made.back().second;
}

std::optional<std::string> QtPlatform::InputBox(const std::string& caption, const std::string& prompt,
                                                const std::string& initial, Window* owner, int maxLength) {
    QDialog dialog(WidgetOf(owner));
    dialog.setWindowTitle(ToQString(caption));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(ToQString(prompt), &dialog));
    auto* edit = new QLineEdit(ToQString(initial), &dialog);
    if (maxLength > 0)
        edit->setMaxLength(maxLength);
    edit->selectAll();
    layout->addWidget(edit);
    auto* buttons = new QDialogButtonBox(&dialog);
    buttons->addButton("OK", QDialogButtonBox::AcceptRole);
    buttons->addButton("Cancelar", QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    dialog.setObjectName("korvaneInputBox");
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return edit->text().toStdString();
}

std::optional<std::string> QtPlatform::OpenFileDialog(const FileDialogSpec& request) {
    QFileDialog dialog(WidgetOf(request.owner), ToQString(request.title), ToQString(request.initialPath));
    dialog.setNameFilters(QtFilters(request.filter));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().front().toStdString();
}

std::optional<std::string> QtPlatform::SaveFileDialog(const FileDialogSpec& request) {
    QFileDialog dialog(WidgetOf(request.owner), ToQString(request.title), ToQString(request.initialPath));
    const QStringList filters = QtFilters(request.filter);
    dialog.setNameFilters(filters);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    if (!request.defaultExtension.empty())
        dialog.setDefaultSuffix(ToQString(request.defaultExtension));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    std::string path = dialog.selectedFiles().front().toStdString();
    // A typed name without extension takes the chosen filter's.
    if (QFileInfo(ToQString(path)).suffix().isEmpty()) {
        const std::vector<FileFilter> parsed = ParseFileFilter(request.filter);
        const qsizetype chosen = filters.indexOf(dialog.selectedNameFilter());
        if (chosen >= 0 && chosen < qsizetype(parsed.size()))
            if (const std::string ext = FirstExtension(parsed[std::size_t(chosen)]); !ext.empty())
                path += "." + ext;
    }
    return path;
}

std::optional<FontChoice> QtPlatform::ChooseFont(const FontChoice& initial, Window* owner) {
    bool ok = false;
    QFont start = ToQFont(initial.font);
    start.setPointSize(std::max(1, initial.pointSize));
    const QFont chosen = QFontDialog::getFont(&ok, start, WidgetOf(owner), "fonte");
    if (!ok)
        return std::nullopt;
    FontChoice choice = initial;
    choice.pointSize = std::max(1, chosen.pointSize());
    choice.font = FromQFont(chosen);
    choice.font.height = std::max(1, int(choice.pointSize * ScreenDpi() / 72.0 + 0.5));
    choice.font.symbol = initial.font.symbol;
    return choice;
}

void QtPlatform::ShowTextWindow(const std::string& title, const std::string& text) {
    QPointer<QPlainTextEdit>& window = textWindows_[title];
    if (!window) {
        window = new QPlainTextEdit;
        window->setReadOnly(true);
        window->setWindowTitle(ToQString(title));
        window->resize(560, 420);
    }
    window->setPlainText(ToQString(text));
    window->show();
    window->raise();
}

std::unique_ptr<Printer> QtPlatform::CreatePrinter() {
    return std::make_unique<QtPrinter>();
}

Size QtPlatform::ScreenSize() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {1024, 768};
    return {screen->geometry().width(), screen->geometry().height()};
}

std::vector<Rect> QtPlatform::ScreenAreas() const {
    std::vector<Rect> areas;
    const QScreen* primary = QGuiApplication::primaryScreen();
    const auto add = [&areas](const QScreen* screen) {
        const QRect a = screen->availableGeometry();
        areas.push_back({a.left(), a.top(), a.left() + a.width(), a.top() + a.height()});
    };
    if (primary)
        add(primary);
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen != primary)
            add(screen);
    if (areas.empty())
        areas.push_back(Rect::FromSize({0, 0}, ScreenSize()));
    return areas;
}

namespace {

QByteArray BytesOf(std::span<const std::uint8_t> data) {
    return QByteArray(reinterpret_cast<const char*>(data.data()), qsizetype(data.size()));
}

bool IsPng(std::span<const std::uint8_t> data) { return data.size() > 8 && data[0] == 0x89 && data[1] == 'P'; }

} // namespace

std::optional<Size> QtPlatform::PictureSize(std::span<const std::uint8_t> data) const {
    if (IsPng(data)) {
        const QImage image = QImage::fromData(BytesOf(data), "PNG");
        if (image.isNull())
            return std::nullopt;
        return Size{image.width(), image.height()};
    }
    QSvgRenderer svg(BytesOf(data));
    if (!svg.isValid())
        return std::nullopt;
    const QSize size = svg.defaultSize();
    return Size{std::max(1, size.width()), std::max(1, size.height())};
}

std::unique_ptr<Surface> QtPlatform::RenderPicture(std::span<const std::uint8_t> data, Size full, const Rect& part,
                                                   Rgb background) {
    if (full.Empty() || part.Empty())
        return nullptr;
    QImage image;
    std::unique_ptr<QSvgRenderer> svg;
    if (IsPng(data))
        image = QImage::fromData(BytesOf(data), "PNG");
    else
        svg = std::make_unique<QSvgRenderer>(BytesOf(data));
    if (svg ? !svg->isValid() : image.isNull())
        return nullptr;
    // Only the part that shows is drawn: a picture zoomed far in is never made whole.
    auto surface = std::make_unique<QtSurface>(Size{part.Width(), part.Height()}, background);
    QPainter& painter = *surface->ActivePainter();
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.translate(-part.left, -part.top);
    const QRectF target(0, 0, full.width, full.height);
    if (svg)
        svg->render(&painter, target);
    else
        painter.drawImage(target, image);
    painter.restore();
    return surface;
}

int QtPlatform::ScreenDpi() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? int(screen->logicalDotsPerInchY() + 0.5) : 96;
}

std::string QtPlatform::ConfigDirectory() {
    const std::string dir = ConfigDirectoryFromEnvironment();
    EnsureDirectory(dir);
    return dir;
}

std::int64_t QtPlatform::CurrentTime() const {
    return std::int64_t(std::time(nullptr));
}

std::int64_t QtPlatform::TickCount() const {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

std::string QtPlatform::InstanceName() {
    // FNV-1a of the settings folder: tests with their own folder get their own instance.
    std::uint32_t hash = 2166136261u;
    for (unsigned char c : ConfigDirectory())
        hash = (hash ^ c) * 16777619u;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "korvane-%u-%08x", unsigned(::getuid()), unsigned(hash));
    return buffer;
}

InstanceRole QtPlatform::ClaimInstance(const std::string& path, std::function<void(const std::string&)> onPath) {
    if (instance_)
        return InstanceRole::First;
    instance_ = std::make_unique<QtSingleInstance>(InstanceName());
    auto deliver = [this, onPath](const std::string& handed) {
        if (!onPath)
            return;
        if (Busy())
            Defer([onPath, handed] { onPath(handed); });
        else
            onPath(handed);
    };
    const InstanceRole role = instance_->Claim(path, deliver);
    if (role != InstanceRole::First)
        instance_.reset();
    return role;
}

int QtPlatform::Run() {
    return QApplication::exec();
}

void QtPlatform::Quit(int exitCode) {
    QApplication::exit(exitCode);
}

void QtPlatform::LeaveBusy() {
    if (--busy_ == 0)
        ScheduleFlush();
}

void QtPlatform::Defer(std::function<void()> job) {
    deferred_.push_back(std::move(job));
    ScheduleFlush();
}

void QtPlatform::DeferEvent(QObject* target, QEvent* event) {
    // Sent, not posted, when its turn comes: it must keep its place among the other jobs
    // (a click before a close is handled before the window goes).
    std::shared_ptr<QEvent> held(event);
    QPointer<QObject> to(target);
    Defer([to, held] {
        if (to)
            QCoreApplication::sendEvent(to, held.get());
    });
}

void QtPlatform::ScheduleFlush() {
    if (flushScheduled_ || Busy())
        return;
    flushScheduled_ = true;
    QTimer::singleShot(0, gate_.get(), [this] { Flush(); });
}

void QtPlatform::Flush() {
    flushScheduled_ = false;
    if (Busy())
        return; // LeaveBusy schedules the next one
    const std::vector<QtWindow*> windows = windows_;
    for (QtWindow* w : windows) {
        if (Registered(w))
            w->RunDeferred();
        if (Busy())
            return;
    }
    std::vector<std::function<void()>> jobs = std::exchange(deferred_, {});
    for (std::size_t i = 0; i < jobs.size(); ++i) {
        jobs[i]();
        if (Busy()) {
            deferred_.insert(deferred_.begin(), std::make_move_iterator(jobs.begin() + qsizetype(i) + 1),
                             std::make_move_iterator(jobs.end()));
            return;
        }
    }
}

void QtPlatform::Unregister(QtWindow* window) {
    std::erase(windows_, window);
}

bool QtPlatform::Registered(const QtWindow* window) const {
    return std::find(windows_.begin(), windows_.end(), window) != windows_.end();
}

} // namespace korvane::platform
