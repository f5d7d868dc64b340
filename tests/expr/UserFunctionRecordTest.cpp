// The 77-byte record and the library's bytes in documents.
#include "expr/UserFunction.h"
#include "expr/UserFunctionLibrary.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace korvane {
namespace {

TEST(UserFunctionRecord, FieldsSitAtTheirOffsets) {
    std::uint8_t bytes[kUserFunctionRecordSize];
    std::memset(bytes, 0xAA, sizeof bytes);
    StoreUserFunction(UserFunction::Make("GAUSSX", "X^2+Y", kFunctionOfXY), bytes);
    std::vector<std::uint8_t> expected(77, 0);
    std::memcpy(&expected[0], "X^2+Y", 5);
    std::memcpy(&expected[61], "GAUSSX", 6);
    expected[71] = 2;
    EXPECT_EQ(std::vector<std::uint8_t>(bytes, bytes + 77), expected);

    // Longer texts are cut to their fields.
    const UserFunction cut = UserFunction::Make("ABCDEFGHIJKL", std::string(70, 'X'), kFunctionOfX);
    EXPECT_EQ(cut.Name(), "ABCDEFGHI");
    EXPECT_EQ(cut.Definition(), std::string(60, 'X'));
}

TEST(UserFunctionRecord, LoadReadsKindsOutsideOneTwoAsOne) {
    struct Row {
        std::uint8_t low, high;
        std::uint16_t expected;
    };
    const Row rows[] = {{0, 0, 1}, {1, 0, 1}, {2, 0, 2},      {3, 0, 1},
                        {7, 0, 1}, {2, 1, 1}, {0xFF, 0xFF, 1}};
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "kind bytes " << int(row.low) << "," << int(row.high));
        std::uint8_t bytes[kUserFunctionRecordSize] = {};
        std::memcpy(bytes, "X+1", 3);
        bytes[61] = 'F';
        bytes[71] = row.low;
        bytes[72] = row.high;
        EXPECT_EQ(LoadUserFunction(bytes).kind, row.expected);
    }
}

TEST(UserFunctionRecord, LoadCutsFieldsWithoutTheirZeroAndDropsBytesBehindIt) {
    std::uint8_t bytes[kUserFunctionRecordSize];
    std::memset(bytes, 'X', sizeof bytes);
    bytes[71] = 1;
    bytes[72] = 0;
    const UserFunction f = LoadUserFunction(bytes);
    EXPECT_EQ(f.Definition(), std::string(60, 'X'));
    EXPECT_EQ(f.Name(), std::string(9, 'X'));

    std::memset(bytes, 0, sizeof bytes);
    std::memcpy(bytes, "X\0GARBAGE", 9);
    bytes[61] = 'F';
    bytes[71] = 1;
    std::uint8_t again[kUserFunctionRecordSize];
    StoreUserFunction(LoadUserFunction(bytes), again);
    for (std::size_t i = 1; i < 61; ++i)
        EXPECT_EQ(again[i], 0) << "definition byte " << i;
}

UserFunctionLibrary SampleLibrary() {
    UserFunctionLibrary lib;
    lib.Append(UserFunction::Make("F", "X^2-1", kFunctionOfX));
    lib.Append(UserFunction::Make("G", "X^2+Y^2", kFunctionOfXY));
    lib.Append(UserFunction::Make("LONGNAMES", "SIN(X)", kFunctionOfX));
    return lib;
}

// Reading replaces the whole library and stops at the end of the records.
TEST(UserFunctionLibraryFile, WritesCountThenRecordsAndReadsThemBack) {
    for (const UserFunctionLibrary& written : {SampleLibrary(), UserFunctionLibrary{}}) {
        SCOPED_TRACE(written.Count());
        std::vector<std::uint8_t> bytes;
        WriteLibrary(written, bytes);
        ASSERT_EQ(bytes.size(), 2u + written.Count() * 77u);
        EXPECT_EQ(bytes[0], written.Count());
        EXPECT_EQ(bytes[1], 0);
        bytes.push_back(99); // whatever follows in the document
        UserFunctionLibrary lib;
        lib.Append(UserFunction::Make("OLD", "X", kFunctionOfX));
        std::size_t used = 0;
        ASSERT_TRUE(ReadLibrary(lib, bytes, used));
        EXPECT_EQ(used, bytes.size() - 1);
        ASSERT_EQ(lib.Count(), written.Count());
        for (std::size_t i = 0; i < lib.Count(); ++i)
            EXPECT_EQ(ListEntryText(lib.At(i)), ListEntryText(written.At(i)));
        EXPECT_FALSE(lib.Contains("OLD"));
    }
    std::vector<std::uint8_t> bytes;
    WriteLibrary(SampleLibrary(), bytes);
    EXPECT_EQ(bytes[2 + 61], 'F');
    EXPECT_EQ(bytes[2 + 77 + 61], 'G');
    EXPECT_EQ(bytes[2 + 77 + 71], 2);
    EXPECT_EQ(std::memcmp(&bytes[2 + 154], "SIN(X)", 7), 0);
}

TEST(UserFunctionLibraryFile, ShortDataFailsAndKeepsTheLibrary) {
    std::vector<std::uint8_t> full;
    WriteLibrary(SampleLibrary(), full);
    for (std::size_t size :
         {std::size_t{0}, std::size_t{1}, std::size_t{2}, std::size_t{78}, full.size() - 1}) {
        SCOPED_TRACE(size);
        UserFunctionLibrary lib;
        lib.Append(UserFunction::Make("OLD", "X", kFunctionOfX));
        std::size_t used = 123;
        EXPECT_FALSE(ReadLibrary(lib, std::span(full.data(), size), used));
        EXPECT_EQ(used, 0u);
        ASSERT_EQ(lib.Count(), 1u);
        EXPECT_EQ(lib.At(0).Name(), "OLD");
    }
}

TEST(UserFunctionNames, BuiltinAndLibraryNamesAreTaken) {
    const UserFunctionLibrary lib = SampleLibrary();
    struct Row {
        const char* name;
        bool taken;
    };
    const Row rows[] = {{"SIN", true}, {"PI", true}, {"POWER", true}, {"RE", true},
                        {"CONJ", true}, {"JOINU", true}, {"F", true}, {"G", true},
                        {"LONGNAMES", true}, {"H", false}, {"SI", false}, {"sin", false},
                        {"SINX", false}, {"LONGNAME", false}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(FindFunctionName(lib, row.name), row.taken);
    }
}

TEST(UserFunctionLibraryList, EditAndErase) {
    UserFunctionLibrary lib = SampleLibrary();
    lib.Replace(1, UserFunction::Make("G", "X*Y", kFunctionOfXY));
    lib.Erase(0);
    lib.Erase(7); // no such record: nothing happens
    ASSERT_EQ(lib.Count(), 2u);
    EXPECT_EQ(ListEntryText(lib.At(0)), "G(X,Y) = X*Y");
    EXPECT_EQ(lib.At(1).Name(), "LONGNAMES");
}

} // namespace
} // namespace korvane
