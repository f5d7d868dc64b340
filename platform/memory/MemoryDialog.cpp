#include "platform/memory/MemoryDialog.h"

#include "platform/memory/MemoryPlatform.h"

#include <algorithm>

namespace korvane::platform {
namespace {

using Kind = res::ControlTemplate::Kind;

// Cuts a UTF-8 text after `limit` characters.
std::string CutToLength(const std::string& text, int limit) {
    if (limit <= 0)
        return text;
    int count = 0;
    for (std::size_t i = 0; i < text.size(); ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && count++ == limit)
            return text.substr(0, i);
    return text;
}

bool HasList(Kind kind) { return kind == Kind::ListBox || kind == Kind::ComboBox; }

} // namespace

MemoryDialog::MemoryDialog(MemoryPlatform* platform, const res::DialogTemplate& dialog, DialogHandler& handler,
                           bool modal)
    : platform_(platform), template_(dialog), handler_(handler), modal_(modal),
      title_(dialog.title ? dialog.title : "") {
    int group = -1;
    bool inRun = false;
    for (std::size_t i = 0; i < dialog.controls.size(); ++i) {
        const res::ControlTemplate& c = dialog.controls[i];
        const bool radio = c.kind == Kind::RadioButton;
        if (radio && !inRun)
            group = int(i);
        inRun = radio;
        ControlState state;
        state.kind = c.kind;
        state.text = c.text ? c.text : "";
        state.maxLength = c.maxLength;
        state.group = radio ? group : -1;
        if (HasList(c.kind))
            state.text = c.kind == Kind::ComboBox ? state.text : "";
        controls_.emplace(c.id, std::move(state));
    }
    if (platform_)
        platform_->Register(this);
}

MemoryDialog::~MemoryDialog() {
    if (platform_)
        platform_->Unregister(this);
}

ControlState* MemoryDialog::Find(int id) {
    const auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : &it->second;
}

const ControlState* MemoryDialog::Control(int id) const {
    const auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : &it->second;
}

ControlState* MemoryDialog::Usable(int id) {
    ControlState* c = Find(id);
    return (c && c->enabled && c->shown && !ended_) ? c : nullptr;
}

std::string MemoryDialog::GetText(int id) const {
    const ControlState* c = Control(id);
    return c ? c->text : std::string();
}

void MemoryDialog::SetText(int id, const std::string& text) {
    if (ControlState* c = Find(id))
        c->text = c->kind == Kind::Edit ? CutToLength(text, c->maxLength) : text;
}

bool MemoryDialog::GetCheck(int id) const {
    const ControlState* c = Control(id);
    return c && c->checked;
}

void MemoryDialog::SetCheck(int id, bool checked) {
    ControlState* c = Find(id);
    if (!c)
        return;
    if (checked && c->group >= 0)
        for (auto& [otherId, other] : controls_)
            if (other.group == c->group)
                other.checked = false;
    c->checked = checked;
}

void MemoryDialog::Enable(int id, bool enabled) {
    if (ControlState* c = Find(id))
        c->enabled = enabled;
}

bool MemoryDialog::IsEnabled(int id) const {
    const ControlState* c = Control(id);
    return c && c->enabled;
}

void MemoryDialog::ShowControl(int id, bool shown) {
    if (ControlState* c = Find(id))
        c->shown = shown;
}

int MemoryDialog::ListAdd(int id, const std::string& text) {
    ControlState* c = Find(id);
    if (!c || !HasList(c->kind))
        return -1;
    c->items.push_back(text);
    return int(c->items.size()) - 1;
}

void MemoryDialog::ListClear(int id) {
    if (ControlState* c = Find(id)) {
        c->items.clear();
        c->selection = -1;
    }
}

void MemoryDialog::ListSelect(int id, int index) {
    ControlState* c = Find(id);
    if (!c || !HasList(c->kind))
        return;
    c->selection = (index >= 0 && index < int(c->items.size())) ? index : -1;
    if (c->kind == Kind::ComboBox && c->selection >= 0)
        c->text = c->items[std::size_t(c->selection)];
}

int MemoryDialog::ListSelection(int id) const {
    const ControlState* c = Control(id);
    return c ? c->selection : -1;
}

int MemoryDialog::ListCount(int id) const {
    const ControlState* c = Control(id);
    return c ? int(c->items.size()) : 0;
}

std::string MemoryDialog::ListItemText(int id, int index) const {
    const ControlState* c = Control(id);
    if (!c || index < 0 || index >= int(c->items.size()))
        return {};
    return c->items[std::size_t(index)];
}

void MemoryDialog::ScrollSetRange(int id, int minimum, int maximum) {
    if (ControlState* c = Find(id)) {
        c->minimum = std::min(minimum, maximum);
        c->maximum = std::max(minimum, maximum);
        c->position = std::clamp(c->position, c->minimum, c->maximum);
    }
}

void MemoryDialog::ScrollSetPosition(int id, int position) {
    if (ControlState* c = Find(id))
        c->position = std::clamp(position, c->minimum, c->maximum);
}

void MemoryDialog::ScrollSetPageStep(int id, int step) {
    if (ControlState* c = Find(id))
        c->pageStep = step;
}

int MemoryDialog::ScrollPosition(int id) const {
    const ControlState* c = Control(id);
    return c ? c->position : 0;
}

void MemoryDialog::End(int result) {
    if (ended_)
        return;
    ended_ = true;
    result_ = result;
    visible_ = false;
    handler_.OnClose(*this, result);
}

void MemoryDialog::Show() {
    visible_ = true;
    if (!modal_)
        ended_ = false;
}

void MemoryDialog::Deliver(int id, ControlEvent event) {
    const bool handled = handler_.OnCommand(*this, id, event);
    if (!handled && event == ControlEvent::Clicked && (id == ResultOk || id == ResultCancel))
        End(id);
}

bool MemoryDialog::Type(int id, const std::string& text) {
    ControlState* c = Usable(id);
    if (!c)
        return false;
    c->text = c->kind == Kind::Edit ? CutToLength(text, c->maxLength) : text;
    Deliver(id, ControlEvent::Changed);
    return true;
}

bool MemoryDialog::Press(int id) {
    ControlState* c = Usable(id);
    // OK and Cancel work through Enter and Escape even when the template has no button.
    if (!c && !(Find(id) == nullptr && (id == ResultOk || id == ResultCancel) && !ended_))
        return false;
    if (c && c->kind == Kind::CheckBox)
        c->checked = !c->checked;
    if (c && c->kind == Kind::RadioButton)
        SetCheck(id, true);
    Deliver(id, ControlEvent::Clicked);
    return true;
}

bool MemoryDialog::Select(int id, int index) {
    ControlState* c = Usable(id);
    if (!c || !HasList(c->kind) || index < 0 || index >= int(c->items.size()))
        return false;
    ListSelect(id, index);
    Deliver(id, ControlEvent::SelectionChanged);
    return true;
}

bool MemoryDialog::DoubleClick(int id, int index) {
    if (!Select(id, index))
        return false;
    if (!ended_)
        Deliver(id, ControlEvent::DoubleClicked);
    return true;
}

bool MemoryDialog::Scroll(int id, int position) {
    ControlState* c = Usable(id);
    if (!c || c->kind != Kind::ScrollBar)
        return false;
    c->position = std::clamp(position, c->minimum, c->maximum);
    Deliver(id, ControlEvent::Scrolled);
    return true;
}

} // namespace korvane::platform
