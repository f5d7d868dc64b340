#include "GraphTestWindow.h"

#include <filesystem>
#include <string>
#include <unistd.h>

namespace korvane::testing {

std::string FreshConfigDirectory(const std::string& name) {
    const auto dir = std::filesystem::temp_directory_path() / ("korvane-graph-" + name + "-" + std::to_string(::getpid()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir.string() + "/";
}

} // namespace korvane::testing
