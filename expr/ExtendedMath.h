#pragma once
// Sine, cosine and exponential in 80-bit precision for the arguments a curve meets,
// several times faster than the runtime's long double routines: a table of 128 angles
// or 64 powers of two, a three-part reduction and a short polynomial, within about one
// unit in the last place. Arguments beyond the tables' reach go to the runtime.
namespace korvane {

long double ExtendedSin(long double x);
long double ExtendedCos(long double x);
void ExtendedSinCos(long double x, long double& sine, long double& cosine);
long double ExtendedExp(long double x);

// Below these magnitudes the own routines answer; above them the runtime does.
inline constexpr long double kExtendedTrigReach = 50000.0L;
inline constexpr long double kExtendedExpReach = 11000.0L;

} // namespace korvane
