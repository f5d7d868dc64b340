#pragma once
// What a window receives from the keyboard and the mouse, in the program's key codes
// (res::Key, res::Modifier).
#include "platform/Geometry.h"
#include "resources/Resources.h"

#include <string>

namespace korvane::platform {

struct KeyEvent {
    int key = res::KeyNone; // res::Key or upper-case ASCII
    int modifiers = res::ModNone;
    std::string text; // the character the key types (UTF-8), empty for none
};

enum class MouseAction { Down, Up, Move, DoubleClick, Wheel };
enum MouseButton : int { ButtonNone = 0, ButtonLeft = 1, ButtonRight = 2, ButtonMiddle = 4 };

struct MouseEvent {
    MouseAction action = MouseAction::Move;
    int button = ButtonNone;  // the button that changed (Down, Up, DoubleClick)
    int buttons = ButtonNone; // buttons held after the event
    int modifiers = res::ModNone;
    Point position;           // client pixels
    int wheelDelta = 0;       // Wheel: multiples of 120 per notch, positive away from the user
};

enum class CursorShape { Arrow, Cross, Wait, IBeam, Hand, SizeAll };

} // namespace korvane::platform
