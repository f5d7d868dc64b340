#pragma once
// Qt key events in the program's key codes (res::Key, res::Modifier).
#include <Qt>

namespace korvane::platform {

// 0 for keys that have no code (a modifier alone, unknown keys). Letters give their
// upper-case code whatever the Shift state; '+' and '-' give KeyAdd and KeySubtract from
// either keyboard; other punctuation gives 0x100 + its ASCII code, clear of the codes of
// the named keys that share the ASCII range.
// A key that types a letter of another alphabet (a Cyrillic or Greek layout) is the
// Latin letter at its place on the keyboard, from its X keycode `scanCode`, so that the
// letter keys of the commands work whatever the layout.
int KeyCodeFromQt(int qtKey, Qt::KeyboardModifiers modifiers, quint32 scanCode = 0);
int ModifiersFromQt(Qt::KeyboardModifiers modifiers);

} // namespace korvane::platform
