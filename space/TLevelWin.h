#pragma once
// The level-curve window (menu LEVELMENU, settings "lev.ini"): a small plane window over
// the slice of a surface where one coordinate is constant. Its axes are the two free
// coordinates; each level is traced as a plane implicit curve, and the pieces found go
// back to the surface as level pieces. It holds no document: the space window does.
#include <functional>
#include <vector>

#include "graph/PlaneSlotMap.h"
#include "plane/TPlot11Win.h"
#include "space/SpacePoint.h"

namespace korvane {

namespace cmd {
inline constexpr int kLevelStep = 735;
inline constexpr int kLevelClose = 24310;
} // namespace cmd

inline constexpr std::int32_t kLevelIdentifier = 881;

class TLevelWin : public TPlot11Win {
public:
    TLevelWin(platform::Platform& platform, const WindowOptions& options, platform::Window* owner);
    ~TLevelWin() override;

    std::string SettingsFileName() const override { return "lev.ini"; }
    std::int32_t SettingsIdentifier() const override { return kLevelIdentifier; }
    bool SettingsWereRead() const { return settingsRead_; }

    // The surface whose slices are shown (the space window's record), asked each time.
    std::function<const ExampleRecord*()> surface;
    // The space window's letters, copied before every trace.
    std::function<void(EvalContext&)> copyLetters;

    // The plane of `axis`: the box's centre and half extents in the free coordinates.
    void ShowSlice(int axis, const SpacePoint& low, const SpacePoint& high);
    int Axis() const { return axis_; }
    // Searches and traces the level; the pieces found, as the surface's level pieces in
    // `colour`. The key S stops the search (the pieces traced so far are given).
    std::vector<TrajectoryRecord> TraceLevel(int axis, long double level, std::int16_t colour);
    bool LastTraceStopped() const { return stopped_; }
    // Shows these level pieces (of the surface) over the slice.
    void ShowPieces(std::vector<TrajectoryRecord> pieces);

    void OnCommand(int id) override;
    void DrawBase(platform::Surface& surface) override;
    // Closing only hides: the space window keeps the window for its next levels.
    bool OnClose() override;
    void OnDestroy() override;

protected:
    bool HasPicture() const override { return !shown_.empty() || examples_.LastExample() >= 0; }
    void PackSlots(SettingsRecord& record) override;
    void UnpackSlots(const SettingsRecord& record) override;

private:
    void SetUpDefaults();
    void DrawShownPieces(platform::Surface& out);

    PlaneValues plane_;
    int axis_ = 2;
    std::vector<TrajectoryRecord> shown_;
    bool stopped_ = false;
};

} // namespace korvane
