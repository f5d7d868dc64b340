#include "text/TTableWin.h"

namespace korvane {

TTableWin::TTableWin(platform::Platform& platform, platform::Window* owner, const std::string& title)
    : TTextWin(platform, TextWinSetup{title, "TABLEMENU", "tabela.txt", 0, true, true}, owner) {}

} // namespace korvane
