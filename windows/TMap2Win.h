#pragma once
// The common layer of the mapper's two plane windows: the link to the other window, the
// freehand strokes and the cursor point each window shows over its picture, and the look
// of a plane window.
#include "graph/PlaneSlotMap.h"
#include "plane/PointKinds.h"
#include "plane/TPlotAWin.h"

#include <optional>
#include <vector>

namespace korvane {

namespace cmd {
inline constexpr int kMapperPlane = 410;
inline constexpr int kMapperComplex = 411;
inline constexpr int kNewMap = 1102;
inline constexpr int kMapGrid = 758;
inline constexpr int kMapTable = 873;
inline constexpr int kEraseDrawings = 52;
inline constexpr int kMouseJacobian = 128;
inline constexpr int kMouseFreehand = 127;
inline constexpr int kFitRange = 764;
inline constexpr int kMapperClose = 24310;
} // namespace cmd

inline constexpr std::int32_t kDomainIdentifier = 871;
inline constexpr std::int32_t kRangeIdentifier = 872;

// A point of a freehand stroke, in world coordinates so that the strokes follow the view;
// `end` closes the stroke (or, in the range window, marks a point where the map failed).
struct FreehandPoint {
    WorldPoint at;
    bool end = false;
};

class TMap2Win : public TPlotAWin {
public:
    TMap2Win(platform::Platform& platform, const WindowOptions& options, platform::Window* owner);
    ~TMap2Win() override;

    TMap2Win* Partner() const { return partner_; }
    bool SettingsWereRead() const { return settingsRead_; }
    // Each window keeps the other; either may go first.
    static void Link(TMap2Win& domain, TMap2Win& range);

    const std::vector<FreehandPoint>& Freehand() const { return freehand_; }
    void AddFreehand(WorldPoint at, bool end);
    void ClearFreehand();
    // The stroke drawn so far ends at its last point.
    void MarkFreehandBreak();
    const std::optional<WorldPoint>& CursorPoint() const { return cursor_; }
    void SetCursorPoint(std::optional<WorldPoint> point);

    void DrawOverlay(platform::Surface& surface) override;
    void OnDestroy() override;
    std::string HelpName() const override { return "MAP2HELP"; }

protected:
    void SetUpDefaults();
    void CreateMapperWindow(const std::string& title, const char* menu);
    void PackSlots(SettingsRecord& record) override;
    void UnpackSlots(const SettingsRecord& record) override;
    void RefreshMenuChecks() override;

    TMap2Win* partner_ = nullptr;
    PlaneValues plane_;

private:
    void DrawFreehand(platform::Surface& surface);
    void DrawCursor(platform::Surface& surface);

    std::vector<FreehandPoint> freehand_;
    std::optional<WorldPoint> cursor_;
};

} // namespace korvane
