#include "app/EmptyWindowFactory.h"

#include "analysis/AnalysisTools.h"
#include "app/OwnedGraphWindow.h"
#include "plane/ExampleRecord.h"
#include "plane/TPlot2Win.h"
#include "space/TPlot3Win.h"
#include "windows/TDom2Win.h"
#include "windows/TRan2Win.h"
#include "windows/TPlotGWin.h"

namespace korvane {

std::unique_ptr<OwnedWindow> EmptyWindowFactory::CreatePlane(const WindowOptions& options, platform::Window* owner) {
    auto plane = std::make_unique<OwnedGraphWindow<TPlot2Win>>(platform_, options, owner);
    InstallPlaneTools(plane->Get());
    return plane;
}

void EmptyWindowFactory::InstallPlaneTools(TPlotAWin& window) {
    InstallAnalysisTools(window);
    window.sendToSpace = [this](const ExampleRecord& e) {
        if (TPlotRWin* space = spaceTarget ? spaceTarget() : nullptr)
            space->AddRevolution(e);
    };
    LetterAnimator& animator = window.Animator();
    planes_.emplace_back(&animator, animator.AliveToken());
    animator.peers = [this] { return OpenPlanes(); };
}

std::vector<LetterAnimator*> EmptyWindowFactory::OpenPlanes() {
    std::erase_if(planes_, [](const auto& p) { return p.second.expired(); });
    std::vector<LetterAnimator*> open;
    for (const auto& p : planes_)
        if (!p.first->Window().GetWindow() || !p.first->Window().GetWindow()->IsClosed())
            open.push_back(p.first);
    return open;
}
std::unique_ptr<OwnedWindow> EmptyWindowFactory::CreateSpace(const WindowOptions& options, platform::Window* owner) {
    return std::make_unique<OwnedGraphWindow<TPlot3Win>>(platform_, options, owner);
}
std::unique_ptr<OwnedWindow> EmptyWindowFactory::CreateGuess(const WindowOptions& options, platform::Window* owner) {
    return std::make_unique<OwnedGraphWindow<TPlotGWin>>(platform_, options, owner, random_);
}
std::unique_ptr<OwnedWindow> EmptyWindowFactory::CreateMapperDomain(const WindowOptions& options,
                                                                    platform::Window* owner) {
    auto domain = std::make_unique<OwnedGraphWindow<TDom2Win>>(platform_, options, owner);
    InstallPlaneTools(domain->Get());
    return domain;
}
std::unique_ptr<OwnedWindow> EmptyWindowFactory::CreateMapperRange(const WindowOptions& options,
                                                                   platform::Window* owner) {
    return std::make_unique<OwnedGraphWindow<TRan2Win>>(platform_, options, owner);
}

void EmptyWindowFactory::LinkMapper(OwnedWindow& domain, OwnedWindow& range) {
    auto* d = dynamic_cast<OwnedGraphWindow<TDom2Win>*>(&domain);
    auto* r = dynamic_cast<OwnedGraphWindow<TRan2Win>*>(&range);
    if (d && r)
        d->Get().AttachRange(r->Get());
}

} // namespace korvane
