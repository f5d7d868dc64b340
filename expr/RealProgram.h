#pragma once
// A tree compiled once into a flat list of instructions for real-mode evaluation: what a
// curve tracer builds once per curve and runs at every sample. The value being computed
// stays in a register instead of going through the nodes, which keep their old values;
// the results, the defined flags, nearBreak, the random state and the
// letters a sum leaves behind are those of EvaluateAt on the tree. Trees with parts the
// program does not run (iterations, periodic extensions, deep nesting ...) and complex
// mode are handed to the tree. The program must be built again after the tree changes.
// Building allocates; evaluating does not.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace korvane {

struct EvalContext;
struct ExprNode;

class RealProgram {
public:
    RealProgram() = default;
    explicit RealProgram(ExprNode* tree) { Build(tree); }

    // Returns true when the program runs the tree itself, false when it hands it on.
    bool Build(ExprNode* tree);
    bool Compiled() const { return !code_.empty(); }
    std::size_t Size() const { return code_.size(); }

    // EvaluateAt(ctx, tree, slot, value, out) for the tree of the last Build. The value is
    // taken by reference: an 80-bit copy through memory costs more than a short formula.
    bool EvaluateAt(EvalContext& ctx, int slot, const long double& value, long double& out) const;

    // Deeper values or sums than these are left to the tree.
    static constexpr int kMaxDepth = 64;
    static constexpr int kMaxSums = 8;

    struct Instruction {
        std::uint8_t code = 0;
        std::uint8_t flags = 0;  // which operands of a join or selection are missing
        short op = 0;            // the function opcode
        std::int32_t slot = 0;   // letter, register, power, jump target or sum frame
        std::int32_t other = 0;  // a fused operand's second letter or power
        long double constant = 0.0L;
    };
    const std::vector<Instruction>& Code() const { return code_; }

private:
    friend class RealProgramBuilder;
    friend struct RealMachine;
    enum class Outcome { Undefined, Defined, Restart };
    Outcome Run(EvalContext& ctx, int slot, const long double& value, long double& out) const;

    ExprNode* tree_ = nullptr;
    std::vector<Instruction> code_;
    std::uint32_t lettersRead_ = 0;   // letters whose imaginary part must be 0
    std::uint32_t registersRead_ = 0;
    std::uint32_t lettersMoved_ = 0;  // sum indices, put back when the tree takes over
    bool usesRandom_ = false;
};

} // namespace korvane
