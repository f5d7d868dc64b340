#include "plane/TPlotWin.h"

#include "expr/ConstantText.h"
#include "plane/Cobweb.h"
#include "plane/EquationLabel.h"
#include "plane/ExampleCompiler.h"
#include "plane/PlaneCommands.h"
#include "plane/PointNote.h"
#include "resources/Resources.h"

#include <cstdio>

namespace korvane {

TPlotWin::TPlotWin(platform::Platform& platform, const WindowOptions& options, platform::Window* owner)
    : TFuncWin(platform, options, owner) {}

int TPlotWin::CompileExample(int index, bool showFailure) {
    ExampleRecord& example = examples_[index];
    const int code = korvane::CompileExample(compiler_, example, drawSettings_.symbolicDerivatives);
    if (code != 0 && showFailure)
        ShowMessage(code);
    return code;
}

int TPlotWin::RecompileAll() {
    int first = 0;
    for (int i = 0; i <= examples_.LastExample(); ++i) {
        if (examples_[i].IsDerived())
            continue;
        const int code = CompileExample(i, false);
        if (code != 0 && first == 0)
            first = code;
    }
    // Derived examples keep no texts: their trees come from their sources again.
    for (int i = 0; i <= examples_.LastExample(); ++i)
        RecompileDerived(i);
    RecomputeLettersInUse();
    return first;
}

void TPlotWin::RecompileDerived(int index) {
    ExampleRecord& e = examples_[index];
    const auto valid = [&](int source) { return source >= 0 && source <= examples_.LastExample() && source != index; };
    const int first = e.I16(exo::kSource1), second = e.I16(exo::kSource2);
    if (e.Derivation() == kDerivativeDerivation && valid(first))
        korvane::CompileDerivative(context_, examples_[first], e);
    if (e.Derivation() == kIntegralDerivation && valid(first))
        CompileDerivedIntegral(examples_[first], valid(second) ? &examples_[second] : nullptr, e);
    if (IsWeb(e) && valid(first))
        CompileDerivedIntegral(examples_[first], nullptr, e); // f's tree, as an integral takes it
}

void TPlotWin::RecomputeLettersInUse() {
    lettersInUse_.fill(false);
    for (int i = 0; i <= examples_.LastExample(); ++i)
        MarkLettersInUse(examples_[i], lettersInUse_, compiler_);
}

void TPlotWin::FollowView(ExampleRecord& example) const {
    const int kind = example.Kind();
    if ((kind == kExplicit || kind == kIndefiniteIntegral) && !example.LockedInterval()) {
        example.SetReal(exo::kMinimum, view_.xmin);
        example.SetReal(exo::kMaximum, view_.xmax);
    }
}

PlaneDrawContext TPlotWin::MakeDrawContext(platform::Surface& surface) {
    PlaneDrawContext context{surface, view_, context_, examples_, drawSettings_, {}, {}, {}, {}};
    context.settings.printing = Printing();
    context.settings.exportMode = PictureExport();
    context.penRgb = [this](int index) { return PenRgb(index); };
    context.background = BackgroundRgb();
    context.pollKey = [this] { return PeekKey(); };
    // Only the base layer of a paint is the window's picture; exports and prints are not.
    if (window_ && &surface == layers_.Layer(1)) {
        context.showPicture = [this] { ShowDrawing(); };
        context.showStatus = [this](const std::string& text) { SetDrawingStatus(text); };
    }
    return context;
}

void TPlotWin::ShowDrawing() {
    BlitLayer(1, window_->FrontSurface());
    window_->Present();
}

int TPlotWin::DrawExamples(platform::Surface& surface, const std::function<bool(int)>& include, bool notes) {
    if (drawSettings_.researchImplicit)
        ForgetImplicitPieces();
    PlaneDrawContext context = MakeDrawContext(surface);
    int key = 0;
    for (int i = 0; i <= examples_.LastExample() && key != kStopKey; ++i) {
        if (include && !include(i))
            continue;
        FollowView(examples_[i]);
        key = DrawExample(context, i);
    }
    if (notes && key != kStopKey)
        DrawPointNotes(context, FontSpecOf(kFontNames), format_);
    if (notes)
        DrawEquationLabels(context, FontSpecOf(kFontNames));
    EndDrawingStatus();
    if (context.failureCode != 0 && pendingMessage_ == 0)
        pendingMessage_ = context.failureCode;
    return key;
}

void TPlotWin::DrawBase(platform::Surface& surface) {
    TFuncWin::DrawBase(surface);
    DrawExamples(surface);
}

void TPlotWin::OnPaint(platform::Surface& front) {
    // A message left by a drawing outside a paint (an export) is not this paint's.
    pendingMessage_ = 0;
    painting_ = true;
    if (!PaintChangedExamples(front))
        TFuncWin::OnPaint(front);
    painting_ = false;
    if (pendingMessage_ != 0 && window_) {
        messageDue_ = pendingMessage_;
        window_->StartTimer(kDrawingMessageTimer, 1);
    }
    pendingMessage_ = 0;
}

void TPlotWin::OnTimer(int id) {
    if (id != kDrawingMessageTimer) {
        TFuncWin::OnTimer(id);
        return;
    }
    // A long drawing lets timers through while it polls the keyboard: wait for its end.
    if (painting_)
        return;
    window_->StopTimer(kDrawingMessageTimer);
    if (const int code = messageDue_; code != 0) {
        messageDue_ = 0;
        ShowMessage(code);
    }
}

void TPlotWin::AfterViewChange(long double oldRx, long double oldRy) {
    for (int i = 0; i <= examples_.LastExample(); ++i)
        FollowView(examples_[i]);
    TFuncWin::AfterViewChange(oldRx, oldRy);
}

void TPlotWin::ForgetImplicitPieces() {
    for (int i = 0; i <= examples_.LastExample(); ++i) {
        ExampleRecord& e = examples_[i];
        if (e.Kind() == kImplicit) {
            e.trajectories.clear();
            e.SetFlag(exo::kFlag56, true);
        }
    }
}

void TPlotWin::RedrawExamples() { Redraw(currentLevel_); }

void TPlotWin::AskTolerance(const char* caption, long double& value) {
    char initial[64];
    std::snprintf(initial, sizeof initial, "%.6Lg", value);
    const auto text = platform_.InputBox(caption, "em unidades de pixel", initial, window_.get(), 30);
    if (!text)
        return;
    long double entered = 0;
    if (const int code = EvaluateNumber(*text, entered); code != 0) {
        ShowMessage(code);
        return;
    }
    if (entered < 1e-18L) {
        ShowMessage(14);
        return;
    }
    value = entered;
    RedrawExamples();
}

void TPlotWin::AskShading() {
    const auto text = platform_.InputBox("sombreamento", "0 nenhum, 1 linhas, 2 pontos",
                                         std::to_string(drawSettings_.shading), window_.get(), 30);
    if (!text)
        return;
    long style = 0;
    if (const int code = EvaluateIntegerText(compiler_, *text, 0, 2, style); code != 0) {
        ShowMessage(code);
        return;
    }
    drawSettings_.shading = static_cast<int>(style);
    RedrawExamples();
}

void TPlotWin::OnCommand(int id) {
    switch (id) {
    case cmd::kRedraw: RedrawExamples(); return;
    case cmd::kConnectPoints:
        drawSettings_.connectPoints = !drawSettings_.connectPoints;
        break;
    case cmd::kNullVector: AskTolerance("tolerância vetor nulo", drawSettings_.nullVectorTolerance); return;
    case cmd::kLoopTolerance: AskTolerance("tolerância fechar loop", drawSettings_.loopTolerance); return;
    case cmd::kSharpAngles: drawSettings_.sharpAngles = !drawSettings_.sharpAngles; break;
    case cmd::kInfiniteSlope: drawSettings_.infiniteSlope = !drawSettings_.infiniteSlope; break;
    case cmd::kShadeImplicit: AskShading(); return;
    case cmd::kResearchImplicit:
        drawSettings_.researchImplicit = !drawSettings_.researchImplicit;
        RefreshMenuChecks();
        return;
    default: TFuncWin::OnCommand(id); return;
    }
    RefreshMenuChecks();
    RedrawExamples();
}

void TPlotWin::RefreshMenuChecks() {
    TFuncWin::RefreshMenuChecks();
    if (!window_)
        return;
    window_->CheckMenuItem(cmd::kConnectPoints, drawSettings_.connectPoints);
    window_->CheckMenuItem(cmd::kSharpAngles, drawSettings_.sharpAngles);
    window_->CheckMenuItem(cmd::kInfiniteSlope, drawSettings_.infiniteSlope);
    window_->CheckMenuItem(cmd::kResearchImplicit, drawSettings_.researchImplicit);
}

} // namespace korvane
