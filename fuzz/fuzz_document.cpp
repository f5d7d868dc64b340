// The document reader on arbitrary bytes, as a plane and as a space document. A file it
// accepts must write back to bytes that read again and write the same. A space document
// is then rebuilt as the space window rebuilds it (grids, scene box, view) and painted
// into a recording surface, which must neither fail nor take unbounded memory.
#include "expr/EvalContext.h"
#include "expr/FormulaCompiler.h"
#include "graph/View.h"
#include "plane/DocumentFile.h"
#include "plane/ExampleCompiler.h"
#include "platform/memory/RecordingSurface.h"
#include "space/SceneBox.h"
#include "space/SpaceSlots.h"
#include "space/SurfacePainter.h"
#include "space/SurfaceRecord.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

using namespace korvane;

void RoundTrip(const DocumentState& state, std::int32_t tag) {
    const std::vector<std::uint8_t> bytes = WriteDocument(state);
    DocumentState again;
    if (ReadDocument(bytes, tag, again) != 0)
        __builtin_trap();
    if (WriteDocument(again) != bytes)
        __builtin_trap();
}

void DrawSpace(DocumentState& state) {
    EvalContext context;
    FormulaCompiler compiler(context);
    SpaceView space;
    View view;
    view.SetClientSize(64, 48);
    view.Recompute();
    bool axes = false, names = false;
    ApplySpaceDocument(state, {space, view, axes, names});
    ExampleTable& examples = state.examples;
    std::vector<SurfaceGrid> grids(static_cast<std::size_t>(examples.Count()));
    std::vector<PaintedSurface> surfaces;
    for (int i = 0; i < examples.Count(); ++i) {
        ExampleRecord& e = examples[i];
        if (!IsGridSurface(e.Kind()))
            continue;
        PrepareSurfaceTexts(e);
        if (CompileExample(compiler, e, false) != 0 || !ComputeGrid(context, e, grids[static_cast<std::size_t>(i)]))
            continue;
        if (grids[static_cast<std::size_t>(i)].points.size() > static_cast<std::size_t>(kMaxGridPoints))
            __builtin_trap();
        surfaces.push_back({&e, &grids[static_cast<std::size_t>(i)]});
    }
    ComputeSceneBox(examples, space, false);
    // The painter's list and what it draws; the pixels are the rasteriser's business.
    platform::RecordingSurface out(platform::Size{64, 48});
    SurfacePainter painter;
    painter.Paint(space, view, surfaces, {space.boxMin.z, space.boxMax.z, false}, out);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    for (const std::int32_t tag : {841, 961}) {
        DocumentState state;
        if (ReadDocument({data, size}, tag, state) != 0)
            continue;
        RoundTrip(state, tag);
        if (tag == 961)
            DrawSpace(state);
    }
    return 0;
}
