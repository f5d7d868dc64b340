#pragma once
// Key rules shared by every platform: accelerator lookup and the codes PeekKey gives.
#include "resources/Resources.h"

#include <optional>
#include <span>

namespace korvane::platform {

// Upper-cases ASCII letters; other codes are unchanged.
int NormalizeKey(int key);
// The command of the first accelerator with this key and exactly these modifiers. A
// letter matches in either case.
std::optional<int> FindAccelerator(std::span<const res::Accelerator> table, int key, int modifiers);
// PeekKey's answer for a key that is no accelerator: its normalized code, whatever the
// modifiers.
inline constexpr int kStopKey = 'S';

} // namespace korvane::platform
