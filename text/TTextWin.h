#pragma once
// A text window: up to 64000 characters of plain text in an edit control, with search,
// font, a typographic minus sign, .txt files and printing. Its owner creates it hidden and
// shows it on demand; closing it only hides it.
#include "graph/TFontWin.h"
#include "platform/TextEdit.h"

#include <memory>
#include <string>

namespace korvane {

struct TextWinSetup {
    std::string title;
    std::string menu = "TEXTMENU";
    std::string fileName = "ajuda.txt"; // what the file dialogs start from
    int fontSlot = 0;
    bool readOnly = false;
    bool fixedPitch = false; // help pages and tables line up in columns
};

class TTextWin : public TFontWin {
public:
    TTextWin(platform::Platform& platform, const TextWinSetup& setup, platform::Window* owner);
    ~TTextWin() override;

    // The whole text, cut at kMaxTextLength characters; the modified mark is cleared.
    void SetText(const std::string& utf8);
    std::string GetText() const;
    void Clear() { SetText({}); }
    void ShowWindow();
    void HideWindow();
    bool Hidden() const;
    // Searches forward from the cursor and selects the match; false when there is none.
    bool Search(const std::string& word);
    const std::string& SearchWord() const { return searchWord_; }
    platform::TextEdit& Edit() { return *edit_; }
    bool ReadOnly() const { return setup_.readOnly; }

    void OnCommand(int id) override;
    bool OnClose() override;
    void OnTextState() override;

    struct PrintOffsets {
        double left = 0.5; // inches
        double top = 0.5;
    };
    PrintOffsets& Offsets() { return offsets_; }

protected:
    // A notebook belongs to its document and never asks to be saved on its own.
    virtual bool AsksToSave() const { return true; }
    void OnFontChanged(int slot) override;

private:
    void CommandOpen();
    bool CommandSave(bool askPath);
    void CommandSearch();
    void CommandSearchAgain();
    void CommandMinusSign();
    void CommandSearchHelp();
    void CommandOffsets();
    void CommandPrint();
    void CommandPrinterSetup();
    void Status(const std::string& text);

    TextWinSetup setup_;
    platform::TextEdit* edit_ = nullptr;
    std::string searchWord_;
    PrintOffsets offsets_;
    std::unique_ptr<platform::Printer> printer_;
    bool hasFile_ = false; // opened from or saved to a file
};

} // namespace korvane
