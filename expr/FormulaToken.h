#pragma once
// One symbol of a formula between the token pass and the reduction.
#include <cstdint>

#include "expr/ComplexValue.h"

namespace korvane {

struct ExprNode;

struct FormulaToken {
    ComplexValue value;
    short code = 0;
    std::uint16_t commaCount = 0;
    ExprNode* node = nullptr;
    int depth = 0; // height of the subtree reduced into this token
};

} // namespace korvane
