#pragma once
// A text label placed on the graph at a world point, and its 179-byte document record.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace korvane {

struct GraphText {
    long double x = 0, y = 0; // world point of the text's top-left corner
    std::string text;         // UTF-8
    int font = 0;             // font slot
    bool scaled = false;      // follows the radii: moves with zooms about the centre
    friend bool operator==(const GraphText&, const GraphText&) = default;
};

// The record, ours (the format fixes only its size):
//   0  real   x          10  real   y
//  20  int16  font slot  22  byte   flags (bit 0: scaled)
//  23  156 bytes: the text in Windows-1252, zero-terminated, zeros after it
inline constexpr std::size_t kGraphTextRecordSize = 179;
inline constexpr std::size_t kGraphTextOffsetFont = 20;
inline constexpr std::size_t kGraphTextOffsetFlags = 22;
inline constexpr std::size_t kGraphTextOffsetText = 23;
inline constexpr std::size_t kGraphTextMaxBytes = kGraphTextRecordSize - kGraphTextOffsetText - 1;

using GraphTextRecord = std::array<std::uint8_t, kGraphTextRecordSize>;

// A longer text is cut at a whole character.
GraphTextRecord StoreGraphText(const GraphText& text);
// Nothing for a damaged record: a point that is no finite number, a font slot out of
// range, unknown flags, an empty or unterminated text, bytes after the terminator.
std::optional<GraphText> LoadGraphText(const GraphTextRecord& record);

} // namespace korvane
