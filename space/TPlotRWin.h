#pragma once
// Surface level of the space window: the grids of its records, the scene box, the
// surface dialogs and the drawing of the whole space picture (DrawAll).
#include <span>
#include <vector>

#include "space/SlowSurface.h"
#include "space/SurfaceGrid.h"
#include "space/SurfacePainter.h"
#include "space/TPlotQWin.h"

namespace korvane {

class TPlotRWin : public TPlotQWin {
public:
    TPlotRWin(platform::Platform& platform, const WindowOptions& options, platform::Window* owner);

    void OnCommand(int id) override;
    int EditExample(int index, bool isNew) override;

    // A new surface of the kind with its defaults, edited at once; its index or -1.
    int NewSurface(std::int16_t kind);
    // A surface of revolution of a plane window's example, edited at once (the window
    // comes to the top); its index or -1.
    int AddRevolution(const ExampleRecord& plane);
    // A trajectory of the last shown system (310) or sequence (312) from the initial-value
    // dialog; the record's index or -1.
    int AddTrajectory(std::int16_t kind);
    // A new curve, segment or point (of the sub-type), edited at once; its index or -1.
    int NewSpaceObject(std::int16_t kind, int pointType = 0);
    // The compile step and what the space kinds build on it (derivatives, tubes).
    int CompileExample(int index, bool showFailure = true) override;
    // "derivar" of an explicit surface: asks for the variable, then adds the partial
    // derivative as a derived record that follows its source.
    bool CanDerive(const ExampleRecord& example) const override;
    int DeriveExample(int index) override;
    void RecompileDerived(int index) override;
    // The grids of the records after it move down with them.
    void DeleteExample(int index) override;
    // Grid, box, cube mode, scene box and fitted window after a record was made or edited.
    void AfterRecordEdited(int index);
    // Every record's grid and the scene box again (a document was read).
    void RebuildScene();

    const SurfaceGrid& Grid(int index) const { return grids_[static_cast<std::size_t>(index)]; }
    const SurfacePainter& Painter() const { return painter_; }
    int MarchSteps() const { return marchSteps_; }
    int Planarity() const { return planarity_; }

    // DrawAll: fast surfaces, then each record's own drawing in inventory order, then the
    // axes and the box. 0 or the first record's failure code.
    int DrawAll(platform::Surface& surface);
    void DrawBase(platform::Surface& surface) override;

protected:
    static constexpr int kDrawingStopped = -1;
    // The drawing of a record that is not a grid surface; 0 or its failure code.
    virtual int DrawSpaceRecord(int index, CurveContext& c);
    void DrawScene(platform::Surface& surface) override { DrawAll(surface); }
    void AfterDocumentChanged() override;
    void SetAllSlow(bool slow);
    void EditPlanarity();
    bool HasParametricSurface() const;
    // An explicit or cylindrical surface, which may cut segments.
    bool HasMarchingSurface() const;

    std::vector<SurfaceGrid> grids_;
    SurfacePainter painter_;
    int marchSteps_ = 12;
    int planarity_ = 100; // per mille

private:
    void ComputeRecordGrid(int index);
    void SwitchCubeForTallBox(int index);
    void DrawFrame(platform::Surface& surface, SurfaceOcclusion* occlusion);
    // Each shown record's own drawing in inventory order; 0, kDrawingStopped after the
    // key S, or the first record's failure code.
    int DrawRecords(CurveContext& c);
};

} // namespace korvane
