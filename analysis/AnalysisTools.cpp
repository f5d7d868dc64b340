#include "analysis/AnalysisTools.h"

#include "analysis/AnalysisCommands.h"
#include "analysis/TZeroDlg.h"
#include "plane/TPlot2Win.h"

namespace korvane {

AnalysisTools::AnalysisTools(TPlot2Win& window) : window_(window) {}

AnalysisTools::~AnalysisTools() = default;

bool AnalysisTools::HasKind(std::int16_t kind) const {
    const ExampleTable& examples = window_.Examples();
    for (int i = 0; i <= examples.LastExample(); ++i)
        if (examples[i].Kind() == kind)
            return true;
    return false;
}

bool AnalysisTools::OnCommand(int id) {
    switch (id) {
    case cmd::kZeros:
        if (!HasKind(kExplicit))
            return true;
        if (!zero_) {
            zero_ = std::make_unique<TZeroDlg>(window_, &currentColour_);
            zero_->Open(); // its set-up searches
            return true;
        }
        zero_->Open();
        zero_->Search();
        return true;
    default: return false;
    }
}

void AnalysisTools::RefreshMenu() {
    platform::Window* w = window_.GetWindow();
    if (!w)
        return;
    const bool explicitCurve = HasKind(kExplicit);
    w->EnableMenuItem(cmd::kZeros, explicitCurve);
}

void AnalysisTools::ExamplesChanged() {
    if (zero_)
        zero_->Refill();
}

void AnalysisTools::DrawOverlay(platform::Surface& surface) { (void)surface; }

void InstallAnalysisTools(TPlot2Win& window) { window.SetAnalysis(std::make_unique<AnalysisTools>(window)); }

} // namespace korvane
