#pragma once
// The world window of a graph window and its mapping to client pixels, with the stack of
// previous views. A plain value: the window level wires it to commands and repaints.
#include "expr/Arithmetic.h"

#include <cstdint>
#include <vector>

namespace korvane {

// The language's rounding as a pixel coordinate; NaN gives 0. The conversion goes
// through double, whose truncation leaves the x87 control word alone.
inline std::int32_t RoundToInt(long double v) {
    return v == v ? static_cast<std::int32_t>(static_cast<double>(RoundHalfDown(v))) : 0;
}

struct SavedView {
    long double a, b, c, d; // cx, cy, rx, ry in square mode; xmin, xmax, ymin, ymax in corner mode
    bool independent;
    long double aspect;
};

struct PixelPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

// Cuts a segment to the box left <= x <= right, bottom <= y <= top (pixel boxes pass their
// top edge as `bottom`); false when nothing is left.
bool ClipToBox(long double& x0, long double& y0, long double& x1, long double& y1, long double left,
               long double right, long double bottom, long double top);

class View {
public:
    View();

    // World state.
    long double cx = 0, cy = 0;
    long double rx = 5, ry = 5;
    long double xmin = -5, xmax = 5, ymin = -5, ymax = 5;
    long double aspect = 1;
    bool independent = false;

    // Pixel side.
    int clientW = 500, clientH = 500;
    std::int16_t offsetX = 0, offsetY = 0;
    long double unitX = 0.02L, unitY = 0.02L;
    long double pixX = 50, pixY = 50;

    // Pixel sizes that follow the mapping (set by the drawing level).
    int tickLen = 10, arrowLen = 7, markSize = 5;
    long double halfTickX = 0, halfTickY = 0, arrowX = 0, arrowY = 0, halfMarkX = 0, halfMarkY = 0;

    long double zoomFactor = 1.1L;
    long double step = 0.05L;

    std::vector<SavedView> previousViews;

    // Client size from right-left, bottom-top; both are kept at least 1.
    void SetClientSize(int width, int height);
    void Recompute();

    void PushView();
    bool PopView();
    void ClearViews() { previousViews.clear(); }
    bool HasPreviousView() const { return !previousViews.empty(); }

    void SetSquareView(long double centerX, long double centerY, long double radiusX);
    void SetView(long double centerX, long double centerY, long double radiusX, long double radiusY,
                 bool cornerMode);
    // Zoom box and other corner requests: push, corner mode, recompute.
    void SetCorners(long double left, long double right, long double bottom, long double top);

    // The "Ver" commands.
    void Zoom(long double factor);
    // Zoom that keeps the world point (x, y) where it is on the screen.
    void ZoomAbout(long double x, long double y, long double factor);
    void Move(long double fractionX, long double fractionY);
    bool MakeSquare(); // false when already square
    void RestoreDefault();

    // Mappings.
    long double ToPixelX(long double x) const { return offsetX + pixX * (x - xmin); }
    long double ToPixelY(long double y) const { return offsetY + pixY * (ymax - y); }
    std::int32_t ToPixelXInt(long double x) const;
    std::int32_t ToPixelYInt(long double y) const;
    // True when the point falls inside the client area.
    bool ToPixelPoint(long double x, long double y, PixelPoint& out) const;
    // Same integers; false when a coordinate was clamped.
    bool ToPixelPointUnclamped(long double x, long double y, PixelPoint& out) const {
        return OffsetsToPixelPoint(PixelOffsetX(x), PixelOffsetY(y), out);
    }
    // The same from the offsets of PixelOffsetX and PixelOffsetY.
    bool OffsetsToPixelPoint(long double fromLeft, long double fromTop, PixelPoint& out) const {
        bool clamped = false;
        const std::int32_t px = Clamp(fromLeft, clientW, clamped);
        const std::int32_t py = Clamp(fromTop, clientH, clamped);
        out = {px + offsetX, py + offsetY};
        return !clamped;
    }
    // The mapping before rounding, clamping and the client offsets.
    long double PixelOffsetX(long double x) const { return pixX * (x - xmin); }
    long double PixelOffsetY(long double y) const { return pixY * (ymax - y); }
    long double ToWorldX(int px) const { return xmin + unitX * (px - offsetX); }
    long double ToWorldY(int py) const { return ymax - unitY * (py - offsetY); }

    bool Inside(long double x, long double y) const { return x >= xmin && x <= xmax && y >= ymin && y <= ymax; }
    // Clips a world segment against the window less one pixel on every side; false when
    // nothing is left. A segment with both ends inside is kept as it is.
    bool ClipSegment(long double& x0, long double& y0, long double& x1, long double& y1) const;

private:
    void RecomputeDerived();
    static std::int32_t Clamp(long double v, int limit, bool& clamped) {
        if (v > limit) {
            clamped = true;
            return limit + 1;
        }
        if (!(v >= 0)) { // NaN as well
            clamped = true;
            return -1;
        }
        return static_cast<std::int32_t>(static_cast<double>(RoundNonNegative(v)));
    }
};

} // namespace korvane
