#pragma once
// The numbered string table itself, for code that walks every entry (tests, tools);
// single texts are read through res::String.
#include <span>

namespace korvane::res {

struct StringEntry {
    int id;
    const char* text;
};

std::span<const StringEntry> StringTable(); // sorted by id, ids unique

} // namespace korvane::res
