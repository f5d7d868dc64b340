#pragma once
// Turns a tree into the instructions of a RealProgram, or gives up on it.
#include "expr/RealProgram.h"

namespace korvane {

class RealProgramBuilder {
public:
    explicit RealProgramBuilder(RealProgram& program) : program_(program) {}
    bool Build(ExprNode* tree);

private:
    using Instruction = RealProgram::Instruction;

    // A fused operand: its code, letters, power and constant.
    struct Operand {
        std::uint8_t kind = 0;
        std::int32_t slot = 0;
        std::int32_t other = 0;
        long double constant = 0.0L;
    };

    bool Emit(const ExprNode* node);
    bool AsOperand(const ExprNode* node, Operand& operand);
    void AddFused(int action, const Operand& operand);
    bool EmitArithmetic(const ExprNode* node);
    bool EmitFunction(const ExprNode* node);
    bool EmitThreeWay(const ExprNode* node);
    bool EmitSum(const ExprNode* node);
    void Add(std::uint8_t code, short op = 0, std::int32_t slot = 0, long double constant = 0.0L,
             std::uint8_t flags = 0, std::int32_t other = 0);
    int ReadLetter(const ExprNode* leaf);
    // The stack depth after an instruction that pushes (+1) or pops (-1).
    bool Grow(int change);

    RealProgram& program_;
    int depth_ = 0;
    int sums_ = 0;
    bool failed_ = false;
};

} // namespace korvane
