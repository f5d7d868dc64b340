// What the compiler makes of a text, seen through its value: rewrites, names, implicit
// multiplication, precedence and associativity. Every row runs optimised and not.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FormulaTestSupport.h"
#include "FunctionsTolerance.h"

namespace korvane {
namespace {

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
TEST(CompilerValues, NamesAndImplicitMultiplication) {
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
TEST(CompilerValues, Brackets) {
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
TEST(CompilerValues, PrecedenceAndAssociativity) {
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
TEST(CompilerValues, Rewrites) {
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
TEST(CompilerValues, Factorial) {
    ExpectValues({
        {"5!", {}, true, 120, __LINE__},
        {"(2+1)!", {}, true, 6, __LINE__},
        {"2x!", {{'X', {3, 0}}}, true, 12, __LINE__},
        {"x!+1", {{'X', {3, 0}}}, true, 7, __LINE__},
        {"fact(4)", {}, true, 24, __LINE__},
    }, 1e-12L);
}

} // namespace
} // namespace korvane
