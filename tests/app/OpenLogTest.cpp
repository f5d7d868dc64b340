// The log of opened windows that tests of the real program read.
#include "app/OpenLog.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace korvane {
namespace {

TEST(OpenLog, AppendsOneTabSeparatedLinePerWindow) {
    const auto path = std::filesystem::temp_directory_path() / ("korvane-openlog-" + std::to_string(::getpid()));
    std::filesystem::remove(path);
    auto log = OpenLogTo(path.string());
    ASSERT_TRUE(log);
    log("plane", "semnome1.kv2", "/d/a.kv2");
    log("guess", "adivinhe minha equação", "");
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(), "plane\tsemnome1.kv2\t/d/a.kv2\nguess\tadivinhe minha equação\t\n");
    std::filesystem::remove(path);
}

TEST(OpenLog, NoPathNoLog) { EXPECT_FALSE(OpenLogTo("")); }

} // namespace
} // namespace korvane
