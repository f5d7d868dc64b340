#pragma once
// The in-memory Dialog: the controls of its template with their texts, checks, lists
// and scroll positions. Tests (usually through MemoryPlatform's modal scripts) fill it
// and press its buttons as a user would; pressing goes to the DialogHandler first.
#include "platform/Dialog.h"
#include "platform/DialogHandler.h"
#include "resources/Resources.h"

#include <map>
#include <string>
#include <vector>

namespace korvane::platform {

class MemoryPlatform;

struct ControlState {
    res::ControlTemplate::Kind kind = res::ControlTemplate::Edit;
    std::string text;
    bool checked = false;
    bool enabled = true;
    bool shown = true;
    int maxLength = 0;
    std::vector<std::string> items;
    int selection = -1;
    int minimum = 0, maximum = 100, position = 0, pageStep = 10;
    int group = -1; // radio buttons: index of their run in the template
};

class MemoryDialog : public Dialog {
public:
    MemoryDialog(MemoryPlatform* platform, const res::DialogTemplate& dialog, DialogHandler& handler, bool modal);
    ~MemoryDialog() override;
    MemoryDialog(const MemoryDialog&) = delete;
    MemoryDialog& operator=(const MemoryDialog&) = delete;

    std::string GetTitle() const override { return title_; }
    void SetTitle(const std::string& title) override { title_ = title; }
    std::string GetText(int id) const override;
    void SetText(int id, const std::string& text) override;
    bool GetCheck(int id) const override;
    void SetCheck(int id, bool checked) override;
    void Enable(int id, bool enabled) override;
    bool IsEnabled(int id) const override;
    void ShowControl(int id, bool shown) override;
    void Focus(int id) override { focus_ = id; }
    int ListAdd(int id, const std::string& text) override;
    void ListClear(int id) override;
    void ListSelect(int id, int index) override;
    int ListSelection(int id) const override;
    int ListCount(int id) const override;
    std::string ListItemText(int id, int index) const override;
    void ScrollSetRange(int id, int minimum, int maximum) override;
    void ScrollSetPosition(int id, int position) override;
    int ScrollPosition(int id) const override;
    void ScrollSetPageStep(int id, int step) override;
    void End(int result) override;
    void Show() override; // a modeless dialog that ended runs again
    void Hide() override { visible_ = false; }
    bool IsVisible() const override { return visible_; }

    // Driving it. Each returns false, sending nothing, when the control is missing,
    // disabled or hidden.
    bool Type(int id, const std::string& text); // replaces the text (cut at maxLength), Changed
    bool Press(int id);                         // toggles check boxes, checks radio buttons, Clicked
    bool Select(int id, int index);             // SelectionChanged
    bool DoubleClick(int id, int index);        // selects, then DoubleClicked
    bool Scroll(int id, int position);          // clamped to the range, Scrolled
    bool Enter() { return Press(res::DefaultButton(template_)); }
    bool Escape() { return Press(ResultCancel); }

    // Inspection.
    const res::DialogTemplate& Template() const { return template_; }
    const ControlState* Control(int id) const; // null when the template has no such id
    bool Ended() const { return ended_; }
    int Result() const { return result_; }
    bool Modal() const { return modal_; }
    int Focused() const { return focus_; }
    DialogHandler& Handler() { return handler_; }
    // The platform is going away before this object.
    void Detach() { platform_ = nullptr; }

private:
    ControlState* Find(int id);
    ControlState* Usable(int id);
    void Deliver(int id, ControlEvent event);

    MemoryPlatform* platform_;
    const res::DialogTemplate& template_;
    DialogHandler& handler_;
    bool modal_;
    std::string title_;
    std::map<int, ControlState> controls_;
    bool visible_ = false;
    bool ended_ = false;
    int result_ = 0;
    int focus_ = 0;
};

} // namespace korvane::platform
