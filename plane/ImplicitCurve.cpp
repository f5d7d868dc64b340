#include "plane/PlaneDrawing.h"

namespace korvane {

int DrawImplicit(PlaneDrawContext& context, ExampleRecord& example) {
    (void)context;
    (void)example;
    return 0;
}

} // namespace korvane
