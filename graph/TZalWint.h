#pragma once
// Label level: texts placed on the graph at world points, drawn over the picture, and
// edited with the mouse in mode 123 (the right button adds one, the left one moves a
// label or, clicked, edits or deletes it). Labels follow view changes through the radii
// hand-over.
#include "graph/GraphText.h"
#include "graph/TGridWin.h"

#include <optional>
#include <string>
#include <vector>

namespace korvane {

inline constexpr int kFontLabels = 2; // texts placed on the graph

class TZalWint : public TGridWin {
public:
    TZalWint(platform::Platform& platform, const WindowOptions& options, platform::Window* owner);

    std::vector<GraphText>& Texts() { return texts_; }
    long double LastRadiusX() const { return lastRx_; }
    long double LastRadiusY() const { return lastRy_; }

    void DrawOverlay(platform::Surface& surface) override;
    // The label under a client pixel (the one drawn last), or -1.
    int TextAt(platform::Point at);
    // "NEWTEXT" for a label at a client pixel; an empty text adds nothing.
    void NewText(platform::Point at);
    // "NEWTEXT" for a label on the graph: "ok" with no text or "apagar" deletes it.
    void EditText(int index);

protected:
    void OnRadiiChanged(long double oldRx, long double oldRy) override;
    void OnModeMouse(const platform::MouseEvent& mouse) override;
    // Where a label or picture is put down while the left button drags it.
    struct ItemDrag {
        int index = -1;
        platform::Point pressed;
        long double x = 0, y = 0; // its world point when pressed
        bool moved = false;
    };
    // Follows the drag to `at`; true once the mouse has left the pressed spot.
    bool DragTo(ItemDrag& drag, platform::Point at, long double& x, long double& y);
    // Left-button drags and clicks, common to labels and pictures: `hit` finds the item
    // under a pixel (index and world point), `place` puts it at a world point (the last
    // time with `done`), `click` edits it.
    template <typename Hit, typename Place, typename Click>
    void ItemMouse(const platform::MouseEvent& mouse, ItemDrag& drag, Hit hit, Place place, Click click);

    std::vector<GraphText> texts_;

private:
    platform::Rect TextBox(platform::Surface& surface, const GraphText& text) const;

    ItemDrag textDrag_;
    long double lastRx_ = 5, lastRy_ = 5;
};

template <typename Hit, typename Place, typename Click>
void TZalWint::ItemMouse(const platform::MouseEvent& mouse, ItemDrag& drag, Hit hit, Place place, Click click) {
    using platform::MouseAction;
    if (mouse.action == MouseAction::Down && mouse.button == platform::ButtonLeft) {
        drag = {};
        if (const std::optional<ItemDrag> found = hit(mouse.position)) {
            drag = *found;
            drag.pressed = mouse.position;
            if (window_)
                window_->CaptureMouse();
        }
        return;
    }
    if (drag.index < 0)
        return;
    long double x = drag.x, y = drag.y;
    if (mouse.action == MouseAction::Move) {
        if (DragTo(drag, mouse.position, x, y))
            place(drag.index, x, y, false);
        return;
    }
    if (mouse.action != MouseAction::Up || mouse.button != platform::ButtonLeft)
        return;
    if (window_)
        window_->ReleaseMouse();
    ItemDrag done = drag;
    drag = {};
    if (DragTo(done, mouse.position, x, y)) {
        place(done.index, x, y, true);
        SetModified();
    } else {
        click(done.index);
    }
}

} // namespace korvane
