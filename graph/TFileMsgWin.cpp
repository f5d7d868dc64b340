#include "graph/TFileMsgWin.h"

#include "resources/Resources.h"

#include <charconv>

namespace korvane {

std::string StringOf(int id) {
    const char* text = res::String(id);
    return text ? text : "";
}

TFileMsgWin::TFileMsgWin(platform::Platform& platform, const WindowOptions& options, platform::Window* owner)
    : platform_(platform), options_(options), owner_(owner), title_(options.title) {}

TFileMsgWin::~TFileMsgWin() = default;

void TFileMsgWin::CreatePlatformWindow(const platform::WindowSpec& request) {
    window_ = platform_.CreateWindow(request, *this);
    title_ = request.title;
}

void TFileMsgWin::SetBaseTitle(const std::string& title) {
    title_ = title;
    if (window_)
        window_->SetTitle(title);
}

void TFileMsgWin::ShowMessage(int code, const std::string& caption) {
    platform_.MessageBox(res::Message(code), caption, platform::MessageButtons::Ok, platform::MessageIcon::None,
                         window_.get());
}

int TFileMsgWin::EvaluateNumber(const std::string& text, long double& value) {
    std::size_t begin = text.find_first_not_of(" \t");
    std::size_t end = text.find_last_not_of(" \t");
    if (begin == std::string::npos)
        return 1;
    const char* first = text.data() + begin;
    const char* last = text.data() + end + 1;
    if (*first == '+')
        ++first;
    long double parsed = 0;
    const auto result = std::from_chars(first, last, parsed);
    if (result.ec != std::errc() || result.ptr != last)
        return 1;
    value = parsed;
    return 0;
}

std::optional<long double> TFileMsgWin::AskNumber(int captionId, int labelId, const std::string& initial,
                                                  int maxLength, int& code) {
    code = 0;
    const auto text = platform_.InputBox(StringOf(captionId), StringOf(labelId), initial, window_.get(), maxLength);
    if (!text)
        return std::nullopt;
    long double value = 0;
    code = EvaluateNumber(*text, value);
    return value;
}

} // namespace korvane
