#pragma once
// UTF-8 <-> code points, for texts handled character by character (text windows).
#include <string>
#include <string_view>

namespace korvane::platform {

// Malformed bytes become U+FFFD; `valid` (when given) tells whether there were none.
std::u32string Utf8ToU32(std::string_view utf8, bool* valid = nullptr);
std::string U32ToUtf8(std::u32string_view text);

} // namespace korvane::platform
