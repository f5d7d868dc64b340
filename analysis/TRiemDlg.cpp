#include "analysis/TRiemDlg.h"

#include "expr/EvalContext.h"
#include "expr/Evaluator.h"
#include "expr/Opcodes.h"
#include "expr/RandomGenerator.h"
#include "expr/TreeOps.h"
#include "graph/NumberText.h"
#include "plane/ExampleCompiler.h"
#include "plane/MappedPath.h"
#include "plane/PointNote.h"
#include "plane/TPlotAWin.h"
#include "platform/Dialog.h"

#include <cmath>

namespace korvane {

namespace {

constexpr std::int16_t kExplicitOnly[] = {kExplicit, -1};
constexpr int kTitle = 194;      // "integração"
constexpr int kNoteLabel = 175;  // "(esquerdo,direito,valor,subint)"
constexpr int kStatusStop = 601; // "pressione S para sair"
constexpr int kStripColourSlot = kSlotStrips;
constexpr int kLetterX = 24;
constexpr int kFull = 4;
constexpr int kNotUnderstood = 1;
constexpr int kNoExample = 2;
constexpr std::int64_t kProgressAbove = 1000000;

} // namespace

TRiemDlg::TRiemDlg(TPlotAWin& owner, int* currentColour, IntegralFields& fields)
    : TPreRiemDlg(owner, "RIEM", kExplicitOnly, currentColour, fields) {}

void TRiemDlg::OpenInMode(int mode) {
    mode_ = mode == 2 ? 2 : 1;
    if (platform::Dialog* d = GetDialog())
        ApplyMode(*d);
    Open();
}

void TRiemDlg::ApplyMode(platform::Dialog& dialog) {
    dialog.SetTitle(StringOf(kTitle) + (mode_ == 2 ? " f - g" : ""));
    dialog.ShowControl(kSecondList, mode_ == 2);
}

void TRiemDlg::SetUp(platform::Dialog& dialog) {
    ApplyMode(dialog);
    for (int bit = 0; bit < 7; ++bit)
        dialog.SetCheck(kLeftBox + bit, (fields.methodMask >> bit) & 1);
}

void TRiemDlg::ExampleChanged() {
    owner.Redraw(0);
}

void TRiemDlg::OnClose(platform::Dialog& dialog, int result) {
    (void)dialog;
    (void)result;
    owner.Redraw(0);
}

bool TRiemDlg::Command(platform::Dialog& dialog, int id, platform::ControlEvent event) {
    if (event != platform::ControlEvent::Clicked)
        return false;
    switch (id) {
    case kDefinite:
        Define();
        return true;
    case kIndefinite:
        MakeIndefiniteIntegral();
        return true;
    case kColour:
        owner.ChooseSlotColour(kStripColourSlot);
        return true;
    case kShowStrips:
        fields.methodMask = static_cast<std::uint16_t>(
            (fields.methodMask & ~kStripsBit) | (dialog.GetCheck(kShowStrips) ? kStripsBit : 0));
        owner.Redraw(0);
        return true;
    default:
        return false;
    }
}

int TRiemDlg::ReadFields() {
    if (platform::Dialog* d = GetDialog()) {
        std::uint16_t mask = 0;
        for (int bit = 0; bit < 7; ++bit)
            if (d->GetCheck(kLeftBox + bit))
                mask = static_cast<std::uint16_t>(mask | (1 << bit));
        fields.methodMask = mask;
    }
    return TPreRiemDlg::ReadFields();
}

bool TRiemDlg::Sources(ExampleRecord*& f, ExampleRecord*& g) const {
    f = Example();
    g = mode_ == 2 ? SecondExample() : nullptr;
    return f && f->Tree(1) && (mode_ == 1 || (g && g->Tree(1)));
}

int TRiemDlg::Define() {
    if (busy_) // a poll of the sums let this button through again
        return 0;
    int code = ReadFields();
    if (code == 0)
        code = Compute();
    if (code != 0) {
        Fail(code);
        return code;
    }
    ShowResults();
    AddResultNote();
    return 0;
}

int TRiemDlg::Compute() {
    ExampleRecord *f = nullptr, *second = nullptr;
    if (!Sources(f, second))
        return kNoExample;
    ExprTree g;
    g.root = CopyTree(f->Tree(1), g);
    if (second)
        g.root = g.NewNode(op::Minus, g.root, CopyTree(second->Tree(1), g));
    RiemannRequest request;
    request.a = fields.lower;
    request.b = fields.upper;
    request.n = fields.count;
    request.letter = kLetterX;
    request.poll = [this] { return owner.PeekKey(); };
    if (request.n > kProgressAbove)
        request.progress = [this, n = request.n](std::int64_t done) {
            if (platform::Window* w = owner.GetWindow())
                w->SetTitle(StringOf(kStatusStop) + " (" + FormatInt(done * 100 / n) + "%)");
        };
    busy_ = true;
    owner.SetStatus(kStatusStop - 600);
    last_ = RiemannSums(owner.Context(), g.root, *owner.Context().random, request);
    owner.ClearStatus();
    busy_ = false;
    fields.results = last_.sums;
    owner.Redraw(0);
    return 0;
}

void TRiemDlg::ShowResults() {
    for (int rule = 0; rule < kRuleCount; ++rule) {
        const bool chosen = (fields.methodMask >> rule) & 1;
        Show(kLeftResult + rule,
             chosen ? FieldText(last_.sums[static_cast<std::size_t>(rule)]) : "");
    }
    std::string remark;
    if (last_.undefined > 0)
        remark = FormatInt(last_.undefined) + " amostras indefinidas";
    if (last_.stopped)
        remark += (remark.empty() ? "" : "; ") + std::string("parado após ") +
                  FormatInt(last_.done) + " de " + FormatInt(fields.count) + " sub-intervalos";
    Show(kUndefinedText, remark);
}

void TRiemDlg::AddResultNote() {
    // A note claims the integral: not from a sum that skipped samples or stopped early.
    if (last_.undefined > 0 || last_.stopped)
        return;
    ExampleRecord *f = nullptr, *g = nullptr;
    if (!Sources(f, g))
        return;
    Mark(static_cast<std::int16_t>(50 + mode_),
         {fields.lower, fields.upper, last_.sums[kParabolic],
          static_cast<long double>(fields.count)},
         4, StringOf(kNoteLabel).substr(0, kNoteLabelBytes - 1), f, g);
}

int TRiemDlg::MakeIndefiniteIntegral() {
    int code = ReadFields();
    ExampleRecord *f = nullptr, *g = nullptr;
    if (code == 0 && !Sources(f, g))
        code = kNoExample;
    ExampleTable& examples = owner.Examples();
    if (code == 0 && examples.Full())
        code = kFull;
    if (code != 0) {
        Fail(code);
        return code;
    }
    const int first = ExampleIndex(), second = mode_ == 2 ? SecondIndex() : -1;
    const std::string description =
        mode_ == 2 ? "(" + f->texts[4] + ") - (" + g->texts[4] + ")" : f->texts[4];
    const int index =
        examples.Append(kIndefiniteIntegral, static_cast<std::int16_t>(owner.NextCurveColour()));
    ExampleRecord& e = examples[index];
    e.SetI16(exo::kDerivation, kIntegralDerivation);
    e.SetI16(exo::kSource1, static_cast<std::int16_t>(first));
    e.SetI16(exo::kSource2, static_cast<std::int16_t>(second));
    e.SetReal(exo::kMinimum, owner.GetView().xmin);
    e.SetReal(exo::kMaximum, owner.GetView().xmax);
    e.SetReal(exo::kCycloidStart, fields.lower);
    e.SetReal(exo::kStepTolerance, 1);
    e.texts[4] = "integral de " + description;
    if (CompileDerivedIntegral(examples[first], second >= 0 ? &examples[second] : nullptr, e) !=
        0) {
        examples.ReleaseLast();
        Fail(kNotUnderstood);
        return kNotUnderstood;
    }
    owner.RecomputeLettersInUse();
    owner.SetModified();
    owner.ExamplesChanged();
    owner.Redraw(owner.CurrentLevel());
    return 0;
}

void TRiemDlg::DrawStrips(platform::Surface& surface, PlaneDrawContext* through) {
    if (!IsOpen() || !(fields.methodMask & kStripsBit))
        return;
    ExampleRecord *f = nullptr, *second = nullptr;
    if (!Sources(f, second))
        return;
    RiemannRule rule = kLeft; // "visualizar" alone shows the left points
    for (int bit = 0; bit < kRuleCount; ++bit)
        if ((fields.methodMask >> bit) & 1) {
            rule = static_cast<RiemannRule>(bit);
            break;
        }
    EvalContext& context = owner.Context();
    const ComplexValue saved = context.letterValues[kLetterX];
    const auto g = [&](long double x, long double& y) {
        long double v = 0, w = 0;
        if (!EvaluateAt(context, f->Tree(1), kLetterX, x, v))
            return false;
        if (second && !EvaluateAt(context, second->Tree(1), kLetterX, x, w))
            return false;
        y = v - w;
        return std::isfinite(y);
    };
    surface.SetPen(
        {owner.PenRgb(owner.SlotColour(kStripColourSlot)), 1, platform::PenStyle::Solid});
    const View& view = owner.GetView();
    std::vector<platform::Point> pixels;
    const auto outline = [&](const std::vector<WorldPoint>& path) {
        if (through) {
            MappedPath image(*through);
            for (std::size_t i = 1; i < path.size(); ++i)
                image.Segment(path[i - 1].x, path[i - 1].y, path[i].x, path[i].y);
            return;
        }
        pixels.clear();
        for (const WorldPoint& p : path)
            pixels.push_back({view.ToPixelXInt(p.x), view.ToPixelYInt(p.y)});
        surface.Polyline(pixels);
    };
    RiemannStripOutlines(view, rule, fields.lower, fields.upper, fields.count, g, outline);
    context.letterValues[kLetterX] = saved;
}

} // namespace korvane
