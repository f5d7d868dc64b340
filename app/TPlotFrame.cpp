#include "app/TPlotFrame.h"

#include "app/DocumentKind.h"
#include "app/FrameSettings.h"
#include "app/OwnedGraphWindow.h"
#include "app/ShellCommands.h"
#include "expr/RandomGenerator.h"
#include "platform/FileIO.h"
#include "platform/Platform.h"
#include "platform/ScreenPlacement.h"
#include "resources/Resources.h"
#include "space/TPlot3Win.h"

#include <algorithm>
#include <string_view>

#ifndef KORVANE_VERSION
#define KORVANE_VERSION "?"
#endif

namespace korvane {

namespace {

constexpr const char* kIniName = "kv.ini";
constexpr const char* kHelpName = "PROGHELP";
constexpr const char* kMessageCaption = "hmm...";

std::string StringOrEmpty(int id) {
    const char* text = res::String(id);
    return text ? text : "";
}

std::string NumberedTitle(int prefixId, int number, const char* extension) {
    return StringOrEmpty(prefixId) + std::to_string(number) + extension;
}

} // namespace

TPlotFrame::TPlotFrame(platform::Platform& platform, GraphWindowFactory& factory, RandomGenerator& random,
                       std::string pendingFile)
    : platform_(platform), factory_(factory), random_(random), pendingFile_(std::move(pendingFile)) {
    const std::uint32_t r = random_.Next();
    const std::uint32_t rPrime = random_.Next();
    placement_ = {int(100 + r % 200), int(20 + rPrime % 40), 200, 120, false};
    iniPath_ = platform_.ConfigDirectory() + kIniName;
    factory_.spaceTarget = [this] { return SpaceTarget(); };
}

TPlotRWin* TPlotFrame::SpaceTarget() {
    auto last = [this]() -> TPlotRWin* {
        for (auto it = windows_.rbegin(); it != windows_.rend(); ++it)
            if (auto* space = dynamic_cast<OwnedGraphWindow<TPlot3Win>*>(it->get()); space && !space->IsClosed())
                return &space->Get();
        return nullptr;
    };
    if (TPlotRWin* space = last())
        return space;
    OpenPlot3("");
    return last();
}

TPlotFrame::~TPlotFrame() {
    factory_.spaceTarget = nullptr;
    // Graph windows go first: their platform windows are owned by the frame's.
    windows_.clear();
}

void TPlotFrame::SetupWindow() {
    platform::WindowSpec request;
    request.title = "Korvane";
    request.menu = "PLOTMENU";
    request.accelerators = "PLOTMENU";
    request.kind = platform::WindowKind::Frame;
    request.clientSize = {placement_.width, placement_.height};
    window_ = platform_.CreateWindow(request, *this);
    ReadSettings();
    window_->SetPlacement({placement_.x, placement_.y, placement_.width, placement_.height, false});
    ShowCheckMarks();
    window_->AcceptDrops(true);
}

void TPlotFrame::Show() {
    window_->Show();
    window_->RequestRepaint();
}

void TPlotFrame::ReadSettings() {
    std::vector<std::uint8_t> bytes;
    std::optional<FrameSettings> stored;
    if (ReadWholeFile(iniPath_, bytes))
        stored = DecodeFrameSettings(bytes);
    if (stored) {
        placement_ = stored->placement;
        openLast_ = stored->openLast;
        useDefaults_ = stored->useDefaults;
    }
    const std::vector<platform::Rect> areas = platform_.ScreenAreas();
    if (!platform::PlacementFits(placement_, areas)) {
        const std::uint32_t r = random_.Next();
        placement_ = FallbackPlacement(r, random_.Next(), {areas.front().left, areas.front().top});
    }
    maximizePending_ = stored && stored->placement.maximized;
}

void TPlotFrame::WriteSettings() {
    FrameSettings settings;
    settings.placement = window_->GetPlacement();
    settings.placement.maximized = window_->IsMaximized();
    settings.openLast = openLast_;
    settings.useDefaults = useDefaults_;
    // A settings file that cannot be written is not worth a message at exit.
    (void)WriteFileAtomically(iniPath_, EncodeFrameSettings(settings));
}

void TPlotFrame::OnPaint(platform::Surface& front) {
    front.FillRect(platform::Rect::FromSize({0, 0}, front.GetSize()), kBackground);
    if (maximizePending_) {
        maximizePending_ = false;
        window_->Maximize();
    }
    // Taken out first: opening the file may paint again.
    const std::string pending = std::move(pendingFile_);
    pendingFile_.clear();
    if (!pending.empty())
        OpenFile(pending);
}

void TPlotFrame::OnCommand(int id) {
    switch (id) {
    case kCommandPlane: OpenPlot2(""); break;
    case kCommandSpace: OpenPlot3(""); break;
    case kCommandGuess: OpenGuess(); break;
    case kCommandMapper: OpenMapper(""); break;
    case kCommandOpenLast: ToggleOpenLast(); break;
    case kCommandUseDefaults: ToggleUseDefaults(); break;
    case kCommandExit: window_->Close(); break;
    case kCommandHelp: ShowHelp(); break;
    case kCommandAbout: ShowAbout(); break;
    default: break;
    }
}

void TPlotFrame::ToggleOpenLast() {
    openLast_ = !openLast_;
    if (openLast_)
        useDefaults_ = false;
    ShowCheckMarks();
}

void TPlotFrame::ToggleUseDefaults() {
    useDefaults_ = !useDefaults_;
    if (useDefaults_)
        openLast_ = false;
    ShowCheckMarks();
}

void TPlotFrame::ShowCheckMarks() {
    window_->CheckMenuItem(kCommandOpenLast, openLast_);
    window_->CheckMenuItem(kCommandUseDefaults, useDefaults_);
}

void TPlotFrame::OnDropFiles(const std::vector<std::string>& paths) {
    for (const std::string& path : paths)
        OpenFile(path);
}

void TPlotFrame::HandOver(const std::string& name) {
    if (window_->IsMinimized())
        window_->Restore();
    window_->BringToTop();
    if (name.size() > 1)
        OpenFile(name);
}

void TPlotFrame::OpenFile(const std::string& path) {
    switch (KindOfDocument(path)) {
    case DocumentKind::Plane: OpenPlot2(path); break;
    case DocumentKind::Space: OpenPlot3(path); break;
    case DocumentKind::Mapper: OpenMapper(path); break;
    case DocumentKind::None: break;
    }
}

WindowOptions TPlotFrame::OptionsFor(std::string title, bool hasNotebook, const std::string& path) const {
    WindowOptions options;
    options.title = std::move(title);
    options.hasNotebook = hasNotebook;
    options.openLast = openLast_;
    options.readSettings = !useDefaults_;
    options.startFile = path;
    return options;
}

void TPlotFrame::OpenPlot2(const std::string& path) {
    const WindowOptions options = OptionsFor(NumberedTitle(29, count2_ + 1, ".kv2"), true, path);
    auto window = factory_.CreatePlane(options, window_.get());
    if (!window)
        return;
    ++count2_;
    Adopt(std::move(window), "plane", options);
}

void TPlotFrame::OpenPlot3(const std::string& path) {
    const WindowOptions options = OptionsFor(NumberedTitle(29, count3_ + 1, ".kv3"), true, path);
    auto window = factory_.CreateSpace(options, window_.get());
    if (!window)
        return;
    ++count3_;
    Adopt(std::move(window), "space", options);
}

void TPlotFrame::OpenGuess() {
    WindowOptions options = OptionsFor(StringOrEmpty(205), false, "");
    options.openLast = false;
    auto window = factory_.CreateGuess(options, window_.get());
    if (window)
        Adopt(std::move(window), "guess", options);
}

void TPlotFrame::OpenMapper(const std::string& path) {
    const WindowOptions domainOptions = OptionsFor(NumberedTitle(156, countMap_ + 1, ".ma2"), true, path);
    WindowOptions rangeOptions;
    rangeOptions.title = StringOrEmpty(157);
    rangeOptions.readSettings = false;
    auto domain = factory_.CreateMapperDomain(domainOptions, window_.get());
    if (!domain)
        return;
    auto range = factory_.CreateMapperRange(rangeOptions, window_.get());
    if (!range)
        return;
    ++countMap_;
    factory_.LinkMapper(*domain, *range);
    Adopt(std::move(domain), "mapper", domainOptions);
    Adopt(std::move(range), "mapper-range", rangeOptions);
}

void TPlotFrame::Adopt(std::unique_ptr<OwnedWindow> window, const char* kind, const WindowOptions& options) {
    ForgetClosedWindows();
    window->Show();
    windows_.push_back(std::move(window));
    if (observer_)
        observer_(kind, options.title, options.startFile);
}

void TPlotFrame::ForgetClosedWindows() {
    std::erase_if(windows_, [](const std::unique_ptr<OwnedWindow>& w) { return w->IsClosed(); });
}

std::size_t TPlotFrame::OpenWindowCount() const {
    return std::size_t(std::count_if(windows_.begin(), windows_.end(),
                                     [](const std::unique_ptr<OwnedWindow>& w) { return !w->IsClosed(); }));
}

void TPlotFrame::ShowHelp() {
    if (!help_)
        help_ = std::make_unique<HelpWindows>(platform_, window_.get(), "Korvane");
    if (const int code = help_->Show(kHelpName); code != 0)
        ShowMessage(code);
}

void TPlotFrame::ShowAbout() {
    const std::string text = std::string("Korvane ") + KORVANE_VERSION +
                             "\n\nGráficos de funções no plano e no espaço.\n\n"
                             "Feito com C++20 e Qt 6.\n"
                             "Obrigado a todos que testaram e sugeriram.";
    platform_.MessageBox(text, "Sobre Korvane", platform::MessageButtons::Ok, platform::MessageIcon::Information,
                         window_.get());
}

void TPlotFrame::ShowMessage(int code) {
    platform_.MessageBox(res::Message(code), kMessageCaption, platform::MessageButtons::Ok,
                         platform::MessageIcon::None, window_.get());
}

bool TPlotFrame::OnClose() {
    ForgetClosedWindows();
    for (const auto& w : windows_)
        if (!w->CanClose())
            return false;
    WriteSettings();
    return true;
}

void TPlotFrame::OnDestroy() {
    windows_.clear();
    platform_.Quit(0);
}

} // namespace korvane
