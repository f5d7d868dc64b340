#include "windows/TPlotGWin.h"

#include "expr/RandomGenerator.h"
#include "plane/PlaneCommands.h"
#include "plane/PlaneDrawing.h"
#include "platform/Dialog.h"
#include "resources/Resources.h"
#include "windows/GuessJudge.h"
#include "windows/GuessRecipes.h"
#include "windows/TSwitchDlg.h"

#include <cmath>

namespace korvane {

namespace {

constexpr int kPromptId = 205;     // "adivinhe minha equação"
constexpr int kAnswerCaption = 213; // "resposta"
constexpr int kPerfect = 542;
constexpr int kTryAgain = 543;
constexpr int kNeedsOneFamily = 25; // "precisa ao menos"
constexpr int kTargetDensity = 3;
// Factor attempts that fail this often are worth a word in the title bar.
constexpr int kAttemptsBeforeStatus = 200;

constexpr const char* kHelpNames[] = {"KVGHELP", "KVGFILEH", "KVGEQUAH", "KVGVIEWH", "KVGBTNSH", "KVGMISCH"};

} // namespace

TPlotGWin::TPlotGWin(platform::Platform& platform, const WindowOptions& options, platform::Window* owner,
                     RandomGenerator& random)
    : TPlot11Win(platform, options, owner), random_(random) {
    context_.random = &random_;
    SetUpDefaults();
    CreateWindowFromSettings();
}

TPlotGWin::~TPlotGWin() { WriteSettingsFile(); }

void TPlotGWin::SetUpDefaults() {
    colours_.slots[kSlotBackground].index = 1;
    colours_.slots[kSlotAxes].index = 0;
    colours_.slots[kSlotGrid].index = 18;
    colours_.slots[kSlotTarget].index = 0;
    colours_.slots[kSlotGuess].index = 4;
    colours_.slots[kSlotAsymptotes].index = 6;
    colours_.Name(kSlotTarget, 109, 1);
    colours_.Name(kSlotGuess, 125, 1);
    colours_.Name(kSlotAsymptotes, 126, 1);
    axes_.axesShown = true;
    axes_.scaleBits = ScaleLabelsX | ScaleLabelsY;
    axes_.gridBits = GridQuadrants | GridRectangular;
    axes_.decimalsX = axes_.decimalsY = 0;
    axes_.arrows = true;
    axes_.labels = true;
    currentLevel_ = 1;
}

void TPlotGWin::CreateWindowFromSettings() {
    OpenGraphWindow(options_.title.empty() ? StringOf(kPromptId) : options_.title, "GUESSMENU");
    SyncPixelSizes();
    RestorePlacement();
    Recompute();
    CreateLayers(1);
    RefreshMenuChecks();
    // The two records live as long as the window; only the target counts at first.
    examples_.Append(kExplicit, static_cast<std::int16_t>(SlotColour(kSlotTarget)));
    examples_.Append(kExplicit, static_cast<std::int16_t>(SlotColour(kSlotGuess)));
    examples_.SetLastExample(0);
    NewTarget();
    EnableOutputCommands();
    window_->Show();
    RequestRepaint();
}

void TPlotGWin::PackSlots(SettingsRecord& record) {
    PlaneLook look{axes_, format_, widths_, view_, plane_};
    PackPlaneSlots(look, record);
    record.intA[19] = kGuessIdentifier;
    PackGuessSettings(settings_, record);
}

void TPlotGWin::UnpackSlots(const SettingsRecord& record) {
    PlaneLook look{axes_, format_, widths_, view_, plane_};
    const platform::Size client = ClientSize();
    UnpackPlaneSlots(record, client.width, client.height, look);
    mouseMode_ = plane_.mouseMode;
    settings_ = UnpackGuessSettings(record);
}

void TPlotGWin::SetUpRecord(int index, const std::string& text) {
    ExampleRecord& e = examples_[index];
    e.texts[1] = text;
    e.SetReal(exo::kMinimum, view_.xmin);
    e.SetReal(exo::kMaximum, view_.xmax);
    e.SetI16(exo::kDensity, kTargetDensity);
    CompileExample(index, false);
}

void TPlotGWin::NewTarget() {
    generating_ = true;
    int polls = 0;
    auto stop = [this, &polls] {
        if (++polls == kAttemptsBeforeStatus)
            SetStatus(1); // "pressione S para sair"
        return PeekKey() == kStopKey;
    };
    target_ = MakeGuessTarget(random_, settings_, view_, stop);
    generating_ = false;
    SetSquareView(target_.cx, target_.cy, target_.rx);
    ExampleRecord& guess = examples_[1];
    guess.texts[1].clear();
    guess.compiled[1] = ExprTree();
    examples_.SetLastExample(0);
    SetUpRecord(0, target_.text);
    lastWrongGuess_.clear();
    score_.guesses = 0;
    score_.targetSolved = score_.answerShown = false;
    ++score_.shown;
    SetGameStatus(StringOf(kPromptId));
    Redraw(currentLevel_);
}

void TPlotGWin::AskGuess() {
    const auto text = platform_.InputBox("y =", StringOf(kPromptId), lastWrongGuess_, window_.get(), kMaxFormulaLength);
    if (text)
        JudgeGuessText(*text);
}

void TPlotGWin::JudgeGuessText(const std::string& text) {
    examples_[1].compiled[1] = ExprTree();
    examples_.SetLastExample(0);
    Redraw(currentLevel_);
    // A typing error costs no guess and the text is offered again for mending.
    if (const int code = compiler_.CompileFormula(text); code != 0) {
        lastWrongGuess_ = text;
        SetGameStatus(res::Message(code));
        return;
    }
    ExprTree guess = compiler_.TakeResult();
    const GuessVerdict verdict = JudgeGuess(context_, examples_[0].Tree(1), guess.root, view_, random_);
    ++score_.guesses;
    if (verdict.correct) {
        if (!score_.targetSolved && !score_.answerShown)
            ++score_.solved;
        score_.targetSolved = true;
        lastWrongGuess_.clear();
        SetGameStatus(StringOf(kPerfect));
        return;
    }
    SetUpRecord(1, text);
    examples_.SetLastExample(1);
    lastWrongGuess_ = text;
    SetGameStatus(StringOf(kTryAgain));
}

void TPlotGWin::ShowAnswer() {
    score_.answerShown = true;
    platform_.MessageBox("y = " + target_.text, StringOf(kAnswerCaption), platform::MessageButtons::Ok,
                         platform::MessageIcon::None, window_.get());
}

void TPlotGWin::SelectTypes() {
    TSwitchDlg dialog(
        settings_, [this](const std::string& text, long double& value) { return EvaluateNumber(text, value); },
        [this](int code) { ShowMessage(code); });
    platform_.RunModal("SWITCH", dialog, window_.get());
    if (!settings_.AnyFamily()) {
        settings_.flags[kFamilyParabola] = true;
        ShowMessage(kNeedsOneFamily);
    }
}

std::string TPlotGWin::StatusLine() const {
    return message_ + "   [tentativas: " + std::to_string(score_.guesses) + "   acertos: " +
           std::to_string(score_.solved) + " de " + std::to_string(score_.shown) + "]";
}

void TPlotGWin::SetGameStatus(const std::string& message) {
    message_ = message;
    SetBaseTitle(StatusLine());
}

void TPlotGWin::ShowGameHelp(int index) { ShowHelp(kHelpNames[index]); }

void TPlotGWin::OnCommand(int id) {
    if (generating_)
        return;
    if (id >= cmd::kGuessHelpFirst && id < cmd::kGuessHelpFirst + int(std::size(kHelpNames))) {
        ShowGameHelp(id - cmd::kGuessHelpFirst);
        return;
    }
    switch (id) {
    case cmd::kGuessClose:
        if (window_)
            window_->Close();
        return;
    case cmd::kNewTarget: NewTarget(); return;
    case cmd::kGuess: AskGuess(); return;
    case cmd::kAnswer: ShowAnswer(); return;
    case cmd::kSelectTypes: SelectTypes(); return;
    case cmd::kSelectAllTypes: settings_.SelectAll(); return;
    case cmd::kRestoreTypes: settings_.Restore(); return;
    // Documents are not the game's business.
    case cmd::kNew:
    case cmd::kOpen:
    case cmd::kSave:
    case cmd::kSaveAs:
    case cmd::kPrintMany: return;
    default: TPlot11Win::OnCommand(id); return;
    }
}

void TPlotGWin::DrawBase(platform::Surface& surface) {
    examples_[0].SetI16(exo::kColour, static_cast<std::int16_t>(SlotColour(kSlotTarget)));
    examples_[1].SetI16(exo::kColour, static_cast<std::int16_t>(SlotColour(kSlotGuess)));
    TPlot11Win::DrawBase(surface);
    DrawAsymptotes(surface);
}

void TPlotGWin::DrawAsymptotes(platform::Surface& surface) {
    if (target_.verticals.empty() && target_.horizontals.empty())
        return;
    surface.SetPen({PenRgb(SlotColour(kSlotAsymptotes)), 1, platform::PenStyle::Dashed});
    const int top = view_.ToPixelYInt(view_.ymax), bottom = view_.ToPixelYInt(view_.ymin);
    const int left = view_.ToPixelXInt(view_.xmin), right = view_.ToPixelXInt(view_.xmax);
    auto vertical = [&](long double x) {
        if (x > view_.xmin && x < view_.xmax) {
            const int px = view_.ToPixelXInt(x);
            surface.Line({px, top}, {px, bottom});
        }
    };
    if (target_.period > 0 && !target_.verticals.empty()) {
        const long double s = target_.period, first = target_.verticals.front();
        for (long double x = first + std::ceil((view_.xmin - first) / s) * s; x < view_.xmax; x += s)
            vertical(x);
    } else {
        for (long double x : target_.verticals)
            vertical(x);
    }
    for (long double y : target_.horizontals) {
        if (y > view_.ymin && y < view_.ymax) {
            const int py = view_.ToPixelYInt(y);
            surface.Line({left, py}, {right, py});
        }
    }
}

void TPlotGWin::OnDestroy() {
    plane_.mouseMode = mouseMode_;
    WriteSettingsFile();
}

} // namespace korvane
