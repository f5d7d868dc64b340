#pragma once
// The help texts of resources/help/, compiled into the program: the build turns every
// NAME.txt there into an entry named NAME.
#include <cstddef>
#include <span>

namespace korvane::res {

struct EmbeddedText {
    const char* name;
    const char* bytes; // UTF-8, not NUL-terminated
    std::size_t size;
};

std::span<const EmbeddedText> EmbeddedTexts(); // generated at build time

} // namespace korvane::res
