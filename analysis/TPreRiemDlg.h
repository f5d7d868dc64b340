#pragma once
// The base of the dialogs that measure over an interval: the limits a and b and the
// number n of subintervals (edit fields 211, 212, 213), kept by the window so that they
// survive the dialog, and read as expressions.
#include "analysis/T2ComboDlg.h"

#include <array>

namespace korvane {

// The window's fields of the integration dialogs.
struct IntegralFields {
    long double lower = 0;
    long double upper = 5;
    std::int64_t count = 1000;
    std::uint16_t methodMask = 0;
    std::array<long double, 6> results{}; // left, midpoint, right, trapezoidal, parabolic, random
};

class TPreRiemDlg : public T2ComboDlg {
public:
    enum Control : int { kLower = 211, kUpper = 212, kCount = 213, kResult = 231 };

    TPreRiemDlg(TPlotAWin& owner, const char* templateName, const std::int16_t* allowedKinds,
                int* currentColour, IntegralFields& fields);

    // 0, storing a, b and n in the window, or the code of the first bad field (6 when
    // b is not above a); the stored values then stay as they were.
    virtual int ReadFields();
    const IntegralFields& Fields() const { return fields; }

protected:
    void OnInit(platform::Dialog& dialog) override;
    // Writes a and b in the window's number format and n as an integer.
    void WriteFields(platform::Dialog& dialog);

    IntegralFields& fields;
};

} // namespace korvane
