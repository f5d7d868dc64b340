#pragma once
// Where the space window keeps its view in the slots of "kv3.ini" and in the setting
// blocks of a ".kv3" document, with the corrections of values read back.
#include "graph/SettingsFile.h"
#include "graph/View.h"
#include "plane/DocumentState.h"
#include "space/SpaceView.h"
#include "space/Stereogram.h"

namespace korvane {

struct SpaceLook {
    SpaceView& space;
    bool& axesShown;
    bool& axisNames;
    int& slideCount;
    int& slidePause;
    int& marchSteps;
    int& planarity;
    StereogramParameters& stereogram;
};

// kv3.ini: C[0..3] slides, pause, marching steps, planarity; real C[0..2] the observer,
// C[3] the rotation step, C[4..5] two further reals (the approach bound of the mouse
// wheel and the box width); C[4..6] the stereogram's density, strips and dot size, real
// C[6] its depth; bytes C[0..4] box, corner coordinates, dotted box, axes,
// axis names.
void PackSpaceSlots(const SpaceLook& look, SettingsRecord& record);
void UnpackSpaceSlots(const SettingsRecord& record, const SpaceLook& look);

struct SpaceDocumentLook {
    SpaceView& space;
    View& view;
    bool& axesShown;
    bool& axisNames;
};

// Reals 0..6 the picture-plane window, 11..13 the observer, 14..19 the axis extent, 24
// the rotation step; flags 2 box, 4 axes, 7 extent locked, 10 axis names, 13 corner
// coordinates, 18 dotted box.
void CaptureSpaceDocument(const SpaceDocumentLook& look, DocumentState& s);
void ApplySpaceDocument(const DocumentState& s, const SpaceDocumentLook& look);

} // namespace korvane
