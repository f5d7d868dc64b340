#include "plane/LetterAnimation.h"

#include <algorithm>
#include <cmath>

#include "graph/View.h"

namespace korvane {

long double SliderValue(long double low, long double high, int steps, int position) {
    if (steps < 1)
        return low;
    return low + position * (high - low) / steps;
}

int SliderPosition(long double low, long double high, int steps, long double value) {
    const long double span = high - low;
    if (!(span > kBoundSlack) || steps < 1)
        return 0;
    const long double p = steps * (value - low) / span;
    if (!(p > 0))
        return 0;
    if (p >= steps)
        return steps;
    return std::clamp(RoundToInt(p), 0, steps);
}

LetterAnimation::LetterAnimation(EvalContext& context, AnimationMode mode,
                                 const std::vector<int>& slots, long double speed, int steps,
                                 long double symbolIncrement)
    : context_(context), mode_(mode), speed_(speed), slots_(slots) {
    const int s = std::max(steps, 1);
    for (int slot : slots_) {
        long double d;
        if (slot == kSymbolSlot) {
            d = std::fabs(symbolIncrement) < kBoundSlack ? 0.1L : symbolIncrement;
        } else {
            d = speed_ * (context_.letterHigh[slot].re - context_.letterLow[slot].re) / s;
            if (d < kBoundSlack)
                d = 1.0L / s;
        }
        moving_.push_back({slot, d});
    }
}

void LetterAnimation::Step() {
    for (Moving& m : moving_) {
        const long double value = context_.GetLetter(m.slot);
        long double v = value + m.increment;
        if (m.slot != kSymbolSlot) {
            const long double low = context_.letterLow[m.slot].re,
                              high = context_.letterHigh[m.slot].re;
            const bool above = v > high, below = v < low;
            if ((above || below) && mode_ == AnimationMode::Cyclic) {
                v = above ? low : high;
            } else if (above || below) {
                v -= m.increment;
                m.increment = -m.increment;
            }
        }
        context_.SetLetter(m.slot, v);
    }
}

void LetterAnimation::Reverse() {
    for (Moving& m : moving_)
        m.increment = -m.increment;
}

void LetterAnimation::ScaleSpeed(long double factor) {
    speed_ *= factor;
    for (Moving& m : moving_)
        m.increment *= factor;
}

void LetterAnimation::RescaleSymbol(long double changeSinceTick) {
    const long double change = std::fabs(changeSinceTick);
    if (!(change > kBoundSlack) || !std::isfinite(change))
        return;
    for (Moving& m : moving_)
        if (m.slot == kSymbolSlot)
            m.increment = 0.05L * m.increment / change;
}

long double LetterAnimation::Increment(int slot) const {
    for (const Moving& m : moving_)
        if (m.slot == slot)
            return m.increment;
    return 0;
}

void SlidePlayback::Advance() {
    if (last_ <= 0) {
        current_ = 0;
        return;
    }
    int next = current_ + direction_;
    if (mode_ == AnimationMode::Cyclic) {
        if (next > last_)
            next = 0;
        else if (next < 0)
            next = last_;
    } else if (next > last_ || next < 0) {
        direction_ = -direction_;
        next = current_ + direction_;
    }
    current_ = next;
}

} // namespace korvane
