#include "expr/TreeOps.h"

#include <algorithm>
#include <vector>

#include "expr/Opcodes.h"

namespace korvane {

namespace {

template <typename Visit>
void ForEachNode(ExprNode* node, Visit&& visit) {
    if (!node)
        return;
    visit(node);
    ForEachNode(node->left, visit);
    ForEachNode(node->third, visit);
    ForEachNode(node->right, visit);
}

std::size_t CountNodes(const ExprNode* node) {
    if (!node)
        return 0;
    return 1 + CountNodes(node->left) + CountNodes(node->third) + CountNodes(node->right);
}

} // namespace

ExprNode* CopyTree(const ExprNode* node, ExprTree& into) {
    if (!node)
        return nullptr;
    ExprNode* copy = into.NewNode(node->op);
    copy->aux = node->aux;
    copy->value = node->value;
    copy->left = CopyTree(node->left, into);
    copy->third = CopyTree(node->third, into);
    copy->right = CopyTree(node->right, into);
    return copy;
}

ExprTree CopyTree(const ExprTree& tree) {
    ExprTree copy;
    copy.Reserve(CountNodes(tree.root));
    copy.root = CopyTree(tree.root, copy);
    return copy;
}

void FreeTree(ExprTree& tree) { tree.Clear(); }

void RenameVariable(ExprNode* root, short from, short to) {
    ForEachNode(root, [&](ExprNode* node) {
        if (node->op == op::SumTerm && node->right && node->right->op == from && to >= 'A' &&
            to <= 'Z')
            node->aux = to - op::LetterAt;
        if (node->op == from)
            node->op = to;
    });
}

void SubstituteVariable(ExprTree& tree, short letter, const ExprNode* subtree) {
    if (!subtree)
        return;
    ExprTree snapshot;
    snapshot.root = CopyTree(subtree, snapshot);
    std::vector<ExprNode*> targets;
    ForEachNode(tree.root, [&](ExprNode* node) {
        if (node->op == letter)
            targets.push_back(node);
    });
    for (ExprNode* node : targets) {
        const ExprNode* copy = CopyTree(snapshot.root, tree);
        *node = *copy;
    }
}

void SetVariableToConstant(ExprNode* root, short letter, const ComplexValue& value) {
    ForEachNode(root, [&](ExprNode* node) {
        if (node->op != letter)
            return;
        node->op = op::Constant;
        node->value = value;
        node->left = node->right = node->third = nullptr;
    });
}

void SwitchXToT(ExprNode* root) {
    ForEachNode(root, [](ExprNode* node) {
        if (node->op == op::LetterX)
            node->op = 'T';
        else if (node->op == op::JoinX)
            node->op = op::JoinT;
        else if (node->op == op::SumTerm && node->aux == op::LetterX - op::LetterAt)
            node->aux = 'T' - op::LetterAt;
    });
}

int TreeDepth(const ExprNode* root) {
    if (!root)
        return 0;
    return 1 + std::max({TreeDepth(root->left), TreeDepth(root->third), TreeDepth(root->right)});
}

double EstimateWork(const ExprNode* node) {
    if (!node)
        return 0.0;
    const double below =
        1.0 + EstimateWork(node->left) + EstimateWork(node->third) + EstimateWork(node->right);
    if (node->op == op::Iter || node->op == op::IterDerivative)
        return below * std::max(1, static_cast<int>(node->aux));
    if (node->op != op::Sum && node->op != op::Prod)
        return below;
    const ExprNode* range = node->right;
    if (!range || !range->left || !range->right || range->left->op != op::Constant ||
        range->right->op != op::Constant)
        return kUnboundedWork;
    const long double count = range->right->value.re - range->left->value.re + 1.0L;
    return below * (count > 1.0L ? static_cast<double>(count) : 1.0);
}

} // namespace korvane
