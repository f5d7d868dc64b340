// The real program in separate processes: a second start hands its file to the running
// one and ends with 0. The running one reports what it opened through KORVANE_OPEN_LOG.
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

class Process {
public:
    Process(const std::vector<std::string>& args, const std::vector<std::string>& environment,
            const fs::path& workingFolder = {}) {
        pid_ = ::fork();
        if (pid_ != 0)
            return;
        if (!workingFolder.empty() && ::chdir(workingFolder.c_str()) != 0)
            ::_exit(126);
        for (const std::string& e : environment)
            ::putenv(const_cast<char*>(e.c_str()));
        std::vector<char*> argv;
        static std::string binary = KORVANE_BINARY;
        argv.push_back(binary.data());
        for (const std::string& a : args)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        ::execv(binary.c_str(), argv.data());
        ::_exit(127);
    }
    ~Process() {
        if (pid_ > 0 && !exitCode_) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
    }
    // The exit code, or nothing when the process still runs after `timeout`.
    std::optional<int> Wait(std::chrono::milliseconds timeout) {
        const auto end = std::chrono::steady_clock::now() + timeout;
        while (!exitCode_ && std::chrono::steady_clock::now() < end) {
            int status = 0;
            if (::waitpid(pid_, &status, WNOHANG) == pid_)
                exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            else
                std::this_thread::sleep_for(20ms);
        }
        return exitCode_;
    }
    bool Running() { return !Wait(0ms); }

private:
    pid_t pid_ = -1;
    std::optional<int> exitCode_;
};

std::vector<std::string> Lines(const fs::path& path) {
    std::vector<std::string> lines;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// Waits until the log has `count` lines; gives what it has then.
std::vector<std::string> WaitForLines(const fs::path& path, std::size_t count, std::chrono::milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    std::vector<std::string> lines = Lines(path);
    while (lines.size() < count && std::chrono::steady_clock::now() < end) {
        std::this_thread::sleep_for(20ms);
        lines = Lines(path);
    }
    return lines;
}

class ShellProcessTest : public ::testing::Test {
protected:
    ShellProcessTest() {
        dir = fs::temp_directory_path() / ("korvane-shell-qt-" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        log = dir / "open.log";
        environment = {"KORVANE_CONFIG_DIR=" + (dir / "config").string(), "KORVANE_OPEN_LOG=" + log.string(),
                       "QT_QPA_PLATFORM=offscreen"};
    }
    ~ShellProcessTest() override { fs::remove_all(dir); }

    fs::path dir;
    fs::path log;
    std::vector<std::string> environment;
};

TEST_F(ShellProcessTest, SecondStartHandsItsFileOverAndEnds) {
    const std::string first = (dir / "first.kv2").string();
    Process running({first}, environment);
    // The command-line document opens at the first paint, after the instance is claimed.
    auto lines = WaitForLines(log, 1, 20s);
    ASSERT_EQ(lines, std::vector<std::string>{"plane\tsemnome1.kv2\t" + first});

    const std::string second = (dir / "second.KV3").string();
    Process secondStart({second}, environment);
    EXPECT_EQ(secondStart.Wait(20s), std::optional<int>(0));
    lines = WaitForLines(log, 2, 20s);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1], "space\tsemnome1.kv3\t" + second);

    // A one-character name only raises the frame.
    Process other({"x"}, environment);
    EXPECT_EQ(other.Wait(20s), std::optional<int>(0));
    // A folder with a dot in its name is no extension.
    const std::string dotted = (dir / "aulas.2026" / "parabola.kv2").string();
    Process inDottedFolder({dotted}, environment);
    EXPECT_EQ(inDottedFolder.Wait(20s), std::optional<int>(0));
    lines = WaitForLines(log, 3, 20s);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[2], "plane\tsemnome2.kv2\t" + dotted);
    // A relative path is resolved in the folder of the start that names it.
    fs::create_directories(dir / "sub");
    Process relative({"../third.kv2"}, environment, dir / "sub");
    EXPECT_EQ(relative.Wait(20s), std::optional<int>(0));
    lines = WaitForLines(log, 4, 20s);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[3], "plane\tsemnome3.kv2\t" + (dir / "third.kv2").string());

    EXPECT_TRUE(running.Running());
}

TEST_F(ShellProcessTest, VersionAndHelpNeedNoWindow) {
    for (const char* option : {"--version", "--help"}) {
        SCOPED_TRACE(option);
        Process p({option}, environment);
        EXPECT_EQ(p.Wait(20s), std::optional<int>(0));
    }
    Process bad({"--nonsense"}, environment);
    EXPECT_EQ(bad.Wait(20s), std::optional<int>(2));
}

} // namespace
