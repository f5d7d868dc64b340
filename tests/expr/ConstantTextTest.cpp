// Numbers typed into dialog fields, and equations of implicit curves.
#include <gtest/gtest.h>

#include <string>

#include "FormulaTestSupport.h"
#include "expr/CompileCodes.h"
#include "expr/ConstantText.h"

namespace korvane {
namespace {

TEST(ConstantText, EquationExpression) {
    struct Row {
        const char* equation;
        bool ok;
        const char* expected;
    } rows[] = {
        {"x^2+y^2=1", true, "1-(x^2+y^2)"},
        {"y=x", true, "x-(y)"},
        {"=x", true, "x-()"},
        {"x^2", false, ""},
        {"x=", false, ""},
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

TEST(ConstantText, EvaluateConstantText) {
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

TEST(ConstantText, EvaluateIntegerText) {
    testing::Formulas f;
    struct Row {
        const char* text;
        int code;
        long n;
    } rows[] = {
        {"2.5", 0, 2}, {"-2.5", 0, -2}, {"2.51", 0, 3}, {"10", 0, 10},
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
