#include "platform/SymbolCharset.h"

#include "platform/Cp1252.h"

namespace korvane::platform {
namespace {

struct SymbolCode {
    unsigned char byte;
    const char* utf8;
};

// The letters and the signs graphs use; the rest of the set is rarely met in labels.
constexpr SymbolCode kSymbols[] = {
    {'A', "Α"}, {'B', "Β"}, {'C', "Χ"}, {'D', "Δ"}, {'E', "Ε"}, {'F', "Φ"}, {'G', "Γ"}, {'H', "Η"},
    {'I', "Ι"}, {'J', "ϑ"}, {'K', "Κ"}, {'L', "Λ"}, {'M', "Μ"}, {'N', "Ν"}, {'O', "Ο"}, {'P', "Π"},
    {'Q', "Θ"}, {'R', "Ρ"}, {'S', "Σ"}, {'T', "Τ"}, {'U', "Υ"}, {'V', "ς"}, {'W', "Ω"}, {'X', "Ξ"},
    {'Y', "Ψ"}, {'Z', "Ζ"}, {'a', "α"}, {'b', "β"}, {'c', "χ"}, {'d', "δ"}, {'e', "ε"}, {'f', "φ"},
    {'g', "γ"}, {'h', "η"}, {'i', "ι"}, {'j', "ϕ"}, {'k', "κ"}, {'l', "λ"}, {'m', "μ"}, {'n', "ν"},
    {'o', "ο"}, {'p', "π"}, {'q', "θ"}, {'r', "ρ"}, {'s', "σ"}, {'t', "τ"}, {'u', "υ"}, {'v', "ϖ"},
    {'w', "ω"}, {'x', "ξ"}, {'y', "ψ"}, {'z', "ζ"}, {'"', "∀"}, {'$', "∃"}, {'\'', "∋"}, {'*', "∗"},
    {'-', "−"}, {'@', "≅"}, {'^', "⊥"}, {'~', "∼"}, {0xA2, "′"}, {0xA3, "≤"}, {0xA5, "∞"}, {0xAB, "↔"},
    {0xAC, "←"}, {0xAD, "↑"}, {0xAE, "→"}, {0xAF, "↓"}, {0xB0, "°"}, {0xB1, "±"}, {0xB2, "″"}, {0xB3, "≥"},
    {0xB4, "×"}, {0xB5, "∝"}, {0xB6, "∂"}, {0xB7, "•"}, {0xB8, "÷"}, {0xB9, "≠"}, {0xBA, "≡"}, {0xBB, "≈"},
    {0xBC, "…"}, {0xC5, "⊕"}, {0xC6, "∅"}, {0xC7, "∩"}, {0xC8, "∪"}, {0xCE, "∈"}, {0xCF, "∉"}, {0xD0, "∠"},
    {0xD1, "∇"}, {0xD5, "∏"}, {0xD6, "√"}, {0xD7, "⋅"}, {0xD8, "¬"}, {0xD9, "∧"}, {0xDA, "∨"}, {0xDB, "⇔"},
    {0xDE, "⇒"}, {0xE5, "∑"}, {0xF2, "∫"},
};

} // namespace

std::string SymbolToUtf8(std::string_view bytes) {
    std::string out;
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        const char* found = nullptr;
        for (const SymbolCode& s : kSymbols)
            if (s.byte == b) {
                found = s.utf8;
                break;
            }
        out += found ? std::string(found) : Cp1252ToUtf8(std::string_view(&c, 1));
    }
    return out;
}

} // namespace korvane::platform
