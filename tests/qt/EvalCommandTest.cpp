// `korvane --eval`: one line of output and the exit code, run as the built program.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Result {
    std::string out;
    int exit = -1;
};

std::string Quote(const std::string& arg) {
    std::string quoted = "'";
    for (char c : arg)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

Result RunEval(const std::vector<std::string>& args) {
    std::string command = Quote(KORVANE_BINARY) + " --eval";
    for (const std::string& a : args)
        command += " " + Quote(a);
    command += " 2>/dev/null";
    Result result;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return result;
    std::array<char, 512> buffer{};
    while (std::fgets(buffer.data(), buffer.size(), pipe))
        result.out += buffer.data();
    const int status = pclose(pipe);
    result.exit = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

struct Row {
    std::vector<std::string> args;
    std::string out;
    int exit;
    int line;
};

TEST(EvalCommand, OutputAndExitCodes) {
    const std::vector<Row> rows = {
        {{"1+2"}, "3\n", 0, __LINE__},
        {{"x^2", "--let", "x=-3"}, "9\n", 0, __LINE__},
        {{"a*x+b", "--let", "a=2", "--let", "x=a+1", "--let", "b=pi-pi"}, "6\n", 0, __LINE__},
        {{"1/3"}, "0.333333333333333333\n", 0, __LINE__},
        {{"pi"}, "3.14159265358979324\n", 0, __LINE__},
        {{"sum(n,n,1,10)"}, "55\n", 0, __LINE__},
        {{"1/0"}, "indefinido\n", 1, __LINE__},
        {{"sqrt(-1)"}, "indefinido\n", 1, __LINE__},
        {{"(x"}, "erro 108: parenteses descasados\n", 2, __LINE__},
        {{""}, "erro 9: nada a fazer\n", 2, __LINE__},
        {{"root(1,2,3)"}, "erro 101: excesso de argumentos\n", 2, __LINE__},
        {{"x+"}, "erro 6: dados inconsistentes\n", 2, __LINE__},
        {{"iter(0,x)"}, "erro 17: fora dos limites\n", 2, __LINE__},
        {{"!5"}, "erro 1: não foi possível compreender\n", 2, __LINE__},
        {{"1", "--let", "a=(1"}, "erro 108: parenteses descasados\n", 2, __LINE__},
        {{"sqrt(-1)", "--complex"}, "0 1\n", 0, __LINE__},
        {{"z*z", "--complex", "--let", "z=1,2"}, "-3 4\n", 0, __LINE__},
        {{"x", "--complex", "--let", "z=max(1,5),2"}, "5 0\n", 0, __LINE__},
        {{"ln(-1)", "--complex"}, "0 3.14159265358979324\n", 0, __LINE__},
        {{"1/z", "--complex", "--let", "z=0,0"}, "indefinido\n", 1, __LINE__},
    };
    for (const Row& row : rows) {
        std::string shown;
        for (const std::string& a : row.args)
            shown += " [" + a + "]";
        SCOPED_TRACE(::testing::Message() << "line " << row.line << ":" << shown);
        const Result result = RunEval(row.args);
        EXPECT_EQ(result.out, row.out);
        EXPECT_EQ(result.exit, row.exit);
    }
}

// Bad usage answers with exit 2 and nothing on standard output.
TEST(EvalCommand, UsageErrors) {
    const std::vector<Row> rows = {
        {{}, "", 2, __LINE__},
        {{"x", "--let"}, "", 2, __LINE__},
        {{"x", "--let", "xy=2"}, "", 2, __LINE__},
        {{"x", "--let", "2"}, "", 2, __LINE__},
        {{"x", "y"}, "", 2, __LINE__},
        {{"x", "--derive"}, "", 2, __LINE__},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << "line " << row.line);
        const Result result = RunEval(row.args);
        EXPECT_EQ(result.out, row.out);
        EXPECT_EQ(result.exit, row.exit);
    }
}

} // namespace
