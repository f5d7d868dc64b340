#pragma once
// The factory used until each window kind exists: every kind opens as an EmptyGraphWindow.
#include "app/GraphWindowFactory.h"

namespace korvane {

namespace platform {
class Platform;
}

class EmptyWindowFactory : public GraphWindowFactory {
public:
    explicit EmptyWindowFactory(platform::Platform& platform) : platform_(platform) {}

    std::unique_ptr<OwnedWindow> CreatePlane(const WindowOptions& options, platform::Window* owner) override;
    std::unique_ptr<OwnedWindow> CreateSpace(const WindowOptions& options, platform::Window* owner) override;
    std::unique_ptr<OwnedWindow> CreateGuess(const WindowOptions& options, platform::Window* owner) override;
    std::unique_ptr<OwnedWindow> CreateMapperDomain(const WindowOptions& options, platform::Window* owner) override;
    std::unique_ptr<OwnedWindow> CreateMapperRange(const WindowOptions& options, platform::Window* owner) override;

private:
    std::unique_ptr<OwnedWindow> Make(const WindowOptions& options, const char* kind, platform::Window* owner);

    platform::Platform& platform_;
};

} // namespace korvane
