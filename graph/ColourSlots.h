#pragma once
// The 15 colour slots of a graph window: each a colour index, a name for the chooser's
// title and the picture level to invalidate when it changes.
#include <array>
#include <string>

namespace korvane {

inline constexpr int kSlotBackground = 0;
inline constexpr int kSlotAxes = 3;
inline constexpr int kSlotGrid = 10;
inline constexpr int kSlotStrips = 13; // plane windows: the strips of Riemann sums

struct ColourSlot {
    int index = 19; // "cinza2"
    std::string name;
    int level = -1; // -1: no picture level follows this slot
};

struct ColourSlots {
    std::array<ColourSlot, 15> slots;

    ColourSlots();
    int Background() const { return slots[kSlotBackground].index; }
    // Names the slot from the string table (at most 40 characters kept).
    void Name(int slot, int stringId, int level);
};

// The index actually drawn: never the background's own colour on screen, and black on
// paper unless printing in colour.
int PenColour(int index, int backgroundIndex, bool printing = false, bool printInColour = false);

// The ten indices used in turn for new items.
std::array<int, 10> DefaultCurveColours();

} // namespace korvane
