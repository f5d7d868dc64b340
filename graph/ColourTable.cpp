#include "graph/ColourTable.h"

#include "resources/Resources.h"

namespace korvane {

namespace {

constexpr std::uint8_t kDefaultRgb[kColourCount][3] = {
    {0, 0, 0},       {255, 255, 255}, {255, 0, 255},   {255, 255, 0},   {255, 0, 0},
    {0, 191, 63},    {0, 0, 255},     {0, 127, 127},   {255, 127, 0},   {255, 0, 127},
    {160, 47, 0},    {0, 255, 255},   {191, 191, 127}, {127, 0, 127},   {32, 255, 0},
    {255, 127, 127}, {127, 127, 0},   {0, 47, 160},    {224, 224, 224}, {192, 192, 192},
    {160, 160, 160}, {128, 128, 128}, {96, 96, 96},    {64, 64, 64},    {191, 0, 63},
};

} // namespace

ColourTable::ColourTable() { Reset(); }

void ColourTable::Reset() {
    for (int i = 0; i < kColourCount; ++i) {
        red[i] = kDefaultRgb[i][0];
        green[i] = kDefaultRgb[i][1];
        blue[i] = kDefaultRgb[i][2];
    }
}

Rgb ColourTable::At(int index) const {
    if (index < 1 || index >= kColourCount)
        return {};
    return {red[index], green[index], blue[index]};
}

ColourTable& ProgramColours() {
    static ColourTable table;
    return table;
}

Rgb ColourRGB(int index) { return ProgramColours().At(index); }

const char* ColourName(int index) {
    if (index < 0 || index >= kColourCount)
        return "";
    const char* name = res::String(30 + index);
    return name ? name : "";
}

} // namespace korvane
