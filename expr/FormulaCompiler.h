#pragma once
// The parser of a graph window: its name and class tables, the hook through which
// user-defined functions are expanded, and the tree of the last compilation.
// CompileFormula runs the fixed pipeline of text rewrites, the token pass and the
// precedence reduction; each step may stop it with a result code (message 400 + code).
#include <functional>
#include <string>
#include <string_view>

#include "expr/CharacterClasses.h"
#include "expr/ExprTree.h"
#include "expr/FunctionNameTable.h"

namespace korvane {

struct EvalContext;

class FormulaCompiler {
public:
    // Step 4: expands every user-function call in the upper-cased working text, and
    // returns 0 or a result code (108, 24, 17).
    using UserFunctionHook = std::function<int(std::string& text)>;

    // The compiler reads `complexMode` and `optimize` from the window's context, which
    // the optimiser also needs; the two are one state, not two copies.
    explicit FormulaCompiler(EvalContext& context);

    // 0 on success, the tree is then in Result(); on failure no tree is left.
    int CompileFormula(std::string_view text);

    ExprTree& Result() { return result_; }
    ExprTree TakeResult() { return std::move(result_); }

    void SetUserFunctionHook(UserFunctionHook hook) { userFunctions_ = std::move(hook); }

    bool ComplexMode() const;
    void SetComplexMode(bool on);
    bool Optimize() const;
    void SetOptimize(bool on);

    EvalContext& Context() { return context_; }
    const FunctionNameTable& Names() const { return names_; }
    const CharacterClasses& Classes() const { return classes_; }

private:
    int RunTextSteps(std::string& text);
    int RunTokenSteps(const std::string& text, ExprTree& tree);

    EvalContext& context_;
    FunctionNameTable names_;
    CharacterClasses classes_;
    UserFunctionHook userFunctions_;
    ExprTree result_;
};

} // namespace korvane
