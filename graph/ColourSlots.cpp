#include "graph/ColourSlots.h"

#include "resources/Resources.h"

namespace korvane {

ColourSlots::ColourSlots() { Name(kSlotBackground, 0, 0); }

void ColourSlots::Name(int slot, int stringId, int level) {
    if (slot < 0 || slot >= static_cast<int>(slots.size()))
        return;
    const char* text = res::String(stringId);
    slots[slot].name = std::string(text ? text : "").substr(0, 40);
    slots[slot].level = level;
}

int PenColour(int index, int backgroundIndex, bool printing, bool printInColour) {
    if (printing)
        return printInColour ? index : 0;
    if (index == backgroundIndex)
        return index == 0 ? 1 : 0;
    return index;
}

std::array<int, 10> DefaultCurveColours() { return {6, 4, 5, 3, 0, 10, 8, 13, 2, 14}; }

} // namespace korvane
