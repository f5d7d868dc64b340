#pragma once
// A point or vector of space, in the 80-bit reals that every world coordinate uses.
#include <cmath>

namespace korvane {

struct SpacePoint {
    long double x = 0, y = 0, z = 0;

    friend SpacePoint operator+(const SpacePoint& a, const SpacePoint& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
    friend SpacePoint operator-(const SpacePoint& a, const SpacePoint& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
    friend SpacePoint operator*(long double k, const SpacePoint& a) { return {k * a.x, k * a.y, k * a.z}; }
    friend bool operator==(const SpacePoint&, const SpacePoint&) = default;
};

// For test failures.
template <typename Stream>
Stream& operator<<(Stream& out, const SpacePoint& p) {
    out << "(" << static_cast<double>(p.x) << ", " << static_cast<double>(p.y) << ", " << static_cast<double>(p.z) << ")";
    return out;
}

inline long double Dot(const SpacePoint& a, const SpacePoint& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline long double Length(const SpacePoint& a) { return std::sqrt(Dot(a, a)); }
inline long double L1Length(const SpacePoint& a) { return std::fabs(a.x) + std::fabs(a.y) + std::fabs(a.z); }

} // namespace korvane
