#pragma once
// Space view level: the observer, the box and the projection of the space window, the
// observer commands and flags of its menu, the fitting of the picture to the box, the
// slide show about the z axis and the turning of the scene with the mouse.
#include <memory>

#include "plane/TPlot11Win.h"
#include "space/SpaceView.h"
#include "space/TAxisLengthDlg.h"
#include "space/TObserverDlg.h"

namespace korvane {

class TPlotQWin : public TPlot11Win {
public:
    TPlotQWin(platform::Platform& platform, const WindowOptions& options, platform::Window* owner);
    ~TPlotQWin() override;

    SpaceView& Space() { return space_; }
    const SpaceView& Space() const { return space_; }
    bool AxisNamesShown() const { return axisNames_; }
    int SlideCount() const { return slideCount_; }
    int SlidePause() const { return slidePause_; }

    void OnCommand(int id) override;
    void OnMouse(const platform::MouseEvent& mouse) override;
    void RefreshMenuChecks() override;

    // The plane window shows the projected box (and the axes when shown).
    void FitWindow();
    // After every change of the observer: the dialog, the picture and the document follow.
    void ObserverMoved();
    // True while the mouse turns the scene: slow drawings are drawn fast then.
    bool Dragging() const { return dragging_; }

protected:
    // The whole space picture, for the slides.
    virtual void DrawScene(platform::Surface& surface) = 0;
    void ShowObserverDialog();
    void EditRotationStep();
    void EditSlideCount();
    void EditAxisExtent();
    void RunSlides();
    void ToggleCube();
    void ViewFlagChanged(bool& flag, bool repaint = true);

    SpaceView space_;
    bool axisNames_ = false;
    int slideCount_ = 30;
    int slidePause_ = 150;
    bool pollDuringDrawing_ = true;

private:
    void MouseTurn(const platform::MouseEvent& mouse);
    void PlaySlides(std::vector<std::unique_ptr<platform::Surface>>& slides);

    std::unique_ptr<TObserverDlg> observerHandler_;
    std::unique_ptr<platform::Dialog> observerDialog_;
    bool dragging_ = false;
    platform::Point dragFrom_;
};

} // namespace korvane
