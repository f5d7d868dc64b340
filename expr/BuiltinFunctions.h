#pragma once
// The built-in functions and the power operator, one routine per opcode, real and
// complex mode. The evaluator calls EvaluateFunction with the operands' values already
// evaluated; a one-argument function reads `right` only.
#include "expr/ComplexValue.h"

namespace korvane {

struct EvalContext;

// Opcodes handled: '^' and every function opcode of the library (not the structural
// ones: letters, + - * /, iter, sum/prod, join family, 190, 193, 194, 199, 200, 253).
// Returns the defined flag; may set ctx.nearBreak.
bool EvaluateFunction(EvalContext& ctx, int opcode, const ComplexValue& left,
                      const ComplexValue& right, ComplexValue& result);

// True for the opcodes EvaluateFunction implements.
bool IsLibraryFunction(int opcode);

// Exposed for the parser, the derivative and other callers that need them directly.
bool IntegerPower(bool complexMode, const ComplexValue& base, long double n, ComplexValue& result);
bool Gamma(EvalContext& ctx, const ComplexValue& z, ComplexValue& result);
long double ErrorFunction(long double x);

} // namespace korvane
