#include "space/SlowSurface.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "graph/ColourTable.h"
#include "platform/Surface.h"
#include "space/LevelCurves.h"
#include "space/SpaceFrame.h"
#include "space/SurfaceRecord.h"

namespace korvane {

namespace {

constexpr long double kTwoPi = 2 * std::numbers::pi_v<long double>;

SpacePoint Cross(const SpacePoint& a, const SpacePoint& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

// Crossing-number test of a pixel against a quadrilateral's corners.
bool InsideQuad(long double x, long double y, const PixelPoint (&q)[4]) {
    bool inside = false;
    for (int a = 0, b = 3; a < 4; b = a++) {
        const long double ya = q[a].y, yb = q[b].y;
        if ((ya > y) != (yb > y)) {
            const long double cross = q[a].x + (y - ya) * (q[b].x - q[a].x) / (yb - ya);
            if (x < cross)
                inside = !inside;
        }
    }
    return inside;
}

// The part of the segment from a to b inside the box, as parameters [t0, t1] of a + t (b - a).
bool ClipToBox(const SpacePoint& a, const SpacePoint& b, const SpacePoint& low, const SpacePoint& high,
               long double& t0, long double& t1) {
    t0 = 0;
    t1 = 1;
    const long double from[3] = {a.x, a.y, a.z}, to[3] = {b.x, b.y, b.z};
    const long double lo[3] = {low.x, low.y, low.z}, hi[3] = {high.x, high.y, high.z};
    for (int k = 0; k < 3; ++k) {
        const long double d = to[k] - from[k];
        if (d == 0) {
            if (from[k] < lo[k] || from[k] > hi[k])
                return false;
            continue;
        }
        long double s0 = (lo[k] - from[k]) / d, s1 = (hi[k] - from[k]) / d;
        if (s0 > s1)
            std::swap(s0, s1);
        t0 = std::max(t0, s0);
        t1 = std::min(t1, s1);
        if (t0 > t1)
            return false;
    }
    return true;
}

constexpr long double kImplicitHair = 0.02L;

bool Marches(int kind) { return kind == kSurfaceExplicit || kind == kSurfaceCylindrical; }

} // namespace

SurfaceOcclusion::SurfaceOcclusion(EvalContext& context, const SpaceView& view, const View& pixels,
                                   std::span<const PaintedSurface> surfaces, const HiddenTestOptions& options)
    : view_(view), pixels_(pixels), options_(options) {
    for (const PaintedSurface& s : surfaces) {
        if (s.record && s.record->Shown() && s.record->Kind() == kSurfaceImplicit) {
            Occluder o{s.record, s.grid, {}, nullptr, std::make_unique<LevelField>(context, *s.record)};
            if (o.implicit->Usable())
                occluders_.push_back(std::move(o));
            continue;
        }
        if (!s.record || !s.grid || s.grid->Empty() || !s.record->Shown() || !IsGridSurface(s.record->Kind()))
            continue;
        const int kind = s.record->Kind();
        if (!Marches(kind) && !options.hideParametric)
            continue;
        Occluder o{s.record, s.grid, {}, nullptr, nullptr};
        if (Marches(kind))
            o.sampler = std::make_unique<SurfaceSampler>(context, *s.record);
        else
            ProjectGrid(view, pixels, *s.record, *s.grid, o.projected);
        occluders_.push_back(std::move(o));
    }
}

SurfaceOcclusion::~SurfaceOcclusion() = default;

bool SurfaceOcclusion::Hidden(const SpacePoint& p) {
    for (Occluder& o : occluders_)
        if (o.sampler || o.implicit ? HiddenByMarching(o, p) : HiddenByQuads(o, p))
            return true;
    return false;
}

bool SurfaceOcclusion::HiddenByQuads(const Occluder& o, const SpacePoint& p) const {
    long double u = 0, v = 0;
    SpacePoint prepared = p;
    if (view_.cube)
        view_.Normalise(prepared);
    if (!view_.ProjectPrepared(prepared, u, v))
        return false;
    const long double px = pixels_.offsetX + pixels_.PixelOffsetX(u), py = pixels_.offsetY + pixels_.PixelOffsetY(v);
    const SurfaceGrid& g = *o.grid;
    auto corner = [&](int i, int j) {
        SpacePoint c = g.points[g.Index(i, j)];
        if (view_.cube)
            view_.Normalise(c);
        return c;
    };
    for (int i = 0; i < g.n1; ++i) {
        for (int j = 0; j < g.n2; ++j) {
            const std::size_t index[4] = {g.Index(i, j), g.Index(i, j + 1), g.Index(i + 1, j + 1), g.Index(i + 1, j)};
            if (!o.projected.usable[index[0]] || !o.projected.usable[index[1]] || !o.projected.usable[index[2]] ||
                !o.projected.usable[index[3]])
                continue;
            const PixelPoint quad[4] = {o.projected.pixels[index[0]], o.projected.pixels[index[1]],
                                        o.projected.pixels[index[2]], o.projected.pixels[index[3]]};
            if (!InsideQuad(px, py, quad))
                continue;
            const SpacePoint a = corner(i, j);
            const SpacePoint n = Cross(corner(i, j + 1) - a, corner(i + 1, j) - a);
            const long double area = Length(n);
            if (!(area > 0))
                continue;
            // Behind the quadrilateral's plane as the observer sees it, and farther from
            // it than a share of its size, so that a point of the surface itself stays.
            const long double dObserver = Dot(n, view_.effective - a) / area;
            const long double dPoint = Dot(n, prepared - a) / area;
            if (dObserver * dPoint < 0 && std::fabs(dPoint) > options_.planarity * std::sqrt(area))
                return true;
        }
    }
    return false;
}

int SurfaceOcclusion::Side(Occluder& o, const SpacePoint& q) {
    const ExampleRecord& e = *o.record;
    if (o.implicit) {
        long double f = 0;
        if (!InsideRecordBox(q, RecordBoxMin(e), RecordBoxMax(e)) || !o.implicit->Value(q, f))
            return 0;
        return f > 0 ? 1 : f < 0 ? -1 : 0;
    }
    long double first = q.x, second = q.y;
    if (e.Kind() == kSurfaceCylindrical) {
        first = std::hypot(q.x, q.y);
        second = std::atan2(q.y, q.x);
        const long double start = e.Real(exo::kMinimum2);
        second -= kTwoPi * std::floor((second - start) / kTwoPi);
    }
    if (first < e.Real(exo::kMinimum) || first > e.Real(exo::kMaximum) || second < e.Real(exo::kMinimum2) ||
        second > e.Real(exo::kMaximum2))
        return 0;
    SpacePoint s;
    if (!o.sampler->At(first, second, s))
        return 0;
    return s.z > q.z ? 1 : s.z < q.z ? -1 : 0;
}

bool SurfaceOcclusion::HiddenByMarching(Occluder& o, const SpacePoint& p) {
    long double t0 = 0, t1 = 1;
    const SpacePoint eye = view_.observer;
    if (!ClipToBox(p, eye, RecordBoxMin(*o.record), RecordBoxMax(*o.record), t0, t1))
        return false;
    const SpacePoint a = p + t0 * (eye - p), b = p + t1 * (eye - p);
    // A closed implicit surface hides a point behind it along a short chord: it is sampled
    // more finely.
    const int steps = std::max(1, o.implicit ? 4 * options_.marchSteps : options_.marchSteps);
    // A point on the surface itself has no side: its side is taken a hair towards the eye.
    // A point beside the surface's domain (a box edge) takes the first side met instead.
    // A traced level curve lies only near its surface, so its hair is longer.
    const long double hair = o.implicit ? kImplicitHair : 1.0L / (1000 * steps);
    int reference = Side(o, a + hair * (b - a));
    for (int i = 1; i <= steps; ++i) {
        const int side = Side(o, a + (static_cast<long double>(i) / steps) * (b - a));
        if (reference == 0)
            reference = side;
        else if (side == -reference)
            return true;
    }
    return false;
}

void DrawParameterCurve(CurveContext& c, const std::function<bool(long double, SpacePoint&)>& at, long double low,
                        long double high, int samples) {
    samples = std::max(1, samples);
    bool previous = false;
    PixelPoint last;
    for (int i = 0; i <= samples; ++i) {
        const long double free = i == samples ? high : low + i * (high - low) / samples;
        SpacePoint p;
        PixelPoint pixel;
        const bool shown = at(free, p) && !c.occlusion.Hidden(p) && SpaceToPixel(c.view, c.pixels, p, pixel);
        if (shown && previous)
            c.surface.Line({last.x, last.y}, {pixel.x, pixel.y});
        previous = shown;
        last = pixel;
    }
}

bool ForEachMember(EvalContext& context, const ExampleRecord& e, const std::function<bool()>& member) {
    int letter = e.I16(exo::kFamilyLetter);
    if (letter >= 'A' && letter <= 'Z') // a letter code rather than its slot
        letter -= '@';
    if (!e.IsFamily() || letter < 0 || letter >= kLetterCount)
        return member();
    const int steps = std::min(kMaxFamilySteps, std::abs(static_cast<int>(e.I16(exo::kFamilySteps))));
    const long double first = e.Real(exo::kFamilyFirst);
    const long double increment = steps > 0 ? (e.Real(exo::kFamilyLast) - first) / steps : 0;
    const ComplexValue saved = context.letterValues[letter];
    bool going = true;
    for (int k = 0; k <= steps && going; ++k) {
        context.SetLetter(letter, first + k * increment);
        going = member();
    }
    context.letterValues[letter] = saved;
    return going;
}

int SlowCurveCount(const ExampleRecord& e) {
    const GridCounts n = SurfaceGridCounts(e);
    return n.n1 + n.n2 + 2;
}

bool DrawSlowSurface(EvalContext& context, CurveContext& c, const ExampleRecord& e) {
    return ForEachMember(context, e, [&] {
        SurfaceSampler sampler(context, e);
        if (!sampler.Usable())
            return true;
        c.surface.SetPen({ColourRGB(e.Colour()), SurfaceLineWidth(e), platform::PenStyle::Solid});
        const GridCounts n = SurfaceGridCounts(e);
        const bool fixedBox = !e.Flag(spo::kAutoBox), cap = e.Flag(spo::kCap);
        const SpacePoint margin{1e-13L, 1e-13L, 1e-13L};
        const SpacePoint boxLow = RecordBoxMin(e), boxHigh = RecordBoxMax(e);
        for (int pass = 0; pass < 2; ++pass) {
            const bool alongFirst = pass == 0;
            const int curves = alongFirst ? n.n2 : n.n1;
            const long double low = e.Real(alongFirst ? exo::kMinimum2 : exo::kMinimum);
            const long double high = e.Real(alongFirst ? exo::kMaximum2 : exo::kMaximum);
            for (int k = 0; k <= curves; ++k) {
                const long double fixed = k == curves ? high : low + k * (high - low) / curves;
                auto at = [&](long double free, SpacePoint& p) {
                    if (!(alongFirst ? sampler.At(free, fixed, p) : sampler.At(fixed, free, p)))
                        return false;
                    if (!fixedBox)
                        return true;
                    p = {std::clamp(p.x, boxLow.x, boxHigh.x), std::clamp(p.y, boxLow.y, boxHigh.y),
                         std::clamp(p.z, boxLow.z, boxHigh.z)};
                    return cap || InsideRecordBox(p, boxLow - margin, boxHigh + margin);
                };
                DrawParameterCurve(c, at, e.Real(alongFirst ? exo::kMinimum : exo::kMinimum2),
                                   e.Real(alongFirst ? exo::kMaximum : exo::kMaximum2),
                                   PlottedCount(e, alongFirst ? 0 : 1));
                if (c.curveDone)
                    c.curveDone();
                if (c.poll && c.poll())
                    return false;
            }
        }
        return true;
    });
}

SlowDrawResult DrawSlowSurfaces(EvalContext& context, const SpaceView& view, const View& pixels,
                                std::span<const PaintedSurface> surfaces, const HiddenTestOptions& options,
                                platform::Surface& surface, const std::function<bool()>& poll,
                                const std::function<void(int done, int total)>& progress) {
    SlowDrawResult result;
    ComplexValue letters[kLetterCount];
    std::copy(std::begin(context.letterValues), std::end(context.letterValues), letters);
    {
        SurfaceOcclusion occlusion(context, view, pixels, surfaces, options);
        int total = 0, done = 0;
        auto drawn = [](const PaintedSurface& s) {
            return s.record && s.record->Shown() && IsGridSurface(s.record->Kind()) && s.record->Flag(spo::kSlow);
        };
        for (const PaintedSurface& s : surfaces)
            if (drawn(s))
                total += SlowCurveCount(*s.record);
        CurveContext c{view, pixels, occlusion, surface, poll, [&] {
                           if (progress)
                               progress(++done, total);
                       }};
        for (const PaintedSurface& s : surfaces) {
            if (drawn(s) && !DrawSlowSurface(context, c, *s.record)) {
                result.stopped = true;
                break;
            }
        }
    }
    std::copy(std::begin(letters), std::end(letters), context.letterValues);
    return result;
}

} // namespace korvane
