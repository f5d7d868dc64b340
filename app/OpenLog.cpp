#include "app/OpenLog.h"

#include <cstdio>
#include <cstdlib>

namespace korvane {

TPlotFrame::OpenObserver OpenLogTo(const std::string& path) {
    if (path.empty())
        return {};
    return [path](const std::string& kind, const std::string& title, const std::string& document) {
        // Opened and closed per line, so that a reader sees each line as soon as it is there.
        if (std::FILE* f = std::fopen(path.c_str(), "a")) {
            std::fprintf(f, "%s\t%s\t%s\n", kind.c_str(), title.c_str(), document.c_str());
            std::fclose(f);
        }
    };
}

TPlotFrame::OpenObserver OpenLogFromEnvironment() {
    const char* path = std::getenv("KORVANE_OPEN_LOG");
    return OpenLogTo(path ? path : "");
}

} // namespace korvane
