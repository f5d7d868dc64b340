#pragma once
// Key rules shared by every platform: accelerator lookup and the codes PeekKey gives.
// Keys are res::Key codes, in which a letter is always its upper-case code (0x41-0x5A,
// with or without Shift) and 0x70-0x7B are F1-F12, so there are no lower-case letters.
#include "resources/Resources.h"

#include <optional>
#include <span>

namespace korvane::platform {

// The command of the first accelerator with this key and exactly these modifiers.
std::optional<int> FindAccelerator(std::span<const res::Accelerator> table, int key, int modifiers);
// What PeekKey gives for an accelerator: the code of S, which stops long drawings.
inline constexpr int kStopKey = 'S';

} // namespace korvane::platform
