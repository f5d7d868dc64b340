#pragma once
// How the plane window lays its look into the generic slots of its settings file, and the
// range corrections applied when reading them back.
#include "graph/AxisSettings.h"
#include "graph/GraphStyle.h"
#include "graph/SettingsFile.h"

namespace korvane {

class View;

inline constexpr std::int32_t kPlaneIdentifier = 841;
inline constexpr std::int32_t kSpaceIdentifier = 961;

// Values of the plane window kind that ride in the slots without the graph levels using them.
struct PlaneValues {
    int mouseMode = 125;
    int drawingValue = 4;  // B[2]
    int value3 = 400;      // B[3]
    int value9 = 0;        // B[9]
    int pixelX = -1, pixelY = -1;
    bool windowFlag = false; // B[15]
    int value12 = 12;        // C[3]
    long double reciprocal12 = 1 / 12.0L;
    int gridPixelX = 80, gridPixelY = 80;
    bool flags10 = false, flags11 = false, flag13 = false, flag15 = false;
    long double realB0 = 0, realB2 = 0;
    int companionBackgrounds = 0; // A[20]
};

struct PlaneLook {
    AxisSettings& axes;
    NumberFormat& format;
    LineWidths& widths;
    View& view;
    PlaneValues& plane;
};

void PackPlaneSlots(const PlaneLook& look, SettingsRecord& record);
// Unpacks with the field-by-field corrections; positions beyond the client size are reset.
void UnpackPlaneSlots(const SettingsRecord& record, int clientW, int clientH, PlaneLook& look);

} // namespace korvane
