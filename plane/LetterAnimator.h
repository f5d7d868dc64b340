#pragma once
// The letter parameters of a graph window in motion: the "Anim" menu, one slider dialog
// per letter, live animation and slide shows driven by window timers, the letters animated
// together, the linked window, and the redraw of only the examples that use the letters
// that change (over a picture of the others kept in layer 2).
#include "plane/LetterAnimation.h"
#include "platform/Input.h"
#include "platform/Surface.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace korvane {

class TPlotWin;
class TSlideDlg;

inline constexpr int kAnimationFrameTimer = 7320;
inline constexpr int kAnimationClockTimer = 7321; // the symbol parameter's 50 ms timer
inline constexpr int kSlideTimer = 7322;

// What the animator keeps for the document and the settings.
struct AnimationSettings {
    int shortSteps = 100; // the scroll range S
    int mediumSteps = 10; // the page step
    long double speed = 1;
    int slidePause = 5; // hundredths of a second between slides
    long double symbolIncrement = 0.1L;
    std::array<bool, kAnimatedLetters> linked{};
};

class LetterAnimator {
public:
    explicit LetterAnimator(TPlotWin& window);
    ~LetterAnimator();
    LetterAnimator(const LetterAnimator&) = delete;
    LetterAnimator& operator=(const LetterAnimator&) = delete;

    TPlotWin& Window() { return window_; }
    AnimationSettings& Settings() { return settings_; }

    // Commands of the "Anim" menu; false when not one of them.
    bool OnCommand(int id);
    // The slider dialog of a slot (0 the symbol parameter, 1..23 A..W), made on first use.
    TSlideDlg& SliderDialog(int slot);
    TSlideDlg* ExistingSliderDialog(int slot) const;

    // A letter's value changed here: the examples that use it are drawn again, its open
    // slider and the linked window follow.
    void LetterChanged(int slot);
    // Letters set elsewhere (a tool, a document): every open slider shows its letter.
    void RefreshSliders();

    // Live animation of `slot` and the letters animated with it.
    void StartLive(int slot, AnimationMode mode);
    // The slide show of `slot` with `count` slides; 0, or the code shown.
    int StartSlideShow(int slot, AnimationMode mode, int count);
    bool Animating() const { return live_ != nullptr || !slides_.empty(); }
    bool SlideShowRunning() const { return !slides_.empty() && playback_.has_value(); }
    int SlideCount() const { return static_cast<int>(slides_.size()); }
    const LetterAnimation* Live() const { return live_.get(); }
    const SlidePlayback* Playback() const { return playback_ ? &*playback_ : nullptr; }
    // Ends whatever runs and draws the picture normally again.
    void Stop();

    // Window events during an animation; true when taken.
    bool OnKey(const platform::KeyEvent& key);
    bool OnTimer(int id);
    // The paint: a slide show shows its slide; true when done.
    bool PaintSlide(platform::Surface& front);
    void Painted() { framePending_ = false; }
    // The base picture when only letters changed: layer 2 (everything that does not use
    // them) and the examples that do; false for a full drawing.
    bool DrawBase(platform::Surface& surface);
    // The same frame straight onto the window's front, in one copy of layer 2, when that
    // layer is still good; false for a paint of the layers.
    bool PaintFrame(platform::Surface& front);
    // How often layer 2 was made again (tests see that a drag reuses it).
    int StaticRebuilds() const { return staticRebuilds_; }

    // The frames of letter `slot` from its lower to its upper bound, `frames` pictures of
    // `size` (the view's own size), as an animated GIF with `delay` hundredths of a second
    // between frames. The letter keeps its value. 0, or 12 when the file cannot be written.
    int WriteAnimation(const std::string& path, int slot, int frames, platform::Size size, int delay);
    // "Salvar animação ...": asks for the file, writes the slide count's frames.
    void SaveAnimationAs(int slot, int frames);

    // "Janela ligada": the window whose letters these sliders drive too. `peers` gives the
    // open plane windows (the program sets it; without it there is nothing to choose).
    void LinkWindow(LetterAnimator* other);
    LetterAnimator* LinkedWindow() const;
    // Expires with this animator, so that a list of windows never points at a closed one.
    std::weak_ptr<int> AliveToken() const { return alive_; }
    std::function<std::vector<LetterAnimator*>()> peers;

    // The window's own work when letters were animated (a window that shows its examples
    // elsewhere too redraws that).
    std::function<void()> lettersAnimated;
    // A window whose picture is not drawn from its own examples says which letters it uses
    // (bit k for slot k) and draws the whole picture itself: each frame and slide is then a
    // whole picture, never the kept layer with the changed examples drawn over it.
    struct OwnPicture {
        std::function<std::uint32_t()> letters;
        std::function<void(platform::Surface&)> draw;
    };
    std::optional<OwnPicture> ownPicture;

private:
    std::uint32_t DependentMask() const;
    void RedrawLetters(std::uint32_t mask);
    // For each example, whether it uses a letter of `staticMask_`.
    std::vector<bool> DependentExamples() const;
    void Frame();
    void FinishAnimation();
    void AskSteps();
    void AskLinkedLetters();
    void AskLinkedWindow();
    void ReleaseSlides();
    // The letter and the letters animated with it ("barras ligadas").
    std::vector<int> AnimatedSlots(int slot) const;
    // The slides of the letters of `slideSlots_` in n steps, the progress in the title;
    // false, with the letters as they were, when S stopped it.
    bool DrawSlides(int n);
    void ForgetDependentPieces(std::uint32_t mask);
    // The whole picture with the letters as they are, into a slide or a frame of a file.
    void DrawWhole(platform::Surface& picture);

    TPlotWin& window_;
    AnimationSettings settings_;
    std::array<std::unique_ptr<TSlideDlg>, kAnimatedLetters> sliders_;
    std::unique_ptr<LetterAnimation> live_;
    int animatedSlot_ = -1;
    long double clockValue_ = 0;
    bool clockMode_ = false;
    bool framePending_ = false;

    std::vector<std::unique_ptr<platform::Surface>> slides_;
    std::vector<int> slideSlots_;
    std::vector<std::vector<long double>> slideValues_; // per slide, per slot
    std::optional<SlidePlayback> playback_;

    // Layer 2: the picture without the examples that use `staticMask_`.
    std::uint32_t staticMask_ = 0;
    std::uint32_t pendingMask_ = 0;
    unsigned staticGeneration_ = 0;
    bool staticValid_ = false;
    bool partialPending_ = false;
    int staticRebuilds_ = 0;
    // What the last frame drew on the front (examples and overlay); empty before one.
    std::optional<platform::Rect> lastFrame_;

    // The linked window, and whether it still exists.
    LetterAnimator* linked_ = nullptr;
    std::weak_ptr<int> linkedAlive_;
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
    bool relaying_ = false;
};

} // namespace korvane
