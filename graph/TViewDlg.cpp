#include "graph/TViewDlg.h"

#include "graph/GraphStyle.h"
#include "graph/View.h"

#include <cmath>

namespace korvane {

namespace {

constexpr long double kTiny = 1e-18L;
constexpr int kMaxText = 30;

bool Differs(long double a, long double b) { return std::fabs(a - b) > kTiny; }

} // namespace

void TViewDlg::Fill(platform::Dialog& dialog) const {
    dialog.SetText(211, format_.Format(view_.xmin));
    dialog.SetText(212, format_.Format(view_.xmax));
    dialog.SetText(213, format_.Format(view_.ymin));
    dialog.SetText(214, format_.Format(view_.ymax));
    dialog.SetText(215, format_.Format(view_.cx));
    dialog.SetText(216, format_.Format(view_.cy));
    dialog.SetText(217, format_.Format(2 * view_.rx));
    dialog.SetCheck(251, !view_.independent);
    dialog.SetCheck(252, view_.independent);
}

int TViewDlg::Read(const platform::Dialog& dialog, int id, long double& value) const {
    const std::string text = dialog.GetText(id).substr(0, kMaxText);
    return evaluate_(text, value);
}

int TViewDlg::ReadRequest(const platform::Dialog& dialog, ViewRequest& out) const {
    out = {};
    int code = 0;
    if (dialog.GetCheck(252)) {
        long double xmin = 0, xmax = 0, ymin = 0, ymax = 0;
        if ((code = Read(dialog, 211, xmin)) || (code = Read(dialog, 212, xmax)))
            return code;
        if (!(xmax >= xmin + kTiny))
            return 6;
        if ((code = Read(dialog, 213, ymin)) || (code = Read(dialog, 214, ymax)))
            return code;
        if (!(ymax >= ymin + kTiny))
            return 6;
        out.cornerMode = true;
        out.cx = (xmax + xmin) / 2;
        out.cy = (ymax + ymin) / 2;
        out.rx = (xmax - xmin) / 2;
        out.ry = (ymax - ymin) / 2;
        out.change = !view_.independent || Differs(xmin, view_.xmin) || Differs(xmax, view_.xmax) ||
                     Differs(ymin, view_.ymin) || Differs(ymax, view_.ymax);
        return 0;
    }
    long double cx = 0, cy = 0, width = 0;
    if ((code = Read(dialog, 215, cx)) || (code = Read(dialog, 216, cy)) || (code = Read(dialog, 217, width)))
        return code;
    if (!(width >= kTiny))
        return 14;
    out.cx = cx;
    out.cy = cy;
    out.rx = width / 2;
    out.ry = view_.ry;
    out.change = view_.independent || Differs(cx, view_.cx) || Differs(cy, view_.cy) || Differs(out.rx, view_.rx);
    return 0;
}

bool TViewDlg::OnCommand(platform::Dialog& dialog, int id, platform::ControlEvent event) {
    if (event != platform::ControlEvent::Clicked)
        return false;
    if (id == 1) {
        ViewRequest request;
        const int code = ReadRequest(dialog, request);
        if (code != 0) {
            if (onError)
                onError(code);
        } else if (request.change && onApply) {
            onApply(request);
        }
        return true;
    }
    if (id == 2) {
        hidden = true;
        dialog.Hide();
        return true;
    }
    return false;
}

void TViewDlg::OnClose(platform::Dialog& dialog, int result) {
    (void)dialog;
    (void)result;
    hidden = true;
}

} // namespace korvane
