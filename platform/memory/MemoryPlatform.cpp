#include "platform/memory/MemoryPlatform.h"

#include "platform/ConfigDirectory.h"
#include "platform/ForwardingSurface.h"
#include "platform/memory/MemoryPrinter.h"
#include "platform/memory/RecordingSurface.h"

#include <algorithm>
#include <cctype>

namespace korvane::platform {

// An export that records what was drawn on a raster picture; Finish only logs the path.
class MemoryExportSurface : public ForwardingSurface<ExportSurface> {
public:
    MemoryExportSurface(MemoryPlatform& platform, std::string path, Size size)
        : ForwardingSurface(recording_), platform_(platform), path_(std::move(path)), raster_(size) {}
    int Finish() override {
        platform_.exports_.push_back(path_);
        return 0;
    }

private:
    MemoryPlatform& platform_;
    std::string path_;
    RasterSurface raster_;
    RecordingSurface recording_{raster_};
};

namespace {

std::string ExtensionOf(const std::string& path) {
    const auto dot = path.find_last_of('.');
    const auto slash = path.find_last_of('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return {};
    std::string ext = path.substr(dot + 1);
    for (char& c : ext)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return ext;
}

template <class T, class Fallback>
T Next(std::deque<T>& queue, Fallback fallback) {
    if (queue.empty())
        return fallback;
    T value = std::move(queue.front());
    queue.pop_front();
    return value;
}

} // namespace

MemoryPlatform::~MemoryPlatform() {
    // Windows and dialogs that outlive the platform must not call back into it.
    for (MemoryWindow* w : windows_)
        w->Detach();
    for (MemoryDialog* d : dialogs_)
        d->Detach();
}

std::unique_ptr<Window> MemoryPlatform::CreateWindow(const WindowSpec& request, WindowHandler& handler) {
    return std::make_unique<MemoryWindow>(this, request, handler);
}

std::unique_ptr<Surface> MemoryPlatform::CreateSurface(Size size) {
    return std::make_unique<RasterSurface>(size);
}

std::unique_ptr<ExportSurface> MemoryPlatform::CreateExportSurface(const std::string& path, Size size) {
    const std::string ext = ExtensionOf(path);
    if (ext != "png" && ext != "svg" && ext != "pdf")
        return nullptr;
    return std::make_unique<MemoryExportSurface>(*this, path, size);
}

int MemoryPlatform::RunModal(const res::DialogTemplate& dialog, DialogHandler& handler, Window*) {
    modalRuns_.push_back(dialog.name ? dialog.name : "");
    MemoryDialog d(this, dialog, handler, true);
    d.Show();
    handler.OnInit(d);
    while (!d.Ended()) {
        if (modalScripts_.empty()) {
            d.Escape();
            d.End(ResultCancel); // a handler that refuses Cancel is overruled: no one is left to answer
            break;
        }
        auto script = std::move(modalScripts_.front());
        modalScripts_.pop_front();
        script(d);
    }
    return d.Result();
}

std::unique_ptr<Dialog> MemoryPlatform::CreateModeless(const res::DialogTemplate& dialog, DialogHandler& handler,
                                                       Window*) {
    auto d = std::make_unique<MemoryDialog>(this, dialog, handler, false);
    handler.OnInit(*d);
    return d;
}

MessageAnswer MemoryPlatform::MessageBox(const std::string& text, const std::string& caption,
                                         MessageButtons buttons, MessageIcon icon, Window*) {
    const MessageAnswer first =
        (buttons == MessageButtons::Ok || buttons == MessageButtons::OkCancel) ? AnswerOk : AnswerYes;
    const MessageAnswer answer = Next(messageAnswers_, first);
    messages_.push_back({text, caption, buttons, icon, answer});
    return answer;
}

std::optional<std::string> MemoryPlatform::InputBox(const std::string& caption, const std::string& prompt,
                                                    const std::string& initial, Window*, int maxLength) {
    inputs_.push_back({caption, prompt, initial});
    std::optional<std::string> answer = Next(inputAnswers_, std::optional<std::string>());
    if (answer && maxLength > 0 && int(answer->size()) > maxLength)
        answer->resize(std::size_t(maxLength));
    return answer;
}

std::optional<std::string> MemoryPlatform::OpenFileDialog(const FileDialogSpec& request) {
    fileDialogs_.push_back({false, request});
    return Next(fileAnswers_, std::optional<std::string>());
}

std::optional<std::string> MemoryPlatform::SaveFileDialog(const FileDialogSpec& request) {
    fileDialogs_.push_back({true, request});
    return Next(fileAnswers_, std::optional<std::string>());
}

std::optional<FontChoice> MemoryPlatform::ChooseFont(const FontChoice&, Window*) {
    return Next(fontAnswers_, std::optional<FontChoice>());
}

void MemoryPlatform::ShowTextWindow(const std::string& title, const std::string& text) {
    textWindows_[title] = text;
}

std::unique_ptr<Printer> MemoryPlatform::CreatePrinter() {
    auto printer = std::make_unique<MemoryPrinter>(printerChosen_);
    printer->SetPage(printerPage_);
    lastPrinter_ = printer.get();
    return printer;
}

std::string MemoryPlatform::ConfigDirectory() {
    std::string dir = configDirectory_ ? *configDirectory_ : ConfigDirectoryFromEnvironment();
    if (dir.empty() || dir.back() != '/')
        dir += '/';
    EnsureDirectory(dir);
    return dir;
}

InstanceRole MemoryPlatform::ClaimInstance(const std::string& path, std::function<void(const std::string&)> onPath) {
    if (running_)
        return running_->HandOver(path) ? InstanceRole::HandedOver : InstanceRole::Failed;
    claimed_ = true;
    onPath_ = std::move(onPath);
    return InstanceRole::First;
}

bool MemoryPlatform::HandOver(const std::string& path) {
    if (!claimed_)
        return false;
    if (onPath_)
        onPath_(path);
    return true;
}

int MemoryPlatform::Run() {
    RunPendingRepaints();
    return exitCode_;
}

void MemoryPlatform::Quit(int exitCode) {
    quit_ = true;
    exitCode_ = exitCode;
}

std::size_t MemoryPlatform::UnusedScripts() const {
    return modalScripts_.size() + messageAnswers_.size() + inputAnswers_.size() + fileAnswers_.size() +
           fontAnswers_.size();
}

void MemoryPlatform::ClearLogs() {
    messages_.clear();
    inputs_.clear();
    modalRuns_.clear();
    fileDialogs_.clear();
    textWindows_.clear();
    exports_.clear();
}

MemoryWindow* MemoryPlatform::FindWindow(const std::string& title) const {
    for (MemoryWindow* w : windows_)
        if (w->GetTitle() == title)
            return w;
    return nullptr;
}

MemoryDialog* MemoryPlatform::FindDialog(std::string_view templateName) const {
    for (MemoryDialog* d : dialogs_)
        if (d->Template().name && templateName == d->Template().name)
            return d;
    return nullptr;
}

int MemoryPlatform::RunPendingRepaints() {
    // A paint may request further paints (its own or other windows'); a window that keeps
    // asking is cut off rather than looping for ever.
    constexpr int kRounds = 100;
    int ran = 0;
    for (int round = 0; round < kRounds; ++round) {
        bool any = false;
        const std::vector<MemoryWindow*> snapshot = windows_;
        for (MemoryWindow* w : snapshot)
            if (std::find(windows_.begin(), windows_.end(), w) != windows_.end() && w->RunPendingRepaint()) {
                any = true;
                ++ran;
            }
        if (!any)
            break;
    }
    return ran;
}

void MemoryPlatform::Unregister(MemoryWindow* window) {
    std::erase(windows_, window);
}

void MemoryPlatform::Unregister(MemoryDialog* dialog) {
    std::erase(dialogs_, dialog);
}

namespace {

std::uint32_t BigEndian32(std::span<const std::uint8_t> d, std::size_t at) {
    return std::uint32_t(d[at]) << 24 | std::uint32_t(d[at + 1]) << 16 | std::uint32_t(d[at + 2]) << 8 | d[at + 3];
}

// The number of `name="N"` in the SVG's text, or 0.
int SvgAttribute(std::string_view svg, std::string_view name) {
    const std::size_t at = svg.find(std::string(name) + "=\"");
    if (at == std::string_view::npos)
        return 0;
    int value = 0;
    for (std::size_t i = at + name.size() + 2; i < svg.size() && std::isdigit(static_cast<unsigned char>(svg[i])); ++i)
        value = std::min(value * 10 + (svg[i] - '0'), 1 << 20);
    return value;
}

} // namespace

std::optional<Size> MemoryPlatform::PictureSize(std::span<const std::uint8_t> data) const {
    constexpr std::uint8_t kPng[] = {0x89, 'P', 'N', 'G'};
    if (data.size() >= 24 && std::equal(std::begin(kPng), std::end(kPng), data.begin())) {
        const std::uint32_t w = BigEndian32(data, 16), h = BigEndian32(data, 20);
        if (w == 0 || h == 0 || w > (1u << 20) || h > (1u << 20))
            return std::nullopt;
        return Size{int(w), int(h)};
    }
    const std::string_view text(reinterpret_cast<const char*>(data.data()), data.size());
    if (text.find("<svg") == std::string_view::npos)
        return std::nullopt;
    const int w = SvgAttribute(text, "width"), h = SvgAttribute(text, "height");
    return Size{w > 0 ? w : 100, h > 0 ? h : 100};
}

std::unique_ptr<Surface> MemoryPlatform::RenderPicture(std::span<const std::uint8_t> data, Size full,
                                                       const Rect& part, Rgb background) {
    if (!PictureSize(data) || full.Empty() || part.Empty())
        return nullptr;
    auto surface = std::make_unique<RasterSurface>(Size{part.Width(), part.Height()}, background);
    surface->FillRect(Rect::FromSize({0, 0}, surface->GetSize()), kPictureStandIn);
    return surface;
}

std::vector<Rect> MemoryPlatform::ScreenAreas() const {
    if (!screenAreas_.empty())
        return screenAreas_;
    return {Rect::FromSize({0, 0}, screen_)};
}

} // namespace korvane::platform
