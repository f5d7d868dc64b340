#pragma once
// The dialogs of curves (EQUA304), segments (EQUA308), points (EQUA309) and implicit
// surfaces (EQUA305, the equation and the fixed box): formulas or
// numbers, the curve's range and arrow, the plotted points, the point's size and look,
// colour and width. Works on a copy of the record and gives it back only when every
// field passed its check.
#include <string>

#include "plane/TEditExmpDlg.h"
#include "platform/DialogHandler.h"

namespace korvane {

class TSpaceObjectDlg : public platform::DialogHandler {
public:
    static constexpr int kArrow = 281, kSolid = 282, kCircle = 283, kAnchors = 284, kAnchorsDotted = 285,
                         kArcs = 286, kArcsDotted = 287;
    static constexpr int kColour = 241, kClip = 288;
    static constexpr int kBoxFirst = 231; // a system's box: xmin, xmax, ymin, ymax, zmin, zmax

    TSpaceObjectDlg(EquationEnvironment environment, ExampleRecord& example);

    static std::string TemplateName(const ExampleRecord& e);
    int Run(platform::Platform& platform, platform::Window* owner);
    int ChangeMask() const { return changeMask_; }
    // Reads and checks every field; 0 with the record replaced, else the first failure's
    // code and the record as it was.
    int Accept(const platform::Dialog& dialog);

    void OnInit(platform::Dialog& dialog) override;
    bool OnCommand(platform::Dialog& dialog, int id, platform::ControlEvent event) override;

private:
    int ReadCurve(const platform::Dialog& dialog, ExampleRecord& copy) const;
    int ReadImplicit(const platform::Dialog& dialog, ExampleRecord& copy) const;
    int ReadFormulas(const platform::Dialog& dialog, ExampleRecord& copy) const;
    int ReadSystem(const platform::Dialog& dialog, ExampleRecord& copy) const;
    int ReadNumbers(const platform::Dialog& dialog, ExampleRecord& copy) const;

    EquationEnvironment env_;
    ExampleRecord& example_;
    int changeMask_ = 0;
};

// The line that the inventory shows for a curve, segment or point.
std::string DescribeSpaceObject(const ExampleRecord& e);

} // namespace korvane
