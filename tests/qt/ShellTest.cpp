// The real program in separate processes: a second start hands its file to the running
// one and ends with 0. The running one reports what it opened through KORVANE_OPEN_LOG.
#include "tests/support/Process.h"
#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// The program with the test's environment and, when given, a working folder of its own.
struct Process : korvane::testing::Process {
    Process(const std::vector<std::string>& args, const std::vector<std::string>& environment,
            const fs::path& workingFolder = {})
        : korvane::testing::Process(KORVANE_BINARY, args, environment, workingFolder) {}
};

// Waits until the log has `count` lines, for 20 s at most; gives what it has then.
std::vector<std::string> WaitForLines(const fs::path& path, std::size_t count) {
    const auto end = std::chrono::steady_clock::now() + 20s;
    for (;; std::this_thread::sleep_for(20ms)) {
        std::vector<std::string> lines;
        std::ifstream in(path);
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        if (lines.size() >= count || std::chrono::steady_clock::now() >= end)
            return lines;
    }
}

class ShellProcessTest : public ::testing::Test {
protected:
    ShellProcessTest() {
        log = dir / "open.log";
        environment = {"KORVANE_CONFIG_DIR=" + (dir / "config").string(), "KORVANE_OPEN_LOG=" + log.string(),
                       "QT_QPA_PLATFORM=offscreen"};
    }
    korvane::testing::ScratchFolder folder;
    fs::path dir = folder.Path();
    fs::path log;
    std::vector<std::string> environment;
};

TEST_F(ShellProcessTest, SecondStartHandsItsFileOverAndEnds) {
    const std::string first = (dir / "first.kv2").string();
    Process running({first}, environment);
    // The command-line document opens at the first paint, after the instance is claimed.
    std::vector<std::string> opened{"plane\tsemnome1.kv2\t" + first};
    ASSERT_EQ(WaitForLines(log, 1), opened);

    const std::string second = (dir / "second.KV3").string();
    Process secondStart({second}, environment);
    EXPECT_EQ(secondStart.Wait(20s), std::optional<int>(0));
    opened.push_back("space\tsemnome1.kv3\t" + second);
    EXPECT_EQ(WaitForLines(log, 2), opened);

    // A one-character name only raises the frame.
    Process other({"x"}, environment);
    EXPECT_EQ(other.Wait(20s), std::optional<int>(0));
    // A folder with a dot in its name is no extension.
    const std::string dotted = (dir / "aulas.2026" / "parabola.kv2").string();
    Process inDottedFolder({dotted}, environment);
    EXPECT_EQ(inDottedFolder.Wait(20s), std::optional<int>(0));
    opened.push_back("plane\tsemnome2.kv2\t" + dotted);
    EXPECT_EQ(WaitForLines(log, 3), opened);
    // A relative path is resolved in the folder of the start that names it.
    fs::create_directories(dir / "sub");
    Process relative({"../third.kv2"}, environment, dir / "sub");
    EXPECT_EQ(relative.Wait(20s), std::optional<int>(0));
    opened.push_back("plane\tsemnome3.kv2\t" + (dir / "third.kv2").string());
    EXPECT_EQ(WaitForLines(log, 4), opened);

    EXPECT_TRUE(running.Running());
}

} // namespace
