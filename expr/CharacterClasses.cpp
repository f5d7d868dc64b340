#include "expr/CharacterClasses.h"

#include <initializer_list>

#include "expr/Opcodes.h"

namespace korvane {

namespace {

constexpr int kTwoArg[] = {op::Iter, op::Root, op::Pow, op::Binom, op::Arg2, op::Lg};
constexpr int kManyArg[] = {op::Max,   op::Min,       op::JoinX,     op::JoinT,
                            op::JoinR, op::JoinU,     op::AbsMany,   op::SelectMax,
                            op::SelectMin, op::Mod,   op::Gcd};
constexpr int kOtherBinary[] = {op::Times, op::Plus,    op::Minus,   op::Divide,
                                op::Power, op::Bar,     op::Sum,     op::Prod,
                                op::SumTerm, op::SumRange};

} // namespace

CharacterClasses::CharacterClasses() {
    for (int c = op::LetterAt; c <= op::LetterZ; ++c)
        letters[c] = true;
    for (int c = '0'; c <= '9'; ++c)
        digits[c] = true;
    digits[op::Point] = true;
    for (int c : kTwoArg)
        twoArgFunctions[c] = binaryOps[c] = true;
    for (int c : kManyArg)
        manyArgFunctions[c] = binaryOps[c] = true;
    for (int c : kOtherBinary)
        binaryOps[c] = true;
    for (int c = 128; c < 256; ++c) {
        const bool excluded = c == op::Sum || c == op::Prod || c == op::SumTerm ||
                              c == op::SumRange || twoArgFunctions[c] || manyArgFunctions[c];
        prefixFunctions[c] = !excluded;
    }
    for (int c = 0; c < 256; ++c) {
        operandMayFollow[c] = binaryOps[c];
        operandStart[c] = letters[c] || prefixFunctions[c];
        operandEnd[c] = letters[c];
        validCode[c] = letters[c] || digits[c] || binaryOps[c] || prefixFunctions[c];
    }
    operandMayFollow[op::Sentinel] = operandMayFollow[op::UnaryMinus] = true;
    operandMayFollow[op::Open] = true;
    operandStart[op::Constant] = operandStart[op::Open] = true;
    operandEnd[op::Constant] = operandEnd[op::Close] = true;
    for (int c : {int{op::Factorial}, int{op::Open}, int{op::Close}, int{op::Comma}})
        validCode[c] = true;
}

} // namespace korvane
