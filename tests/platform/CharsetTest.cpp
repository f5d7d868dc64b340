// The two character sets of texts: Windows-1252 of documents and settings files (every byte
// against an independent codec, and back), and the symbol set of fonts marked symbol.
#include "platform/Cp1252.h"
#include "platform/SymbolCharset.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <vector>

using namespace korvane::platform;

namespace {

std::string FromHex(const std::string& hex) {
    std::string bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes += char(std::stoi(hex.substr(i, 2), nullptr, 16));
    return bytes;
}

// The reference table, from an independent codec (see tests/platform/cp1252_reference.py).
std::vector<std::string> ReferenceUtf8() {
    std::ifstream in(KORVANE_TEST_DATA "/cp1252_utf8.txt");
    std::vector<std::string> table(256);
    std::string line;
    int rows = 0;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        std::string byte, utf8;
        fields >> byte >> utf8;
        table[std::size_t(std::stoi(byte, nullptr, 16))] = FromHex(utf8);
        ++rows;
    }
    EXPECT_EQ(rows, 256) << "reference table incomplete";
    return table;
}

std::string Hex(const std::string& s) {
    std::string out;
    char buffer[4];
    for (unsigned char c : s) {
        std::snprintf(buffer, sizeof buffer, "%02X", c);
        out += buffer;
    }
    return out;
}

} // namespace

// Every byte decodes to the reference character and encodes back to itself.
TEST(Charset, Cp1252EveryByteMatchesTheReferenceAndRoundTrips) {
    const std::vector<std::string> reference = ReferenceUtf8();
    for (int b = 0; b < 256; ++b) {
        SCOPED_TRACE("byte " + std::to_string(b));
        const std::string byte(1, char(b));
        const std::string utf8 = Cp1252ToUtf8(byte);
        EXPECT_EQ(Hex(utf8), Hex(reference[std::size_t(b)]));
        bool lossless = false;
        EXPECT_EQ(Hex(Utf8ToCp1252(utf8, &lossless)), Hex(byte));
        EXPECT_TRUE(lossless);
    }
}

// Characters outside the code page and malformed UTF-8 become '?', and say so.
TEST(Charset, Cp1252UnmappableAndMalformedInputBecomesQuestionMarks) {
    const struct { const char* utf8; const char* expected; } rows[] = {
        {"\xCE\xB1", "?"},               // Greek alpha: no code
        {"a\xE2\x82\xAC" "b", "a\x80" "b"}, // the euro sign has one
        {"\xF0\x9F\x98\x80", "?"},       // outside the BMP
        {"\xC3", "?"},                   // cut sequence
        {"\x80x", "?x"},                 // lone continuation byte
        {"\xC0\xAF", "??"},              // overlong '/'
        {"\xED\xA0\x80", "???"},         // surrogate
        {"\xE2\x82", "??"},              // cut three-byte sequence
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(Hex(row.utf8));
        bool lossless = true;
        EXPECT_EQ(Hex(Utf8ToCp1252(row.utf8, &lossless)), Hex(row.expected));
        EXPECT_EQ(lossless, std::string(row.expected).find('?') == std::string::npos);
    }
}

// Bytes of the symbol set become the characters the classic Symbol font shows for them;
// bytes without a symbol of their own are their Windows-1252 character; a code beyond a
// byte shows the replacement character.
TEST(Charset, SymbolBytesBecomeTheirSymbols) {
    const struct { const char* bytes; const char* utf8; } rows[] = {
        {"p", "\u03c0"},                      // the default pi character, 112
        {"abgqa", "\u03b1\u03b2\u03b3\u03b8\u03b1"},
        {"PSW", "\u03a0\u03a3\u03a9"},
        {"\xB3\xA3\xB9", "\u2265\u2264\u2260"},
        {"\xD6\xE5\xF2", "\u221a\u2211\u222b"},
        {"\xA5\xE3\xFE", "\u221e\u00a9\u23ad"},
        {"-", "\u2212"},                      // a real minus sign, not the hyphen
        {"1+2", "1+2"},                        // digits and plain signs stay
        {"\x96\xF0", "\u2013\u00f0"},       // no symbol of their own
        {"", ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(Hex(row.bytes));
        EXPECT_EQ(SymbolToUtf8(row.bytes), row.utf8);
    }
    EXPECT_EQ(SymbolCharToUtf8(112), "\u03c0");
    EXPECT_EQ(SymbolCharToUtf8(300), "\ufffd");
    EXPECT_EQ(SymbolCharToUtf8(-1), "\ufffd");
}
