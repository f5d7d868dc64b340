// User functions through the real compiler: calls expand before the names are read.
#include "expr/EvalContext.h"
#include "expr/Evaluator.h"
#include "expr/FormulaCompiler.h"
#include "expr/UserFunctionLibrary.h"

#include <gtest/gtest.h>

#include <cmath>

namespace korvane {
namespace {

struct Row {
    const char* formula;
    long double x;
    int code;
    long double expected;
};

class UserFunctionCompile : public testing::Test {
protected:
    UserFunctionCompile() : compiler(ctx) {
        library.Append(UserFunction::Make("F", "X^2-1", kFunctionOfX));
        library.Append(UserFunction::Make("G", "X^2+Y^2", kFunctionOfXY));
        library.Append(UserFunction::Make("H", "EXP(X)", kFunctionOfX));
        library.Append(UserFunction::Make("P", "X+1", kFunctionOfX));
        library.Append(UserFunction::Make("MX", "MAX(X,0)", kFunctionOfX));
        AttachUserFunctions(compiler, library);
        ctx.SetLetter('A' - 64, 2);
        ctx.SetLetter('T' - 64, 3);
        ctx.SetLetter('F' - 64, 5);
    }
    void Check(const Row& row) {
        SCOPED_TRACE(testing::Message() << row.formula << " at " << double(row.x));
        ASSERT_EQ(compiler.CompileFormula(row.formula), row.code);
        if (row.code != 0)
            return;
        long double v = 0;
        ASSERT_TRUE(EvaluateAt(ctx, compiler.Result().root, 'X' - 64, row.x, v));
        EXPECT_NEAR(double(v), double(row.expected),
                    1e-12 * std::max(1.0, std::fabs(double(row.expected))));
    }

    EvalContext ctx;
    FormulaCompiler compiler;
    UserFunctionLibrary library;
};

// In af(x) F is the letter: a call needs the name as a whole run of letters.
TEST_F(UserFunctionCompile, CallsEvaluateAsTheirDefinitions) {
    const Row rows[] = {
        {"f(x+1)", 1, 0, 3}, {"3f(t)", 0, 0, 24}, {"2f(x)", 2, 0, 6}, {"af(x)", 2, 0, 2 * 5 * 2},
        {"g(a,1)", 0, 0, 5}, {"G(x, 2)", 3, 0, 13}, {"h(2)", 0, 0, std::exp(2.0L)},
        {"p(p(x))", 5, 0, 7}, {"mx(x-3)", 5, 0, 2}, {"mx(x-3)", 1, 0, 0},
        {"sin(f(x))", 2, 0, std::sin(3.0L)}, {"[f(x)]*{p(x)}", 2, 0, 9},
    };
    for (const Row& row : rows)
        Check(row);
}

// In g(1,2,3) "2,3" reaches the parser as one argument.
TEST_F(UserFunctionCompile, ExpansionCodesStopTheCompilation) {
    const Row rows[] = {
        {"g(1)", 0, 24, 0}, {"f()", 0, 108, 0}, {"g(1,2,3)", 0, 1, 0}, {"f(x", 0, 108, 0},
    };
    for (const Row& row : rows)
        Check(row);
    EXPECT_TRUE(compiler.Result().Empty());
}

TEST_F(UserFunctionCompile, DefinitionCompilerSeesOnlyTheVisibleRecords) {
    const DefinitionCompiler check = DefinitionCompilerFor(compiler, library);
    EXPECT_EQ(check("G(X)", library), 24) << "G needs two arguments";
    EXPECT_EQ(check("G(X)", UserFunctionLibrary{}), 0) << "without G it is a product";
    EXPECT_TRUE(compiler.Result().Empty()) << "the checked tree is discarded";
    // And the compiler has its window's library back.
    EXPECT_EQ(compiler.CompileFormula("g(1)"), 24);
}

TEST_F(UserFunctionCompile, DefineThroughTheCompiler) {
    const DefinitionCompiler check = DefinitionCompilerFor(compiler, library);
    EXPECT_EQ(DefineFunction(library, "k", "f(x)*2", kFunctionOfX, std::nullopt, check).code, 0);
    EXPECT_EQ(DefineFunction(library, "q", "x+*2", kFunctionOfX, std::nullopt, check).code, 6);
    EXPECT_EQ(DefineFunction(library, "r", "g(x)", kFunctionOfX, std::nullopt, check).code, 24);
    Check({"k(3)", 0, 0, 16});
}

} // namespace
} // namespace korvane
