#pragma once
// The arithmetic of letter sliders and animations, apart from any window: the scroll bar
// position of a value and back, the frames of a live animation (cyclic or reversing, with
// its speed keys) and the order in which a slide show plays its slides.
#include "expr/EvalContext.h"

#include <vector>

namespace korvane {

inline constexpr int kSymbolSlot = 0;       // the symbol parameter, code 64
inline constexpr int kAnimatedLetters = 24; // the symbol parameter and A..W
inline constexpr long double kBoundSlack = 1e-18L;

// The value at scroll position p of a bar over 0..steps between low and high.
long double SliderValue(long double low, long double high, int steps, int position);
// The position of a value, rounded and kept within 0..steps (0 when the bounds are equal).
int SliderPosition(long double low, long double high, int steps, long double value);

enum class AnimationMode { Reversing, Cyclic };

// One live animation: the letters that move together and their increments.
class LetterAnimation {
public:
    // `symbolIncrement` is the symbol parameter's own stored increment.
    LetterAnimation(EvalContext& context, AnimationMode mode, const std::vector<int>& slots,
                    long double speed, int steps, long double symbolIncrement);

    // One frame: every letter moves by its increment; letters A..W turn or wrap at their
    // bounds.
    void Step();
    // Space: every letter turns round.
    void Reverse();
    // R and L: the speed factor and every increment grow by 1.25 or shrink by 0.8.
    void ScaleSpeed(long double factor);
    // The symbol parameter's timer mode: every 50 ms its increment is scaled so that it
    // moves 0.05 in that time.
    void RescaleSymbol(long double changeSinceTick);

    long double Speed() const { return speed_; }
    long double Increment(int slot) const;
    const std::vector<int>& Slots() const { return slots_; }
    AnimationMode Mode() const { return mode_; }

private:
    struct Moving {
        int slot;
        long double increment;
    };
    EvalContext& context_;
    AnimationMode mode_;
    long double speed_;
    std::vector<int> slots_;
    std::vector<Moving> moving_;
};

// The playback of n + 1 slides: the slide shown next, the direction and the pause.
class SlidePlayback {
public:
    SlidePlayback(int lastSlide, AnimationMode mode, int pause)
        : last_(lastSlide), mode_(mode), pause_(pause) {}

    int Current() const { return current_; }
    int Pause() const { return pause_; }
    // To the next slide: cyclic mode wraps, reversing mode bounces at both ends.
    void Advance();
    // Space, L and R.
    void Reverse() { direction_ = -direction_; }
    void Longer() { pause_ += 5; }
    void Shorter() {
        if (pause_ > 5)
            pause_ -= 5;
    }

private:
    int last_;
    AnimationMode mode_;
    int pause_;
    int current_ = 0;
    int direction_ = 1;
};

} // namespace korvane
