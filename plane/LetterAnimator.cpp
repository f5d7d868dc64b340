#include "plane/LetterAnimator.h"

#include <algorithm>
#include <cmath>
#include <new>

#include "expr/ConstantText.h"
#include "graph/NumberText.h"
#include "plane/ExampleCompiler.h"
#include "plane/PlaneCommands.h"
#include "plane/TPlotWin.h"
#include "plane/TSlideDlg.h"
#include "platform/BoundsSurface.h"
#include "platform/Dialog.h"
#include "platform/GifWriter.h"
#include "resources/Resources.h"

namespace korvane {

namespace {

constexpr int kFrameInterval = 10; // ms; a frame waits anyway until the last one is shown
constexpr int kClockInterval = 50;
constexpr int kSpeedStatus = 3;     // "S=sair L=lento R=rápido"
constexpr int kStopStatus = 1;      // "pressione S para sair"
constexpr int kSlidesDone = 124;    // " slides feitos fora de "
constexpr int kNotEnoughMemory = 4; // "não há mais espaço"
// Slides are kept as whole pictures: no more than this many bytes of them.
constexpr std::size_t kSlideMemory = std::size_t{512} << 20;

std::uint32_t Bit(int slot) {
    return std::uint32_t{1} << slot;
}

// "CALIB": the scroll range S and the page step of every slider of the window.
class StepsDialog : public platform::DialogHandler {
public:
    StepsDialog(AnimationSettings& settings, FormulaCompiler& compiler,
                std::function<void(int)> show)
        : settings_(settings), compiler_(compiler), show_(std::move(show)) {}
    bool changed = false;
    static constexpr int kShort = 211, kMedium = 212;

    void OnInit(platform::Dialog& dialog) override {
        dialog.SetText(kShort, FormatInt(settings_.shortSteps));
        dialog.SetText(kMedium, FormatInt(settings_.mediumSteps));
    }
    bool OnCommand(platform::Dialog& dialog, int id, platform::ControlEvent event) override {
        if (id != platform::ResultOk || event != platform::ControlEvent::Clicked)
            return false;
        long shortSteps = 0, mediumSteps = 0;
        int failure = EvaluateIntegerText(compiler_, dialog.GetText(kShort), 3, 32767, shortSteps);
        const int field = failure != 0 ? kShort : kMedium;
        if (failure == 0)
            failure =
                EvaluateIntegerText(compiler_, dialog.GetText(kMedium), 1, 32767, mediumSteps);
        if (failure != 0) {
            show_(failure);
            dialog.Focus(field);
            return true;
        }
        changed = shortSteps != settings_.shortSteps || mediumSteps != settings_.mediumSteps;
        settings_.shortSteps = static_cast<int>(shortSteps);
        settings_.mediumSteps = static_cast<int>(mediumSteps);
        dialog.End(platform::ResultOk);
        return true;
    }

private:
    AnimationSettings& settings_;
    FormulaCompiler& compiler_;
    std::function<void(int)> show_;
};

// "barras ligadas": the letters that animate together.
class LinkedLettersDialog : public platform::DialogHandler {
public:
    explicit LinkedLettersDialog(std::array<bool, kAnimatedLetters>& linked) : linked_(linked) {}
    static constexpr int kFirstBox = 401;

    void OnInit(platform::Dialog& dialog) override {
        for (int slot = 0; slot < kAnimatedLetters; ++slot)
            dialog.SetCheck(kFirstBox + slot, linked_[static_cast<std::size_t>(slot)]);
    }
    bool OnCommand(platform::Dialog& dialog, int id, platform::ControlEvent event) override {
        if (id != platform::ResultOk || event != platform::ControlEvent::Clicked)
            return false;
        for (int slot = 0; slot < kAnimatedLetters; ++slot)
            linked_[static_cast<std::size_t>(slot)] = dialog.GetCheck(kFirstBox + slot);
        dialog.End(platform::ResultOk);
        return true;
    }

private:
    std::array<bool, kAnimatedLetters>& linked_;
};

// "Janela ligada": one of the other open plane windows, or none.
class LinkedWindowDialog : public platform::DialogHandler {
    std::vector<std::string> titles_;

public:
    LinkedWindowDialog(std::vector<std::string> titles, int current)
        : titles_(std::move(titles)), chosen(current) {}
    static constexpr int kList = 301;
    int chosen; // -1 none, else the index into the titles

    void OnInit(platform::Dialog& dialog) override {
        dialog.ListAdd(kList, "(nenhuma)");
        for (const std::string& title : titles_)
            dialog.ListAdd(kList, title);
        dialog.ListSelect(kList, chosen + 1);
    }
    bool OnCommand(platform::Dialog& dialog, int id, platform::ControlEvent event) override {
        const bool ok = id == platform::ResultOk && event == platform::ControlEvent::Clicked;
        if (!ok && !(id == kList && event == platform::ControlEvent::DoubleClicked))
            return false;
        chosen = std::max(dialog.ListSelection(kList), 0) - 1;
        dialog.End(platform::ResultOk);
        return true;
    }
};

} // namespace

LetterAnimator::LetterAnimator(TPlotWin& window) : window_(window) {}

LetterAnimator::~LetterAnimator() {
    // No timer may reach a window that is going away.
    if (platform::Window* w = window_.GetWindow()) {
        w->StopTimer(kAnimationFrameTimer);
        w->StopTimer(kAnimationClockTimer);
        w->StopTimer(kSlideTimer);
    }
}

bool LetterAnimator::OnCommand(int id) {
    if (id >= cmd::kSymbolSlider && id <= cmd::kSymbolSlider + kAnimatedLetters - 1) {
        Stop();
        SliderDialog(id - cmd::kSymbolSlider).Show(window_.GetWindow());
        return true;
    }
    switch (id) {
    case cmd::kSliderSteps:
        Stop();
        AskSteps();
        return true;
    case cmd::kLinkedLetters:
        Stop();
        AskLinkedLetters();
        return true;
    case cmd::kLinkedWindow:
        Stop();
        AskLinkedWindow();
        return true;
    default:
        return false;
    }
}

TSlideDlg& LetterAnimator::SliderDialog(int slot) {
    auto& dialog = sliders_[static_cast<std::size_t>(slot)];
    if (!dialog)
        dialog = std::make_unique<TSlideDlg>(*this, slot);
    return *dialog;
}

TSlideDlg* LetterAnimator::ExistingSliderDialog(int slot) const {
    if (slot < 0 || slot >= kAnimatedLetters)
        return nullptr;
    return sliders_[static_cast<std::size_t>(slot)].get();
}

void LetterAnimator::RefreshSliders() {
    for (auto& dialog : sliders_)
        if (dialog)
            dialog->Refresh();
}

// --- Redrawing what a letter changes ------------------------------------------------

std::uint32_t LetterAnimator::DependentMask() const {
    if (ownPicture)
        return ownPicture->letters ? ownPicture->letters() : 0;
    const auto& inUse = window_.LettersInUse();
    std::uint32_t mask = 0;
    for (int slot = 0; slot < kLetterCount; ++slot)
        if (inUse[static_cast<std::size_t>('@' + slot)])
            mask |= Bit(slot);
    return mask;
}

void LetterAnimator::ForgetDependentPieces(std::uint32_t mask) {
    ExampleTable& examples = window_.Examples();
    for (int i = 0; i <= examples.LastExample(); ++i) {
        ExampleRecord& e = examples[i];
        if (e.Kind() != kImplicit)
            continue;
        std::array<bool, 256> uses{};
        MarkLettersInUse(e, uses);
        for (int slot = 0; slot < kLetterCount; ++slot)
            if ((mask & Bit(slot)) && uses[static_cast<std::size_t>('@' + slot)]) {
                e.trajectories.clear();
                e.SetFlag(exo::kFlag56, true);
                break;
            }
    }
}

void LetterAnimator::LetterChanged(int slot) {
    if (TSlideDlg* dialog = ExistingSliderDialog(slot); dialog && !live_)
        dialog->Refresh();
    RedrawLetters(Bit(slot));
    // The linked window takes the value too; it does not send it back.
    LetterAnimator* other = LinkedWindow();
    if (other && !relaying_ && !other->relaying_) {
        relaying_ = true;
        other->window_.Context().SetLetter(slot, window_.Context().GetLetter(slot));
        other->window_.SetModified();
        other->LetterChanged(slot);
        relaying_ = false;
    }
}

void LetterAnimator::RedrawLetters(std::uint32_t mask) {
    if (lettersAnimated)
        lettersAnimated();
    if ((DependentMask() & mask) == 0)
        return;
    if (ownPicture) {
        window_.InvalidatePicture();
        window_.InvalidateLayer(1);
        framePending_ = true;
        window_.RequestRepaint();
        return;
    }
    ForgetDependentPieces(mask);
    PictureLayers& layers = window_.Layers();
    if (layers.BaseGeneration() != staticGeneration_ || mask != staticMask_)
        staticValid_ = false;
    staticMask_ = mask;
    window_.InvalidateLayer(1);
    staticGeneration_ = layers.BaseGeneration();
    partialPending_ = true;
    framePending_ = true;
    window_.RequestRepaint();
}

std::vector<bool> LetterAnimator::DependentExamples() const {
    std::vector<bool> dependent;
    const ExampleTable& examples = window_.Examples();
    for (int i = 0; i <= examples.LastExample(); ++i) {
        std::array<bool, 256> uses{};
        MarkLettersInUse(examples[i], uses, window_.Compiler());
        bool any = false;
        for (int slot = 0; slot < kLetterCount && !any; ++slot)
            any = (staticMask_ & Bit(slot)) && uses[static_cast<std::size_t>('@' + slot)];
        dependent.push_back(any);
    }
    return dependent;
}

bool LetterAnimator::PaintFrame(platform::Surface& front) {
    PictureLayers& layers = window_.Layers();
    const platform::Surface* still = layers.Layer(2);
    const platform::Size size = window_.ClientSize();
    if (!partialPending_ || !staticValid_ || layers.BaseGeneration() != staticGeneration_ || !still ||
        still->GetSize() != size || front.GetSize() != size)
        return false;
    partialPending_ = false;
    // Where the front still shows the last frame, everything outside what that frame drew
    // is layer 2 already: only its rectangle is put back.
    const platform::Rect whole = platform::Rect::FromSize({0, 0}, size);
    const platform::Rect stale = layers.FrontHoldsFrame() && lastFrame_ ? *lastFrame_ : whole;
    if (!stale.Empty())
        front.Blit({stale.left, stale.top}, *still, stale);
    const std::vector<bool> dependent = DependentExamples();
    platform::BoundsSurface drawn(front);
    window_.DrawExamples(
        drawn, [&dependent](int i) { return dependent[static_cast<std::size_t>(i)]; }, true);
    window_.DrawOverlay(drawn);
    lastFrame_ = drawn.Bounds().value_or(platform::Rect{});
    layers.ShownOnFront();
    return true;
}

bool LetterAnimator::DrawBase(platform::Surface& surface) {
    PictureLayers& layers = window_.Layers();
    if (!partialPending_ || layers.BaseGeneration() != staticGeneration_) {
        // Something else changed the picture: every example is drawn, layer 2 is stale.
        partialPending_ = false;
        staticValid_ = false;
        return false;
    }
    partialPending_ = false;
    const platform::Size size = surface.GetSize();
    const platform::Rgb background = window_.BackgroundRgb();
    if (layers.EnsureLayer(2, size, background))
        staticValid_ = false;
    platform::Surface* still = layers.Layer(2);
    if (!still)
        return false;
    const std::vector<bool> dependent = DependentExamples();
    const auto uses = [&dependent](int i) { return dependent[static_cast<std::size_t>(i)]; };
    if (!staticValid_) {
        ClearToBackground(*still, size, background);
        still->SetBackgroundColour(background);
        window_.DrawGrid(*still);
        window_.DrawExamples(
            *still, [&uses](int i) { return !uses(i); }, false);
        staticValid_ = true;
        ++staticRebuilds_;
    }
    surface.Blit({0, 0}, *still, platform::Rect::FromSize({0, 0}, size));
    window_.DrawExamples(surface, uses, true);
    return true;
}

// --- Live animation -------------------------------------------------------------------

void LetterAnimator::StartLive(int slot, AnimationMode mode) {
    Stop();
    platform::Window* w = window_.GetWindow();
    if (!w)
        return;
    const std::vector<int> slots = AnimatedSlots(slot);
    if (TSlideDlg* dialog = ExistingSliderDialog(slot))
        dialog->Hide();
    animatedSlot_ = slot;
    live_ = std::make_unique<LetterAnimation>(window_.Context(), mode, slots, settings_.speed,
                                              settings_.shortSteps, settings_.symbolIncrement);
    window_.DrawSettings().noPoll = true;
    clockMode_ = slot == kSymbolSlot && mode == AnimationMode::Cyclic;
    if (clockMode_) {
        clockValue_ = window_.Context().GetLetter(kSymbolSlot);
        window_.SetStatus(kStopStatus);
        w->StartTimer(kAnimationClockTimer, kClockInterval);
    } else {
        window_.SetStatus(kSpeedStatus);
    }
    framePending_ = false;
    w->StartTimer(kAnimationFrameTimer, kFrameInterval);
}

std::vector<int> LetterAnimator::AnimatedSlots(int slot) const {
    std::vector<int> slots{slot};
    if (settings_.linked[static_cast<std::size_t>(slot)])
        for (int other = 0; other < kAnimatedLetters; ++other)
            if (other != slot && settings_.linked[static_cast<std::size_t>(other)])
                slots.push_back(other);
    return slots;
}

void LetterAnimator::Frame() {
    // The last frame is not on the screen yet: no frame is queued behind it.
    if (!live_ || framePending_)
        return;
    live_->Step();
    std::uint32_t mask = 0;
    for (int slot : live_->Slots())
        mask |= Bit(slot);
    window_.SetModified();
    RedrawLetters(mask);
    LetterAnimator* other = LinkedWindow();
    if (other && !other->Animating()) {
        for (int slot : live_->Slots())
            other->window_.Context().SetLetter(slot, window_.Context().GetLetter(slot));
        other->RedrawLetters(mask);
    }
}

bool LetterAnimator::OnKey(const platform::KeyEvent& key) {
    if (live_) {
        switch (key.key) {
        case 'S':
            FinishAnimation();
            return true;
        case res::KeySpace:
            live_->Reverse();
            return true;
        case 'R':
        case 'L':
            if (!clockMode_) {
                live_->ScaleSpeed(key.key == 'R' ? 1.25L : 0.8L);
                settings_.speed = live_->Speed();
            }
            return true;
        default:
            return true;
        }
    }
    if (playback_) {
        switch (key.key) {
        case 'S':
            FinishAnimation();
            return true;
        case res::KeySpace:
            playback_->Reverse();
            return true;
        case 'L':
            playback_->Longer();
            break;
        case 'R':
            playback_->Shorter();
            break;
        default:
            return true;
        }
        settings_.slidePause = playback_->Pause();
        if (platform::Window* w = window_.GetWindow())
            w->StartTimer(kSlideTimer, std::max(settings_.slidePause, 0) * 10);
        return true;
    }
    return false;
}

bool LetterAnimator::OnTimer(int id) {
    switch (id) {
    case kAnimationFrameTimer:
        Frame();
        return true;
    case kAnimationClockTimer:
        if (live_) {
            const long double now = window_.Context().GetLetter(kSymbolSlot);
            live_->RescaleSymbol(now - clockValue_);
            clockValue_ = now;
        }
        return true;
    case kSlideTimer:
        if (playback_ && !framePending_) {
            playback_->Advance();
            framePending_ = true;
            window_.RequestRepaint();
        }
        return true;
    default:
        return false;
    }
}

void LetterAnimator::FinishAnimation() {
    platform::Window* w = window_.GetWindow();
    if (w) {
        w->StopTimer(kAnimationFrameTimer);
        w->StopTimer(kAnimationClockTimer);
        w->StopTimer(kSlideTimer);
    }
    if (live_ && clockMode_)
        settings_.symbolIncrement = std::fabs(live_->Increment(kSymbolSlot));
    live_.reset();
    if (playback_) {
        // The letter stays at the slide on the screen.
        const std::size_t shown = static_cast<std::size_t>(playback_->Current());
        if (shown < slideValues_.size())
            for (std::size_t j = 0; j < slideSlots_.size(); ++j)
                window_.Context().SetLetter(slideSlots_[j], slideValues_[shown][j]);
    }
    ReleaseSlides();
    clockMode_ = false;
    framePending_ = false;
    window_.DrawSettings().noPoll = false;
    window_.ClearStatus();
    if (w && !w->IsClosed()) {
        window_.RedrawExamples();
        if (TSlideDlg* dialog = ExistingSliderDialog(animatedSlot_))
            dialog->Show(w);
        RefreshSliders();
    }
    animatedSlot_ = -1;
}

void LetterAnimator::Stop() {
    if (Animating())
        FinishAnimation();
}

// --- Slide show -----------------------------------------------------------------------

void LetterAnimator::ReleaseSlides() {
    slides_.clear();
    slideValues_.clear();
    slideSlots_.clear();
    playback_.reset();
}

int LetterAnimator::StartSlideShow(int slot, AnimationMode mode, int count) {
    Stop();
    platform::Window* w = window_.GetWindow();
    if (!w)
        return 0;
    const platform::Size size = window_.ClientSize();
    const std::size_t bytes = std::size_t(size.width) * std::size_t(size.height) * 4 + 1;
    const int affordable = static_cast<int>(std::min<std::size_t>(kSlideMemory / bytes, 1000));
    const int wanted = std::min(count, affordable);
    try {
        while (static_cast<int>(slides_.size()) < wanted) {
            std::unique_ptr<platform::Surface> slide = window_.GetPlatform().CreateSurface(size);
            if (!slide)
                break;
            slides_.push_back(std::move(slide));
        }
    } catch (const std::bad_alloc&) {
        // Fewer slides then.
    }
    if (slides_.size() < 2) {
        ReleaseSlides();
        window_.ShowMessage(kNotEnoughMemory);
        return kNotEnoughMemory;
    }
    if (TSlideDlg* dialog = ExistingSliderDialog(slot))
        dialog->Hide();
    animatedSlot_ = slot;
    slideSlots_ = AnimatedSlots(slot);
    window_.DrawSettings().noPoll = true;
    const int n = static_cast<int>(slides_.size()) - 1;
    if (!DrawSlides(n)) {
        FinishAnimation();
        return 0;
    }
    playback_.emplace(n, mode, settings_.slidePause);
    window_.SetStatus(kStopStatus);
    framePending_ = true;
    window_.RequestRepaint();
    w->StartTimer(kSlideTimer, std::max(settings_.slidePause, 0) * 10);
    return 0;
}

bool LetterAnimator::DrawSlides(int n) {
    EvalContext& c = window_.Context();
    // Each letter animated together runs over its own bounds in the same n steps.
    std::vector<long double> low, step, before;
    std::uint32_t mask = 0;
    for (int slot : slideSlots_) {
        const long double a = c.letterLow[slot].re;
        long double d = (c.letterHigh[slot].re - a) / n;
        if (d < kBoundSlack)
            d = 1.0L / n;
        low.push_back(a);
        step.push_back(d);
        before.push_back(c.GetLetter(slot));
        mask |= Bit(slot);
    }
    platform::Window* w = window_.GetWindow();
    const std::string done = res::String(kSlidesDone);
    for (int k = 0; k <= n; ++k) {
        std::vector<long double>& values = slideValues_.emplace_back();
        for (std::size_t j = 0; j < slideSlots_.size(); ++j) {
            values.push_back(low[j] + k * step[j]);
            c.SetLetter(slideSlots_[j], values[j]);
        }
        ForgetDependentPieces(mask);
        DrawWhole(*slides_[static_cast<std::size_t>(k)]);
        w->SetTitle(FormatInt(k + 1) + done + FormatInt(n + 1));
        if (window_.PeekKey() == 'S' || w->IsClosed()) {
            for (std::size_t j = 0; j < slideSlots_.size(); ++j)
                c.SetLetter(slideSlots_[j], before[j]);
            ForgetDependentPieces(mask);
            return false;
        }
    }
    return true;
}

void LetterAnimator::DrawWhole(platform::Surface& picture) {
    window_.ClearToBackground(picture);
    picture.SetBackgroundColour(window_.BackgroundRgb());
    if (ownPicture) {
        if (ownPicture->draw)
            ownPicture->draw(picture);
        return;
    }
    window_.DrawGrid(picture);
    window_.DrawExamples(picture);
    window_.DrawOverlay(picture);
}

bool LetterAnimator::PaintSlide(platform::Surface& front) {
    if (!playback_)
        return false;
    const std::size_t i = static_cast<std::size_t>(playback_->Current());
    if (i >= slides_.size())
        return false;
    const platform::Surface& slide = *slides_[i];
    lastFrame_.reset();
    front.Blit(window_.PictureOffset(), slide, platform::Rect::FromSize({0, 0}, slide.GetSize()));
    framePending_ = false;
    return true;
}

// --- Animations as files -------------------------------------------------------------

int LetterAnimator::WriteAnimation(const std::string& path, int slot, int frames, platform::Size size, int delay) {
    constexpr int kCannotSave = 12; // "não é possível salvar arquivo"
    std::unique_ptr<platform::Surface> picture = window_.GetPlatform().CreateSurface(size);
    platform::GifWriter gif;
    if (!picture || frames < 2 || !gif.Open(path, size))
        return kCannotSave;
    EvalContext& c = window_.Context();
    const long double before = c.GetLetter(slot), low = c.letterLow[slot].re;
    long double d = (c.letterHigh[slot].re - low) / (frames - 1);
    if (d < kBoundSlack)
        d = 1.0L / (frames - 1);
    const bool noPoll = window_.DrawSettings().noPoll;
    window_.DrawSettings().noPoll = true;
    bool ok = true;
    for (int k = 0; k < frames && ok; ++k) {
        c.SetLetter(slot, low + k * d);
        ForgetDependentPieces(Bit(slot));
        DrawWhole(*picture);
        ok = gif.AddFrame(*picture, delay);
    }
    window_.DrawSettings().noPoll = noPoll;
    c.SetLetter(slot, before);
    ForgetDependentPieces(Bit(slot));
    return gif.Close() && ok ? 0 : kCannotSave;
}

void LetterAnimator::SaveAnimationAs(int slot, int frames) {
    Stop();
    platform::FileDialogSpec request;
    request.title = "Salvar animação";
    request.filter = "animações GIF (*.gif)|*.gif";
    request.defaultExtension = "gif";
    request.owner = window_.GetWindow();
    const std::optional<std::string> path = window_.GetPlatform().SaveFileDialog(request);
    if (!path)
        return;
    window_.SetStatus(2); // "ocupado --- favor aguardar"
    const int code = WriteAnimation(*path, slot, frames, window_.ClientSize(), settings_.slidePause);
    window_.ClearStatus();
    if (code != 0)
        window_.ShowMessage(code);
}

// --- The dialogs of the menu ----------------------------------------------------------

void LetterAnimator::AskSteps() {
    StepsDialog dialog(settings_, window_.Compiler(),
                       [this](int code) { window_.ShowMessage(code); });
    window_.GetPlatform().RunModal("CALIB", dialog, window_.GetWindow());
    if (dialog.changed) {
        window_.SetModified();
        RefreshSliders();
    }
}

void LetterAnimator::AskLinkedLetters() {
    std::array<bool, kAnimatedLetters> linked = settings_.linked;
    LinkedLettersDialog dialog(linked);
    if (window_.GetPlatform().RunModal("LINKBARS", dialog, window_.GetWindow()) !=
        platform::ResultOk)
        return;
    if (linked != settings_.linked)
        window_.SetModified();
    settings_.linked = linked;
}

void LetterAnimator::AskLinkedWindow() {
    std::vector<LetterAnimator*> others;
    std::vector<std::string> titles;
    if (peers)
        for (LetterAnimator* p : peers())
            if (p && p != this) {
                others.push_back(p);
                titles.push_back(p->window_.BaseTitle());
            }
    const auto at = std::find(others.begin(), others.end(), LinkedWindow());
    LinkedWindowDialog dialog(titles,
                              at == others.end() ? -1 : static_cast<int>(at - others.begin()));
    if (window_.GetPlatform().RunModal("LINKWIN", dialog, window_.GetWindow()) !=
        platform::ResultOk)
        return;
    LinkWindow(dialog.chosen >= 0 && dialog.chosen < static_cast<int>(others.size())
                   ? others[static_cast<std::size_t>(dialog.chosen)]
                   : nullptr);
}

void LetterAnimator::LinkWindow(LetterAnimator* other) {
    if (other == this)
        other = nullptr;
    linked_ = other;
    linkedAlive_ = other ? std::weak_ptr<int>(other->alive_) : std::weak_ptr<int>();
}

LetterAnimator* LetterAnimator::LinkedWindow() const {
    return linkedAlive_.expired() ? nullptr : linked_;
}

} // namespace korvane
