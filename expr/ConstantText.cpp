#include "expr/ConstantText.h"

#include "expr/Arithmetic.h"
#include "expr/CompileCodes.h"
#include "expr/EvalContext.h"
#include "expr/Evaluator.h"
#include "expr/FormulaCompiler.h"

namespace korvane {

bool MakeEquationExpression(std::string_view equation, std::string& out) {
    const std::size_t at = equation.find_first_of("<>=");
    if (at == std::string_view::npos)
        return false;
    const std::size_t length = equation[at] != '=' && at + 1 < equation.size() && equation[at + 1] == '=' ? 2 : 1;
    if (at + length >= equation.size())
        return false;
    out = std::string(equation.substr(0, at));
    out += "-(";
    out += equation.substr(at + length);
    out += ')';
    return true;
}

int EvaluateConstantText(FormulaCompiler& compiler, std::string_view text, long double& out) {
    EvalContext& ctx = compiler.Context();
    const bool complexMode = ctx.complexMode;
    ctx.complexMode = false;
    int result = compiler.CompileFormula(text);
    if (result == code::Ok) {
        ExprTree tree = compiler.TakeResult();
        if (EvaluateNode(ctx, tree.root))
            out = tree.root->value.re;
        else
            result = code::NotUnderstood;
    }
    ctx.complexMode = complexMode;
    return result;
}

int EvaluateIntegerText(FormulaCompiler& compiler, std::string_view text, long double low,
                        long double high, long& out) {
    long double value = 0.0L;
    if (int c = EvaluateConstantText(compiler, text, value))
        return c;
    if (!(low <= value && value <= high))
        return code::OutOfLimits;
    out = static_cast<long>(RoundHalfDown(value));
    return code::Ok;
}

} // namespace korvane
