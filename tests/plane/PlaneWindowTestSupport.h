#pragma once
// What the tests of whole plane windows share: a settings folder of their own, removed
// afterwards, and a window that reads no settings file.
#include "plane/TPlot2Win.h"
#include "platform/Platform.h"

#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>
#include <system_error>

namespace korvane::planetest {

class ScratchFolder {
public:
    // A fresh folder named after the test and the process, so parallel runs never meet.
    explicit ScratchFolder(const std::string& name)
        : path_(std::filesystem::temp_directory_path() / (name + "-" + std::to_string(::getpid()))) {
        std::filesystem::remove_all(path_);
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

private:
    std::filesystem::path path_;
};

inline std::unique_ptr<TPlot2Win> MakePlaneWindow(platform::Platform& platform) {
    WindowOptions options;
    options.readSettings = false;
    return std::make_unique<TPlot2Win>(platform, options, nullptr);
}

} // namespace korvane::planetest
