// The log of opened windows that tests of the real program read.
#include "app/OpenLog.h"
#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace korvane {
namespace {

TEST(OpenLog, AppendsOneTabSeparatedLinePerWindow) {
    const testing::ScratchFolder folder;
    const std::string path = folder.File("open.log");
    auto log = OpenLogTo(path);
    ASSERT_TRUE(log);
    log("plane", "semnome1.kv2", "/d/a.kv2");
    log("guess", "adivinhe minha equação", "");
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(), "plane\tsemnome1.kv2\t/d/a.kv2\nguess\tadivinhe minha equação\t\n");
}

TEST(OpenLog, NoPathNoLog) { EXPECT_FALSE(OpenLogTo("")); }

} // namespace
} // namespace korvane
