#pragma once
// A platform dialog built from a res::DialogTemplate; its controls are addressed by the
// template's ids. Texts are UTF-8. Operations on an unknown id do nothing and queries
// give empty values.
#include <string>

namespace korvane::platform {

enum DialogResult : int { ResultOk = 1, ResultCancel = 2 };

class Dialog {
public:
    virtual ~Dialog() = default;

    virtual std::string GetTitle() const = 0;
    virtual void SetTitle(const std::string& title) = 0;

    // Edit fields, statics, buttons, check boxes and the edit part of combo boxes.
    virtual std::string GetText(int id) const = 0;
    virtual void SetText(int id, const std::string& text) = 0;
    // Check boxes and radio buttons; checking a radio button unchecks its group (the
    // run of radio buttons it belongs to, in template order).
    virtual bool GetCheck(int id) const = 0;
    virtual void SetCheck(int id, bool checked) = 0;
    virtual void Enable(int id, bool enabled) = 0;
    virtual bool IsEnabled(int id) const = 0;
    virtual void ShowControl(int id, bool shown) = 0;
    virtual void Focus(int id) = 0;

    // List and combo boxes. Indices start at 0; -1 is "no selection".
    virtual int ListAdd(int id, const std::string& text) = 0; // gives the new index
    virtual void ListClear(int id) = 0;
    virtual void ListSelect(int id, int index) = 0;
    virtual int ListSelection(int id) const = 0;
    virtual int ListCount(int id) const = 0;
    virtual std::string ListItemText(int id, int index) const = 0;

    // Scroll bars.
    virtual void ScrollSetRange(int id, int minimum, int maximum) = 0;
    virtual void ScrollSetPosition(int id, int position) = 0;
    virtual int ScrollPosition(int id) const = 0;
    // The step of a click beside the thumb (and of PgUp/PgDn).
    virtual void ScrollSetPageStep(int id, int step) = 0;

    // Ends the dialog with this result: a modal one returns it from Platform::RunModal,
    // a modeless one is hidden. Either way the handler gets OnClose.
    virtual void End(int result) = 0;
    // Modeless dialogs (Hide does not call OnClose).
    virtual void Show() = 0;
    virtual void Hide() = 0;
    virtual bool IsVisible() const = 0;
};

} // namespace korvane::platform
