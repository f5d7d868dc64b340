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
TEST(Compiler, EachStepGivesItsCode) {
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
TEST(Compiler, LimitsOfTheBuffers) {
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
TEST(Compiler, DeepNesting) {
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
TEST(Compiler, ComplexOnlyNames) {
    ExpectCodes({{"re(x)", code::Ok, __LINE__}, {"arg(z)", code::Ok, __LINE__}}, true);
    testing::Formulas real;
    const testing::Outcome re = real.Run("re(x)", {{'R', {2, 0}}, {'E', {3, 0}}, {'X', {5, 0}}});
    EXPECT_EQ(re.code, 0);
    EXPECT_EQ(re.value.re, 30.0L); // R*E*(X)
}


using testing::Letter;

struct ValueRow {
    std::string text;
    std::vector<Letter> letters;
    bool defined;
    long double expected;
    int line;
};

constexpr long double kTolerance = 1e-15L;

void ExpectValues(const std::vector<ValueRow>& rows, long double tolerance = kTolerance) {
    for (const ValueRow& row : rows) {
        for (bool optimize : {true, false}) {
            SCOPED_TRACE(::testing::Message() << "line " << row.line << ": \"" << row.text
                                              << "\" optimize " << optimize);
            testing::Formulas formulas(false, optimize);
            for (const Letter& l : row.letters)
                formulas.ctx.letterValues[l.name - '@'] = l.value;
            const testing::Outcome out = formulas.Run(row.text);
            ASSERT_EQ(out.code, 0);
            EXPECT_EQ(out.defined, row.defined);
            if (row.defined && out.defined) {
                EXPECT_TRUE(testing::Close(out.value, {row.expected, 0}, tolerance))
                    << "actual " << testing::Show(out.value) << ", expected " << row.expected;
            }
        }
    }
}

// Names are whole runs of letters; a run that is not a name is a product of letters,
// and the rest of the run is tried again.
TEST(Compiler, NamesAndImplicitMultiplication) {
    const std::vector<Letter> x3 = {{'X', {3, 0}}};
    const std::vector<Letter> pix = {{'P', {2, 0}}, {'I', {5, 0}}, {'X', {3, 0}}};
    ExpectValues({
        {"2x", x3, true, 6, __LINE__},
        {"xpi", x3, true, 9.42477796076937971538793014984L, __LINE__},
        {"pix", pix, true, 30, __LINE__},
        {"2(x+1)", x3, true, 8, __LINE__},
        {"(x+1)(x-1)", x3, true, 8, __LINE__},
        {"a(x+1)", {{'A', {2, 0}}, {'X', {3, 0}}}, true, 8, __LINE__},
        {"x(2)", x3, true, 6, __LINE__},
        {"2pi", {}, true, 6.28318530717958647692528676656L, __LINE__},
        {"2e", {}, true, 5.43656365691809047072057494271L, __LINE__},
        {"2E3", {}, true, 16.3096909707542714121617248281L, __LINE__}, // no exponent notation
        {"sin x", {{'S', {2, 0}}, {'I', {3, 0}}, {'N', {5, 0}}, {'X', {7, 0}}}, true, 210, __LINE__},
        {"sinx", {{'S', {2, 0}}, {'I', {3, 0}}, {'N', {5, 0}}, {'X', {7, 0}}}, true, 210, __LINE__},
        {"sin(2)", {}, true, 0.909297426825681695396019865912L, __LINE__},
        {"2sin(2)", {}, true, 1.81859485365136339079203973182L, __LINE__},
        {"xsin(x)", x3, true, 0.423360024179601666302234408424L, __LINE__},
        {"XSIN(X)", x3, true, 0.423360024179601666302234408424L, __LINE__},
        {"x deg", {{'X', {180, 0}}}, true, 3.14159265358979323846264338328L, __LINE__},
        {"@+1", {{'@', {4, 0}}}, true, 5, __LINE__},
        {"pinf", {}, true, 1e18L, __LINE__},
        {"ninf", {}, true, -1e18L, __LINE__},
        {"phi", {}, true, 1.61803398874989484820458683437L, __LINE__},
        {"2.5.3", {}, true, 2.5L, __LINE__},
        {".5", {}, true, 0.5L, __LINE__},
        {"5.", {}, true, 5, __LINE__},
        {"0.1", {}, true, 0.1L, __LINE__},
        {"x\xfd", x3, true, 9, __LINE__},
    });
}

// Grouping pairs are interchangeable; only the depth is counted.
TEST(Compiler, Brackets) {
    const std::vector<Letter> x3 = {{'X', {3, 0}}};
    ExpectValues({
        {"[x+1]*{x-1}", x3, true, 8, __LINE__},
        {"(x+1]", x3, true, 4, __LINE__},
        {"{[(x)]}", x3, true, 3, __LINE__},
        {"((((((x))))))", x3, true, 3, __LINE__},
    });
}

// '^' is right-associative and binds like unary minus; '*' and '/' are left-associative
// and an implied '*' binds exactly like a written one; the functions made infix bind
// more loosely than anything else.
TEST(Compiler, PrecedenceAndAssociativity) {
    const std::vector<Letter> x3 = {{'X', {3, 0}}};
    ExpectValues({
        {"-x^2", x3, true, -9, __LINE__},
        {"2^3^2", {}, true, 512, __LINE__},
        {"2^-1", {}, true, 0.5L, __LINE__},
        {"2^-x", x3, true, 0.125L, __LINE__},
        {"-2^2", {}, true, -4, __LINE__},
        {"--x", x3, true, 3, __LINE__},
        {"-(-x)", x3, true, 3, __LINE__},
        {"8/4/2", {}, true, 1, __LINE__},
        {"1/xx", x3, true, 1, __LINE__},
        {"1/2x", x3, true, 1.5L, __LINE__},
        {"2+3*4", {}, true, 14, __LINE__},
        {"2*3+4", {}, true, 10, __LINE__},
        {"10-4-3", {}, true, 3, __LINE__},
        {"2-x", x3, true, -1, __LINE__},
        {"x*-2", x3, true, -6, __LINE__},
        {"max(1,2)+10", {}, true, 12, __LINE__},
        {"max(1+2,3*4-20)", {}, true, 3, __LINE__},
        {"max(1,5,3)", {}, true, 5, __LINE__},
        {"max(1,2,3,4)", {}, true, 4, __LINE__},
        {"min(4,2,3)", {}, true, 2, __LINE__},
        {"2max(1,2)", {}, true, 4, __LINE__},
        {"root(3,-8)", {}, true, -2, __LINE__},
        {"pow(-2,x)", x3, true, 1.0L / 9, __LINE__},
    });
}

// Functions with a comma in their argument list change meaning; sum, prod and chi are
// rewritten as text; log(b,x) becomes ln(x)/ln(b).
TEST(Compiler, Rewrites) {
    const std::vector<Letter> x3 = {{'X', {3, 0}}};
    ExpectValues({
        {"abs(3,4)", {}, true, 5, __LINE__},
        {"abs(3,4,12)", {}, true, 13, __LINE__},
        {"abs(-3)", {}, true, 3, __LINE__},
        {"log(2,8)", {}, true, 3, __LINE__},
        {"lg(2,8)", {}, true, 3, __LINE__},
        {"log(100)", {}, true, 2, __LINE__},
        {"arg(0,1)", {}, true, 1.57079632679489661923132169164L, __LINE__},
        {"arg(-1,0)", {}, true, 3.14159265358979323846264338328L, __LINE__},
        {"sum(n,n,1,10)", {}, true, 55, __LINE__},
        {"sum(1/n^2,n,1,20)", {}, true, 1.59616324391302331664087887206L, __LINE__},
        {"sum(max(n,3),n,1,4)", {}, true, 13, __LINE__},
        {"sum(sum(k,k,1,n),n,1,3)", {}, true, 10, __LINE__},
        {"prod(n,n,1,5)", {}, true, 120, __LINE__},
        {"prod(sum(k,k,1,n),n,1,3)", {}, true, 18, __LINE__},
        {"sum(n,n,3,2)", {}, false, 0, __LINE__},
        {"sum(n,n,1.5,3)", {}, false, 0, __LINE__},
        {"sum(x,x,1,3)+x", {{'X', {10, 0}}}, true, 9, __LINE__}, // the index keeps its last value
        {"chi(0,1,x)", {{'X', {0.5L, 0}}}, true, 1, __LINE__},
        {"chi(0,1,x)", {{'X', {1, 0}}}, true, 1, __LINE__},
        {"chi(0,1,x)", {{'X', {0, 0}}}, true, 1, __LINE__},
        {"chi(0,1,x)", {{'X', {1.5L, 0}}}, true, 0, __LINE__},
        {"chi(0,1,sin(x))", {{'X', {0.5L, 0}}}, true, 1, __LINE__},
        {"iter(3,x^2)", {{'X', {2, 0}}}, true, 256, __LINE__},
    });
}

// '!' is a prefix FACT, through the gamma approximation: about 13 digits.
TEST(Compiler, Factorial) {
    ExpectValues({
        {"5!", {}, true, 120, __LINE__},
        {"(2+1)!", {}, true, 6, __LINE__},
        {"2x!", {{'X', {3, 0}}}, true, 12, __LINE__},
        {"x!+1", {{'X', {3, 0}}}, true, 7, __LINE__},
        {"fact(4)", {}, true, 24, __LINE__},
    }, 1e-12L);
}


TEST(Compiler, EquationExpression) {
    struct Row {
        const char* equation;
        bool ok;
        const char* expected;
    } rows[] = {
        {"x^2+y^2=1", true, "x^2+y^2-(1)"},
        {"y=x", true, "y-(x)"},
        {"=x", true, "-(x)"},
        {"xx+yy<=13", true, "xx+yy-(13)"},
        {"y>sin(x)", true, "y-(sin(x))"},
        {"x^2", false, ""},
        {"x=", false, ""},
        {"x>=", false, ""},
        {"", false, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.equation);
        std::string out;
        EXPECT_EQ(MakeEquationExpression(row.equation, out), row.ok);
        if (row.ok) {
            EXPECT_EQ(out, row.expected);
        }
    }
}

TEST(Compiler, EvaluateConstantText) {
    testing::Formulas f(true); // compiled in real mode for the duration
    f.ctx.letterValues['A' - '@'] = {3, 0};
    struct Row {
        const char* text;
        int code;
        long double value;
    } rows[] = {
        {"pi/4", 0, 0.785398163397448309615660845820L},
        {"2e", 0, 5.43656365691809047072057494271L},
        {"a+1", 0, 4},
        {"re(a)", 0, 0}, // R*E*(A) in real mode, R = 0
        {"ln(0)", code::NotUnderstood, 0},
        {"", code::NothingToDo, 0},
        {"(1", code::UnmatchedParentheses, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        long double value = -1;
        EXPECT_EQ(EvaluateConstantText(f.compiler, row.text, value), row.code);
        if (row.code == 0) {
            EXPECT_NEAR(static_cast<double>(value), static_cast<double>(row.value), 1e-15);
        }
        EXPECT_TRUE(f.ctx.complexMode);
    }
}

TEST(Compiler, EvaluateIntegerText) {
    testing::Formulas f;
    struct Row {
        const char* text;
        int code;
        long n;
    } rows[] = {
        {"-2.51", 0, -3}, {"10", 0, 10},
        {"11", code::OutOfLimits, 0}, {"-11", code::OutOfLimits, 0}, {"1/0", code::NotUnderstood, 0},
    };
    for (const Row& row : rows) {
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
