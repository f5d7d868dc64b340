#include "plane/PlaneDrawing.h"

namespace korvane {

int DrawCurve(PlaneDrawContext& context, ExampleRecord& example) {
    (void)context;
    (void)example;
    return 0;
}

int DrawIndefiniteIntegral(PlaneDrawContext& context, ExampleRecord& example) {
    (void)context;
    (void)example;
    return 0;
}

} // namespace korvane
