#pragma once
// The modeless dialog "sequências" (IVP12): adds start points to the window's current
// recursive sequence (kind 212) and shows how the last one ended, its period when the
// cycle test stopped it.
#include "plane/RecursiveSequence.h"
#include "plane/TIvpDlg.h"

namespace korvane {

class TSequenceDlg : public TIvpDlg {
public:
    // Runs a sequence as the window would draw it, without drawing.
    using Analyse = std::function<SequenceOutcome(const ExampleRecord&, const TrajectoryRecord&)>;

    TSequenceDlg(platform::Platform& platform, IvpHost host, Analyse analyse)
        : TIvpDlg(platform, kRecursive, std::move(host)), analyse_(std::move(analyse)) {}

protected:
    void AfterAdd(platform::Dialog& dialog, const ExampleRecord& example, const TrajectoryRecord& record) override;

private:
    Analyse analyse_;
};

} // namespace korvane
