#include "platform/ConfigDirectory.h"
#include "platform/memory/MemoryPlatform.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

using namespace korvane::platform;

// $KORVANE_CONFIG_DIR wins, then $XDG_CONFIG_HOME/korvane, then ~/.config/korvane; an
// empty variable counts as unset and the result always ends in '/'.
TEST(ConfigDirectory, RuleOverTheEnvironment) {
    struct Row {
        const char* name;
        std::map<std::string, std::string> env;
        const char* expected;
    } rows[] = {
        {"own variable", {{"KORVANE_CONFIG_DIR", "/tmp/k"}, {"XDG_CONFIG_HOME", "/x"}, {"HOME", "/h"}}, "/tmp/k/"},
        {"own variable with slash", {{"KORVANE_CONFIG_DIR", "/tmp/k/"}}, "/tmp/k/"},
        {"xdg", {{"XDG_CONFIG_HOME", "/x"}, {"HOME", "/h"}}, "/x/korvane/"},
        {"xdg with slash", {{"XDG_CONFIG_HOME", "/x/"}}, "/x/korvane/"},
        {"empty own variable", {{"KORVANE_CONFIG_DIR", ""}, {"XDG_CONFIG_HOME", "/x"}}, "/x/korvane/"},
        {"home", {{"HOME", "/home/u"}}, "/home/u/.config/korvane/"},
        {"empty xdg", {{"XDG_CONFIG_HOME", ""}, {"HOME", "/home/u"}}, "/home/u/.config/korvane/"},
        {"nothing", {}, "./.korvane/"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto lookup = [&](const char* name) -> std::optional<std::string> {
            const auto it = row.env.find(name);
            return it == row.env.end() ? std::nullopt : std::optional<std::string>(it->second);
        };
        EXPECT_EQ(ConfigDirectoryFor(lookup), row.expected);
    }
}

TEST(ConfigDirectory, PlatformCreatesTheFolderFromTheEnvironment) {
    const korvane::testing::ScratchFolder base;
    const std::string wanted = (base.Path() / "deep" / "er").string();
    const korvane::testing::ScopedEnvironment variable("KORVANE_CONFIG_DIR", wanted);
    EXPECT_EQ(MemoryPlatform().ConfigDirectory(), wanted + "/");
    EXPECT_TRUE(std::filesystem::is_directory(wanted));
}

TEST(ConfigDirectory, EnsureDirectoryFailsOnAFile) {
    const korvane::testing::ScratchFolder folder;
    const std::filesystem::path file = folder.File("a-file");
    { std::FILE* f = std::fopen(file.c_str(), "w"); ASSERT_NE(f, nullptr); std::fclose(f); }
    EXPECT_FALSE(EnsureDirectory(file.string()));
    EXPECT_FALSE(EnsureDirectory((file / "below").string()));
}
