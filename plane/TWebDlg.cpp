#include "plane/TWebDlg.h"

#include "expr/ConstantText.h"
#include "graph/TFuncWin.h"
#include "plane/Cobweb.h"
#include "platform/Dialog.h"

#include <cmath>
#include <cstdio>

namespace korvane {

void TWebDlg::OnInit(platform::Dialog& dialog) {
    char start[40];
    std::snprintf(start, sizeof start, "%.15Lg", web_.Real(exo::kWebStart));
    dialog.SetText(kStart, start);
    dialog.SetText(kSteps, std::to_string(web_.I16(exo::kWebSteps)));
    dialog.Focus(kStart);
}

bool TWebDlg::OnCommand(platform::Dialog& dialog, int id, platform::ControlEvent event) {
    if (id != platform::ResultOk || event != platform::ControlEvent::Clicked)
        return false;
    long double start = 0;
    int code = window_.EvaluateNumber(dialog.GetText(kStart), start);
    if (code == 0 && !(std::fabs(start) < 1e18L))
        code = 17;
    if (code != 0) {
        window_.ShowMessage(code);
        dialog.Focus(kStart);
        return true;
    }
    long steps = 0;
    if (code = EvaluateIntegerText(window_.Compiler(), dialog.GetText(kSteps), 1, kMaxWebSteps, steps); code != 0) {
        window_.ShowMessage(code);
        dialog.Focus(kSteps);
        return true;
    }
    web_.SetReal(exo::kWebStart, start);
    web_.SetI16(exo::kWebSteps, static_cast<std::int16_t>(steps));
    dialog.End(platform::ResultOk);
    return true;
}

} // namespace korvane
