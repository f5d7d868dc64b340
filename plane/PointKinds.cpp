#include "plane/PlaneDrawing.h"

namespace korvane {

int DrawPoints(PlaneDrawContext& context, ExampleRecord& example) {
    (void)context;
    (void)example;
    return 0;
}

} // namespace korvane
