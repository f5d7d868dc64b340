#pragma once
// The complex-mode branches of the function library. Each returns the defined flag and
// follows the language's undefined rules; values are computed by formulas that stay
// accurate near zeros of the functions, with the same branches as the stated ones.
#include "expr/ComplexValue.h"

namespace korvane::complexfn {

bool Exp(const ComplexValue& z, ComplexValue& result);
bool Ln(const ComplexValue& z, ComplexValue& result);
void Sqrt(const ComplexValue& z, ComplexValue& result);
bool Root(long double n, const ComplexValue& z, ComplexValue& result);
bool Power(const ComplexValue& base, const ComplexValue& exponent, ComplexValue& result);
bool Cis(const ComplexValue& z, ComplexValue& result);
bool Abs(const ComplexValue& z, ComplexValue& result);
bool Sgn(const ComplexValue& z, ComplexValue& result);

bool Sin(const ComplexValue& z, ComplexValue& result);
bool Cos(const ComplexValue& z, ComplexValue& result);
bool Tan(const ComplexValue& z, ComplexValue& result);
bool Sinh(const ComplexValue& z, ComplexValue& result);
bool Cosh(const ComplexValue& z, ComplexValue& result);
bool Tanh(const ComplexValue& z, ComplexValue& result);

bool Arctan(const ComplexValue& z, ComplexValue& result);
bool Arcsin(const ComplexValue& z, ComplexValue& result);
bool Arccos(const ComplexValue& z, ComplexValue& result);
bool Arccot(const ComplexValue& z, ComplexValue& result);
bool Argsinh(const ComplexValue& z, ComplexValue& result);
bool Argcosh(const ComplexValue& z, ComplexValue& result);
bool Argtanh(const ComplexValue& z, ComplexValue& result);
bool Argcoth(const ComplexValue& z, ComplexValue& result);

// 1 / f(z) by the guarded Divide, for sec, csc, cot, sech, csch and coth.
bool Reciprocal(bool defined, const ComplexValue& value, ComplexValue& result);

} // namespace korvane::complexfn
