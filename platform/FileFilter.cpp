#include "platform/FileFilter.h"

namespace korvane::platform {
namespace {

std::vector<std::string> Split(std::string_view text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(separator, start);
        if (end == std::string_view::npos)
            end = text.size();
        parts.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

std::string Trimmed(const std::string& s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

} // namespace

std::vector<FileFilter> ParseFileFilter(std::string_view filter) {
    std::vector<FileFilter> result;
    const std::vector<std::string> parts = Split(filter, '|');
    for (std::size_t i = 0; i < parts.size(); i += 2) {
        FileFilter f{Trimmed(parts[i]), {}};
        if (i + 1 < parts.size())
            for (const std::string& p : Split(parts[i + 1], ';'))
                if (std::string t = Trimmed(p); !t.empty())
                    f.patterns.push_back(t);
        if (f.description.empty() && f.patterns.empty())
            continue;
        if (f.patterns.empty())
            f.patterns.push_back("*");
        result.push_back(std::move(f));
    }
    return result;
}

std::string FirstExtension(const FileFilter& filter) {
    if (filter.patterns.empty())
        return {};
    const std::string& p = filter.patterns.front();
    if (p.size() > 2 && p[0] == '*' && p[1] == '.' && p.find_first_of("*?", 2) == std::string::npos)
        return p.substr(2);
    return {};
}

} // namespace korvane::platform
