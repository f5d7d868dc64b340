#include "analysis/TPreRiemDlg.h"

#include "expr/ConstantText.h"
#include "graph/NumberText.h"
#include "plane/TPlotAWin.h"
#include "platform/Dialog.h"

namespace korvane {

namespace {

constexpr int kInconsistent = 6;
constexpr long double kMostSubintervals = 2147483647;

} // namespace

TPreRiemDlg::TPreRiemDlg(TPlotAWin& owner, const char* templateName,
                         const std::int16_t* allowedKinds, int* currentColour,
                         IntegralFields& fields)
    : T2ComboDlg(owner, templateName, allowedKinds, false, true, currentColour), fields(fields) {}

void TPreRiemDlg::OnInit(platform::Dialog& dialog) {
    T2ComboDlg::OnInit(dialog);
    WriteFields(dialog);
}

void TPreRiemDlg::WriteFields(platform::Dialog& dialog) {
    dialog.SetText(kLower, FieldText(fields.lower));
    dialog.SetText(kUpper, FieldText(fields.upper));
    dialog.SetText(kCount, FormatInt(fields.count));
}

int TPreRiemDlg::ReadFields() {
    platform::Dialog* d = GetDialog();
    if (!d)
        return 0;
    long double a = 0, b = 0;
    long n = 0;
    int code = owner.EvaluateNumber(d->GetText(kLower), a);
    const int upper = owner.EvaluateNumber(d->GetText(kUpper), b);
    if (code == 0)
        code = upper;
    if (code == 0)
        code = EvaluateIntegerText(owner.Compiler(), d->GetText(kCount), 1, kMostSubintervals, n);
    if (code == 0 && b < a + 1e-18L)
        code = kInconsistent;
    if (code != 0)
        return code;
    fields.lower = a;
    fields.upper = b;
    fields.count = n;
    return 0;
}

} // namespace korvane
