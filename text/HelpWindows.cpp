#include "text/HelpWindows.h"

#include "resources/Resources.h"

namespace korvane {

HelpWindows::HelpWindows(platform::Platform& platform, platform::Window* owner, std::string title)
    : platform_(platform), owner_(owner), title_(std::move(title)) {}

HelpWindows::~HelpWindows() = default;

int HelpWindows::Show(std::string_view name, Which which, const std::string& word) {
    std::optional<std::string> text = res::Text(name);
    if (!text)
        return 11;
    if (const std::size_t cut = text->find("???"); cut != std::string::npos)
        text->resize(cut);
    std::unique_ptr<TTextWin>& window = windows_[which];
    if (!window) {
        TextWinSetup setup;
        setup.title = title_ + (which == Language ? " - ajuda da linguagem" : " - ajuda");
        setup.fileName = StringOf(25); // "ajuda.txt"
        setup.readOnly = true;
        setup.fixedPitch = true;
        window = std::make_unique<TTextWin>(platform_, setup, owner_);
    }
    window->SetText(*text);
    if (!word.empty() && window->Search(word))
        window->Edit().ScrollLines(10);
    window->ShowWindow();
    return 0;
}

} // namespace korvane
