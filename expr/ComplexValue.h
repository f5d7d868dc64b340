#pragma once
// A value of the expression language: real and imaginary part in 80-bit extended precision.

namespace korvane {

struct ComplexValue {
    long double re = 0.0L;
    long double im = 0.0L;
};

inline constexpr ComplexValue kComplexZero{0.0L, 0.0L};
inline constexpr ComplexValue kComplexOne{1.0L, 0.0L};

} // namespace korvane
