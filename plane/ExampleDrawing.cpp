#include "plane/PlaneDrawing.h"

#include "plane/Cobweb.h"

#include <cmath>

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

void PlaneDrawContext::Pause(long cosines) {
    if (showPicture)
        showPicture();
    if (pauseHook) {
        pauseHook(cosines);
        return;
    }
    volatile long double sink = 0;
    for (long i = 0; i < cosines; ++i)
        sink = sink + std::cos(static_cast<long double>(i));
}

long MemberPause(const ExampleRecord& example) {
    constexpr long kCosinesPerUnit = 2000, kDefaultUnits = 50;
    const long units = example.I16(exo::kPause);
    return kCosinesPerUnit * (units > 0 ? units : kDefaultUnits);
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
