#pragma once
// The binary document of a plane or space window: the header common to every graph
// window, then the body with the setting blocks, the examples and the window's lists,
// written and read block by block in file order.
#include <cstdint>
#include <span>
#include <vector>

#include "plane/DocumentState.h"

namespace korvane {

inline constexpr int kCannotOpenFile = 11; // "não é possível abrir arquivo"
inline constexpr int kDocumentHeaderWords = 20;

// The file's bytes. The words, flags and reals that the format fixes (the last example,
// the name length, the password and notebook marks, the blocks written as zero or one)
// are set from the state's contents, whatever the arrays hold.
std::vector<std::uint8_t> WriteDocument(const DocumentState& state);

// Reads a whole file into `out`, which should be fresh. 0, or kCannotOpenFile for a file
// of another window kind (`tag`), a version the program does not know, a file that ends
// early or one whose counts and lengths cannot be right.
int ReadDocument(std::span<const std::uint8_t> bytes, std::int32_t tag, DocumentState& out);

// The corrections the reader applies to the setting blocks, also for callers that
// build a state by hand.
void CorrectDocumentSettings(DocumentState& state);

} // namespace korvane
