#include "plane/PlaneDrawing.h"

namespace korvane {

int DrawSegment(PlaneDrawContext& context, ExampleRecord& example) {
    (void)context;
    (void)example;
    return 0;
}

int DrawLine(PlaneDrawContext& context, ExampleRecord& example) {
    (void)context;
    (void)example;
    return 0;
}

} // namespace korvane
