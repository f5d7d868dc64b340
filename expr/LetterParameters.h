#pragma once
// The letter parameters of a window as documents and parameter dialogs see them: for each
// of the 27 letters (code 64 first, then A..Z) a slider's lower bound, the value and the
// upper bound.
#include "expr/ComplexValue.h"
#include "expr/EvalContext.h"

namespace korvane {

struct LetterTables {
    ComplexValue low[kLetterCount];
    ComplexValue value[kLetterCount];
    ComplexValue high[kLetterCount];
};

LetterTables CopyLetterTables(const EvalContext& ctx);
// In complex mode I stays i only when the tables say so: a document keeps what it saved.
void RestoreLetterTables(EvalContext& ctx, const LetterTables& tables);

// Values and ranges of a new window: E = e, the rest 0 (I = i in complex mode), every
// range -10..10.
void ResetLetterParameters(EvalContext& ctx);

// A slider range needs low + 1e-18 <= high; otherwise nothing changes and false is
// returned. The value is left where it is.
bool SetLetterRange(EvalContext& ctx, int slot, long double low, long double high);

} // namespace korvane
