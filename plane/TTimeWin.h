#pragma once
// A time window (menu TXMENU, settings "time0.ini" .. "time3.ini"): the solution curves of
// the differential systems of a plane or space window against time, one component (k = 0
// x, 1 y, 2 z) or all of them together (the combined window, k = the parent's dimension).
// It holds no records: the parent walks its trajectories for it.
#include <functional>
#include <string>

#include "plane/TPlot1Win.h"

namespace korvane {

namespace cmd {
inline constexpr int kTimeWindowX = 630;
inline constexpr int kTimeWindowY = 631;
inline constexpr int kTimeWindowZ = 632; // the combined xy(t) window of a plane parent
inline constexpr int kTimeWindowXYZ = 633;
inline constexpr int kTimeWindowClose = 24310;
} // namespace cmd

// One point of a trajectory, at its time.
struct TimePoint {
    long double t = 0, x = 0, y = 0, z = 0;
};

// What a time window needs from its parent.
struct TimeParent {
    int dimension = 2; // 2 plane, 3 space
    // The vertical range of each component, and the box in a space parent.
    long double low[3] = {-5, -5, -5}, high[3] = {5, 5, 5};
    std::string documentName;
    // Walks every shown system's stored trajectories: `begin` with each one's colour, then
    // its points; the parent's letters are given back afterwards.
    std::function<void(const std::function<void(int colour)>& begin, const std::function<void(const TimePoint&)>& point)>
        walk;
};

class TTimeWin : public TPlot1Win {
public:
    // k = 0..2, or 3 in a space parent.
    TTimeWin(platform::Platform& platform, const WindowOptions& options, platform::Window* owner, int k,
             TimeParent parent);
    ~TTimeWin() override;

    std::string SettingsFileName() const override { return "time" + std::to_string(k_) + ".ini"; }
    std::int32_t SettingsIdentifier() const override { return 890 + k_; }
    int Component() const { return k_; }
    bool Combined() const { return k_ == parent_.dimension; }

    // The parent's trajectories changed: the picture again.
    void ParentChanged(TimeParent parent);

    void DrawBase(platform::Surface& surface) override;
    void OnCommand(int id) override;
    // Closing only hides: the parent keeps the window until it goes itself.
    bool OnClose() override;

    // The window's title for its component and parent.
    static std::string Title(int k, int dimension, const std::string& documentName);

protected:
    // The axes alone are a picture worth printing or writing.
    bool HasPicture() const override { return true; }
    void PackSlots(SettingsRecord& record) override { PackPlaneLook(plane_, record); }
    void UnpackSlots(const SettingsRecord& record) override { UnpackPlaneLook(plane_, record); }

private:
    void SetUpView();
    void Place();
    void DrawWorldLine(platform::Surface& surface, long double t0, long double v0, long double t1, long double v1) const;

    int k_;
    TimeParent parent_;
    PlaneValues plane_;
};

} // namespace korvane
