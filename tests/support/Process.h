#pragma once
// The built program run as a separate process: arguments, extra environment, a working
// folder; its standard output and error are kept in files of a scratch folder.
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace korvane::testing {

class Process {
public:
    // `outputs` is the folder for the output files; empty: the output is thrown away.
    Process(const std::string& binary, const std::vector<std::string>& args,
            const std::vector<std::string>& environment = {}, const std::filesystem::path& workingFolder = {},
            const std::filesystem::path& outputs = {}) {
        static int serial = 0;
        const std::string tag = std::to_string(++serial);
        outPath_ = outputs.empty() ? std::filesystem::path("/dev/null") : outputs / ("out-" + tag + ".txt");
        errPath_ = outputs.empty() ? std::filesystem::path("/dev/null") : outputs / ("err-" + tag + ".txt");
        std::vector<std::string> argvText{binary};
        argvText.insert(argvText.end(), args.begin(), args.end());
        pid_ = ::fork();
        if (pid_ != 0)
            return;
        if (!workingFolder.empty() && ::chdir(workingFolder.c_str()) != 0)
            ::_exit(126);
        for (const std::string& e : environment) {
            const auto equals = e.find('=');
            if (equals == std::string::npos)
                ::unsetenv(e.c_str()); // a bare name removes the variable
            else
                ::setenv(e.substr(0, equals).c_str(), e.c_str() + equals + 1, 1);
        }
        if (!std::freopen(outPath_.c_str(), "w", stdout) || !std::freopen(errPath_.c_str(), "w", stderr))
            ::_exit(126);
        std::vector<char*> argv;
        for (std::string& a : argvText)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ~Process() {
        if (pid_ > 0 && !exitCode_) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
    }
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    // The exit code (128 + signal when killed), or nothing when it still runs after `timeout`.
    std::optional<int> Wait(std::chrono::milliseconds timeout = std::chrono::seconds(60)) {
        const auto end = std::chrono::steady_clock::now() + timeout;
        while (!exitCode_) {
            int status = 0;
            if (::waitpid(pid_, &status, WNOHANG) == pid_)
                exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            else if (std::chrono::steady_clock::now() >= end)
                break;
            else
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return exitCode_;
    }
    bool Running() { return !Wait(std::chrono::milliseconds(0)); }

    std::string Out() const { return Read(outPath_); }
    std::string Err() const { return Read(errPath_); }

private:
    static std::string Read(const std::filesystem::path& path) {
        std::ifstream in(path);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    pid_t pid_ = -1;
    std::optional<int> exitCode_;
    std::filesystem::path outPath_, errPath_;
};

} // namespace korvane::testing
