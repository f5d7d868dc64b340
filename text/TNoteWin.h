#pragma once
// The notebook of a document window: the user's notes, kept in the document and titled
// "caderno [name]" after the owner's document file. It never asks to be saved: saving the
// document saves it.
#include "text/TTextWin.h"

namespace korvane {

class TNoteWin : public TTextWin {
public:
    TNoteWin(platform::Platform& platform, platform::Window* owner, int fontSlot = 0);

    // After the owner's document file changed (opened, saved under a new name, new).
    void DocumentNamed(const std::string& path);

protected:
    bool AsksToSave() const override { return false; }
};

} // namespace korvane
