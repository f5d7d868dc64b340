#include "platform/qt/QtKeys.h"

#include "resources/Resources.h"

#include <string_view>

namespace korvane::platform {
namespace {

struct NamedKey {
    int qt;
    int code;
};

constexpr NamedKey kNamedKeys[] = {
    {Qt::Key_Backspace, res::KeyBackspace}, {Qt::Key_Tab, res::KeyTab},       {Qt::Key_Backtab, res::KeyTab},
    {Qt::Key_Return, res::KeyEnter},        {Qt::Key_Enter, res::KeyEnter},   {Qt::Key_Escape, res::KeyEscape},
    {Qt::Key_Space, res::KeySpace},         {Qt::Key_PageUp, res::KeyPageUp}, {Qt::Key_PageDown, res::KeyPageDown},
    {Qt::Key_End, res::KeyEnd},             {Qt::Key_Home, res::KeyHome},     {Qt::Key_Left, res::KeyLeft},
    {Qt::Key_Up, res::KeyUp},               {Qt::Key_Right, res::KeyRight},   {Qt::Key_Down, res::KeyDown},
    {Qt::Key_Insert, res::KeyInsert},       {Qt::Key_Delete, res::KeyDelete}, {Qt::Key_Plus, res::KeyAdd},
    {Qt::Key_Minus, res::KeySubtract},
};

// The letters of a US keyboard by X keycode (evdev code + 8), rows from the top.
constexpr struct {
    quint32 first;
    const char* letters;
} kLetterRows[] = {{24, "QWERTYUIOP"}, {38, "ASDFGHJKL"}, {52, "ZXCVBNM"}};

int LetterAtKeycode(quint32 scanCode) {
    for (const auto& row : kLetterRows) {
        const std::string_view letters(row.letters);
        if (scanCode >= row.first && scanCode < row.first + letters.size())
            return letters[scanCode - row.first];
    }
    return res::KeyNone;
}

} // namespace

int KeyCodeFromQt(int qtKey, Qt::KeyboardModifiers, quint32 scanCode) {
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return 'A' + (qtKey - Qt::Key_A);
    // Letters of other alphabets have their Unicode code as key, below the named keys.
    if (qtKey > 0x7F && qtKey < Qt::Key_Escape)
        if (const int letter = LetterAtKeycode(scanCode); letter != res::KeyNone)
            return letter;
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return '0' + (qtKey - Qt::Key_0);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12)
        return res::KeyF1 + (qtKey - Qt::Key_F1);
    for (const NamedKey& k : kNamedKeys)
        if (k.qt == qtKey)
            return k.code;
    if (qtKey > 0x20 && qtKey < 0x7F)
        return 0x100 + qtKey;
    return res::KeyNone;
}

int ModifiersFromQt(Qt::KeyboardModifiers modifiers) {
    int out = res::ModNone;
    if (modifiers & Qt::ShiftModifier)
        out |= res::ModShift;
    if (modifiers & Qt::ControlModifier)
        out |= res::ModCtrl;
    if (modifiers & Qt::AltModifier)
        out |= res::ModAlt;
    return out;
}

} // namespace korvane::platform
