#pragma once
// An owned expression tree: its root and the arena that holds all of its nodes. Nodes
// are never freed one by one; the tree releases them all together, so a tree may be
// rebuilt freely (rewrites, substitutions) without leaking. Move-only.
#include <cstddef>
#include <memory>
#include <vector>

#include "expr/ExprNode.h"

namespace korvane {

class ExprTree {
public:
    ExprTree() = default;
    ExprTree(ExprTree&&) noexcept = default;
    ExprTree& operator=(ExprTree&&) noexcept = default;
    ExprTree(const ExprTree&) = delete;
    ExprTree& operator=(const ExprTree&) = delete;

    ExprNode* root = nullptr;

    bool Empty() const { return root == nullptr; }
    // Room for `count` more nodes in one block, so that the next `count` nodes are contiguous.
    void Reserve(std::size_t count);
    ExprNode* NewNode(short op, ExprNode* left = nullptr, ExprNode* right = nullptr);
    ExprNode* NewConstant(const ComplexValue& value);
    // Releases every node.
    void Clear();
    std::size_t NodeCount() const { return nodeCount_; }

private:
    struct Block {
        std::unique_ptr<ExprNode[]> nodes;
        std::size_t used = 0;
        std::size_t size = 0;
    };
    std::vector<Block> blocks_;
    std::size_t nodeCount_ = 0;
};

} // namespace korvane
