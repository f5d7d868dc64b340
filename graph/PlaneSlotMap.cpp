#include "graph/PlaneSlotMap.h"

#include "graph/View.h"

namespace korvane {

namespace {

int InRange(std::int32_t v, int low, int high, int fallback) { return v < low || v > high ? fallback : v; }

int PositionOr(std::int32_t v, int limit, int fallback) { return v > limit ? fallback : v; }

} // namespace

void PackPlaneSlots(const PlaneLook& look, SettingsRecord& r) {
    const AxisSettings& a = look.axes;
    const PlaneValues& p = look.plane;
    r.intA[19] = kPlaneIdentifier;
    r.intA[20] = p.companionBackgrounds;
    auto& b = r.intB;
    b[0] = p.mouseMode == 122 ? 125 : p.mouseMode;
    b[1] = look.widths.axesPrinter;
    b[2] = p.drawingValue;
    b[3] = p.value3;
    b[4] = a.piX;
    b[5] = a.piY;
    b[6] = look.format.decimals;
    b[7] = a.minusCustom;
    b[8] = a.minusChar;
    b[9] = p.value9;
    b[10] = p.pixelX;
    b[11] = p.pixelY;
    b[12] = a.arrows;
    b[13] = a.labels;
    b[14] = a.dots;
    b[15] = p.windowFlag;
    b[16] = a.tickLen;
    b[17] = look.format.fieldWidth;
    b[18] = a.decimalsX;
    b[19] = a.decimalsY;
    b[20] = a.gridBits;
    auto& c = r.intC;
    c[0] = a.scaleBits;
    c[1] = a.freqX;
    c[2] = a.freqY;
    c[3] = p.value12;
    c[4] = p.gridPixelX;
    c[5] = p.gridPixelY;
    c[6] = a.dottedLines;
    c[7] = a.dottedColour;
    c[8] = look.widths.gridScreen;
    c[9] = look.widths.gridPrinter;
    c[10] = p.flags10;
    c[11] = p.flags11;
    c[12] = look.widths.axesScreen;
    c[13] = p.flag13;
    c[14] = a.piChar;
    c[15] = p.flag15;
    c[16] = look.view.independent;
    c[17] = a.solidArrows;
    r.realB[0] = p.realB0;
    r.realB[1] = look.view.zoomFactor;
    r.realB[2] = p.realB2;
    r.realB[7] = look.view.step - 0.05L;
}

namespace {

void UnpackIntegersB(const SettingsRecord& r, int clientW, int clientH, PlaneLook& look) {
    AxisSettings& a = look.axes;
    PlaneValues& p = look.plane;
    const auto& b = r.intB;
    p.mouseMode = 125;
    look.widths.axesPrinter = b[1] < 1 ? 2 : b[1];
    p.drawingValue = InRange(b[2], 1, 64, 3);
    p.value3 = b[3] < 1 ? 400 : b[3];
    a.piX = b[4] != 0;
    a.piY = b[5] != 0;
    look.format.decimals = InRange(b[6], 0, 19, 5);
    a.minusCustom = b[7] != 0;
    a.minusChar = InRange(b[8], 33, 255, 150);
    p.value9 = b[9] < 0 ? 0 : b[9];
    p.pixelX = PositionOr(b[10], clientW, -1);
    p.pixelY = PositionOr(b[11], clientH, -1);
    a.arrows = b[12] != 0;
    a.labels = b[13] != 0;
    a.dots = b[14] != 0;
    p.windowFlag = b[15] != 0;
    a.SetTickLen(InRange(b[16], 1, 100, 10));
    const int width = b[17];
    const int least = look.format.decimals + 2;
    look.format.fieldWidth = width < least || width > 100 ? least : width;
    a.decimalsX = InRange(b[18], 0, 10, 1);
    a.decimalsY = InRange(b[19], 0, 10, 1);
    a.gridBits = b[20] < 0 ? 15 : b[20];
}

void UnpackIntegersC(const SettingsRecord& r, int clientW, int clientH, PlaneLook& look) {
    AxisSettings& a = look.axes;
    PlaneValues& p = look.plane;
    const auto& c = r.intC;
    a.scaleBits = InRange(c[0], 0, 7, 0);
    a.freqX = InRange(c[1], 1, 20, 1);
    a.freqY = InRange(c[2], 1, 20, 1);
    p.value12 = InRange(c[3], 1, 512, 12);
    p.reciprocal12 = 1.0L / p.value12;
    p.gridPixelX = PositionOr(c[4], clientW, 80);
    p.gridPixelY = PositionOr(c[5], clientH, 80);
    a.dottedLines = c[6] != 0;
    a.dottedColour = c[7];
    look.widths.gridScreen = c[8] < 1 ? 1 : c[8];
    look.widths.gridPrinter = c[9] < 1 ? 2 : c[9];
    p.flags10 = c[10] != 0;
    p.flags11 = c[11] != 0;
    look.widths.axesScreen = c[12] < 1 ? 1 : c[12];
    p.flag13 = c[13] != 0;
    a.piChar = InRange(c[14], 33, 255, 227);
    p.flag15 = c[15] != 0;
    look.view.independent = c[16] != 0;
    a.solidArrows = c[17] != 0;
}

} // namespace

void UnpackPlaneSlots(const SettingsRecord& r, int clientW, int clientH, PlaneLook& look) {
    UnpackIntegersB(r, clientW, clientH, look);
    UnpackIntegersC(r, clientW, clientH, look);
    look.plane.companionBackgrounds = r.intA[20];
    look.plane.realB0 = r.realB[0];
    // A factor that would freeze or invert zooming is no factor.
    if (r.realB[1] >= 1e-18L)
        look.view.zoomFactor = r.realB[1];
    const long double step = r.realB[7] + 0.05L;
    if (step >= 1e-18L)
        look.view.step = step;
    look.plane.realB2 = r.realB[2];
}

} // namespace korvane
