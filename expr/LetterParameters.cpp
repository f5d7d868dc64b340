#include "expr/LetterParameters.h"

namespace korvane {

LetterTables CopyLetterTables(const EvalContext& ctx) {
    LetterTables tables;
    for (int i = 0; i < kLetterCount; ++i) {
        tables.low[i] = ctx.letterLow[i];
        tables.value[i] = ctx.letterValues[i];
        tables.high[i] = ctx.letterHigh[i];
    }
    return tables;
}

void RestoreLetterTables(EvalContext& ctx, const LetterTables& tables) {
    for (int i = 0; i < kLetterCount; ++i) {
        ctx.letterLow[i] = tables.low[i];
        ctx.letterValues[i] = tables.value[i];
        ctx.letterHigh[i] = tables.high[i];
    }
}

void ResetLetterParameters(EvalContext& ctx) {
    const EvalContext fresh;
    for (int i = 0; i < kLetterCount; ++i) {
        ctx.letterValues[i] = fresh.letterValues[i];
        ctx.letterLow[i] = fresh.letterLow[i];
        ctx.letterHigh[i] = fresh.letterHigh[i];
    }
    if (ctx.complexMode)
        ctx.SetComplexMode(true);
}

bool SetLetterRange(EvalContext& ctx, int slot, long double low, long double high) {
    constexpr long double kMinimumWidth = 1e-18L;
    if (slot < 0 || slot >= kLetterCount || !(low + kMinimumWidth <= high))
        return false;
    ctx.letterLow[slot] = {low, 0.0L};
    ctx.letterHigh[slot] = {high, 0.0L};
    return true;
}

} // namespace korvane
