#include "text/TNoteWin.h"

namespace korvane {
namespace {

constexpr int kNotebook = 93; // "caderno"

TextWinSetup NotebookSpec(int fontSlot) {
    TextWinSetup setup;
    setup.title = StringOf(kNotebook);
    setup.menu = "NOTEMENU";
    setup.fileName = StringOf(kNotebook) + ".txt";
    setup.fontSlot = fontSlot;
    return setup;
}

} // namespace

TNoteWin::TNoteWin(platform::Platform& platform, platform::Window* owner, int fontSlot)
    : TTextWin(platform, NotebookSpec(fontSlot), owner) {}

void TNoteWin::DocumentNamed(const std::string& path) {
    SetBaseTitle(StringOf(kNotebook) + " [" + path.substr(path.find_last_of('/') + 1) + "]");
}

} // namespace korvane
