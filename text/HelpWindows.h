#pragma once
// The two hidden help windows that a window keeps: one for its own help texts, one for the
// language's. Each is a read-only text window, refilled every time help is asked for.
#include "text/TTextWin.h"

#include <array>
#include <memory>
#include <string>
#include <string_view>

namespace korvane {

class HelpWindows {
public:
    enum Which { Own = 0, Language = 1 };

    // `title` names the windows ("title - ajuda"); they are made on first use.
    HelpWindows(platform::Platform& platform, platform::Window* owner, std::string title);
    ~HelpWindows();

    // Shows the text resource `name`, cut at its first "???". With a `word`, the text is
    // searched for it and scrolled 10 lines further. 0, or 11 when there is no such text.
    int Show(std::string_view name, Which which = Own, const std::string& word = "");
    TTextWin* Window(Which which) { return windows_[which].get(); }

private:
    platform::Platform& platform_;
    platform::Window* owner_;
    std::string title_;
    std::array<std::unique_ptr<TTextWin>, 2> windows_;
};

} // namespace korvane
