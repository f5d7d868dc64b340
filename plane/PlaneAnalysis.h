#pragma once
// The analysis tools of the plane window's menus "&Um" and "&Dois", as the window sees
// them. They live in a layer above the window (they read its examples, view and letters),
// so the program hands them to the window after making it; a window without them (an
// export) simply has no such commands.
#include "plane/PlaneDrawing.h"
#include "platform/Surface.h"

namespace korvane {

class PlaneAnalysis {
public:
    virtual ~PlaneAnalysis() = default;

    // True when the command is one of the tools'.
    virtual bool OnCommand(int id) = 0;
    // Enables the tools' commands for the examples the window holds now.
    virtual void RefreshMenu() = 0;
    // The table of examples changed (added, edited, deleted, a document read).
    virtual void ExamplesChanged() = 0;
    // Drawn over the picture while a tool shows something (the strips of a sum).
    virtual void DrawOverlay(platform::Surface& surface) = 0;
    // The same, each point sent through the drawing's point map (the mapper's range).
    virtual void DrawOverlayThrough(PlaneDrawContext& context) { (void)context; }
    // The window is closing.
    virtual void WindowClosing() {}
};

} // namespace korvane
