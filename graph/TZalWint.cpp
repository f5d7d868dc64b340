#include "graph/TZalWint.h"

#include "graph/TItemDlg.h"
#include "platform/Platform.h"

#include <cmath>
#include <cstdlib>

namespace korvane {

namespace {

constexpr int kTextField = 211;
// A press that moves less than this is a click.
constexpr int kDragSlack = 2;
// Far-away labels are not drawn: their pixels would not fit in an int.
constexpr long double kMaxPixel = 1e7L;

} // namespace

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

platform::Rect TZalWint::TextBox(platform::Surface& surface, const GraphText& t) const {
    const long double px = view_.ToPixelX(t.x), py = view_.ToPixelY(t.y);
    if (!(std::fabs(px) < kMaxPixel) || !(std::fabs(py) < kMaxPixel))
        return {};
    surface.SetFont(FontSpecOf(t.font));
    const platform::Size extent = surface.TextExtent(t.text);
    return platform::Rect::FromSize({int(std::lround(px)), int(std::lround(py))}, extent);
}

void TZalWint::DrawOverlay(platform::Surface& surface) {
    TGridWin::DrawOverlay(surface);
    surface.SetBackgroundMode(platform::BackgroundMode::Transparent);
    surface.SetTextAlign(platform::AlignLeft | platform::AlignTop);
    for (const GraphText& t : texts_) {
        const platform::Rect box = TextBox(surface, t);
        if (box.Empty())
            continue;
        surface.SetTextColour(FontColour(t.font));
        surface.TextOut({box.left, box.top}, t.text);
    }
}

int TZalWint::TextAt(platform::Point at) {
    if (!window_)
        return -1;
    for (int i = int(texts_.size()) - 1; i >= 0; --i)
        if (TextBox(window_->FrontSurface(), texts_[std::size_t(i)]).Contains(at))
            return i;
    return -1;
}

void TZalWint::NewText(platform::Point at) {
    TItemDlg dialog({{kTextField, ""}}, false);
    if (platform_.RunModal("NEWTEXT", dialog, window_.get()) != platform::ResultOk ||
        dialog.Field(kTextField).empty())
        return;
    texts_.push_back({view_.ToWorldX(at.x), view_.ToWorldY(at.y), dialog.Field(kTextField), kFontLabels, false});
    SetModified();
    Redraw(0);
}

void TZalWint::EditText(int index) {
    if (index < 0 || index >= int(texts_.size()))
        return;
    GraphText& t = texts_[std::size_t(index)];
    TItemDlg dialog({{kTextField, t.text}}, true);
    const int result = platform_.RunModal("NEWTEXT", dialog, window_.get());
    if (result == platform::ResultOk && !dialog.Field(kTextField).empty()) {
        if (dialog.Field(kTextField) == t.text)
            return;
        t.text = dialog.Field(kTextField);
    } else if (result == platform::ResultOk || result == kDeleteButton) {
        texts_.erase(texts_.begin() + index);
    } else {
        return;
    }
    SetModified();
    Redraw(0);
}

bool TZalWint::DragTo(ItemDrag& drag, platform::Point at, long double& x, long double& y) {
    const int dx = at.x - drag.pressed.x, dy = at.y - drag.pressed.y;
    if (!drag.moved && std::abs(dx) <= kDragSlack && std::abs(dy) <= kDragSlack)
        return false;
    drag.moved = true;
    x = drag.x + dx * view_.unitX;
    y = drag.y - dy * view_.unitY;
    return true;
}

void TZalWint::OnModeMouse(const platform::MouseEvent& mouse) {
    if (mouseMode_ != cmd::kMouseText)
        return;
    if (mouse.action == platform::MouseAction::Down && mouse.button == platform::ButtonRight) {
        NewText(mouse.position);
        return;
    }
    ItemMouse(
        mouse, textDrag_,
        [this](platform::Point at) -> std::optional<ItemDrag> {
            const int i = TextAt(at);
            if (i < 0)
                return std::nullopt;
            return ItemDrag{i, at, texts_[std::size_t(i)].x, texts_[std::size_t(i)].y, false};
        },
        [this](int i, long double x, long double y, bool) {
            texts_[std::size_t(i)].x = x;
            texts_[std::size_t(i)].y = y;
            Redraw(0);
        },
        [this](int i) { EditText(i); });
}

} // namespace korvane
