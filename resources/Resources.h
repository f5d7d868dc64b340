#pragma once
// The program's resources: the numbered string table, menus and accelerator tables by
// name, dialog templates by name and the help texts. All texts are UTF-8. Plain data,
// readable from every layer.
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace korvane::res {

// String id -> text; nullptr when the table has no such string.
const char* String(int id);
// Message of result code c: string 400 + c, or "erro c" when missing.
std::string Message(int code);

// A menu is a flat list: Popup opens a submenu that runs to its matching End.
struct MenuItem {
    enum Kind { Command, Popup, Separator, End } kind;
    const char* text; // '&' marks the mnemonic; '\t' separates the key text shown flush right
    int id;           // command id (Command only)
};
std::span<const MenuItem> Menu(std::string_view name); // empty when unknown

// Keys of accelerator tables and of PeekKey: printable keys are their upper-case ASCII
// code; the others are these codes.
enum Key : int {
    KeyNone = 0,
    KeyBackspace = 8, KeyTab = 9, KeyEnter = 13, KeyEscape = 27, KeySpace = 32,
    KeyPageUp = 0x21, KeyPageDown = 0x22, KeyEnd = 0x23, KeyHome = 0x24,
    KeyLeft = 0x25, KeyUp = 0x26, KeyRight = 0x27, KeyDown = 0x28,
    KeyInsert = 0x2D, KeyDelete = 0x2E,
    KeyF1 = 0x70, KeyF2, KeyF3, KeyF4, KeyF5, KeyF6, KeyF7, KeyF8, KeyF9, KeyF10, KeyF11, KeyF12,
    KeyAdd = 0x6B, KeySubtract = 0x6D,
};
enum Modifier : int { ModNone = 0, ModShift = 1, ModCtrl = 2, ModAlt = 4 };

struct Accelerator {
    int key;       // Key or upper-case ASCII
    int modifiers; // Modifier bits
    int id;        // command
};
std::span<const Accelerator> Accelerators(std::string_view name);

// Dialog templates carry no coordinates: controls are laid out in rows, in order.
struct ControlTemplate {
    enum Kind { Edit, Static, Button, CheckBox, RadioButton, ComboBox, ListBox, ScrollBar, GroupBox } kind;
    int id;
    const char* text;  // label, caption or initial text
    int width = 0;     // in average characters; 0 lets the platform choose
    bool newRow = false; // start a new row before this control
    int maxLength = 0;   // edit fields: 0 for no limit
    bool secret = false; // edit fields: typed text shown as dots (passwords)
};
struct DialogTemplate {
    const char* name;
    const char* title;
    std::span<const ControlTemplate> controls;
};
const DialogTemplate* Dialog(std::string_view name); // nullptr when unknown
// The button that Enter presses: each template lists its default button ("ok",
// "aplicar", "adicionar", ...) first among its buttons; 1 when it has none. Escape and
// the close box press 2, "cancelar" or "fechar".
int DefaultButton(const DialogTemplate& dialog);

// Help and other named text resources; nullopt when missing.
std::optional<std::string> Text(std::string_view name);

} // namespace korvane::res
