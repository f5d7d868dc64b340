#include "expr/ExprTree.h"

#include <algorithm>

#include "expr/Opcodes.h"

namespace korvane {

namespace {
constexpr std::size_t kMinimumBlock = 32;
}

void ExprTree::Reserve(std::size_t count) {
    if (!blocks_.empty() && blocks_.back().size - blocks_.back().used >= count)
        return;
    Block block;
    block.size = std::max(count, kMinimumBlock);
    block.nodes = std::make_unique<ExprNode[]>(block.size);
    blocks_.push_back(std::move(block));
}

ExprNode* ExprTree::NewNode(short op, ExprNode* left, ExprNode* right) {
    if (blocks_.empty() || blocks_.back().used == blocks_.back().size)
        Reserve(std::max(kMinimumBlock, nodeCount_));
    Block& block = blocks_.back();
    ExprNode* node = &block.nodes[block.used++];
    ++nodeCount_;
    node->op = op;
    node->left = left;
    node->right = right;
    return node;
}

ExprNode* ExprTree::NewConstant(const ComplexValue& value) {
    ExprNode* node = NewNode(op::Constant);
    node->value = value;
    return node;
}

void ExprTree::Clear() {
    blocks_.clear();
    nodeCount_ = 0;
    root = nullptr;
}

} // namespace korvane
