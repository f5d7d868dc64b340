// `korvane --eval` with user functions (--define) and the symbolic derivative (--derive),
// run as the built program.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace {

std::string Quote(const std::string& arg) {
    std::string quoted = "'";
    for (char c : arg)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

struct Run {
    std::string out;
    int exit = -1;
};

Run RunEval(const std::vector<std::string>& args) {
    std::string command = Quote(KORVANE_BINARY) + " --eval";
    for (const std::string& arg : args)
        command += " " + Quote(arg);
    command += " 2>/dev/null";
    Run run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return run;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe))
        run.out += buffer;
    const int status = pclose(pipe);
    run.exit = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

struct Row {
    std::vector<std::string> args;
    int exit;
    std::string out; // exact text, or a number compared within 1e-12 when `numeric`
    bool numeric;
    int line;
};

void CheckRows(const std::vector<Row>& rows) {
    for (const Row& row : rows) {
        std::string shown;
        for (const std::string& a : row.args)
            shown += a + " ";
        SCOPED_TRACE(testing::Message() << "line " << row.line << ": " << shown);
        const Run run = RunEval(row.args);
        EXPECT_EQ(run.exit, row.exit) << run.out;
        if (row.numeric) {
            const double expected = std::strtod(row.out.c_str(), nullptr);
            const double actual = std::strtod(run.out.c_str(), nullptr);
            EXPECT_NEAR(actual, expected, 1e-12 * std::max(1.0, std::fabs(expected))) << run.out;
        } else {
            EXPECT_EQ(run.out, row.out);
        }
    }
}

// Definitions are made in order, each through the checks of the dialog.
TEST(EvalDefine, CallsOfDefinedFunctions) {
    CheckRows({
        {{"f(2)", "--define", "F(x)=x^2-1"}, 0, "3\n", false, __LINE__},
        {{"3f(t)", "--define", "f(x)=x^2-1", "--let", "t=2"}, 0, "9\n", false, __LINE__},
        {{"g(a,1)", "--define", "G(x,y)=x^2+y^2", "--let", "a=2"}, 0, "5\n", false, __LINE__},
        {{"h(2)", "--define", "H(x)=exp(x)"}, 0, "7.38905609893065022723", true, __LINE__},
        {{"k(3)", "--define", "F(x)=x+1", "--define", "K(x)=f(x)*2"}, 0, "8\n", false, __LINE__},
        {{"f(f(x))", "--define", "F(x)=x+1", "--let", "x=5"}, 0, "7\n", false, __LINE__},
        {{"f(z)", "--complex", "--define", "F(x)=x*x", "--let", "z=0,1"},
         0,
         "-1 0\n",
         false,
         __LINE__},
    });
}

TEST(EvalDefine, RefusedDefinitionsPrintTheirCode) {
    CheckRows({
        {{"1", "--define", "SIN(x)=x"}, 2, "erro 122: nome duplicado\n", false, __LINE__},
        {{"1", "--define", "F(x)=x", "--define", "f(x)=x+1"},
         2,
         "erro 122: nome duplicado\n",
         false,
         __LINE__},
        {{"1", "--define", "F1(x)=x"}, 2, "erro 144: a ... z somente\n", false, __LINE__},
        {{"1", "--define", "ABCDEFGHIJ(x)=x"}, 2, "erro 116: demasiadas\n", false, __LINE__},
        {{"1", "--define", "F(x)="}, 2, "erro 24: faltam dados\n", false, __LINE__},
        {{"1", "--define", "F(x)=x+*2"}, 2, "erro 6: dados inconsistentes\n", false, __LINE__},
        {{"g(1)", "--define", "G(x,y)=x*y"}, 2, "erro 24: faltam dados\n", false, __LINE__},
        {{"f()", "--define", "F(x)=x"}, 2, "erro 108: parenteses descasados\n", false, __LINE__},
        {{"1", "--define", "F=x+1"}, 2, "", false, __LINE__},
        {{"1", "--define", "F(t)=t"}, 2, "", false, __LINE__},
    });
}

// A definition without X (or Y) is a warning on the error stream, and is kept.
TEST(EvalDefine, WarningsDoNotStop) {
    CheckRows({
        {{"c(5)", "--define", "C(x)=2"}, 0, "2\n", false, __LINE__},
        {{"m(1,2)", "--define", "M(x,y)=3x"}, 0, "3\n", false, __LINE__},
    });
}

TEST(EvalDerive, DerivativeAtTheLetters) {
    CheckRows({
        {{"x^3", "--derive", "x", "--let", "x=-2"}, 0, "12\n", false, __LINE__},
        {{"sin(2x)", "--derive", "x", "--let", "x=0"}, 0, "2\n", false, __LINE__},
        {{"cos(x)", "--derive", "X", "--let", "x=pi/2"}, 0, "-1\n", false, __LINE__},
        {{"iter(3,x^2)", "--derive", "x", "--let", "x=1"}, 0, "8\n", false, __LINE__},
        {{"max(x,1-x)", "--derive", "x", "--let", "x=0.25"}, 0, "-1\n", false, __LINE__},
        {{"a*x+b", "--derive", "a", "--let", "x=7"}, 0, "7\n", false, __LINE__},
        {{"a*x+b", "--derive", "x", "--let", "a=3"}, 0, "3\n", false, __LINE__},
        {{"argcoth(x)", "--derive", "x", "--let", "x=2"},
         0,
         "-0.333333333333333333",
         true,
         __LINE__},
        {{"sqrt(x)", "--derive", "x", "--let", "x=0"}, 1, "indefinido\n", false, __LINE__},
        {{"f(x)", "--define", "F(x)=x^2", "--derive", "x", "--let", "x=3"},
         0,
         "6\n",
         false,
         __LINE__},
        {{"im(z)", "--complex", "--derive", "y", "--let", "z=0.3,0.7"},
         0,
         "1 0\n",
         false,
         __LINE__},
        {{"z^2", "--complex", "--derive", "x", "--let", "z=1,2"}, 0, "2 4\n", false, __LINE__},
        {{"x^2", "--derive", "xy"}, 2, "", false, __LINE__},
        {{"x^2", "--derive", "1"}, 2, "", false, __LINE__},
    });
}

} // namespace
