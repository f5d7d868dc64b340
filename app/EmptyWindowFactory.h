#pragma once
// The factory of the program's window kinds; a kind that is not built yet opens as an
// EmptyGraphWindow.
#include "app/GraphWindowFactory.h"
#include "expr/RandomGenerator.h"

#include <memory>
#include <utility>
#include <vector>

namespace korvane {

namespace platform {
class Platform;
}
class PlaneAnimator;

class EmptyWindowFactory : public GraphWindowFactory {
public:
    // The game draws from `random`, the program's generator.
    explicit EmptyWindowFactory(platform::Platform& platform, RandomGenerator& random = RandomGenerator::Program())
        : platform_(platform), random_(random) {}

    std::unique_ptr<OwnedWindow> CreatePlane(const WindowOptions& options, platform::Window* owner) override;
    std::unique_ptr<OwnedWindow> CreateSpace(const WindowOptions& options, platform::Window* owner) override;
    std::unique_ptr<OwnedWindow> CreateGuess(const WindowOptions& options, platform::Window* owner) override;
    std::unique_ptr<OwnedWindow> CreateMapperDomain(const WindowOptions& options, platform::Window* owner) override;
    std::unique_ptr<OwnedWindow> CreateMapperRange(const WindowOptions& options, platform::Window* owner) override;

private:
    std::unique_ptr<OwnedWindow> Make(const WindowOptions& options, const char* kind, platform::Window* owner);
    // The plane windows still open, for "Janela ligada".
    std::vector<PlaneAnimator*> OpenPlanes();

    std::vector<std::pair<PlaneAnimator*, std::weak_ptr<int>>> planes_;

    platform::Platform& platform_;
    RandomGenerator& random_;
};

} // namespace korvane
