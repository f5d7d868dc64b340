#include "expr/Optimizer.h"

#include <cmath>
#include <cstdint>

#include "expr/Arithmetic.h"
#include "expr/CharacterClasses.h"
#include "expr/EvalContext.h"
#include "expr/Evaluator.h"
#include "expr/ExprTree.h"
#include "expr/Opcodes.h"
#include "expr/RandomGenerator.h"
#include "expr/TreeOps.h"

namespace korvane {

namespace {

constexpr int kTestEvaluations = 100;
// A hundred test evaluations of a tree with long loops would freeze the compilation.
constexpr double kMaxTestWork = 1e6;
constexpr int kSlotX = 'X' - op::LetterAt;
constexpr int kSlotY = 'Y' - op::LetterAt;
constexpr int kSlotZ = 'Z' - op::LetterAt;

const CharacterClasses& Classes() {
    static const CharacterClasses classes;
    return classes;
}

bool IsConstant(const ExprNode* node) { return node && node->op == op::Constant; }

bool Near(const ExprNode* node, long double re) {
    return IsConstant(node) && std::fabs(node->value.re - re) + std::fabs(node->value.im) < kZeroTolerance;
}

void MakeConstant(ExprNode* node, const ComplexValue& value) {
    node->op = op::Constant;
    node->value = value;
    node->left = node->right = node->third = nullptr;
}

template <typename Visit>
void BottomUp(ExprNode* node, Visit&& visit) {
    if (!node)
        return;
    BottomUp(node->left, visit);
    BottomUp(node->third, visit);
    BottomUp(node->right, visit);
    visit(node);
}

bool FindDefinedTestPoint(EvalContext& ctx, ExprTree& tree) {
    const bool nearBreak = ctx.nearBreak;
    ctx.SaveLetters();
    bool defined = false;
    for (int attempt = 0; attempt < kTestEvaluations && !defined; ++attempt) {
        for (int slot : {kSlotX, kSlotY, kSlotZ}) {
            ctx.letterValues[slot].re = ctx.random->Uniform(-5.0L, 5.0L);
            if (ctx.complexMode)
                ctx.letterValues[slot].im = ctx.random->Uniform(-5.0L, 5.0L);
        }
        defined = EvaluateNode(ctx, tree.root);
    }
    ctx.RestoreLetters();
    ctx.nearBreak = nearBreak;
    return defined;
}

void MakeImaginaryUnitConstant(ExprNode* root) {
    BottomUp(root, [](ExprNode* node) {
        if (node->op == 'I' && !node->left && !node->right)
            MakeConstant(node, {0.0L, 1.0L});
    });
}

bool IsExponentInteger(const ExprNode* n) {
    if (!IsConstant(n) || std::fabs(n->value.im) > kZeroTolerance ||
        std::fabs(n->value.re) > kIntegerRange)
        return false;
    return std::fabs(RoundHalfDown(n->value.re) - n->value.re) <= kZeroTolerance;
}

void ExponentPass(ExprNode* root) {
    BottomUp(root, [](ExprNode* node) {
        if (node->op != op::Power)
            return;
        const ExprNode* base = node->left;
        const ExprNode* exponent = node->right;
        const bool baseIsOne = IsConstant(base) && std::fabs(base->value.re - 1.0L) +
                                                           std::fabs(base->value.im) <=
                                                       kZeroTolerance;
        const bool exponentIsZero = IsConstant(exponent) && std::fabs(exponent->value.re) +
                                                                   std::fabs(exponent->value.im) <=
                                                               kZeroTolerance;
        if (baseIsOne || exponentIsZero) {
            MakeConstant(node, kComplexOne);
        } else if (IsExponentInteger(exponent)) {
            node->op = op::Pow;
            node->left = node->right;
            node->right = const_cast<ExprNode*>(base);
            node->aux = static_cast<std::int32_t>(RoundHalfDown(exponent->value.re));
        }
    });
}

short Reciprocal(short op) {
    switch (op) {
    case op::Tan: return op::Cot;
    case op::Cos: return op::Sec;
    case op::Sin: return op::Csc;
    case op::Sec: return op::Cos;
    case op::Csc: return op::Sin;
    case op::Cot: return op::Tan;
    case op::Sinh: return op::Csch;
    case op::Cosh: return op::Sech;
    case op::Tanh: return op::Coth;
    case op::Sech: return op::Cosh;
    case op::Coth: return op::Tanh;
    case op::Csch: return op::Sinh;
    default: return 0;
    }
}

void ReciprocalPass(ExprNode* root) {
    BottomUp(root, [](ExprNode* node) {
        if (node->op != op::Divide || !node->right)
            return;
        if (short g = Reciprocal(node->right->op)) {
            node->op = op::Times;
            node->right->op = g;
        }
    });
}

bool LeftAlone(const ExprNode* node) {
    const short c = node->op;
    return !node->right || c == op::Iter || c == op::Rand || (c >= op::JoinX && c <= op::JoinU) ||
           c == op::SumRange || c == op::SumTerm;
}

// The value is computed afresh rather than read from the test evaluation: the reciprocal
// pass has changed opcodes since, and a branch that was never chosen may have been
// undefined there. A part that is undefined on its own is not folded.
bool FoldToConstant(EvalContext& ctx, ExprNode* node) {
    if (node->third && !IsConstant(node->third))
        return false;
    if (!EvaluateNode(ctx, node))
        return false;
    MakeConstant(node, node->value);
    return true;
}

ExprNode* Fold(EvalContext& ctx, ExprNode* node) {
    if (!node || LeftAlone(node))
        return node;
    node->right = Fold(ctx, node->right);
    node->left = Fold(ctx, node->left);
    const short c = node->op;
    if (c == op::Times && Near(node->left, 0.0L)) {
        MakeConstant(node, kComplexZero);
        return node;
    }
    if ((c == op::Times && Near(node->left, 1.0L)) || (c == op::Plus && Near(node->left, 0.0L)))
        return node->right;
    if (!IsConstant(node->right))
        return node;
    const CharacterClasses& classes = Classes();
    if (classes.IsPrefix(c)) {
        FoldToConstant(ctx, node);
        return node;
    }
    if (classes.IsBinary(c) && IsConstant(node->left)) {
        FoldToConstant(ctx, node);
        return node;
    }
    if (c == op::Times && Near(node->right, 0.0L)) {
        MakeConstant(node, kComplexZero);
        return node;
    }
    const bool rightOne = Near(node->right, 1.0L);
    const bool rightZero = Near(node->right, 0.0L);
    if (((c == op::Times || c == op::Power || c == op::Divide) && rightOne) ||
        ((c == op::Plus || c == op::Minus) && rightZero))
        return node->left;
    return node;
}

} // namespace

void OptimizeTree(EvalContext& ctx, ExprTree& tree) {
    if (!tree.root || EstimateWork(tree.root) > kMaxTestWork || !FindDefinedTestPoint(ctx, tree))
        return;
    if (ctx.complexMode)
        MakeImaginaryUnitConstant(tree.root);
    ExponentPass(tree.root);
    ReciprocalPass(tree.root);
    const bool nearBreak = ctx.nearBreak;
    tree.root = Fold(ctx, tree.root);
    ctx.nearBreak = nearBreak;
}

} // namespace korvane
