#pragma once
// Formula texts that are not curves: equations of implicit curves, and the numbers of
// dialog fields, where every field accepts an expression ("pi/4", "2e").
#include <string>
#include <string_view>

namespace korvane {

class FormulaCompiler;

// For "L = R" writes "L-(R)", and so for the relations <, <=, > and >= in place of "=";
// false when there is none or nothing after it (the caller reports code 112).
bool MakeEquationExpression(std::string_view equation, std::string& out);

// Compiles in real mode, evaluates once with the current letters; code 1 when undefined.
// The compiler's result slot is left empty.
int EvaluateConstantText(FormulaCompiler& compiler, std::string_view text, long double& out);

// As above, then code 17 unless low <= value <= high; rounds halves toward zero.
int EvaluateIntegerText(FormulaCompiler& compiler, std::string_view text, long double low,
                        long double high, long& out);

} // namespace korvane
