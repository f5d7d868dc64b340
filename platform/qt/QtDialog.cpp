#include "platform/qt/QtDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace korvane::platform {
namespace {

using Kind = res::ControlTemplate::Kind;

QString ToQString(const std::string& s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }
QString ToQString(const char* s) { return s ? QString::fromUtf8(s) : QString(); }

// Guards a programmatic change, so that the handler hears only the user's.
class Quiet {
public:
    explicit Quiet(bool& flag) : flag_(flag), saved_(flag) { flag_ = true; }
    ~Quiet() { flag_ = saved_; }
    Quiet(const Quiet&) = delete;
    Quiet& operator=(const Quiet&) = delete;

private:
    bool& flag_;
    bool saved_;
};

} // namespace

// The QDialog: Enter becomes the template's default button, Escape and the close box
// command 2.
class QtDialog::Form : public QDialog {
public:
    Form(QtDialog* owner, QWidget* parent, int defaultButton)
        : QDialog(parent), owner_(owner), defaultButton_(defaultButton) {}
    void Detach() { owner_ = nullptr; }

protected:
    void keyPressEvent(QKeyEvent* e) override {
        if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && e->modifiers() == Qt::NoModifier) {
            if (owner_)
                owner_->Deliver(defaultButton_, ControlEvent::Clicked);
            return;
        }
        QDialog::keyPressEvent(e);
    }
    void reject() override {
        if (owner_)
            owner_->Deliver(ResultCancel, ControlEvent::Clicked);
        else
            QDialog::reject();
    }

private:
    QtDialog* owner_;
    int defaultButton_;
};

QtDialog::QtDialog(const res::DialogTemplate& dialog, DialogHandler& handler, QWidget* parent, bool modal)
    : handler_(handler), modal_(modal), form_(new Form(this, parent, res::DefaultButton(dialog))) {
    form_->setWindowTitle(ToQString(dialog.title));
    form_->setModal(modal);
    if (modal)
        form_->setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
    Build(dialog);
}

QtDialog::~QtDialog() {
    if (form_) {
        form_->Detach();
        form_->hide();
        form_->deleteLater();
    }
}

void QtDialog::Build(const res::DialogTemplate& dialog) {
    auto* rows = new QVBoxLayout(form_);
    QHBoxLayout* row = nullptr;
    QButtonGroup* group = nullptr;
    for (const res::ControlTemplate& c : dialog.controls) {
        if (!row || (c.newRow && row->count() > 0)) {
            row = new QHBoxLayout;
            rows->addLayout(row);
        }
        QWidget* widget = MakeControl(c);
        row->addWidget(widget);
        if (c.kind == Kind::RadioButton) {
            if (!group)
                group = new QButtonGroup(form_);
            group->addButton(static_cast<QRadioButton*>(widget));
        } else {
            group = nullptr; // a run of radio buttons ends at any other control
        }
        controls_.emplace(c.id, Control{c.kind, widget});
        Connect(c, widget);
    }
}

QWidget* QtDialog::MakeControl(const res::ControlTemplate& c) {
    const QString text = ToQString(c.text);
    const int charWidth = form_->fontMetrics().averageCharWidth();
    switch (c.kind) {
    case Kind::Edit: {
        auto* edit = new QLineEdit(text, form_);
        if (c.maxLength > 0)
            edit->setMaxLength(c.maxLength);
        if (c.secret)
            edit->setEchoMode(QLineEdit::Password);
        if (c.width > 0)
            edit->setMinimumWidth(charWidth * c.width + 8);
        return edit;
    }
    case Kind::Button: {
        auto* button = new QPushButton(text, form_);
        button->setAutoDefault(false);
        return button;
    }
    case Kind::CheckBox: return new QCheckBox(text, form_);
    case Kind::RadioButton: return new QRadioButton(text, form_);
    case Kind::ComboBox: {
        auto* combo = new QComboBox(form_);
        if (c.width > 0)
            combo->setMinimumWidth(charWidth * c.width + 24);
        return combo;
    }
    case Kind::ListBox: {
        auto* list = new QListWidget(form_);
        if (c.width > 0)
            list->setMinimumWidth(charWidth * c.width + 8);
        return list;
    }
    case Kind::ScrollBar: {
        auto* bar = new QScrollBar(Qt::Horizontal, form_);
        bar->setMinimumWidth(charWidth * (c.width > 0 ? c.width : 20));
        return bar;
    }
    case Kind::GroupBox: {
        auto* label = new QLabel(text, form_);
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
        return label;
    }
    case Kind::Static:
    default: return new QLabel(text, form_);
    }
}

void QtDialog::Connect(const res::ControlTemplate& c, QWidget* widget) {
    const int id = c.id;
    std::weak_ptr<int> alive = alive_;
    auto send = [this, alive, id](ControlEvent event) {
        if (!alive.expired() && !programmatic_)
            Deliver(id, event);
    };
    switch (c.kind) {
    case Kind::Button:
    case Kind::CheckBox:
    case Kind::RadioButton:
        QObject::connect(static_cast<QAbstractButton*>(widget), &QAbstractButton::clicked, form_,
                         [send] { send(ControlEvent::Clicked); });
        break;
    case Kind::Edit:
        QObject::connect(static_cast<QLineEdit*>(widget), &QLineEdit::textEdited, form_,
                         [send] { send(ControlEvent::Changed); });
        break;
    case Kind::ComboBox:
        QObject::connect(static_cast<QComboBox*>(widget), &QComboBox::activated, form_,
                         [send] { send(ControlEvent::SelectionChanged); });
        break;
    case Kind::ListBox: {
        auto* list = static_cast<QListWidget*>(widget);
        QObject::connect(list, &QListWidget::itemSelectionChanged, form_,
                         [send] { send(ControlEvent::SelectionChanged); });
        QObject::connect(list, &QListWidget::itemDoubleClicked, form_,
                         [send] { send(ControlEvent::DoubleClicked); });
        break;
    }
    case Kind::ScrollBar:
        QObject::connect(static_cast<QScrollBar*>(widget), &QScrollBar::valueChanged, form_,
                         [send] { send(ControlEvent::Scrolled); });
        break;
    default: break;
    }
}

const QtDialog::Control* QtDialog::Find(int id) const {
    const auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : &it->second;
}

QWidget* QtDialog::ControlWidget(int id) const {
    const Control* c = Find(id);
    return c ? c->widget : nullptr;
}

QWidget* QtDialog::Widget() const { return form_; }

void QtDialog::Deliver(int id, ControlEvent event) {
    if (ended_ && modal_)
        return;
    std::weak_ptr<int> alive = alive_;
    const bool handled = handler_.OnCommand(*this, id, event);
    if (alive.expired())
        return;
    if (!handled && event == ControlEvent::Clicked && (id == ResultOk || id == ResultCancel))
        End(id);
}

int QtDialog::Exec() {
    // OnInit may already have ended it; exec would show it again and wait.
    if (!ended_ && form_)
        form_->exec();
    return result_;
}

void QtDialog::End(int result) {
    if (!form_)
        return;
    if (modal_) {
        if (ended_)
            return;
        ended_ = true;
        result_ = result;
        form_->done(result);
    } else {
        form_->hide();
        result_ = result;
    }
    handler_.OnClose(*this, result);
}

void QtDialog::Show() {
    if (!form_)
        return;
    form_->show();
    form_->raise();
}

void QtDialog::Hide() {
    if (form_)
        form_->hide();
}

bool QtDialog::IsVisible() const { return form_ && form_->isVisible(); }

std::string QtDialog::GetTitle() const { return form_ ? form_->windowTitle().toStdString() : std::string(); }

void QtDialog::SetTitle(const std::string& title) {
    if (form_)
        form_->setWindowTitle(ToQString(title));
}

std::string QtDialog::GetText(int id) const {
    const Control* c = Find(id);
    if (!c)
        return {};
    if (auto* edit = qobject_cast<QLineEdit*>(c->widget))
        return edit->text().toStdString();
    if (auto* label = qobject_cast<QLabel*>(c->widget))
        return label->text().toStdString();
    if (auto* button = qobject_cast<QAbstractButton*>(c->widget))
        return button->text().toStdString();
    if (auto* combo = qobject_cast<QComboBox*>(c->widget))
        return combo->currentText().toStdString();
    return {};
}

void QtDialog::SetText(int id, const std::string& text) {
    const Control* c = Find(id);
    if (!c)
        return;
    Quiet quiet(programmatic_);
    const QString q = ToQString(text);
    if (auto* edit = qobject_cast<QLineEdit*>(c->widget))
        edit->setText(q);
    else if (auto* label = qobject_cast<QLabel*>(c->widget))
        label->setText(q);
    else if (auto* button = qobject_cast<QAbstractButton*>(c->widget))
        button->setText(q);
    else if (auto* combo = qobject_cast<QComboBox*>(c->widget)) {
        const int index = combo->findText(q);
        if (index >= 0)
            combo->setCurrentIndex(index);
    }
}

bool QtDialog::GetCheck(int id) const {
    const Control* c = Find(id);
    auto* button = c ? qobject_cast<QAbstractButton*>(c->widget) : nullptr;
    return button && button->isCheckable() && button->isChecked();
}

void QtDialog::SetCheck(int id, bool checked) {
    const Control* c = Find(id);
    auto* button = c ? qobject_cast<QAbstractButton*>(c->widget) : nullptr;
    if (!button || !button->isCheckable())
        return;
    Quiet quiet(programmatic_);
    QButtonGroup* group = button->group();
    // An exclusive group never lets its last checked button go by itself.
    if (group && !checked)
        group->setExclusive(false);
    button->setChecked(checked);
    if (group && !checked)
        group->setExclusive(true);
}

void QtDialog::Enable(int id, bool enabled) {
    if (const Control* c = Find(id))
        c->widget->setEnabled(enabled);
}

bool QtDialog::IsEnabled(int id) const {
    const Control* c = Find(id);
    return c && c->widget->isEnabled();
}

void QtDialog::ShowControl(int id, bool shown) {
    if (const Control* c = Find(id))
        c->widget->setVisible(shown);
}

void QtDialog::Focus(int id) {
    if (const Control* c = Find(id))
        c->widget->setFocus();
}

int QtDialog::ListAdd(int id, const std::string& text) {
    const Control* c = Find(id);
    if (!c)
        return -1;
    Quiet quiet(programmatic_);
    if (auto* list = qobject_cast<QListWidget*>(c->widget)) {
        list->addItem(ToQString(text));
        return list->count() - 1;
    }
    if (auto* combo = qobject_cast<QComboBox*>(c->widget)) {
        combo->addItem(ToQString(text));
        if (combo->count() == 1)
            combo->setCurrentIndex(-1);
        return combo->count() - 1;
    }
    return -1;
}

void QtDialog::ListClear(int id) {
    const Control* c = Find(id);
    if (!c)
        return;
    Quiet quiet(programmatic_);
    if (auto* list = qobject_cast<QListWidget*>(c->widget))
        list->clear();
    else if (auto* combo = qobject_cast<QComboBox*>(c->widget))
        combo->clear();
}

void QtDialog::ListSelect(int id, int index) {
    const Control* c = Find(id);
    if (!c)
        return;
    Quiet quiet(programmatic_);
    if (auto* list = qobject_cast<QListWidget*>(c->widget)) {
        if (index >= 0 && index < list->count())
            list->setCurrentRow(index);
        else
            list->clearSelection();
    } else if (auto* combo = qobject_cast<QComboBox*>(c->widget)) {
        combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
    }
}

int QtDialog::ListSelection(int id) const {
    const Control* c = Find(id);
    if (!c)
        return -1;
    if (auto* list = qobject_cast<QListWidget*>(c->widget)) {
        const QList<QListWidgetItem*> selected = list->selectedItems();
        return selected.isEmpty() ? -1 : list->row(selected.front());
    }
    if (auto* combo = qobject_cast<QComboBox*>(c->widget))
        return combo->currentIndex();
    return -1;
}

int QtDialog::ListCount(int id) const {
    const Control* c = Find(id);
    if (!c)
        return 0;
    if (auto* list = qobject_cast<QListWidget*>(c->widget))
        return list->count();
    if (auto* combo = qobject_cast<QComboBox*>(c->widget))
        return combo->count();
    return 0;
}

std::string QtDialog::ListItemText(int id, int index) const {
    const Control* c = Find(id);
    if (!c || index < 0)
        return {};
    if (auto* list = qobject_cast<QListWidget*>(c->widget))
        return index < list->count() ? list->item(index)->text().toStdString() : std::string();
    if (auto* combo = qobject_cast<QComboBox*>(c->widget))
        return index < combo->count() ? combo->itemText(index).toStdString() : std::string();
    return {};
}

void QtDialog::ScrollSetRange(int id, int minimum, int maximum) {
    const Control* c = Find(id);
    if (auto* bar = c ? qobject_cast<QScrollBar*>(c->widget) : nullptr) {
        Quiet quiet(programmatic_);
        bar->setRange(std::min(minimum, maximum), std::max(minimum, maximum));
    }
}

void QtDialog::ScrollSetPosition(int id, int position) {
    const Control* c = Find(id);
    if (auto* bar = c ? qobject_cast<QScrollBar*>(c->widget) : nullptr) {
        Quiet quiet(programmatic_);
        bar->setValue(position);
    }
}

void QtDialog::ScrollSetPageStep(int id, int step) {
    const Control* c = Find(id);
    if (auto* bar = c ? qobject_cast<QScrollBar*>(c->widget) : nullptr)
        bar->setPageStep(std::max(step, 1));
}

int QtDialog::ScrollPosition(int id) const {
    const Control* c = Find(id);
    auto* bar = c ? qobject_cast<QScrollBar*>(c->widget) : nullptr;
    return bar ? bar->value() : 0;
}

} // namespace korvane::platform
