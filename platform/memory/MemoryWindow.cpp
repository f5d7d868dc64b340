#include "platform/memory/MemoryWindow.h"

#include "platform/KeyRules.h"
#include "platform/memory/MemoryPlatform.h"

#include <utility>

namespace korvane::platform {
namespace {

std::map<int, MenuItemState> MenuItems(const WindowSpec& request) {
    std::map<int, MenuItemState> items;
    for (const res::MenuItem& item : request.menuItems.empty() ? res::Menu(request.menu) : request.menuItems)
        if (item.kind == res::MenuItem::Command)
            items[item.id] = MenuItemState{item.text ? item.text : "", false, true};
    return items;
}

} // namespace

MemoryWindow::MemoryWindow(MemoryPlatform* platform, const WindowSpec& request, WindowHandler& handler)
    : platform_(platform), request_(request), handler_(handler), accelerators_(request.acceleratorKeys.empty() ? res::Accelerators(request.accelerators) : request.acceleratorKeys),
      menu_(MenuItems(request)), title_(request.title), front_(request.clientSize),
      placement_{0, 0, request.clientSize.width, request.clientSize.height, false} {
    if (request.kind == WindowKind::Text)
        edit_ = std::make_unique<MemoryTextEdit>(platform_ ? &platform_->GetClipboard() : nullptr,
                                                 [this] { handler_.OnTextState(); });
    if (platform_)
        platform_->Register(this);
}

MemoryWindow::~MemoryWindow() {
    if (platform_)
        platform_->Unregister(this);
}

void MemoryWindow::SetTitle(const std::string& title) {
    title_ = title;
    titles_.push_back(title);
}

void MemoryWindow::CheckMenuItem(int id, bool checked) {
    if (auto it = menu_.find(id); it != menu_.end())
        it->second.checked = checked;
}

bool MemoryWindow::IsMenuItemChecked(int id) const {
    const auto it = menu_.find(id);
    return it != menu_.end() && it->second.checked;
}

void MemoryWindow::EnableMenuItem(int id, bool enabled) {
    if (auto it = menu_.find(id); it != menu_.end())
        it->second.enabled = enabled;
}

void MemoryWindow::SetMenuItemText(int id, const std::string& text) {
    if (auto it = menu_.find(id); it != menu_.end())
        it->second.text = text;
}

const MenuItemState* MemoryWindow::MenuItem(int id) const {
    const auto it = menu_.find(id);
    return it == menu_.end() ? nullptr : &it->second;
}

void MemoryWindow::RequestRepaint() {
    if (!closed_)
        repaintPending_ = true;
}

void MemoryWindow::SetPlacement(const Placement& placement) {
    placement_ = placement;
    placement_.maximized = false;
    if (placement.maximized)
        Maximize();
}

void MemoryWindow::StartTimer(int id, int milliseconds) {
    if (!closed_)
        timers_[id] = milliseconds;
}

std::optional<int> MemoryWindow::TimerInterval(int id) const {
    const auto it = timers_.find(id);
    return it == timers_.end() ? std::nullopt : std::optional<int>(it->second);
}

int MemoryWindow::PeekKey() {
    ++peekCount_;
    if (onPeek)
        onPeek(*this);
    if (keys_.empty())
        return 0;
    const QueuedKey k = keys_.front();
    keys_.pop_front();
    if (std::optional<int> command = FindAccelerator(accelerators_, k.key, k.modifiers)) {
        deferredCommands_.push_back(*command);
        return kStopKey;
    }
    return k.key;
}

bool MemoryWindow::RunDeferredCommands() {
    if (deferredCommands_.empty())
        return false;
    const std::vector<int> commands = std::exchange(deferredCommands_, {});
    for (int id : commands)
        if (!closed_)
            handler_.OnCommand(id);
    return true;
}

void MemoryWindow::Close() {
    if (closed_ || !handler_.OnClose())
        return;
    closed_ = true;
    visible_ = false;
    repaintPending_ = false;
    timers_.clear();
    handler_.OnDestroy();
}

void MemoryWindow::PressKey(int key, int modifiers, const std::string& text) {
    if (std::optional<int> command = FindAccelerator(accelerators_, key, modifiers)) {
        handler_.OnCommand(*command);
        return;
    }
    handler_.OnKey(KeyEvent{key, modifiers, text});
}

void MemoryWindow::QueueKey(int key, int modifiers) {
    keys_.push_back({key, modifiers});
}

bool MemoryWindow::ChooseMenu(int id) {
    const MenuItemState* item = MenuItem(id);
    if (!item || !item->enabled)
        return false;
    handler_.OnCommand(id);
    return true;
}

bool MemoryWindow::FireTimer(int id) {
    if (!timers_.count(id))
        return false;
    handler_.OnTimer(id);
    return true;
}

bool MemoryWindow::DropFiles(const std::vector<std::string>& paths) {
    if (!acceptsDrops_ || closed_)
        return false;
    handler_.OnDropFiles(paths);
    return true;
}

void MemoryWindow::Resize(Size client) {
    if (painting_) {
        pendingSize_ = client;
        return;
    }
    pendingSize_.reset();
    RasterSurface resized(client);
    resized.BlitAll(front_);
    front_ = std::move(resized);
    placement_.width = client.width;
    placement_.height = client.height;
    handler_.OnSize(client);
    RequestRepaint();
}

bool MemoryWindow::RunPendingRepaint() {
    if (!repaintPending_ || painting_ || closed_)
        return false;
    repaintPending_ = false;
    painting_ = true;
    ++paintCount_;
    handler_.OnPaint(front_);
    painting_ = false;
    RunDeferredCommands();
    if (pendingSize_)
        Resize(*pendingSize_);
    return true;
}

} // namespace korvane::platform
