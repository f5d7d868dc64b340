#include "graph/TFuncWin.h"

#include "expr/ConstantText.h"

namespace korvane {

TFuncWin::TFuncWin(platform::Platform& platform, const WindowOptions& options, platform::Window* owner)
    : TZalWinm(platform, options, owner) {
    AttachUserFunctions(compiler_, functions_);
}

int TFuncWin::EvaluateNumber(const std::string& text, long double& value) {
    long double result = 0;
    const int code = EvaluateConstantText(compiler_, text, result);
    if (code == 0)
        value = result;
    return code;
}

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
