#include "text/TextFile.h"

#include "platform/Cp1252.h"
#include "platform/FileIO.h"
#include "platform/Utf8.h"

#include <fstream>

namespace korvane {

std::string CutText(std::string_view utf8, int maxCharacters, bool* cut) {
    std::size_t pos = 0;
    int characters = 0;
    while (pos < utf8.size() && characters < maxCharacters) {
        platform::NextCodePoint(utf8, pos);
        ++characters;
    }
    if (cut)
        *cut = pos < utf8.size();
    return std::string(utf8.substr(0, pos));
}

std::string DecodeTextBytes(std::string_view bytes, bool* cut) {
    bytes = bytes.substr(0, bytes.find('\0'));
    bool valid = false;
    platform::Utf8ToU32(bytes, &valid);
    return CutText(valid ? std::string(bytes) : platform::Cp1252ToUtf8(bytes), kMaxTextLength, cut);
}

int ReadTextFile(const std::string& path, std::string& utf8, bool* cut) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return 11;
    // Four bytes a character at most, and one more to know whether the file goes on.
    std::string bytes(std::size_t(kMaxTextLength) * 4 + 1, '\0');
    in.read(bytes.data(), std::streamsize(bytes.size()));
    if (in.bad())
        return 11;
    bytes.resize(std::size_t(in.gcount()));
    bool longer = false;
    utf8 = DecodeTextBytes(bytes, &longer);
    if (cut)
        *cut = longer || bytes.size() > std::size_t(kMaxTextLength) * 4;
    return 0;
}

int WriteTextFile(const std::string& path, std::string_view utf8) {
    return WriteFileAtomically(path, std::vector<std::uint8_t>(utf8.begin(), utf8.end())) ? 0 : 12;
}

} // namespace korvane
