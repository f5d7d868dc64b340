#pragma once
// The stereogram window (menu RDSMENU, settings "rds.ini"): a random-dot stereogram of the
// space window's explicit and cylindrical surfaces that take part, drawn row by row with
// the progress in the title (S stops), and the two guide dots under the picture.
#include <functional>
#include <memory>
#include <vector>

#include "graph/PlaneSlotMap.h"
#include "plane/LetterAnimator.h"
#include "plane/TPlot11Win.h"
#include "space/Stereogram.h"

namespace korvane {

namespace cmd {
inline constexpr int kStereogramClose = 24310;
} // namespace cmd

inline constexpr std::int32_t kStereogramIdentifier = 882;

class TRDSWin : public TPlot11Win {
public:
    TRDSWin(platform::Platform& platform, const WindowOptions& options, platform::Window* owner);
    ~TRDSWin() override;

    std::string SettingsFileName() const override { return "rds.ini"; }
    std::int32_t SettingsIdentifier() const override { return kStereogramIdentifier; }
    bool SettingsWereRead() const { return settingsRead_; }

    // The space window's records that take part, its letters and its parameters. The
    // letters are copied when the picture is made ("traçar"); a picture drawn after this
    // window's sliders moved them first gives them back through `shareLetters`, since the
    // space window computes the records' boxes, which clamp the relief, from its letters.
    // Letters the space window changed itself are never overwritten with older ones.
    std::function<std::vector<const ExampleRecord*>()> records;
    std::function<void(EvalContext&)> copyLetters;
    std::function<void(const EvalContext&)> shareLetters;
    std::function<StereogramParameters()> parameters;

    // The view about the records' box, and the picture again.
    void Refresh();
    // Rows drawn by the last picture, and whether S stopped it.
    int RowsDrawn() const { return rowsDrawn_; }
    bool Stopped() const { return stopped_; }

    LetterAnimator& Animator() { return *animator_; }

    void DrawBase(platform::Surface& surface) override;
    void OnPaint(platform::Surface& front) override;
    void OnKey(const platform::KeyEvent& key) override;
    void OnTimer(int id) override;
    void OnCommand(int id) override;
    // Closing only hides: the space window keeps the window for its next picture.
    bool OnClose() override;
    void OnDestroy() override;

protected:
    bool HasPicture() const override { return records && !records().empty(); }
    void PackSlots(SettingsRecord& record) override { PackPlaneLook(plane_, record); }
    void UnpackSlots(const SettingsRecord& record) override { UnpackPlaneLook(plane_, record); }

private:
    bool Box(SpacePoint& low, SpacePoint& high) const;
    void DrawGuideDots(platform::Surface& surface, const StereogramLayout& layout);
    std::uint32_t LettersOfRecords();
    // Remembers the letters as the space window has them now; true when they had moved here.
    bool NoteSharedLetters();

    PlaneValues plane_;
    // The dots of every picture until the next Refresh: a copy, a print preview or a file
    // shows the dots of the screen.
    std::uint64_t seed_ = 0;
    int rowsDrawn_ = 0;
    bool stopped_ = false;
    std::unique_ptr<LetterAnimator> animator_;
    // The letters as last taken from or given to the space window.
    ComplexValue sharedValues_[kLetterCount]{}, sharedLow_[kLetterCount]{}, sharedHigh_[kLetterCount]{};
};

} // namespace korvane
