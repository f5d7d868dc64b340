#include "graph/TZalWinm.h"

#include "graph/TItemDlg.h"
#include "platform/Clipboard.h"
#include "platform/Platform.h"

#include <algorithm>
#include <cmath>

namespace korvane {

namespace {

constexpr int kWidthField = 211;
constexpr int kHeightField = 212;
constexpr int kPositiveValue = 14; // "valor positivo?"
// Pictures zoomed beyond this many pixels are not drawn.
constexpr long double kMaxPixels = 1e8L;
const char* const kNoPicture = "A área de transferência não tem figura (PNG ou SVG).";

} // namespace

TZalWinm::TZalWinm(platform::Platform& platform, const WindowOptions& options, platform::Window* owner)
    : TZalWint(platform, options, owner) {}

platform::Rect TZalWinm::PictureBox(const PastedPicture& p) const {
    const long double left = view_.ToPixelX(p.x), top = view_.ToPixelY(p.y);
    const long double right = view_.ToPixelX(p.x + p.width), bottom = view_.ToPixelY(p.y - p.height);
    for (long double v : {left, top, right, bottom})
        if (!(std::fabs(v) < kMaxPixels))
            return {};
    return {int(std::lround(left)), int(std::lround(top)), int(std::lround(right)), int(std::lround(bottom))};
}

void TZalWinm::DrawPicture(platform::Surface& surface, const PastedPicture& p) {
    const platform::Rect box = PictureBox(p);
    const platform::Rect client =
        platform::Rect::FromSize({view_.offsetX, view_.offsetY}, {view_.clientW, view_.clientH});
    const platform::Rect shown = box.Intersected(client);
    if (box.Empty() || shown.Empty())
        return;
    const platform::Rect part{shown.left - box.left, shown.top - box.top, shown.right - box.left,
                              shown.bottom - box.top};
    const auto picture = platform_.RenderPicture(p.data, {box.Width(), box.Height()}, part, BackgroundRgb());
    if (picture)
        surface.Blit({shown.left, shown.top}, *picture, platform::Rect::FromSize({0, 0}, picture->GetSize()));
}

void TZalWinm::DrawBase(platform::Surface& surface) {
    for (const PastedPicture& p : pictures_)
        DrawPicture(surface, p);
    TZalWint::DrawBase(surface);
}

int TZalWinm::PictureAt(platform::Point at) const {
    for (int i = int(pictures_.size()) - 1; i >= 0; --i)
        if (PictureBox(pictures_[std::size_t(i)]).Contains(at))
            return i;
    return -1;
}

int TZalWinm::AskPictureSize(long double& width, long double& height, bool canDelete) {
    std::vector<std::pair<int, std::string>> typed{{kWidthField, format_.Format(width)},
                                                   {kHeightField, format_.Format(height)}};
    for (;;) {
        TItemDlg dialog(typed, canDelete);
        const int result = platform_.RunModal("METADLG", dialog, window_.get());
        if (result != platform::ResultOk)
            return result;
        // Asked again with what was typed when refused, so that nothing typed is lost.
        typed = {{kWidthField, dialog.Field(kWidthField)}, {kHeightField, dialog.Field(kHeightField)}};
        long double w = 0, h = 0;
        int code = EvaluateNumber(dialog.Field(kWidthField), w);
        if (code == 0)
            code = EvaluateNumber(dialog.Field(kHeightField), h);
        if (code == 0 && !(w >= 1e-18L && h >= 1e-18L && std::isfinite(w) && std::isfinite(h)))
            code = kPositiveValue;
        if (code == 0) {
            width = w;
            height = h;
            return result;
        }
        ShowMessage(code);
    }
}

void TZalWinm::PastePicture(platform::Point at) {
    const std::optional<std::vector<std::uint8_t>> data = platform_.GetClipboard().GetPictureData();
    const auto format = data ? SniffPictureFormat(*data) : std::nullopt;
    const auto size = format ? platform_.PictureSize(*data) : std::nullopt;
    if (!size || size->Empty()) {
        platform_.MessageBox(kNoPicture, "hmm...", platform::MessageButtons::Ok, platform::MessageIcon::None,
                             window_.get());
        return;
    }
    // At first the picture keeps its own size in pixels.
    long double width = size->width * view_.unitX, height = size->height * view_.unitY;
    if (AskPictureSize(width, height, false) != platform::ResultOk)
        return;
    pictures_.push_back({view_.ToWorldX(at.x), view_.ToWorldY(at.y), width, height, *format, *data});
    SetModified();
    Redraw(1);
}

void TZalWinm::EditPicture(int index) {
    if (index < 0 || index >= int(pictures_.size()))
        return;
    PastedPicture& p = pictures_[std::size_t(index)];
    long double width = p.width, height = p.height;
    const int result = AskPictureSize(width, height, true);
    if (result == kDeleteButton)
        pictures_.erase(pictures_.begin() + index);
    else if (result == platform::ResultOk && (width != p.width || height != p.height))
        p.width = width, p.height = height;
    else
        return;
    SetModified();
    Redraw(1);
}

void TZalWinm::ShowOutline(std::optional<platform::Rect> box) {
    if (!window_)
        return;
    platform::Surface& front = window_->FrontSurface();
    front.SetDrawMode(platform::DrawMode::NotXor);
    front.SetPen({platform::kBlack, 1, platform::PenStyle::Dotted});
    front.SetBrush({platform::kWhite, platform::BrushStyle::Hollow});
    // Drawn again, the outline shown erases itself.
    if (outline_)
        front.Rectangle(*outline_);
    outline_ = box;
    if (outline_)
        front.Rectangle(*outline_);
    front.SetDrawMode(platform::DrawMode::Copy);
    window_->Present();
}

void TZalWinm::OnModeMouse(const platform::MouseEvent& mouse) {
    if (mouseMode_ != cmd::kMousePaste) {
        TZalWint::OnModeMouse(mouse);
        return;
    }
    if (mouse.action == platform::MouseAction::Down && mouse.button == platform::ButtonRight) {
        PastePicture(mouse.position);
        return;
    }
    ItemMouse(
        mouse, pictureDrag_,
        [this](platform::Point at) -> std::optional<ItemDrag> {
            const int i = PictureAt(at);
            if (i < 0)
                return std::nullopt;
            return ItemDrag{i, at, pictures_[std::size_t(i)].x, pictures_[std::size_t(i)].y, false};
        },
        [this](int i, long double x, long double y, bool done) {
            // Redrawing the graph at every move would be slow: an outline follows the
            // pointer and the picture moves when the button is let go.
            ShowOutline(std::nullopt);
            PastedPicture moved = pictures_[std::size_t(i)];
            moved.x = x;
            moved.y = y;
            if (!done) {
                ShowOutline(PictureBox(moved));
                return;
            }
            pictures_[std::size_t(i)] = std::move(moved);
            Redraw(1);
        },
        [this](int i) { EditPicture(i); });
}

} // namespace korvane
