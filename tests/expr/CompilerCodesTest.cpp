// Result codes of the compiler: every code the pipeline can give, and where.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FormulaTestSupport.h"
#include "expr/CompileCodes.h"

namespace korvane {
namespace {

struct CodeRow {
    std::string text;
    int code;
    int line;
};

void ExpectCodes(const std::vector<CodeRow>& rows, bool complexMode = false) {
    for (const CodeRow& row : rows) {
        SCOPED_TRACE(::testing::Message() << "line " << row.line << ": \"" << row.text.substr(0, 60)
                                          << (row.text.size() > 60 ? "...\"" : "\""));
        EXPECT_EQ(testing::CompileCode(row.text, complexMode), row.code);
    }
}

// Each step that can fail stops the compilation with its own code.
TEST(CompilerCodes, EachStepGivesItsCode) {
    ExpectCodes({
        {"", code::NothingToDo, __LINE__},
        {"   ", code::NothingToDo, __LINE__},
        {"(x", code::UnmatchedParentheses, __LINE__},
        {"x)", code::UnmatchedParentheses, __LINE__},
        {")(", code::UnmatchedParentheses, __LINE__},
        {"[x+1}", code::Ok, __LINE__},
        {"(x+1]", code::Ok, __LINE__},
        {std::string("x") + '\xb4', code::NotUnderstood, __LINE__}, // raw join byte
        {std::string("x+") + '\x80', code::NotUnderstood, __LINE__},
        {std::string("x") + '\xfd', code::Ok, __LINE__}, // typed square
        {"x\t", code::NotUnderstood, __LINE__},
        {"x$", code::NotUnderstood, __LINE__},
        {"x;2", code::NotUnderstood, __LINE__},
        {"!5", code::NotUnderstood, __LINE__},
        {"sum(10,n*x)", code::NotUnderstood, __LINE__},
        {"sum(n,nn,1,2)", code::NotUnderstood, __LINE__},
        {"sum(n,n,1)", code::NotUnderstood, __LINE__},
        {"sum+1", code::NotUnderstood, __LINE__},
        {"prod(n,n)", code::NotUnderstood, __LINE__},
        {"chi(1,2)", code::NotUnderstood, __LINE__},
        {"chi", code::NotUnderstood, __LINE__},
        {"1,2", code::NotUnderstood, __LINE__},
        {"(1,2)", code::NotUnderstood, __LINE__},
        {"sin(1,2)", code::NotUnderstood, __LINE__},
        {"root(1,2,3)", code::TooManyArguments, __LINE__},
        {"pow(1,2,3)", code::TooManyArguments, __LINE__},
        {"max(1,2,3,4)", code::Ok, __LINE__},
        {"max(5)", code::Inconsistent, __LINE__},
        {"root(8)", code::Inconsistent, __LINE__},
        {"lg(8)", code::Inconsistent, __LINE__},
        {"x+", code::Inconsistent, __LINE__},
        {"*x", code::Inconsistent, __LINE__},
        {"()", code::Inconsistent, __LINE__},
        {"x++x", code::Inconsistent, __LINE__},
        {"sin", code::Inconsistent, __LINE__},
        {"x!!", code::Inconsistent, __LINE__},
        {"iter(0,x)", code::OutOfLimits, __LINE__},
        {"iter(a,x)", code::OutOfLimits, __LINE__},
        {"iter(-2,x)", code::OutOfLimits, __LINE__},
        {"iter(3000000000,x)", code::OutOfLimits, __LINE__},
        {"iter(2147483647,x)", code::Ok, __LINE__},
        {"sum(n,2,1,3)", code::OutOfLimits, __LINE__},
        {"sum(n,@,1,3)", code::OutOfLimits, __LINE__},
    });
}

// The text is held in a 5000-byte buffer, and chi's rewrite in 420 characters.
TEST(CompilerCodes, LimitsOfTheBuffers) {
    std::string terms = "x";
    while (terms.size() < 4990)
        terms += "+x";
    std::string arg(130, '1');
    ExpectCodes({
        {terms, code::Ok, __LINE__},
        {terms + "+x+x+x+x+x+x", code::OutOfLimits, __LINE__},
        {std::string(2600, 'x'), code::OutOfLimits, __LINE__}, // x*x*... nearly doubles the text
        {"chi(" + arg + "," + arg + ",x)", code::Ok, __LINE__},
        {"chi(" + arg + "," + arg + "," + arg + ")", code::OutOfLimits, __LINE__},
    });
}

// Deep nesting fails cleanly or compiles; it never exhausts the stack.
TEST(CompilerCodes, DeepNesting) {
    const std::string open(2000, '(');
    const std::string close(2000, ')');
    std::string minus;
    for (int i = 0; i < 1500; ++i)
        minus += "-(";
    std::string chain = "x";
    for (int i = 0; i < 2400; ++i)
        chain += "^x";
    ExpectCodes({
        {open + "x" + close, code::Ok, __LINE__},
        {open + "x" + close + ")", code::UnmatchedParentheses, __LINE__},
        {minus + "x" + std::string(1500, ')'), code::Ok, __LINE__},
        {std::string(4000, '-') + "x", code::OutOfLimits, __LINE__},
        {std::string(1000, '(') + "1+" + std::string(1000, '(') + "x" + std::string(2000, ')'),
         code::Ok, __LINE__},
        {chain, code::Ok, __LINE__},
    });
}

// Real mode does not know RE, IM and CONJ, nor ARG with one argument: their letters
// are variables there.
TEST(CompilerCodes, ComplexOnlyNames) {
    ExpectCodes({{"re(x)", code::Ok, __LINE__}, {"arg(z)", code::Ok, __LINE__}}, true);
    testing::Formulas real;
    const testing::Outcome re = real.Run("re(x)", {{'R', {2, 0}}, {'E', {3, 0}}, {'X', {5, 0}}});
    EXPECT_EQ(re.code, 0);
    EXPECT_EQ(re.value.re, 30.0L); // R*E*(X)
}

} // namespace
} // namespace korvane
