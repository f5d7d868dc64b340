#pragma once
// The marks that analysis tools leave on an example (a zero, an extremum, an
// intersection, an integral): 78-byte records in the example's further list, newest
// first, saved with the example. Here they are read, added without duplicates and drawn.
#include <array>
#include <cstdint>
#include <string>

#include "graph/GraphStyle.h"
#include "plane/ExampleRecord.h"
#include "plane/PlaneDrawing.h"

namespace korvane {

inline constexpr int kNoteLabelBytes = 30; // 29 characters and the terminator
inline constexpr int kNoteValues = 4;

// Note types.
namespace note {
inline constexpr std::int16_t kZero = 10;          // x
inline constexpr std::int16_t kExtremum = 11;      // x, y, parameter
inline constexpr std::int16_t kIntersection = 12;  // x, y, parameter on this example
inline constexpr std::int16_t kCursor = 40;        // x, y: picked with the mouse (mode 125)
inline constexpr std::int16_t kIntegral = 51;      // a, b, parabolic value, n
inline constexpr std::int16_t kIntegralOfTwo = 52; // the same for f - g
inline constexpr std::int16_t kArcLength = 61;     // a, b, value, n
inline constexpr std::int16_t kSectorArea = 62;
inline constexpr std::int16_t kVolume = 63;
inline constexpr std::int16_t kSurface = 64;
} // namespace note

struct PointNote {
    std::int16_t type = 0;
    std::array<long double, kNoteValues> values{};
    std::string label; // at most 29 bytes are stored
    std::int16_t count = 1;

    std::array<std::uint8_t, kPointNoteSize> Pack() const;
    // Stored bytes are not trusted: the count is clamped to 1..4 and the label ends at
    // its field.
    static PointNote Unpack(const std::array<std::uint8_t, kPointNoteSize>& bytes);
};

// Puts the note at the front of the example's list unless a note of the same type is
// there whose first `count` values each lie within 1e-13 of the new ones; true when added.
bool AddPointNote(ExampleRecord& example, const PointNote& note);

// The marks and short labels of every shown example's notes, in the example's colour.
void DrawPointNotes(PlaneDrawContext& context, const platform::FontSpec& font,
                    const NumberFormat& format);

} // namespace korvane
