#pragma once
// What a core dialog class implements to receive the events of its platform dialog.
namespace korvane::platform {

class Dialog;

enum class ControlEvent {
    Clicked,          // buttons, check boxes, radio buttons (after the check changed)
    Changed,          // the text of an edit field, the text of an editable combo box
    SelectionChanged, // list and combo boxes
    DoubleClicked,    // list boxes
    Scrolled,         // scroll bars, after the position changed
};

class DialogHandler {
public:
    virtual ~DialogHandler() = default;

    // The controls exist and hold their template texts: fill them.
    virtual void OnInit(Dialog& dialog) { (void)dialog; }
    // Return true when handled. An unhandled click of 1 (OK, also Enter) or 2 (Cancel,
    // also Escape and the close box) ends a modal dialog with that result and hides a
    // modeless one.
    virtual bool OnCommand(Dialog& dialog, int id, ControlEvent event) {
        (void)dialog; (void)id; (void)event;
        return false;
    }
    // The dialog has ended (modal) or been hidden (modeless) with this result.
    virtual void OnClose(Dialog& dialog, int result) { (void)dialog; (void)result; }
};

} // namespace korvane::platform
