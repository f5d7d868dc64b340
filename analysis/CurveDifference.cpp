#include "analysis/CurveDifference.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace korvane {

namespace {

constexpr long double kOnSegment = 1e-12L;

bool Straight(const PlaneCurve& c) {
    return c.Kind() == kSegment || c.Kind() == kLine;
}

// Where the point lies along the segment: 0 at its first end, 1 at its second.
bool WithinSegment(const PlaneCurve& segment, long double x, long double y) {
    long double x0, y0, x1, y1;
    segment.Point(0, x0, y0);
    segment.Point(1, x1, y1);
    const long double dx = x1 - x0, dy = y1 - y0, length2 = dx * dx + dy * dy;
    if (length2 == 0)
        return std::fabs(x - x0) + std::fabs(y - y0) <= kOnSegment;
    const long double u = ((x - x0) * dx + (y - y0) * dy) / length2;
    return u >= -kOnSegment && u <= 1 + kOnSegment;
}

// The direction of a curve at the point where its parameter is s.
bool Direction(const PlaneCurve& c, long double s, long double& dx, long double& dy) {
    return c.Slope(PlaneCurve::kX, s, dx) && c.Slope(PlaneCurve::kY, s, dy);
}

bool Parametrised(const PlaneCurve& c) {
    return c.Kind() == kPolar || c.Kind() == kParametric;
}

// The acute angle between two directions.
bool AcuteAngle(long double ux, long double uy, long double vx, long double vy,
                long double& degrees) {
    const long double norms = std::hypot(ux, uy) * std::hypot(vx, vy);
    if (!(norms > 0) || !std::isfinite(norms))
        return false;
    const long double cosine = std::clamp(std::fabs(ux * vx + uy * vy) / norms, 0.0L, 1.0L);
    degrees = std::acos(cosine) * 180 / std::numbers::pi_v<long double>;
    return true;
}

// Same-parameter differences of two parametrised curves.
void SameParameter(CurveDifference& d, const PlaneCurve* runs, const PlaneCurve* other) {
    d.first = std::max(runs->First(), other->First());
    d.last = std::min(runs->Last(), other->Last());
    if (runs->Kind() == kPolar && other->Kind() == kPolar) {
        d.g = [runs, other](long double t, long double& v) {
            long double r1, r2;
            if (!runs->Value(PlaneCurve::kR, t, r1) || !other->Value(PlaneCurve::kR, t, r2))
                return false;
            v = r1 - r2;
            return true;
        };
        return;
    }
    d.g = [runs, other](long double t, long double& v) {
        long double x1, y1, x2, y2;
        if (!runs->Point(t, x1, y1) || !other->Point(t, x2, y2))
            return false;
        v = std::hypot(x1 - x2, y1 - y2);
        return true;
    };
    d.touchLimit = 1e-12L;
}

} // namespace

bool BothParametrised(const PlaneCurve& a, const PlaneCurve& b) {
    return Parametrised(a) && Parametrised(b);
}

CurveDifference MakeCurveDifference(const PlaneCurve& a, const PlaneCurve& b, bool sameParameter) {
    CurveDifference d;
    if (!a.Valid() || !b.Valid())
        return d;
    const PlaneCurve* runs = &a;
    const PlaneCurve* other = &b;
    if (Straight(a) && !Straight(b))
        std::swap(runs, other);
    else if (!Straight(b) && a.Kind() == kExplicit && b.Kind() != kExplicit)
        std::swap(runs, other);
    d.runs = runs;
    d.other = other;
    d.first = runs->First();
    d.last = runs->Last();
    if (Straight(*other)) {
        const long double la = other->lineA, lb = other->lineB, lc = other->lineC;
        d.g = [runs, la, lb, lc](long double s, long double& v) {
            long double x, y;
            if (!runs->Point(s, x, y))
                return false;
            v = la * x + lb * y - lc;
            return true;
        };
        if (other->Kind() == kSegment)
            d.accept = [runs, other](long double s) {
                long double x, y;
                return runs->Point(s, x, y) && WithinSegment(*other, x, y);
            };
    } else if (other->Kind() == kExplicit) {
        if (runs->Kind() == kExplicit) {
            d.first = std::max(runs->First(), other->First());
            d.last = std::min(runs->Last(), other->Last());
        }
        d.g = [runs, other](long double s, long double& v) {
            long double x, y, f;
            if (!runs->Point(s, x, y) || x < other->First() || x > other->Last() ||
                !other->Value(PlaneCurve::kY, x, f))
                return false;
            v = y - f;
            return true;
        };
    } else if (BothParametrised(*runs, *other) && sameParameter) {
        SameParameter(d, runs, other);
    } else {
        return d;
    }
    d.valid = d.first < d.last;
    return d;
}

bool IntersectionAngle(const CurveDifference& d, long double s, long double& degrees) {
    long double ux, uy, vx, vy, x, y;
    if (!Direction(*d.runs, s, ux, uy) || !d.runs->Point(s, x, y))
        return false;
    const PlaneCurve& o = *d.other;
    if (o.Kind() == kLine || o.Kind() == kSegment) {
        vx = o.lineB;
        vy = -o.lineA;
    } else if (o.Kind() == kExplicit) {
        vx = 1;
        if (!o.Slope(PlaneCurve::kY, x, vy))
            return false;
    } else if (!Direction(o, s, vx, vy)) { // the same parameter value
        return false;
    }
    return AcuteAngle(ux, uy, vx, vy, degrees);
}

bool CrossingAngle(const PlaneCurve& a, long double s, const PlaneCurve& b, long double t,
                   long double& degrees) {
    long double ux, uy, vx, vy;
    return Direction(a, s, ux, uy) && Direction(b, t, vx, vy) &&
           AcuteAngle(ux, uy, vx, vy, degrees);
}

} // namespace korvane
