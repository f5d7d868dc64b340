#include "platform/qt/QtTextEdit.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

#include <algorithm>

namespace korvane::platform {
namespace {

// Character position -> UTF-16 position and back.
int Utf16Of(const QString& text, int characters) {
    int units = 0;
    for (int c = 0; c < characters && units < text.size(); ++c)
        units += (text[units].isHighSurrogate() && units + 1 < text.size()) ? 2 : 1;
    return units;
}

int CharactersOf(const QString& text, int units) {
    int characters = 0;
    for (int u = 0; u < units && u < text.size(); ++characters)
        u += (text[u].isHighSurrogate() && u + 1 < text.size()) ? 2 : 1;
    return characters;
}

int LengthOf(const QString& text) { return CharactersOf(text, int(text.size())); }

} // namespace

QtTextEdit::QtTextEdit(QPlainTextEdit* edit, std::function<void()> changed)
    : edit_(edit), changed_(std::move(changed)) {
    edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [this] {
        EnforceLimit();
        changed_();
    });
    QObject::connect(edit, &QPlainTextEdit::selectionChanged, edit, [this] { changed_(); });
    QObject::connect(edit, &QPlainTextEdit::copyAvailable, edit, [this](bool) { changed_(); });
}

// Typing and pasting beyond the limit are taken back, as a limited edit control refuses them.
void QtTextEdit::EnforceLimit() {
    if (enforcing_ || !edit_)
        return;
    const QString text = edit_->toPlainText();
    const int excess = LengthOf(text) - maxLength_;
    if (excess <= 0)
        return;
    enforcing_ = true;
    QTextCursor cursor = edit_->textCursor();
    const int end = cursor.position();
    // Remove the characters just before the cursor: they are the ones that came in last.
    int units = 0, removed = 0;
    while (removed < excess && end - units > 0) {
        units += (end - units >= 2 && text[end - units - 1].isLowSurrogate()) ? 2 : 1;
        ++removed;
    }
    cursor.setPosition(end - units);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    enforcing_ = false;
}

std::string QtTextEdit::GetText() const { return edit_ ? edit_->toPlainText().toStdString() : std::string(); }

void QtTextEdit::SetText(const std::string& utf8) {
    if (!edit_)
        return;
    // Hidden while the text is replaced, so that a long text does not show every step.
    const bool visible = edit_->isVisible();
    edit_->setUpdatesEnabled(false);
    edit_->setPlainText(QString::fromUtf8(utf8.data(), qsizetype(utf8.size())));
    edit_->document()->setModified(false);
    edit_->moveCursor(QTextCursor::Start);
    edit_->verticalScrollBar()->setValue(0);
    edit_->setUpdatesEnabled(true);
    if (visible)
        edit_->viewport()->update();
}

bool QtTextEdit::IsModified() const { return edit_ && edit_->document()->isModified(); }
void QtTextEdit::SetModified(bool modified) {
    if (edit_)
        edit_->document()->setModified(modified);
}
void QtTextEdit::SetReadOnly(bool readOnly) {
    if (edit_)
        edit_->setReadOnly(readOnly);
}
bool QtTextEdit::IsReadOnly() const { return edit_ && edit_->isReadOnly(); }

void QtTextEdit::SetFont(const FontSpec& font) {
    if (!edit_)
        return;
    QFont f(QString::fromStdString(font.face));
    f.setPixelSize(std::max(1, font.height));
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    edit_->setFont(f);
}

TextRange QtTextEdit::Selection() const {
    if (!edit_)
        return {};
    const QString text = edit_->toPlainText();
    const QTextCursor c = edit_->textCursor();
    return {CharactersOf(text, c.selectionStart()), CharactersOf(text, c.selectionEnd())};
}

void QtTextEdit::Select(TextRange range) {
    if (!edit_)
        return;
    const QString text = edit_->toPlainText();
    QTextCursor c = edit_->textCursor();
    c.setPosition(Utf16Of(text, std::max(0, range.start)));
    c.setPosition(Utf16Of(text, std::max(0, range.end)), QTextCursor::KeepAnchor);
    edit_->setTextCursor(c);
    edit_->ensureCursorVisible();
}

void QtTextEdit::SelectAll() {
    if (edit_)
        edit_->selectAll();
}
void QtTextEdit::Copy() {
    if (edit_)
        edit_->copy();
}
void QtTextEdit::Cut() {
    if (edit_)
        edit_->cut();
}
void QtTextEdit::Paste() {
    if (edit_)
        edit_->paste();
}

void QtTextEdit::ScrollToTop() {
    if (edit_)
        edit_->verticalScrollBar()->setValue(0);
}

void QtTextEdit::ScrollLines(int lines) {
    if (edit_)
        edit_->verticalScrollBar()->setValue(edit_->verticalScrollBar()->value() + lines);
}

int QtTextEdit::FirstVisibleLine() const { return edit_ ? edit_->verticalScrollBar()->value() : 0; }

} // namespace korvane::platform
