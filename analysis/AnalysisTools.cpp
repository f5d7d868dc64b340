#include "analysis/AnalysisTools.h"

#include "analysis/AnalysisCommands.h"
#include "analysis/TExtremeDlg.h"
#include "analysis/TInterDlg.h"
#include "analysis/TMeasureDlg.h"
#include "analysis/TRiemDlg.h"
#include "analysis/TZeroDlg.h"
#include "plane/TPlotAWin.h"

namespace korvane {

AnalysisTools::AnalysisTools(TPlotAWin& window) : window_(window) {}

AnalysisTools::~AnalysisTools() = default;

bool AnalysisTools::HasKind(std::int16_t kind) const {
    const ExampleTable& examples = window_.Examples();
    for (int i = 0; i <= examples.LastExample(); ++i)
        if (examples[i].Kind() == kind)
            return true;
    return false;
}

bool AnalysisTools::HasCurve() const {
    return HasKind(kExplicit) || HasKind(kPolar) || HasKind(kParametric);
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
    case cmd::kExtremes:
        if (!HasCurve())
            return true;
        if (!extreme_) {
            extreme_ = std::make_unique<TExtremeDlg>(window_, &currentColour_);
            extreme_->Open();
            return true;
        }
        extreme_->Open();
        extreme_->Search();
        return true;
    case cmd::kIntersections:
        if (!inter_)
            inter_ = std::make_unique<TInterDlg>(window_, &currentColour_);
        inter_->Open();
        return true;
    case cmd::kArcLength:
    case cmd::kSectorArea:
    case cmd::kVolume:
    case cmd::kSurfaceArea: {
        if (!HasCurve())
            return true;
        auto& dialog = measures_[static_cast<std::size_t>(id - cmd::kArcLength)];
        if (!dialog)
            dialog = std::make_unique<TMeasureDlg>(
                window_, static_cast<Measure>(id - cmd::kArcLength), &currentColour_, integrals_);
        dialog->Open();
        return true;
    }
    case cmd::kIntegrate:
    case cmd::kIntegrateTwo:
        if (!HasKind(kExplicit))
            return true;
        if (!riemann_)
            riemann_ = std::make_unique<TRiemDlg>(window_, &currentColour_, integrals_);
        riemann_->OpenInMode(id == cmd::kIntegrate ? 1 : 2);
        window_.Redraw(0);
        return true;
    default:
        return false;
    }
}

void AnalysisTools::RefreshMenu() {
    platform::Window* w = window_.GetWindow();
    if (!w)
        return;
    const bool explicitCurve = HasKind(kExplicit);
    for (int id : {cmd::kZeros, cmd::kIntegrate, cmd::kIntegrateTwo})
        w->EnableMenuItem(id, explicitCurve);
    for (int id :
         {cmd::kExtremes, cmd::kArcLength, cmd::kSectorArea, cmd::kVolume, cmd::kSurfaceArea})
        w->EnableMenuItem(id, HasCurve());
    w->EnableMenuItem(cmd::kIntersections, window_.Examples().Count() >= 2);
}

void AnalysisTools::ExamplesChanged() {
    if (zero_)
        zero_->Refill();
    if (riemann_)
        riemann_->Refill();
    if (extreme_)
        extreme_->Refill();
    if (inter_)
        inter_->Refill();
    for (auto& dialog : measures_)
        if (dialog)
            dialog->Refill();
}

void AnalysisTools::DrawOverlay(platform::Surface& surface) {
    if (riemann_)
        riemann_->DrawStrips(surface);
}

void AnalysisTools::DrawOverlayThrough(PlaneDrawContext& context) {
    if (riemann_)
        riemann_->DrawStrips(context.surface, &context);
}

void InstallAnalysisTools(TPlotAWin& window) {
    window.SetAnalysis(std::make_unique<AnalysisTools>(window));
}

} // namespace korvane
