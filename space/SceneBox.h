#pragma once
// The box of the whole scene, from the boxes of the records.
#include "plane/ExampleTable.h"
#include "space/SpaceView.h"

namespace korvane {

// ComputeSceneBox: the union of the boxes of the shown space records becomes the view's
// box, its centre the focus; the observer is kept reasonable and the scale follows.
// False, with the view unchanged, when there is no box to take. A document's own
// observer is kept as it was stored (`correctObserver` false).
bool ComputeSceneBox(const ExampleTable& examples, SpaceView& view, bool correctObserver = true);

} // namespace korvane
