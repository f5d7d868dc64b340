#include "plane/TSequenceDlg.h"

#include "platform/Dialog.h"

namespace korvane {

void TSequenceDlg::AfterAdd(platform::Dialog& dialog, const ExampleRecord& example, const TrajectoryRecord& record) {
    if (!analyse_)
        return;
    dialog.SetText(kResultText, DescribeSequenceEnd(analyse_(example, record)));
}

} // namespace korvane
