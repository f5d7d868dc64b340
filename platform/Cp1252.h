#pragma once
// Windows-1252 <-> UTF-8, the one conversion between the bytes of documents and settings
// files and the texts of the user interface. The five codes that Windows-1252 leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) travel as the C1 controls of the same value,
// so every byte string survives a round trip.
#include <string>
#include <string_view>

namespace korvane::platform {

std::string Cp1252ToUtf8(std::string_view bytes);
// Characters without a Windows-1252 code, and malformed UTF-8, become '?'; `lossless`
// (when given) tells whether that never happened.
std::string Utf8ToCp1252(std::string_view utf8, bool* lossless = nullptr);
void AppendUtf8(std::string& out, char32_t c);
// Decodes one UTF-8 sequence at `pos`; gives -1 (and advances one byte) when malformed.
long NextCodePoint(std::string_view s, std::size_t& pos);

} // namespace korvane::platform
