#include "plane/PlaneDrawing.h"

#include "plane/Cobweb.h"

namespace korvane {

platform::Rgb PlaneDrawContext::PenColour(int index) const {
    if (settings.blackGraphs || index < 1 || index > 24)
        index = 0;
    return penRgb ? penRgb(index) : platform::kBlack;
}

void PlaneDrawContext::ShowProgress() {
    if (showStatus)
        showStatus(progressLabel + ": passo " + std::to_string(progressSteps) + "; pressione S para sair");
}

int DrawExample(PlaneDrawContext& context, int index) {
    ExampleRecord& example = context.examples[index];
    if (!example.Shown())
        return 0;
    int key = 0;
    switch (example.Kind()) {
    case kExplicit:
    case kPolar:
    case kParametric: key = DrawCurve(context, example); break;
    case kImplicit: key = DrawImplicit(context, example); break;
    case kSegment: key = DrawSegment(context, example); break;
    case kIndefiniteIntegral: key = DrawIndefiniteIntegral(context, example); break;
    case kCycloid: key = DrawCycloid(context, example); break;
    case kLine: key = DrawLine(context, example); break;
    case kPoint:
    case kPointList: key = DrawPoints(context, example); break;
    case kSystem: key = DrawSystem(context, example); break;
    case kSlopeField: key = DrawSlopeField(context, example); break;
    case kRecursive: key = IsWeb(example) ? DrawWeb(context, example) : DrawRecursive(context, example); break;
    default: break;
    }
    if (key == 0)
        key = context.Poll();
    return key;
}

} // namespace korvane
