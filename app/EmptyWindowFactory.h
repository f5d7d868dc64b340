#pragma once
// The factory of the program's window kinds, the mapper pair linked once both exist.
#include "app/GraphWindowFactory.h"
#include "expr/RandomGenerator.h"

#include <memory>
#include <utility>
#include <vector>

namespace korvane {

namespace platform {
class Platform;
}
class LetterAnimator;
class TPlotAWin;

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
    void LinkMapper(OwnedWindow& domain, OwnedWindow& range) override;

private:
    // The tools, sliders and "Revolução em 3-dim" of a plane window or a mapper's domain.
    void InstallPlaneTools(TPlotAWin& window);
    // The plane windows still open, for "Janela ligada".
    std::vector<LetterAnimator*> OpenPlanes();

    std::vector<std::pair<LetterAnimator*, std::weak_ptr<int>>> planes_;

    platform::Platform& platform_;
    RandomGenerator& random_;
};

} // namespace korvane
