#pragma once
// What the frame decides for a graph window before creating it.
#include <string>

namespace korvane {

struct WindowOptions {
    std::string title;
    bool openLast = false;     // open the last file named in the settings file
    bool readSettings = true;  // false: start from built-in defaults
    bool hasNotebook = false;  // create the notebook text window at set-up
    std::string startFile;     // document to open at start; empty for none
};

} // namespace korvane
