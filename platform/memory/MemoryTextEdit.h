#pragma once
// The in-memory edit control of a text window: the text as characters, a selection, the
// length limit, and the clipboard of the memory platform. Tests type into it with Type.
#include "platform/Clipboard.h"
#include "platform/TextEdit.h"

#include <functional>

namespace korvane::platform {

class MemoryTextEdit : public TextEdit {
public:
    // `changed` runs after every change of the text or the selection.
    MemoryTextEdit(Clipboard* clipboard, std::function<void()> changed)
        : clipboard_(clipboard), changed_(std::move(changed)) {}

    std::string GetText() const override;
    void SetText(const std::string& utf8) override;
    bool IsModified() const override { return modified_; }
    void SetModified(bool modified) override { modified_ = modified; }
    void SetMaxLength(int characters) override { maxLength_ = characters; }
    void SetReadOnly(bool readOnly) override { readOnly_ = readOnly; }
    bool IsReadOnly() const override { return readOnly_; }
    void SetFont(const FontSpec& font) override { font_ = font; }
    TextRange Selection() const override { return selection_; }
    void Select(TextRange range) override;
    void SelectAll() override { Select({0, int(text_.size())}); }
    void Copy() override;
    void Cut() override;
    void Paste() override;
    void ScrollToTop() override { firstLine_ = 0; }
    void ScrollLines(int lines) override;
    int FirstVisibleLine() const override { return firstLine_; }

    // The user types `utf8` over the selection (as far as the length limit lets him).
    void Type(const std::string& utf8);
    const FontSpec& Font() const { return font_; }
    int Length() const { return int(text_.size()); }

private:
    void Replace(const std::u32string& with);
    int LineOf(int position) const;

    Clipboard* clipboard_;
    std::function<void()> changed_;
    std::u32string text_;
    TextRange selection_;
    FontSpec font_;
    int maxLength_ = 0x7fffffff;
    int firstLine_ = 0;
    bool modified_ = false;
    bool readOnly_ = false;
};

} // namespace korvane::platform
