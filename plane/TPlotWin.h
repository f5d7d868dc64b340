#pragma once
// Equation level: the example table, the compile step and the drawing of every example
// into the base picture.
#include <array>

#include "graph/TFuncWin.h"
#include "plane/ExampleTable.h"
#include "plane/PlaneDrawing.h"

namespace korvane {

class TPlotWin : public TFuncWin {
public:
    TPlotWin(platform::Platform& platform, const WindowOptions& options, platform::Window* owner);

    ExampleTable& Examples() { return examples_; }
    PlaneDrawSettings& DrawSettings() { return drawSettings_; }

    // The compile step for one example; shows the failure's message and returns its code.
    int CompileExample(int index, bool showFailure = true);
    // Every example that is not derived; the first failure's code.
    int RecompileAll();
    void RecomputeLettersInUse();
    const std::array<bool, 256>& LettersInUse() const { return lettersInUse_; }

    // An explicit or indefinite-integral example without its own interval spans the view.
    void FollowView(ExampleRecord& example) const;

    // Draws every example onto the surface (the base picture, an export, a print).
    int DrawExamples(platform::Surface& surface);
    PlaneDrawContext MakeDrawContext(platform::Surface& surface);

    void DrawBase(platform::Surface& surface) override;
    // Redraws the examples; with the switch of command 810 implicit curves search again.
    void RedrawExamples();
    void OnCommand(int id) override;
    void RefreshMenuChecks() override;
    void AfterViewChange(long double oldRx, long double oldRy) override;

protected:
    // The one-line tolerance inputs of commands 732 and 733.
    void AskTolerance(const char* caption, long double& value);

    ExampleTable examples_;
    PlaneDrawSettings drawSettings_;
    std::array<bool, 256> lettersInUse_{};
};

} // namespace korvane
