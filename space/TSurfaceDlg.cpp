#include "space/TSurfaceDlg.h"
#include "space/DialogNumbers.h"
#include "space/FieldText.h"

#include <cmath>

#include "graph/ColourTable.h"
#include "platform/Platform.h"
#include "space/SpaceKinds.h"
#include "space/SurfaceRecord.h"

namespace korvane {

namespace {

constexpr int kInconsistent = 6;
constexpr int kOutOfRange = 17;
constexpr int kNotPositive = 14;

// The text slots that a kind's formula fields edit, by field 211..214.
bool HasFormulaField(int kind, int id) {
    switch (kind) {
    case kSurfaceParametric: return id >= 211 && id <= 213;
    case kSurfaceTube: return id >= 211 && id <= 214;
    case kSurfaceRevolution: return id == 211 || id == 212;
    case kSurfacePlane: return false; // numbers, read by ReadPlane
    case kSurfaceSpherical: return id == 214;
    default: return id == 213;
    }
}

struct StyleCheck {
    int id;
    int offset;
    bool inverted;
};
constexpr StyleCheck kStyleChecks[] = {
    {TSurfaceDlg::kFast, spo::kSlow, true},    {TSurfaceDlg::kSpectrum, spo::kSpectrum, false},
    {TSurfaceDlg::kGrid, spo::kGridEdges, false}, {TSurfaceDlg::kShade, spo::kShade, false},
    {TSurfaceDlg::kLockBox, spo::kAutoBox, true}, {TSurfaceDlg::kCap, spo::kCap, false},
};

struct ColourField {
    int id;
    int offset;
};
constexpr ColourField kColourFields[] = {
    {TSurfaceDlg::kColour, exo::kColour},
    {TSurfaceDlg::kColour1, spo::kColour1},
    {TSurfaceDlg::kColour2, spo::kColour2},
    {TSurfaceDlg::kGridColour, spo::kGridColour},
};

} // namespace

std::vector<std::string> SplitList(const std::string& text) {
    std::vector<std::string> parts(1);
    int depth = 0;
    for (char ch : text) {
        if (ch == '(')
            ++depth;
        else if (ch == ')')
            --depth;
        if (ch == ',' && depth == 0)
            parts.emplace_back();
        else
            parts.back() += ch;
    }
    return parts;
}

std::string DescribeSurface(const ExampleRecord& e) {
    const auto& t = e.texts;
    switch (e.Kind()) {
    case kSurfaceExplicit: return "z = " + t[2];
    case kSurfaceCylindrical: return "z = " + t[2] + " (r,t)";
    case kSurfaceParametric: return "x = " + t[0] + " , y = " + t[1] + " , z = " + t[2];
    case kSurfaceSpherical: return "r = " + t[3] + " (t,u)";
    case kSurfaceTube: return "tubo r = " + t[3] + " em torno de (" + t[0] + " , " + t[1] + " , " + t[2] + ")";
    case kSurfacePlane: return "plano (" + t[5] + ") em (" + t[6] + ")";
    case kSurfaceRevolution:
        return std::string("revolução de (") + t[0] + " , " + t[1] + ") em torno do eixo " +
               (e.I16(sko::kRevolutionAxis) == 0 ? "x" : "y");
    default: return t[4];
    }
}

TSurfaceDlg::TSurfaceDlg(EquationEnvironment environment, ExampleRecord& example)
    : env_(std::move(environment)), example_(example) {}

std::string TSurfaceDlg::TemplateName(const ExampleRecord& example) { return "EQUA" + std::to_string(example.Kind()); }

int TSurfaceDlg::Run(platform::Platform& platform, platform::Window* owner) {
    changeMask_ = 0;
    return platform.RunModal(TemplateName(example_), *this, owner);
}

void TSurfaceDlg::OnInit(platform::Dialog& dialog) {
    const ExampleRecord& e = example_;
    for (int id = 211; id <= 214; ++id)
        if (HasFormulaField(e.Kind(), id)) {
            dialog.SetText(id, e.IsDerived() ? e.texts[4] : e.texts[static_cast<std::size_t>(id - 211)]);
            dialog.Enable(id, !e.IsDerived()); // its formula is its source's derivative
        }
    if (e.Kind() == kSurfaceRevolution) {
        dialog.SetCheck(kAxisX, e.I16(sko::kRevolutionAxis) == 0);
        dialog.SetCheck(kAxisY, e.I16(sko::kRevolutionAxis) != 0);
    }
    if (e.Kind() == kSurfacePlane) {
        const std::vector<std::string> normal = SplitList(e.texts[5]);
        for (std::size_t k = 0; k < 3 && k < normal.size(); ++k)
            dialog.SetText(211 + static_cast<int>(k), normal[k]);
        dialog.SetText(214, e.texts[6]);
        dialog.SetText(215, e.texts[3]);
    }
    dialog.SetText(221, FieldText(e.Real(exo::kMinimum)));
    dialog.SetText(223, FieldText(e.Real(exo::kMaximum)));
    dialog.SetText(222, FieldText(e.Real(exo::kMinimum2)));
    dialog.SetText(224, FieldText(e.Real(exo::kMaximum2)));
    dialog.SetText(216, std::to_string(e.I16(spo::kDivisions1)));
    dialog.SetText(217, std::to_string(e.I16(spo::kDivisions2)));
    dialog.SetText(219, std::to_string(e.I16(spo::kPlotted1)));
    dialog.SetText(220, std::to_string(e.I16(spo::kPlotted2)));
    dialog.SetText(227, std::to_string(e.Width()));
    const SpacePoint low = RecordBoxMin(e), high = RecordBoxMax(e);
    const long double box[6] = {low.x, high.x, low.y, high.y, low.z, high.z};
    for (int k = 0; k < 6; ++k)
        dialog.SetText(kBoxFirst + k, FieldText(box[k]));
    for (const StyleCheck& c : kStyleChecks)
        dialog.SetCheck(c.id, e.Flag(c.offset) != c.inverted);
    for (const ColourField& f : kColourFields) {
        dialog.ListClear(f.id);
        for (int c = 0; c < kColourCount; ++c)
            dialog.ListAdd(f.id, ColourName(c));
        const int index = e.I16(f.offset);
        dialog.ListSelect(f.id, index >= 0 && index < kColourCount ? index : 0);
    }
}

bool TSurfaceDlg::OnCommand(platform::Dialog& dialog, int id, platform::ControlEvent event) {
    if (id != 1 || event != platform::ControlEvent::Clicked)
        return false;
    if (const int code = Accept(dialog); code != 0) {
        if (env_.showMessage)
            env_.showMessage(code);
        return true;
    }
    dialog.End(1);
    return true;
}

int TSurfaceDlg::ReadFormulas(const platform::Dialog& dialog, ExampleRecord& copy, int& mask) const {
    for (int id = 211; id <= 214; ++id) {
        if (!HasFormulaField(copy.Kind(), id) || copy.IsDerived())
            continue;
        std::string text = dialog.GetText(id);
        if (text.size() > static_cast<std::size_t>(kMaxFormulaLength))
            text.resize(kMaxFormulaLength);
        if (const int code = env_.compiler->CompileFormula(text); code != 0)
            return code;
        std::string& stored = copy.texts[static_cast<std::size_t>(id - 211)];
        if (text != stored)
            mask |= TEditExmpDlg::kFormulaChanged | TEditExmpDlg::kGeometryChanged;
        stored = text;
    }
    PrepareSurfaceTexts(copy);
    // The spherical coordinates built around the radius must compile as well.
    for (int slot = 0; slot < 3; ++slot)
        if (const int code = env_.compiler->CompileFormula(copy.texts[static_cast<std::size_t>(slot)]); code != 0)
            return code;
    return 0;
}

int TSurfaceDlg::ReadPlane(const platform::Dialog& dialog, ExampleRecord& copy, int& mask) const {
    if (copy.Kind() == kSurfaceRevolution) {
        const std::int16_t axis = dialog.GetCheck(kAxisY) ? 1 : 0;
        if (axis != copy.I16(sko::kRevolutionAxis))
            mask |= TEditExmpDlg::kGeometryChanged;
        copy.SetI16(sko::kRevolutionAxis, axis);
    }
    if (copy.Kind() != kSurfacePlane)
        return 0;
    long double normal[3], size = 0;
    for (int k = 0; k < 3; ++k)
        if (const int code = ReadDialogReal(env_, dialog, 211 + k, normal[k]); code != 0)
            return code;
    const std::vector<std::string> at = SplitList(dialog.GetText(214));
    if (at.size() != 3)
        return kInconsistent;
    long double point[3];
    for (std::size_t k = 0; k < 3; ++k) {
        if (const int code = env_.evaluate(at[k], point[k]); code != 0)
            return code;
        if (!std::isfinite(point[k]))
            return kOutOfRange;
    }
    if (const int code = ReadDialogReal(env_, dialog, 215, size); code != 0)
        return code;
    if (!(size > 1e-18L))
        return kNotPositive;
    std::string formulas[3];
    if (!PlaneFormulas({normal[0], normal[1], normal[2]}, {point[0], point[1], point[2]}, size, formulas))
        return kInconsistent;
    const std::string normalText = dialog.GetText(211) + "," + dialog.GetText(212) + "," + dialog.GetText(213);
    if (normalText != copy.texts[5] || dialog.GetText(214) != copy.texts[6] || dialog.GetText(215) != copy.texts[3])
        mask |= TEditExmpDlg::kFormulaChanged | TEditExmpDlg::kGeometryChanged;
    copy.texts[5] = normalText;
    copy.texts[6] = dialog.GetText(214);
    copy.texts[3] = dialog.GetText(215);
    for (std::size_t k = 0; k < 3; ++k)
        copy.texts[k] = formulas[k];
    return 0;
}

int TSurfaceDlg::ReadRanges(const platform::Dialog& dialog, ExampleRecord& copy, int& mask) const {
    const long double epsilon = 10.0L * std::pow(0.1L, env_.decimals - 1);
    const int fields[2][4] = {{221, 223, exo::kMinimum, exo::kMaximum}, {222, 224, exo::kMinimum2, exo::kMaximum2}};
    for (const auto& f : fields) {
        long double low = 0, high = 0;
        if (const int code = ReadDialogReal(env_, dialog, f[0], low); code != 0)
            return code;
        if (const int code = ReadDialogReal(env_, dialog, f[1], high); code != 0)
            return code;
        if (high < low + epsilon)
            return kInconsistent;
        if (low != copy.Real(f[2]) || high != copy.Real(f[3]))
            mask |= TEditExmpDlg::kGeometryChanged;
        copy.SetReal(f[2], low);
        copy.SetReal(f[3], high);
    }
    return 0;
}

int TSurfaceDlg::ReadCounts(const platform::Dialog& dialog, ExampleRecord& copy, int& mask) const {
    int n1 = 0, n2 = 0, p1 = 0, p2 = 0, width = 0;
    if (const int code = ReadDialogInteger(env_, dialog, 216, 1, kMaxGridPoints, n1); code != 0)
        return code;
    if (const int code = ReadDialogInteger(env_, dialog, 217, 1, kMaxGridPoints, n2); code != 0)
        return code;
    if ((n1 + 1) * (n2 + 1) > kMaxGridPoints)
        return kOutOfRange;
    if (const int code = ReadDialogInteger(env_, dialog, 219, kMinPlotted, kMaxPlotted, p1); code != 0)
        return code;
    if (const int code = ReadDialogInteger(env_, dialog, 220, kMinPlotted, kMaxPlotted, p2); code != 0)
        return code;
    if (const int code = ReadDialogInteger(env_, dialog, 227, 1, 30, width); code != 0)
        return code;
    if (n1 != copy.I16(spo::kDivisions1) || n2 != copy.I16(spo::kDivisions2))
        mask |= TEditExmpDlg::kGeometryChanged;
    copy.SetI16(spo::kDivisions1, static_cast<std::int16_t>(n1));
    copy.SetI16(spo::kDivisions2, static_cast<std::int16_t>(n2));
    copy.SetI16(spo::kPlotted1, static_cast<std::int16_t>(p1));
    copy.SetI16(spo::kPlotted2, static_cast<std::int16_t>(p2));
    if (width != copy.Width())
        mask |= TEditExmpDlg::kStyleChanged;
    copy.SetI16(exo::kWidth, static_cast<std::int16_t>(width));
    return 0;
}

int TSurfaceDlg::ReadBox(const platform::Dialog& dialog, ExampleRecord& copy, int& mask) const {
    if (!dialog.GetCheck(kLockBox))
        return 0;
    SpacePoint low, high;
    if (const int code = ReadDialogBox(env_, dialog, kBoxFirst, low, high); code != 0)
        return code;
    if (!(low == RecordBoxMin(copy)) || !(high == RecordBoxMax(copy)))
        mask |= TEditExmpDlg::kGeometryChanged;
    SetRecordBox(copy, low, high);
    return 0;
}

void TSurfaceDlg::ReadStyle(const platform::Dialog& dialog, ExampleRecord& copy, int& mask) const {
    for (const StyleCheck& c : kStyleChecks) {
        const bool on = dialog.GetCheck(c.id) != c.inverted;
        if (on != copy.Flag(c.offset))
            mask |= c.id == kLockBox || c.id == kCap ? TEditExmpDlg::kGeometryChanged : TEditExmpDlg::kStyleChanged;
        copy.SetFlag(c.offset, on);
    }
    for (const ColourField& f : kColourFields) {
        const int index = dialog.ListSelection(f.id);
        if (index < 0 || index >= kColourCount)
            continue;
        if (index != copy.I16(f.offset))
            mask |= TEditExmpDlg::kStyleChanged;
        copy.SetI16(f.offset, static_cast<std::int16_t>(index));
    }
}

int TSurfaceDlg::Accept(const platform::Dialog& dialog) {
    ExampleRecord copy = example_.CopyWithoutTrees();
    int mask = 0;
    int code = ReadFormulas(dialog, copy, mask);
    if (code == 0)
        code = ReadPlane(dialog, copy, mask);
    if (code == 0)
        code = ReadRanges(dialog, copy, mask);
    if (code == 0)
        code = ReadCounts(dialog, copy, mask);
    if (code == 0)
        code = ReadBox(dialog, copy, mask);
    if (code != 0)
        return code;
    ReadStyle(dialog, copy, mask);
    // The box as accepted, for a later "travar posição".
    WritePoint(copy, spo::kSavedBoxMin, RecordBoxMin(copy));
    WritePoint(copy, spo::kSavedBoxMax, RecordBoxMax(copy));
    if (!copy.IsDerived())
        copy.texts[4] = DescribeSurface(copy);
    if (mask != 0)
        copy.SetShown(true);
    example_ = std::move(copy);
    changeMask_ = mask;
    return 0;
}

} // namespace korvane
