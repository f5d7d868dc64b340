#pragma once
// The edit control of a Qt text window: a QPlainTextEdit seen through TextEdit. Qt counts
// positions in UTF-16 units; the core counts characters, so positions are converted here.
#include "platform/TextEdit.h"

#include <QPointer>

class QPlainTextEdit;

namespace korvane::platform {

class QtTextEdit : public TextEdit {
public:
    // `changed` runs after a change of the text or the selection.
    QtTextEdit(QPlainTextEdit* edit, std::function<void()> changed);

    std::string GetText() const override;
    void SetText(const std::string& utf8) override;
    bool IsModified() const override;
    void SetModified(bool modified) override;
    void SetMaxLength(int characters) override { maxLength_ = characters; }
    void SetReadOnly(bool readOnly) override;
    bool IsReadOnly() const override;
    void SetFont(const FontSpec& font) override;
    TextRange Selection() const override;
    void Select(TextRange range) override;
    void SelectAll() override;
    void Copy() override;
    void Cut() override;
    void Paste() override;
    void ScrollToTop() override;
    void ScrollLines(int lines) override;
    int FirstVisibleLine() const override;

private:
    void EnforceLimit();

    QPointer<QPlainTextEdit> edit_;
    std::function<void()> changed_;
    int maxLength_ = 0x7fffffff;
    bool enforcing_ = false;
};

} // namespace korvane::platform
