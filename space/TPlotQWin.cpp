#include "space/TPlotQWin.h"
#include "space/FieldText.h"

#include <chrono>
#include <cmath>
#include <numbers>
#include <thread>

#include "platform/Dialog.h"
#include "platform/Platform.h"
#include "platform/Surface.h"
#include "space/SpaceCommands.h"

namespace korvane {

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;
constexpr int kOutOfRange = 17;
// One pause unit of the slide show, in milliseconds.
constexpr int kPauseUnitMs = 1;

} // namespace

TPlotQWin::TPlotQWin(platform::Platform& platform, const WindowOptions& options, platform::Window* owner)
    : TPlot11Win(platform, options, owner) {
    space_.FollowBox();
}

TPlotQWin::~TPlotQWin() = default;

void TPlotQWin::ObserverMoved() {
    if (observerDialog_ && observerHandler_ && observerDialog_->IsVisible())
        observerHandler_->Fill(*observerDialog_, space_.observer);
    SetModified();
    InvalidatePicture();
    Redraw(1);
}

void TPlotQWin::FitWindow() {
    space_.FollowBox();
    PictureWindow w;
    if (!space_.FitWindow(axes_.axesShown, w))
        return;
    view_.aspect = 1;
    view_.SetView(w.cx, w.cy, w.rx, w.ry, false);
    view_.ClearViews();
    InvalidatePicture();
    Redraw(1);
}

void TPlotQWin::ViewFlagChanged(bool& flag, bool repaint) {
    flag = !flag;
    RefreshMenuChecks();
    SetModified();
    if (repaint) {
        InvalidatePicture();
        Redraw(1);
    }
}

void TPlotQWin::ToggleCube() {
    space_.cube = !space_.cube;
    space_.RecomputeScale();
    space_.ObserverChanged();
    RefreshMenuChecks();
    FitWindow();
}

void TPlotQWin::OnCommand(int id) {
    switch (id) {
    case cmd::kApproach:
        if (space_.Approach())
            ObserverMoved();
        return;
    case cmd::kMoveAway: space_.MoveAway(); ObserverMoved(); return;
    case cmd::kMoveVeryFar: space_.MoveVeryFar(); ObserverMoved(); return;
    case cmd::kIsometric:
        space_.Isometric();
        ObserverMoved();
        FitWindow();
        return;
    case cmd::kTurnRight: space_.Turn(space_.rotationStep); ObserverMoved(); return;
    case cmd::kTurnBack: space_.Turn(-space_.rotationStep); ObserverMoved(); return;
    case cmd::kRaise:
        if (space_.Raise())
            ObserverMoved();
        return;
    case cmd::kLower:
        if (space_.Lower())
            ObserverMoved();
        return;
    case cmd::kRotationStep: EditRotationStep(); return;
    case cmd::kFitWindow: FitWindow(); return;
    case cmd::kObserverDialog: ShowObserverDialog(); return;
    case cmd::kRotateAboutOrigin: ViewFlagChanged(space_.rotateAboutOrigin, false); return;
    case cmd::kRotationSlides: RunSlides(); return;
    case cmd::kSlideCount: EditSlideCount(); return;
    case cmd::kAxisExtent: EditAxisExtent(); return;
    case cmd::kBoxShown: ViewFlagChanged(space_.boxShown); return;
    case cmd::kBoxCoordinates: ViewFlagChanged(space_.boxCoordinates); return;
    case cmd::kBoxDotted: ViewFlagChanged(space_.boxDotted); return;
    case cmd::kCubeMode: ToggleCube(); return;
    case cmd::kHideSegments: ViewFlagChanged(space_.hideSegments, axes_.axesShown || space_.boxShown); return;
    case cmd::kSpaceAxisNames: ViewFlagChanged(axisNames_); return;
    case cmd::kAxes:
        axes_.axesShown = !axes_.axesShown;
        RefreshMenuChecks();
        SetModified();
        FitWindow();
        return;
    default: TPlot11Win::OnCommand(id); return;
    }
}

void TPlotQWin::RefreshMenuChecks() {
    TPlot11Win::RefreshMenuChecks();
    if (!window_)
        return;
    window_->CheckMenuItem(cmd::kBoxShown, space_.boxShown);
    window_->CheckMenuItem(cmd::kBoxCoordinates, space_.boxCoordinates);
    window_->CheckMenuItem(cmd::kBoxDotted, space_.boxDotted);
    window_->CheckMenuItem(cmd::kCubeMode, space_.cube);
    window_->CheckMenuItem(cmd::kHideSegments, space_.hideSegments);
    window_->CheckMenuItem(cmd::kHideParametric, space_.hideParametric);
    window_->CheckMenuItem(cmd::kSpaceAxisNames, axisNames_);
    window_->CheckMenuItem(cmd::kAxes, axes_.axesShown);
}

void TPlotQWin::ShowObserverDialog() {
    if (!observerDialog_) {
        observerHandler_ = std::make_unique<TObserverDlg>();
        observerHandler_->evaluate = [this](const std::string& text, long double& value) {
            return EvaluateNumber(text, value);
        };
        observerHandler_->showMessage = [this](int code) { ShowMessage(code); };
        observerHandler_->apply = [this](const SpacePoint& observer) {
            space_.observer = observer;
            space_.ObserverChanged();
            ObserverMoved();
        };
        observerDialog_ = platform_.CreateModeless("SETOBS", *observerHandler_, window_.get());
        if (!observerDialog_)
            return;
    }
    observerHandler_->Fill(*observerDialog_, space_.observer);
    observerDialog_->Show();
}

void TPlotQWin::EditRotationStep() {
    const auto text = platform_.InputBox("entrada", "ângulo de observação", FieldText(space_.rotationStep * 180 / kPi),
                                         window_.get(), 30);
    if (!text)
        return;
    long double degrees = 0;
    if (const int code = EvaluateNumber(*text, degrees); code != 0) {
        ShowMessage(code);
        return;
    }
    space_.rotationStep = degrees * kPi / 180;
    SetModified();
}

void TPlotQWin::EditSlideCount() {
    const auto text = platform_.InputBox("rotação eixo z", "número de slides", std::to_string(slideCount_),
                                         window_.get(), 30);
    if (!text)
        return;
    long double count = 0;
    if (const int code = EvaluateNumber(*text, count); code != 0) {
        ShowMessage(code);
        return;
    }
    count = std::nearbyint(count);
    if (!(count >= 2 && count <= 200)) {
        ShowMessage(kOutOfRange);
        return;
    }
    slideCount_ = static_cast<int>(count);
}

void TPlotQWin::EditAxisExtent() {
    TAxisLengthDlg handler(space_, [this](const std::string& text, long double& value) {
        return EvaluateNumber(text, value);
    }, [this](int code) { ShowMessage(code); });
    if (platform_.RunModal("AXLEN", handler, window_.get()) != 1)
        return;
    SetModified();
    FitWindow();
}

void TPlotQWin::RunSlides() {
    const platform::Size size = ClientSize();
    std::vector<std::unique_ptr<platform::Surface>> slides;
    for (int k = 0; k < slideCount_; ++k) {
        auto slide = platform_.CreateSurface(size);
        if (!slide)
            break;
        slides.push_back(std::move(slide));
    }
    const SpacePoint observer = space_.observer;
    const long double step = space_.rotationStep;
    const int count = static_cast<int>(slides.size());
    space_.rotationStep = 2 * kPi / (count > 0 ? count : 1);
    pollDuringDrawing_ = false;
    bool stopped = false;
    for (int k = 0; k < count && !stopped; ++k) {
        space_.Turn(-space_.rotationStep);
        ClearToBackground(*slides[static_cast<std::size_t>(k)]);
        DrawScene(*slides[static_cast<std::size_t>(k)]);
        if (window_)
            window_->SetTitle(std::to_string(k + 1) + " slides feitos fora de " + std::to_string(count) +
                              "; pressione S para sair");
        stopped = PeekKey() == 'S';
    }
    if (!stopped && count > 0)
        PlaySlides(slides);
    space_.rotationStep = step;
    space_.observer = observer;
    space_.ObserverChanged();
    pollDuringDrawing_ = true;
    ClearStatus();
    InvalidatePicture();
    Redraw(1);
}

void TPlotQWin::PlaySlides(std::vector<std::unique_ptr<platform::Surface>>& slides) {
    if (!window_)
        return;
    const int count = static_cast<int>(slides.size());
    const platform::Size size = ClientSize();
    int k = 0, direction = 1;
    for (;;) {
        window_->FrontSurface().Blit({0, 0}, *slides[static_cast<std::size_t>(k)], platform::Rect::FromSize({0, 0}, size));
        window_->Present();
        std::this_thread::sleep_for(std::chrono::milliseconds(slidePause_ * kPauseUnitMs));
        const int key = PeekKey();
        if (key == 'S' || window_->IsClosed())
            return;
        if (key == ' ')
            direction = -direction;
        else if (key == 'L')
            slidePause_ += 5;
        else if (key == 'R' && slidePause_ > 5)
            slidePause_ -= 5;
        k = (k + direction + count) % count;
    }
}

// Left drag turns the observer by the angle the pointer moved (half a turn across the
// window), the wheel approaches and moves away.
void TPlotQWin::OnMouse(const platform::MouseEvent& mouse) {
    using platform::MouseAction;
    if (mouse.action == MouseAction::Wheel) {
        if (mouse.wheelDelta > 0 ? space_.Approach() : (space_.MoveAway(), true))
            ObserverMoved();
        return;
    }
    if (mouse.action == MouseAction::Down && mouse.button == platform::ButtonLeft) {
        dragging_ = true;
        dragFrom_ = mouse.position;
        if (window_)
            window_->CaptureMouse();
        return;
    }
    if (dragging_ && mouse.action == MouseAction::Move) {
        MouseTurn(mouse);
        return;
    }
    if (dragging_ && mouse.action == MouseAction::Up && mouse.button == platform::ButtonLeft) {
        MouseTurn(mouse);
        dragging_ = false;
        if (window_)
            window_->ReleaseMouse();
        // A slow drawing comes back once the button is up.
        InvalidatePicture();
        Redraw(1);
        return;
    }
    TPlot11Win::OnMouse(mouse);
}

void TPlotQWin::MouseTurn(const platform::MouseEvent& mouse) {
    const platform::Size size = ClientSize();
    const int dx = mouse.position.x - dragFrom_.x, dy = mouse.position.y - dragFrom_.y;
    if (dx == 0 && dy == 0)
        return;
    dragFrom_ = mouse.position;
    if (dx != 0)
        space_.Turn(-kPi * dx / (size.width > 0 ? size.width : 1));
    if (dy != 0)
        space_.ElevateBy(kPi * dy / (size.height > 0 ? size.height : 1));
    ObserverMoved();
}

} // namespace korvane
