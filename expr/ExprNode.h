#pragma once
// A node of a compiled formula. Every node of a tree lives in that tree's arena
// (ExprTree), so the evaluator walks memory that sits close together.
#include <cstdint>

#include "expr/ComplexValue.h"

namespace korvane {

struct ExprNode {
    short op = 0;
    std::int32_t aux = 0; // ITER count, sum/prod index slot, POW exponent set by the optimiser
    ComplexValue value;   // the constant of '#', otherwise the last evaluated value
    ExprNode* left = nullptr;
    ExprNode* right = nullptr; // the only operand of a one-argument function
    ExprNode* third = nullptr; // breakpoint of the join family, condition of 193/194
};

} // namespace korvane
