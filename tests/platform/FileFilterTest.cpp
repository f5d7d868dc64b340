#include "platform/FileFilter.h"

#include <gtest/gtest.h>

using namespace korvane::platform;

// Description and patterns alternate, split by '|'; patterns are split by ';'.
TEST(FileFilter, ParsesPairs) {
    struct Row {
        const char* filter;
        std::vector<FileFilter> expected;
    } rows[] = {
        {"gráficos 2d (*.kv2)|*.kv2", {{"gráficos 2d (*.kv2)", {"*.kv2"}}}},
        {"mapas|*.ma2;*.maz|todos (*.*)|*.*", {{"mapas", {"*.ma2", "*.maz"}}, {"todos (*.*)", {"*.*"}}}},
        {"texto|*.txt|", {{"texto", {"*.txt"}}}},
        {"sem padrões", {{"sem padrões", {"*"}}}},
        {"", {}},
        {"a| *.a ; *.b |", {{"a", {"*.a", "*.b"}}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.filter);
        EXPECT_EQ(ParseFileFilter(row.filter), row.expected);
    }
}

TEST(FileFilter, FirstExtension) {
    const struct { FileFilter filter; const char* expected; } rows[] = {
        {{"d", {"*.kv2", "*.kv3"}}, "kv2"},
        {{"d", {"*.*"}}, ""},
        {{"d", {"*"}}, ""},
        {{"d", {"name.txt"}}, ""},
        {{"d", {}}, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.expected);
        EXPECT_EQ(FirstExtension(row.filter), row.expected);
    }
}
