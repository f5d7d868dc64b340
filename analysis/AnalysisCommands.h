#pragma once
// Command ids of the analysis tools in the plane window's menus "&Um" and "&Dois".
namespace korvane::cmd {

inline constexpr int kZeros = 707;
inline constexpr int kExtremes = 709;
inline constexpr int kIntersections = 710;
inline constexpr int kIntegrate = 721;    // F7, one curve
inline constexpr int kIntegrateTwo = 722; // f - g
inline constexpr int kArcLength = 711;
inline constexpr int kSectorArea = 712;
inline constexpr int kVolume = 713;
inline constexpr int kSurfaceArea = 714;

} // namespace korvane::cmd
