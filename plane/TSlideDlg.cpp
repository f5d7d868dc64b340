#include "plane/TSlideDlg.h"

#include "expr/ConstantText.h"
#include "expr/LetterParameters.h"
#include "plane/LetterAnimator.h"
#include "plane/TPlotWin.h"
#include "platform/Dialog.h"

namespace korvane {

namespace {

constexpr int kNotUnderstood = 1; // "não foi possível compreender"
constexpr std::size_t kBoundTextLength = 30;

} // namespace

std::string LetterName(int slot) {
    return std::string(1, static_cast<char>('@' + slot));
}

TSlideDlg::TSlideDlg(LetterAnimator& animator, int slot) : animator_(animator), slot_(slot) {}

TSlideDlg::~TSlideDlg() = default;

void TSlideDlg::Show(platform::Window* owner) {
    if (!dialog_)
        dialog_ = animator_.Window().GetPlatform().CreateModeless(
            slot_ == kSymbolSlot ? "TPARAM" : "SPARAM", *this, owner);
    if (!dialog_)
        return;
    dialog_->SetTitle(LetterName(slot_));
    Refresh();
    dialog_->Show();
}

void TSlideDlg::Hide() {
    if (dialog_)
        dialog_->Hide();
}

bool TSlideDlg::IsOpen() const {
    return dialog_ && dialog_->IsVisible();
}

void TSlideDlg::OnInit(platform::Dialog& dialog) {
    dialog.SetText(kSlides, std::to_string(kDefaultSlides));
    dialog.SetCheck(kSlideShow, false);
}

void TSlideDlg::Refresh() {
    if (!dialog_)
        return;
    TPlotWin& w = animator_.Window();
    const EvalContext& c = w.Context();
    const int steps = animator_.Settings().shortSteps;
    const long double low = c.letterLow[slot_].re, high = c.letterHigh[slot_].re,
                      value = c.GetLetter(slot_);
    dialog_->SetText(kValue, w.Format().Format(value));
    dialog_->SetText(kLowText, w.Format().Format(low));
    dialog_->SetText(kHighText, w.Format().Format(high));
    dialog_->ScrollSetRange(kParamBar, 0, steps);
    dialog_->ScrollSetPageStep(kParamBar, animator_.Settings().mediumSteps);
    dialog_->ScrollSetPosition(kParamBar, SliderPosition(low, high, steps, value));
}

int TSlideDlg::Evaluate(const std::string& text, long double& v) {
    TPlotWin& w = animator_.Window();
    if (w.EvaluateNumber(text, v) == 0)
        return 0;
    w.ShowMessage(kNotUnderstood);
    return kNotUnderstood;
}

void TSlideDlg::Take(long double v) {
    animator_.Window().Context().SetLetter(slot_, v);
    animator_.Window().SetModified();
    Refresh();
    animator_.LetterChanged(slot_);
}

int TSlideDlg::EnterValue(const std::string& text) {
    long double v = 0;
    if (const int code = Evaluate(text, v); code != 0)
        return code;
    EvalContext& c = animator_.Window().Context();
    if (slot_ != kSymbolSlot) {
        if (v < c.letterLow[slot_].re)
            c.letterLow[slot_] = ComplexValue{v, 0};
        if (v > c.letterHigh[slot_].re)
            c.letterHigh[slot_] = ComplexValue{v, 0};
    }
    Take(v);
    return 0;
}

int TSlideDlg::SetBound(const std::string& text, bool upper) {
    long double v = 0;
    if (const int code = Evaluate(text.substr(0, kBoundTextLength), v); code != 0)
        return code;
    EvalContext& c = animator_.Window().Context();
    // A bound that passes the other one is ignored.
    if (upper ? !(c.letterLow[slot_].re + kBoundSlack <= v)
              : !(v + kBoundSlack <= c.letterHigh[slot_].re))
        return 0;
    (upper ? c.letterHigh : c.letterLow)[slot_] = ComplexValue{v, 0};
    Take(v);
    return 0;
}

void TSlideDlg::Scrolled(int position) {
    TPlotWin& w = animator_.Window();
    EvalContext& c = w.Context();
    const long double v = SliderValue(c.letterLow[slot_].re, c.letterHigh[slot_].re,
                                      animator_.Settings().shortSteps, position);
    c.SetLetter(slot_, v);
    w.SetModified();
    if (dialog_)
        dialog_->SetText(kValue, w.Format().Format(v));
    animator_.LetterChanged(slot_);
}

int TSlideDlg::ReadSlideCount(int& count) const {
    TPlotWin& w = animator_.Window();
    long n = 0;
    const std::string text = dialog_ ? dialog_->GetText(kSlides) : std::to_string(kDefaultSlides);
    if (const int code = EvaluateIntegerText(w.Compiler(), text, 3, 200, n); code != 0) {
        w.ShowMessage(code);
        return code;
    }
    count = static_cast<int>(n);
    return 0;
}

void TSlideDlg::Animate(bool cyclic) {
    const AnimationMode mode = cyclic ? AnimationMode::Cyclic : AnimationMode::Reversing;
    if (dialog_ && dialog_->GetCheck(kSlideShow)) {
        int count = 0;
        if (ReadSlideCount(count) != 0)
            return;
        animator_.StartSlideShow(slot_, mode, count);
        return;
    }
    animator_.StartLive(slot_, mode);
}

bool TSlideDlg::OnCommand(platform::Dialog& dialog, int id, platform::ControlEvent event) {
    if (id == kParamBar && event == platform::ControlEvent::Scrolled) {
        Scrolled(dialog.ScrollPosition(kParamBar));
        return true;
    }
    if (event != platform::ControlEvent::Clicked)
        return false;
    switch (id) {
    case kOk:
        EnterValue(dialog.GetText(kValue));
        return true;
    case kSetLow:
        SetBound(dialog.GetText(kValue), false);
        return true;
    case kSetHigh:
        SetBound(dialog.GetText(kValue), true);
        return true;
    case kAutoReverse:
        Animate(false);
        return true;
    case kAutoCyclic:
        Animate(true);
        return true;
    case kSaveAnimation: {
        int count = 0;
        if (ReadSlideCount(count) == 0)
            animator_.SaveAnimationAs(slot_, count);
        return true;
    }
    default:
        return false;
    }
}

} // namespace korvane
