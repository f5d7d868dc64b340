#pragma once
// Stands in for a window kind that is not built yet: a top-level window with the title
// and options the frame chose, and a menu that can only close it.
#include "app/OwnedWindow.h"
#include "graph/WindowOptions.h"
#include "platform/WindowHandler.h"

#include <memory>
#include <string>

namespace korvane {

namespace platform {
class Platform;
class Window;
}

class EmptyGraphWindow : public OwnedWindow, public platform::WindowHandler {
public:
    // `kind` names the window kind (for example "2-dim"), shown in the empty client area.
    EmptyGraphWindow(platform::Platform& platform, const WindowOptions& options, std::string kind,
                     platform::Window* owner);
    ~EmptyGraphWindow() override;

    const WindowOptions& Options() const { return options_; }
    const std::string& Kind() const { return kind_; }
    platform::Window& GetWindow() { return *window_; }

    void Show() override;
    bool IsClosed() const override;
    bool CanClose() override { return true; } // nothing to lose

    void OnCommand(int id) override;
    void OnPaint(platform::Surface& front) override;

private:
    WindowOptions options_;
    std::string kind_;
    std::unique_ptr<platform::Window> window_;
};

} // namespace korvane
