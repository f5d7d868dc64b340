#pragma once
// The table window ("TABLEMENU"): a read-only text window that shows a table of values its
// owner computed; it can be searched, copied, saved as text and printed.
#include "text/TTextWin.h"

namespace korvane {

class TTableWin : public TTextWin {
public:
    TTableWin(platform::Platform& platform, platform::Window* owner, const std::string& title = "tabela");
};

} // namespace korvane
