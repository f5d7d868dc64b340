#include "app/EmptyGraphWindow.h"

#include "app/ShellCommands.h"
#include "platform/Platform.h"

namespace korvane {

EmptyGraphWindow::EmptyGraphWindow(platform::Platform& platform, const WindowOptions& options,
                                   std::string kind, platform::Window* owner)
    : options_(options), kind_(std::move(kind)) {
    platform::WindowSpec request;
    request.title = options_.title;
    request.menu = "EMPTYGRAPHMENU";
    request.owner = owner;
    request.kind = platform::WindowKind::Graph;
    window_ = platform.CreateWindow(request, *this);
}

EmptyGraphWindow::~EmptyGraphWindow() = default;

void EmptyGraphWindow::Show() { window_->Show(); }

bool EmptyGraphWindow::IsClosed() const { return window_->IsClosed(); }

void EmptyGraphWindow::OnCommand(int id) {
    if (id == kCommandExit)
        window_->Close();
}

void EmptyGraphWindow::OnPaint(platform::Surface& front) {
    const platform::Size size = front.GetSize();
    front.FillRect(platform::Rect::FromSize({0, 0}, size), platform::kWhite);
    front.SetTextColour(platform::kBlack);
    front.TextOut({8, 8}, kind_);
}

} // namespace korvane
