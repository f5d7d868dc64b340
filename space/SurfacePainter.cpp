#include "space/SurfacePainter.h"

#include <algorithm>
#include <cmath>
#include <new>

#include "graph/ColourTable.h"
#include "platform/Surface.h"
#include "space/SpaceFrame.h"
#include "space/SurfaceRecord.h"

namespace korvane {

namespace {

constexpr int kOutOfMemory = 4;
long double Determinant(const SpacePoint& a, const SpacePoint& b, const SpacePoint& c) {
    return a.x * (b.y * c.z - b.z * c.y) - a.y * (b.x * c.z - b.z * c.x) + a.z * (b.x * c.y - b.y * c.x);
}

bool Drawn(const PaintedSurface& s, bool slowToo) {
    const ExampleRecord* e = s.record;
    return e && s.grid && !s.grid->Empty() && e->Shown() && IsGridSurface(e->Kind()) &&
           (slowToo || !e->Flag(spo::kSlow));
}

} // namespace

void ProjectGrid(const SpaceView& view, const View& pixels, const ExampleRecord& record, const SurfaceGrid& grid,
                 ProjectedGrid& out) {
    out.pixels.assign(grid.points.size(), PixelPoint{-1, 0});
    out.usable.assign(grid.points.size(), 0);
    const bool cap = record.Flag(spo::kCap);
    const SpacePoint low = RecordBoxMin(record), high = RecordBoxMax(record);
    for (std::size_t k = 0; k < grid.points.size(); ++k) {
        const SpacePoint& p = grid.points[k];
        if (!grid.defined[k] || (!cap && !InsideRecordBox(p, low, high)))
            continue;
        if (SpaceToPixel(view, pixels, p, out.pixels[k]))
            out.usable[k] = 1;
    }
}

long double SpectrumShare(long double z, long double zmin, long double zmax) {
    long double s = zmax > zmin ? 0.8L * (z - zmin) / (zmax - zmin) + 0.2L : 1;
    if (!(s > 0.2L))
        s = 0.2L;
    if (s + 1e-18L >= 1)
        s = 1;
    return s;
}

platform::Rgb SpectrumColour(platform::Rgb colour, long double share) {
    auto scale = [share](std::uint8_t c) { return static_cast<std::uint8_t>(RoundToInt(c * share)); };
    return {scale(colour.r), scale(colour.g), scale(colour.b)};
}

platform::Rgb SpectrumGrey(long double share) {
    const int k = RoundToInt((1 - share) * 28) + 1;
    if (k == 1)
        return platform::kWhite;
    const auto level = static_cast<std::uint8_t>(248 - 8 * (k % 25));
    return {level, level, level};
}

void HeapSortByDepth(std::span<PainterEntry> entries) {
    const std::size_t n = entries.size();
    auto at = [&](std::size_t k) -> PainterEntry& { return entries[k - 1]; }; // 1-based
    auto siftDown = [&](std::size_t root, std::size_t last) {
        const PainterEntry moving = at(root);
        std::size_t k = root;
        while (2 * k <= last) {
            std::size_t child = 2 * k;
            if (child < last && at(child + 1).depth > at(child).depth)
                ++child;
            if (!(at(child).depth > moving.depth))
                break;
            at(k) = at(child);
            k = child;
        }
        at(k) = moving;
    };
    for (std::size_t root = n / 2; root >= 1; --root)
        siftDown(root, n);
    for (std::size_t last = n; last > 1; --last) {
        std::swap(at(1), at(last));
        siftDown(1, last - 1);
    }
}

void SurfacePainter::AddQuads(const SpaceView& view, std::uint16_t index, const SurfaceGrid& grid,
                              const ProjectedGrid& projected) {
    const bool cube = view.cube;
    auto corner = [&](int i, int j) {
        SpacePoint p = grid.points[grid.Index(i, j)];
        if (cube)
            view.Normalise(p);
        return p;
    };
    const SpacePoint& eye = view.effective;
    for (int i = 0; i < grid.n1; ++i) {
        for (int j = 0; j < grid.n2; ++j) {
            if (!projected.usable[grid.Index(i, j)] || !projected.usable[grid.Index(i, j + 1)] ||
                !projected.usable[grid.Index(i + 1, j + 1)] || !projected.usable[grid.Index(i + 1, j)])
                continue;
            const SpacePoint a = corner(i, j), b = corner(i, j + 1), c = corner(i + 1, j + 1), d = corner(i + 1, j);
            const SpacePoint middle = 0.25L * (a + b + c + d);
            const long double side = Determinant(b - a, d - a, eye - a);
            entries_.push_back({Length(eye - middle), index, static_cast<std::uint16_t>(i),
                                static_cast<std::uint16_t>(j), static_cast<std::uint8_t>(side > 0 ? 1 : 0)});
        }
    }
}

void SurfacePainter::Fill(const PaintedSurface& s, const PainterEntry& e, const PainterOptions& options,
                          platform::Surface& surface) {
    const ExampleRecord& record = *s.record;
    const SurfaceGrid& grid = *s.grid;
    const ProjectedGrid& projected = projected_[e.record];
    const PixelPoint corners[4] = {projected.pixels[grid.Index(e.i, e.j)], projected.pixels[grid.Index(e.i, e.j + 1)],
                                   projected.pixels[grid.Index(e.i + 1, e.j + 1)],
                                   projected.pixels[grid.Index(e.i + 1, e.j)]};
    const platform::Point polygon[4] = {{corners[0].x, corners[0].y}, {corners[1].x, corners[1].y},
                                        {corners[2].x, corners[2].y}, {corners[3].x, corners[3].y}};
    // A quadrilateral wholly beside the window is not drawn.
    const int width = SurfaceLineWidth(record);
    int left = corners[0].x, right = left, top = corners[0].y, bottom = top;
    for (const PixelPoint& c : corners) {
        left = std::min(left, c.x), right = std::max(right, c.x);
        top = std::min(top, c.y), bottom = std::max(bottom, c.y);
    }
    const platform::Size size = surface.GetSize();
    if (right < -width || bottom < -width || left > size.width + width || top > size.height + width)
        return;
    platform::Rgb brush, pen;
    if (record.Flag(spo::kSpectrum)) {
        const long double share = SpectrumShare(grid.points[grid.Index(e.i, e.j)].z, options.zmin, options.zmax);
        brush = options.greys ? SpectrumGrey(share) : SpectrumColour(ColourRGB(record.Colour()), share);
        pen = record.Flag(spo::kGridEdges) ? ColourRGB(record.I16(spo::kGridColour)) : brush;
    } else {
        pen = ColourRGB(record.Colour());
        if (record.Flag(spo::kShade))
            brush = ColourRGB(record.I16(e.side ? spo::kColour2 : spo::kColour1));
        else
            brush = ColourRGB(1);
    }
    surface.SetPen({pen, width, platform::PenStyle::Solid});
    surface.SetBrush({brush, platform::BrushStyle::Solid});
    surface.Polygon(polygon);
}

int SurfacePainter::Paint(const SpaceView& view, const View& pixels, std::span<const PaintedSurface> surfaces,
                          const PainterOptions& options, platform::Surface& surface) {
    entries_.clear();
    std::size_t total = 0;
    for (const PaintedSurface& s : surfaces)
        if (Drawn(s, options.slowToo))
            total += static_cast<std::size_t>(s.grid->n1) * s.grid->n2;
    if (total == 0)
        return 0;
    try {
        entries_.reserve(total);
        projected_.resize(surfaces.size());
    } catch (const std::bad_alloc&) {
        return kOutOfMemory;
    }
    for (std::size_t k = 0; k < surfaces.size(); ++k) {
        if (!Drawn(surfaces[k], options.slowToo))
            continue;
        ProjectGrid(view, pixels, *surfaces[k].record, *surfaces[k].grid, projected_[k]);
        AddQuads(view, static_cast<std::uint16_t>(k), *surfaces[k].grid, projected_[k]);
    }
    HeapSortByDepth(entries_);
    for (std::size_t k = entries_.size(); k-- > 0;)
        Fill(surfaces[entries_[k].record], entries_[k], options, surface);
    return 0;
}

} // namespace korvane
