#include "plane/TEditExmpDlg.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <span>

#include "expr/ConstantText.h"
#include "graph/ColourTable.h"
#include "plane/DocumentText.h"
#include "plane/ImplicitCurve.h"
#include "platform/Platform.h"

namespace korvane {

namespace {

// The four field tables, one row per kind 201..216, each list ending in -1.
struct FieldRow {
    int edits[11];
    int checks[5];
    int radios[4];
    int labels[5];
};

constexpr FieldRow kRows[] = {
    {{12, 15, 21, 23, 25, 27, -1}, {1, 2, -1}, {-1}, {-1}},                  // 201
    {{13, 15, 21, 23, 25, 27, -1}, {2, -1}, {-1}, {-1}},                     // 202
    {{11, 12, 15, 21, 23, 25, 27, 34, 35, -1}, {1, 6, -1}, {-1}, {-1}},      // 203
    {{18, 27, -1}, {1, 3, 4, -1}, {-1}, {-1}},                               // 204
    {{11, 12, 13, 14, 27, -1}, {5, -1}, {1, 2, 3, -1}, {1, 2, 3, 4, -1}},    // 205
    {{12, 15, 21, 23, 27, 34, -1}, {1, -1}, {-1}, {-1}},                     // 206, 34: x0
    {{15, 21, 23, 27, 34, 35, 36, -1}, {-1}, {1, 2, -1}, {-1}},              // 207
    {{11, 12, 13, 27, -1}, {-1}, {1, 2, 3, -1}, {-1}},                       // 208
    {{11, 12, 13, 27, -1}, {2, 3, 5, 6, -1}, {1, 2, -1}, {1, 2, 3, -1}},     // 209
    {{11, 12, 14, 15, 25, 26, 27, -1}, {2, 4, 6, -1}, {1, 2, 3, -1}, {-1}},  // 210
    {{13, 25, 26, 27, -1}, {3, 4, -1}, {1, 2, -1}, {-1}},                    // 211, 3: "olhar"
    {{11, 12, -1}, {4, 6, -1}, {-1}, {-1}},                                  // 212
    {{-1}, {1, 2, -1}, {-1}, {-1}},                                          // 213
    {{-1}, {-1}, {-1}, {-1}},                                                // 214
    {{14, 27, -1}, {-1}, {-1}, {1, -1}},                                     // 215
    {{13, 16, 17, 19, 20, 21, 22, 23, 24, 27, -1}, {2, 4, 5, 6, -1}, {-1}, {-1}}, // 216
};

constexpr int kFirstRow = 201;
constexpr int kLastRow = 216;

const FieldRow* RowOf(int row) {
    if (row < kFirstRow || row > kLastRow)
        return nullptr;
    return &kRows[row - kFirstRow];
}

const int* List(const FieldRow& r, char table) {
    switch (table) {
    case 'e': return r.edits;
    case 'c': return r.checks;
    case 'r': return r.radios;
    default: return r.labels;
    }
}

// What a check box sets, beyond the two that every kind shares (272 -> byte 51,
// 276 -> byte 53 inverted).
struct CheckRule {
    int row;
    int box;
    int offset;
};
constexpr CheckRule kCheckRules[] = {
    {201, 1, exo::kLockInterval}, {201, 2, exo::kFlag57},      {213, 1, exo::kLockInterval},
    {213, 2, exo::kFlag55},       {202, 2, exo::kFlag50},      {203, 1, exo::kFlag58},
    {203, 6, exo::kFlag60},       {204, 1, exo::kFlag55},      {204, 3, exo::kFlag57},
    {204, 4, exo::kScreenLimit},  {205, 5, exo::kFlag59},      {206, 1, exo::kLockInterval},
    {209, 3, exo::kPenAttribute}, {209, 5, exo::kFlag59},      {209, 6, exo::kFlag60},
    {210, 2, exo::kFlag50},       {210, 4, exo::kScreenLimit}, {211, 4, exo::kScreenLimit}, {211, 3, exo::kFlag57},
    {212, 4, exo::kScreenLimit},  {212, 6, exo::kFlag60},
};

bool CheckValue(const ExampleRecord& e, int offset) {
    return offset == exo::kPenAttribute ? e.I16(offset) != 0 : e.Flag(offset);
}

void SetCheckValue(ExampleRecord& e, int offset, bool on) {
    if (offset == exo::kPenAttribute)
        e.SetI16(offset, on ? 1 : 0);
    else
        e.SetFlag(offset, on);
}

std::string NumberText(long double value) {
    char text[48];
    std::snprintf(text, sizeof text, "%.12Lg", value);
    return text;
}

bool IsDifferential(int row) { return row == kSystem || row == kSlopeField; }

// A formula field is read up to its stored size, in characters as documents count them.
int ReadFormulaText(const platform::Dialog& dialog, int id, std::size_t size, std::string& text, int& failed) {
    failed = id;
    text = dialog.GetText(id);
    if (!StorableText(text))
        return kCharacterNotStored;
    text = FitToField(text, size);
    return 0;
}

// The (r,t) forms of segments and points relabel their coordinate fields.
bool PolarForm(const ExampleRecord& e) {
    return (e.Kind() == kSegment && e.Flag(exo::kFlag60)) || (e.Kind() == kPoint && e.I16(exo::kRadio) == 0);
}

} // namespace

struct TEditExmpDlg::Reading {
    ExampleRecord copy;
    int mask = 0;
};

TEditExmpDlg::TEditExmpDlg(EquationEnvironment environment, ExampleRecord& example)
    : env_(std::move(environment)), example_(example), row_(Row(example)) {}

int TEditExmpDlg::Row(const ExampleRecord& example) {
    if (example.Kind() == kExplicit && example.Flag(exo::kFlag59))
        return 213;
    return example.Kind();
}

std::string TEditExmpDlg::TemplateName(const ExampleRecord& example) {
    const int row = Row(example);
    return "EQUA" + std::to_string(row == kPoint ? 309 : row);
}

bool TEditExmpDlg::HasField(int row, char table, int number) {
    const FieldRow* r = RowOf(row);
    if (!r)
        return false;
    for (const int* n = List(*r, table); *n != -1; ++n)
        if (*n == number)
            return true;
    return false;
}

int TEditExmpDlg::Run(platform::Platform& platform, platform::Window* owner) {
    changeMask_ = 0;
    return platform.RunModal(TemplateName(example_), *this, owner);
}

long double TEditExmpDlg::Epsilon() const { return 10.0L * std::pow(0.1L, env_.decimals - 1); }

// ---- filling -------------------------------------------------------------------------

void TEditExmpDlg::FillTexts(platform::Dialog& dialog) const {
    for (int field = 11; field <= 14; ++field)
        if (HasField(row_, 'e', field))
            dialog.SetText(200 + field, example_.texts[static_cast<std::size_t>(field - 11)]);
    if (HasField(row_, 'e', 18))
        dialog.SetText(218, example_.texts[4]);
    if (example_.IsDerived())
        for (int field : {11, 12, 13, 14, 18})
            dialog.Enable(200 + field, false);
}

void TEditExmpDlg::FillNumbers(platform::Dialog& dialog) const {
    const ExampleRecord& e = example_;
    const int kind = e.Kind();
    dialog.SetText(215, std::to_string(e.Density()));
    dialog.SetText(216, std::to_string(e.I16(exo::kGrid111)));
    dialog.SetText(217, std::to_string(e.I16(exo::kGrid113)));
    dialog.SetText(219, std::to_string(e.I16(exo::kGrid117)));
    dialog.SetText(220, std::to_string(e.I16(exo::kGrid119)));
    dialog.SetText(221, NumberText(e.Minimum()));
    dialog.SetText(222, NumberText(e.Real(exo::kMinimum2)));
    dialog.SetText(223, NumberText(e.Maximum()));
    dialog.SetText(224, NumberText(e.Real(exo::kMaximum2)));
    if (IsDifferential(kind))
        dialog.SetText(225, NumberText(e.I16(exo::kMarkLength10) / 10.0L));
    else
        dialog.SetText(225, NumberText(e.StepTolerance()));
    dialog.SetText(226, std::to_string(e.I16(exo::kColumns)));
    dialog.SetText(227, std::to_string(e.Width()));
    if (kind == kIndefiniteIntegral)
        dialog.SetText(234, NumberText(e.Real(exo::kCycloidStart)));
    else if (kind == kCycloid) {
        dialog.SetText(234, NumberText(e.Real(exo::kCycloidStart)));
        dialog.SetText(235, NumberText(e.Real(exo::kCycloidRadius)));
        dialog.SetText(236, NumberText(e.Real(exo::kCycloidArm)));
    } else {
        dialog.SetText(234, NumberText(e.Real(exo::kArrowPosition)));
        dialog.SetText(235, std::to_string(e.I16(exo::kArrowSize) + 10));
    }
}

void TEditExmpDlg::FillChoices(platform::Dialog& dialog) const {
    const ExampleRecord& e = example_;
    dialog.SetCheck(272, e.Flag(exo::kFlag51));
    dialog.SetCheck(276, !e.Flag(exo::kFlag53));
    for (const CheckRule& rule : kCheckRules)
        if (rule.row == row_)
            dialog.SetCheck(270 + rule.box, CheckValue(e, rule.offset));
    int index = 0;
    if (const FieldRow* r = RowOf(row_))
        for (const int* n = r->radios; *n != -1; ++n, ++index)
            dialog.SetCheck(250 + *n, e.I16(exo::kRadio) == index);
    if (IsDifferential(row_)) {
        dialog.ListClear(kFieldColourCombo);
        for (int c = 0; c < kColourCount; ++c)
            dialog.ListAdd(kFieldColourCombo, ColourName(c));
        const int colour = e.I16(exo::kPen24);
        dialog.ListSelect(kFieldColourCombo, colour >= 0 && colour < kColourCount ? colour : e.Colour());
    }
}

void TEditExmpDlg::FillLabels(platform::Dialog& dialog) const {
    if (!PolarForm(example_))
        return;
    if (row_ == kSegment) {
        dialog.SetText(281, "r1 =");
        dialog.SetText(282, "t1 =");
        dialog.SetText(283, "r2 =");
        dialog.SetText(284, "t2 =");
    } else if (row_ == kPoint) {
        dialog.SetText(281, "r =");
        dialog.SetText(282, "t =");
    }
}

void TEditExmpDlg::OnInit(platform::Dialog& dialog) {
    FillTexts(dialog);
    FillNumbers(dialog);
    FillChoices(dialog);
    FillLabels(dialog);
}

// ---- reading -------------------------------------------------------------------------

int TEditExmpDlg::ReadReal(const platform::Dialog& dialog, int field, long double& value) const {
    failedControl_ = 200 + field;
    const std::string text = dialog.GetText(200 + field);
    if (const int code = env_.evaluate(text, value); code != 0)
        return code;
    return std::isfinite(value) ? 0 : 17;
}

// The range is tested before rounding: 10000.4 is no density.
int TEditExmpDlg::ReadInteger(const platform::Dialog& dialog, int field, int low, int high, int& value) const {
    failedControl_ = 200 + field;
    long rounded = 0;
    if (const int code = EvaluateIntegerText(*env_.compiler, dialog.GetText(200 + field), low, high, rounded); code != 0)
        return code;
    value = static_cast<int>(rounded);
    return 0;
}

int TEditExmpDlg::ReadFormulas(const platform::Dialog& dialog, Reading& r) const {
    if (example_.IsDerived())
        return 0;
    ExampleRecord& e = r.copy;
    for (int field = 11; field <= 14; ++field) {
        if (!HasField(row_, 'e', field))
            continue;
        std::string text;
        if (const int code = ReadFormulaText(dialog, 200 + field, kMaxFormulaLength, text, failedControl_); code != 0)
            return code;
        std::string& stored = e.texts[static_cast<std::size_t>(field - 11)];
        // A list is read by the point list's own routine; an unused restriction or an
        // absent point size may stay empty.
        const bool mayBeEmpty = (row_ == kSystem && field == 14 && !dialog.GetCheck(272)) ||
                                (row_ == kPoint && field == 13);
        const bool compiled = row_ != kPointList && !(mayBeEmpty && text.empty());
        if (compiled)
            if (const int code = env_.compiler->CompileFormula(text); code != 0)
                return code;
        if (text != stored)
            r.mask |= kFormulaChanged | kGeometryChanged;
        stored = text;
    }
    if (HasField(row_, 'e', 18)) {
        // F = f-(g) takes three characters more than the equation, and has a field as long.
        std::string equation;
        if (const int code = ReadFormulaText(dialog, 218, kMaxFormulaLength - 3, equation, failedControl_); code != 0)
            return code;
        std::string difference;
        if (!MakeEquationExpression(equation, difference))
            return 112;
        if (const int code = env_.compiler->CompileFormula(difference); code != 0)
            return code;
        if (equation != e.texts[4])
            r.mask |= kFormulaChanged | kGeometryChanged;
        e.texts[4] = equation;
        e.texts[2] = difference;
    }
    return 0;
}

int TEditExmpDlg::ReadRanges(const platform::Dialog& dialog, Reading& r) const {
    struct Pair {
        int low, high, lowOffset, highOffset;
    };
    constexpr Pair pairs[] = {{21, 23, exo::kMinimum, exo::kMaximum}, {22, 24, exo::kMinimum2, exo::kMaximum2}};
    const long double epsilon = Epsilon();
    for (const Pair& p : pairs) {
        if (!HasField(row_, 'e', p.low))
            continue;
        long double low = 0, high = 0;
        if (const int code = ReadReal(dialog, p.low, low); code != 0)
            return code;
        if (const int code = ReadReal(dialog, p.high, high); code != 0)
            return code;
        if (high < low + epsilon)
            return 6;
        if (std::fabs(low - r.copy.Real(p.lowOffset)) > epsilon || std::fabs(high - r.copy.Real(p.highOffset)) > epsilon)
            r.mask |= kGeometryChanged;
        r.copy.SetReal(p.lowOffset, low);
        r.copy.SetReal(p.highOffset, high);
    }
    return 0;
}

namespace {

void SetRealNoting(ExampleRecord& e, int offset, long double value, int& mask) {
    if (e.Real(offset) != value)
        mask |= TEditExmpDlg::kGeometryChanged;
    e.SetReal(offset, value);
}

void SetI16Noting(ExampleRecord& e, int offset, int value, int& mask, int bit) {
    if (e.I16(offset) != value)
        mask |= bit;
    e.SetI16(offset, static_cast<std::int16_t>(value));
}

} // namespace

// Fields 34, 35, 36: the arrow of a parametric curve, or start, radius and arm of a
// cycloid; field 34 is also the start x0 of an indefinite integral.
int TEditExmpDlg::ReadExtras(const platform::Dialog& dialog, Reading& r) const {
    ExampleRecord& e = r.copy;
    const bool cycloid = row_ == kCycloid;
    const bool arrow = row_ == kParametric;
    long double value = 0;
    if (HasField(row_, 'e', 34)) {
        if (const int code = ReadReal(dialog, 34, value); code != 0)
            return code;
        if (arrow && (value < e.Minimum() || value > e.Maximum()))
            return 17;
        SetRealNoting(e, arrow ? exo::kArrowPosition : exo::kCycloidStart, value, r.mask);
    }
    if (HasField(row_, 'e', 35)) {
        if (cycloid) {
            if (const int code = ReadReal(dialog, 35, value); code != 0)
                return code;
            if (value < 1e-18L)
                return 14;
            SetRealNoting(e, exo::kCycloidRadius, value, r.mask);
        } else {
            int size = 0;
            if (const int code = ReadInteger(dialog, 35, 1, 1000, size); code != 0)
                return code;
            SetI16Noting(e, exo::kArrowSize, size - 10, r.mask, kGeometryChanged);
        }
    }
    if (HasField(row_, 'e', 36)) {
        if (const int code = ReadReal(dialog, 36, value); code != 0)
            return code;
        SetRealNoting(e, exo::kCycloidArm, value, r.mask);
    }
    return 0;
}

// Field 15 density; 16, 17, 19, 20 grid counts of space kinds.
int TEditExmpDlg::ReadCounts(const platform::Dialog& dialog, Reading& r) const {
    ExampleRecord& e = r.copy;
    int value = 0;
    if (HasField(row_, 'e', 15)) {
        if (const int code = ReadInteger(dialog, 15, 1, 10000, value); code != 0)
            return code;
        SetI16Noting(e, exo::kDensity, value, r.mask, kGeometryChanged);
    }
    if (HasField(row_, 'e', 16)) {
        int first = 0, second = 0;
        if (const int code = ReadInteger(dialog, 16, 1, 3000, first); code != 0)
            return code;
        if (const int code = ReadInteger(dialog, 17, 1, 3000, second); code != 0)
            return code;
        if ((first + 1) * (second + 1) > 3000)
            return 17;
        SetI16Noting(e, exo::kGrid111, first, r.mask, kGeometryChanged);
        SetI16Noting(e, exo::kGrid113, second, r.mask, kGeometryChanged);
    }
    if (HasField(row_, 'e', 19)) {
        int first = 0, second = 0;
        if (const int code = ReadInteger(dialog, 19, 2, 32000, first); code != 0)
            return code;
        if (const int code = ReadInteger(dialog, 20, 2, 32000, second); code != 0)
            return code;
        SetI16Noting(e, exo::kGrid117, first, r.mask, kGeometryChanged);
        SetI16Noting(e, exo::kGrid119, second, r.mask, kGeometryChanged);
    }
    return 0;
}

// Field 25 (marks, polynomial degree or step tolerance), 26 columns, 27 line width.
int TEditExmpDlg::ReadStyle(const platform::Dialog& dialog, Reading& r) const {
    ExampleRecord& e = r.copy;
    if (HasField(row_, 'e', 25)) {
        if (IsDifferential(row_)) {
            long double length = 0;
            if (const int code = ReadReal(dialog, 25, length); code != 0)
                return code;
            if (length < 0.1L || length > 40)
                return 17;
            SetI16Noting(e, exo::kMarkLength10, static_cast<int>(std::lround(10 * length)), r.mask, kGeometryChanged);
        } else if (row_ == 213) {
            int degree = 0;
            if (const int code = ReadInteger(dialog, 25, 1, 100, degree); code != 0)
                return code;
            SetI16Noting(e, exo::kColumns, degree, r.mask, kGeometryChanged);
        } else {
            long double tolerance = 0;
            if (const int code = ReadReal(dialog, 25, tolerance); code != 0)
                return code;
            if (tolerance < 0 || tolerance > 40)
                return 17;
            SetRealNoting(e, exo::kStepTolerance, tolerance, r.mask);
        }
    }
    int value = 0;
    if (HasField(row_, 'e', 26)) {
        if (const int code = ReadInteger(dialog, 26, 1, 100, value); code != 0)
            return code;
        SetI16Noting(e, exo::kColumns, value, r.mask, kGeometryChanged);
    }
    if (HasField(row_, 'e', 27)) {
        if (const int code = ReadInteger(dialog, 27, 1, 30, value); code != 0)
            return code;
        SetI16Noting(e, exo::kWidth, value, r.mask, kStyleChanged);
    }
    return 0;
}

void TEditExmpDlg::ReadChoices(const platform::Dialog& dialog, Reading& r) const {
    ExampleRecord& e = r.copy;
    const ExampleRecord::Bytes before = e.RawBytes();
    if (HasField(row_, 'c', 2))
        e.SetFlag(exo::kFlag51, dialog.GetCheck(272));
    if (HasField(row_, 'c', 6))
        e.SetFlag(exo::kFlag53, !dialog.GetCheck(276));
    for (const CheckRule& rule : kCheckRules)
        if (rule.row == row_)
            SetCheckValue(e, rule.offset, dialog.GetCheck(270 + rule.box));
    if (const FieldRow* row = RowOf(row_)) {
        int index = 0;
        for (const int* n = row->radios; *n != -1; ++n, ++index)
            if (dialog.GetCheck(250 + *n))
                e.SetI16(exo::kRadio, static_cast<std::int16_t>(index));
    }
    if (row_ == kCycloid)
        e.SetFlag(exo::kFlag55, e.I16(exo::kRadio) == 0);
    if (IsDifferential(row_)) {
        const int colour = dialog.ListSelection(kFieldColourCombo);
        if (colour >= 0)
            e.SetI16(exo::kPen24, static_cast<std::int16_t>(colour));
    }
    if (before != e.RawBytes())
        r.mask |= kStyleChanged;
}

// The values that follow from the others.
void TEditExmpDlg::Finish(Reading& r) const {
    ExampleRecord& e = r.copy;
    if (row_ == kExplicit && e.Flag(exo::kFlag57)) {
        // The period is the interval typed, before an unlocked interval follows the view.
        e.SetFlag(exo::kLockInterval, false);
        e.SetReal(exo::kPeriodStart, e.Minimum());
        e.SetReal(exo::kPeriodLength, e.Maximum() - e.Minimum());
    }
    if ((e.Kind() == kExplicit || e.Kind() == kIndefiniteIntegral) && !e.LockedInterval()) {
        e.SetReal(exo::kMinimum, env_.viewXmin);
        e.SetReal(exo::kMaximum, env_.viewXmax);
    }
    if (row_ == kCycloid) {
        const long double radius = e.Real(exo::kCycloidRadius);
        e.SetReal(exo::kCycloidInverseRadius, 1 / radius);
        e.SetReal(exo::kCycloidArmRatio, e.Real(exo::kCycloidArm) / radius);
        e.SetReal(exo::kCycloidZero, 0);
    }
    if (row_ == kSegment && e.Flag(exo::kFlag59))
        r.mask |= kSegmentPoints;
    if (r.mask != 0) {
        e.SetShown(true);
        if (e.Kind() == kImplicit)
            e.SetFlag(exo::kFlag56, true); // the pieces of the old equation go
    }
}

int TEditExmpDlg::Accept(const platform::Dialog& dialog) {
    failedControl_ = 0;
    Reading r{example_.CopyWithoutTrees(), 0};
    using Step = int (TEditExmpDlg::*)(const platform::Dialog&, Reading&) const;
    constexpr Step steps[] = {&TEditExmpDlg::ReadFormulas, &TEditExmpDlg::ReadRanges, &TEditExmpDlg::ReadExtras,
                              &TEditExmpDlg::ReadCounts, &TEditExmpDlg::ReadStyle};
    for (Step step : steps)
        if (const int code = (this->*step)(dialog, r); code != 0)
            return code;
    ReadChoices(dialog, r);
    Finish(r);
    // The trees stay with the example until the window compiles the new texts.
    r.copy.compiled = std::move(example_.compiled);
    example_ = std::move(r.copy);
    changeMask_ = r.mask;
    return 0;
}

bool TEditExmpDlg::OnCommand(platform::Dialog& dialog, int id, platform::ControlEvent event) {
    if (event != platform::ControlEvent::Clicked)
        return false;
    if (id == 272 && row_ == kExplicit && dialog.GetCheck(272)) {
        dialog.SetCheck(271, false);
        return true;
    }
    if (id == platform::ResultOk) {
        if (const int code = Accept(dialog); code != 0) {
            if (env_.showMessage)
                env_.showMessage(code);
            if (failedControl_ > 0)
                dialog.Focus(failedControl_);
            return true;
        }
        dialog.End(platform::ResultOk);
        return true;
    }
    return false;
}

} // namespace korvane
