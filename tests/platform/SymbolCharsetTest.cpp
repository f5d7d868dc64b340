#include "platform/SymbolCharset.h"

#include <gtest/gtest.h>

using namespace korvane::platform;

// Bytes of the symbol set become the characters the classic Symbol font shows for them.
TEST(SymbolCharset, BytesBecomeTheirSymbols) {
    const struct { const char* bytes; const char* utf8; } rows[] = {
        {"p", "π"},            // the default pi character, 112
        {"abgq", "αβγθ"},
        {"PSW", "ΠΣΩ"},
        {"\xB3\xA3\xB9", "≥≤≠"},
        {"\xD6\xE5\xF2", "√∑∫"},
        {"\xA5", "∞"},
        {"-", "−"},            // a real minus sign, not the hyphen
        {"1+2", "1+2"},        // digits and plain signs stay
        {"", ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.bytes);
        EXPECT_EQ(SymbolToUtf8(row.bytes), row.utf8);
    }
}
