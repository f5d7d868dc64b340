#include "expr/TreeReduction.h"

#include <algorithm>

#include "expr/Arithmetic.h"
#include "expr/CharacterClasses.h"
#include "expr/CompileCodes.h"
#include "expr/ExprTree.h"
#include "expr/Opcodes.h"

namespace korvane {

namespace {

using Order = std::vector<int>; // the live tokens, by index into the token list

bool IsJoin(int code) { return code >= op::JoinX && code <= op::JoinU; }

int LevelOf(const CharacterClasses& classes, int code) {
    if (code == op::UnaryMinus || code == op::Power)
        return 2;
    if (classes.IsPrefix(code))
        return 1;
    switch (code) {
    case op::Times: case op::Divide: return 3;
    case op::Plus: case op::Minus: return 4;
    case op::Bar: return 5;
    case op::Sum: case op::Prod: case op::SumTerm: case op::SumRange: return 7;
    default: break;
    }
    if (IsJoin(code))
        return 6;
    return classes.IsMultiArgument(code) ? 8 : 0;
}

bool RightToLeft(int level) { return level == 2 || level == 6; }

struct Reducer {
    TokenList& tokens;
    const CharacterClasses& classes;
    Order& order;

    bool IsOperand(int index) const {
        const short c = tokens[order[index]].code;
        return c == op::Constant || classes.IsLetter(c);
    }

    // Reduces the operator at order[pos]; returns the operator's new position or -1.
    int ReduceAt(int pos, int begin, int& end) {
        FormulaToken& oper = tokens[order[pos]];
        const bool binary = classes.IsBinary(oper.code);
        if (pos + 1 >= end || !IsOperand(pos + 1) || (binary && (pos - 1 < begin || !IsOperand(pos - 1))))
            return -1;
        FormulaToken& right = tokens[order[pos + 1]];
        oper.node->right = right.node;
        int depth = right.depth;
        if (binary) {
            FormulaToken& left = tokens[order[pos - 1]];
            oper.node->left = left.node;
            depth = std::max(depth, left.depth);
        }
        oper.depth = depth + 1;
        oper.code = op::Constant;
        order.erase(order.begin() + pos + 1);
        --end;
        if (binary) {
            order.erase(order.begin() + pos - 1);
            --end;
            --pos;
        }
        return pos;
    }

    int ReduceLevel(int level, int begin, int& end) {
        if (RightToLeft(level)) {
            for (int pos = end - 1; pos >= begin; --pos) {
                if (LevelOf(classes, tokens[order[pos]].code) != level)
                    continue;
                const int at = ReduceAt(pos, begin, end);
                if (at < 0)
                    return code::Inconsistent;
                pos = at;
            }
            return code::Ok;
        }
        for (int pos = begin; pos < end; ++pos) {
            if (LevelOf(classes, tokens[order[pos]].code) != level)
                continue;
            const int at = ReduceAt(pos, begin, end);
            if (at < 0)
                return code::Inconsistent;
            pos = at;
        }
        return code::Ok;
    }

    // Reduces order[begin, end) to one operand.
    int ReduceRange(int begin, int& end) {
        for (int level = 1; level <= 8; ++level) {
            if (int c = ReduceLevel(level, begin, end))
                return c;
        }
        if (end - begin != 1 || !IsOperand(begin))
            return code::Inconsistent;
        return tokens[order[begin]].depth > kMaxReducedDepth ? code::OutOfLimits : code::Ok;
    }
};

void MakeNodes(TokenList& tokens, ExprTree& tree) {
    tree.Reserve(2 * tokens.size() + 2);
    for (FormulaToken& token : tokens) {
        if (token.code == op::Open || token.code == op::Close)
            continue;
        token.node = tree.NewNode(token.code);
        token.node->value = token.value;
        token.depth = 1;
    }
}

template <typename Visit>
void PostOrder(ExprNode* node, Visit&& visit) {
    if (!node)
        return;
    PostOrder(node->left, visit);
    PostOrder(node->third, visit);
    PostOrder(node->right, visit);
    visit(node);
}

bool IsConstant(const ExprNode* node) { return node && node->op == op::Constant; }

void FoldUnaryMinus(ExprTree& tree) {
    PostOrder(tree.root, [&](ExprNode* node) {
        if (node->op != op::UnaryMinus)
            return;
        if (IsConstant(node->right)) {
            const ComplexValue v = node->right->value;
            *node = ExprNode{};
            node->op = op::Constant;
            node->value = {-v.re, -v.im};
            return;
        }
        node->op = op::Times;
        node->left = tree.NewConstant({-1.0L, 0.0L});
    });
}

int CheckIterations(ExprTree& tree) {
    int result = code::Ok;
    PostOrder(tree.root, [&](ExprNode* node) {
        if (node->op != op::Iter)
            return;
        const ExprNode* count = node->left;
        if (!IsConstant(count) || !(count->value.re >= 1.0L) || count->value.re > kIntegerRange)
            result = code::OutOfLimits;
        else
            node->aux = static_cast<std::int32_t>(RoundHalfDown(count->value.re));
    });
    return result;
}

int CheckSumIndices(ExprTree& tree) {
    int result = code::Ok;
    PostOrder(tree.root, [&](ExprNode* node) {
        if (node->op != op::SumTerm)
            return;
        const ExprNode* index = node->right;
        if (!index || index->op < 'A' || index->op > 'Z')
            result = code::OutOfLimits;
        else
            node->aux = index->op - op::LetterAt;
    });
    return result;
}

void MergeJoinPieces(ExprTree& tree) {
    PostOrder(tree.root, [](ExprNode* node) {
        if (!IsJoin(node->op) || !node->left || node->left->op != op::Bar)
            return;
        ExprNode* bar = node->left;
        node->left = bar->left;
        node->third = bar->right;
    });
}

// log(b, x) is ln(x) / ln(b), so that the evaluator needs no case for it.
void RewriteTwoArgumentLog(ExprTree& tree) {
    PostOrder(tree.root, [&](ExprNode* node) {
        if (node->op != op::Lg)
            return;
        ExprNode* base = node->left;
        ExprNode* argument = node->right;
        node->op = op::Divide;
        node->left = tree.NewNode(op::Ln, nullptr, argument);
        node->right = tree.NewNode(op::Ln, nullptr, base);
    });
}

} // namespace

int ReduceTokens(TokenList& tokens, const CharacterClasses& classes, ExprTree& tree) {
    MakeNodes(tokens, tree);
    Order order(tokens.size());
    for (std::size_t i = 0; i < tokens.size(); ++i)
        order[i] = static_cast<int>(i);
    Reducer reducer{tokens, classes, order};
    for (;;) {
        const auto close = std::find_if(order.begin(), order.end(),
                                        [&](int i) { return tokens[i].code == op::Close; });
        if (close == order.end())
            break;
        int end = static_cast<int>(close - order.begin());
        int open = end - 1;
        while (open >= 0 && tokens[order[open]].code != op::Open)
            --open;
        if (open < 0 || open + 1 == end)
            return code::Inconsistent;
        if (int c = reducer.ReduceRange(open + 1, end))
            return c;
        order.erase(order.begin() + end);
        order.erase(order.begin() + open);
    }
    int end = static_cast<int>(order.size());
    if (end == 0)
        return code::NothingToDo;
    if (int c = reducer.ReduceRange(0, end))
        return c;
    tree.root = tokens[order[0]].node;
    return code::Ok;
}

int RunPostPasses(ExprTree& tree) {
    FoldUnaryMinus(tree);
    if (int c = CheckIterations(tree))
        return c;
    if (int c = CheckSumIndices(tree))
        return c;
    MergeJoinPieces(tree);
    RewriteTwoArgumentLog(tree);
    return code::Ok;
}

} // namespace korvane
