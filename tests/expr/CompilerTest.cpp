// The compiler: the code of every step that can fail, what it makes of a text seen
// through the value (rewrites, names, implicit multiplication, precedence; every row runs
// optimised and not), and the numbers typed into dialog fields.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FormulaTestSupport.h"
#include "expr/CompileCodes.h"
#include "expr/ConstantText.h"
#include "tests/support/Tolerance.h"

namespace korvane {
namespace {

struct CodeRow {
    std::string text;
    int code;
};

void ExpectCodes(const std::vector<CodeRow>& rows, bool complexMode = false) {
    for (const CodeRow& row : rows) {
        SCOPED_TRACE(::testing::Message() << '"' << row.text.substr(0, 60)
                                          << (row.text.size() > 60 ? "...\"" : "\""));
        EXPECT_EQ(testing::Formulas(complexMode).compiler.CompileFormula(row.text), row.code);
    }
}

// Each step that can fail stops the compilation with its own code (0xb4 is the raw join
// byte, 0xfd a typed square).
TEST(Compiler, EachStepGivesItsCode) {
    ExpectCodes({
        {"", code::NothingToDo}, {"   ", code::NothingToDo}, {"(x", code::UnmatchedParentheses},
        {"x)", code::UnmatchedParentheses}, {")(", code::UnmatchedParentheses}, {"[x+1}", code::Ok},
        {"(x+1]", code::Ok}, {std::string("x") + '\xb4', code::NotUnderstood},
        {std::string("x+") + '\x80', code::NotUnderstood}, {std::string("x") + '\xfd', code::Ok},
        {"x\t", code::NotUnderstood}, {"x$", code::NotUnderstood}, {"x;2", code::NotUnderstood},
        {"!5", code::NotUnderstood}, {"sum(10,n*x)", code::NotUnderstood},
        {"sum(n,nn,1,2)", code::NotUnderstood}, {"sum(n,n,1)", code::NotUnderstood},
        {"sum+1", code::NotUnderstood}, {"prod(n,n)", code::NotUnderstood},
        {"chi(1,2)", code::NotUnderstood}, {"chi", code::NotUnderstood},
        {"1,2", code::NotUnderstood}, {"(1,2)", code::NotUnderstood},
        {"sin(1,2)", code::NotUnderstood}, {"root(1,2,3)", code::TooManyArguments},
        {"pow(1,2,3)", code::TooManyArguments}, {"max(1,2,3,4)", code::Ok},
        {"max(5)", code::Inconsistent}, {"root(8)", code::Inconsistent},
        {"lg(8)", code::Inconsistent}, {"x+", code::Inconsistent}, {"*x", code::Inconsistent},
        {"()", code::Inconsistent}, {"x++x", code::Inconsistent}, {"sin", code::Inconsistent},
        {"x!!", code::Inconsistent}, {"iter(0,x)", code::OutOfLimits},
        {"iter(a,x)", code::OutOfLimits}, {"iter(-2,x)", code::OutOfLimits},
        {"iter(3000000000,x)", code::OutOfLimits}, {"iter(2147483647,x)", code::Ok},
        {"sum(n,2,1,3)", code::OutOfLimits}, {"sum(n,@,1,3)", code::OutOfLimits},
    });
}

// The text is held in a 5000-byte buffer, and chi's rewrite in 420 characters; x*x*...
// nearly doubles a run of letters. Deep nesting fails cleanly or compiles; it never
// exhausts the stack.
TEST(Compiler, LimitsOfTheBuffersAndDeepNesting) {
    std::string terms = "x";
    while (terms.size() < 4990)
        terms += "+x";
    const std::string arg(130, '1');
    const std::string open(2000, '(');
    const std::string close(2000, ')');
    std::string minus;
    for (int i = 0; i < 1500; ++i)
        minus += "-(";
    std::string chain = "x";
    for (int i = 0; i < 2400; ++i)
        chain += "^x";
    ExpectCodes({
        {terms, code::Ok}, {terms + "+x+x+x+x+x+x", code::OutOfLimits},
        {std::string(2600, 'x'), code::OutOfLimits}, {"chi(" + arg + "," + arg + ",x)", code::Ok},
        {"chi(" + arg + "," + arg + "," + arg + ")", code::OutOfLimits},
        {open + "x" + close, code::Ok}, {open + "x" + close + ")", code::UnmatchedParentheses},
        {minus + "x" + std::string(1500, ')'), code::Ok},
        {std::string(4000, '-') + "x", code::OutOfLimits},
        {std::string(1000, '(') + "1+" + std::string(1000, '(') + "x" + std::string(2000, ')'),
         code::Ok},
        {chain, code::Ok},
    });
}

using testing::ExpectValues;
using testing::Letter;

// Names are whole runs of letters; a run that is not a name is a product of letters,
// and the rest of the run is tried again. 2E3 is 2*e*3: there is no exponent notation.
// Real mode does not know RE, IM and CONJ, nor ARG with one argument: re(x) is R*E*(X).
TEST(Compiler, NamesAndImplicitMultiplication) {
    ExpectCodes({{"re(x)", code::Ok}, {"arg(z)", code::Ok}}, true);
    const std::vector<Letter> x3 = {{'X', {3, 0}}};
    const std::vector<Letter> pix = {{'P', {2, 0}}, {'I', {5, 0}}, {'X', {3, 0}}};
    ExpectValues({
        {"2x", x3, true, 6}, {"xpi", x3, true, 9.42477796076937971538793014984L},
        {"pix", pix, true, 30}, {"2(x+1)", x3, true, 8}, {"(x+1)(x-1)", x3, true, 8},
        {"a(x+1)", {{'A', {2, 0}}, {'X', {3, 0}}}, true, 8}, {"x(2)", x3, true, 6},
        {"2pi", {}, true, 6.28318530717958647692528676656L},
        {"2e", {}, true, 5.43656365691809047072057494271L},
        {"2E3", {}, true, 16.3096909707542714121617248281L},
        {"sin x", {{'S', {2, 0}}, {'I', {3, 0}}, {'N', {5, 0}}, {'X', {7, 0}}}, true, 210},
        {"sinx", {{'S', {2, 0}}, {'I', {3, 0}}, {'N', {5, 0}}, {'X', {7, 0}}}, true, 210},
        {"sin(2)", {}, true, 0.909297426825681695396019865912L},
        {"2sin(2)", {}, true, 1.81859485365136339079203973182L},
        {"xsin(x)", x3, true, 0.423360024179601666302234408424L},
        {"XSIN(X)", x3, true, 0.423360024179601666302234408424L},
        {"x deg", {{'X', {180, 0}}}, true, 3.14159265358979323846264338328L},
        {"@+1", {{'@', {4, 0}}}, true, 5}, {"pinf", {}, true, 1e18L}, {"ninf", {}, true, -1e18L},
        {"phi", {}, true, 1.61803398874989484820458683437L}, {"2.5.3", {}, true, 2.5L},
        {".5", {}, true, 0.5L}, {"5.", {}, true, 5}, {"0.1", {}, true, 0.1L},
        {"x\xfd", x3, true, 9}, {"re(x)", {{'R', {2, 0}}, {'E', {3, 0}}, {'X', {5, 0}}}, true, 30},
    });
}

// '^' is right-associative and binds like unary minus; '*' and '/' are left-associative
// and an implied '*' binds exactly like a written one; the functions made infix bind
// more loosely than anything else. Grouping pairs are interchangeable; only the depth counts.
TEST(Compiler, PrecedenceAndAssociativity) {
    const std::vector<Letter> x3 = {{'X', {3, 0}}};
    ExpectValues({
        {"[x+1]*{x-1}", x3, true, 8}, {"(x+1]", x3, true, 4}, {"{[(x)]}", x3, true, 3},
        {"((((((x))))))", x3, true, 3}, {"-x^2", x3, true, -9}, {"2^3^2", {}, true, 512},
        {"2^-1", {}, true, 0.5L}, {"2^-x", x3, true, 0.125L}, {"-2^2", {}, true, -4},
        {"--x", x3, true, 3}, {"-(-x)", x3, true, 3}, {"8/4/2", {}, true, 1}, {"1/xx", x3, true, 1},
        {"1/2x", x3, true, 1.5L}, {"2+3*4", {}, true, 14}, {"2*3+4", {}, true, 10},
        {"10-4-3", {}, true, 3}, {"2-x", x3, true, -1}, {"x*-2", x3, true, -6},
        {"max(1,2)+10", {}, true, 12}, {"max(1+2,3*4-20)", {}, true, 3},
        {"max(1,5,3)", {}, true, 5}, {"max(1,2,3,4)", {}, true, 4}, {"min(4,2,3)", {}, true, 2},
        {"2max(1,2)", {}, true, 4}, {"root(3,-8)", {}, true, -2}, {"pow(-2,x)", x3, true, 1.0L / 9},
    });
}

// Functions with a comma in their argument list change meaning; sum, prod and chi are
// rewritten as text (the index keeps its last value); log(b,x) becomes ln(x)/ln(b).
TEST(Compiler, Rewrites) {
    ExpectValues({
        {"abs(3,4)", {}, true, 5}, {"abs(3,4,12)", {}, true, 13}, {"abs(-3)", {}, true, 3},
        {"log(2,8)", {}, true, 3}, {"lg(2,8)", {}, true, 3}, {"log(100)", {}, true, 2},
        {"arg(0,1)", {}, true, 1.57079632679489661923132169164L},
        {"arg(-1,0)", {}, true, 3.14159265358979323846264338328L}, {"sum(n,n,1,10)", {}, true, 55},
        {"sum(1/n^2,n,1,20)", {}, true, 1.59616324391302331664087887206L},
        {"sum(max(n,3),n,1,4)", {}, true, 13}, {"sum(sum(k,k,1,n),n,1,3)", {}, true, 10},
        {"prod(n,n,1,5)", {}, true, 120}, {"prod(sum(k,k,1,n),n,1,3)", {}, true, 18},
        {"sum(n,n,3,2)", {}, false}, {"sum(n,n,1.5,3)", {}, false},
        {"sum(x,x,1,3)+x", {{'X', {10, 0}}}, true, 9}, {"chi(0,1,x)", {{'X', {0.5L, 0}}}, true, 1},
        {"chi(0,1,x)", {{'X', {1, 0}}}, true, 1}, {"chi(0,1,x)", {{'X', {0, 0}}}, true, 1},
        {"chi(0,1,x)", {{'X', {1.5L, 0}}}, true, 0},
        {"chi(0,1,sin(x))", {{'X', {0.5L, 0}}}, true, 1},
        {"iter(3,x^2)", {{'X', {2, 0}}}, true, 256},
    });
}

// '!' is a prefix FACT, through the gamma approximation: about 13 digits.
TEST(Compiler, Factorial) {
    ExpectValues({
        {"5!", {}, true, 120}, {"(2+1)!", {}, true, 6}, {"2x!", {{'X', {3, 0}}}, true, 12},
        {"x!+1", {{'X', {3, 0}}}, true, 7}, {"fact(4)", {}, true, 24},
    }, false, 1e-12L);
}

// An equation or inequality becomes left - (right); a text without one is refused.
TEST(Compiler, EquationExpression) {
    const struct {
        const char* equation;
        const char* expected = nullptr; // refused
    } rows[] = {
        {"x^2+y^2=1", "x^2+y^2-(1)"}, {"y=x", "y-(x)"}, {"=x", "-(x)"},
        {"xx+yy<=13", "xx+yy-(13)"},  {"y>sin(x)", "y-(sin(x))"},
        {"x^2"}, {"x="}, {"x>="}, {""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.equation);
        std::string out;
        EXPECT_EQ(MakeEquationExpression(row.equation, out), row.expected != nullptr);
        if (row.expected) {
            EXPECT_EQ(out, row.expected);
        }
    }
}

// A dialog field is compiled in real mode for the duration: re(a) is R*E*(A) there, R = 0.
// An integer field rounds half down and keeps to its range.
TEST(Compiler, EvaluateConstantAndIntegerTexts) {
    testing::Formulas f(true);
    f.ctx.letterValues['A' - '@'] = {3, 0};
    const struct {
        const char* text;
        int code;
        long double value;
    } rows[] = {
        {"pi/4", 0, 0.785398163397448309615660845820L}, {"2e", 0, 5.43656365691809047072057494271L},
        {"a+1", 0, 4}, {"re(a)", 0, 0}, {"ln(0)", code::NotUnderstood, 0},
        {"", code::NothingToDo, 0}, {"(1", code::UnmatchedParentheses, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        long double value = -1;
        EXPECT_EQ(EvaluateConstantText(f.compiler, row.text, value), row.code);
        if (row.code == 0) {
            EXPECT_NEAR(static_cast<double>(value), static_cast<double>(row.value), 1e-15);
        }
        EXPECT_TRUE(f.ctx.complexMode);
    }
    const struct {
        const char* text;
        int code;
        long n;
    } integers[] = {{"-2.51", 0, -3}, {"10", 0, 10}, {"11", code::OutOfLimits, 0},
                    {"-11", code::OutOfLimits, 0}, {"1/0", code::NotUnderstood, 0}};
    for (const auto& row : integers) {
        SCOPED_TRACE(row.text);
        long n = 99;
        EXPECT_EQ(EvaluateIntegerText(f.compiler, row.text, -10, 10, n), row.code);
        if (row.code == 0) {
            EXPECT_EQ(n, row.n);
        }
    }
}

} // namespace
} // namespace korvane
