#include "text/TNoteWin.h"

namespace korvane {
namespace {

constexpr int kNotebook = 93; // "caderno"

TextWinSpec NotebookSpec(int fontSlot) {
    TextWinSpec spec;
    spec.title = StringOf(kNotebook);
    spec.menu = "NOTEMENU";
    spec.fileName = StringOf(kNotebook) + ".txt";
    spec.fontSlot = fontSlot;
    return spec;
}

} // namespace

TNoteWin::TNoteWin(platform::Platform& platform, platform::Window* owner, int fontSlot)
    : TTextWin(platform, NotebookSpec(fontSlot), owner) {}

void TNoteWin::DocumentNamed(const std::string& path) {
    SetBaseTitle(StringOf(kNotebook) + " [" + path.substr(path.find_last_of('/') + 1) + "]");
}

} // namespace korvane
