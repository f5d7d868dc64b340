#pragma once
// The instructions of a RealProgram. The value being computed is the accumulator; an
// instruction that starts a new value first pushes the accumulator, and an operator pops
// its left operand. C, L: the right operand is the instruction's constant or letter;
// R: the constant or letter is the left operand.
#include <cstdint>

namespace korvane::realcode {

enum Code : std::uint8_t {
    Const, Letter, Register,
    Add, Sub, Mul, Div,
    AddC, SubC, MulC, DivC, RSubC, RDivC,
    AddL, SubL, MulL, DivL, RSubL, RDivL,
    Neg, Square, PowN,
    Sin, Cos, Exp, Sqrt, Abs,
    Func1, Func2,      // a library function of (0, acc) or (popped, acc)
    Join, Select, Fallback,
    SumBegin, SumStep, // slot: where to go when the sum ends early, or the summand's start
    End,
};

// Flags of Join and Select: the operands that the tree does not have.
inline constexpr std::uint8_t kNoLeft = 1;
inline constexpr std::uint8_t kNoThird = 2;
inline constexpr std::uint8_t kNoRight = 4;
// Flags of SumBegin and SumStep: the frame times two, plus one for a sum.
inline constexpr std::uint8_t kIsSum = 1;

} // namespace korvane::realcode
