#pragma once
// The filter strings of file dialogs: "description|patterns|description|patterns", with
// patterns separated by ';' ("*.kv2;*.kv3").
#include <string>
#include <string_view>
#include <vector>

namespace korvane::platform {

struct FileFilter {
    std::string description;
    std::vector<std::string> patterns;
    friend bool operator==(const FileFilter&, const FileFilter&) = default;
};

// A description without patterns gets "*"; empty parts are skipped.
std::vector<FileFilter> ParseFileFilter(std::string_view filter);
// The extension ("kv2") of the first pattern of the form "*.ext", or empty.
std::string FirstExtension(const FileFilter& filter);

} // namespace korvane::platform
