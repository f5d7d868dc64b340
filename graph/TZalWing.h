#pragma once
// View level: the world window and its pixel mapping, the "Ver" commands, the zoom-factor
// and step dialogs, the view dialog, and the mouse modes of the menu "&Btns".
#include "graph/TViewDlg.h"
#include "graph/TZalWin.h"
#include "graph/View.h"

#include <memory>

namespace korvane {

namespace cmd {
inline constexpr int kRestoreView = 103;
inline constexpr int kViewDialog = 104;
inline constexpr int kZoomOut = 106;
inline constexpr int kZoomIn = 107;
inline constexpr int kZoomFactor = 108;
inline constexpr int kPreviousView = 111;
inline constexpr int kSquare = 117;
inline constexpr int kStep = 321;
inline constexpr int kLeft = 322;
inline constexpr int kRight = 323;
inline constexpr int kDown = 324;
inline constexpr int kUp = 325;
inline constexpr int kMouseZoomBox = 121;
inline constexpr int kMouseTrajectory = 122;
inline constexpr int kMouseText = 123;
inline constexpr int kMousePaste = 124;
inline constexpr int kMouseCoordinates = 125;
} // namespace cmd

class TZalWing : public TZalWin {
public:
    TZalWing(platform::Platform& platform, const WindowOptions& options, platform::Window* owner);
    ~TZalWing() override;

    View& GetView() { return view_; }
    const View& GetView() const { return view_; }
    int MouseMode() const { return mouseMode_; }

    // The view operations with their consequences: picture, repaint, modified flag, menu.
    void SetSquareView(long double cx, long double cy, long double rx);
    void SetView(long double cx, long double cy, long double rx, long double ry, bool cornerMode);
    void PopView();
    void RestoreView();
    // The client size changed.
    void Recompute();

    void OnCommand(int id) override;
    void OnSize(platform::Size client) override;
    void OnMouse(const platform::MouseEvent& mouse) override;
    // Escape cancels a zoom box being dragged.
    void OnKey(const platform::KeyEvent& key) override;

    TViewDlg* ViewDialogHandler() { return viewHandler_.get(); }
    platform::Dialog* ViewDialog() { return viewDialog_.get(); }
    // Resource of the view dialog; a kind may name "VIEWCEN" or "VIEWCOR".
    std::string viewDialogName = "VIEWALL";

protected:
    // After every change of the view: radii for the label layer, dialog, menu.
    virtual void AfterViewChange(long double oldRx, long double oldRy);
    virtual void OnRadiiChanged(long double oldRx, long double oldRy) { (void)oldRx; (void)oldRy; }
    // Axis scale factors belong to the drawing level.
    virtual void ResetScaleFactors() {}
    void RefreshMenuChecks() override;
    // Mode 125: the world point where the left button was let go.
    virtual void OnCoordinatesPicked(long double x, long double y) { (void)x; (void)y; }
    // Mouse modes 122-124 are the kind's.
    virtual void OnModeMouse(const platform::MouseEvent& mouse) { (void)mouse; }

    void ShowViewDialog();
    void EditZoomFactor();
    void EditStep();
    void Zoom(long double factor);
    void Move(long double fx, long double fy);
    void Square();
    void Recentre(platform::Point at);

    View view_;
    int mouseMode_ = cmd::kMouseCoordinates;

private:
    void ZoomBoxMouse(const platform::MouseEvent& mouse);
    void CoordinatesMouse(const platform::MouseEvent& mouse);
    void DrawRubberBand();
    void DrawCoordinatesBox(platform::Point at);
    void ApplyViewRequest(const ViewRequest& request);

    std::unique_ptr<TViewDlg> viewHandler_;
    std::unique_ptr<platform::Dialog> viewDialog_;
    int wheelRest_ = 0; // wheel turns short of a notch (touchpads send small steps)
    bool dragging_ = false;
    bool bandShown_ = false;
    platform::Point pressed_, cursor_;
};

} // namespace korvane
