#include "graph/View.h"

#include <cmath>

namespace korvane {

View::View() { RecomputeDerived(); }

void View::SetClientSize(int width, int height) {
    // A zero width would make every unit infinite; the height rule covers both axes.
    clientW = width < 1 ? 1 : width;
    clientH = height < 1 ? 1 : height;
}

void View::Recompute() {
    if (!independent) {
        ry = rx * aspect * clientH / clientW;
        xmin = cx - rx;
        xmax = cx + rx;
        ymin = cy - ry;
        ymax = cy + ry;
    } else {
        aspect = ((ymax - ymin) * clientW) / (clientH * (xmax - xmin));
        cx = (xmin + xmax) / 2;
        cy = (ymin + ymax) / 2;
        rx = (xmax - xmin) / 2;
        ry = (ymax - ymin) / 2;
    }
    unitX = 2 * rx / clientW;
    unitY = 2 * ry / clientH;
    pixX = 1 / unitX;
    pixY = 1 / unitY;
    RecomputeDerived();
}

void View::RecomputeDerived() {
    halfTickX = unitX * tickLen / 2;
    halfTickY = unitY * tickLen / 2;
    arrowX = unitX * arrowLen;
    arrowY = unitY * arrowLen;
    halfMarkX = unitX * markSize / 2;
    halfMarkY = unitY * markSize / 2;
}

void View::PushView() {
    if (independent)
        previousViews.push_back({xmin, xmax, ymin, ymax, true, aspect});
    else
        previousViews.push_back({cx, cy, rx, ry, false, aspect});
}

bool View::PopView() {
    if (previousViews.empty())
        return false;
    const SavedView v = previousViews.back();
    previousViews.pop_back();
    independent = v.independent;
    aspect = v.aspect;
    if (independent) {
        xmin = v.a;
        xmax = v.b;
        ymin = v.c;
        ymax = v.d;
    } else {
        cx = v.a;
        cy = v.b;
        rx = v.c;
        ry = v.d;
    }
    Recompute();
    return true;
}

void View::SetSquareView(long double centerX, long double centerY, long double radiusX) {
    PushView();
    cx = centerX;
    cy = centerY;
    rx = radiusX;
    independent = false;
    aspect = 1;
    Recompute();
}

void View::SetView(long double centerX, long double centerY, long double radiusX, long double radiusY,
                   bool cornerMode) {
    PushView();
    if (cornerMode) {
        independent = true;
        xmin = centerX - radiusX;
        xmax = centerX + radiusX;
        ymin = centerY - radiusY;
        ymax = centerY + radiusY;
        Recompute();
        return;
    }
    independent = false;
    cx = centerX;
    cy = centerY;
    rx = radiusX;
    Recompute();
    if (ry < radiusY) {
        // Widen so that the whole requested rectangle fits.
        rx = radiusY * rx / ry;
        Recompute();
    }
}

void View::SetCorners(long double left, long double right, long double bottom, long double top) {
    PushView();
    independent = true;
    xmin = left;
    xmax = right;
    ymin = bottom;
    ymax = top;
    Recompute();
}

void View::Zoom(long double factor) {
    if (independent)
        SetView(cx, cy, rx * factor, ry * factor, true);
    else
        SetSquareView(cx, cy, rx * factor);
}

void View::ZoomAbout(long double x, long double y, long double factor) {
    const long double newX = x + (cx - x) * factor, newY = y + (cy - y) * factor;
    if (independent)
        SetView(newX, newY, rx * factor, ry * factor, true);
    else
        SetSquareView(newX, newY, rx * factor);
}

void View::Move(long double fractionX, long double fractionY) {
    const long double newX = cx + 2 * rx * fractionX;
    const long double newY = cy + 2 * ry * fractionY;
    if (independent)
        SetView(newX, newY, rx, ry, true);
    else
        SetSquareView(newX, newY, rx);
}

bool View::MakeSquare() {
    if (!independent)
        return false;
    aspect = 1;
    SetSquareView(cx, cy, rx);
    return true;
}

void View::RestoreDefault() {
    ClearViews();
    cx = cy = 0;
    rx = ry = 5;
    aspect = 1;
    independent = false;
    Recompute();
}

std::int32_t View::ToPixelXInt(long double x) const {
    bool clamped = false;
    return offsetX + Clamp(PixelOffsetX(x), clientW, clamped);
}

std::int32_t View::ToPixelYInt(long double y) const {
    bool clamped = false;
    return offsetY + Clamp(PixelOffsetY(y), clientH, clamped);
}

bool View::ToPixelPoint(long double x, long double y, PixelPoint& out) const {
    bool clamped = false;
    const std::int32_t px = Clamp(PixelOffsetX(x), clientW, clamped);
    const std::int32_t py = Clamp(PixelOffsetY(y), clientH, clamped);
    out = {px + offsetX, py + offsetY};
    return px >= 0 && px <= clientW && py >= 0 && py <= clientH;
}

namespace {

// One Liang-Barsky step: narrows [t0, t1] by the half plane p*t <= q.
bool NarrowBy(long double p, long double q, long double& t0, long double& t1) {
    if (p == 0)
        return q >= 0;
    const long double t = q / p;
    if (p < 0) {
        if (t > t1)
            return false;
        if (t > t0)
            t0 = t;
    } else {
        if (t < t0)
            return false;
        if (t < t1)
            t1 = t;
    }
    return true;
}

} // namespace

bool View::ClipSegment(long double& x0, long double& y0, long double& x1, long double& y1) const {
    if (Inside(x0, y0) && Inside(x1, y1))
        return true;
    return ClipToBox(x0, y0, x1, y1, xmin + unitX, xmax - unitX, ymin + unitY, ymax - unitY);
}

bool ClipToBox(long double& x0, long double& y0, long double& x1, long double& y1, long double left,
               long double right, long double bottom, long double top) {
    const long double dx = x1 - x0, dy = y1 - y0;
    long double t0 = 0, t1 = 1;
    if (!NarrowBy(-dx, x0 - left, t0, t1) || !NarrowBy(dx, right - x0, t0, t1) ||
        !NarrowBy(-dy, y0 - bottom, t0, t1) || !NarrowBy(dy, top - y0, t0, t1))
        return false;
    const long double sx = x0, sy = y0;
    x0 = sx + t0 * dx;
    y0 = sy + t0 * dy;
    x1 = sx + t1 * dx;
    y1 = sy + t1 * dy;
    return true;
}

} // namespace korvane
