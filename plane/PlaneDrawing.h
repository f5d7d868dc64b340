#pragma once
// What every plane drawing routine needs from its window, as one plain value, so that
// the routines are free functions that tests call on a recording surface.
#include <cstdint>
#include <functional>
#include <string>

#include "expr/EvalContext.h"
#include "graph/View.h"
#include "platform/Rgb.h"
#include "platform/Surface.h"
#include "plane/ExampleTable.h"

namespace korvane {

// Window settings that the plane kinds read (tolerances in pixels, switches).
struct PlaneDrawSettings {
    bool connectPoints = true;        // command 702
    bool exportMode = false;          // picture export: polylines and export points
    bool printing = false;
    bool blackGraphs = false;         // every example pen in colour 0
    bool ignoreExampleIntervals = false;
    bool noPoll = false;
    bool symbolicDerivatives = true;
    int pointMapExample = -1;         // an example whose slots 0 and 1 map every point
    // Implicit curves and system trajectories.
    long double nullVectorTolerance = 0.1L; // command 732
    long double loopTolerance = 0.7L;       // command 733
    long double minimumTravel = 5;          // in pixels
    bool sharpAngles = false;               // command 734
    bool infiniteSlope = false;             // command 790
    bool researchImplicit = false;          // command 810
    int shading = 1;                        // command 769: 0 none, 1 lines, 2 dots
    long double trajectoryStep = 1;         // system trajectories, in pixels
    int watchDelay = 0;
};

struct PlaneDrawContext {
    platform::Surface& surface;
    const View& view;
    EvalContext& eval;
    ExampleTable& examples;
    PlaneDrawSettings settings;
    // The colour a pen of this index is drawn in (index rules, background avoidance).
    std::function<platform::Rgb(int index)> penRgb;
    platform::Rgb background = platform::kWhite;
    // One pending key without waiting: 0 none, 'S' (83) stops the drawing.
    std::function<int()> pollKey;
    // Shows the picture drawn so far (families drawn one member at a time, "olhar").
    std::function<void()> showPicture;

    // Where the pauses go instead of spending the time (tests count them).
    std::function<void(long cosines)> pauseHook = nullptr;
    // A status text in the window's title while a long drawing runs.
    std::function<void(const std::string&)> showStatus = nullptr;
    // What a long drawing is doing ("trajetória 2 de 5"): while it is set, every
    // kProgressPolls polls show it in the title with the count of steps made.
    std::string progressLabel = {};
    long progressSteps = 0;

    // The first failure a drawing met; the window shows it once the drawing is over.
    int failureCode = 0;
    // Under a point map, the view where the points are computed (the mapper's domain):
    // steps, tolerances, lattices and the window's bounds come from it, the pixels from
    // `view`. Null: `view` is both.
    const View* sourceView = nullptr;

    const View& SourceView() const { return sourceView ? *sourceView : view; }
    bool Mapped() const { return settings.pointMapExample >= 0; }

    static constexpr long kProgressPolls = 4096;
    int Poll() {
        if (!progressLabel.empty() && ++progressSteps % kProgressPolls == 0)
            ShowProgress();
        return settings.noPoll || !pollKey ? 0 : pollKey();
    }
    void ShowProgress();
    // Shows the picture drawn so far, then pauses for as long as `cosines` evaluations of
    // a cosine take (members of a family shown one at a time, watch mode).
    void Pause(long cosines);
    // Sets the label of the progress shown in the title and starts counting anew.
    void StartProgress(std::string label) {
        progressLabel = std::move(label);
        progressSteps = 0;
    }
    void ReportFailure(int code) {
        if (failureCode == 0)
            failureCode = code;
    }
    platform::Rgb PenColour(int index) const;
};

inline constexpr int kStopKey = 'S';

// The pause after each member of a family shown one at a time: 2000 cosines per unit of
// the example's byte 28; kinds whose dialogs never set it take the explicit default, 50.
long MemberPause(const ExampleRecord& example);
// The pause after every step in watch mode: 100 per unit of the window's delay.
inline long WatchPause(const PlaneDrawSettings& settings) { return 100L * settings.watchDelay; }

// The per-kind dispatch: draws example `index` when its graph is shown; returns the last
// key read (0 if none).
int DrawExample(PlaneDrawContext& context, int index);

// The routines of the kinds, each in the file that owns it.
int DrawCurve(PlaneDrawContext& context, ExampleRecord& example);              // 201, 202, 203
int DrawIndefiniteIntegral(PlaneDrawContext& context, ExampleRecord& example); // 206
int DrawImplicit(PlaneDrawContext& context, ExampleRecord& example);           // 204
int DrawSegment(PlaneDrawContext& context, ExampleRecord& example);            // 205
int DrawCycloid(PlaneDrawContext& context, ExampleRecord& example);            // 207
int DrawLine(PlaneDrawContext& context, ExampleRecord& example);               // 208
int DrawPoints(PlaneDrawContext& context, ExampleRecord& example);             // 209, 215
int DrawSystem(PlaneDrawContext& context, ExampleRecord& example);             // 210
int DrawSlopeField(PlaneDrawContext& context, ExampleRecord& example);         // 211
int DrawRecursive(PlaneDrawContext& context, ExampleRecord& example);          // 212

} // namespace korvane
