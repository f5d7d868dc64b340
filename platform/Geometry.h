#pragma once
// Integer pixel geometry shared by windows and surfaces. Pixel y grows downward; a Rect
// holds its left/top edge and excludes its right/bottom edge.
#include <algorithm>

namespace korvane::platform {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int width = 0;
    int height = 0;
    bool Empty() const { return width <= 0 || height <= 0; }
    friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    static Rect FromSize(Point origin, Size size) {
        return {origin.x, origin.y, origin.x + size.width, origin.y + size.height};
    }
    // The rectangle spanned by two corners given in any order (rubber bands).
    static Rect Spanning(Point a, Point b) {
        return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
    }
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Empty() const { return right <= left || bottom <= top; }
    bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    Rect Intersected(const Rect& o) const {
        return {std::max(left, o.left), std::max(top, o.top), std::min(right, o.right),
                std::min(bottom, o.bottom)};
    }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// What a window manager's frame adds on each side of a top-level window.
struct FrameMargins {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const FrameMargins&, const FrameMargins&) = default;
};

// A stored placement is the framed (outer) size; the toolkit sizes the inner one.
inline Size InnerSizeOf(Size outer, FrameMargins m) {
    return {std::max(1, outer.width - m.left - m.right), std::max(1, outer.height - m.top - m.bottom)};
}
inline Size OuterSizeOf(Size inner, FrameMargins m) {
    return {inner.width + m.left + m.right, inner.height + m.top + m.bottom};
}

} // namespace korvane::platform
