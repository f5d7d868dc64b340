#include "output/TImageSizeDlg.h"

#include "graph/NumberText.h"
#include "graph/TFileMsgWin.h"
#include "graph/View.h"

namespace korvane {

namespace {

constexpr int kWidth = 211, kHeight = 212, kCaption = 26;
constexpr int kNotUnderstood = 1;
constexpr long double kCmPerInch = 2.54L, kSmallest = 0.5L, kLargest = 27;

} // namespace

void TImageSizeDlg::OnInit(platform::Dialog& dialog) {
    dialog.SetTitle(StringOf(kCaption));
    dialog.SetText(kWidth, FormatFixed(client_.width * kCmPerInch / dpi_, 4, 1));
    dialog.SetText(kHeight, FormatFixed(client_.height * kCmPerInch / dpi_, 4, 1));
}

bool TImageSizeDlg::OnCommand(platform::Dialog& dialog, int id, platform::ControlEvent event) {
    if (id != platform::ResultOk || event != platform::ControlEvent::Clicked)
        return false;
    long double cm[2] = {};
    const int fields[2] = {kWidth, kHeight};
    for (int i = 0; i < 2; ++i) {
        if (evaluate_(dialog.GetText(fields[i]), cm[i]) != 0 || cm[i] < kSmallest || cm[i] > kLargest) {
            report_(kNotUnderstood);
            return true;
        }
    }
    // The horizontal resolution serves both sides, as the screen's pixels are square.
    chosen_ = {RoundToInt(cm[0] / kCmPerInch * dpi_), RoundToInt(cm[1] / kCmPerInch * dpi_)};
    dialog.End(platform::ResultOk);
    return true;
}

} // namespace korvane
