#include "space/TSpaceObjectDlg.h"
#include "space/DialogNumbers.h"
#include "space/FieldText.h"

#include <cmath>

#include "graph/ColourTable.h"
#include "platform/Platform.h"
#include "space/LevelCurves.h"
#include "space/SpaceKinds.h"
#include "space/SpaceSystems.h"
#include "space/SurfaceRecord.h"

namespace korvane {

namespace {

constexpr int kInconsistent = 6;
constexpr int kOutOfRange = 17;

// The text slot each field 211..216 edits: a segment's six numbers skip the description
// slot 4.
int TextSlot(int id) { return id <= 214 ? id - 211 : id - 210; }

struct Check {
    int id;
    int offset;
};
constexpr Check kChecks[] = {
    {TSpaceObjectDlg::kArrow, sko::kArrowOn},     {TSpaceObjectDlg::kAnchors, sko::kAnchors},
    {TSpaceObjectDlg::kAnchorsDotted, sko::kAnchorsDotted}, {TSpaceObjectDlg::kArcs, sko::kArcs},
    {TSpaceObjectDlg::kArcsDotted, sko::kArcsDotted},
};

int FieldCount(int kind) { return kind == kSpaceSegment ? 6 : kind == kSurfaceImplicit ? 0 : 3; }

} // namespace

std::string DescribeSpaceObject(const ExampleRecord& e) {
    const auto& t = e.texts;
    switch (e.Kind()) {
    case kSpaceCurve: return "x = " + t[0] + " , y = " + t[1] + " , z = " + t[2];
    case kSpaceSystem: return "dx/dt = " + t[0] + " , dy/dt = " + t[1] + " , dz/dt = " + t[2];
    case kSpaceRecursive: return "x = " + t[0] + " , y = " + t[1] + " , z = " + t[2];
    case kSurfaceImplicit: return t[4];
    case kSpaceSegment: return "(" + t[0] + "," + t[1] + "," + t[2] + ") a (" + t[3] + "," + t[5] + "," + t[6] + ")";
    default: return "ponto (" + t[0] + "," + t[1] + "," + t[2] + ")";
    }
}

std::string TSpaceObjectDlg::TemplateName(const ExampleRecord& e) {
    // The plane window's point dialog holds the name EQUA309; the space point has fields
    // of its own.
    return e.Kind() == kSpacePoint ? "EQUA309S" : "EQUA" + std::to_string(e.Kind());
}

TSpaceObjectDlg::TSpaceObjectDlg(EquationEnvironment environment, ExampleRecord& example)
    : env_(std::move(environment)), example_(example) {}

int TSpaceObjectDlg::Run(platform::Platform& platform, platform::Window* owner) {
    changeMask_ = 0;
    return platform.RunModal(TemplateName(example_), *this, owner);
}

void TSpaceObjectDlg::OnInit(platform::Dialog& dialog) {
    const ExampleRecord& e = example_;
    for (int k = 0; k < FieldCount(e.Kind()); ++k)
        dialog.SetText(211 + k, e.texts[static_cast<std::size_t>(TextSlot(211 + k))]);
    if (e.Kind() == kSurfaceImplicit) {
        dialog.SetText(211, e.texts[4]);
        dialog.Enable(211, !e.IsDerived()); // its equation is its source's derivative
    }
    dialog.SetText(221, FieldText(e.Real(exo::kMinimum)));
    dialog.SetText(223, FieldText(e.Real(exo::kMaximum)));
    dialog.SetText(225, FieldText(e.Real(sko::kArrowT)));
    dialog.SetText(226, std::to_string(e.I16(e.Kind() == kSpacePoint ? sko::kPointSize : sko::kArrowSize)));
    dialog.SetText(219, std::to_string(e.I16(spo::kPlotted1)));
    dialog.SetText(227, std::to_string(e.Width()));
    for (const Check& c : kChecks)
        dialog.SetCheck(c.id, e.Flag(c.offset));
    dialog.SetCheck(kSolid, e.Flag(sko::kSolid));
    dialog.SetCheck(kClip, e.Flag(sko::kClip));
    const SpacePoint low = RecordBoxMin(e), high = RecordBoxMax(e);
    const long double box[6] = {low.x, high.x, low.y, high.y, low.z, high.z};
    for (int k = 0; k < 6; ++k)
        dialog.SetText(kBoxFirst + k, FieldText(box[k]));
    dialog.SetCheck(kCircle, !e.Flag(sko::kSolid));
    dialog.ListClear(kColour);
    for (int c = 0; c < kColourCount; ++c)
        dialog.ListAdd(kColour, ColourName(c));
    dialog.ListSelect(kColour, e.Colour() >= 0 && e.Colour() < kColourCount ? e.Colour() : 0);
}

bool TSpaceObjectDlg::OnCommand(platform::Dialog& dialog, int id, platform::ControlEvent event) {
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

int TSpaceObjectDlg::ReadFormulas(const platform::Dialog& dialog, ExampleRecord& copy) const {
    for (int k = 0; k < 3; ++k) {
        std::string text = dialog.GetText(211 + k);
        if (text.size() > static_cast<std::size_t>(kMaxFormulaLength))
            text.resize(kMaxFormulaLength);
        if (const int code = env_.compiler->CompileFormula(text); code != 0)
            return code;
        copy.texts[static_cast<std::size_t>(k)] = text;
    }
    return 0;
}

int TSpaceObjectDlg::ReadSystem(const platform::Dialog& dialog, ExampleRecord& copy) const {
    if (const int code = ReadFormulas(dialog, copy); code != 0)
        return code;
    SpacePoint low, high;
    if (const int code = ReadDialogBox(env_, dialog, kBoxFirst, low, high); code != 0)
        return code;
    SetRecordBox(copy, low, high);
    copy.SetFlag(sko::kClip, dialog.GetCheck(kClip));
    return 0;
}

int TSpaceObjectDlg::ReadImplicit(const platform::Dialog& dialog, ExampleRecord& copy) const {
    SpacePoint low, high;
    if (copy.IsDerived()) {
        if (const int code = ReadDialogBox(env_, dialog, kBoxFirst, low, high); code != 0)
            return code;
        SetRecordBox(copy, low, high);
        return 0;
    }
    std::string equation = dialog.GetText(211), difference;
    // F = f-(g) takes three characters more than the equation.
    if (equation.size() > static_cast<std::size_t>(kMaxFormulaLength - 3))
        equation.resize(kMaxFormulaLength - 3);
    if (const int code = ImplicitDifference(equation, difference); code != 0)
        return code;
    if (const int code = env_.compiler->CompileFormula(difference); code != 0)
        return code;
    if (const int code = ReadDialogBox(env_, dialog, kBoxFirst, low, high); code != 0)
        return code;
    // Curves of another equation are no level curves of this one.
    if (equation != copy.texts[4])
        copy.trajectories.clear();
    copy.texts[4] = equation;
    copy.texts[2] = difference;
    SetRecordBox(copy, low, high);
    return 0;
}

int TSpaceObjectDlg::ReadCurve(const platform::Dialog& dialog, ExampleRecord& copy) const {
    if (const int code = ReadFormulas(dialog, copy); code != 0)
        return code;
    long double low = 0, high = 0, arrowAt = 0;
    int arrowSize = 0;
    if (const int code = ReadDialogReal(env_, dialog, 221, low); code != 0)
        return code;
    if (const int code = ReadDialogReal(env_, dialog, 223, high); code != 0)
        return code;
    if (high < low + 10.0L * std::pow(0.1L, env_.decimals - 1))
        return kInconsistent;
    if (const int code = ReadDialogReal(env_, dialog, 225, arrowAt); code != 0)
        return code;
    // The arrow stands on the curve.
    if (dialog.GetCheck(kArrow) && (arrowAt < low || arrowAt > high))
        return kOutOfRange;
    if (const int code = ReadDialogInteger(env_, dialog, 226, 1, kMaxArrowSize, arrowSize); code != 0)
        return code;
    copy.SetReal(exo::kMinimum, low);
    copy.SetReal(exo::kMaximum, high);
    copy.SetReal(sko::kArrowT, arrowAt);
    copy.SetI16(sko::kArrowSize, static_cast<std::int16_t>(arrowSize));
    return 0;
}

int TSpaceObjectDlg::ReadNumbers(const platform::Dialog& dialog, ExampleRecord& copy) const {
    const int count = FieldCount(copy.Kind());
    long double v[6];
    for (int k = 0; k < count; ++k) {
        if (const int code = ReadDialogReal(env_, dialog, 211 + k, v[k]); code != 0)
            return code;
        copy.texts[static_cast<std::size_t>(TextSlot(211 + k))] = dialog.GetText(211 + k);
    }
    if (copy.Kind() == kSpaceSegment) {
        WritePoint(copy, sko::kSegmentFrom, {v[0], v[1], v[2]});
        WritePoint(copy, sko::kSegmentTo, {v[3], v[4], v[5]});
        return 0;
    }
    WritePoint(copy, sko::kPointAt, {v[0], v[1], v[2]});
    int size = 0;
    if (const int code = ReadDialogInteger(env_, dialog, 226, 1, kMaxPointSize, size); code != 0)
        return code;
    copy.SetI16(sko::kPointSize, static_cast<std::int16_t>(size));
    return 0;
}

int TSpaceObjectDlg::Accept(const platform::Dialog& dialog) {
    ExampleRecord copy = example_.CopyWithoutTrees();
    int code = copy.Kind() == kSpaceCurve        ? ReadCurve(dialog, copy)
               : copy.Kind() == kSurfaceImplicit ? ReadImplicit(dialog, copy)
               : IsSpaceSystem(copy.Kind())      ? ReadSystem(dialog, copy)
                                                 : ReadNumbers(dialog, copy);
    int plotted = 0, width = 0;
    // A point has neither plotted points nor a line width.
    if (code == 0 && copy.Kind() != kSpacePoint && !IsSpaceSystem(copy.Kind()) && copy.Kind() != kSurfaceImplicit)
        code = ReadDialogInteger(env_, dialog, 219, kMinPlotted, kMaxPlotted, plotted);
    if (code == 0 && copy.Kind() != kSpacePoint)
        code = ReadDialogInteger(env_, dialog, 227, 1, kMaxLineWidth, width);
    if (code != 0)
        return code;
    if (plotted > 0)
        copy.SetI16(spo::kPlotted1, static_cast<std::int16_t>(plotted));
    if (width > 0)
        copy.SetI16(exo::kWidth, static_cast<std::int16_t>(width));
    // An implicit surface has none of these checks; its byte 58 marks it as implicit.
    if (copy.Kind() != kSurfaceImplicit) {
        for (const Check& c : kChecks)
            copy.SetFlag(c.offset, dialog.GetCheck(c.id));
        copy.SetFlag(sko::kSolid, dialog.GetCheck(kSolid));
    }
    if (const int index = dialog.ListSelection(kColour); index >= 0 && index < kColourCount)
        copy.SetI16(exo::kColour, static_cast<std::int16_t>(index));
    if (copy.Kind() != kSurfaceImplicit)
        copy.texts[4] = DescribeSpaceObject(copy);
    copy.SetShown(true);
    example_ = std::move(copy);
    changeMask_ = TEditExmpDlg::kFormulaChanged | TEditExmpDlg::kGeometryChanged | TEditExmpDlg::kStyleChanged;
    return 0;
}

} // namespace korvane
