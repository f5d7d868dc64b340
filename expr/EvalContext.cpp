#include "expr/EvalContext.h"

#include "expr/RandomGenerator.h"

namespace korvane {

namespace {
constexpr int kSlotE = 'E' - 64;
constexpr int kSlotI = 'I' - 64;
constexpr int kSlotX = 'X' - 64;
constexpr int kSlotY = 'Y' - 64;
constexpr int kSlotZ = 'Z' - 64;
} // namespace

EvalContext::EvalContext() : random(&RandomGenerator::Program()) {
    letterValues[kSlotE] = {2.718281828459045235360287471352662498L, 0.0L};
    for (int i = 0; i < kLetterCount; ++i) {
        savedLetterValues[i] = letterValues[i];
        letterLow[i] = {-10.0L, 0.0L};
        letterHigh[i] = {10.0L, 0.0L};
    }
}

void EvalContext::SetLetter(int index, long double value) {
    if (index >= kLetterCount) {
        if (index < kLetterCount + kRegisterCount)
            registers[index - kLetterCount] = {value, 0.0L};
        return;
    }
    if (index < 0)
        return;
    letterValues[index] = {value, 0.0L};
    // Y keeps the real part that X set just before, so that a plane kind that sets X and
    // then Y evaluates at z = x + iy.
    if (complexMode) {
        if (index == kSlotX)
            letterValues[kSlotZ] = {value, 0.0L};
        else if (index == kSlotY)
            letterValues[kSlotZ].im = value;
    }
}

void EvalContext::AddToLetter(int index, long double step) {
    if (index < 0 || index >= kLetterCount)
        return;
    letterValues[index].re += step;
    if (complexMode) {
        if (index == kSlotX)
            letterValues[kSlotZ].re += step;
        else if (index == kSlotY)
            letterValues[kSlotZ].im += step;
    }
}

long double EvalContext::GetLetter(int index) const {
    if (index >= kLetterCount && index < kLetterCount + kRegisterCount)
        return registers[index - kLetterCount].re;
    if (index < 0 || index >= kLetterCount)
        return 0.0L;
    if (complexMode) {
        if (index == kSlotX)
            return letterValues[kSlotZ].re;
        if (index == kSlotY)
            return letterValues[kSlotZ].im;
    }
    return letterValues[index].re;
}

void EvalContext::SaveLetters() {
    for (int i = 0; i < kLetterCount; ++i)
        savedLetterValues[i] = letterValues[i];
}

void EvalContext::RestoreLetters() {
    for (int i = 0; i < kLetterCount; ++i)
        letterValues[i] = savedLetterValues[i];
}

void EvalContext::SetComplexMode(bool on) {
    complexMode = on;
    if (on)
        letterValues[kSlotI] = {0.0L, 1.0L};
}

} // namespace korvane
