#pragma once
// The equation dialog of the grid surfaces (EQUA301, EQUA302, EQUA303, EQUA316): the
// formulas, the two parameter ranges, the division and plotted-point counts, the way of
// drawing and its colours, and the record box. Works on a copy of the record and gives
// it back only when every field passed its check.
#include <functional>
#include <string>
#include <vector>

#include "plane/TEditExmpDlg.h"
#include "platform/DialogHandler.h"

namespace korvane {

class TSurfaceDlg : public platform::DialogHandler {
public:
    // Control ids beyond the edit fields 200 + n.
    static constexpr int kFast = 271, kSpectrum = 272, kGrid = 273, kShade = 274, kLockBox = 275, kCap = 276;
    static constexpr int kColour = 241, kColour1 = 242, kColour2 = 243, kGridColour = 244;
    static constexpr int kBoxFirst = 231; // xmin, xmax, ymin, ymax, zmin, zmax
    static constexpr int kAxisX = 277, kAxisY = 278; // a surface of revolution's axis

    TSurfaceDlg(EquationEnvironment environment, ExampleRecord& example);

    static std::string TemplateName(const ExampleRecord& example);
    int Run(platform::Platform& platform, platform::Window* owner);
    int ChangeMask() const { return changeMask_; }
    // Reads and checks every field; 0 with the record replaced, else the first failure's
    // code and the record as it was.
    int Accept(const platform::Dialog& dialog);

    void OnInit(platform::Dialog& dialog) override;
    bool OnCommand(platform::Dialog& dialog, int id, platform::ControlEvent event) override;

private:
    int ReadFormulas(const platform::Dialog& dialog, ExampleRecord& copy, int& mask) const;
    // The plane's numbers, or the axis of a surface of revolution.
    int ReadPlane(const platform::Dialog& dialog, ExampleRecord& copy, int& mask) const;
    int ReadRanges(const platform::Dialog& dialog, ExampleRecord& copy, int& mask) const;
    int ReadCounts(const platform::Dialog& dialog, ExampleRecord& copy, int& mask) const;
    int ReadBox(const platform::Dialog& dialog, ExampleRecord& copy, int& mask) const;
    void ReadStyle(const platform::Dialog& dialog, ExampleRecord& copy, int& mask) const;

    EquationEnvironment env_;
    ExampleRecord& example_;
    int changeMask_ = 0;
};

// "a,b,c" as its parts, commas inside brackets kept.
std::vector<std::string> SplitList(const std::string& text);

// The line that the inventory shows for a surface.
std::string DescribeSurface(const ExampleRecord& e);

} // namespace korvane
