#pragma once
// Number texts as the program's formats give them, independent of the C locale.
#include <string>

namespace korvane {

// The widest field a number text is padded to, whatever a file or a dialog asks.
inline constexpr int kMaxFieldWidth = 100;

// Like "%*.*Lf": at least `width` characters (at most kMaxFieldWidth of padding),
// right-aligned, `decimals` decimals.
std::string FormatFixed(long double value, int width, int decimals);
// Like "%*.*LE" with width d + 3 and d decimals; `readable` moves the exponent behind "*10^".
std::string FormatExponential(long double value, int decimals, bool readable);
// Like "%d".
std::string FormatInt(long long value);

} // namespace korvane
