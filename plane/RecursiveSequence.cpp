#include "plane/RecursiveSequence.h"

#include "expr/Evaluator.h"
#include "plane/MappedPath.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <vector>

namespace korvane {

namespace {

constexpr int kLetterX = 'X' - 64;
constexpr int kLetterY = 'Y' - 64;
constexpr long double kMaxTerms = kMaxTrajectorySteps;

bool NextTerm(EvalContext& eval, const ExampleRecord& example, long double& x, long double& y) {
    ExprNode* newX = example.Tree(0);
    ExprNode* newY = example.Tree(1);
    if (!newX || !newY)
        return false;
    eval.SetLetter(kLetterX, x);
    eval.SetLetter(kLetterY, y);
    if (!EvaluateNode(eval, newX))
        return false;
    const long double nx = newX->value.re;
    eval.SetLetter(kLetterX, x);
    eval.SetLetter(kLetterY, y);
    if (!EvaluateNode(eval, newY))
        return false;
    const long double ny = newY->value.re;
    if (!std::isfinite(nx) || !std::isfinite(ny))
        return false;
    x = nx;
    y = ny;
    return true;
}

// The latest terms, newest last, in a fixed ring.
class RecentTerms {
public:
    void Add(long double x, long double y) {
        ring_[static_cast<std::size_t>(next_)] = {x, y};
        next_ = (next_ + 1) % kSize;
        if (count_ < kSize)
            ++count_;
    }
    // back = 0 the newest term.
    std::array<long double, 2> Back(int back) const {
        return ring_[static_cast<std::size_t>((next_ - 1 - back + 2 * kSize) % kSize)];
    }
    int Count() const { return count_; }

    // The shortest period p whose last p terms each repeat the term p before them.
    int Period(long double tolerance) const {
        for (int p = 1; p <= kLongestCycle && 2 * p <= count_; ++p)
            if (Repeats(p, p, tolerance))
                return Reduced(p, tolerance);
        return 0;
    }

private:
    static constexpr int kSize = 2 * kLongestCycle;
    // A sequence that converges while it oscillates comes back to the term two before
    // sooner than to the one before: when the terms of a cycle lie within a few
    // tolerances of each other at a shorter period, that is the period.
    int Reduced(int p, long double tolerance) const {
        constexpr long double kSamePoint = 4;
        for (int d = 1; d < p; ++d)
            if (p % d == 0 && Repeats(d, p, kSamePoint * tolerance))
                return d;
        return p;
    }
    // Each of the last `span` terms within `tolerance` of the term `p` before it.
    bool Repeats(int p, int span, long double tolerance) const {
        for (int j = 0; j < span; ++j) {
            const auto a = Back(j), b = Back(j + p);
            if (!(std::fabs(a[0] - b[0]) + std::fabs(a[1] - b[1]) < tolerance))
                return false;
        }
        return true;
    }

    std::array<std::array<long double, 2>, kSize> ring_{};
    int next_ = 0;
    int count_ = 0;
};

int TermCount(const TrajectoryRecord& record) {
    const long double n = std::round(record.Real(tro::kEndT));
    if (!(n > 0))
        return 0;
    return static_cast<int>(n < kMaxTerms ? n : kMaxTerms);
}

// A term as the dialog shows it, to ten significant digits.
std::string PointText(long double x, long double y) {
    char text[80];
    std::snprintf(text, sizeof text, "(%.10Lg, %.10Lg)", x, y);
    return text;
}

} // namespace

SequenceOutcome RunSequence(EvalContext& eval, const ExampleRecord& example, const TrajectoryRecord& record,
                            const View& view, const SequenceLimits& limits,
                            const std::function<int(int term, long double x, long double y, bool inside)>& visit) {
    SequenceOutcome outcome;
    long double x = record.Real(tro::kStartX), y = record.Real(tro::kStartY);
    outcome.x = x;
    outcome.y = y;
    const int n = TermCount(record);
    RecentTerms recent;
    recent.Add(x, y);
    outcome.key = visit ? visit(0, x, y, view.Inside(x, y)) : 0;
    for (;;) {
        if (outcome.key == kStopKey) {
            outcome.end = SequenceEnd::Stopped;
            break;
        }
        if (!NextTerm(eval, example, x, y)) {
            outcome.end = SequenceEnd::Undefined;
            break;
        }
        ++outcome.terms;
        outcome.x = x;
        outcome.y = y;
        const bool inside = view.Inside(x, y);
        outcome.key = visit ? visit(outcome.terms, x, y, inside) : 0;
        recent.Add(x, y);
        if (limits.cycleTolerance > 0) {
            if (const int period = recent.Period(limits.cycleTolerance); period > 0) {
                outcome.end = SequenceEnd::Cycle;
                outcome.period = period;
                break;
            }
        }
        if (outcome.terms > n)
            break;
        if (limits.screenLimit && !inside) {
            outcome.end = SequenceEnd::LeftScreen;
            break;
        }
    }
    return outcome;
}

std::string DescribeSequenceEnd(const SequenceOutcome& outcome) {
    switch (outcome.end) {
    case SequenceEnd::Cycle:
        return "período da sequência é " + std::to_string(outcome.period) + " " + PointText(outcome.x, outcome.y) +
               "; sequência interrompida no termo " + std::to_string(outcome.terms);
    case SequenceEnd::Undefined:
    case SequenceEnd::Stopped: return "sequência interrompida no termo " + std::to_string(outcome.terms);
    default: return {};
    }
}

long double SequenceCycleTolerance(const PlaneDrawSettings& settings, const View& view) {
    return settings.loopTolerance * view.unitX;
}

namespace {

// The marks and joins of one sequence on the picture.
class SequencePen {
public:
    SequencePen(PlaneDrawContext& context, const ExampleRecord& example, const TrajectoryRecord& record)
        : context_(context), connect_(example.Flag(exo::kFlag60)), mapped_(context) {
        pen_.colour = context.PenColour(record.I16(tro::kColour));
        pen_.width = record.I16(tro::kWidth) > 1 ? record.I16(tro::kWidth) : 1;
        const int size = record.I16(tro::kSetting77);
        radius_ = size > 0 ? size : 0;
    }

    int Term(int term, long double x, long double y, bool inside) {
        if (connect_ && term > 0)
            Join(x, y);
        if (inside)
            Mark(x, y);
        lastX_ = x;
        lastY_ = y;
        return context_.Poll();
    }
    void Finish() {
        mapped_.Lift();
        if (polyline_.size() >= 2)
            context_.surface.Polyline(polyline_);
        polyline_.clear();
    }

private:
    void Join(long double x, long double y) {
        long double x0 = lastX_, y0 = lastY_, x1 = x, y1 = y;
        if (!context_.SourceView().ClipSegment(x0, y0, x1, y1)) {
            Finish();
            return;
        }
        if (context_.Mapped()) {
            context_.surface.SetPen(pen_);
            mapped_.Segment(x0, y0, x1, y1);
            if (x1 != x || y1 != y)
                mapped_.Lift();
            return;
        }
        const View& view = context_.view;
        const platform::Point a{view.ToPixelXInt(x0), view.ToPixelYInt(y0)};
        const platform::Point b{view.ToPixelXInt(x1), view.ToPixelYInt(y1)};
        context_.surface.SetPen(pen_);
        if (!context_.settings.exportMode) {
            context_.surface.Line(a, b);
            return;
        }
        const bool continues = !polyline_.empty() && polyline_.back().x == a.x && polyline_.back().y == a.y;
        if (!continues) {
            Finish();
            polyline_.push_back(a);
        }
        polyline_.push_back(b);
    }
    void Mark(long double x, long double y) {
        platform::Point p;
        if (!MappedPath::ImagePixel(context_, x, y, p))
            return;
        if (radius_ == 0) {
            context_.surface.SetPixel(p, pen_.colour);
            return;
        }
        platform::Pen outline = pen_;
        outline.width = 1;
        context_.surface.SetPen(outline);
        context_.surface.SetBrush({pen_.colour, platform::BrushStyle::Solid});
        context_.surface.Ellipse({p.x - radius_, p.y - radius_, p.x + radius_ + 1, p.y + radius_ + 1});
    }

    PlaneDrawContext& context_;
    bool connect_;
    platform::Pen pen_;
    int radius_ = 0;
    long double lastX_ = 0, lastY_ = 0;
    std::vector<platform::Point> polyline_;
    MappedPath mapped_;
};

} // namespace

int DrawRecursive(PlaneDrawContext& context, ExampleRecord& example) {
    SequenceLimits limits;
    const View& view = context.SourceView();
    limits.cycleTolerance = SequenceCycleTolerance(context.settings, view);
    limits.screenLimit = example.Flag(exo::kScreenLimit);
    int key = 0;
    for (TrajectoryRecord& record : example.trajectories) {
        SequencePen pen(context, example, record);
        const SequenceOutcome outcome = RunSequence(
            context.eval, example, record, view, limits,
            [&pen](int term, long double x, long double y, bool inside) { return pen.Term(term, x, y, inside); });
        pen.Finish();
        if (record.Byte(tro::kOpenEnd) != 0) {
            record.SetReal(tro::kEndT, outcome.terms > 0 ? outcome.terms - 1 : 0);
            record.SetByte(tro::kOpenEnd, 0);
        }
        if ((key = outcome.key) == kStopKey)
            break;
    }
    return key;
}

} // namespace korvane
