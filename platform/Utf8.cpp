#include "platform/Utf8.h"

#include "platform/Cp1252.h"

namespace korvane::platform {

std::u32string Utf8ToU32(std::string_view utf8, bool* valid) {
    std::u32string out;
    out.reserve(utf8.size());
    bool clean = true;
    for (std::size_t pos = 0; pos < utf8.size();) {
        const long c = NextCodePoint(utf8, pos);
        clean = clean && c >= 0;
        out += c < 0 ? char32_t(0xFFFD) : char32_t(c);
    }
    if (valid)
        *valid = clean;
    return out;
}

std::string U32ToUtf8(std::u32string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char32_t c : text)
        AppendUtf8(out, c);
    return out;
}

} // namespace korvane::platform
