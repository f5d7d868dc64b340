#pragma once
// Plain text files of the text windows, and the rules that every text they take obeys.
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

inline constexpr int kMaxTextLength = 64000; // characters

// At most `maxCharacters` characters of a UTF-8 text; `cut` tells whether any were left out.
std::string CutText(std::string_view utf8, int maxCharacters, bool* cut = nullptr);
// The text of a file's bytes: UTF-8 when they are valid UTF-8, else Windows-1252; it ends at
// the first zero byte (files written with a closing zero read back exactly) and is cut at
// kMaxTextLength characters.
std::string DecodeTextBytes(std::string_view bytes, bool* cut = nullptr);
// 0, or 11 when the file cannot be read. Reads no more than the longest text can take.
int ReadTextFile(const std::string& path, std::string& utf8, bool* cut = nullptr);
// 0, or 12 when the file cannot be written (the old one is then intact). The text is written
// as UTF-8, with no closing zero byte.
int WriteTextFile(const std::string& path, std::string_view utf8);

} // namespace korvane
