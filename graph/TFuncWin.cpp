#include "graph/TFuncWin.h"

namespace korvane {

TFuncWin::TFuncWin(platform::Platform& platform, const WindowOptions& options, platform::Window* owner)
    : TZalWinm(platform, options, owner) {}

void TFuncWin::OnPaint(platform::Surface& front) {
    PictureLayers::PaintRequest request;
    request.size = ClientSize();
    request.offset = PictureOffset();
    request.background = BackgroundRgb();
    request.pictureValid = pictureValid_;
    request.gridChanged = gridChanged_;
    request.drawBase = [this](platform::Surface& s) { DrawBase(s); };
    request.drawOverlay = [this](platform::Surface& s) { DrawOverlay(s); };
    if (layers_.Paint(front, request))
        ++baseRebuilds_;
    pictureValid_ = true;
    gridChanged_ = false;
}

} // namespace korvane
