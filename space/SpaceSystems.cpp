#include "space/SpaceSystems.h"

#include <algorithm>
#include <cmath>

#include "expr/Opcodes.h"
#include "expr/RealProgram.h"
#include "graph/ColourTable.h"
#include "platform/Surface.h"
#include "space/SpaceFrame.h"
#include "space/SurfaceRecord.h"

namespace korvane {

namespace {

constexpr int kSlotT = 'T' - op::LetterAt, kSlotX = 'X' - op::LetterAt, kSlotY = 'Y' - op::LetterAt,
              kSlotZ = 'Z' - op::LetterAt;
// A value this large has run off to infinity.
constexpr long double kRunaway = 1e18L;

class Field {
public:
    explicit Field(const ExampleRecord& e) {
        for (int k = 0; k < 3; ++k) {
            if (!e.Tree(k))
                return;
            programs_[k].Build(e.Tree(k));
        }
        usable_ = true;
    }
    bool Usable() const { return usable_; }
    bool At(EvalContext& context, const SpacePoint& p, long double t, SpacePoint& out) const {
        context.SetLetter(kSlotX, p.x);
        context.SetLetter(kSlotY, p.y);
        context.SetLetter(kSlotZ, p.z);
        long double v[3];
        for (int k = 0; k < 3; ++k)
            if (!programs_[k].EvaluateAt(context, kSlotT, t, v[k]) || !(std::fabs(v[k]) < kRunaway))
                return false;
        out = {v[0], v[1], v[2]};
        return true;
    }

private:
    RealProgram programs_[3];
    bool usable_ = false;
};

bool Inside(const SpacePoint& p, const SpacePoint& low, const SpacePoint& high) {
    return p.x >= low.x && p.x <= high.x && p.y >= low.y && p.y <= high.y && p.z >= low.z && p.z <= high.z;
}

} // namespace

bool IsSpaceSystem(int kind) { return kind == kSpaceSystem || kind == kSpaceRecursive; }

void InitialiseSpaceSystem(ExampleRecord& e, std::int16_t kind, std::int16_t colour) {
    e.Initialise(kind, colour);
    if (kind == kSpaceSystem)
        e.texts = {"10y-10x", "28x-y-xz", "xy-8z/3", "", "", "", ""};
    else
        e.texts = {"0.96x-0.28y", "0.28x+0.96y", "z+0.01", "", "", "", ""};
    e.SetFlag(spo::kAutoBox, false);
    SetRecordBox(e, {-30, -30, -10}, {30, 30, 50});
    WritePoint(e, spo::kSavedBoxMin, {-30, -30, -10});
    WritePoint(e, spo::kSavedBoxMax, {30, 30, 50});
    e.SetI16(exo::kWidth, 1);
}

TrajectoryRecord MakeSpaceTrajectory(const SpacePoint& start, long double t0, long double end, long double step) {
    TrajectoryRecord r;
    r.SetReal(tro::kStartX, start.x);
    r.SetReal(tro::kStartY, start.y);
    r.SetReal(tro::kStartZ, start.z);
    r.SetReal(tro::kStartT, t0);
    r.SetReal(tro::kEndT, end);
    r.SetReal(tro::kStepSize, step);
    r.SetI16(tro::kMethod, 2);
    return r;
}

SpaceTrajectoryOutcome FollowSpaceTrajectory(EvalContext& context, const ExampleRecord& e,
                                             const TrajectoryRecord& trajectory,
                                             const std::function<void(const SpacePoint&, long double t)>& visit,
                                             const std::function<bool()>& poll) {
    SpaceTrajectoryOutcome out;
    const Field field(e);
    SpacePoint p{trajectory.Real(tro::kStartX), trajectory.Real(tro::kStartY), trajectory.Real(tro::kStartZ)};
    long double t = trajectory.Real(tro::kStartT);
    const long double end = trajectory.Real(tro::kEndT);
    const bool clip = e.Flag(sko::kClip);
    const SpacePoint low = RecordBoxMin(e), high = RecordBoxMax(e);
    if (!field.Usable() || !(std::fabs(L1Length(p)) < kRunaway) || !std::isfinite(t)) {
        out.end = SpaceTrajectoryEnd::Undefined;
        return out;
    }
    // A sequence keeps its number of terms in the end field; a system its end time.
    long steps = 0;
    long double h = 0;
    bool limited = false;
    if (e.Kind() == kSpaceRecursive) {
        steps = std::isfinite(end) ? static_cast<long>(std::clamp<long double>(std::nearbyint(end), 0, kMaxSequenceTerms)) : 0;
    } else {
        h = std::fabs(trajectory.Real(tro::kStepSize));
        if (!(h > 0) || !std::isfinite(end) || !std::isfinite(h)) {
            out.end = SpaceTrajectoryEnd::Undefined;
            return out;
        }
        const long double count = std::ceil(std::fabs(end - t) / h - 1e-9L);
        steps = static_cast<long>(std::clamp<long double>(count, 0, kMaxSpaceSteps));
        limited = count > kMaxSpaceSteps;
        if (end < t)
            h = -h;
    }
    if (clip && !Inside(p, low, high)) {
        out.end = SpaceTrajectoryEnd::LeftBox;
        return out;
    }
    visit(p, t);
    out.last = p;
    for (long k = 1; k <= steps; ++k) {
        SpacePoint next;
        bool defined = true;
        if (e.Kind() == kSpaceRecursive) {
            defined = field.At(context, p, t, next);
            t += 1;
        } else {
            // The last step lands on the end time (unless the steps ran out before it).
            const long double step = k == steps && !limited ? end - t : h;
            SpacePoint k1, k2, k3, k4;
            defined = field.At(context, p, t, k1) && field.At(context, p + (step / 2) * k1, t + step / 2, k2) &&
                      field.At(context, p + (step / 2) * k2, t + step / 2, k3) &&
                      field.At(context, p + step * k3, t + step, k4);
            if (defined)
                next = p + (step / 6) * (k1 + 2.0L * k2 + 2.0L * k3 + k4);
            t += step;
        }
        if (!defined || !(std::fabs(L1Length(next)) < kRunaway)) {
            out.end = SpaceTrajectoryEnd::Undefined;
            return out;
        }
        if (clip && !Inside(next, low, high)) {
            out.end = SpaceTrajectoryEnd::LeftBox;
            return out;
        }
        p = next;
        visit(p, t);
        out.last = p;
        out.steps = k;
        if (k % 256 == 0 && poll && poll()) {
            out.end = SpaceTrajectoryEnd::Stopped;
            return out;
        }
    }
    if (limited)
        out.end = SpaceTrajectoryEnd::StepLimit;
    return out;
}

void DrawSpaceSystem(EvalContext& context, CurveContext& c, const ExampleRecord& e) {
    const bool dots = e.Kind() == kSpaceRecursive;
    for (const TrajectoryRecord& trajectory : e.trajectories) {
        const int colour = trajectory.I16(tro::kColour);
        const platform::Pen pen{ColourRGB(colour >= 0 && colour < kColourCount ? colour : e.Colour()),
                                SurfaceLineWidth(e), platform::PenStyle::Solid};
        c.surface.SetPen(pen);
        c.surface.SetBrush({pen.colour, platform::BrushStyle::Solid});
        bool previous = false;
        PixelPoint last;
        const SpaceTrajectoryOutcome outcome = FollowSpaceTrajectory(
            context, e, trajectory,
            [&](const SpacePoint& p, long double) {
                PixelPoint at;
                const bool shown = !c.occlusion.Hidden(p) && SpaceToPixel(c.view, c.pixels, p, at);
                if (shown && dots)
                    c.surface.Ellipse({at.x - 1, at.y - 1, at.x + 2, at.y + 2});
                else if (shown && previous && (at.x != last.x || at.y != last.y))
                    c.surface.Line({last.x, last.y}, {at.x, at.y});
                if (!shown || !previous || at.x != last.x || at.y != last.y)
                    last = at;
                previous = shown;
            },
            c.poll);
        if (outcome.end == SpaceTrajectoryEnd::Stopped)
            return;
    }
}

} // namespace korvane
