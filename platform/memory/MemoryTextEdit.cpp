#include "platform/memory/MemoryTextEdit.h"

#include "platform/Utf8.h"

#include <algorithm>

namespace korvane::platform {

std::string MemoryTextEdit::GetText() const { return U32ToUtf8(text_); }

void MemoryTextEdit::SetText(const std::string& utf8) {
    text_ = Utf8ToU32(utf8);
    selection_ = {};
    firstLine_ = 0;
    modified_ = false;
    changed_();
}

void MemoryTextEdit::Select(TextRange range) {
    const int n = int(text_.size());
    selection_ = {std::clamp(range.start, 0, n), std::clamp(range.end, 0, n)};
    // Scrolled so that the selection's line is the top one, as far as the text goes.
    firstLine_ = LineOf(selection_.start);
    changed_();
}

int MemoryTextEdit::LineOf(int position) const {
    return int(std::count(text_.begin(), text_.begin() + position, U'\n'));
}

void MemoryTextEdit::ScrollLines(int lines) {
    const int last = LineOf(int(text_.size()));
    firstLine_ = std::clamp(firstLine_ + lines, 0, last);
}

void MemoryTextEdit::Replace(const std::u32string& with) {
    const int from = std::min(selection_.start, selection_.end);
    const int to = std::max(selection_.start, selection_.end);
    const int room = std::max(0, maxLength_ - (int(text_.size()) - (to - from)));
    const std::u32string taken = with.substr(0, std::size_t(room));
    text_.replace(std::size_t(from), std::size_t(to - from), taken);
    selection_ = {from + int(taken.size()), from + int(taken.size())};
    modified_ = true;
    changed_();
}

void MemoryTextEdit::Type(const std::string& utf8) {
    if (!readOnly_)
        Replace(Utf8ToU32(utf8));
}

void MemoryTextEdit::Copy() {
    if (selection_.Empty() || !clipboard_)
        return;
    const int from = std::min(selection_.start, selection_.end);
    const int to = std::max(selection_.start, selection_.end);
    clipboard_->SetText(U32ToUtf8(std::u32string_view(text_).substr(std::size_t(from), std::size_t(to - from))));
    changed_();
}

void MemoryTextEdit::Cut() {
    if (readOnly_ || selection_.Empty())
        return;
    Copy();
    Replace({});
}

void MemoryTextEdit::Paste() {
    if (readOnly_ || !clipboard_)
        return;
    if (const auto text = clipboard_->GetText(); text && !text->empty())
        Replace(Utf8ToU32(*text));
}

} // namespace korvane::platform
