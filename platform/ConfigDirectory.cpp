#include "platform/ConfigDirectory.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace korvane::platform {
namespace {

std::optional<std::string> NonEmpty(const EnvironmentLookup& lookup, const char* name) {
    std::optional<std::string> value = lookup(name);
    if (value && value->empty())
        return std::nullopt;
    return value;
}

std::string WithSlash(std::string path) {
    if (path.empty() || path.back() != '/')
        path += '/';
    return path;
}

} // namespace

std::string ConfigDirectoryFor(const EnvironmentLookup& lookup) {
    if (auto own = NonEmpty(lookup, "KORVANE_CONFIG_DIR"))
        return WithSlash(*own);
    if (auto xdg = NonEmpty(lookup, "XDG_CONFIG_HOME"))
        return WithSlash(*xdg) + "korvane/";
    if (auto home = NonEmpty(lookup, "HOME"))
        return WithSlash(*home) + ".config/korvane/";
    // No home at all (a bare service account): keep the settings beside the program's
    // working folder rather than in the root.
    return "./.korvane/";
}

std::string ConfigDirectoryFromEnvironment() {
    return ConfigDirectoryFor([](const char* name) -> std::optional<std::string> {
        const char* value = std::getenv(name);
        if (!value)
            return std::nullopt;
        return std::string(value);
    });
}

bool EnsureDirectory(const std::string& path) {
    std::error_code error;
    std::filesystem::create_directories(path, error);
    return std::filesystem::is_directory(path, error);
}

} // namespace korvane::platform
