#include "plane/TPlot1Win.h"

#include <cstdio>

#include "plane/TTableLoHiDlg.h"
#include "plane/TableOfValues.h"

#include "expr/Opcodes.h"
#include "expr/TreeOps.h"
#include "graph/TFnLibDlg.h"
#include "plane/Cobweb.h"
#include "plane/DocumentText.h"
#include "plane/ExampleCompiler.h"
#include "plane/PlaneCommands.h"
#include "plane/TEditExmpDlg.h"
#include "plane/TInventDlg.h"
#include "plane/TWebDlg.h"
#include "platform/Dialog.h"

namespace korvane {

namespace {

struct NewExampleRow {
    int command;
    std::int16_t kind;
    const char* texts[4]; // slots 0..3
};

constexpr NewExampleRow kNewExamples[] = {
    {cmd::kNewExplicit, kExplicit, {"", "xsin(x)", "", ""}},
    {cmd::kNewParametric, kParametric, {"3cos(3t)", "3sin(4t)", "", ""}},
    {cmd::kNewImplicit, kImplicit, {"", "", "xx+yy-(13)", ""}},
    {cmd::kNewPolar, kPolar, {"", "", "3cos(2t)", ""}},
    {cmd::kNewPolynomial, kExplicit, {"", "", "", ""}},
    {cmd::kNewSegmentXY, kSegment, {"-1.5", "3.0", "3.5", "1.0"}},
    {cmd::kNewSegmentRT, kSegment, {"2", "pi/6", "3", "pi/2"}},
    {cmd::kNewCycloid, kCycloid, {"", "", "", ""}},
    {cmd::kNewLine, kLine, {"2.54", "1.732", "3.141", ""}},
    {cmd::kNewPointXY, kPoint, {"1", "1", "", ""}},
    {cmd::kNewPointRT, kPoint, {"2", "pi/4", "", ""}},
    {cmd::kNewSystem, kSystem, {"xx-yy", "2xy", "", ""}},
    {cmd::kNewSlopeField, kSlopeField, {"", "", "x-y", ""}},
    {cmd::kNewRecursive, kRecursive, {"1+abs(x)-y", "x", "", ""}},
    {cmd::kNewPointList, kPointList, {"", "", "", "1, 2, 3, 4"}},
    {cmd::kNewIndefinite, kIndefiniteIntegral, {"", "cos(x)", "", ""}},
};

const NewExampleRow* FindNewExample(int command) {
    for (const NewExampleRow& row : kNewExamples)
        if (row.command == command)
            return &row;
    return nullptr;
}

std::string Pair(const char* a, const std::string& x, const char* b, const std::string& y) {
    return std::string(a) + x + b + y;
}

bool IsPointKind(int kind) { return kind == kPoint || kind == kPointList; }

std::string DescribeWeb(const ExampleRecord& web, const ExampleRecord& source) {
    char tail[80];
    std::snprintf(tail, sizeof tail, " (x0 = %.10Lg, %d passos)", web.Real(exo::kWebStart), web.I16(exo::kWebSteps));
    return FitToField("web de " + source.texts[4] + tail, kMaxFormulaLength);
}

} // namespace

namespace {

std::string DescribeFully(const ExampleRecord& e) {
    const auto& t = e.texts;
    const bool polar = e.Flag(exo::kFlag60);
    switch (e.Kind()) {
    case kExplicit: return e.Flag(exo::kFlag59) ? "polinômio" : "y = " + t[1];
    case kPolar: return "r = " + t[2];
    case kParametric:
        return polar ? Pair("r = ", t[0], " , theta = ", t[1]) : Pair("x = ", t[0], " , y = ", t[1]);
    case kImplicit: return t[4];
    case kSegment:
        return Pair(polar ? "segmento [" : "segmento (", t[0] + " , " + t[1], polar ? "] [" : ") (",
                    t[2] + " , " + t[3] + (polar ? "]" : ")"));
    case kIndefiniteIntegral: return "integral de " + t[1];
    case kCycloid: return "ciclóide";
    case kLine: return "(" + t[0] + ")x + (" + t[1] + ")y = " + t[2];
    case kPoint:
        return e.I16(exo::kRadio) == 0 ? "ponto [" + t[0] + " , " + t[1] + "]" : "ponto (" + t[0] + " , " + t[1] + ")";
    case kSystem: return Pair("dx/dt = ", t[0], " , dy/dt = ", t[1]);
    case kSlopeField: return "dy/dx = " + t[2];
    case kRecursive: return Pair("novo x = ", t[0], " , novo y = ", t[1]);
    case kPointList: return "x = " + t[3];
    default: return t[4];
    }
}

} // namespace

std::string DescribeExample(const ExampleRecord& e) { return FitToField(DescribeFully(e), kMaxFormulaLength); }

TPlot1Win::TPlot1Win(platform::Platform& platform, const WindowOptions& options, platform::Window* owner)
    : TPlotWin(platform, options, owner) {}

TPlot1Win::~TPlot1Win() = default;

EquationEnvironment TPlot1Win::MakeEquationEnvironment() {
    EquationEnvironment env;
    env.compiler = &compiler_;
    env.evaluate = [this](const std::string& text, long double& value) { return EvaluateNumber(text, value); };
    env.showMessage = [this](int code) { ShowMessage(code); };
    env.decimals = format_.decimals;
    env.viewXmin = view_.xmin;
    env.viewXmax = view_.xmax;
    return env;
}

void TPlot1Win::SetDefaultExample(ExampleRecord& e, int command) {
    const NewExampleRow* row = FindNewExample(command);
    for (std::size_t i = 0; i < 4; ++i)
        e.texts[i] = row->texts[i];
    if (e.Kind() == kImplicit) {
        e.texts[4] = "xx+yy=13";
        e.SetFlag(exo::kFlag56, true); // nothing searched yet
    }
    e.SetReal(exo::kMinimum, view_.xmin);
    e.SetReal(exo::kMaximum, view_.xmax);
    e.SetReal(exo::kStepTolerance, 1);
    e.SetI16(exo::kPen24, e.Kind() == kSystem || e.Kind() == kSlopeField ? e.Colour() : -1);
    switch (command) {
    case cmd::kNewPolynomial: e.SetFlag(exo::kFlag59, true); break;
    case cmd::kNewSegmentRT: e.SetFlag(exo::kFlag60, true); break;
    case cmd::kNewPointRT: e.SetI16(exo::kRadio, 0); break;
    case cmd::kNewCycloid:
        e.SetReal(exo::kMinimum, 0);
        e.SetReal(exo::kMaximum, 12.566370614359172954L);
        e.SetReal(exo::kCycloidRadius, 1);
        e.SetReal(exo::kCycloidArm, 1);
        break;
    default: break;
    }
}

int TPlot1Win::NewExample(int command) {
    const NewExampleRow* row = FindNewExample(command);
    if (!row)
        return -1;
    const bool first = examples_.LastExample() < 0;
    const int index = examples_.Append(row->kind, static_cast<std::int16_t>(NextCurveColour()));
    if (index < 0) {
        ShowMessage(4);
        return -1;
    }
    SetDefaultExample(examples_[index], command);
    if (EditExample(index, true) < 0)
        return -1;
    if (first)
        ShowInventory();
    return index;
}

int TPlot1Win::EditExample(int index, bool isNew) {
    if (index < 0 || index > examples_.LastExample())
        return -1;
    if (IsWeb(examples_[index]))
        return EditWeb(index, isNew);
    TEditExmpDlg dialog(MakeEquationEnvironment(), examples_[index]);
    if (dialog.Run(platform_, window_.get()) != platform::ResultOk) {
        if (isNew && index == examples_.LastExample())
            examples_.ReleaseLast();
        ExamplesChanged();
        return -1;
    }
    ExampleRecord& e = examples_[index];
    const int mask = dialog.ChangeMask() | (isNew ? TEditExmpDlg::kFormulaChanged : 0);
    if (!e.IsDerived() && e.Kind() != kImplicit)
        e.texts[4] = DescribeExample(e);
    if ((mask & TEditExmpDlg::kFormulaChanged) && !e.IsDerived()) {
        CompileExample(index);
        RefreshDerivatives(index);
    }
    RecomputeLettersInUse();
    if (e.Kind() == kImplicit && e.Flag(exo::kFlag56))
        e.trajectories.clear(); // the pieces of the old equation
    FollowView(e);
    if (mask != 0)
        SetModified();
    ExamplesChanged();
    Redraw(currentLevel_);
    return mask;
}

int TPlot1Win::DuplicateExample(int index) {
    if (index < 0 || index > examples_.LastExample())
        return -1;
    const int copy = examples_.Append(examples_[index].Kind(), examples_[index].Colour());
    if (copy < 0) {
        ShowMessage(4);
        return -1;
    }
    ExampleRecord& source = examples_[index];
    ExampleRecord duplicate = source.CopyWithoutTrees();
    // A derived example has no texts to compile its trees from.
    for (std::size_t slot = 0; slot < duplicate.compiled.size(); ++slot)
        if (source.compiled[slot].root)
            duplicate.compiled[slot] = CopyTree(source.compiled[slot]);
    examples_[copy] = std::move(duplicate);
    return EditExample(copy, true) < 0 ? -1 : copy;
}

bool TPlot1Win::CanDerive(const ExampleRecord& e) const {
    // Slot 5 holds d/dx of an explicit and dy/dt of a polar or parametric example: when it
    // is missing the derivative was too large to build.
    return CanMakeDerivative(e) && e.Tree(5) != nullptr && (e.Kind() == kExplicit || e.Tree(4) != nullptr);
}

int TPlot1Win::DeriveExample(int index) {
    if (index < 0 || index > examples_.LastExample() || !CanDerive(examples_[index]))
        return -1;
    const std::int16_t kind = examples_[index].Kind() == kExplicit ? kExplicit : kParametric;
    const int derived = examples_.Append(kind, static_cast<std::int16_t>(NextCurveColour()));
    if (derived < 0) {
        ShowMessage(4);
        return -1;
    }
    const ExampleRecord& source = examples_[index];
    ExampleRecord& d = examples_[derived];
    d.SetI16(exo::kDerivation, kDerivativeCode);
    d.SetI16(exo::kSource1, static_cast<std::int16_t>(index));
    for (int offset : {exo::kMinimum, exo::kMaximum, exo::kStepTolerance})
        d.SetReal(offset, source.Real(offset));
    d.SetI16(exo::kDensity, source.Density());
    d.SetFlag(exo::kLockInterval, source.LockedInterval());
    if (kind == kParametric)
        d.SetI16(exo::kParameterLetter, source.Kind() == kPolar ? 0 : source.I16(exo::kParameterLetter));
    d.texts[4] = FitToField((kind == kExplicit ? "d/dx " : "d/dt ") + source.texts[4], kMaxFormulaLength);
    if (const int code = CompileDerivative(context_, source, d); code != 0) {
        examples_.ReleaseLast();
        ShowMessage(code);
        return -1;
    }
    RecomputeLettersInUse();
    SetModified();
    ExamplesChanged();
    Redraw(currentLevel_);
    return derived;
}

int TPlot1Win::MakeWeb(int index) {
    if (index < 0 || index > examples_.LastExample() || !CanMakeWeb(examples_[index]))
        return -1;
    const int web = examples_.Append(kRecursive, examples_[index].Colour());
    if (web < 0) {
        ShowMessage(4);
        return -1;
    }
    ExampleRecord& w = examples_[web];
    w.SetI16(exo::kDerivation, kWebDerivation);
    w.SetI16(exo::kSource1, static_cast<std::int16_t>(index));
    w.SetI16(exo::kWidth, examples_[index].Width());
    w.SetReal(exo::kWebStart, 0.5L);
    w.SetI16(exo::kWebSteps, 20);
    return EditWeb(web, true) < 0 ? -1 : web;
}

int TPlot1Win::EditWeb(int index, bool isNew) {
    TWebDlg dialog(*this, examples_[index]);
    if (!window_ || platform_.RunModal("WEB", dialog, window_.get()) != platform::ResultOk) {
        if (isNew && index == examples_.LastExample())
            examples_.ReleaseLast();
        ExamplesChanged();
        return -1;
    }
    RecompileDerived(index);
    ExampleRecord& web = examples_[index];
    const int source = web.I16(exo::kSource1);
    if (source >= 0 && source <= examples_.LastExample())
        web.texts[4] = DescribeWeb(web, examples_[source]);
    RecomputeLettersInUse();
    SetModified();
    ExamplesChanged();
    Redraw(currentLevel_);
    return TEditExmpDlg::kFormulaChanged | TEditExmpDlg::kGeometryChanged;
}

void TPlot1Win::RefreshDerivatives(int source) {
    for (int i = 0; i <= examples_.LastExample(); ++i) {
        ExampleRecord& e = examples_[i];
        if (!e.IsDerived() || (e.I16(exo::kSource1) != source && e.I16(exo::kSource2) != source))
            continue;
        RecompileDerived(i);
        if (IsWeb(e))
            e.texts[4] = DescribeWeb(e, examples_[source]);
    }
}

void TPlot1Win::DeleteExample(int index) {
    if (index < 0 || index > examples_.LastExample())
        return;
    examples_.Delete(index);
    RecomputeLettersInUse();
    SetModified();
    ExamplesChanged();
    Redraw(currentLevel_);
}

void TPlot1Win::ExampleStyleChanged() {
    SetModified();
    ExamplesChanged();
    Redraw(currentLevel_);
}

std::string TPlot1Win::InventoryLine(int index) const {
    const ExampleRecord& e = examples_[index];
    std::string line = e.Shown() ? "" : "escondido: ";
    if (!examples_.Name(index).empty())
        line += examples_.Name(index) + " ";
    return line + e.texts[4];
}

void TPlot1Win::ShowHelp(std::string_view name, HelpWindows::Which which, const std::string& word) {
    if (!window_)
        return;
    if (!help_)
        help_ = std::make_unique<HelpWindows>(platform_, window_.get(), BaseTitle());
    if (const int code = help_->Show(name, which, word); code != 0)
        ShowMessage(code);
}

void TPlot1Win::ShowTable(int index) {
    if (index < 0 || index > examples_.LastExample() || !HasTableOfValues(examples_[index]) || !window_)
        return;
    ExampleRecord& example = examples_[index];
    TTableLoHiDlg dialog(*this, example);
    if (platform_.RunModal("TABLELOHI", dialog, window_.get()) != platform::ResultOk)
        return;
    SetModified();
    if (!table_)
        table_ = std::make_unique<TTableWin>(platform_, window_.get());
    const std::string name = examples_.Name(index);
    table_->SetBaseTitle(StringOf(118) + " - " + (name.empty() ? DescribeExample(example) : name));
    table_->SetText(TableOfValues(context_, example, format_));
    table_->ShowWindow();
}

void TPlot1Win::ShowInventory() {
    if (!inventory_)
        inventory_ = std::make_unique<TInventDlg>(*this);
    inventory_->Show();
}

void TPlot1Win::ExamplesChanged() {
    if (inventory_)
        inventory_->Refresh();
    EnableOutputCommands();
}

void TPlot1Win::EnableOutputCommands() {
    if (!window_)
        return;
    window_->EnableMenuItem(cmd::kPicTeX, HasPicture());
    window_->EnableMenuItem(cmd::kTikZ, HasPicture());
    output_.RefreshMenu();
}

void TPlot1Win::ToggleAll(bool points) {
    bool anyShown = false;
    for (int i = 0; i <= examples_.LastExample(); ++i)
        if (IsPointKind(examples_[i].Kind()) == points && examples_[i].Shown())
            anyShown = true;
    for (int i = 0; i <= examples_.LastExample(); ++i)
        if (IsPointKind(examples_[i].Kind()) == points)
            examples_[i].SetShown(!anyShown);
    ExamplesChanged();
    Redraw(currentLevel_);
}

void TPlot1Win::OnCommand(int id) {
    if (output_.OnCommand(id))
        return;
    if (FindNewExample(id)) {
        NewExample(id);
        return;
    }
    switch (id) {
    case cmd::kInventory:
        if (Authorize(kProtectInventory))
            ShowInventory();
        return;
    case cmd::kWindowHelp: ShowHelp(HelpName()); return;
    case cmd::kToggleAllPoints: ToggleAll(true); return;
    case cmd::kToggleAllEquations: ToggleAll(false); return;
    case TFnLibDlg::kCommandLibraryHelp:
        ShowHelp(context_.complexMode ? "WINCPARS" : "WINPARS", HelpWindows::Language);
        return;
    case TFnLibDlg::kCommandDefineFunction:
        if (!functionDialog_)
            functionDialog_ = std::make_unique<TFnLibDlg>(platform_, functions_, DefinitionCompilerFor(compiler_, functions_));
        functionDialog_->Show(window_.get());
        return;
    default: TPlotWin::OnCommand(id); return;
    }
}

void TPlot1Win::PackPlaneLook(PlaneValues& plane, SettingsRecord& record) {
    // Also when the frame destroys the window at exit, with no OnDestroy first.
    plane.mouseMode = mouseMode_;
    PlaneLook look{axes_, format_, widths_, view_, plane};
    PackPlaneSlots(look, record);
}

void TPlot1Win::UnpackPlaneLook(PlaneValues& plane, const SettingsRecord& record) {
    PlaneLook look{axes_, format_, widths_, view_, plane};
    const platform::Size client = ClientSize();
    UnpackPlaneSlots(record, client.width, client.height, look);
    mouseMode_ = plane.mouseMode;
}

} // namespace korvane
