// Every built-in function against values computed independently with mpmath at 40
// digits, and the random generator against its recurrence
// (tests/reference/make_function_reference.py, output in tests/data).
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "expr/BuiltinFunctions.h"
#include "expr/EvalContext.h"
#include "expr/Opcodes.h"
#include "expr/RandomGenerator.h"
#include "tests/support/Tolerance.h"

namespace korvane {
namespace {

const std::map<std::string, int>& OpcodeByName() {
    static const std::map<std::string, int> names = {
        {"sqrt", op::Sqrt},       {"power", op::Power},     {"pow", op::Pow},         {"root", op::Root},
        {"exp", op::Exp},         {"ln", op::Ln},           {"log", op::Log},         {"cis", op::Cis},
        {"sin", op::Sin},         {"cos", op::Cos},         {"tan", op::Tan},         {"sec", op::Sec},
        {"csc", op::Csc},         {"cot", op::Cot},         {"arctan", op::Arctan},   {"arcsin", op::Arcsin},
        {"arccos", op::Arccos},   {"arccot", op::Arccot},   {"sinh", op::Sinh},       {"cosh", op::Cosh},
        {"tanh", op::Tanh},       {"sech", op::Sech},       {"csch", op::Csch},       {"coth", op::Coth},
        {"argsinh", op::Argsinh}, {"argcosh", op::Argcosh}, {"argtanh", op::Argtanh}, {"argcoth", op::Argcoth},
        {"gamma", op::Gamma},     {"fact", op::Fact},       {"erf", op::Erf},         {"gauss", op::Gauss},
        {"binom", op::Binom},     {"arg2", op::Arg2},       {"arg", op::Arg},         {"abs", op::Abs},
        {"sgn", op::Sgn},
    };
    return names;
}

struct ReferenceRow {
    std::string text;
    std::string name;
    bool complexMode = false;
    ComplexValue left, right, expected;
    long double tolerance = 0.0L;
};

long double ReadReal(std::istringstream& in) {
    std::string word;
    in >> word;
    return std::strtold(word.c_str(), nullptr);
}

std::vector<std::string> ReadLines(const char* tag) {
    std::ifstream file(std::string(KORVANE_TEST_DATA) + "/functions_reference.txt");
    std::vector<std::string> lines;
    std::string line;
    const std::string prefix = std::string(tag) + " ";
    while (std::getline(file, line))
        if (line.rfind(prefix, 0) == 0)
            lines.push_back(line);
    return lines;
}

std::vector<ReferenceRow> ReadFunctionRows() {
    std::vector<ReferenceRow> rows;
    for (const std::string& line : ReadLines("f")) {
        std::istringstream in(line);
        ReferenceRow row;
        std::string tag;
        std::string mode;
        in >> tag >> row.name >> mode;
        row.text = line;
        row.complexMode = mode == "c";
        row.left = {ReadReal(in), ReadReal(in)};
        row.right = {ReadReal(in), ReadReal(in)};
        row.expected = {ReadReal(in), ReadReal(in)};
        row.tolerance = ReadReal(in);
        rows.push_back(row);
    }
    return rows;
}

TEST(FunctionsReference, EveryFunctionMatchesTheReferenceInBothModes) {
    const std::vector<ReferenceRow> rows = ReadFunctionRows();
    ASSERT_GT(rows.size(), 1000u) << "reference file missing or truncated";
    std::map<std::string, int> checked;
    for (const ReferenceRow& row : rows) {
        SCOPED_TRACE(row.text);
        const auto found = OpcodeByName().find(row.name);
        ASSERT_NE(found, OpcodeByName().end()) << "unknown function " << row.name;
        EvalContext ctx;
        ctx.complexMode = row.complexMode;
        ComplexValue result;
        const bool defined = EvaluateFunction(ctx, found->second, row.left, row.right, result);
        EXPECT_TRUE(defined) << row.name << " undefined";
        EXPECT_TRUE(testing::Close(result, row.expected, row.tolerance))
            << row.name << (row.complexMode ? " (complex)" : " (real)") << ": got " << testing::Show(result)
            << ", want " << testing::Show(row.expected);
        ++checked[row.name + (row.complexMode ? "/c" : "/r")];
    }
    EXPECT_GE(checked.size(), 60u);
}

// Its raw outputs and the first uniform values of each seed.
TEST(FunctionsReference, RandomGeneratorFollowsTheRecurrence) {
    const std::vector<std::string> outputs = ReadLines("lcg");
    const std::vector<std::string> uniforms = ReadLines("uniform");
    ASSERT_FALSE(outputs.empty() || uniforms.empty());
    for (const std::string& line : outputs) {
        SCOPED_TRACE(line);
        std::istringstream in(line);
        std::string tag;
        std::uint64_t seed = 0;
        int count = 0;
        in >> tag >> seed >> count;
        RandomGenerator generator(seed);
        for (int i = 0; i < count; ++i) {
            std::uint32_t want = 0;
            in >> want;
            EXPECT_EQ(generator.Next(), want) << "output " << i;
        }
    }
    for (const std::string& line : uniforms) {
        SCOPED_TRACE(line);
        std::istringstream in(line);
        std::string tag;
        std::uint64_t seed = 0;
        long double a = 0.0L;
        long double b = 0.0L;
        in >> tag >> seed >> a >> b;
        RandomGenerator generator(seed);
        for (int i = 0; i < 3; ++i) {
            const long double want = ReadReal(in);
            const long double got = generator.Uniform(a, b);
            EXPECT_TRUE(testing::Close({got, 0}, {want, 0}, 1e-17L)) << got << " vs " << want;
        }
    }
}

// Seeded from the clock, the state holds the time in its low word only.
TEST(FunctionsReference, RandomGeneratorSeedsFromTheTimeInItsLowWord) {
    RandomGenerator generator(~std::uint64_t{0});
    const auto before = static_cast<std::uint64_t>(static_cast<std::uint32_t>(std::time(nullptr)));
    generator.SeedFromTime();
    const auto after = static_cast<std::uint64_t>(static_cast<std::uint32_t>(std::time(nullptr)));
    EXPECT_LE(generator.State() >> 32, 0u);
    EXPECT_GE(generator.State(), before);
    EXPECT_LE(generator.State(), after);
}

} // namespace
} // namespace korvane
