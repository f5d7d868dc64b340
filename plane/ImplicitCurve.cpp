#include "plane/ImplicitCurve.h"

#include <cmath>

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

class ImplicitSearch {
public:
    ImplicitSearch(PlaneDrawContext& context, ExampleRecord& example)
        : context_(context), example_(example) {
        const long double perimeter = context.view.clientW + context.view.clientH;
        // A piece without "fronteira" may run off for ever; these ends keep it finite.
        options_.maxStepsOutside = static_cast<long>(2 * perimeter);
        options_.maxSteps = static_cast<long>(200 * perimeter);
    }

    ImplicitDrawStats Draw();

private:
    bool Replay();
    void SearchMember(int letter, long double value);
    bool Evaluate(const Point2& p, long double& f);
    bool FindStartPoint(Point2& start);
    bool Bisect(Point2 a, Point2 b, bool signA, long double bound, Point2& start);
    bool Visited(const Point2& p) const;
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
    const long double precision = 0.0001L * (context_.view.unitX + context_.view.unitY);
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
    const View& view = context_.view;
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
    const int px = context_.view.ToPixelXInt(p.x), py = context_.view.ToPixelYInt(p.y);
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            const auto colour = context_.surface.GetPixel({px + dx, py + dy});
            if (colour && *colour != context_.background)
                return true;
        }
    return false;
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
    piece.SetI16(tro::kPenAttribute, example_.PenAttribute());
    piece.SetI16(tro::kDirectionX, kTangentX);
    piece.SetI16(tro::kDirectionY, kTangentY);
    piece.SetI16(tro::kDirectionZ, -1);
    return piece;
}

void ImplicitSearch::TracePiece(const Point2& start, int letter, long double value) {
    example_.trajectories.push_back(NewPiece(start, letter, value, kImplicitParameterRange));
    ++stats_.pieces;
    const SystemTrajectoryResult first =
        TraceSystemTrajectory(context_, example_, example_.trajectories.back(), options_);
    Count(first);
    if (Stopped() || first.closed)
        return;
    example_.trajectories.push_back(NewPiece(start, letter, value, -kImplicitParameterRange));
    ++stats_.pieces;
    Count(TraceSystemTrajectory(context_, example_, example_.trajectories.back(), options_));
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
    for (int tries = 0; tries < kImplicitTries && !Stopped();) {
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
        if (!endless)
            ++tries;
    }
}

ImplicitDrawStats ImplicitSearch::Draw() {
    if (!example_.Tree(kFunctionSlot) || !Replay() || !example_.Flag(exo::kFlag56))
        return stats_;
    options_.watch = example_.Flag(exo::kFlag57) && !context_.settings.printing;
    int letter = 0, members = 1;
    long double value = 0, increment = 0;
    if (example_.IsFamily()) {
        const int stored = example_.I16(exo::kFamilyLetter);
        letter = stored >= 1 && stored < kLetterCount ? stored : 0;
        const int steps = std::abs(example_.I16(exo::kFamilySteps));
        members = steps + 1;
        value = example_.Real(exo::kFamilyFirst);
        if (steps > 0)
            increment = (example_.Real(exo::kFamilyLast) - value) / steps;
    }
    const ComplexValue saved = context_.eval.letterValues[letter];
    for (int member = 0; member < members && !Stopped(); ++member) {
        SearchMember(letter, value);
        value += increment;
        if (example_.I16(exo::kFamilySteps) < 0 && context_.showPicture)
            context_.showPicture();
    }
    if (letter != 0)
        context_.eval.letterValues[letter] = saved;
    example_.SetFlag(exo::kFlag56, false);
    return stats_;
}

} // namespace

ImplicitDrawStats DrawImplicitCounted(PlaneDrawContext& context, ExampleRecord& example) {
    ImplicitSearch search(context, example);
    return search.Draw();
}

int DrawImplicit(PlaneDrawContext& context, ExampleRecord& example) {
    return DrawImplicitCounted(context, example).key;
}

} // namespace korvane
