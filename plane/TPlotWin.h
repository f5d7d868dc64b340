#pragma once
// Equation level: the example table, the compile step and the drawing of every example
// into the base picture.
#include <array>
#include <functional>

#include "graph/TFuncWin.h"
#include "plane/ExampleTable.h"
#include "plane/PlaneDrawing.h"

namespace korvane {

// The timer that shows a drawing's failure once the paint is over.
inline constexpr int kDrawingMessageTimer = 7310;

class TPlotWin : public TFuncWin {
public:
    TPlotWin(platform::Platform& platform, const WindowOptions& options, platform::Window* owner);

    ExampleTable& Examples() { return examples_; }
    PlaneDrawSettings& DrawSettings() { return drawSettings_; }

    // The compile step for one example; shows the failure's message and returns its code.
    virtual int CompileExample(int index, bool showFailure = true);
    // Every example that is not derived; the first failure's code.
    int RecompileAll();
    void RecomputeLettersInUse();
    // A derived example's trees, built again from its sources' trees.
    virtual void RecompileDerived(int index);
    const std::array<bool, 256>& LettersInUse() const { return lettersInUse_; }

    // An explicit or indefinite-integral example without its own interval spans the view.
    void FollowView(ExampleRecord& example) const;

    // Draws every example onto the surface (the base picture, an export, a print); with
    // `include`, only the examples it accepts, and the marks and labels when `notes`.
    int DrawExamples(platform::Surface& surface, const std::function<bool(int)>& include = {}, bool notes = true);
    // The base picture below the examples: grid and axes.
    void DrawGrid(platform::Surface& surface) { TFuncWin::DrawBase(surface); }
    PlaneDrawContext MakeDrawContext(platform::Surface& surface);
    // True while the picture goes to a PiCTeX or TikZ file.
    virtual bool PictureExport() const { return false; }

    void DrawBase(platform::Surface& surface) override;
    // A drawing that fails in a paint leaves its message for a timer after the paint, so
    // that no box opens while the picture is being built.
    void OnPaint(platform::Surface& front) override;
    // A paint that only some examples need: drawn straight onto the front; false when
    // the layers must be painted.
    virtual bool PaintChangedExamples(platform::Surface& front) {
        (void)front;
        return false;
    }
    void OnTimer(int id) override;
    // Redraws the examples. While the switch of command 810 is on, every drawing of the
    // examples (this one, view changes, resizing) searches implicit curves again.
    void RedrawExamples();
    void ForgetImplicitPieces();
    void OnCommand(int id) override;
    void RefreshMenuChecks() override;
    void AfterViewChange(long double oldRx, long double oldRy) override;

protected:
    // The one-line tolerance inputs of commands 732 and 733.
    void AskTolerance(const char* caption, long double& value);
    // Command 769: the pattern that shades the regions of implicit inequalities.
    void AskShading();
    // The base picture drawn so far, on the screen ("olhar", families shown one by one).
    void ShowDrawing();

    ExampleTable examples_;
    PlaneDrawSettings drawSettings_;
    std::array<bool, 256> lettersInUse_{};
    int pendingMessage_ = 0; // of the paint under way
    int messageDue_ = 0;     // waiting for the message timer
    bool painting_ = false;
};

} // namespace korvane
