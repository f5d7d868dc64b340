#pragma once
// The instructions of a RealProgram. The value being computed is the accumulator; an
// instruction that starts a new value first pushes the accumulator, and an operator pops
// its left operand. Most instructions are fused: an action (load, push, or an operator
// with the accumulator) applied to an operand made of leaves (a constant, a letter, two
// leaves joined by + - * /, or a letter in a power or a common function), so that a short
// formula runs in a few steps and its values stay off the stack.
#include <cstdint>

namespace korvane::realcode {

enum Code : std::uint8_t {
    Register,           // pushes a register
    Add, Sub, Mul, Div, // the left operand is popped
    Neg, Square, PowN,
    Sin, Cos, Exp, Sqrt, Abs,
    Func1, Func2,       // a library function of (0, acc) or (popped, acc)
    Join, Select, Fallback,
    SumBegin, SumStep,  // slot: where to go when the sum ends early, or the summand's start
    End,
    FirstFused,
};

// What a fused instruction does with its operand o. Load starts the program, with
// nothing to keep; R: the operand is the left one.
enum Action : std::uint8_t { Load, Push, AddTo, SubFrom, MulBy, DivBy, RSub, RDiv, kActionCount };

// Leaf operands: the constant, the letter in slot, the letter in slot and the constant or
// the letter in other (LC: letter op constant, CL: constant op letter, LL: letter op
// letter), the letter to the power other, a function of the letter.
enum Operand : std::uint8_t {
    Constant, Letter,
    LCAdd, LCSub, LCMul, LCDiv,
    CLAdd, CLSub, CLMul, CLDiv,
    LLAdd, LLSub, LLMul, LLDiv,
    LetterPow, LetterSin, LetterCos, LetterExp, LetterSqrt, LetterAbs,
    kOperandCount,
};

constexpr std::uint8_t Fused(int action, int operand) {
    return static_cast<std::uint8_t>(FirstFused + action * kOperandCount + operand);
}
constexpr int ActionOf(int code) { return (code - FirstFused) / kOperandCount; }
constexpr int OperandOf(int code) { return (code - FirstFused) % kOperandCount; }
static_assert(int{FirstFused} + int{kActionCount} * int{kOperandCount} <= 256);

// Flags of Join and Select: the operands that the tree does not have.
inline constexpr std::uint8_t kNoLeft = 1;
inline constexpr std::uint8_t kNoThird = 2;
inline constexpr std::uint8_t kNoRight = 4;
// Flags of SumBegin and SumStep: the frame times two, plus one for a sum.
inline constexpr std::uint8_t kIsSum = 1;

} // namespace korvane::realcode
