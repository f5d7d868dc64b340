#pragma once
// The frame's hold on a graph window of any kind W: W makes its own platform window,
// offers it through GetWindow(), and asks its own close question in OnClose (the one the
// user meets when closing that window alone). Exiting the program asks that same question
// of every open window in turn, so a window kind joins the exit by nothing more than
// `std::make_unique<OwnedGraphWindow<TPlot3Win>>(platform, options, owner)` in the factory.
#include "app/OwnedWindow.h"
#include "platform/Window.h"

#include <memory>
#include <utility>

namespace korvane {

template <class W>
class OwnedGraphWindow : public OwnedWindow {
public:
    template <class... Args>
    explicit OwnedGraphWindow(Args&&... args) : window_(std::make_unique<W>(std::forward<Args>(args)...)) {}

    W& Get() { return *window_; }

    void Show() override {
        if (platform::Window* w = window_->GetWindow())
            w->Show();
    }
    bool IsClosed() const override {
        const platform::Window* w = window_->GetWindow();
        return !w || w->IsClosed();
    }
    bool CanClose() override { return IsClosed() || window_->OnClose(); }

private:
    std::unique_ptr<W> window_;
};

} // namespace korvane
