#pragma once
// "curvas de nível" (LEVELS): the level curves of an implicit surface, or z = constant of
// an explicit one. The coordinate held constant, the lowest, current and highest level
// and a count of uniform levels; "buscar nível" traces the current level in the
// level-curve window and "auto" every level, each adding only the components not found
// before; the list of curves, shown, deleted and coloured; "manter mudanças" gives the
// curves to the record, "descartar mudanças" leaves it exactly as it was.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "expr/EvalContext.h"
#include "plane/ExampleRecord.h"
#include "platform/DialogHandler.h"

namespace korvane {

struct LevelsHost {
    std::function<ExampleRecord*()> record;
    EvalContext* context = nullptr;
    std::function<std::vector<TrajectoryRecord>(int axis, long double level, std::int16_t colour)> trace;
    std::function<bool()> stopped; // the last trace ended by the key S
    std::function<void(const std::vector<TrajectoryRecord>&, int axis)> show;
    std::function<void()> kept;
    std::function<int(const std::string&, long double&)> evaluate;
    std::function<void(int code)> showMessage;
};

class TLevelsDlg : public platform::DialogHandler {
public:
    static constexpr int kAxisX = 271, kAxisY = 272, kAxisZ = 273;
    static constexpr int kMinimum = 221, kMaximum = 223, kCurrent = 225, kCount = 226;
    static constexpr int kPrevious = 3, kNext = 4, kSearch = 5, kAuto = 6, kShowCurrent = 7, kShowAll = 8,
                         kDeleteOne = 9, kDeleteAll = 10, kList = 250, kColour = 241;
    static constexpr int kKeep = 1, kDiscard = 2;

    explicit TLevelsDlg(LevelsHost host);

    // Starts over from the record's curves; the fields from its box.
    void Begin(platform::Dialog& dialog);
    const std::vector<TrajectoryRecord>& Curves() const { return curves_; }
    int Axis() const { return axis_; }

    bool OnCommand(platform::Dialog& dialog, int id, platform::ControlEvent event) override;

private:
    int ReadFields(const platform::Dialog& dialog);
    long double UniformLevel(int k) const;
    void Step(platform::Dialog& dialog, int direction);
    // Traces one level and keeps its new components; false when S stopped it.
    bool Search(long double level);
    void Fill(platform::Dialog& dialog);
    void Show(bool currentOnly);
    void Keep();

    LevelsHost host_;
    std::vector<TrajectoryRecord> curves_;
    int axis_ = 2, count_ = 10;
    long double low_ = 0, high_ = 1, current_ = 0;
    std::int16_t colour_ = 0;
};

// The list line of a curve: "z = 1.5".
std::string LevelCurveLine(const TrajectoryRecord& r);

} // namespace korvane
