#include "expr/FormulaCompiler.h"

#include "expr/CompileCodes.h"
#include "expr/EvalContext.h"
#include "expr/Opcodes.h"
#include "expr/Optimizer.h"
#include "expr/TextRewrites.h"
#include "expr/TokenPass.h"
#include "expr/TreeReduction.h"

namespace korvane {

FormulaCompiler::FormulaCompiler(EvalContext& context) : context_(context) {}

bool FormulaCompiler::ComplexMode() const { return context_.complexMode; }
void FormulaCompiler::SetComplexMode(bool on) { context_.SetComplexMode(on); }
bool FormulaCompiler::Optimize() const { return context_.optimize; }
void FormulaCompiler::SetOptimize(bool on) { context_.optimize = on; }

int FormulaCompiler::RunTextSteps(std::string& text) {
    if (int c = MapBrackets(text))
        return c;
    if (userFunctions_) {
        if (int c = userFunctions_(text))
            return c;
        if (text.size() > kWorkingLimit)
            return code::OutOfLimits;
    }
    if (int c = RejectRawOpcodes(text))
        return c;
    if (int c = ExpandSquares(text))
        return c;
    if (int c = ReplaceNames(text, names_, classes_, ComplexMode()))
        return c;
    if (int c = RewriteSums(text, op::Sum))
        return c;
    if (int c = RewriteSums(text, op::Prod))
        return c;
    if (int c = RewriteChi(text))
        return c;
    return MarkUnaryMinus(text, classes_);
}

int FormulaCompiler::RunTokenSteps(const std::string& text, ExprTree& tree) {
    TokenList tokens;
    if (int c = MakeTokens(text, classes_, tokens))
        return c;
    ReplaceNamedConstants(tokens);
    MergeNumbers(tokens, classes_);
    if (int c = RewriteFactorials(tokens))
        return c;
    if (int c = AttributeCommas(tokens, classes_))
        return c;
    if (int c = CheckSyntax(tokens, classes_))
        return c;
    UnwrapSingleToken(tokens);
    if (int c = ReduceTokens(tokens, classes_, tree))
        return c;
    return RunPostPasses(tree);
}

int FormulaCompiler::CompileFormula(std::string_view text) {
    result_.Clear();
    std::string working;
    if (int c = CopyToWorkingText(text, working))
        return c;
    if (int c = RunTextSteps(working))
        return c;
    ExprTree tree;
    if (int c = RunTokenSteps(working, tree))
        return c;
    if (context_.optimize)
        OptimizeTree(context_, tree);
    result_ = std::move(tree);
    return code::Ok;
}

} // namespace korvane
