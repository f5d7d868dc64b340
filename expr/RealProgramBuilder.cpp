#include "expr/RealProgramBuilder.h"

#include "expr/BuiltinFunctions.h"
#include "expr/EvalContext.h"
#include "expr/ExprNode.h"
#include "expr/Opcodes.h"
#include "expr/RealProgramCode.h"

namespace korvane {

namespace {

namespace rc = realcode;

bool IsLetterLeaf(const ExprNode* node) {
    return node && node->op >= op::LetterAt && node->op <= op::LetterZ && !node->left &&
           !node->right;
}

// A missing operand is a defined 0, like a constant.
bool IsConstantLeaf(const ExprNode* node) { return !node || node->op == op::Constant; }

long double ConstantOf(const ExprNode* node) { return node ? node->value.re : 0.0L; }

// A sum leaves its index letter at the last value it took.
bool WritesLetters(const ExprNode* node) {
    if (!node)
        return false;
    if (node->op == op::Sum || node->op == op::Prod)
        return true;
    if (node->op == op::Constant || IsLetterLeaf(node))
        return false;
    return WritesLetters(node->left) || WritesLetters(node->right) || WritesLetters(node->third);
}

bool HasKnownExponent(const ExprNode* node) {
    const ExprNode* n = node->left;
    return node->aux != 0 && n && n->op == op::Constant && n->value.im == 0.0L &&
           n->value.re == static_cast<long double>(node->aux);
}

int LetterSlot(const ExprNode* leaf) { return leaf->op - op::LetterAt; }

// The index of + - * / among the pair operands.
int ArithmeticIndex(int code) {
    switch (code) {
    case op::Plus: return 0;
    case op::Minus: return 1;
    case op::Times: return 2;
    case op::Divide: return 3;
    default: return -1;
    }
}

// The fused operands that are a function of one letter.
int LetterFunction(int code) {
    switch (code) {
    case op::Sin: return rc::LetterSin;
    case op::Cos: return rc::LetterCos;
    case op::Exp: return rc::LetterExp;
    case op::Sqrt: return rc::LetterSqrt;
    case op::Abs: return rc::LetterAbs;
    default: return -1;
    }
}

// The action of + - * / with the fused operand on the right, or on the left (the right
// operand is then in the accumulator; + and * give the same bits either way round).
int ActionWithOperand(int code, bool operandOnLeft) {
    switch (code) {
    case op::Plus: return rc::AddTo;
    case op::Minus: return operandOnLeft ? rc::RSub : rc::SubFrom;
    case op::Times: return rc::MulBy;
    default: return operandOnLeft ? rc::RDiv : rc::DivBy;
    }
}

std::uint8_t StackCode(int code) {
    switch (code) {
    case op::Plus: return rc::Add;
    case op::Minus: return rc::Sub;
    case op::Times: return rc::Mul;
    default: return rc::Div;
    }
}

int PushChange(std::uint8_t code) {
    if (code >= rc::FirstFused)
        return rc::ActionOf(code) == rc::Push ? 1 : 0;
    switch (code) {
    case rc::Register: return 1;
    case rc::Add: case rc::Sub: case rc::Mul: case rc::Div: case rc::Func2: case rc::Fallback:
    case rc::SumBegin: case rc::SumStep:
        return -1;
    case rc::Join: case rc::Select: return -2;
    default: return 0;
    }
}

} // namespace

bool RealProgramBuilder::Build(ExprNode* tree) {
    program_.code_.clear();
    program_.tree_ = tree;
    program_.lettersRead_ = program_.registersRead_ = program_.lettersMoved_ = 0;
    program_.usesRandom_ = false;
    if (!tree)
        return false;
    if (!Emit(tree) || failed_) {
        program_.code_.clear();
        return false;
    }
    Add(rc::End);
    return true;
}

void RealProgramBuilder::Add(std::uint8_t code, short op, std::int32_t slot, long double constant,
                             std::uint8_t flags, std::int32_t other) {
    Instruction i;
    i.code = code;
    i.flags = flags;
    i.op = op;
    i.slot = slot;
    i.other = other;
    i.constant = constant;
    program_.code_.push_back(i);
    if (!Grow(PushChange(code)))
        failed_ = true;
}

bool RealProgramBuilder::Grow(int change) {
    depth_ += change;
    return depth_ <= RealProgram::kMaxDepth;
}

// A constant (with no imaginary part), a letter, two of them joined by + - * /, or a letter
// in a known power or a function of the list: a value computed without the stack.
bool RealProgramBuilder::AsOperand(const ExprNode* node, Operand& operand) {
    if (IsConstantLeaf(node)) {
        if (node && node->value.im != 0.0L)
            return false;
        operand = {rc::Constant, 0, 0, ConstantOf(node)};
        return true;
    }
    if (IsLetterLeaf(node)) {
        operand = {rc::Letter, LetterSlot(node), 0, 0.0L};
        return true;
    }
    if (node->third)
        return false;
    const ExprNode* l = node->left;
    const ExprNode* r = node->right;
    const int arithmetic = ArithmeticIndex(node->op);
    if (arithmetic >= 0) {
        const bool constantLeft = IsConstantLeaf(l) && (!l || l->value.im == 0.0L);
        const bool constantRight = IsConstantLeaf(r) && (!r || r->value.im == 0.0L);
        if (IsLetterLeaf(l) && constantRight)
            operand = {static_cast<std::uint8_t>(rc::LCAdd + arithmetic), LetterSlot(l), 0, ConstantOf(r)};
        else if (constantLeft && IsLetterLeaf(r))
            operand = {static_cast<std::uint8_t>(rc::CLAdd + arithmetic), LetterSlot(r), 0, ConstantOf(l)};
        else if (IsLetterLeaf(l) && IsLetterLeaf(r))
            operand = {static_cast<std::uint8_t>(rc::LLAdd + arithmetic), LetterSlot(l), LetterSlot(r), 0.0L};
        else
            return false;
        return true;
    }
    if (!IsLetterLeaf(r))
        return false;
    if (node->op == op::Pow && HasKnownExponent(node)) {
        operand = {rc::LetterPow, LetterSlot(r), node->aux, 0.0L};
        return true;
    }
    const int function = LetterFunction(node->op);
    if (function < 0 || l)
        return false;
    operand = {static_cast<std::uint8_t>(function), LetterSlot(r), 0, 0.0L};
    return true;
}

void RealProgramBuilder::AddFused(int action, const Operand& operand) {
    if (operand.kind != rc::Constant)
        program_.lettersRead_ |= 1u << operand.slot;
    if (operand.kind >= rc::LLAdd && operand.kind <= rc::LLDiv)
        program_.lettersRead_ |= 1u << operand.other;
    Add(rc::Fused(action, operand.kind), 0, operand.slot, operand.constant, 0, operand.other);
}

bool RealProgramBuilder::Emit(const ExprNode* node) {
    if (failed_)
        return false;
    Operand operand;
    if (AsOperand(node, operand)) {
        // The first value has nothing in the accumulator to keep.
        AddFused(program_.code_.empty() ? rc::Load : rc::Push, operand);
        return true;
    }
    if (node->op == op::Constant)
        return false; // with an imaginary part
    const int op = node->op;
    if (op >= op::Register0 && op < op::Register0 + kRegisterCount) {
        if (node->left || node->right || node->third)
            return false;
        program_.registersRead_ |= 1u << (op - op::Register0);
        Add(rc::Register, 0, op - op::Register0);
        return true;
    }
    if (op >= op::JoinX && op <= op::JoinU)
        return EmitThreeWay(node);
    if (op == op::SelectMax || op == op::SelectMin)
        return EmitThreeWay(node);
    if (node->third)
        return false; // evaluated by the tree but read by nobody: not worth a form here
    switch (op) {
    case op::Plus: case op::Minus: case op::Times: case op::Divide:
        return EmitArithmetic(node);
    case op::UnaryMinus:
        return !node->left && Emit(node->right) && (Add(rc::Neg), true);
    case op::Square:
        return !node->left && Emit(node->right) && (Add(rc::Square), true);
    case op::Fallback:
        return Emit(node->left) && Emit(node->right) && (Add(rc::Fallback), true);
    case op::Sum: case op::Prod:
        return EmitSum(node);
    case op::Pow:
        if (HasKnownExponent(node))
            return Emit(node->right) && (Add(rc::PowN, 0, node->aux), true);
        break;
    default:
        break;
    }
    return IsLibraryFunction(op) && EmitFunction(node);
}

bool RealProgramBuilder::EmitArithmetic(const ExprNode* node) {
    const ExprNode* l = node->left;
    const ExprNode* r = node->right;
    Operand operand;
    if (AsOperand(r, operand)) {
        if (!Emit(l))
            return false;
        AddFused(ActionWithOperand(node->op, false), operand);
        return true;
    }
    // A letter on the left may be read after the right operand only if that cannot move it.
    if (AsOperand(l, operand) && !WritesLetters(r)) {
        if (!Emit(r))
            return false;
        AddFused(ActionWithOperand(node->op, true), operand);
        return true;
    }
    if (!Emit(l) || !Emit(r))
        return false;
    Add(StackCode(node->op));
    return true;
}

bool RealProgramBuilder::EmitFunction(const ExprNode* node) {
    const int op = node->op;
    if (op == op::Rand)
        program_.usesRandom_ = true;
    if (node->left) {
        if (!Emit(node->left) || !Emit(node->right))
            return false;
        Add(rc::Func2, static_cast<short>(op));
        return true;
    }
    if (!Emit(node->right))
        return false;
    switch (op) {
    case op::Sin: Add(rc::Sin); break;
    case op::Cos: Add(rc::Cos); break;
    case op::Exp: Add(rc::Exp); break;
    case op::Sqrt: Add(rc::Sqrt); break;
    case op::Abs: Add(rc::Abs); break;
    default: Add(rc::Func1, static_cast<short>(op)); break;
    }
    return true;
}

bool RealProgramBuilder::EmitThreeWay(const ExprNode* node) {
    const std::uint8_t flags = (node->left ? 0 : rc::kNoLeft) | (node->third ? 0 : rc::kNoThird) |
                               (node->right ? 0 : rc::kNoRight);
    if (!Emit(node->left) || !Emit(node->third) || !Emit(node->right))
        return false;
    const bool join = node->op >= op::JoinX && node->op <= op::JoinU;
    Add(join ? rc::Join : rc::Select, node->op, 0, 0.0L, flags);
    return true;
}

bool RealProgramBuilder::EmitSum(const ExprNode* node) {
    const ExprNode* term = node->left;
    const ExprNode* range = node->right;
    if (!term || term->op != op::SumTerm || !range || range->op != op::SumRange ||
        !range->left || !range->right || range->third || term->aux < 0 ||
        term->aux >= kLetterCount || sums_ >= RealProgram::kMaxSums)
        return false; // the tree fails it in its own way
    if (!Emit(range->left) || !Emit(range->right))
        return false;
    const auto flags =
        static_cast<std::uint8_t>(sums_ * 2 + (node->op == op::Sum ? rc::kIsSum : 0));
    const auto letter = static_cast<short>(term->aux);
    program_.lettersMoved_ |= 1u << term->aux;
    const std::size_t begin = program_.code_.size();
    Add(rc::SumBegin, letter, 0, 0.0L, flags);
    const auto summand = static_cast<std::int32_t>(program_.code_.size());
    ++sums_;
    const bool emitted = Emit(term->left);
    --sums_;
    if (!emitted)
        return false;
    Add(rc::SumStep, letter, summand, 0.0L, flags);
    program_.code_[begin].slot = static_cast<std::int32_t>(program_.code_.size());
    return true;
}

} // namespace korvane
