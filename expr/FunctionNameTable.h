#pragma once
// The 68 built-in names of the language and their opcodes, in the order in which they
// are searched: the first exact match wins.
#include <cstddef>
#include <string_view>

namespace korvane {

struct FunctionName {
    char name[10];
    short opcode;
};

class FunctionNameTable {
public:
    static constexpr std::size_t kSize = 68;
    // RE, IM and CONJ are names only in complex mode.
    static constexpr std::size_t kFirstComplexOnly = 41;
    static constexpr std::size_t kLastComplexOnly = 43;

    FunctionNameTable();

    // Opcode of the upper-case name, or 0 when it is not a name in this mode.
    short Find(std::string_view name, bool complexMode) const;
    const FunctionName& At(std::size_t index) const { return entries_[index]; }

private:
    FunctionName entries_[kSize];
};

} // namespace korvane
