#pragma once
// A temporary folder of the test's own, named after the test and the process so that
// parallel runs never meet, emptied at the start and removed at the end.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <system_error>

namespace korvane::testing {

class ScratchFolder {
public:
    ScratchFolder() : ScratchFolder(CurrentTestName()) {}
    explicit ScratchFolder(const std::string& name)
        : path_(std::filesystem::temp_directory_path() / ("korvane-" + name + "-" + std::to_string(::getpid()))) {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::string WithSlash() const { return path_.string() + "/"; }
    std::string File(const std::string& name) const { return (path_ / name).string(); }
    void Empty() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
        std::filesystem::create_directories(path_);
    }

private:
    // Suite and test, with the '/' of parameterised names made harmless.
    static std::string CurrentTestName() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = info ? std::string(info->test_suite_name()) + "-" + info->name() : "scratch";
        for (char& c : name)
            if (c == '/')
                c = '_';
        return name;
    }

    std::filesystem::path path_;
};

} // namespace korvane::testing
