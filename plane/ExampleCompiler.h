#pragma once
// The compile step: turns an example's formula texts into its compiled slots by kind.
#include <array>

#include "expr/FormulaCompiler.h"
#include "plane/ExampleRecord.h"

namespace korvane {

// Frees compiled slots 0..6 and compiles them again from the texts; 0 or the first
// result code. With `derivatives` slots 4..6 receive the kind's derivatives.
int CompileExample(FormulaCompiler& compiler, ExampleRecord& example, bool derivatives);

// A map record's derivatives start at this slot: F' of kind 401, and dU/dx, dU/dy, dV/dx,
// dV/dy of kind 402 one after the other.
inline constexpr int kMapDerivativeSlot = 3;

// The derivation code of an example that "derivar" made from another one.
inline constexpr std::int16_t kDerivativeDerivation = 1;

// The derivation code of an indefinite integral (kind 206) made by the integration
// dialog from one explicit example, or from the difference of two.
inline constexpr std::int16_t kIntegralDerivation = 73;
// Its slot 1: a copy of the first source's slot 1, or that copy minus the second's.
// 0, or 1 when a source has no tree.
int CompileDerivedIntegral(const ExampleRecord& first, const ExampleRecord* second, ExampleRecord& derived);

// True for kinds whose derivative example can be made: explicit (not a polynomial),
// polar and parametric.
bool CanMakeDerivative(const ExampleRecord& source);
// Fills the derived example's trees from its source: d/dx of f for an explicit example
// (slot 1), the derivatives dx/dt and dy/dt of a polar or parametric one (slots 0 and 1
// of a parametric example). Compiled slots are rebuilt from the source's own trees, so
// that an edit of the source carries over. 0, or 117 when a derivative is too large.
int CompileDerivative(EvalContext& context, const ExampleRecord& source, ExampleRecord& derived);

// Marks, by variable code, every letter that a compiled tree of the example or of one of
// its initial-value problems uses.
void MarkLettersInUse(const ExampleRecord& example, std::array<bool, 256>& inUse);
// The same, and the letters of the formulas that initial-value problems carry as texts,
// compiled through `compiler` for the purpose.
void MarkLettersInUse(const ExampleRecord& example, std::array<bool, 256>& inUse, FormulaCompiler& compiler);

} // namespace korvane
