#include "platform/Cp1252.h"

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
TEST(Cp1252, EveryByteMatchesTheReferenceAndRoundTrips) {
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

// The five undefined codes travel as the C1 controls of the same value.
TEST(Cp1252, UndefinedCodesBecomeC1Controls) {
    const struct { unsigned char byte; const char* utf8; } rows[] = {
        {0x81, "\xC2\x81"}, {0x8D, "\xC2\x8D"}, {0x8F, "\xC2\x8F"}, {0x90, "\xC2\x90"}, {0x9D, "\xC2\x9D"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(int(row.byte));
        EXPECT_EQ(Cp1252ToUtf8(std::string(1, char(row.byte))), row.utf8);
        EXPECT_EQ(Utf8ToCp1252(row.utf8), std::string(1, char(row.byte)));
    }
}

TEST(Cp1252, WholeStringRoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += char(b);
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
    EXPECT_EQ(Cp1252ToUtf8("fun\xE7\xE3o"), "função");
}

// Characters outside the code page and malformed UTF-8 become '?', and say so.
TEST(Cp1252, UnmappableAndMalformedInputBecomesQuestionMarks) {
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
