#pragma once
// "integração" (commands 721 and 722): Riemann sums of an explicit example, or of the
// difference of two, by up to six rules at once; the strips of the first chosen rule on
// the graph; and the indefinite integral as a new derived example.
#include "analysis/RiemannSums.h"
#include "analysis/TPreRiemDlg.h"

namespace korvane {

class TRiemDlg : public TPreRiemDlg {
public:
    enum Control : int {
        kLeftBox = 271, // to 276: the rules, bit 1 << (id - 271)
        kShowStrips = 277,
        kLeftResult = 231, // to 236
        kUndefinedText = 237,
        kColour = 214,
        kDefinite = 761,
        kIndefinite = 760,
    };
    static constexpr std::uint16_t kStripsBit = 64;

    TRiemDlg(TPlotAWin& owner, int* currentColour, IntegralFields& fields);

    // 1: one curve; 2: f - g. Shows the dialog in that mode.
    void OpenInMode(int mode);
    int Mode() const { return mode_; }

    int ReadFields() override;
    // "definida": the fields, the sums, the results and the note; 0 or the code shown.
    int Define();
    // "indefinida": a new indefinite-integral example; 0 or the code shown.
    int MakeIndefiniteIntegral();
    const RiemannResults& Last() const { return last_; }

    // The strips, while the dialog is open and "visualizar" is on; with `through`, their
    // images under that drawing's point map, on its surface and view.
    void DrawStrips(platform::Surface& surface, PlaneDrawContext* through = nullptr);

    // Closing takes the strips away.
    void OnClose(platform::Dialog& dialog, int result) override;

protected:
    void SetUp(platform::Dialog& dialog) override;
    void ExampleChanged() override;
    bool Command(platform::Dialog& dialog, int id, platform::ControlEvent event) override;

private:
    int Compute();
    void ShowResults();
    void AddResultNote();
    void ApplyMode(platform::Dialog& dialog);
    // The examples of the integrand; false when one is missing.
    bool Sources(ExampleRecord*& f, ExampleRecord*& g) const;

    int mode_ = 1;
    bool busy_ = false;
    RiemannResults last_;
};

} // namespace korvane
