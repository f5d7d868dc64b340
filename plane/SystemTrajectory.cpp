#include "plane/SystemTrajectory.h"

namespace korvane {

SystemTrajectoryResult TraceSystemTrajectory(PlaneDrawContext& context, ExampleRecord& example,
                                             TrajectoryRecord& record) {
    (void)context;
    (void)example;
    (void)record;
    return {};
}

} // namespace korvane
