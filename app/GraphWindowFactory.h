#pragma once
// Makes the graph windows that the frame opens, one call per kind. A null result means
// the window could not be made; the frame then leaves its counters as they were.
#include "app/OwnedWindow.h"
#include "graph/WindowOptions.h"

#include <functional>
#include <memory>

namespace korvane {

namespace platform {
class Window;
}
class TPlotRWin;

class GraphWindowFactory {
public:
    virtual ~GraphWindowFactory() = default;

    virtual std::unique_ptr<OwnedWindow> CreatePlane(const WindowOptions& options, platform::Window* owner) = 0;
    virtual std::unique_ptr<OwnedWindow> CreateSpace(const WindowOptions& options, platform::Window* owner) = 0;
    // The space window that a plane window's "Revolução em 3-dim" sends its curve to: the
    // last one opened, or a new one; set by the frame. Null when there is none.
    std::function<TPlotRWin*()> spaceTarget;

    virtual std::unique_ptr<OwnedWindow> CreateGuess(const WindowOptions& options, platform::Window* owner) = 0;
    virtual std::unique_ptr<OwnedWindow> CreateMapperDomain(const WindowOptions& options,
                                                            platform::Window* owner) = 0;
    virtual std::unique_ptr<OwnedWindow> CreateMapperRange(const WindowOptions& options,
                                                           platform::Window* owner) = 0;
    // Each window of the mapper pair keeps the other; called once both exist, before
    // they are shown.
    virtual void LinkMapper(OwnedWindow& domain, OwnedWindow& range) {
        (void)domain;
        (void)range;
    }
};

} // namespace korvane
