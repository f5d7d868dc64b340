#include "graph/TZalWint.h"

namespace korvane {

TZalWint::TZalWint(platform::Platform& platform, const WindowOptions& options, platform::Window* owner)
    : TGridWin(platform, options, owner) {}

void TZalWint::OnRadiiChanged(long double oldRx, long double oldRy) {
    // Scaled texts keep their place relative to the window's centre and size.
    if (oldRx > 0 && oldRy > 0)
        for (GraphText& t : texts_)
            if (t.scaled) {
                t.x = view_.cx + (t.x - view_.cx) * view_.rx / oldRx;
                t.y = view_.cy + (t.y - view_.cy) * view_.ry / oldRy;
            }
    lastRx_ = view_.rx;
    lastRy_ = view_.ry;
}

} // namespace korvane
