#include "graph/PlaneSlotMap.h"

#include "graph/View.h"
#include "tests/support/Tolerance.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

struct Look {
    AxisSettings axes;
    NumberFormat format;
    LineWidths widths;
    View view;
    PlaneValues plane;
    PlaneLook Ref() { return {axes, format, widths, view, plane}; }
};

// Write a changed look, read it back through the file bytes.
TEST(PlaneSlotMap, PackThenUnpackKeepsTheLook) {
    Look in;
    in.axes.piX = true;
    in.axes.minusCustom = true;
    in.axes.minusChar = 151;
    in.axes.arrows = in.axes.labels = in.axes.dots = true;
    in.axes.SetTickLen(14);
    in.axes.decimalsX = 3;
    in.axes.decimalsY = 0;
    in.axes.gridBits = 16 + 64 + 5;
    in.axes.scaleBits = 5;
    in.axes.freqX = 4;
    in.axes.dottedLines = true;
    in.axes.dottedColour = 7;
    in.axes.piChar = 80;
    in.axes.solidArrows = true;
    in.format.decimals = 3;
    in.format.fieldWidth = 12;
    in.widths = {3, 4, 2, 5};
    in.view.zoomFactor = 2.5L;
    in.view.step = 0.2L;
    in.view.independent = true;
    in.plane.mouseMode = 122;
    SettingsRecord record;
    record.identifier = kPlaneIdentifier;
    PackPlaneSlots(in.Ref(), record);
    SettingsRecord back;
    ASSERT_EQ(ReadSettings(WriteSettings(record), kPlaneIdentifier, back), 0);
    Look out;
    PlaneLook ref = out.Ref();
    UnpackPlaneSlots(back, 400, 300, ref);
    EXPECT_EQ(record.intB[0], 125) << "the trajectory mode is stored as coordinates";
    EXPECT_EQ(out.axes.arrowLen, 9);
    EXPECT_EQ(back.intA[19], kPlaneIdentifier);
    // What was read packs into the same record again: nothing was lost on the way.
    SettingsRecord again;
    again.identifier = kPlaneIdentifier;
    PackPlaneSlots(out.Ref(), again);
    EXPECT_TRUE(WriteSettings(again) == WriteSettings(record));
}

// Each stored value outside its range comes back as the listed replacement.
TEST(PlaneSlotMap, RangeCorrectionsOnReading) {
    struct Row {
        const char* what;
        char block;
        int slot;
        std::int32_t stored;
        int (*read)(const Look&);
        int expected;
    } rows[] = {
        {"tick length 0", 'B', 16, 0, [](const Look& l) { return l.axes.tickLen; }, 10},
        {"tick length 101", 'B', 16, 101, [](const Look& l) { return l.axes.tickLen; }, 10},
        {"arrow follows tick", 'B', 16, 0, [](const Look& l) { return l.axes.arrowLen; }, 7},
        {"pi code 20", 'C', 14, 20, [](const Look& l) { return l.axes.piChar; }, 227},
        {"pi code 256", 'C', 14, 256, [](const Look& l) { return l.axes.piChar; }, 227},
        {"minus 32", 'B', 8, 32, [](const Look& l) { return l.axes.minusChar; }, 150},
        {"minus 255 kept", 'B', 8, 255, [](const Look& l) { return l.axes.minusChar; }, 255},
        {"printer axes 0", 'B', 1, 0, [](const Look& l) { return l.widths.axesPrinter; }, 2},
        {"drawing value 65", 'B', 2, 65, [](const Look& l) { return l.plane.drawingValue; }, 3},
        {"value 3 zero", 'B', 3, 0, [](const Look& l) { return l.plane.value3; }, 400},
        {"decimals 20", 'B', 6, 20, [](const Look& l) { return l.format.decimals; }, 5},
        {"value 9 negative", 'B', 9, -4, [](const Look& l) { return l.plane.value9; }, 0},
        {"pixel x beyond", 'B', 10, 401, [](const Look& l) { return l.plane.pixelX; }, -1},
        {"pixel y beyond", 'B', 11, 301, [](const Look& l) { return l.plane.pixelY; }, -1},
        {"field width 200", 'B', 17, 200, [](const Look& l) { return l.format.fieldWidth; }, 7},
        {"decimals x 11", 'B', 18, 11, [](const Look& l) { return l.axes.decimalsX; }, 1},
        {"decimals y -1", 'B', 19, -1, [](const Look& l) { return l.axes.decimalsY; }, 1},
        {"grid bits -1", 'B', 20, -1, [](const Look& l) { return l.axes.gridBits; }, 15},
        {"mouse mode", 'B', 0, 121, [](const Look& l) { return l.plane.mouseMode; }, 125},
        {"scale bits 8", 'C', 0, 8, [](const Look& l) { return l.axes.scaleBits; }, 0},
        {"freq x 21", 'C', 1, 21, [](const Look& l) { return l.axes.freqX; }, 1},
        {"freq y 0", 'C', 2, 0, [](const Look& l) { return l.axes.freqY; }, 1},
        {"value 12 513", 'C', 3, 513, [](const Look& l) { return l.plane.value12; }, 12},
        {"grid pixel x", 'C', 4, 500, [](const Look& l) { return l.plane.gridPixelX; }, 80},
        {"grid pixel y", 'C', 5, 500, [](const Look& l) { return l.plane.gridPixelY; }, 80},
        {"grid screen 0", 'C', 8, 0, [](const Look& l) { return l.widths.gridScreen; }, 1},
        {"grid printer 0", 'C', 9, 0, [](const Look& l) { return l.widths.gridPrinter; }, 2},
        {"axes screen 0", 'C', 12, 0, [](const Look& l) { return l.widths.axesScreen; }, 1},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        Look defaults;
        SettingsRecord record;
        PackPlaneSlots(defaults.Ref(), record);
        (r.block == 'B' ? record.intB : record.intC)[r.slot] = r.stored;
        Look out;
        PlaneLook ref = out.Ref();
        UnpackPlaneSlots(record, 400, 300, ref);
        EXPECT_EQ(r.read(out), r.expected);
    }
}

TEST(PlaneSlotMap, EmptyStepSlotGivesDefaultStep) {
    Look out;
    SettingsRecord record;
    record.realB[1] = 1.1L;
    PlaneLook ref = out.Ref();
    UnpackPlaneSlots(record, 400, 300, ref);
    EXPECT_EQ(out.view.step, 0.05L);
}

} // namespace
} // namespace korvane
