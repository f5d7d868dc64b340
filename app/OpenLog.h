#pragma once
// The optional log of opened windows that tests of the real program read: when the
// environment names a file in KORVANE_OPEN_LOG, one line per window the frame opens is
// appended to it: kind, title and start document, separated by tabs.
#include "app/TPlotFrame.h"

#include <string>

namespace korvane {

// An observer that appends to `path`; empty `path` gives none.
TPlotFrame::OpenObserver OpenLogTo(const std::string& path);
// The same for the file named by KORVANE_OPEN_LOG.
TPlotFrame::OpenObserver OpenLogFromEnvironment();

} // namespace korvane
