#pragma once
// "zeros" (command 707): the zeros of an explicit example, a segment or a line, one after
// the other to the right on each press of "próximo", each marked on the graph with
// "interceptar x" and ready to be stored in a letter by "salvar x como".
#include "analysis/TComboDlg.h"
#include "analysis/ZeroSearch.h"

namespace korvane {

class TZeroDlg : public TComboDlg {
public:
    enum Control : int { kNext = 743, kResult = 231 };

    TZeroDlg(TPlotAWin& owner, int* currentColour);

    // One press of "próximo"; the result is shown and, when found, marked.
    void Search();
    // "salvar x como": the last zero into the chosen letter.
    void SaveAs();

    bool Found() const { return found; }
    long double Root() const { return root; }
    std::int16_t NextInterval() const { return nextInterval; }
    // Evaluations of the example's formulas in the last search.
    long Evaluations() const { return evaluations_; }

protected:
    void SetUp(platform::Dialog& dialog) override;
    void ExampleChanged() override { Search(); }
    bool Command(platform::Dialog& dialog, int id, platform::ControlEvent event) override;

private:
    bool SearchStraight(const ExampleRecord& example, SearchOutcome& out);

    std::int16_t nextInterval = 0;
    bool found = false;
    long double root = 0;
    long evaluations_ = 0;
};

} // namespace korvane
