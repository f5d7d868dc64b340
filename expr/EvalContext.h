#pragma once
// The evaluation context of a graph window: its letters, registers, slider ranges and
// the flags that every evaluation of the window's trees reads or sets.
#include "expr/ComplexValue.h"

namespace korvane {

class RandomGenerator;

inline constexpr int kLetterCount = 27;   // slot = code - 64
inline constexpr int kRegisterCount = 5;  // set as letter index 27..31, read as opcode 27..31

struct EvalContext {
    EvalContext();

    ComplexValue letterValues[kLetterCount];
    ComplexValue savedLetterValues[kLetterCount];
    ComplexValue registers[kRegisterCount];
    ComplexValue letterLow[kLetterCount];
    ComplexValue letterHigh[kLetterCount];
    bool complexMode = false;
    long double tolerance = 0.001L;
    bool nearBreak = false;
    bool optimize = true;
    RandomGenerator* random; // the program-wide generator unless a test gives its own

    // Index 0..26 a letter, 27..31 a register; the imaginary part becomes 0.
    void SetLetter(int index, long double value);
    void AddToLetter(int index, long double step);
    long double GetLetter(int index) const;
    void SaveLetters();
    void RestoreLetters();
    // Switch complex mode and set I = 0 + 1i as a complex window does at set-up.
    void SetComplexMode(bool on);
};

} // namespace korvane
