#include "plane/PlaneDrawing.h"

namespace korvane {

int DrawSystem(PlaneDrawContext& context, ExampleRecord& example) {
    (void)context;
    (void)example;
    return 0;
}

int DrawSlopeField(PlaneDrawContext& context, ExampleRecord& example) {
    (void)context;
    (void)example;
    return 0;
}

} // namespace korvane
