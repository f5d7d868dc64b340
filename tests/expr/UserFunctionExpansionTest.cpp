// Macro expansion of user functions into formula texts (step 4 of the compiler).
#include "expr/UserFunctionLibrary.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <vector>

namespace korvane {
namespace {

struct Definition {
    const char* name;
    const char* text;
    std::uint16_t kind;
};

UserFunctionLibrary Library(const std::vector<Definition>& definitions) {
    UserFunctionLibrary lib;
    for (const Definition& d : definitions)
        lib.Append(UserFunction::Make(d.name, d.text, d.kind));
    return lib;
}

struct Row {
    const char* text;
    int code;
    const char* expanded = ""; // the text afterwards when the code is 0
};

void ExpectRows(const UserFunctionLibrary& lib, const std::vector<Row>& rows) {
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        std::string text = row.text;
        EXPECT_EQ(ExpandUserFunctions(text, lib), row.code);
        if (row.code == 0) {
            EXPECT_EQ(text, row.expanded);
        }
    }
}

// The blanks of a definition are removed before it is spliced in.
const std::vector<Definition> kBasic = {
    {"F", "X + 1", kFunctionOfX}, {"G", "X^2+Y^2", kFunctionOfXY}, {"H", "EXP(X)", kFunctionOfX}};

TEST(UserFunctionExpansion, CallsByRule) {
    ExpectRows(Library(kBasic), {
        // A call is a maximal run of letters equal to the name, followed at once by '('.
        {"F(2)", 0, "((2)+1)"}, {"2F(X)", 0, "2((X)+1)"}, {"3F(T)", 0, "3((T)+1)"},
        {"AF(X)", 0, "AF(X)"}, {"FF(X)", 0, "FF(X)"}, {"@F(X)", 0, "@F(X)"}, {"F2(X)", 0, "F2(X)"},
        {"F*(X)", 0, "F*(X)"}, {"SIN(F(X))", 0, "SIN(((X)+1))"},
        {"F(1)+F(2)", 0, "((1)+1)+((2)+1)"}, {"X", 0, "X"},
        // The example and the edge cases of the language description.
        {"G(A,1)", 0, "((A)^2+(1)^2)"}, {"F(F(X))", 0, "((((X)+1))+1)"}, {"H(2)", 0, "(EXP((2)))"},
        {"G(1)", 24}, {"G(1,2,3)", 0, "((1)^2+(2,3)^2)"},
        // A missing ')' or an empty argument list is 108; a two-variable call needs a
        // comma at depth 1.
        {"F(", 108}, {"F()", 108}, {"F(X", 108}, {"F((X)", 108}, {"2+F(X))", 0, "2+((X)+1))"},
        {"G((1,2))", 24}, {"G((1,2),3)", 0, "(((1,2))^2+(3)^2)"}, {"G(,1)", 0, "(()^2+(1)^2)"},
        // X and Y are replaced in one pass: arguments that hold X or Y are not
        // substituted again.
        {"G(Y,X)", 0, "((Y)^2+(X)^2)"}, {"G(Y,1)", 0, "((Y)^2+(1)^2)"}, {"F(X+X)", 0, "((X+X)+1)"},
    });
}

// Names containing X or Y survive the substitution of X and Y.
TEST(UserFunctionExpansion, ProtectedNames) {
    const auto lib = Library({
        {"XSQ", "X^2", kFunctionOfX}, {"M", "MAX(X,0)", kFunctionOfX},
        {"J", "JOINX(X|0,1)", kFunctionOfX}, {"P", "XSQ(X)+EXP(X)", kFunctionOfX},
        {"YY", "X+Y", kFunctionOfXY}, {"Q", "YY(X,Y)*MAX(X,Y)", kFunctionOfXY},
    });
    ExpectRows(lib, {
        {"M(A)", 0, "(MAX((A),0))"}, {"J(2)", 0, "(JOINX((2)|0,1))"},
        {"P(3)", 0, "((((3))^2)+EXP((3)))"}, {"Q(1,2)", 0, "((((1))+((2)))*MAX((1),(2)))"},
        {"XSQ(5)", 0, "((5)^2)"},
    });
}

// Later records are expanded first, so calls produced by an expansion are found too,
// and a function can only use the ones defined before it.
TEST(UserFunctionExpansion, CallsMadeByExpansions) {
    const auto lib = Library({
        {"F", "X^2-1", kFunctionOfX}, {"K", "F(X)*2", kFunctionOfX},
        {"L", "K(X)+K(1)", kFunctionOfX},
    });
    ExpectRows(lib, {
        {"K(3)", 0, "((((3))^2-1)*2)"}, {"L(A)", 0, "((((((A)))^2-1)*2)+((((1))^2-1)*2))"},
        {"F(K(2))", 0, "((((((2))^2-1)*2))^2-1)"},
    });
    const auto backwards = Library({
        {"F", "K(X)", kFunctionOfX}, {"K", "X+1", kFunctionOfX},
    });
    ExpectRows(backwards, {{"F(2)", 0, "(K((2)))"}});
}

// The text plus each replacement must stay within the limit; a text already at the limit
// is left alone, and expansions that keep growing stop there.
TEST(UserFunctionExpansion, LimitIsCheckedBeforeEachSplice) {
    const std::string full = "F(1)" + std::string(4995, '1'); // 4999 characters
    const struct {
        std::vector<Definition> library;
        std::string text;
        std::size_t limit;
        int code;
        std::string expanded;
    } rows[] = {
        {{{"F", "X+1", kFunctionOfX}}, "F(1)", 11, 0, "((1)+1)"}, // 4 + 7
        {{{"F", "X+1", kFunctionOfX}}, "F(1)", 10, 17, ""},
        {{{"F", "X+1", kFunctionOfX}}, full, kExpansionLimit, 0, full},
        {{{"F", "X*X*X*X*X*X*X*X*X*X", kFunctionOfX}}, "F(F(F(F(X))))", kExpansionLimit, 17, ""},
        {{{"F", "2F(X)", kFunctionOfX}}, "F(1)", kExpansionLimit, 17, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text.substr(0, 20));
        std::string text = row.text;
        EXPECT_EQ(ExpandUserFunctions(text, Library(row.library), row.limit), row.code);
        if (row.code == 0) {
            EXPECT_EQ(text, row.expanded);
        }
    }
}

// Three fixed names (EXP, MAX, JOINX) and the library's names with X or Y: at most 19.
TEST(UserFunctionExpansion, MoreThanNineteenProtectedNamesIsOutOfRange) {
    UserFunctionLibrary lib;
    for (char c = 'A'; c <= 'P'; ++c)
        lib.Append(UserFunction::Make(std::string("X") + c, "X+1", kFunctionOfX));
    std::string text = "XA(2)";
    EXPECT_EQ(ExpandUserFunctions(text, lib), 0) << "19 protected names fit";
    EXPECT_EQ(text, "((2)+1)");
    lib.Append(UserFunction::Make("XQ", "X+1", kFunctionOfX));
    text = "XA(2)";
    EXPECT_EQ(ExpandUserFunctions(text, lib), 17);
    text = "2+3"; // no call, nothing to protect
    EXPECT_EQ(ExpandUserFunctions(text, lib), 0);
}

// Whatever the text, expansion ends with one of its codes and within the limit.
TEST(UserFunctionExpansion, RandomTextsEndCleanly) {
    const auto lib = Library({
        {"F", "X*X+1", kFunctionOfX}, {"G", "F(X)+Y*F(Y)", kFunctionOfXY},
        {"R", "2R(X)+G(X,X)", kFunctionOfX}, {"XF", "EXP(X)+MAX(X,Y)", kFunctionOfX},
    });
    const std::string alphabet = "FGRX(),+1A";
    std::mt19937 random(99);
    const std::set<int> codes = {0, 17, 24, 108};
    std::set<int> seen;
    for (int i = 0; i < 3000; ++i) {
        std::string text;
        const int length = 1 + static_cast<int>(random() % 40);
        for (int k = 0; k < length; ++k)
            text += alphabet[random() % alphabet.size()];
        const std::string typed = text;
        SCOPED_TRACE(typed);
        const int code = ExpandUserFunctions(text, lib);
        EXPECT_TRUE(codes.count(code)) << code;
        seen.insert(code);
        if (code == 0) {
            EXPECT_LE(text.size(), kExpansionLimit);
        }
    }
    EXPECT_EQ(seen, codes) << "the texts should reach every outcome";
}

TEST(UserFunctionLibraryFile, RandomBytesReadSafely) {
    std::mt19937 random(7);
    for (int i = 0; i < 2000; ++i) {
        std::vector<std::uint8_t> bytes(random() % 400);
        for (auto& b : bytes)
            b = static_cast<std::uint8_t>(random());
        if (bytes.size() >= 2 && i % 2 == 0) { // a plausible count now and then
            bytes[0] = static_cast<std::uint8_t>(random() % 6);
            bytes[1] = 0;
        }
        UserFunctionLibrary lib;
        std::size_t used = 0;
        if (!ReadLibrary(lib, bytes, used))
            continue;
        EXPECT_LE(used, bytes.size());
        EXPECT_EQ(used, 2 + lib.Count() * kUserFunctionRecordSize);
        for (const UserFunction& f : lib.All()) {
            EXPECT_LE(f.Name().size(), kMaxFunctionNameLength);
            EXPECT_LE(f.Definition().size(), kMaxDefinitionLength);
            EXPECT_TRUE(f.kind == kFunctionOfX || f.kind == kFunctionOfXY);
        }
    }
}

} // namespace
} // namespace korvane
