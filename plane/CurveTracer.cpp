#include "plane/CurveTracer.h"
#include "plane/PointKinds.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "expr/Evaluator.h"
#include "expr/RealProgram.h"
#include "graph/PixelTracker.h"
#include "plane/PlaneDrawing.h"

namespace korvane {

namespace {

constexpr int kSlotT = 'T' - 64;
constexpr int kSlotX = 'X' - 64;
constexpr int kSlotY = 'Y' - 64;
constexpr int kSlotZ = 'Z' - 64;
constexpr long double kTiny = 1e-18L;
// Export polylines are handed to the surface in pieces of at most this many points, so a
// dense curve never needs one huge buffer and the sample loop never allocates.
constexpr std::size_t kPolylineChunk = 8192;
// An integral pass also polls this often, so that a start point far outside the interval
// cannot freeze the window.
constexpr std::int64_t kIntegralPollEvery = 1 << 16;

// The curve formulas may move letters (the parameter, X and Y of a point map, the family
// letter); the window's letters are the user's, so they are put back afterwards.
class LetterGuard {
public:
    explicit LetterGuard(EvalContext& eval) : eval_(eval), tolerance_(eval.tolerance) {
        std::copy(std::begin(eval.letterValues), std::end(eval.letterValues), saved_.begin());
    }
    ~LetterGuard() {
        std::copy(saved_.begin(), saved_.end(), std::begin(eval_.letterValues));
        eval_.tolerance = tolerance_;
    }
    LetterGuard(const LetterGuard&) = delete;
    LetterGuard& operator=(const LetterGuard&) = delete;

private:
    EvalContext& eval_;
    long double tolerance_;
    std::array<ComplexValue, kLetterCount> saved_;
};

platform::PenStyle StyleOfAttribute(int attribute) {
    switch (attribute) {
    case 1: return platform::PenStyle::Dashed;
    case 2: return platform::PenStyle::Dotted;
    case 3: return platform::PenStyle::DashDot;
    default: return platform::PenStyle::Solid;
    }
}

platform::Pen ExamplePen(const PlaneDrawContext& context, const ExampleRecord& example) {
    // A width from a damaged file must not turn every sample into a huge disc.
    const int width = std::clamp<int>(example.Width(), 1, 30);
    return {context.PenColour(example.Colour()), width, StyleOfAttribute(example.PenAttribute())};
}

// The pen that moves along a curve. Each piece drawn without lifting goes to the surface as
// one polyline: a dash pattern runs on along the piece instead of starting again at every
// pixel, a shared vertex is not drawn twice, and a surface is called once per piece instead
// of once per pixel. On the screen a polyline takes a pixel once however many samples land
// on it, and a point that cannot be mapped ends the piece; in picture-export mode every
// point goes in. With connect-points off every sample is a single pixel.
class TracePen {
public:
    // `density` is about how many samples fall on a pixel column. Below two nearly every
    // sample lands away from the last pixel, where tracking only adds to the exact mapping.
    TracePen(PlaneDrawContext& context, platform::Rgb colour, std::int64_t expectedPoints, int density)
        : surface_(context.surface), view_(context.view), tracker_(context.view), colour_(colour),
          dots_(!context.settings.connectPoints && !context.settings.exportMode),
          export_(context.settings.exportMode), tracks_(!dots_ && !export_ && density >= 2) {
        if (!dots_) {
            const auto wanted = static_cast<std::size_t>(std::max<std::int64_t>(expectedPoints, 2));
            polyline_.reserve(std::min(wanted, kPolylineChunk));
        }
    }
    ~TracePen() { Lift(); }
    TracePen(const TracePen&) = delete;
    TracePen& operator=(const TracePen&) = delete;

    // Draws on to the point when it lies in the world window and lifts the pen otherwise.
    // Inlined into the sample loops: on the screen the tracker places nearly every sample
    // without the exact mapping, and at high densities most of them land on the pixel of the
    // one before, where there is nothing to do.
    [[gnu::always_inline]] void Put(const long double& x, const long double& y) {
        PixelPoint p;
        if (tracks_) {
            switch (tracker_.Track(x, y, p)) {
            case PixelTracker::Move::Same:
                ++samples_;
                return;
            case PixelTracker::Move::Moved:
                Add({p.x, p.y});
                ++samples_;
                return;
            case PixelTracker::Move::Unsure:
                break;
            }
        }
        PutExactly(x, y);
    }

    // A piece of a single sample draws nothing: it has no line.
    void Lift() {
        if (samples_ >= 2)
            surface_.Polyline(polyline_);
        polyline_.clear();
        samples_ = 0;
        tracker_.Forget();
    }

private:
    // The window test shares the mapping's differences: a difference of two 80-bit values is
    // never rounded to zero, so x >= xmin exactly when x - xmin >= 0.
    [[gnu::always_inline]] void PutExactly(const long double& x, const long double& y) {
        const long double fromLeft = x - view_.xmin;
        const long double fromTop = view_.ymax - y;
        if (!(fromLeft >= 0 && x <= view_.xmax && y >= view_.ymin && fromTop >= 0)) {
            Lift();
            return;
        }
        if (dots_) {
            Dot(x, y);
            return;
        }
        PixelPoint p;
        const bool mapped = view_.OffsetsToPixelPoint(view_.pixX * fromLeft, view_.pixY * fromTop, p);
        const platform::Point here{p.x, p.y};
        if (export_) {
            Add(here);
        } else if (!mapped) {
            Lift();
            return;
        } else if (samples_ == 0 || here != polyline_.back()) {
            Add(here);
            if (tracks_)
                tracker_.Follow(p);
        }
        ++samples_;
    }

    [[gnu::always_inline]] void Add(platform::Point here) {
        if (polyline_.size() == polyline_.capacity())
            HandOver();
        polyline_.push_back(here);
    }

    // Hands over a full part of the piece and goes on from its last point.
    [[gnu::noinline]] void HandOver() {
        const platform::Point last = polyline_.back();
        surface_.Polyline(polyline_);
        polyline_.clear();
        polyline_.push_back(last);
    }

    [[gnu::noinline]] void Dot(long double x, long double y) {
        PixelPoint p;
        view_.ToPixelPoint(x, y, p);
        surface_.SetPixel({p.x, p.y}, colour_);
    }

    platform::Surface& surface_;
    const View& view_;
    PixelTracker tracker_; // follows the piece's last pixel, on the screen
    platform::Rgb colour_;
    bool dots_;
    bool export_;
    bool tracks_;
    std::int64_t samples_ = 0; // in the piece being drawn
    std::vector<platform::Point> polyline_;
};

struct Family {
    int letter = 0; // 0: not a family
    int members = 1;
    bool oneByOne = false;
    long double first = 0;
    long double increment = 0;
};

Family ReadFamily(const ExampleRecord& example) {
    Family family;
    const int letter = example.I16(exo::kFamilyLetter);
    if (!example.IsFamily() || letter < 1 || letter > 26)
        return family;
    const int steps = example.I16(exo::kFamilySteps);
    const int count = std::abs(steps);
    family.letter = letter;
    family.members = count + 1;
    family.oneByOne = steps < 0;
    family.first = example.Real(exo::kFamilyFirst);
    if (count > 0)
        family.increment = (example.Real(exo::kFamilyLast) - family.first) / count;
    return family;
}

// Runs `drawMember(key)` for every member of the example's family (once without one),
// with the family letter at the member's value; returns the last key read.
template <class DrawMember>
int ForEachMember(PlaneDrawContext& context, const ExampleRecord& example, DrawMember drawMember) {
    const Family family = ReadFamily(example);
    int key = 0;
    for (int k = 0; k < family.members && key != kStopKey; ++k) {
        if (family.letter != 0)
            context.eval.SetLetter(family.letter, family.first + k * family.increment);
        key = drawMember(key);
        if (family.oneByOne && key != kStopKey)
            context.Pause(MemberPause(example));
    }
    return key;
}

int PollInto(PlaneDrawContext& context, int key) {
    const int read = context.Poll();
    return read != 0 ? read : key;
}

// ---- Curves (201, 202, 203) ----

struct CurveRange {
    long double a = 0;
    long double b = 0;
    long double h = 0;
    std::int64_t n = 1;
};

bool ClipsToWindow(const PlaneDrawContext& context, const ExampleRecord& example) {
    return example.Kind() == kExplicit && example.LockedInterval() &&
           !context.settings.ignoreExampleIntervals;
}

// False when a locked interval lies outside the window: nothing to draw.
bool CurveRangeOf(const PlaneDrawContext& context, const ExampleRecord& example, CurveRange& range) {
    range.a = example.Minimum();
    range.b = example.Maximum();
    if (ClipsToWindow(context, example)) {
        const View& view = context.SourceView();
        if (view.xmax < range.a + kTiny || range.b < view.xmin + kTiny)
            return false;
        range.a = std::max(range.a, view.xmin);
        range.b = std::min(range.b, view.xmax);
    }
    range.n = CurveSampleCount(context.SourceView(), example, range.a, range.b);
    range.h = (range.b - range.a) / static_cast<long double>(range.n);
    return true;
}

bool HasCurveTrees(const ExampleRecord& example) {
    if (!example.Tree(1))
        return false;
    return example.Kind() == kExplicit || example.Tree(0);
}

// One sample of the curve: the point, or false when it is undefined or near a jump. The
// curve's formulas run as flat programs, built once per drawing.
class CurveSampler {
public:
    CurveSampler(PlaneDrawContext& context, const ExampleRecord& example)
        : eval_(context.eval), x_(example.Tree(0)), y_(example.Tree(1)), r_(example.Tree(2)),
          slot_(PlotVariable(example)), explicit_(example.Kind() == kExplicit),
          positiveR_(example.Kind() == kPolar && example.Flag(exo::kFlag50)),
          map_(PointMapOf(context)) {
        if (map_ && !eval_.complexMode) {
            mapX_.Build(map_->Tree(0));
            mapY_.Build(map_->Tree(1));
        }
    }

    // An explicit curve without a point map: its point is (t, y), so x never goes through
    // memory.
    bool IsPlainExplicit() const { return explicit_ && !map_; }

    bool SampleExplicit(const long double& t, long double& py) {
        eval_.nearBreak = false;
        return y_.EvaluateAt(eval_, slot_, t, py) && !eval_.nearBreak;
    }

    bool Sample(const long double& t, long double& px, long double& py) {
        eval_.nearBreak = false;
        bool defined;
        if (explicit_) {
            px = t;
            defined = y_.EvaluateAt(eval_, slot_, t, py);
        } else {
            defined = y_.EvaluateAt(eval_, slot_, t, py) && x_.EvaluateAt(eval_, slot_, t, px);
            if (defined && positiveR_) {
                long double r = 0;
                defined = r_.EvaluateAt(eval_, slot_, t, r) && r > 0;
            }
        }
        if (!defined || eval_.nearBreak)
            return false;
        return !map_ || MapPoint(px, py);
    }

private:
    static const ExampleRecord* PointMapOf(PlaneDrawContext& context) {
        const int index = context.settings.pointMapExample;
        if (index < 0 || index > context.examples.LastExample())
            return nullptr;
        const ExampleRecord& map = context.examples[index];
        const bool complete = map.Tree(0) && (context.eval.complexMode || map.Tree(1));
        return complete ? &map : nullptr;
    }

    [[gnu::noinline]] bool MapPoint(long double& px, long double& py) {
        if (eval_.complexMode) {
            ComplexValue image;
            if (!EvaluateAtComplex(eval_, map_->Tree(0), kSlotZ, {px, py}, image))
                return false;
            px = image.re;
            py = image.im;
            return true;
        }
        eval_.SetLetter(kSlotY, py);
        long double mx = 0;
        long double my = 0;
        if (!mapX_.EvaluateAt(eval_, kSlotX, px, mx) || !mapY_.EvaluateAt(eval_, kSlotX, px, my))
            return false;
        px = mx;
        py = my;
        return true;
    }

    EvalContext& eval_;
    RealProgram x_;
    RealProgram y_;
    RealProgram r_;
    int slot_;
    bool explicit_;
    bool positiveR_;
    const ExampleRecord* map_;
    RealProgram mapX_;
    RealProgram mapY_;
};

template <bool kPlainExplicit>
int TraceSamples(PlaneDrawContext& context, CurveSampler& sampler, TracePen& pen, const CurveRange& range,
                 int key) {
    long double t = range.a + kTiny;
    for (std::int64_t i = 0; i <= range.n && key != kStopKey; ++i) {
        long double px;
        long double py;
        bool defined;
        if constexpr (kPlainExplicit) {
            defined = sampler.SampleExplicit(t, py);
            px = t;
        } else {
            defined = sampler.Sample(t, px, py);
        }
        if (defined)
            pen.Put(px, py);
        else
            pen.Lift();
        key = PollInto(context, key);
        t = i + 1 == range.n ? range.b : t + range.h;
    }
    return key;
}

int TraceMember(PlaneDrawContext& context, CurveSampler& sampler, TracePen& pen,
                const CurveRange& range, int key) {
    pen.Lift();
    key = sampler.IsPlainExplicit() ? TraceSamples<true>(context, sampler, pen, range, key)
                               : TraceSamples<false>(context, sampler, pen, range, key);
    pen.Lift();
    return key;
}

// A filled triangle whose tip is at the point, pointing along the curve. It is built in
// pixels, so it keeps its shape when the two scales differ.
void DrawArrowHead(PlaneDrawContext& context, long double x, long double y, long double dx,
                   long double dy, long double size, platform::Rgb colour) {
    const View& view = context.view;
    long double ux = dx * view.pixX;
    long double uy = -dy * view.pixY;
    const long double length = std::hypot(ux, uy);
    const long double pixels = std::min(size * view.pixX, 4000.0L);
    if (!(length > 0) || !std::isfinite(length) || !(pixels > 0))
        return;
    ux /= length;
    uy /= length;
    const long double tipX = view.ToPixelX(x);
    const long double tipY = view.ToPixelY(y);
    const long double baseX = tipX - pixels * ux;
    const long double baseY = tipY - pixels * uy;
    const long double half = 0.4L * pixels;
    const platform::Point head[3] = {
        {RoundToInt(tipX), RoundToInt(tipY)},
        {RoundToInt(baseX - half * uy), RoundToInt(baseY + half * ux)},
        {RoundToInt(baseX + half * uy), RoundToInt(baseY - half * ux)},
    };
    context.surface.SetPen({colour, 1, platform::PenStyle::Solid});
    context.surface.SetBrush({colour, platform::BrushStyle::Solid});
    context.surface.Polygon(head);
    context.surface.SetBrush(platform::Brush{});
}

void DrawArrow(PlaneDrawContext& context, ExampleRecord& example, const platform::Pen& pen) {
    if (example.Kind() != kParametric || !example.Flag(exo::kFlag58))
        return;
    const View& source = context.SourceView();
    if (!context.settings.printing)
        example.SetReal(exo::kArrowWorld, source.unitX * (example.I16(exo::kArrowSize) + 10));
    // The head keeps its size in pixels in another view.
    const long double size = example.Real(exo::kArrowWorld) * context.view.unitX / source.unitX;
    const int slot = PlotVariable(example);
    const long double at = example.Real(exo::kArrowPosition);
    long double x = 0, y = 0, dx = 0, dy = 0;
    EvalContext& eval = context.eval;
    if (!EvaluateAt(eval, example.Tree(0), slot, at, x) || !EvaluateAt(eval, example.Tree(1), slot, at, y) ||
        !EvaluateAt(eval, example.Tree(4), slot, at, dx) || !EvaluateAt(eval, example.Tree(5), slot, at, dy))
        return;
    // A zero direction gives no arrow.
    const long double speed = std::hypot(dx, dy);
    if (!(speed > kTiny))
        return;
    if (context.Mapped()) {
        // Along the image of a step of a source pixel.
        const long double step = source.unitX / speed;
        long double ax = x + dx * step, ay = y + dy * step;
        if (!MapPoint(context, x, y) || !MapPoint(context, ax, ay))
            return;
        dx = ax - x;
        dy = ay - y;
    }
    if (!context.view.Inside(x, y))
        return;
    DrawArrowHead(context, x, y, dx, dy, size, pen.colour);
    context.surface.SetPen(pen);
}

// ---- Indefinite integral (206) ----

class IntegralTracer {
public:
    IntegralTracer(PlaneDrawContext& context, const ExampleRecord& example, TracePen& pen)
        : context_(context), pen_(pen), f_(example.Tree(1)), x0_(example.Real(exo::kCycloidStart)),
          minimum_(example.Minimum()), maximum_(example.Maximum()),
          h_(context.SourceView().unitX / 2 / std::max<int>(example.Density(), 1)) {}

    int Member(int key) {
        key = Pass(h_, key);
        key = Pass(-h_, key);
        return key == kStopKey ? key : PollInto(context_, key);
    }

private:
    long double F(long double x) {
        long double value = 0;
        return EvaluateAt(context_.eval, f_, kSlotX, x, value) ? value : 0.0L;
    }

    void Show(long double x, long double y) {
        if (x < minimum_ || x > maximum_ || !MapPoint(context_, x, y))
            pen_.Lift();
        else
            pen_.Put(x, y);
    }

    int Pass(long double h, int key) {
        pen_.Lift();
        long double x = x0_;
        long double integral = 0;
        long double fx = F(x);
        Show(x, integral);
        std::int64_t steps = 0;
        while ((h > 0 ? x < maximum_ : x > minimum_) && key != kStopKey) {
            const long double next = x + h;
            if (next == x)
                break; // h is lost against x: no progress is possible
            const long double fNext = F(next);
            integral += (fx + fNext) * h / 2;
            Show(next, integral);
            x = next;
            fx = fNext;
            if (++steps % kIntegralPollEvery == 0)
                key = PollInto(context_, key);
        }
        pen_.Lift();
        return key;
    }

    PlaneDrawContext& context_;
    TracePen& pen_;
    ExprNode* f_;
    long double x0_;
    long double minimum_;
    long double maximum_;
    long double h_;
};

} // namespace

int PlotVariable(const ExampleRecord& example) {
    switch (example.Kind()) {
    case kExplicit: return kSlotX;
    case kParametric: {
        const int letter = example.I16(exo::kParameterLetter);
        return letter >= 1 && letter <= 26 ? letter : kSlotT;
    }
    default: return kSlotT;
    }
}

std::int64_t CurveSampleCount(const View& view, const ExampleRecord& example, long double a,
                              long double b) {
    const std::int64_t density = std::max<int>(example.Density(), 1);
    std::int64_t n = density * (static_cast<std::int64_t>(view.clientW) + 1);
    if (example.Kind() == kExplicit && example.LockedInterval())
        n = RoundToInt(static_cast<long double>(n) * ((b - a) / 2) / view.rx);
    return std::max<std::int64_t>(n, 1);
}

int DrawCurve(PlaneDrawContext& context, ExampleRecord& example) {
    CurveRange range;
    if (!HasCurveTrees(example) || !CurveRangeOf(context, example, range))
        return 0;
    LetterGuard guard(context.eval);
    context.eval.tolerance = example.StepTolerance() * context.SourceView().unitX;
    const platform::Pen pen = ExamplePen(context, example);
    context.surface.SetPen(pen);
    CurveSampler sampler(context, example);
    TracePen tracePen(context, pen.colour, range.n + 1, example.I16(exo::kDensity));
    return ForEachMember(context, example, [&](int key) {
        key = TraceMember(context, sampler, tracePen, range, key);
        if (key != kStopKey)
            DrawArrow(context, example, pen);
        return key;
    });
}

int DrawIndefiniteIntegral(PlaneDrawContext& context, ExampleRecord& example) {
    if (!example.Tree(1))
        return 0;
    LetterGuard guard(context.eval);
    const platform::Pen pen = ExamplePen(context, example);
    context.surface.SetPen(pen);
    // Half a pixel per step at density 1.
    TracePen tracePen(context, pen.colour, static_cast<std::int64_t>(kPolylineChunk),
                      2 * example.I16(exo::kDensity));
    IntegralTracer tracer(context, example, tracePen);
    return ForEachMember(context, example, [&](int key) { return tracer.Member(key); });
}

} // namespace korvane
