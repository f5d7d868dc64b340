#pragma once
// The multi-line edit control of a text window (WindowKind::Text), as the core sees it.
// Texts are UTF-8; positions and lengths count characters (code points), never bytes.
#include "platform/DrawingTools.h"

#include <string>

namespace korvane::platform {

struct TextRange {
    int start = 0; // the cursor when start == end
    int end = 0;
    bool Empty() const { return start == end; }
    friend bool operator==(const TextRange&, const TextRange&) = default;
};

class TextEdit {
public:
    virtual ~TextEdit() = default;

    virtual std::string GetText() const = 0;
    // Replaces the whole text: the modified mark is cleared, the cursor goes to the start
    // and the first line to the top.
    virtual void SetText(const std::string& utf8) = 0;
    virtual bool IsModified() const = 0;
    virtual void SetModified(bool modified) = 0;
    // Typing and pasting stop at this many characters; SetText is not cut by it.
    virtual void SetMaxLength(int characters) = 0;
    virtual void SetReadOnly(bool readOnly) = 0;
    virtual bool IsReadOnly() const = 0;
    virtual void SetFont(const FontSpec& font) = 0;

    virtual TextRange Selection() const = 0;
    // Selects and scrolls the selection into view; positions are clamped to the text.
    virtual void Select(TextRange range) = 0;
    virtual void SelectAll() = 0;
    // With the system clipboard; each does nothing where it cannot act.
    virtual void Copy() = 0;
    virtual void Cut() = 0;
    virtual void Paste() = 0;
    virtual void ScrollToTop() = 0;
    // Scrolls by whole lines (negative: up).
    virtual void ScrollLines(int lines) = 0;
    virtual int FirstVisibleLine() const = 0;
};

} // namespace korvane::platform
