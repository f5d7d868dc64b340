#include "space/TLevelsDlg.h"

#include <algorithm>
#include <cmath>

#include "graph/ColourTable.h"
#include "platform/Dialog.h"
#include "space/FieldText.h"
#include "space/LevelCurves.h"
#include "space/SurfaceRecord.h"

namespace korvane {

namespace {

constexpr int kNothingToDo = 9;
constexpr int kInconsistent = 6;
constexpr int kOutOfRange = 17;
// Pixels, in steps of the trace: a start point this near a known curve is on it.
constexpr long double kSameComponentSteps = 3;

long double Component(const SpacePoint& p, int k) { return k == 0 ? p.x : k == 1 ? p.y : p.z; }

} // namespace

std::string LevelCurveLine(const TrajectoryRecord& r) {
    static const char* const names[3] = {"x", "y", "z"};
    return std::string(names[LevelAxisOf(r)]) + " = " + FieldText(LevelOf(r));
}

TLevelsDlg::TLevelsDlg(LevelsHost host) : host_(std::move(host)) {}

void TLevelsDlg::Begin(platform::Dialog& dialog) {
    curves_.clear();
    const ExampleRecord* e = host_.record ? host_.record() : nullptr;
    if (!e)
        return;
    for (const TrajectoryRecord& r : e->trajectories)
        if (IsLevelPiece(r))
            curves_.push_back(r);
    // An explicit surface has levels z = constant only.
    const bool implicit = e->Kind() == kSurfaceImplicit;
    if (!implicit)
        axis_ = 2;
    dialog.Enable(kAxisX, implicit);
    dialog.Enable(kAxisY, implicit);
    colour_ = e->Colour();
    const SpacePoint low = RecordBoxMin(*e), high = RecordBoxMax(*e);
    low_ = Component(low, axis_);
    high_ = Component(high, axis_);
    current_ = low_;
    Fill(dialog);
    dialog.ListClear(kColour);
    for (int c = 0; c < kColourCount; ++c)
        dialog.ListAdd(kColour, ColourName(c));
    dialog.ListSelect(kColour, colour_ >= 0 && colour_ < kColourCount ? colour_ : 0);
}

void TLevelsDlg::Fill(platform::Dialog& dialog) {
    dialog.SetCheck(kAxisX, axis_ == 0);
    dialog.SetCheck(kAxisY, axis_ == 1);
    dialog.SetCheck(kAxisZ, axis_ == 2);
    dialog.SetText(kMinimum, FieldText(low_));
    dialog.SetText(kMaximum, FieldText(high_));
    dialog.SetText(kCurrent, FieldText(current_));
    dialog.SetText(kCount, std::to_string(count_));
    dialog.ListClear(kList);
    for (const TrajectoryRecord& r : curves_)
        dialog.ListAdd(kList, LevelCurveLine(r));
}

int TLevelsDlg::ReadFields(const platform::Dialog& dialog) {
    const int axis = dialog.GetCheck(kAxisX) ? 0 : dialog.GetCheck(kAxisY) ? 1 : 2;
    long double values[4];
    const int ids[4] = {kMinimum, kMaximum, kCurrent, kCount};
    for (int k = 0; k < 4; ++k) {
        if (!host_.evaluate)
            return kNothingToDo;
        if (const int code = host_.evaluate(dialog.GetText(ids[k]), values[k]); code != 0)
            return code;
        if (!std::isfinite(values[k]) || std::fabs(values[k]) >= 1e18L)
            return kOutOfRange;
    }
    if (!(values[1] > values[0]))
        return kInconsistent;
    const long double count = std::nearbyint(values[3]);
    if (count < 1 || count > kMaxLevelCount)
        return kOutOfRange;
    axis_ = axis;
    low_ = values[0];
    high_ = values[1];
    current_ = values[2];
    count_ = static_cast<int>(count);
    if (const int c = dialog.ListSelection(kColour); c >= 0 && c < kColourCount)
        colour_ = static_cast<std::int16_t>(c);
    return 0;
}

long double TLevelsDlg::UniformLevel(int k) const {
    return count_ <= 1 ? low_ : k == count_ - 1 ? high_ : low_ + k * (high_ - low_) / (count_ - 1);
}

void TLevelsDlg::Step(platform::Dialog& dialog, int direction) {
    const long double spacing = count_ <= 1 ? 0 : (high_ - low_) / (count_ - 1);
    int k = spacing > 0 ? static_cast<int>(std::lround((current_ - low_) / spacing)) : 0;
    k = std::clamp(k + direction, 0, count_ - 1);
    current_ = UniformLevel(k);
    dialog.SetText(kCurrent, FieldText(current_));
}

bool TLevelsDlg::Search(long double level) {
    ExampleRecord* e = host_.record ? host_.record() : nullptr;
    if (!e || !host_.trace || !host_.context)
        return false;
    const std::vector<TrajectoryRecord> traced = host_.trace(axis_, level, colour_);
    LevelField field(*host_.context, *e);
    const std::vector<TrajectoryRecord> known = curves_;
    for (const TrajectoryRecord& r : traced)
        if (!field.Usable() || !LiesOnPieces(field, known, r, kSameComponentSteps * r.Real(tro::kStepSize)))
            curves_.push_back(r);
    return !(host_.stopped && host_.stopped());
}

void TLevelsDlg::Show(bool currentOnly) {
    if (!host_.show)
        return;
    std::vector<TrajectoryRecord> shown;
    for (const TrajectoryRecord& r : curves_)
        if (LevelAxisOf(r) == axis_ && (!currentOnly || LevelOf(r) == current_))
            shown.push_back(r);
    host_.show(shown, axis_);
}

void TLevelsDlg::Keep() {
    ExampleRecord* e = host_.record ? host_.record() : nullptr;
    if (!e)
        return;
    std::vector<TrajectoryRecord> kept;
    for (const TrajectoryRecord& r : e->trajectories)
        if (!IsLevelPiece(r))
            kept.push_back(r);
    kept.insert(kept.end(), curves_.begin(), curves_.end());
    e->trajectories = std::move(kept);
    if (host_.kept)
        host_.kept();
}

bool TLevelsDlg::OnCommand(platform::Dialog& dialog, int id, platform::ControlEvent event) {
    if (event != platform::ControlEvent::Clicked || id == kList || id == kColour)
        return false;
    if (id == kAxisX || id == kAxisY || id == kAxisZ) {
        // Another coordinate held constant: its range is the box's.
        const ExampleRecord* e = host_.record ? host_.record() : nullptr;
        axis_ = id - kAxisX;
        if (e) {
            low_ = current_ = Component(RecordBoxMin(*e), axis_);
            high_ = Component(RecordBoxMax(*e), axis_);
        }
        Fill(dialog);
        return true;
    }
    if (id == kDiscard || id == kKeep) {
        if (id == kKeep)
            Keep();
        curves_.clear();
        dialog.Hide();
        return true;
    }
    if (const int code = ReadFields(dialog); code != 0) {
        if (host_.showMessage)
            host_.showMessage(code);
        return true;
    }
    switch (id) {
    case kPrevious: Step(dialog, -1); break;
    case kNext: Step(dialog, +1); break;
    case kSearch: Search(current_); break;
    case kAuto:
        for (int k = 0; k < count_ && Search(UniformLevel(k)); ++k) {
        }
        break;
    case kShowCurrent: Show(true); return true;
    case kShowAll: Show(false); return true;
    case kDeleteOne:
        if (const int at = dialog.ListSelection(kList); at >= 0 && at < static_cast<int>(curves_.size()))
            curves_.erase(curves_.begin() + at);
        break;
    case kDeleteAll: curves_.clear(); break;
    default: return false;
    }
    Fill(dialog);
    return true;
}

} // namespace korvane
