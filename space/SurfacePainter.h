#pragma once
// Fast drawing of surfaces by the painter's algorithm: every quadrilateral of every
// surface drawn fast goes into one list for the whole window, sorted by its distance
// from the observer and filled from the farthest to the nearest, so that surfaces that
// pass through each other come out interleaved.
#include <cstdint>
#include <span>
#include <vector>

#include "graph/View.h"
#include "platform/Rgb.h"
#include "space/SpaceView.h"
#include "space/SurfaceGrid.h"

namespace korvane {

namespace platform {
class Surface;
}

// One record as the painter sees it.
struct PaintedSurface {
    const ExampleRecord* record = nullptr;
    const SurfaceGrid* grid = nullptr;
};

struct PainterOptions {
    long double zmin = 0, zmax = 1; // the scene box's heights, for the spectrum
    bool greys = false;             // a printer without colour
    bool slowToo = false;           // slow records drawn fast as well (while the mouse turns the scene)
};

// A grid's points as pixels; `usable` is false where the point is undefined, outside its
// record box (without the cap), or cannot be projected or mapped.
struct ProjectedGrid {
    std::vector<PixelPoint> pixels;
    std::vector<std::uint8_t> usable;
};

void ProjectGrid(const SpaceView& view, const View& pixels, const ExampleRecord& record, const SurfaceGrid& grid,
                 ProjectedGrid& out);

// The spectrum's intensity for a height: 20 % at the bottom of the box, 100 % at the top.
long double SpectrumShare(long double z, long double zmin, long double zmax);
// A colour scaled by the share, each component rounded with halves toward zero.
platform::Rgb SpectrumColour(platform::Rgb colour, long double share);
// The grey of a printer without colour for the share.
platform::Rgb SpectrumGrey(long double share);

struct PainterEntry {
    long double depth;
    std::uint16_t record, i, j;
    std::uint8_t side; // 1 when the observer sees the positive side
};
// Ascending by depth: a heap sort on a 1-based heap whose sift-down takes the larger
// child, the left one on a tie.
void HeapSortByDepth(std::span<PainterEntry> entries);

class SurfacePainter {
public:
    // Draws every fast, shown grid surface; 0, or 4 when the list cannot be had.
    int Paint(const SpaceView& view, const View& pixels, std::span<const PaintedSurface> surfaces,
              const PainterOptions& options, platform::Surface& surface);
    // The entries of the last Paint, farthest last (for tests and hidden segments).
    const std::vector<PainterEntry>& Entries() const { return entries_; }

private:
    void AddQuads(const SpaceView& view, std::uint16_t index, const SurfaceGrid& grid, const ProjectedGrid& projected);
    void Fill(const PaintedSurface& s, const PainterEntry& e, const PainterOptions& options,
              platform::Surface& surface);

    std::vector<PainterEntry> entries_;
    std::vector<ProjectedGrid> projected_;
};

} // namespace korvane
