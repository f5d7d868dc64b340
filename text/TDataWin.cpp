#include "text/TDataWin.h"

namespace korvane {

TDataWin::TDataWin(platform::Platform& platform, platform::Window* owner, const std::string& title,
                   const std::string& fileName)
    : TTextWin(platform, TextWinSetup{title, "DATAMENU", fileName, 0, true, true}, owner) {}

} // namespace korvane
