#include "output/TPicTeXDlg.h"

#include "graph/NumberText.h"
#include "graph/View.h"

#include <algorithm>

namespace korvane {

namespace {

constexpr int kWidth = 211, kBox = 212, kWhitespace = 213, kWhitespaceLabel = 313, kFirstMode = 251;
constexpr int kOutOfRange = 17, kNotPositive = 14;

} // namespace

void TPicTeXDlg::OnInit(platform::Dialog& dialog) {
    dialog.SetText(kWidth, FormatFixed(settings_.width, 4, 2));
    dialog.SetText(kBox, FormatInt(settings_.box));
    const bool radius = settings_.whitespace >= 0;
    dialog.SetText(kWhitespace, radius ? FormatFixed(settings_.whitespace, 4, 2) : "0.0");
    dialog.ShowControl(kWhitespace, radius);
    dialog.ShowControl(kWhitespaceLabel, radius);
    for (int mode = 0; mode < 4; ++mode)
        dialog.SetCheck(kFirstMode + mode, settings_.mode == mode);
}

bool TPicTeXDlg::Read(platform::Dialog& dialog, int id, long double& value) {
    const int code = evaluate_(dialog.GetText(id), value);
    if (code != 0)
        report_(code);
    return code == 0;
}

bool TPicTeXDlg::OnCommand(platform::Dialog& dialog, int id, platform::ControlEvent event) {
    if (id != platform::ResultOk || event != platform::ControlEvent::Clicked)
        return false;
    int mode = settings_.mode;
    for (int m = 0; m < 4; ++m)
        if (dialog.GetCheck(kFirstMode + m))
            mode = m;
    long double width = 0, box = 0, radius = 0;
    if (!Read(dialog, kWidth, width) || !Read(dialog, kBox, box))
        return true;
    const bool hasRadius = settings_.whitespace >= 0;
    if (hasRadius && !Read(dialog, kWhitespace, radius))
        return true;
    // Only the standalone modes name a box register.
    if ((mode == TeXStandalone || mode == LaTeXStandalone) && (box < 0 || box > 255)) {
        report_(kOutOfRange);
        return true;
    }
    if (width < kLeastTeXWidth || width > kMostTeXWidth) {
        report_(kOutOfRange);
        return true;
    }
    if (hasRadius && radius < 0) {
        report_(kNotPositive);
        return true;
    }
    settings_.mode = mode;
    settings_.width = width;
    settings_.box = RoundToInt(std::clamp(box, -1e9L, 1e9L)); // any number where no box is named
    if (hasRadius)
        settings_.whitespace = radius;
    dialog.End(platform::ResultOk);
    return true;
}

} // namespace korvane
