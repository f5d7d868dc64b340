#pragma once
// The plane graph window as the frame owns it.
#include "app/OwnedWindow.h"
#include "plane/TPlot2Win.h"

#include <memory>

namespace korvane {

class PlaneWindow : public OwnedWindow {
public:
    PlaneWindow(platform::Platform& platform, const WindowOptions& options, platform::Window* owner)
        : window_(std::make_unique<TPlot2Win>(platform, options, owner)) {}

    TPlot2Win& Plot() { return *window_; }
    void Show() override {
        if (window_->GetWindow())
            window_->GetWindow()->Show();
    }
    bool IsClosed() const override {
        platform::Window* w = window_->GetWindow();
        return !w || w->IsClosed();
    }

private:
    std::unique_ptr<TPlot2Win> window_;
};

} // namespace korvane
