#include "windows/MapGrid.h"

#include <algorithm>
#include <cmath>

namespace korvane {

namespace {

constexpr int kLetterK = 'K' - 64;
constexpr long double kFar = 1e18L; // the evaluator's infinity
constexpr const char* kTexts[2][2] = {{"k", "t"}, {"t", "k"}};

long double Clamped(long double value, long double fallback) {
    return std::isfinite(value) && std::fabs(value) < kFar ? value : fallback;
}

} // namespace

MapGrid DefaultMapGrid() {
    MapGrid grid;
    grid.lines[1].colour = 17;
    return grid;
}

int ValidateGrid(const MapGrid& grid) {
    for (const GridFamily& f : grid.lines) {
        if (f.divisions < 1 || f.divisions > kMaxGridDivisions)
            return 17;
        if (!(f.high > f.low + 1e-18L) || !std::isfinite(f.high - f.low))
            return 6;
    }
    return 0;
}

void WriteGridRecords(ExampleTable& table, const MapGrid& grid) {
    while (table.LastExample() < kGridRecords - 1)
        table.Append(kParametric, 0);
    for (int i = 0; i < kGridRecords; ++i) {
        const GridFamily& family = grid.lines[i];
        const GridFamily& across = grid.lines[1 - i];
        ExampleRecord& e = table[i];
        if (e.Kind() != kParametric)
            e.Initialise(kParametric, static_cast<std::int16_t>(family.colour));
        e.texts[0] = kTexts[i][0];
        e.texts[1] = kTexts[i][1];
        e.texts[4] = i == 0 ? "grade x = k" : "grade y = k";
        e.SetI16(exo::kColour, static_cast<std::int16_t>(family.colour));
        e.SetFlag(exo::kShown, family.shown);
        e.SetReal(exo::kMinimum, across.low);
        e.SetReal(exo::kMaximum, across.high);
        e.SetFlag(exo::kIsFamily, true);
        e.SetI16(exo::kFamilyLetter, kLetterK);
        e.SetI16(exo::kFamilySteps, static_cast<std::int16_t>(family.divisions));
        e.SetReal(exo::kFamilyFirst, family.low);
        e.SetReal(exo::kFamilyLast, family.high);
    }
}

bool HasGridRecords(const ExampleTable& table) {
    if (table.LastExample() < kGridRecords - 1)
        return false;
    for (int i = 0; i < kGridRecords; ++i) {
        const ExampleRecord& e = table[i];
        if (e.Kind() != kParametric || e.texts[0] != kTexts[i][0] || e.texts[1] != kTexts[i][1] ||
            !e.Flag(exo::kIsFamily))
            return false;
    }
    return true;
}

MapGrid ReadGridRecords(const ExampleTable& table) {
    MapGrid grid = DefaultMapGrid();
    if (!HasGridRecords(table))
        return grid;
    for (int i = 0; i < kGridRecords; ++i) {
        const ExampleRecord& e = table[i];
        GridFamily& f = grid.lines[i];
        f.shown = e.Shown();
        f.colour = std::clamp<int>(e.Colour(), 0, 24);
        f.divisions = std::clamp<int>(std::abs(int(e.I16(exo::kFamilySteps))), 1, kMaxGridDivisions);
        f.low = Clamped(e.Real(exo::kFamilyFirst), f.low);
        f.high = Clamped(e.Real(exo::kFamilyLast), f.high);
        if (!(f.high > f.low + 1e-18L))
            f = GridFamily{f.shown, -2, 2, f.divisions, f.colour};
    }
    return grid;
}

std::vector<WorldPoint> GridNodes(const MapGrid& grid) {
    const GridFamily& fx = grid.lines[0];
    const GridFamily& fy = grid.lines[1];
    std::vector<WorldPoint> nodes;
    nodes.reserve(std::size_t(fx.divisions + 1) * std::size_t(fy.divisions + 1));
    for (int i = 0; i <= fx.divisions; ++i)
        for (int j = 0; j <= fy.divisions; ++j)
            nodes.push_back({fx.low + i * (fx.high - fx.low) / fx.divisions,
                             fy.low + j * (fy.high - fy.low) / fy.divisions});
    return nodes;
}

ImageBox GridImageBox(EvalContext& eval, const ExampleRecord* map, const MapGrid& grid) {
    ImageBox box;
    for (WorldPoint p : GridNodes(grid)) {
        if (map && !MapPointThrough(eval, *map, p.x, p.y))
            continue;
        if (!(std::fabs(p.x) < kFar) || !(std::fabs(p.y) < kFar))
            continue;
        box.xmin = std::min(box.xmin, p.x);
        box.xmax = std::max(box.xmax, p.x);
        box.ymin = std::min(box.ymin, p.y);
        box.ymax = std::max(box.ymax, p.y);
        ++box.points;
    }
    return box;
}

} // namespace korvane
