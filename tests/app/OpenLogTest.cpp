// The log of opened windows that tests of the real program read.
#include "app/OpenLog.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

// Its lines are pinned by the Qt ShellProcessTest, which reads the log of the real program.
TEST(OpenLog, NoPathNoLog) { EXPECT_FALSE(OpenLogTo("")); }

} // namespace
} // namespace korvane
