#include "graph/TZalWing.h"

#include "graph/NumberText.h"

namespace korvane {

using platform::MouseAction;
using platform::Point;
using platform::Rect;

TZalWing::TZalWing(platform::Platform& platform, const WindowOptions& options, platform::Window* owner)
    : TZalWin(platform, options, owner) {}

TZalWing::~TZalWing() = default;

void TZalWing::AfterViewChange(long double oldRx, long double oldRy) {
    OnRadiiChanged(oldRx, oldRy);
    InvalidatePicture();
    if (viewHandler_ && viewDialog_ && !viewHandler_->hidden)
        viewHandler_->Fill(*viewDialog_);
    RefreshMenuChecks();
    SetModified();
    RequestRepaint();
}

void TZalWing::SetSquareView(long double cx, long double cy, long double rx) {
    const long double oldRx = view_.rx, oldRy = view_.ry;
    view_.SetSquareView(cx, cy, rx);
    AfterViewChange(oldRx, oldRy);
}

void TZalWing::SetView(long double cx, long double cy, long double rx, long double ry, bool cornerMode) {
    const long double oldRx = view_.rx, oldRy = view_.ry;
    view_.SetView(cx, cy, rx, ry, cornerMode);
    AfterViewChange(oldRx, oldRy);
}

void TZalWing::PopView() {
    const long double oldRx = view_.rx, oldRy = view_.ry;
    if (view_.PopView())
        AfterViewChange(oldRx, oldRy);
}

void TZalWing::RestoreView() {
    const long double oldRx = view_.rx, oldRy = view_.ry;
    view_.RestoreDefault();
    ResetScaleFactors();
    OnRadiiChanged(oldRx, oldRy);
    InvalidateLayer(currentLevel_);
    InvalidatePicture();
    if (viewHandler_ && viewDialog_ && !viewHandler_->hidden)
        viewHandler_->Fill(*viewDialog_);
    RefreshMenuChecks();
    SetModified();
    RequestRepaint();
}

void TZalWing::Recompute() {
    const platform::Size size = ClientSize();
    view_.SetClientSize(size.width, size.height);
    view_.Recompute();
    if (viewHandler_ && viewDialog_ && !viewHandler_->hidden)
        viewHandler_->Fill(*viewDialog_);
}

void TZalWing::RefreshMenuChecks() {
    TZalWin::RefreshMenuChecks();
    if (!window_)
        return;
    window_->EnableMenuItem(cmd::kPreviousView, view_.HasPreviousView());
    window_->EnableMenuItem(cmd::kSquare, view_.independent);
    for (int id = cmd::kMouseZoomBox; id <= cmd::kMouseCoordinates; ++id)
        window_->CheckMenuItem(id, id == mouseMode_);
}

void TZalWing::OnSize(platform::Size client) {
    (void)client;
    Recompute();
    InvalidateLayer(currentLevel_);
    InvalidatePicture();
    RequestRepaint();
}

void TZalWing::Zoom(long double factor) {
    const long double oldRx = view_.rx, oldRy = view_.ry;
    view_.Zoom(factor);
    AfterViewChange(oldRx, oldRy);
}

void TZalWing::Move(long double fx, long double fy) {
    const long double oldRx = view_.rx, oldRy = view_.ry;
    view_.Move(fx, fy);
    AfterViewChange(oldRx, oldRy);
}

void TZalWing::Square() {
    if (!view_.independent)
        return;
    const long double oldRx = view_.rx, oldRy = view_.ry;
    view_.MakeSquare();
    AfterViewChange(oldRx, oldRy);
}

void TZalWing::EditZoomFactor() {
    int code = 0;
    const auto value = AskNumber(5, 17, format_.Format(view_.zoomFactor), 20, code);
    if (!value)
        return;
    if (code == 0 && *value >= 1e-18L)
        view_.zoomFactor = *value;
    else
        ShowMessage(code != 0 ? code : 1);
    SetModified();
}

void TZalWing::EditStep() {
    int code = 0;
    const auto value = AskNumber(5, 18, FormatFixed(view_.step * 100, 4, 2), 20, code);
    if (!value)
        return;
    if (code == 0 && *value >= 1e-18L)
        view_.step = *value * 0.01L;
    else
        ShowMessage(code != 0 ? code : 1);
    SetModified();
}

void TZalWing::ApplyViewRequest(const ViewRequest& request) {
    if (request.cornerMode)
        SetView(request.cx, request.cy, request.rx, request.ry, true);
    else
        SetSquareView(request.cx, request.cy, request.rx);
}

void TZalWing::ShowViewDialog() {
    if (!viewDialog_) {
        viewHandler_ = std::make_unique<TViewDlg>(
            view_, format_, [this](const std::string& text, long double& value) { return EvaluateNumber(text, value); });
        viewHandler_->onApply = [this](const ViewRequest& r) { ApplyViewRequest(r); };
        viewHandler_->onError = [this](int code) { ShowMessage(code); };
        viewDialog_ = platform_.CreateModeless(viewDialogName, *viewHandler_, window_.get());
        if (!viewDialog_)
            return;
    }
    viewHandler_->hidden = false;
    viewHandler_->Fill(*viewDialog_);
    viewDialog_->Show();
}

void TZalWing::OnCommand(int id) {
    switch (id) {
    case cmd::kViewDialog: ShowViewDialog(); break;
    case cmd::kZoomOut: Zoom(view_.zoomFactor); break;
    case cmd::kZoomIn: Zoom(1 / view_.zoomFactor); break;
    case cmd::kZoomFactor: EditZoomFactor(); break;
    case cmd::kLeft: Move(-view_.step, 0); break;
    case cmd::kRight: Move(view_.step, 0); break;
    case cmd::kDown: Move(0, -view_.step); break;
    case cmd::kUp: Move(0, view_.step); break;
    case cmd::kStep: EditStep(); break;
    case cmd::kPreviousView: PopView(); break;
    case cmd::kSquare: Square(); break;
    case cmd::kRestoreView: RestoreView(); break;
    case cmd::kMouseZoomBox:
    case cmd::kMouseTrajectory:
    case cmd::kMouseText:
    case cmd::kMousePaste:
    case cmd::kMouseCoordinates:
        mouseMode_ = id;
        RefreshMenuChecks();
        break;
    default: TZalWin::OnCommand(id); break;
    }
}

void TZalWing::Recentre(Point at) {
    const long double x = view_.ToWorldX(at.x), y = view_.ToWorldY(at.y);
    if (view_.independent)
        SetView(x, y, view_.rx, view_.ry, true);
    else
        SetSquareView(x, y, view_.rx);
}

void TZalWing::OnMouse(const platform::MouseEvent& mouse) {
    if (mouse.action == MouseAction::Wheel) {
        // Away from the user is "A&proximar", about the pointer, a notch a zoom step.
        wheelRest_ += mouse.wheelDelta;
        for (; !dragging_ && (wheelRest_ >= 120 || wheelRest_ <= -120); wheelRest_ -= wheelRest_ > 0 ? 120 : -120) {
            const long double oldRx = view_.rx, oldRy = view_.ry;
            view_.ZoomAbout(view_.ToWorldX(mouse.position.x), view_.ToWorldY(mouse.position.y),
                            wheelRest_ > 0 ? 1 / view_.zoomFactor : view_.zoomFactor);
            AfterViewChange(oldRx, oldRy);
        }
        return;
    }
    const bool viewMode = mouseMode_ == cmd::kMouseZoomBox || mouseMode_ == cmd::kMouseCoordinates;
    if (!viewMode) {
        OnModeMouse(mouse);
        return;
    }
    if (mouse.action == MouseAction::Down && mouse.button == platform::ButtonRight && !dragging_) {
        Recentre(mouse.position);
        return;
    }
    if (mouseMode_ == cmd::kMouseZoomBox)
        ZoomBoxMouse(mouse);
    else
        CoordinatesMouse(mouse);
}

void TZalWing::OnKey(const platform::KeyEvent& key) {
    if (key.key != res::KeyEscape || !dragging_ || mouseMode_ != cmd::kMouseZoomBox) {
        TZalWin::OnKey(key);
        return;
    }
    DrawRubberBand(); // erases it
    bandShown_ = dragging_ = false;
    if (window_)
        window_->ReleaseMouse();
}

void TZalWing::DrawRubberBand() {
    if (!window_)
        return;
    platform::Surface& front = window_->FrontSurface();
    front.SetDrawMode(platform::DrawMode::NotXor);
    front.SetPen({platform::kBlack, 1, platform::PenStyle::Solid});
    front.SetBrush({platform::kWhite, platform::BrushStyle::Hollow});
    front.Rectangle(Rect::Spanning(pressed_, cursor_));
    front.SetDrawMode(platform::DrawMode::Copy);
    window_->Present();
}

void TZalWing::ZoomBoxMouse(const platform::MouseEvent& mouse) {
    if (mouse.action == MouseAction::Down && mouse.button == platform::ButtonLeft) {
        dragging_ = true;
        pressed_ = cursor_ = mouse.position;
        if (window_)
            window_->CaptureMouse();
        DrawRubberBand();
        bandShown_ = true;
        return;
    }
    if (!dragging_)
        return;
    if (mouse.action == MouseAction::Move) {
        DrawRubberBand(); // the same rectangle again erases it
        cursor_ = mouse.position;
        DrawRubberBand();
        return;
    }
    if (mouse.action != MouseAction::Up || mouse.button != platform::ButtonLeft)
        return;
    DrawRubberBand();
    bandShown_ = dragging_ = false;
    if (window_)
        window_->ReleaseMouse();
    cursor_ = mouse.position;
    const Rect box = Rect::Spanning(pressed_, cursor_);
    if (box.Width() == 0 || box.Height() == 0)
        return;
    const long double oldRx = view_.rx, oldRy = view_.ry;
    view_.SetCorners(view_.ToWorldX(box.left), view_.ToWorldX(box.right), view_.ToWorldY(box.bottom),
                     view_.ToWorldY(box.top));
    AfterViewChange(oldRx, oldRy);
}

void TZalWing::DrawCoordinatesBox(Point at) {
    if (!window_)
        return;
    platform::Surface& front = window_->FrontSurface();
    // Put back the picture under the last box first.
    BlitLayer(0, front);
    const std::string text = FormatFixed(view_.ToWorldX(at.x), 0, format_.decimals) + ", " +
                             FormatFixed(view_.ToWorldY(at.y), 0, format_.decimals);
    front.SetFont(FontSpecOf(kFontScale));
    const platform::Size extent = front.TextExtent(text);
    Rect box = Rect::FromSize({at.x + 12, at.y + 12}, {extent.width + 8, extent.height + 4});
    const platform::Size client = ClientSize();
    if (box.right > client.width)
        box = Rect::FromSize({at.x - 12 - box.Width(), box.top}, {box.Width(), box.Height()});
    if (box.bottom > client.height)
        box = Rect::FromSize({box.left, at.y - 12 - box.Height()}, {box.Width(), box.Height()});
    front.SetPen({platform::kBlack, 1, platform::PenStyle::Solid});
    front.SetBrush({platform::Rgb{255, 255, 224}, platform::BrushStyle::Solid});
    front.Rectangle(box);
    front.SetBackgroundMode(platform::BackgroundMode::Transparent);
    front.SetTextColour(platform::kBlack);
    front.SetTextAlign(platform::AlignLeft | platform::AlignTop);
    front.TextOut({box.left + 4, box.top + 2}, text);
    window_->Present();
}

void TZalWing::CoordinatesMouse(const platform::MouseEvent& mouse) {
    if (mouse.action == MouseAction::Down && mouse.button == platform::ButtonLeft) {
        dragging_ = true;
        if (window_)
            window_->CaptureMouse();
        DrawCoordinatesBox(mouse.position);
        return;
    }
    if (!dragging_)
        return;
    if (mouse.action == MouseAction::Move) {
        DrawCoordinatesBox(mouse.position);
        return;
    }
    if (mouse.action == MouseAction::Up && mouse.button == platform::ButtonLeft) {
        dragging_ = false;
        if (window_) {
            window_->ReleaseMouse();
            BlitLayer(0, window_->FrontSurface());
            window_->Present();
        }
        OnCoordinatesPicked(view_.ToWorldX(mouse.position.x), view_.ToWorldY(mouse.position.y));
    }
}

} // namespace korvane
