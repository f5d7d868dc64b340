// Defining a function: the checks of the dialog's "enter", in their order, against a
// stand-in compiler; then calls and definitions through the real compiler, where calls
// expand before the names are read.
#include "expr/UserFunctionLibrary.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "expr/EvalContext.h"
#include "expr/Evaluator.h"
#include "expr/FormulaCompiler.h"

namespace korvane {
namespace {

// Stands in for the compiler: a definition holding '?' does not compile (code 6).
struct FakeCompiler {
    std::vector<std::string> compiled;
    std::vector<std::size_t> visibleCounts;
    DefinitionCompiler Callback() {
        return [this](const std::string& text, const UserFunctionLibrary& visible) {
            compiled.push_back(text);
            visibleCounts.push_back(visible.Count());
            return text.find('?') == std::string::npos ? 0 : 6;
        };
    }
};

UserFunctionLibrary WithF() {
    UserFunctionLibrary lib;
    lib.Append(UserFunction::Make("F", "X+1", kFunctionOfX));
    return lib;
}

TEST(UserFunctionDefine, RefusalsInTheirOrder) {
    using Field = DefinitionField;
    struct Row {
        const char* name;
        const char* definition;
        int code;
        Field field;
    };
    const std::string sixtyOne(61, 'X');
    const std::string sixty(60, 'X');
    const Row rows[] = {
        {"", "X", 24, Field::Name}, {"G", "", 24, Field::Definition},
        {"", "", 24, Field::Definition}, {"ABCDEFGHIJ", "X", 116, Field::Name},
        {"G", sixtyOne.c_str(), 116, Field::Definition},
        {"ABCDEFGHIJ", sixtyOne.c_str(), 116, Field::Definition}, {"G2", "X", 144, Field::Name},
        {"G H", "X", 144, Field::Name}, {"G(X)", "X", 144, Field::Name},
        {"É", "X", 144, Field::Name}, {"G2", "", 24, Field::Definition},
        {"SIN", "X", 122, Field::Name}, {"pi", "X", 122, Field::Name}, {"f", "X", 122, Field::Name},
        {"G", "X?", 6, Field::Definition}, {"ABCDEFGHI", sixty.c_str(), 0, Field::None},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.name << " = " << row.definition);
        UserFunctionLibrary lib = WithF();
        FakeCompiler compiler;
        const DefinitionResult result = DefineFunction(lib, row.name, row.definition, kFunctionOfX,
                                                       std::nullopt, compiler.Callback());
        EXPECT_EQ(result.code, row.code);
        EXPECT_EQ(result.field, row.field);
        EXPECT_EQ(lib.Count(), row.code == 0 ? 2u : 1u);
        if (row.code != 0 && row.code != 6) {
            EXPECT_TRUE(compiler.compiled.empty()) << "compiled although refused before";
        }
    }
}

TEST(UserFunctionDefine, StoresUpperCaseAndWarns) {
    struct Row {
        const char* definition;
        std::uint16_t kind;
        std::vector<int> warnings;
    };
    // The X of EXP counts, as a text search finds it.
    const Row rows[] = {{"x^2", 1, {}}, {"2", 1, {140}}, {"x*y", 2, {}}, {"x", 2, {141}},
                        {"y", 2, {140}}, {"a+b", 2, {140, 141}}, {"exp(2)", 1, {}}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.definition);
        UserFunctionLibrary lib = WithF();
        FakeCompiler compiler;
        const DefinitionResult result =
            DefineFunction(lib, "gg", row.definition, row.kind, std::nullopt, compiler.Callback());
        ASSERT_EQ(result.code, 0);
        EXPECT_EQ(result.warnings, row.warnings);
        ASSERT_EQ(lib.Count(), 2u);
        EXPECT_EQ(lib.At(1).Name(), "GG");
        EXPECT_EQ(lib.At(1).kind, row.kind);
        EXPECT_EQ(lib.At(1).Definition(), NormalizeField(row.definition));
    }
}

TEST(UserFunctionDefine, FieldsAreReadUpTo255Characters) {
    const std::string typed(300, 'x');
    EXPECT_EQ(NormalizeField(typed), std::string(255, 'X'));
    UserFunctionLibrary lib;
    FakeCompiler compiler;
    EXPECT_EQ(DefineFunction(lib, "G", typed, 1, std::nullopt, compiler.Callback()).code, 116);
}

// A new definition compiles with the whole library. An edited record may keep its name but
// not take another's; it only sees the records before it, as its calls will.
TEST(UserFunctionDefine, NewAndEditedRecords) {
    UserFunctionLibrary lib = WithF();
    lib.Append(UserFunction::Make("K", "F(X)*2", kFunctionOfX));
    FakeCompiler compiler;
    ASSERT_EQ(DefineFunction(lib, "M", "K(X)", 1, std::nullopt, compiler.Callback()).code, 0);
    EXPECT_EQ(compiler.visibleCounts, (std::vector<std::size_t>{2}));

    EXPECT_EQ(DefineFunction(lib, "F", "x-1", 1, 0, compiler.Callback()).code, 0);
    ASSERT_EQ(lib.Count(), 3u);
    EXPECT_EQ(ListEntryText(lib.At(0)), "F(X) = X-1");
    EXPECT_EQ(compiler.visibleCounts.back(), 0u);

    EXPECT_EQ(DefineFunction(lib, "H", "x*y", 2, 1, compiler.Callback()).code, 0);
    EXPECT_EQ(ListEntryText(lib.At(1)), "H(X,Y) = X*Y");
    EXPECT_EQ(compiler.visibleCounts.back(), 1u);

    EXPECT_EQ(DefineFunction(lib, "F", "x", 1, 1, compiler.Callback()).code, 122);
    EXPECT_EQ(DefineFunction(lib, "COS", "x", 1, 1, compiler.Callback()).code, 122);
    EXPECT_EQ(ListEntryText(lib.At(1)), "H(X,Y) = X*Y");
}

TEST(UserFunctionDefinitionText, CommandLineForm) {
    const struct {
        const char* text;
        const char* name = nullptr; // refused
        const char* definition = "";
        std::uint16_t kind = 0;
    } rows[] = {
        {"F(x)=x^2-1", "F", "x^2-1", 1}, {"g(X,Y)=x*y", "G", "x*y", 2},
        {" h ( x , y ) = x + y", "H", " x + y", 2}, {"F(x)=", "F", "", 1}, {"(x)=x", "", "x", 1},
        {"F=x+1"}, {"F(x)"}, {"F(t)=t"}, {"F(x,y,z)=x"}, {"F(y)=y"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        DefinitionText parsed;
        ASSERT_EQ(ParseDefinitionText(row.text, parsed), row.name != nullptr);
        if (!row.name)
            continue;
        EXPECT_EQ(parsed.name, row.name);
        EXPECT_EQ(parsed.definition, row.definition);
        EXPECT_EQ(parsed.kind, row.kind);
    }
}

struct CallRow {
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
    void Check(const CallRow& row) {
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
    const CallRow rows[] = {
        {"f(x+1)", 1, 0, 3}, {"3f(t)", 0, 0, 24}, {"2f(x)", 2, 0, 6}, {"af(x)", 2, 0, 2 * 5 * 2},
        {"g(a,1)", 0, 0, 5}, {"G(x, 2)", 3, 0, 13}, {"h(2)", 0, 0, std::exp(2.0L)},
        {"p(p(x))", 5, 0, 7}, {"mx(x-3)", 5, 0, 2}, {"mx(x-3)", 1, 0, 0},
        {"sin(f(x))", 2, 0, std::sin(3.0L)}, {"[f(x)]*{p(x)}", 2, 0, 9},
    };
    for (const CallRow& row : rows)
        Check(row);
}

// In g(1,2,3) "2,3" reaches the parser as one argument.
TEST_F(UserFunctionCompile, ExpansionCodesStopTheCompilation) {
    const CallRow rows[] = {
        {"g(1)", 0, 24, 0}, {"f()", 0, 108, 0}, {"g(1,2,3)", 0, 1, 0}, {"f(x", 0, 108, 0},
    };
    for (const CallRow& row : rows)
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
