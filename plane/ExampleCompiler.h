#pragma once
// The compile step: turns an example's formula texts into its compiled slots by kind.
#include <array>

#include "expr/FormulaCompiler.h"
#include "plane/ExampleRecord.h"

namespace korvane {

// Frees compiled slots 0..6 and compiles them again from the texts; 0 or the first
// result code. With `derivatives` slots 4..6 receive the kind's derivatives.
int CompileExample(FormulaCompiler& compiler, ExampleRecord& example, bool derivatives);

// Marks, by variable code, every letter that a compiled tree of the example or of one of
// its initial-value problems uses.
void MarkLettersInUse(const ExampleRecord& example, std::array<bool, 256>& inUse);
// The same, and the letters of the formulas that initial-value problems carry as texts,
// compiled through `compiler` for the purpose.
void MarkLettersInUse(const ExampleRecord& example, std::array<bool, 256>& inUse, FormulaCompiler& compiler);

} // namespace korvane
