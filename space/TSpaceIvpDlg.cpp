#include "space/TSpaceIvpDlg.h"

#include <cmath>

#include "platform/Dialog.h"
#include "space/SpaceSystems.h"

namespace korvane {

namespace {
constexpr int kInconsistent = 6;
constexpr int kOutOfRange = 17;
} // namespace

TSpaceIvpDlg::TSpaceIvpDlg(bool sequence, std::function<int(const std::string&, long double&)> evaluate,
                           std::function<void(int)> showMessage)
    : sequence_(sequence), evaluate_(std::move(evaluate)), showMessage_(std::move(showMessage)) {}

void TSpaceIvpDlg::OnInit(platform::Dialog& dialog) {
    const char* texts[] = {"1", "1", "1", "0", sequence_ ? "500" : "30", "0.01"};
    for (int k = 0; k < (sequence_ ? 5 : 6); ++k)
        dialog.SetText(211 + k, texts[k]);
}

int TSpaceIvpDlg::Accept(const platform::Dialog& dialog) {
    long double v[6] = {0, 0, 0, 0, 0, 0};
    // A sequence has no start time: its fourth field is the number of terms.
    const int ids[6] = {211, 212, 213, sequence_ ? 215 : 214, 215, 216};
    for (int k = 0; k < (sequence_ ? 4 : 6); ++k) {
        if (const int code = evaluate_(dialog.GetText(ids[k]), v[k]); code != 0)
            return code;
        if (!std::isfinite(v[k]))
            return kOutOfRange;
    }
    if (sequence_) {
        const long double terms = std::nearbyint(v[3]);
        if (!(terms >= 1 && terms <= kMaxSequenceTerms))
            return kOutOfRange;
        result_ = MakeSpaceTrajectory({v[0], v[1], v[2]}, 0, terms, 1);
        return 0;
    }
    if (!(v[5] > 0) || v[4] == v[3])
        return kInconsistent;
    if (std::fabs(v[4] - v[3]) / v[5] > kMaxSpaceSteps)
        return kOutOfRange;
    result_ = MakeSpaceTrajectory({v[0], v[1], v[2]}, v[3], v[4], v[5]);
    return 0;
}

bool TSpaceIvpDlg::OnCommand(platform::Dialog& dialog, int id, platform::ControlEvent event) {
    if (id != 1 || event != platform::ControlEvent::Clicked)
        return false;
    if (const int code = Accept(dialog); code != 0) {
        if (showMessage_)
            showMessage_(code);
        return true;
    }
    dialog.End(1);
    return true;
}

} // namespace korvane
