#pragma once
// The data window ("DATAMENU"): a read-only text window of measured or computed data that
// its owner fills (the mapper's Jacobian); it can be searched, copied, saved and printed.
#include "text/TTextWin.h"

namespace korvane {

class TDataWin : public TTextWin {
public:
    TDataWin(platform::Platform& platform, platform::Window* owner, const std::string& title = "dados",
             const std::string& fileName = "dados.txt");
};

} // namespace korvane
