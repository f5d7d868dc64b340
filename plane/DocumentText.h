#pragma once
// The texts of examples as documents hold them: fields of Windows-1252 bytes of a fixed
// size, while the window keeps UTF-8. Every character that Windows-1252 has is one byte
// there, so a field's size is a count of characters.
#include <cstddef>
#include <string>
#include <string_view>

namespace korvane {

class ExampleTable;

// Code of a text with a character that documents cannot hold ("caractere não permitido").
inline constexpr int kCharacterNotStored = 15;

// True when every character of the UTF-8 text has a Windows-1252 code.
bool StorableText(std::string_view utf8);
// The longest start of the UTF-8 text with at most `maxChars` characters; a character is
// never split.
std::string FitToField(std::string_view utf8, std::size_t maxChars);

// Every text, trajectory formula and name of the table between UTF-8 and the document's
// Windows-1252, each cut to its field on the way to the document.
void ExampleTextsToDocument(ExampleTable& table);
void ExampleTextsFromDocument(ExampleTable& table);

} // namespace korvane
