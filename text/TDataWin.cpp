#include "text/TDataWin.h"

namespace korvane {

TDataWin::TDataWin(platform::Platform& platform, platform::Window* owner, const std::string& title)
    : TTextWin(platform, TextWinSetup{title, "DATAMENU", "dados.txt", 0, true}, owner) {}

} // namespace korvane
