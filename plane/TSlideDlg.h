#pragma once
// The slider dialog of one letter ("SPARAM" for A..W, "TPARAM" for the symbol parameter):
// the value typed as an expression or set with the scroll bar (TParamBar, 0..ShortSteps),
// the bounds set from the value, and the buttons that animate the letter live or as a
// slide show. Modeless; the window's animator creates it on first use and keeps it.
#include "platform/DialogHandler.h"

#include <memory>
#include <string>

namespace korvane::platform {
class Dialog;
class Window;
} // namespace korvane::platform

namespace korvane {

class LetterAnimator;

class TSlideDlg : public platform::DialogHandler {
public:
    enum Control : int {
        kOk = 1,
        kClose = 2,
        kValue = 211,
        kSlides = 212,
        kSlideShow = 271,
        kParamBar = 295,
        kLowText = 301,
        kHighText = 302,
        kAutoReverse = 738,
        kAutoCyclic = 740,
        kSetLow = 804,
        kSetHigh = 805,
        kSaveAnimation = 806,
    };
    static constexpr int kDefaultSlides = 23;

    TSlideDlg(LetterAnimator& animator, int slot);
    ~TSlideDlg() override;
    TSlideDlg(const TSlideDlg&) = delete;
    TSlideDlg& operator=(const TSlideDlg&) = delete;

    void Show(platform::Window* owner);
    void Hide();
    bool IsOpen() const;
    platform::Dialog* GetDialog() const { return dialog_.get(); }
    int Slot() const { return slot_; }

    // The field, the bounds and the bar from the window's letter tables.
    void Refresh();

    // The buttons' work, also for callers without a dialog. 0, or the code shown.
    int EnterValue(const std::string& text);
    // "def L" and "def R".
    int SetBound(const std::string& text, bool upper);
    void Scrolled(int position);
    // The slide count of the field: 3..200; 0, or the code shown.
    int ReadSlideCount(int& count) const;

    void OnInit(platform::Dialog& dialog) override;
    bool OnCommand(platform::Dialog& dialog, int id, platform::ControlEvent event) override;

private:
    void Animate(bool cyclic);
    int Evaluate(const std::string& text, long double& v);
    // The letter takes the value: field, bar, picture and linked window follow.
    void Take(long double v);

    LetterAnimator& animator_;
    int slot_;
    std::unique_ptr<platform::Dialog> dialog_;
};

// "A".."W", or "@" for the symbol parameter.
std::string LetterName(int slot);

} // namespace korvane
