#include "plane/ImplicitCurve.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "expr/Evaluator.h"
#include "expr/RandomGenerator.h"
#include "plane/SystemTrajectory.h"

namespace korvane {

namespace {

constexpr int kSlotX = 'X' - 64;
constexpr int kSlotY = 'Y' - 64;
constexpr int kFunctionSlot = 2;
// The tangent (-dF/dY, dF/dX): slot 5 negated, slot 4.
constexpr std::int16_t kTangentX = 8 + 5;
constexpr std::int16_t kTangentY = 4;

struct Point2 {
    long double x = 0, y = 0;
};

// The pixels of the example's own pieces: a start point next to one of them lies on a
// piece already traced, whatever else (grid, axes, other curves) the picture holds there.
class PieceMask : public TrajectoryListener {
public:
    explicit PieceMask(const View& view)
        : view_(view), width_(std::max(view.clientW, 1)), height_(std::max(view.clientH, 1)),
          pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_)) {}

    void Reached(long double x, long double y) override {
        if (!view_.Inside(x, y))
            return;
        const int px = view_.ToPixelXInt(x), py = view_.ToPixelYInt(y);
        if (px >= 0 && py >= 0 && px < width_ && py < height_)
            pixels_[Index(px, py)] = 1;
    }

    // Any piece pixel in the rectangle of pixels from (x0, y0) to (x1, y1).
    bool Any(int x0, int y0, int x1, int y1) const {
        for (int y = std::max(y0, 0); y <= std::min(y1, height_ - 1); ++y)
            for (int x = std::max(x0, 0); x <= std::min(x1, width_ - 1); ++x)
                if (pixels_[Index(x, y)])
                    return true;
        return false;
    }

private:
    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x);
    }

    const View& view_;
    int width_, height_;
    std::vector<std::uint8_t> pixels_;
};

class ImplicitSearch {
public:
    ImplicitSearch(PlaneDrawContext& context, ExampleRecord& example)
        : context_(context), example_(example), mask_(context.SourceView()) {
        const long double perimeter = context.SourceView().clientW + context.SourceView().clientH;
        // A piece without "fronteira" may run off for ever; these ends keep it finite.
        options_.maxStepsOutside = static_cast<long>(2 * perimeter);
        options_.maxSteps = static_cast<long>(200 * perimeter);
        options_.listener = &mask_;
    }

    ImplicitDrawStats Draw();

private:
    void Shade(ImplicitRelation relation);
    bool Replay();
    void SearchMember(int letter, long double value);
    bool Evaluate(const Point2& p, long double& f);
    bool FindStartPoint(Point2& start);
    bool Bisect(Point2 a, Point2 b, bool signA, long double bound, Point2& start);
    bool Visited(const Point2& p) const;
    void Sweep(int letter, long double value);
    void SweepEdge(const Point2& a, long double fa, const Point2& b, long double fb, int letter,
                   long double value);
    void TracePiece(const Point2& start, int letter, long double value);
    TrajectoryRecord NewPiece(const Point2& start, int letter, long double value, long double end) const;
    bool LongSearch() const;
    bool Stopped() const { return stats_.key == kStopKey; }
    void Count(const SystemTrajectoryResult& r) {
        stats_.evaluations += r.evaluations;
        if (r.key != 0)
            stats_.key = r.key;
    }

    PlaneDrawContext& context_;
    ExampleRecord& example_;
    PieceMask mask_;
    bool strict_ = false; // the boundary of a strict inequality is dotted
    SystemTrajectoryOptions options_;
    ImplicitDrawStats stats_;
};

bool ImplicitSearch::Evaluate(const Point2& p, long double& f) {
    ++stats_.evaluations;
    context_.eval.SetLetter(kSlotX, p.x);
    return EvaluateAt(context_.eval, example_.Tree(kFunctionSlot), kSlotY, p.y, f) && std::isfinite(f);
}

bool ImplicitSearch::Replay() {
    options_.watch = false;
    // The pieces of earlier members and searches count as visited.
    for (TrajectoryRecord& piece : example_.trajectories) {
        Count(TraceSystemTrajectory(context_, example_, piece, options_));
        if (Stopped())
            return false;
    }
    return true;
}

// Bisection down to a ten-thousandth of a pixel. A sign change across a pole is no
// curve: there |F| grows as the bracket shrinks, so a point where it ends above the
// larger end value is refused, and so is one where F stops being defined.
bool ImplicitSearch::Bisect(Point2 a, Point2 b, bool signA, long double bound, Point2& start) {
    const long double precision = 0.0001L * (context_.SourceView().unitX + context_.SourceView().unitY);
    long double f = 0;
    Point2 m;
    do {
        m = {(a.x + b.x) / 2, (a.y + b.y) / 2};
        if (!Evaluate(m, f))
            return false;
        if ((f > 0) != signA)
            b = m;
        else
            a = m;
    } while (std::fabs(a.x - b.x) + std::fabs(a.y - b.y) > precision);
    start = m;
    return std::fabs(f) <= bound;
}

bool ImplicitSearch::FindStartPoint(Point2& start) {
    const View& view = context_.SourceView();
    RandomGenerator& random = context_.eval.random ? *context_.eval.random : RandomGenerator::Program();
    for (int attempt = 0; attempt < kImplicitAttempts; ++attempt) {
        Point2 a, b;
        a.x = random.Uniform(view.xmin, view.xmax);
        a.y = random.Uniform(view.ymin, view.ymax);
        b.x = random.Uniform(view.xmin, view.xmax);
        b.y = random.Uniform(view.ymin, view.ymax);
        long double fa = 0, fb = 0;
        if (!Evaluate(a, fa) || !Evaluate(b, fb))
            continue;
        if ((fa > 0) == (fb > 0))
            continue;
        if (Bisect(a, b, fa > 0, std::fmax(std::fabs(fa), std::fabs(fb)), start))
            return true;
    }
    return false;
}

bool ImplicitSearch::Visited(const Point2& p) const {
    const View& view = context_.SourceView();
    const int px = view.ToPixelXInt(p.x), py = view.ToPixelYInt(p.y);
    return mask_.Any(px - 1, py - 1, px + 1, py + 1);
}

// A sign change along a lattice edge that no piece crosses yet: the component there gets
// a piece of its own.
void ImplicitSearch::SweepEdge(const Point2& a, long double fa, const Point2& b, long double fb, int letter,
                               long double value) {
    if ((fa > 0) == (fb > 0))
        return;
    const View& view = context_.SourceView();
    const int ax = view.ToPixelXInt(a.x), ay = view.ToPixelYInt(a.y);
    const int bx = view.ToPixelXInt(b.x), by = view.ToPixelYInt(b.y);
    if (mask_.Any(std::min(ax, bx) - 1, std::min(ay, by) - 1, std::max(ax, bx) + 1, std::max(ay, by) + 1))
        return;
    Point2 start;
    if (!Bisect(a, b, fa > 0, std::fmax(std::fabs(fa), std::fabs(fb)), start))
        return;
    ++stats_.sweepStarts;
    if (!Visited(start))
        TracePiece(start, letter, value);
}

// Our own addition to the random search: F on a lattice of kImplicitSweepPixels, row by
// row, and every edge where it changes sign checked for a piece.
void ImplicitSearch::Sweep(int letter, long double value) {
    const View& view = context_.SourceView();
    const int columns = std::max(view.clientW / kImplicitSweepPixels, 1);
    const int rows = std::max(view.clientH / kImplicitSweepPixels, 1);
    const long double dx = (view.xmax - view.xmin) / columns, dy = (view.ymax - view.ymin) / rows;
    struct Node {
        Point2 p;
        long double f = 0;
        bool defined = false;
    };
    std::vector<Node> above(static_cast<std::size_t>(columns) + 1), below(above.size());
    const auto fill = [&](int j, std::vector<Node>& row) {
        for (int i = 0; i <= columns; ++i) {
            Node& n = row[static_cast<std::size_t>(i)];
            n.p = {view.xmin + dx * i, view.ymax - dy * j};
            n.defined = Evaluate(n.p, n.f);
        }
    };
    const auto edge = [&](const Node& a, const Node& b) {
        if (a.defined && b.defined && !Stopped())
            SweepEdge(a.p, a.f, b.p, b.f, letter, value);
    };
    fill(0, above);
    for (int j = 0; j <= rows && !Stopped(); ++j) {
        for (int i = 0; i < columns; ++i)
            edge(above[static_cast<std::size_t>(i)], above[static_cast<std::size_t>(i) + 1]);
        if (j == rows)
            break;
        fill(j + 1, below);
        for (int i = 0; i <= columns; ++i)
            edge(above[static_cast<std::size_t>(i)], below[static_cast<std::size_t>(i)]);
        above.swap(below);
        if (const int key = context_.Poll(); key != 0)
            stats_.key = key;
    }
}

TrajectoryRecord ImplicitSearch::NewPiece(const Point2& start, int letter, long double value,
                                          long double end) const {
    TrajectoryRecord piece;
    piece.SetReal(tro::kStartX, start.x);
    piece.SetReal(tro::kStartY, start.y);
    piece.SetI16(tro::kKind, kImplicit);
    piece.SetByte(tro::kOpenEnd, 1);
    piece.SetReal(tro::kStartT, 0);
    piece.SetReal(tro::kEndT, end);
    piece.SetI16(tro::kLetter, static_cast<std::int16_t>(letter));
    piece.SetReal(tro::kLetterValue, letter != 0 ? value : 0);
    piece.SetI16(tro::kColour, example_.Colour());
    piece.SetI16(tro::kWidth, example_.Width());
    piece.SetI16(tro::kPenAttribute, static_cast<std::int16_t>(strict_ ? 2 : example_.PenAttribute()));
    piece.SetI16(tro::kDirectionX, kTangentX);
    piece.SetI16(tro::kDirectionY, kTangentY);
    piece.SetI16(tro::kDirectionZ, -1);
    return piece;
}

// A start where F only touches 0 (xx+yy at the origin) leads nowhere: a piece that
// travels less than a pixel is not kept.
void ImplicitSearch::TracePiece(const Point2& start, int letter, long double value) {
    const View& view = context_.SourceView();
    const long double pixel = std::fmin(view.unitX, view.unitY);
    bool closed = false;
    for (const long double end : {kImplicitParameterRange, -kImplicitParameterRange}) {
        if (Stopped() || closed)
            return;
        example_.trajectories.push_back(NewPiece(start, letter, value, end));
        const SystemTrajectoryResult r =
            TraceSystemTrajectory(context_, example_, example_.trajectories.back(), options_);
        Count(r);
        closed = r.closed;
        if (r.travelled < pixel)
            example_.trajectories.pop_back();
        else
            ++stats_.pieces;
    }
}

// "busca longa" runs until S, so only where a key can come.
bool ImplicitSearch::LongSearch() const {
    const PlaneDrawSettings& s = context_.settings;
    return example_.Flag(exo::kFlag55) && context_.pollKey && !s.noPoll && !s.exportMode && !s.printing;
}

void ImplicitSearch::SearchMember(int letter, long double value) {
    if (letter != 0)
        context_.eval.SetLetter(letter, value);
    const bool endless = LongSearch();
    for (int tries = 0; (endless || tries < kImplicitTries) && !Stopped();) {
        Point2 start;
        if (FindStartPoint(start)) {
            ++stats_.startPoints;
            if (Visited(start))
                ++stats_.skipped;
            else
                TracePiece(start, letter, value);
        }
        if (!Stopped()) {
            const int key = context_.Poll();
            if (key != 0)
                stats_.key = key;
        }
        if (++tries == kImplicitTries && !Stopped())
            Sweep(letter, value);
    }
}

bool Holds(ImplicitRelation relation, long double f) {
    switch (relation) {
    case ImplicitRelation::Less: return f < 0;
    case ImplicitRelation::LessEqual: return f <= 0;
    case ImplicitRelation::Greater: return f > 0;
    case ImplicitRelation::GreaterEqual: return f >= 0;
    default: return false;
    }
}

// The members of a family (one, letter 0, for an example that is none).
struct Family {
    int letter = 0;
    int members = 1;
    long double first = 0, increment = 0;
};

Family FamilyOf(const ExampleRecord& example) {
    Family family;
    if (!example.IsFamily())
        return family;
    const int stored = example.I16(exo::kFamilyLetter);
    family.letter = stored >= 1 && stored < kLetterCount ? stored : 0;
    const int steps = std::abs(example.I16(exo::kFamilySteps));
    family.members = steps + 1;
    family.first = example.Real(exo::kFamilyFirst);
    if (steps > 0)
        family.increment = (example.Real(exo::kFamilyLast) - family.first) / steps;
    return family;
}

bool OnPattern(int style, int px, int py) { return style == 2 ? px % 2 == 0 && py % 2 == 0 : (px + py) % 4 == 0; }

// The region where the inequality holds, decided at every pixel of a light pattern in the
// example's colour, so that the curves beneath stay visible.
// A family's region is the union of its members' regions, each with its own letter value.
void ImplicitSearch::Shade(ImplicitRelation relation) {
    const int style = context_.settings.shading;
    if (style <= 0 || context_.settings.exportMode)
        return;
    const View& view = context_.SourceView();
    const platform::Rgb colour = context_.PenColour(example_.Colour());
    const Family family = FamilyOf(example_);
    const ComplexValue saved = context_.eval.letterValues[family.letter];
    long double value = family.first;
    for (int member = 0; member < family.members && !Stopped(); ++member, value += family.increment) {
        if (family.letter != 0)
            context_.eval.SetLetter(family.letter, value);
        for (int py = 0; py < view.clientH && !Stopped(); ++py) {
            const long double y = view.ToWorldY(py);
            for (int px = 0; px < view.clientW; ++px) {
                long double f = 0;
                if (OnPattern(style, px, py) && Evaluate({view.ToWorldX(px), y}, f) && Holds(relation, f))
                    context_.surface.SetPixel({px, py}, colour);
            }
            if (py % 16 == 15)
                if (const int key = context_.Poll(); key != 0)
                    stats_.key = key;
        }
    }
    context_.eval.letterValues[family.letter] = saved;
}

ImplicitDrawStats ImplicitSearch::Draw() {
    if (!example_.Tree(kFunctionSlot))
        return stats_;
    const ImplicitRelation relation = FindRelation(example_.texts[4]).relation;
    strict_ = relation == ImplicitRelation::Less || relation == ImplicitRelation::Greater;
    // Under a map only the pieces the source window found are drawn, through the map; a
    // shading is a pattern of pixels, which has no image.
    const bool mapped = context_.Mapped();
    if (relation != ImplicitRelation::Equal && !mapped)
        Shade(relation);
    if (Stopped() || !Replay() || !example_.Flag(exo::kFlag56) || mapped)
        return stats_;
    options_.watch = example_.Flag(exo::kFlag57) && !context_.settings.printing;
    const Family family = FamilyOf(example_);
    const ComplexValue saved = context_.eval.letterValues[family.letter];
    long double value = family.first;
    for (int member = 0; member < family.members && !Stopped(); ++member) {
        SearchMember(family.letter, value);
        value += family.increment;
        if (example_.I16(exo::kFamilySteps) < 0)
            context_.Pause(MemberPause(example_));
    }
    if (family.letter != 0)
        context_.eval.letterValues[family.letter] = saved;
    example_.SetFlag(exo::kFlag56, false);
    return stats_;
}

} // namespace

RelationSign FindRelation(std::string_view equation) {
    const std::size_t at = equation.find_first_of("<>=");
    if (at == std::string_view::npos)
        return {};
    const bool orEqual = at + 1 < equation.size() && equation[at + 1] == '=';
    switch (equation[at]) {
    case '<': return {orEqual ? ImplicitRelation::LessEqual : ImplicitRelation::Less, at, orEqual ? 2u : 1u};
    case '>': return {orEqual ? ImplicitRelation::GreaterEqual : ImplicitRelation::Greater, at, orEqual ? 2u : 1u};
    default: return {ImplicitRelation::Equal, at, 1};
    }
}

ImplicitDrawStats DrawImplicitCounted(PlaneDrawContext& context, ExampleRecord& example) {
    ImplicitSearch search(context, example);
    return search.Draw();
}

int DrawImplicit(PlaneDrawContext& context, ExampleRecord& example) {
    return DrawImplicitCounted(context, example).key;
}

} // namespace korvane
